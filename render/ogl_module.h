#pragma once

#include <GL/gl.h>
#include <GL/glu.h>

#include <QOpenGLContext>
#include <QSurfaceFormat>
#include <QWindow>

#include <array>
#include <memory>

class EclipseShading;

// The OpenGL resources the whole program shares.
namespace OGLModule {

inline constexpr int kTextureSlotCount = 21;
// The slots of the textures that are no body's (a body's is in its row of
// SkyBodies).
inline constexpr int kFlareSlot = 0;
inline constexpr int kCloudSlot = 12;
inline constexpr int kMoonHaloSlot = 14;

// Plain handles shared by the whole program. None of them owns what it
// points to: the context and the quadric belong to a GLResources, which
// clears the handles when it lets them go, so nothing with static storage
// holds a Qt or GL object when the process ends.
inline QWindow* ViewDC = nullptr;           // the drawing surface of the view
inline QOpenGLContext* GLContext = nullptr; // the one rendering context
inline GLUquadric* Quadric = nullptr;       // draws every sphere
inline EclipseShading* Shading = nullptr;   // the Earth and the Moon of the true sky
inline std::array<GLuint, kTextureSlotCount> TextureNames{};

// Owns the rendering context, the quadric and the shading for as long as the window that
// draws with them (the textures and display lists live in the context).
class GLResources {
public:
    GLResources();
    ~GLResources();
    GLResources(const GLResources&) = delete;
    GLResources& operator=(const GLResources&) = delete;

    // Takes the context and the quadric and points the handles at them and
    // at a new shading.
    void Adopt(std::unique_ptr<QOpenGLContext> newContext, GLUquadric* newQuadric);

    // Leaves the context current nowhere and deletes it; GLContext is cleared.
    void ReleaseContext();

private:
    struct QuadricDeleter {
        void operator()(GLUquadric* quadric) const { gluDeleteQuadric(quadric); }
    };
    std::unique_ptr<QOpenGLContext> context;
    std::unique_ptr<GLUquadric, QuadricDeleter> quadric;
    std::unique_ptr<EclipseShading> shading;
};

// Sets the positions of both lights through the current model-view matrix;
// with the identity they stand where the fixed state puts them.
void PlaceLights();

// The format the view's surface and the context ask for: RGB without alpha,
// a 16-bit depth buffer, double buffering synchronised with the screen, the
// compatibility profile.
QSurfaceFormat ViewSurfaceFormat();

// Creates the context on ViewDC into `resources`, fixes the scene state that
// never changes, creates the quadric and the texture names and loads the
// textures. Reports a failure to the user and returns false.
bool InitOpenGL(GLResources& resources);

// Makes GLContext current on ViewDC; false when there is no context.
bool MakeViewCurrent();

} // namespace OGLModule
