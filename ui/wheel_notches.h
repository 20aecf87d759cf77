#pragma once

// Turns the angle deltas of a mouse wheel into whole notches. A classic wheel
// reports 120 units a notch; high-resolution wheels and touchpads report
// smaller deltas, which add up here until they make a whole notch.
class WheelNotches {
public:
    static constexpr int kUnitsPerNotch = 120;

    // Adds one event's delta and returns the whole notches it completes:
    // positive when the wheel turns away from the user. What is left over is
    // kept for the next event.
    int Add(int angleDelta);

private:
    int Pending = 0; // always less than one notch either way
};
