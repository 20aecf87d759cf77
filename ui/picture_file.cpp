#include "picture_file.h"

#include "atomic_file.h"

#include <QFileInfo>
#include <QImageWriter>

QString ProposedPictureName(const QDateTime& moment)
{
    return QStringLiteral("Il sistema solare %1.png")
        .arg(moment.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH.mm.ss")));
}

QString SavePicture(const QImage& picture, const QString& path)
{
    if (QFileInfo(path).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) != 0) {
        return QStringLiteral("il nome deve finire in .png");
    }
    return WriteFileAtomically(path, [&picture](QIODevice& file) {
        QImageWriter writer(&file, "png");
        return writer.write(picture) ? QString() : writer.errorString();
    });
}
