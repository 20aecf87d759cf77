#include "texts_stars.h"

#include "constellations.h"

#include <QCoreApplication>

#include <array>

namespace StarText {

QString ConstellationName(int index)
{
    // In the order of kConstellationAbbreviations; QT_TRANSLATE_NOOP marks them for translation.
    static constexpr std::array<const char*, kConstellationCount> kNames{
        QT_TRANSLATE_NOOP("Stars", "Andromeda"), QT_TRANSLATE_NOOP("Stars", "Macchina Pneumatica"),
        QT_TRANSLATE_NOOP("Stars", "Uccello del Paradiso"), QT_TRANSLATE_NOOP("Stars", "Acquario"),
        QT_TRANSLATE_NOOP("Stars", "Aquila"), QT_TRANSLATE_NOOP("Stars", "Altare"),
        QT_TRANSLATE_NOOP("Stars", "Ariete"), QT_TRANSLATE_NOOP("Stars", "Auriga"),
        QT_TRANSLATE_NOOP("Stars", "Boote"), QT_TRANSLATE_NOOP("Stars", "Bulino"),
        QT_TRANSLATE_NOOP("Stars", "Giraffa"), QT_TRANSLATE_NOOP("Stars", "Cancro"),
        QT_TRANSLATE_NOOP("Stars", "Cani da Caccia"), QT_TRANSLATE_NOOP("Stars", "Cane Maggiore"),
        QT_TRANSLATE_NOOP("Stars", "Cane Minore"), QT_TRANSLATE_NOOP("Stars", "Capricorno"),
        QT_TRANSLATE_NOOP("Stars", "Carena"), QT_TRANSLATE_NOOP("Stars", "Cassiopea"),
        QT_TRANSLATE_NOOP("Stars", "Centauro"), QT_TRANSLATE_NOOP("Stars", "Cefeo"),
        QT_TRANSLATE_NOOP("Stars", "Balena"), QT_TRANSLATE_NOOP("Stars", "Camaleonte"),
        QT_TRANSLATE_NOOP("Stars", "Compasso"), QT_TRANSLATE_NOOP("Stars", "Colomba"),
        QT_TRANSLATE_NOOP("Stars", "Chioma di Berenice"), QT_TRANSLATE_NOOP("Stars", "Corona Australe"),
        QT_TRANSLATE_NOOP("Stars", "Corona Boreale"), QT_TRANSLATE_NOOP("Stars", "Corvo"),
        QT_TRANSLATE_NOOP("Stars", "Cratere"), QT_TRANSLATE_NOOP("Stars", "Croce del Sud"),
        QT_TRANSLATE_NOOP("Stars", "Cigno"), QT_TRANSLATE_NOOP("Stars", "Delfino"),
        QT_TRANSLATE_NOOP("Stars", "Dorado"), QT_TRANSLATE_NOOP("Stars", "Dragone"),
        QT_TRANSLATE_NOOP("Stars", "Cavallino"), QT_TRANSLATE_NOOP("Stars", "Eridano"),
        QT_TRANSLATE_NOOP("Stars", "Fornace"), QT_TRANSLATE_NOOP("Stars", "Gemelli"),
        QT_TRANSLATE_NOOP("Stars", "Gru"), QT_TRANSLATE_NOOP("Stars", "Ercole"),
        QT_TRANSLATE_NOOP("Stars", "Orologio"), QT_TRANSLATE_NOOP("Stars", "Idra"),
        QT_TRANSLATE_NOOP("Stars", "Idra Maschio"), QT_TRANSLATE_NOOP("Stars", "Indiano"),
        QT_TRANSLATE_NOOP("Stars", "Lucertola"), QT_TRANSLATE_NOOP("Stars", "Leone"),
        QT_TRANSLATE_NOOP("Stars", "Leone Minore"), QT_TRANSLATE_NOOP("Stars", "Lepre"),
        QT_TRANSLATE_NOOP("Stars", "Bilancia"), QT_TRANSLATE_NOOP("Stars", "Lupo"),
        QT_TRANSLATE_NOOP("Stars", "Lince"), QT_TRANSLATE_NOOP("Stars", "Lira"),
        QT_TRANSLATE_NOOP("Stars", "Mensa"), QT_TRANSLATE_NOOP("Stars", "Microscopio"),
        QT_TRANSLATE_NOOP("Stars", "Unicorno"), QT_TRANSLATE_NOOP("Stars", "Mosca"),
        QT_TRANSLATE_NOOP("Stars", "Regolo"), QT_TRANSLATE_NOOP("Stars", "Ottante"),
        QT_TRANSLATE_NOOP("Stars", "Ofiuco"), QT_TRANSLATE_NOOP("Stars", "Orione"),
        QT_TRANSLATE_NOOP("Stars", "Pavone"), QT_TRANSLATE_NOOP("Stars", "Pegaso"),
        QT_TRANSLATE_NOOP("Stars", "Perseo"), QT_TRANSLATE_NOOP("Stars", "Fenice"),
        QT_TRANSLATE_NOOP("Stars", "Pittore"), QT_TRANSLATE_NOOP("Stars", "Pesci"),
        QT_TRANSLATE_NOOP("Stars", "Pesce Australe"), QT_TRANSLATE_NOOP("Stars", "Poppa"),
        QT_TRANSLATE_NOOP("Stars", "Bussola"), QT_TRANSLATE_NOOP("Stars", "Reticolo"),
        QT_TRANSLATE_NOOP("Stars", "Freccia"), QT_TRANSLATE_NOOP("Stars", "Sagittario"),
        QT_TRANSLATE_NOOP("Stars", "Scorpione"), QT_TRANSLATE_NOOP("Stars", "Scultore"),
        QT_TRANSLATE_NOOP("Stars", "Scudo"), QT_TRANSLATE_NOOP("Stars", "Serpente"),
        QT_TRANSLATE_NOOP("Stars", "Sestante"), QT_TRANSLATE_NOOP("Stars", "Toro"),
        QT_TRANSLATE_NOOP("Stars", "Telescopio"), QT_TRANSLATE_NOOP("Stars", "Triangolo"),
        QT_TRANSLATE_NOOP("Stars", "Triangolo Australe"), QT_TRANSLATE_NOOP("Stars", "Tucano"),
        QT_TRANSLATE_NOOP("Stars", "Orsa Maggiore"), QT_TRANSLATE_NOOP("Stars", "Orsa Minore"),
        QT_TRANSLATE_NOOP("Stars", "Vele"), QT_TRANSLATE_NOOP("Stars", "Vergine"),
        QT_TRANSLATE_NOOP("Stars", "Pesce Volante"), QT_TRANSLATE_NOOP("Stars", "Volpetta")};
    return index >= 0 && index < kConstellationCount ? QCoreApplication::translate("Stars", kNames[index]) : QString();
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
