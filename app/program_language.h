#pragma once

#include "translations.h"

#include <QStringList>

// The language of this run: --lang among the arguments, else the system's.
// Its translations come from the folder "translations" beside the real
// executable and go to the running application object, which must exist; a
// translation that cannot be read is one line on standard error, and the
// texts stay Italian.
Translations UseProgramLanguage(const QStringList& arguments);
