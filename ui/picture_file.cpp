#include "picture_file.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    QImageWriter writer(&file, "png");
    if (!writer.write(picture)) {
        file.cancelWriting();
        return writer.errorString();
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}
