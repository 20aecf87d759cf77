#include "picture_file.h"

#include "atomic_file.h"
#include "frame_timer.h"
#include "message_box.h"
#include "texts_dialogs.h"
#include "texts_window.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
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

void SavePictureAs(const QImage& picture, const QDateTime& moment,
                   const std::function<SaveFileAnswer(const SaveFileQuestion&)>& ask)
{
    QString path;
    {
        const OGLModule::ScopedTimerPause pause(OGLModule::TimerPause::ModalDialog);
        const QString proposed =
            QDir(SaveFolder(QStandardPaths::PicturesLocation)).filePath(ProposedPictureName(moment));
        path = ask({WindowText::SavePictureTitle(), proposed, {WindowText::PngFilter()}}).path;
    }
    if (path.isEmpty()) {
        return;
    }
    const QString failure = SavePicture(picture, path);
    if (!failure.isEmpty()) {
        ShowCriticalMessage(WindowText::PictureNotSaved(QDir::toNativeSeparators(path), failure));
    }
}
