#pragma once

#include <cmath>

// Narrowing a sky event's moment down between two Julian days.

// The moment, to within `precision` days, where `f` changes sign between
// `before` and `after` (f(before) and f(after) of opposite signs).
template <typename Function>
double Bisected(Function f, double before, double after, double precision)
{
    const bool risesThrough = f(before) < 0;
    while (after - before > precision) {
        const double middle = (before + after) / 2;
        if ((f(middle) < 0) == risesThrough) {
            before = middle;
        } else {
            after = middle;
        }
    }
    return (before + after) / 2;
}

// The moment, to within `precision` days, where `f` is greatest between
// `before` and `after`, by golden-section search (f rising then falling).
template <typename Function>
double Greatest(Function f, double before, double after, double precision)
{
    const double shrink = (std::sqrt(5.0) - 1) / 2;
    double left = after - shrink * (after - before);
    double right = before + shrink * (after - before);
    double atLeft = f(left);
    double atRight = f(right);
    while (after - before > precision) {
        if (atLeft < atRight) {
            before = left;
            left = right;
            atLeft = atRight;
            right = before + shrink * (after - before);
            atRight = f(right);
        } else {
            after = right;
            right = left;
            atRight = atLeft;
            left = after - shrink * (after - before);
            atLeft = f(left);
        }
    }
    return (before + after) / 2;
}
