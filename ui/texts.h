#pragma once

#include "texts_app.h"
#include "texts_dialogs.h"
#include "texts_help.h"
#include "texts_sky.h"
#include "texts_window.h"

#include <QLocale>

// Every word a user reads. Each text goes through Qt's translation with the
// Italian as its source, one context per area, so that a translation of the
// program takes them whole; a text with values in it has them as %1, %2...
// placeholders, so that a translation may put them in its own order.

// The conventions of the texts' language: Italian, unless a translation
// names another (the source "it" of the context "Locale").
const QLocale& TextLocale();
