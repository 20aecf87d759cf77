#pragma once

#include <cmath>

// Narrowing a sky event's moment down between two Julian days.

// The moment, to within `precision` days, where `f` changes sign between
// `before` and `after` (f(before) and f(after) of opposite signs), by false
// position with the Illinois rule: it keeps the sign change bracketed, and
// on these smooth angles it needs a handful of steps where bisection needs
// sixteen.
template <typename Function>
double SignChange(Function f, double before, double after, double precision)
{
    double atBefore = f(before);
    double atAfter = f(after);
    int sameSide = 0; // which end the last two steps moved: -1 before, 1 after
    for (int guard = 0; guard < 100 && after - before > precision; ++guard) {
        const double middle = (before * atAfter - after * atBefore) / (atAfter - atBefore);
        const double atMiddle = f(middle);
        if (atMiddle == 0) {
            return middle;
        }
        if ((atMiddle < 0) == (atBefore < 0)) {
            before = middle;
            atBefore = atMiddle;
            if (sameSide == -1) {
                atAfter /= 2;
            }
            sameSide = -1;
        } else {
            after = middle;
            atAfter = atMiddle;
            if (sameSide == 1) {
                atBefore /= 2;
            }
            sameSide = 1;
        }
        // Once the step is below the precision, the root is as good as found.
        if (std::abs(after - before) <= precision || std::abs(atMiddle) < 1e-9) {
            return middle;
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
