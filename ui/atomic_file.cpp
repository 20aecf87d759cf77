#include "atomic_file.h"

#include <QSaveFile>

QString WriteFileAtomically(const QString& path, const std::function<QString(QIODevice& file)>& write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    const QString failure = write(file);
    if (!failure.isEmpty()) {
        file.cancelWriting();
        return failure;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}
