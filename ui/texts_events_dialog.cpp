#include "texts.h"

#include <QCoreApplication>

namespace EventsDialogText {

QString Title()
{
    return QCoreApplication::translate("EventsDialog", "Eventi del cielo");
}

QString FromName()
{
    return QCoreApplication::translate("EventsDialog", "Dal");
}

QString ToName()
{
    return QCoreApplication::translate("EventsDialog", "Al");
}

QString FromLabel()
{
    return QCoreApplication::translate("EventsDialog", "Dal (UTC):");
}

QString ToLabel()
{
    return QCoreApplication::translate("EventsDialog", "Al (UTC):");
}

QString Search()
{
    return QCoreApplication::translate("EventsDialog", "Cerca");
}

QString ProgressName()
{
    return QCoreApplication::translate("EventsDialog", "Avanzamento della ricerca");
}

QString Cancel()
{
    return QCoreApplication::translate("EventsDialog", "Annulla");
}

QString DateColumn()
{
    return QCoreApplication::translate("EventsDialog", "Data e ora (UTC)");
}

QString EventColumn()
{
    return QCoreApplication::translate("EventsDialog", "Evento");
}

QString TableName()
{
    return QCoreApplication::translate("EventsDialog", "Eventi");
}

QString Go()
{
    return QCoreApplication::translate("EventsDialog", "Vai");
}

QString Export()
{
    return QCoreApplication::translate("EventsDialog", "Esporta…");
}

QString Close()
{
    return QCoreApplication::translate("EventsDialog", "Chiudi");
}

QString EmptyPeriod()
{
    return QCoreApplication::translate("EventsDialog",
                                       "Il periodo è vuoto: la data «Al» deve venire dopo la data «Dal».");
}

QString Searching()
{
    return QCoreApplication::translate("EventsDialog", "Ricerca in corso…");
}

QString Cancelled()
{
    return QCoreApplication::translate("EventsDialog", "Ricerca annullata.");
}

QString NoEvents()
{
    return QCoreApplication::translate("EventsDialog", "Nessun evento nel periodo.");
}

QString Found(std::size_t count)
{
    return QCoreApplication::translate("EventsDialog", "Eventi trovati: %1.").arg(count);
}

QString SearchFailed(const QString& reason)
{
    return QCoreApplication::translate("EventsDialog", "La ricerca non è riuscita: %1.").arg(reason);
}

QString Saved(std::size_t count, const QString& path)
{
    if (count == 1) {
        return QCoreApplication::translate("EventsDialog", "Salvato 1 evento in %1").arg(path);
    }
    return QCoreApplication::translate("EventsDialog", "Salvati %1 eventi in %2").arg(QString::number(count), path);
}

QString ExportTitle()
{
    return QCoreApplication::translate("EventsDialog", "Esporta gli eventi");
}

QString ProposedFileName(const QDateTime& from)
{
    return QCoreApplication::translate("EventsDialog", "Eventi del cielo %1.csv")
        .arg(from.toUTC().toString(QStringLiteral("yyyy-MM-dd")));
}

QString CsvFilter()
{
    return QCoreApplication::translate("EventsDialog", "CSV (*.csv)");
}

QString ICalendarFilter()
{
    return QCoreApplication::translate("EventsDialog", "iCalendar (*.ics)");
}

QString NotCsvOrIcs()
{
    return QCoreApplication::translate("EventsDialog", "il nome deve finire in .csv o in .ics");
}

QString ExportFailed(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("EventsDialog", "Non è stato possibile esportare gli eventi in \"%1\": %2.")
        .arg(path, reason);
}

} // namespace EventsDialogText
