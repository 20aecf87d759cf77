#pragma once

#include <QDateTime>
#include <QString>

// What the window says of the sky's moment: the day in Italian ("8 dicembre
// 2026"), then " (in pausa)" while time is stopped and " ◀" while it is set
// to run backwards.
QString SkyDateText(const QDateTime& moment, bool paused, bool backwards);
