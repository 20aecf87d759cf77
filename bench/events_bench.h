#pragma once

#include <cstddef>

// The search for the sky's events: one year's, and the whole span's in one
// go, every kind.
struct EventSearchTimes {
    double year = 0; // seconds, median of a few searches of 2027
    std::size_t yearEvents = 0;
    double span = 0; // seconds, 1885 to 2099
    double spanYears = 0;
    std::size_t spanEvents = 0;
};

EventSearchTimes MeasureEventSearch();
