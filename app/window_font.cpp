#include "window_font.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QFontDatabase>

void UseWindowFont()
{
    for (const char* file : {"tahoma.ttf", "ms_sans_serif.ttf"}) {
        const QString path = QStringLiteral("/usr/share/wine/fonts/") + QLatin1String(file);
        if (QFile::exists(path)) {
            QFontDatabase::addApplicationFont(path);
        }
    }
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8.25);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
}
