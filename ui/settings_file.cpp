#include "settings_file.h"

std::unique_ptr<QSettings> OpenSettings()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("solar-system"),
                                       QStringLiteral("solar-system"));
}
