#include "body_names.h"

#include "texts_sky.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr int kTextPixels = 13; // logical pixels
constexpr double kOutlinePixels = 3;
constexpr double kGapPixels = 4; // between a body's edge and its name

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

// White text inside a dark outline, so that it reads on the black sky and on
// a bright body alike. The image is premultiplied, as the blending takes it.
void BodyNameLabels::Prepare(double scale)
{
    Release();
    QFont font = QGuiApplication::font();
    font.setPixelSize(static_cast<int>(std::lround(kTextPixels * scale)));
    font.setBold(true);
    const QFontMetrics metrics(font);
    const double outline = kOutlinePixels * scale;
    const int margin = static_cast<int>(std::ceil(outline));
    for (std::size_t id = Sun; id < labels.size(); ++id) {
        const QString name = BodyName(static_cast<std::uint8_t>(id));
        Label& label = labels[id];
        label.width = metrics.horizontalAdvance(name) + 2 * margin;
        label.height = metrics.height() + 2 * margin;
        QImage image(PowerOfTwo(label.width), PowerOfTwo(label.height), QImage::Format_RGBA8888_Premultiplied);
        image.fill(Qt::transparent);
        QPainterPath path;
        path.addText(margin, margin + metrics.ascent(), font, name);
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
    }
    preparedScale = scale;
}

void BodyNameLabels::Release()
{
    for (Label& label : labels) {
        if (label.texture != 0) {
            glDeleteTextures(1, &label.texture);
        }
    }
    Forget();
}

void BodyNameLabels::Forget()
{
    labels = {};
    preparedScale = 0;
}

void BodyNameLabels::Draw(const BodyPlaces& places, double scale)
{
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_CURRENT_BIT | GL_TEXTURE_BIT | GL_TRANSFORM_BIT);
    if (scale != preparedScale) {
        Prepare(scale);
    }
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

    const double gap = kGapPixels * scale;
    for (std::size_t id = Sun; id < labels.size(); ++id) {
        const BodyPlace& place = places[id];
        const Label& label = labels[id];
        if (!place.inFront || label.texture == 0) {
            continue;
        }
        const auto left = static_cast<GLfloat>(std::lround(place.x + place.extent + gap));
        const auto bottom = static_cast<GLfloat>(std::lround(place.y - label.height / 2.0));
        const auto right = left + static_cast<GLfloat>(label.width);
        const auto top = bottom + static_cast<GLfloat>(label.height);
        glBindTexture(GL_TEXTURE_2D, label.texture);
        // The image's first row is the text's top, at texture row 0.
        glBegin(GL_QUADS);
        glTexCoord2f(0, label.bottom);
        glVertex2f(left, bottom);
        glTexCoord2f(label.right, label.bottom);
        glVertex2f(right, bottom);
        glTexCoord2f(label.right, 0);
        glVertex2f(right, top);
        glTexCoord2f(0, 0);
        glVertex2f(left, top);
        glEnd();
    }

    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glPopAttrib();
}
