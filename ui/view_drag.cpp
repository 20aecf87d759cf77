#include "view_drag.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr double kLowestTilt = std::numeric_limits<std::int16_t>::min();
constexpr double kHighestTilt = std::numeric_limits<std::int16_t>::max();

} // namespace

void ViewDrag::Start(double x, double y)
{
    Dragging = true;
    LastX = x;
    LastY = y;
    TiltCarry = 0;
}

ViewDrag::Step ViewDrag::MoveTo(double x, double y)
{
    if (!Dragging || !std::isfinite(x) || !std::isfinite(y)) {
        return {};
    }
    Step step;
    step.turn = (x - LastX) * kTurnDegreesPerPixel;
    TiltCarry += y - LastY;
    const double whole = std::clamp(std::trunc(TiltCarry / kPixelsPerTiltDegree), -2 * kHighestTilt, 2 * kHighestTilt);
    step.tilt = static_cast<int>(whole);
    TiltCarry -= whole * kPixelsPerTiltDegree;
    LastX = x;
    LastY = y;
    return step;
}

double DraggedTilt(double tilt, int steps)
{
    return std::clamp(tilt + steps, kLowestTilt, kHighestTilt);
}
