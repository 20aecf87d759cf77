#include "screen_labels.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>

namespace {

constexpr double kOutlinePixels = 3;

// The smallest power of two not below `value`, as OpenGL 1.1 textures need.
int PowerOfTwo(int value)
{
    int size = 1;
    while (size < value) {
        size *= 2;
    }
    return size;
}

} // namespace

// The image is premultiplied, as the blending takes it.
ScreenLabel MakeScreenLabel(const QString& text, int pixels, bool bold, double scale)
{
    QFont font = QGuiApplication::font();
    font.setPixelSize(static_cast<int>(std::lround(pixels * scale)));
    font.setBold(bold);
    const QFontMetrics metrics(font);
    const double outline = kOutlinePixels * scale;
    const int margin = static_cast<int>(std::ceil(outline));
    ScreenLabel label;
    label.width = metrics.horizontalAdvance(text) + 2 * margin;
    label.height = metrics.height() + 2 * margin;
    QImage image(PowerOfTwo(label.width), PowerOfTwo(label.height), QImage::Format_RGBA8888_Premultiplied);
    image.fill(Qt::transparent);
    QPainterPath path;
    path.addText(margin, margin + metrics.ascent(), font, text);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.strokePath(path, QPen(QColor(0, 0, 0, 220), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(path, Qt::white);
    painter.end();

    label.right = static_cast<GLfloat>(label.width) / static_cast<GLfloat>(image.width());
    label.bottom = static_cast<GLfloat>(label.height) / static_cast<GLfloat>(image.height());
    glGenTextures(1, &label.texture);
    glBindTexture(GL_TEXTURE_2D, label.texture);
    // Drawn at its own size, texel on pixel.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, image.width(), image.height(), 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 image.constBits());
    return label;
}

void DeleteScreenLabel(ScreenLabel& label)
{
    if (label.texture != 0) {
        glDeleteTextures(1, &label.texture);
    }
    label = {};
}

ScreenLabelPass::ScreenLabelPass()
{
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_CURRENT_BIT | GL_TEXTURE_BIT | GL_TRANSFORM_BIT);
    // Window coordinates in device pixels, y up: a texel lands on a pixel.
    std::array<GLint, 4> viewport{};
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(viewport[0], viewport[0] + viewport[2], viewport[1], viewport[1] + viewport[3], -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1, 1, 1, 1);
}

ScreenLabelPass::~ScreenLabelPass()
{
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glPopAttrib();
}

void ScreenLabelPass::Draw(const ScreenLabel& label, double left, double bottom) const
{
    if (label.texture == 0) {
        return;
    }
    const auto x0 = static_cast<GLfloat>(std::lround(left));
    const auto y0 = static_cast<GLfloat>(std::lround(bottom));
    const auto x1 = x0 + static_cast<GLfloat>(label.width);
    const auto y1 = y0 + static_cast<GLfloat>(label.height);
    glBindTexture(GL_TEXTURE_2D, label.texture);
    // The image's first row is the text's top, at texture row 0.
    glBegin(GL_QUADS);
    glTexCoord2f(0, label.bottom);
    glVertex2f(x0, y0);
    glTexCoord2f(label.right, label.bottom);
    glVertex2f(x1, y0);
    glTexCoord2f(label.right, 0);
    glVertex2f(x1, y1);
    glTexCoord2f(0, 0);
    glVertex2f(x0, y1);
    glEnd();
}
