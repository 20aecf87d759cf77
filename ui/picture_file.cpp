#include "picture_file.h"

#include "atomic_file.h"
#include "texts_dialogs.h"

#include <QFileInfo>
#include <QImageWriter>

QString ProposedPictureName(const QDateTime& moment)
{
    return PictureFileText::ProposedName(moment);
}

QString SavePicture(const QImage& picture, const QString& path)
{
    if (QFileInfo(path).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) != 0) {
        return PictureFileText::NotPng();
    }
    return WriteFileAtomically(path, [&picture](QIODevice& file) {
        QImageWriter writer(&file, "png");
        return writer.write(picture) ? QString() : writer.errorString();
    });
}
