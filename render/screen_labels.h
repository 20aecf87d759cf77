#pragma once

#include <GL/gl.h>

#include <QString>

// A text laid out once into a texture of its own and drawn as a quad at the
// screen's pixels: white inside a dark outline, so that it reads on the
// black sky and on a bright body alike.
struct ScreenLabel {
    GLuint texture = 0;
    int width = 0; // device pixels of the text with its outline
    int height = 0;
    GLfloat right = 0; // texture coordinates of the text's corner
    GLfloat bottom = 0;
};

// Lays out `text` at `pixels` logical pixels high and `scale` device pixels
// per logical pixel; the context must be current.
ScreenLabel MakeScreenLabel(const QString& text, int pixels, bool bold, double scale);

// Deletes the label's texture; the context must be current.
void DeleteScreenLabel(ScreenLabel& label);

// While it lives, the current viewport draws in window coordinates (device
// pixels, y up) with the labels' blending; it leaves the matrices and every
// other GL state as it found them.
class ScreenLabelPass {
public:
    ScreenLabelPass();
    ~ScreenLabelPass();
    ScreenLabelPass(const ScreenLabelPass&) = delete;
    ScreenLabelPass& operator=(const ScreenLabelPass&) = delete;

    // The label with its bottom left corner at (`left`, `bottom`), rounded to a pixel.
    void Draw(const ScreenLabel& label, double left, double bottom) const;
};
