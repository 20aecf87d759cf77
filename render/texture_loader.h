#pragma once

#include "bitmap_reader.h"

#include <QString>

#include <GL/gl.h>

#include <array>
#include <functional>
#include <optional>

// One texture file beside the executable and the slot of
// OGLModule::TextureNames it is uploaded into.
struct TextureFile {
    const char* name;
    int slot;
};

// The scene's textures in the order they are loaded.
const std::array<TextureFile, 14>& TextureFiles();

// Reads one texture file into a 24-bit pixel buffer. On failure tells the
// user "Loading Texture File: '<fullPath>' Failed!".
std::optional<TextureBitmap> LoadTextureBitmap(const QString& fullPath, int maxSide);

// Fills the texture `name` of the current context with the image: linear
// filtering, no mipmaps, rows as TextureBitmap lays them out.
void UploadTexture(GLuint name, const TextureBitmap& bitmap);

// Puts a loaded image into texture slot `slot`.
using TextureUpload = std::function<void(int slot, const TextureBitmap& bitmap)>;

// Loads every file of TextureFiles() from `folder` in order, handing each to
// `upload` before the next is read. Stops at the first file that fails to
// load and returns false; the textures uploaded before it stay.
bool LoadTextureFiles(const QString& folder, int maxSide, const TextureUpload& upload);

// Loads the textures from `folder` into OGLModule::TextureNames, with the
// view's context current and its largest texture size as the limit.
bool LoadTextureFiles(const QString& folder);
