#include "image_source.h"

#include <QDir>
#include <QFileInfo>

#include <stdexcept>

namespace ImageGen {
namespace {

const QString TextureFolder = QStringLiteral("/usr/share/openuniverse/textures");

[[noreturn]] void FailMissing(const QString& what)
{
    throw std::runtime_error(QStringLiteral("%1: install the Debian package openuniverse-common")
                                 .arg(what)
                                 .toStdString());
}

} // namespace

QImage LoadSourceTexture(const QString& fileName)
{
    if (!QFileInfo(TextureFolder).isDir()) {
        FailMissing(QStringLiteral("folder %1 not found").arg(TextureFolder));
    }
    const QString path = QDir(TextureFolder).filePath(fileName);
    QImage image(path);
    if (image.isNull()) {
        FailMissing(QStringLiteral("cannot read %1").arg(path));
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace ImageGen
