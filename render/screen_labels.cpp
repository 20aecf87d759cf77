#include "screen_labels.h"

#include "image_texture.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
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

// The text white inside its outline, as wide and high as the text with its
// outline on every side.
QImage PaintLabel(const LabelText& label, double scale)
{
    QFont font = QGuiApplication::font();
    font.setPixelSize(static_cast<int>(std::lround(label.pixels * scale)));
    font.setBold(label.bold);
    const QFontMetrics metrics(font);
    const double outline = kOutlinePixels * scale;
    const int margin = static_cast<int>(std::ceil(outline));
    QImage image(metrics.horizontalAdvance(label.text) + 2 * margin, metrics.height() + 2 * margin,
                 QImage::Format_RGBA8888_Premultiplied);
    image.fill(Qt::transparent);
    QPainterPath path;
    path.addText(margin, margin + metrics.ascent(), font, label.text);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.strokePath(path, QPen(QColor(0, 0, 0, 220), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(path, Qt::white);
    return image;
}

} // namespace

ScreenLabel MakeScreenLabel(const QString& text, int pixels, bool bold, double scale)
{
    return MakeScreenLabels({{text, pixels, bold}}, scale).front();
}

std::vector<ScreenLabel> MakeScreenLabels(const std::vector<LabelText>& texts, double scale)
{
    std::vector<QImage> images;
    for (const LabelText& text : texts) {
        images.push_back(PaintLabel(text, scale));
    }
    return MakeImageLabels(images);
}

// The images are packed in rows, left to right, into one image whose sides
// are powers of two, as OpenGL 1.1 textures need; it is premultiplied, as
// the blending takes it, and drawn at its own size, texel on pixel.
std::vector<ScreenLabel> MakeImageLabels(const std::vector<QImage>& images)
{
    int widest = 1;
    double area = 0;
    for (const QImage& image : images) {
        widest = std::max(widest, image.width());
        area += image.width() * image.height();
    }
    const int width = PowerOfTwo(std::max(widest, static_cast<int>(std::sqrt(area))));
    std::vector<QPoint> corners;
    QPoint next(0, 0);
    int rowHeight = 0;
    for (const QImage& image : images) {
        if (next.x() + image.width() > width) {
            next = QPoint(0, next.y() + rowHeight);
            rowHeight = 0;
        }
        corners.push_back(next);
        next.rx() += image.width();
        rowHeight = std::max(rowHeight, image.height());
    }
    QImage atlas(width, PowerOfTwo(next.y() + rowHeight), QImage::Format_RGBA8888_Premultiplied);
    atlas.fill(Qt::transparent);
    QPainter painter(&atlas);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (std::size_t i = 0; i < images.size(); ++i) {
        painter.drawImage(corners[i], images[i]);
    }
    painter.end();

    const GLuint texture = MakeImageTexture(atlas, {.filter = GL_NEAREST});
    const auto across = static_cast<GLfloat>(atlas.width());
    const auto down = static_cast<GLfloat>(atlas.height());
    std::vector<ScreenLabel> labels;
    for (std::size_t i = 0; i < images.size(); ++i) {
        const QRect place(corners[i], images[i].size());
        labels.push_back({.texture = texture,
                          .width = place.width(),
                          .height = place.height(),
                          .left = static_cast<GLfloat>(place.left()) / across,
                          .top = static_cast<GLfloat>(place.top()) / down,
                          .right = static_cast<GLfloat>(place.left() + place.width()) / across,
                          .bottom = static_cast<GLfloat>(place.top() + place.height()) / down});
    }
    return labels;
}

void DeleteScreenLabel(ScreenLabel& label)
{
    if (label.texture != 0) {
        glDeleteTextures(1, &label.texture);
    }
    label = {};
}

void DeleteScreenLabels(std::vector<ScreenLabel>& labels)
{
    if (!labels.empty()) {
        DeleteScreenLabel(labels.front());
    }
    labels.clear();
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
    if (label.texture != 0) {
        const ScreenLabelBatch batch(label.texture);
        batch.Put(label, left, bottom);
    }
}

ScreenLabelBatch::ScreenLabelBatch(GLuint texture)
{
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
}

ScreenLabelBatch::~ScreenLabelBatch()
{
    glEnd();
}

void ScreenLabelBatch::Put(const ScreenLabel& label, double left, double bottom) const
{
    const auto x0 = static_cast<GLfloat>(std::lround(left));
    const auto y0 = static_cast<GLfloat>(std::lround(bottom));
    const auto x1 = x0 + static_cast<GLfloat>(label.width);
    const auto y1 = y0 + static_cast<GLfloat>(label.height);
    // The image's first row is the text's top.
    glTexCoord2f(label.left, label.bottom);
    glVertex2f(x0, y0);
    glTexCoord2f(label.right, label.bottom);
    glVertex2f(x1, y0);
    glTexCoord2f(label.right, label.top);
    glVertex2f(x1, y1);
    glTexCoord2f(label.left, label.top);
    glVertex2f(x0, y1);
}
