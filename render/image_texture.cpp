#include "image_texture.h"

GLuint MakeImageTexture(const QImage& image, const TextureSampling& sampling)
{
    const bool grey = image.format() == QImage::Format_Grayscale8;
    const QImage pixels = grey ? image : image.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, sampling.filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, sampling.filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, sampling.wrapS);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, sampling.wrapT);
    // QImage pads each row to 4 bytes, as OpenGL's default unpacking reads it.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    const GLenum format = grey ? GL_LUMINANCE : GL_RGBA;
    glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(format), pixels.width(), pixels.height(), 0, format,
                 GL_UNSIGNED_BYTE, pixels.constBits());
    return texture;
}
