#pragma once

#include "ogl_module.h"
#include "scene_state.h"

#include <QOpenGLFramebufferObject>
#include <QWindow>

#include <array>
#include <memory>
#include <vector>

// A real context set up the way the program sets it up (lights, textures,
// geometry), drawing into an offscreen framebuffer of the view's designed
// size with the view's projection.
class GlSceneFixture {
public:
    static constexpr int kWidth = 785;
    static constexpr int kHeight = 473;

    // False when the set-up failed (the reason is in the test log).
    bool SetUp();
    void TearDown();

    // Loads the view's projection, or a one-pixel pick region at (x, y)
    // (window coordinates, y up) over the same perspective.
    void UseViewProjection(double perspectiveAngle = 35);
    void UsePickProjection(double x, double y, double perspectiveAngle = 35);

    // Window position (y up) of a point given in the model-view frame that
    // is current.
    QPointF Project(double x, double y, double z) const;

    // Colour of the framebuffer at (x, y), y up.
    QColor PixelAt(int x, int y) const;
    // Summed brightness (r + g + b) of the square of `radius` around (x, y).
    long Brightness(QPointF centre, int radius) const;
    // Depth buffer value at `point`, y up: 1 where nothing was drawn.
    float DepthAt(QPointF point) const;

    // Runs `draw` in selection mode and returns the selection buffer's hit
    // records as they were written, with the hit count (negative: overflow).
    struct Selection {
        int hits = 0;
        std::vector<GLuint> buffer;
    };
    template <typename Draw>
    Selection Select(Draw draw)
    {
        Selection result;
        result.buffer.assign(512, 0);
        glSelectBuffer(static_cast<GLsizei>(result.buffer.size()), result.buffer.data());
        glRenderMode(GL_SELECT);
        glInitNames();
        draw();
        result.hits = glRenderMode(GL_RENDER);
        return result;
    }

private:
    std::unique_ptr<QWindow> surface;
    OGLModule::GLResources resources;
    std::unique_ptr<QOpenGLFramebufferObject> framebuffer;
};

// The body ids named by the hit records of a selection.
std::vector<GLuint> NamedHits(const GlSceneFixture::Selection& selection);
// Whether a record with no name was among the hits.
bool HasUnnamedHit(const GlSceneFixture::Selection& selection);
