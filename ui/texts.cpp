#include "texts.h"

#include <QCoreApplication>

const QLocale& TextLocale()
{
    static const QLocale locale(QCoreApplication::translate("Locale", "it"));
    return locale;
}
