#include "texts_stars.h"

#include "constellations.h"

#include <QCoreApplication>

#include <array>

namespace StarText {

QString ConstellationName(int index)
{
    // In the order of kConstellationAbbreviations; QT_TRANSLATE_NOOP marks them for translation,
    // in a context of their own: Norma's Italian name is Regulus's.
    static constexpr std::array<const char*, kConstellationCount> kNames{
        QT_TRANSLATE_NOOP("Constellations", "Andromeda"), QT_TRANSLATE_NOOP("Constellations", "Macchina Pneumatica"),
        QT_TRANSLATE_NOOP("Constellations", "Uccello del Paradiso"), QT_TRANSLATE_NOOP("Constellations", "Acquario"),
        QT_TRANSLATE_NOOP("Constellations", "Aquila"), QT_TRANSLATE_NOOP("Constellations", "Altare"),
        QT_TRANSLATE_NOOP("Constellations", "Ariete"), QT_TRANSLATE_NOOP("Constellations", "Auriga"),
        QT_TRANSLATE_NOOP("Constellations", "Boote"), QT_TRANSLATE_NOOP("Constellations", "Bulino"),
        QT_TRANSLATE_NOOP("Constellations", "Giraffa"), QT_TRANSLATE_NOOP("Constellations", "Cancro"),
        QT_TRANSLATE_NOOP("Constellations", "Cani da Caccia"), QT_TRANSLATE_NOOP("Constellations", "Cane Maggiore"),
        QT_TRANSLATE_NOOP("Constellations", "Cane Minore"), QT_TRANSLATE_NOOP("Constellations", "Capricorno"),
        QT_TRANSLATE_NOOP("Constellations", "Carena"), QT_TRANSLATE_NOOP("Constellations", "Cassiopea"),
        QT_TRANSLATE_NOOP("Constellations", "Centauro"), QT_TRANSLATE_NOOP("Constellations", "Cefeo"),
        QT_TRANSLATE_NOOP("Constellations", "Balena"), QT_TRANSLATE_NOOP("Constellations", "Camaleonte"),
        QT_TRANSLATE_NOOP("Constellations", "Compasso"), QT_TRANSLATE_NOOP("Constellations", "Colomba"),
        QT_TRANSLATE_NOOP("Constellations", "Chioma di Berenice"),
        QT_TRANSLATE_NOOP("Constellations", "Corona Australe"),
        QT_TRANSLATE_NOOP("Constellations", "Corona Boreale"), QT_TRANSLATE_NOOP("Constellations", "Corvo"),
        QT_TRANSLATE_NOOP("Constellations", "Cratere"), QT_TRANSLATE_NOOP("Constellations", "Croce del Sud"),
        QT_TRANSLATE_NOOP("Constellations", "Cigno"), QT_TRANSLATE_NOOP("Constellations", "Delfino"),
        QT_TRANSLATE_NOOP("Constellations", "Dorado"), QT_TRANSLATE_NOOP("Constellations", "Dragone"),
        QT_TRANSLATE_NOOP("Constellations", "Cavallino"), QT_TRANSLATE_NOOP("Constellations", "Eridano"),
        QT_TRANSLATE_NOOP("Constellations", "Fornace"), QT_TRANSLATE_NOOP("Constellations", "Gemelli"),
        QT_TRANSLATE_NOOP("Constellations", "Gru"), QT_TRANSLATE_NOOP("Constellations", "Ercole"),
        QT_TRANSLATE_NOOP("Constellations", "Orologio"), QT_TRANSLATE_NOOP("Constellations", "Idra"),
        QT_TRANSLATE_NOOP("Constellations", "Idra Maschio"), QT_TRANSLATE_NOOP("Constellations", "Indiano"),
        QT_TRANSLATE_NOOP("Constellations", "Lucertola"), QT_TRANSLATE_NOOP("Constellations", "Leone"),
        QT_TRANSLATE_NOOP("Constellations", "Leone Minore"), QT_TRANSLATE_NOOP("Constellations", "Lepre"),
        QT_TRANSLATE_NOOP("Constellations", "Bilancia"), QT_TRANSLATE_NOOP("Constellations", "Lupo"),
        QT_TRANSLATE_NOOP("Constellations", "Lince"), QT_TRANSLATE_NOOP("Constellations", "Lira"),
        QT_TRANSLATE_NOOP("Constellations", "Mensa"), QT_TRANSLATE_NOOP("Constellations", "Microscopio"),
        QT_TRANSLATE_NOOP("Constellations", "Unicorno"), QT_TRANSLATE_NOOP("Constellations", "Mosca"),
        QT_TRANSLATE_NOOP("Constellations", "Regolo"), QT_TRANSLATE_NOOP("Constellations", "Ottante"),
        QT_TRANSLATE_NOOP("Constellations", "Ofiuco"), QT_TRANSLATE_NOOP("Constellations", "Orione"),
        QT_TRANSLATE_NOOP("Constellations", "Pavone"), QT_TRANSLATE_NOOP("Constellations", "Pegaso"),
        QT_TRANSLATE_NOOP("Constellations", "Perseo"), QT_TRANSLATE_NOOP("Constellations", "Fenice"),
        QT_TRANSLATE_NOOP("Constellations", "Pittore"), QT_TRANSLATE_NOOP("Constellations", "Pesci"),
        QT_TRANSLATE_NOOP("Constellations", "Pesce Australe"), QT_TRANSLATE_NOOP("Constellations", "Poppa"),
        QT_TRANSLATE_NOOP("Constellations", "Bussola"), QT_TRANSLATE_NOOP("Constellations", "Reticolo"),
        QT_TRANSLATE_NOOP("Constellations", "Freccia"), QT_TRANSLATE_NOOP("Constellations", "Sagittario"),
        QT_TRANSLATE_NOOP("Constellations", "Scorpione"), QT_TRANSLATE_NOOP("Constellations", "Scultore"),
        QT_TRANSLATE_NOOP("Constellations", "Scudo"), QT_TRANSLATE_NOOP("Constellations", "Serpente"),
        QT_TRANSLATE_NOOP("Constellations", "Sestante"), QT_TRANSLATE_NOOP("Constellations", "Toro"),
        QT_TRANSLATE_NOOP("Constellations", "Telescopio"), QT_TRANSLATE_NOOP("Constellations", "Triangolo"),
        QT_TRANSLATE_NOOP("Constellations", "Triangolo Australe"), QT_TRANSLATE_NOOP("Constellations", "Tucano"),
        QT_TRANSLATE_NOOP("Constellations", "Orsa Maggiore"), QT_TRANSLATE_NOOP("Constellations", "Orsa Minore"),
        QT_TRANSLATE_NOOP("Constellations", "Vele"), QT_TRANSLATE_NOOP("Constellations", "Vergine"),
        QT_TRANSLATE_NOOP("Constellations", "Pesce Volante"), QT_TRANSLATE_NOOP("Constellations", "Volpetta")};
    return index >= 0 && index < kConstellationCount ? QCoreApplication::translate("Constellations", kNames[index])
                                                     : QString();
}

QString StarName(int index)
{
    // In the order of kNamedStarNumbers.
    static constexpr std::array<const char*, kNamedStarCount> kNames{
        QT_TRANSLATE_NOOP("Stars", "Sirio"),      QT_TRANSLATE_NOOP("Stars", "Canopo"),
        QT_TRANSLATE_NOOP("Stars", "Arturo"),     QT_TRANSLATE_NOOP("Stars", "Vega"),
        QT_TRANSLATE_NOOP("Stars", "Capella"),    QT_TRANSLATE_NOOP("Stars", "Rigel"),
        QT_TRANSLATE_NOOP("Stars", "Procione"),   QT_TRANSLATE_NOOP("Stars", "Achernar"),
        QT_TRANSLATE_NOOP("Stars", "Betelgeuse"), QT_TRANSLATE_NOOP("Stars", "Hadar"),
        QT_TRANSLATE_NOOP("Stars", "Altair"),     QT_TRANSLATE_NOOP("Stars", "Acrux"),
        QT_TRANSLATE_NOOP("Stars", "Aldebaran"),  QT_TRANSLATE_NOOP("Stars", "Antares"),
        QT_TRANSLATE_NOOP("Stars", "Spica"),      QT_TRANSLATE_NOOP("Stars", "Polluce"),
        QT_TRANSLATE_NOOP("Stars", "Fomalhaut"),  QT_TRANSLATE_NOOP("Stars", "Deneb"),
        QT_TRANSLATE_NOOP("Stars", "Mimosa"),     QT_TRANSLATE_NOOP("Stars", "Regolo")};
    return index >= 0 && index < kNamedStarCount ? QCoreApplication::translate("Stars", kNames[index]) : QString();
}

QString MnuStelle()
{
    return QCoreApplication::translate("Menu", "Stelle");
}

QString MnuCostellazioni()
{
    return QCoreApplication::translate("Menu", "Costellazioni");
}

QString MnuViaLattea()
{
    return QCoreApplication::translate("Menu", "Via Lattea");
}

namespace {

QString Why(const std::optional<SkyDataRefusal>& refusal)
{
    if (!refusal) {
        return QCoreApplication::translate("Messages", "non è un'immagine leggibile");
    }
    switch (refusal->fault) {
    case SkyDataFault::Missing:
        return QCoreApplication::translate("Messages", "il file non c'è");
    case SkyDataFault::Unreadable:
        return QCoreApplication::translate("Messages", "il file non si può leggere");
    case SkyDataFault::TooLarge:
        return QCoreApplication::translate("Messages", "il file è troppo grande");
    case SkyDataFault::TooManyLines:
        return QCoreApplication::translate("Messages", "troppe righe dalla riga %1").arg(refusal->line);
    case SkyDataFault::BadLine:
        return QCoreApplication::translate("Messages", "la riga %1 non è valida").arg(refusal->line);
    case SkyDataFault::Empty:
        return QCoreApplication::translate("Messages", "il file non contiene dati");
    }
    return {};
}

} // namespace

QString SkyDataRefused(SkyData data, const QString& path, const std::optional<SkyDataRefusal>& refusal)
{
    switch (data) {
    case SkyData::Catalogue:
        return QCoreApplication::translate("Messages", "Il sistema solare: catalogo delle stelle \"%1\" non letto (%2); "
                                                       "le stelle non sono disponibili.\n")
            .arg(path, Why(refusal));
    case SkyData::Figures:
        return QCoreApplication::translate("Messages", "Il sistema solare: figure delle costellazioni \"%1\" non lette "
                                                       "(%2); le costellazioni non sono disponibili.\n")
            .arg(path, Why(refusal));
    case SkyData::MilkyWay:
        return QCoreApplication::translate("Messages", "Il sistema solare: immagine della Via Lattea \"%1\" non letta "
                                                       "(%2); la Via Lattea non è disponibile.\n")
            .arg(path, Why(refusal));
    }
    return {};
}

} // namespace StarText
