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

// The answer: the path (empty when cancelled) and the type chosen, as one of
// the question's filters. A path alone chooses no type; its ending tells.
struct SaveFileAnswer {
    SaveFileAnswer() = default;
    SaveFileAnswer(QString chosenPath, QString chosenFilter = {}) // implicit: a path alone answers too
        : path(std::move(chosenPath)), filter(std::move(chosenFilter))
    {
    }
    QString path;
    QString filter;
};

// Asks with the desktop's file dialog; a name typed without an ending gets
// the chosen type's.
SaveFileAnswer AskSaveFileName(QWidget* owner, const SaveFileQuestion& question);

// The answer's path with its ending made to agree with the type chosen: the
// ending of another of the types `offered` is replaced by the chosen type's,
// and a name with no ending or any other gets it added ("x.csv" with
// iCalendar chosen is "x.ics", "x.txt" is "x.txt.ics"). With no type chosen,
// the path as it is.
QString PathOfChosenType(const SaveFileAnswer& answer, const QStringList& offered);

// The desktop's folder of `location`, or the home folder where there is none,
// so that a proposed file lies where it can be written.
QString SaveFolder(QStandardPaths::StandardLocation location);
