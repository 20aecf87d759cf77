#include "image_output.h"

#include "bmp_writer.h"

#include <QBuffer>
#include <QFileInfo>
#include <QSaveFile>

#include <stdexcept>

namespace ImageGen {
namespace {

[[noreturn]] void Fail(const QString& message)
{
    throw std::runtime_error(message.toStdString());
}

void WriteFile(const QString& path, const QByteArray& data)
{
    if (data.isEmpty()) {
        Fail(QStringLiteral("no data was encoded for %1").arg(path));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        Fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    }
    if (QFileInfo(path).size() != data.size()) {
        Fail(QStringLiteral("%1 is incomplete on disk").arg(path));
    }
}

} // namespace

void WriteBmp(const QString& path, const QImage& image)
{
    WriteFile(path, EncodeBmp(image));
}

void WritePng(const QString& path, const QImage& image)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        Fail(QStringLiteral("cannot encode %1 as PNG").arg(path));
    }
    WriteFile(path, data);
}

} // namespace ImageGen
