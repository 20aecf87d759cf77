#include "texts.h"

#include <QtTest>

// Each text as the program shows it in Italian, byte for byte: the texts no
// other test reads, above all the window's, which its files are to take.
class TextsTest : public QObject {
    Q_OBJECT

private slots:
    void eachTextIsItsItalian_data();
    void eachTextIsItsItalian()
    {
        QFETCH(QString, text);
        QFETCH(QString, italian);
        QCOMPARE(text, italian);
    }
};

namespace {

QString Event(SkyEventType type, BodyId body = Mars, BodyId other = NoBody)
{
    return SkyEventText({0, type, body, other, 47.2});
}

} // namespace

#define ROW(call, italian) QTest::newRow(#call) << QString(call) << QStringLiteral(italian)

void TextsTest::eachTextIsItsItalian_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("italian");
    using enum SkyEventType;
    ROW(Event(MarchEquinox), "Equinozio di marzo");
    ROW(Event(JuneSolstice), "Solstizio di giugno");
    ROW(Event(SeptemberEquinox), "Equinozio di settembre");
    ROW(Event(DecemberSolstice), "Solstizio di dicembre");
    ROW(Event(NewMoon), "Luna nuova");
    ROW(Event(FirstQuarter), "Primo quarto");
    ROW(Event(LastQuarter), "Ultimo quarto");
    ROW(Event(TotalSolarEclipse), "Eclissi totale di Sole");
    ROW(Event(AnnularSolarEclipse), "Eclissi anulare di Sole");
    ROW(Event(HybridSolarEclipse), "Eclissi ibrida di Sole");
    ROW(Event(PartialSolarEclipse), "Eclissi parziale di Sole");
    ROW(Event(TotalLunarEclipse), "Eclissi totale di Luna");
    ROW(Event(PartialLunarEclipse), "Eclissi parziale di Luna");
    ROW(Event(PenumbralLunarEclipse), "Eclissi penombrale di Luna");
    ROW(Event(Conjunction, Jupiter), "Congiunzione di Giove col Sole");
    ROW(Event(InferiorConjunction, Venus), "Congiunzione inferiore di Venere");
    ROW(Event(SuperiorConjunction, Mercury), "Congiunzione superiore di Mercurio");
    ROW(Event(GreatestElongationEast, Venus), "Elongazione massima est di Venere (47,2°)");
    ROW(Event(GreatestElongationWest, Mercury), "Elongazione massima ovest di Mercurio (47,2°)");
    ROW(Event(MoonConjunction, Saturn), "Congiunzione Luna–Saturno (47,2°)");
    ROW(Event(PlanetConjunction, Uranus, Neptune), "Congiunzione Urano–Nettuno (47,2°)");
    ROW(SkyEventGroupText(SkyEventGroup::Seasons), "Equinozi e solstizi");
    ROW(SkyEventGroupText(SkyEventGroup::MoonPhases), "Fasi della Luna");
    ROW(SkyEventGroupText(SkyEventGroup::Eclipses), "Eclissi");
    ROW(SkyEventGroupText(SkyEventGroup::SunAlignments), "Opposizioni e congiunzioni col Sole");
    ROW(SkyEventGroupText(SkyEventGroup::Elongations), "Elongazioni massime");
    ROW(SkyEventGroupText(SkyEventGroup::PlanetConjunctions), "Congiunzioni tra pianeti");
    ROW(SkyEventGroupText(SkyEventGroup::MoonConjunctions), "Congiunzioni con la Luna");
    ROW(RateDateText(SkyRate::Month), "1 mese/s");

    ROW(CommandLineText::Description(), "Il sistema solare: the Sun, the planets and the Moon in motion.\n"
                                        "Qt's standard options (-platform, -display, -style...) are taken too.");
    ROW(CommandLineText::HelpOption(), "Show this help and exit.");
    ROW(CommandLineText::VersionOption(), "Show the version and exit.");
    ROW(CommandLineText::MaxFpsOption(), "Draw at most N frames per second instead of one per refresh of the "
                                         "screen; 0 draws as many as the machine can.");
    ROW(CommandLineText::DateOption(), "Start with the planets where they stand at WHEN: an ISO 8601 date "
                                       "(2026-12-08) or date and time (2026-12-08T21:30:00Z; UTC unless a zone is "
                                       "given), from 1885-01-01T00:00:00Z to 2099-12-31T23:59:59Z.");
    ROW(CommandLineText::EventsOption(), "Print the sky's events from FROM to TO (moments as --date takes them; a "
                                         "TO without a time means the end of that day, so '--events 2027-01-01 "
                                         "2027-12-31' is the whole year) and exit, without opening a window.");
    ROW(CommandLineText::FormatOption(), "The form of --events: csv (the default; RFC 4180, UTF-8) or ics (an "
                                         "iCalendar file, RFC 5545).");
    ROW(CommandLineText::FormatWithoutEvents(), "--format goes with --events");

    ROW(MomentEditText::DisplayFormat(), "d MMMM yyyy  HH:mm:ss");
    ROW(DateDialogText::EditName(), "Data e ora (UTC)");
    ROW(DateDialogText::EditLabel(), "Data e ora (UTC):");
    ROW(EventsDialogText::FromLabel(), "Dal (UTC):");
    ROW(EventsDialogText::ToLabel(), "Al (UTC):");
    ROW(EventsDialogText::ProgressName(), "Avanzamento della ricerca");
    ROW(EventsDialogText::DateColumn(), "Data e ora (UTC)");
    ROW(EventsDialogText::Export(), "Esporta…");
    ROW(EventsDialogText::EmptyPeriod(), "Il periodo è vuoto: la data «Al» deve venire dopo la data «Dal».");
    ROW(EventsDialogText::Searching(), "Ricerca in corso…");
    ROW(EventsDialogText::NoEvents(), "Nessun evento nel periodo.");
    ROW(EventsDialogText::Found(12), "Eventi trovati: 12.");
    ROW(EventsDialogText::SearchFailed("memoria esaurita"), "La ricerca non è riuscita: memoria esaurita.");
    ROW(EventsDialogText::ExportTitle(), "Esporta gli eventi");
    ROW(EventsDialogText::ProposedFileName(QDateTime(QDate(2026, 12, 8), QTime(23, 30), Qt::UTC)),
        "Eventi del cielo 2026-12-08.csv");
    ROW(EventsDialogText::CsvFilter(), "CSV (*.csv)");
    ROW(EventsDialogText::ICalendarFilter(), "iCalendar (*.ics)");
    ROW(EventsDialogText::NotCsvOrIcs(), "il nome deve finire in .csv o in .ics");
    ROW(PictureFileText::NotPng(), "il nome deve finire in .png");

    ROW(WindowText::Title(), "Il sistema solare");
    ROW(WindowText::CmdUP().name, "Giù");
    ROW(WindowText::CmdUP().description, "Sposta il quadro in basso");
    ROW(WindowText::CmdDown().name, "Su");
    ROW(WindowText::CmdDown().description, "Sposta il quadro in alto");
    ROW(WindowText::CmdLeft().name, "Sinistra");
    ROW(WindowText::CmdLeft().description, "Sposta il quadro a sinistra");
    ROW(WindowText::CmdRight().name, "Destra");
    ROW(WindowText::CmdRight().description, "Sposta il quadro a destra");
    ROW(WindowText::CmdRotasiUp().name, "Inclina su");
    ROW(WindowText::CmdRotasiUp().description, "Inclina il quadro verso l'alto");
    ROW(WindowText::CmdRotasiDown().name, "Inclina giù");
    ROW(WindowText::CmdRotasiDown().description, "Inclina il quadro verso il basso");
    ROW(WindowText::ChkPath(), "Visualizza le orbite");
    ROW(WindowText::ChkCam(), "Spinning");
    ROW(WindowText::Label1(), "Zoom");
    ROW(WindowText::Label2(), "Quadro");
    ROW(WindowText::Label3(), "Prospettiva");
    ROW(WindowText::Label4(), "Velocità");
    ROW(WindowText::LblRotaSi(), "Label2");
    ROW(WindowText::HScrollDescription(), "Angolo della prospettiva: più stretto ingrandisce");
    ROW(WindowText::HSpeedDescription(), "Velocità dell'animazione");
    ROW(WindowText::ViewName(), "Vista del sistema solare");
    ROW(WindowText::ViewDescription(), "Puntare un corpo lo seleziona; trascinare con il tasto sinistro ruota e "
                                       "inclina la vista; un doppio clic su un corpo lo segue, sul cielo vuoto "
                                       "torna alla vista iniziale; la rotella del mouse cambia lo zoom");
    ROW(WindowText::LblDataName(), "Data del cielo");
    ROW(WindowText::MnuPeta(), "Il sistema solare");
    ROW(WindowText::MnuOggi(), "Posizioni di oggi");
    ROW(WindowText::MnuTempo(), "Tempo");
    ROW(WindowText::MnuPausa(false), "Pausa");
    ROW(WindowText::MnuPausa(true), "Riprendi");
    ROW(WindowText::MnuIndietro(), "Indietro nel tempo");
    ROW(WindowText::MnuData(), "Vai alla data…");
    ROW(WindowText::MnuEventi(), "Eventi del cielo…");
    ROW(WindowText::MnuAdesso(), "Adesso");
    ROW(WindowText::MnuVelocita(), "Velocità del tempo");
    ROW(WindowText::MnuVeloce(), "Più veloce");
    ROW(WindowText::MnuLento(), "Più lento");
    ROW(WindowText::MnuStep(CalendarUnit::Day, 1), "Giorno dopo");
    ROW(WindowText::MnuStep(CalendarUnit::Day, -1), "Giorno prima");
    ROW(WindowText::MnuStep(CalendarUnit::Month, 1), "Mese dopo");
    ROW(WindowText::MnuStep(CalendarUnit::Month, -1), "Mese prima");
    ROW(WindowText::MnuStep(CalendarUnit::Year, 1), "Anno dopo");
    ROW(WindowText::MnuStep(CalendarUnit::Year, -1), "Anno prima");
    ROW(WindowText::MnuVista(), "Vista");
    ROW(WindowText::MnuSchermo(), "Schermo intero");
    ROW(WindowText::MnuSalva(), "Salva immagine…");
    ROW(WindowText::MnuCopia(), "Copia immagine");
    ROW(WindowText::MnuNomi(), "Nomi dei corpi");
    ROW(WindowText::MnuOrbite(), "Orbite vere");
    ROW(WindowText::MnuVistaIniziale(), "Vista iniziale");
    ROW(WindowText::ClockOutsideSpan(QDateTime(QDate(2150, 1, 2), QTime(3, 4, 5), Qt::UTC)),
        "L'orologio di sistema segna 2150-01-02T03:04:05Z: le posizioni dei pianeti si calcolano solo da "
        "1885-01-01T00:00:00Z a 2099-12-31T23:59:59Z.");
    ROW(WindowText::TimeStoppedAtEdge(QDateTime(QDate(1885, 1, 1), QTime(0, 0), Qt::UTC)),
        "Il tempo si è fermato al 1885-01-01T00:00:00Z: le posizioni dei pianeti si calcolano solo da "
        "1885-01-01T00:00:00Z a 2099-12-31T23:59:59Z.");
    ROW(WindowText::FrameUnreadable(), "Non è stato possibile leggere l'immagine della vista.");
    ROW(WindowText::SavePictureTitle(), "Salva immagine");
    ROW(WindowText::PngFilter(), "Immagini PNG (*.png)");
    ROW(WindowText::PictureNotSaved("/tmp/a.png", "disco pieno"),
        "Non è stato possibile salvare l'immagine \"/tmp/a.png\": disco pieno.");
    ROW(MessageText::NoEclipseShadows("0:1(10): error"), "Il sistema solare: senza ombre delle eclissi: 0:1(10): error\n");
}

QTEST_GUILESS_MAIN(TextsTest)
#include "test_texts.moc"
