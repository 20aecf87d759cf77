#include "texture_loader.h"

#include "message_box.h"
#include "ogl_module.h"
#include "sky_bodies.h"
#include "texts_app.h"

namespace {

// Makes the view's context current and fills the slot's texture with the
// image.
void UploadToTextureName(int slot, const TextureBitmap& bitmap)
{
    OGLModule::MakeViewCurrent();
    UploadTexture(OGLModule::TextureNames.at(static_cast<std::size_t>(slot)), bitmap);
}

int SlotOf(BodyId body)
{
    return SkyBodies()[body].textureSlot;
}

} // namespace

void UploadTexture(GLuint name, const TextureBitmap& bitmap)
{
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, bitmap.width, bitmap.height, 0, GL_BGR, GL_UNSIGNED_BYTE,
                 bitmap.pixels.data());
}

const std::array<TextureFile, 14>& TextureFiles()
{
    static const std::array<TextureFile, 14> files{{
        {"Flare.bmp", OGLModule::kFlareSlot},
        {"Sun.bmp", SlotOf(Sun)},
        {"Mercury.bmp", SlotOf(Mercury)},
        {"Venus2.bmp", SlotOf(Venus)},
        {"Earth.bmp", SlotOf(Earth)},
        {"Moon.bmp", SlotOf(Moon)},
        {"Cloud.bmp", OGLModule::kCloudSlot},
        {"Mhalo.bmp", OGLModule::kMoonHaloSlot},
        {"Mars.bmp", SlotOf(Mars)},
        {"Jupiter.bmp", SlotOf(Jupiter)},
        {"Saturnus.bmp", SlotOf(Saturn)},
        {"Uranus.bmp", SlotOf(Uranus)},
        {"Neptunus.bmp", SlotOf(Neptune)},
        {"Pluto.bmp", SlotOf(Pluto)},
    }};
    return files;
}

std::optional<TextureBitmap> LoadTextureBitmap(const QString& fullPath, int maxSide)
{
    std::optional<TextureBitmap> bitmap = ReadBitmapFile(fullPath, maxSide);
    if (!bitmap) {
        ShowCriticalMessage(MessageText::TextureFailed(fullPath));
    }
    return bitmap;
}

bool LoadTextureFiles(const QString& folder, int maxSide, const TextureUpload& upload)
{
    for (const TextureFile& file : TextureFiles()) {
        // Each buffer is freed at the end of its turn, before the next file is read.
        const std::optional<TextureBitmap> bitmap =
            LoadTextureBitmap(folder + QLatin1Char('/') + QLatin1String(file.name), maxSide);
        if (!bitmap) {
            return false;
        }
        upload(file.slot, *bitmap);
    }
    return true;
}

bool LoadTextureFiles(const QString& folder)
{
    // Without a current context the limit stays 0 and the first file is
    // reported as failing.
    GLint maxSide = 0;
    if (OGLModule::MakeViewCurrent()) {
        glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSide);
    }
    return LoadTextureFiles(folder, maxSide, UploadToTextureName);
}
