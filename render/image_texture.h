#pragma once

#include <GL/gl.h>

#include <QImage>

// How a texture made from an image is sampled.
struct TextureSampling {
    GLint filter = GL_LINEAR; // magnified and minified alike, no mipmaps
    GLint wrapS = GL_CLAMP;
    GLint wrapT = GL_CLAMP;
};

// A new texture of the current context holding `image`, whose sides are
// powers of two: an 8-bit grey image as luminance, any other as RGBA from
// its RGBA8888 (premultiplied) form. The caller deletes it.
GLuint MakeImageTexture(const QImage& image, const TextureSampling& sampling);
