#pragma once

#include <QDateTime>

#include <cstdint>

// The moment the planets show once the sky is real, as a Julian day of
// universal time. It runs with the animation: one year of 365.25 days per
// `secondsPerYear` seconds of frame time, the way the speed bar sets the
// Earth's orbit, and it stops at the edges of the span the theories cover.
class SkyClock {
public:
    // Before a moment is set the sky is not real and the clock never moves.
    bool IsSet() const { return Set; }
    // Makes the sky real at `moment`; outside the span nothing changes and
    // the answer is false.
    bool SetMoment(const QDateTime& moment);
    double JulianDay() const { return Day; }
    QDateTime Moment() const;

    // Moves the moment by `seconds` of frame time (negative: backwards).
    // Returns true when this step reached an edge of the span, where the
    // moment then stands.
    bool Advance(double seconds, std::uint8_t secondsPerYear);

private:
    bool Set = false;
    double Day = 0;
};

// The Julian day of universal time at `moment`, and back (to the
// millisecond), also as milliseconds since 1970.
double JulianDayOf(const QDateTime& moment);
QDateTime MomentOfJulianDay(double julianDay);
std::int64_t UnixMillisecondsOfJulianDay(double julianDay);
