#pragma once

#include <QDateTime>
#include <QString>

#include <cstddef>

// The words of the dialogs and of the files they write.

// The editors of a moment, in "Vai alla data…" and "Eventi del cielo…".
namespace MomentEditText {

QString DisplayFormat(); // "d MMMM yyyy  HH:mm:ss"
// Why a typed text was refused: it names no date (`example` shows the form),
// or one outside the span from `first` to `last`.
QString NotADate(const QString& typed, const QString& example);
QString OutOfSpan(const QString& typed, const QString& first, const QString& last);

} // namespace MomentEditText

// "Vai alla data…".
namespace DateDialogText {

QString Title();
QString EditName();  // "Data e ora (UTC)"
QString EditLabel(); // "Data e ora (UTC):"
QString Ok();
QString Cancel();

} // namespace DateDialogText

// "Eventi del cielo…".
namespace EventsDialogText {

QString Title();
QString FromName();   // "Dal"
QString ToName();
QString FromLabel();  // "Dal (UTC):"
QString ToLabel();
QString Search();     // "Cerca"
QString ProgressName();
QString Cancel();
QString DateColumn(); // "Data e ora (UTC)"
QString EventColumn();
QString TableName();  // "Eventi"
QString Go();         // "Vai"
QString Export();     // "Esporta…"
QString Close();

// Its messages.
QString EmptyPeriod();
QString Searching();
QString Cancelled();
QString NoEvents();
QString Found(std::size_t count); // "Eventi trovati: %1."
QString SearchFailed(const QString& reason);
QString Saved(std::size_t count, const QString& path); // "Salvati %1 eventi in %2"

// The export.
QString ExportTitle(); // "Esporta gli eventi"
// "Eventi del cielo 2026-12-08.csv", after the period's first day in UTC.
QString ProposedFileName(const QDateTime& from);
QString CsvFilter();
QString ICalendarFilter();
QString NotCsvOrIcs(); // why a file name is refused
QString ExportFailed(const QString& path, const QString& reason);

} // namespace EventsDialogText

// The picture of the Sun and the planets ("Il sistema solare" of the menu bar).
namespace PictureDialogText {

QString Title();
QString Ok();
QString ImageName(); // "Il Sole e i pianeti"

} // namespace PictureDialogText

// The view's picture saved as a file.
namespace PictureFileText {

// The name proposed for a picture taken at `moment` (its local date and
// time): "Il sistema solare 2026-12-08 21.30.05.png".
QString ProposedName(const QDateTime& moment);
// The same for a picture of the real sky at `moment`, in UTC as the date
// label tells it: "Il sistema solare 2027-08-02 10.00.00 UTC.png".
QString ProposedSkyName(const QDateTime& moment);
QString NotPng(); // why a file name is refused

} // namespace PictureFileText
