// Draws every picture the viewer needs at build time:
//   make_images <texture-folder> <picture-folder>
// The texture folder receives the bitmaps loaded beside the executable, the
// picture folder the PNG files embedded as resources.

#include "image_icons.h"
#include "image_poster.h"
#include "image_textures.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <exception>
#include <stdexcept>

int main(int argc, char* argv[])
{
    // Text needs a QGuiApplication, which must not need a display at build time.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);

    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: make_images <texture-folder> <picture-folder>\n");
        return 2;
    }
    const QDir textures(arguments.at(1));
    const QDir pictures(arguments.at(2));
    try {
        for (const QDir& folder : {textures, pictures}) {
            if (!folder.mkpath(QStringLiteral("."))) {
                throw std::runtime_error("cannot create " + folder.path().toStdString());
            }
        }
        ImageGen::WriteTextures(textures);
        ImageGen::WriteIcons(pictures);
        ImageGen::WritePoster(pictures);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_images: %s\n", error.what());
        return 1;
    }
    return 0;
}
