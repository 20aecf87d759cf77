#pragma once

#include <GL/gl.h>
#include <GL/glu.h>

#include <QOpenGLContext>
#include <QSurfaceFormat>
#include <QWindow>

#include <array>
#include <memory>

// The OpenGL resources the whole program shares.
namespace OGLModule {

struct QuadricDeleter {
    void operator()(GLUquadric* quadric) const { gluDeleteQuadric(quadric); }
};
using QuadricPtr = std::unique_ptr<GLUquadric, QuadricDeleter>;

inline constexpr int kTextureSlotCount = 21;

inline QWindow* ViewDC = nullptr;                  // the drawing surface of the view
inline std::unique_ptr<QOpenGLContext> GLContext; // the one rendering context
inline QuadricPtr Quadric;                        // draws every sphere
inline std::array<GLuint, kTextureSlotCount> TextureNames{};

// The format the view's surface and the context ask for: RGB without alpha,
// a 16-bit depth buffer, double buffering synchronised with the screen, the
// compatibility profile.
QSurfaceFormat ViewSurfaceFormat();

// Creates the context on ViewDC, fixes the scene state that never changes,
// creates the quadric and the texture names and loads the textures. Reports
// a failure to the user and returns false.
bool InitOpenGL();

// Makes GLContext current on ViewDC; false when there is no context.
bool MakeViewCurrent();

} // namespace OGLModule
