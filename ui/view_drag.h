#pragma once

// A drag across the view in logical pixels, turned into the camera's turn
// and the tilt's whole-degree steps. Vertical pixels that make no whole
// step yet are carried to the next move.
class ViewDrag {
public:
    static constexpr double kTurnDegreesPerPixel = 1.0 / 3;
    static constexpr double kPixelsPerTiltDegree = 3;

    struct Step {
        double turn = 0; // degrees
        int tilt = 0;    // whole degrees, down the view growing
    };

    void Start(double x, double y);
    // The step from the last point of the drag to (x, y); none when no drag
    // is under way.
    Step MoveTo(double x, double y);
    void Stop() { Dragging = false; }
    bool Active() const { return Dragging; }

private:
    bool Dragging = false;
    double LastX = 0;
    double LastY = 0;
    double TiltCarry = 0; // pixels
};

// `tilt` moved by `steps` degrees, held within the 16-bit range of a whole
// tilt.
double DraggedTilt(double tilt, int steps);
