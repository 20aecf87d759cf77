#pragma once

#include <QStandardPaths>
#include <QString>
#include <QStringList>

class QWidget;

// What a window asks when it saves a file: its caption, the path it proposes
// and the file types offered ("CSV (*.csv)"), the first one chosen.
struct SaveFileQuestion {
    QString title;
    QString proposed;
    QStringList filters;
};

// Asks with the desktop's file dialog; a name typed without an ending gets
// the chosen type's. Empty when cancelled.
QString AskSaveFileName(QWidget* owner, const SaveFileQuestion& question);

// The desktop's folder of `location`, or the home folder where there is none,
// so that a proposed file lies where it can be written.
QString SaveFolder(QStandardPaths::StandardLocation location);
