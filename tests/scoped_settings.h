#pragma once

#include <QSettings>
#include <QTemporaryDir>

// Points the program's settings at a fresh, empty folder while it lives, so
// that no test reads what another left, nor the user's own settings.
class ScopedSettings {
public:
    ScopedSettings() { QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path()); }

    // The file the program reads and writes.
    QString FilePath() const { return folder.filePath(QStringLiteral("solar-system/solar-system.ini")); }

private:
    QTemporaryDir folder;
};
