#include "picture_file.h"

#include "atomic_file.h"
#include "frame_timer.h"
#include "message_box.h"
#include "settings_file.h"
#include "texts_dialogs.h"
#include "texts_window.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QImageWriter>

namespace {

const QString kFolderKey = QStringLiteral("picture/folder");

// The folder of the last picture saved, while it is there; else the Pictures folder.
QString PictureFolder()
{
    const QString kept = OpenSettings()->value(kFolderKey).toString();
    return !kept.isEmpty() && QFileInfo(kept).isDir() ? kept : SaveFolder(QStandardPaths::PicturesLocation);
}

} // namespace

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

void SavePictureAs(const QImage& picture, const QString& name,
                   const std::function<SaveFileAnswer(const SaveFileQuestion&)>& ask)
{
    QString path;
    {
        const OGLModule::ScopedTimerPause pause(OGLModule::TimerPause::ModalDialog);
        const QString proposed = QDir(PictureFolder()).filePath(name);
        path = ask({WindowText::SavePictureTitle(), proposed, {WindowText::PngFilter()}}).path;
    }
    if (path.isEmpty()) {
        return;
    }
    if (const QString failure = SavePicture(picture, path); !failure.isEmpty()) {
        ShowCriticalMessage(WindowText::PictureNotSaved(QDir::toNativeSeparators(path), failure));
        return;
    }
    OpenSettings()->setValue(kFolderKey, QFileInfo(path).absolutePath());
}
