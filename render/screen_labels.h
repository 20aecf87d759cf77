#pragma once

#include <GL/gl.h>

#include <QImage>
#include <QString>

#include <vector>

// A text (or a small picture) laid out once into a texture, of its own or
// shared with others made with it, and drawn as a quad at the screen's
// pixels. A text is white inside a dark outline, so that it reads on the
// black sky and on a bright body alike.
struct ScreenLabel {
    GLuint texture = 0;
    int width = 0; // device pixels of the text with its outline, or of the picture
    int height = 0;
    GLfloat left = 0; // texture coordinates of the text's corners
    GLfloat top = 0;
    GLfloat right = 0;
    GLfloat bottom = 0;
};

// A text to lay out, `pixels` logical pixels high.
struct LabelText {
    QString text;
    int pixels = 0;
    bool bold = false;
};

// Lays out `text` at `pixels` logical pixels high and `scale` device pixels
// per logical pixel; the context must be current.
ScreenLabel MakeScreenLabel(const QString& text, int pixels, bool bold, double scale);
// Lays out several texts into one texture that their labels share, so that
// they can be drawn in one batch.
std::vector<ScreenLabel> MakeScreenLabels(const std::vector<LabelText>& texts, double scale);
// The same for pictures (premultiplied), each drawn at its own size.
std::vector<ScreenLabel> MakeImageLabels(const std::vector<QImage>& images);

// Deletes the label's texture; the context must be current.
void DeleteScreenLabel(ScreenLabel& label);
// Deletes the texture of labels made together, and forgets them.
void DeleteScreenLabels(std::vector<ScreenLabel>& labels);

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

// Within a ScreenLabelPass, while it lives: labels of one texture drawn as
// one batch of quads (the colour may change between them).
class ScreenLabelBatch {
public:
    explicit ScreenLabelBatch(GLuint texture);
    ~ScreenLabelBatch();
    ScreenLabelBatch(const ScreenLabelBatch&) = delete;
    ScreenLabelBatch& operator=(const ScreenLabelBatch&) = delete;

    // The label with its bottom left corner at (`left`, `bottom`), rounded to a pixel.
    void Put(const ScreenLabel& label, double left, double bottom) const;
};
