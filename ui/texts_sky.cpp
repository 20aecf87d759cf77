#include "texts.h"

#include <QCoreApplication>

#include <array>

namespace {

// Degrees with one decimal: "47,2°".
QString DegreesText(double degrees)
{
    return QCoreApplication::translate("Sky", "%1°").arg(TextLocale().toString(degrees, 'f', 1));
}

} // namespace

QString BodyName(std::uint8_t body)
{
    // One per body id; QT_TRANSLATE_NOOP marks them for translation.
    static constexpr std::array<const char*, kSceneBodyCount> kNames{
        "",
        QT_TRANSLATE_NOOP("Sky", "Sole"),
        QT_TRANSLATE_NOOP("Sky", "Mercurio"),
        QT_TRANSLATE_NOOP("Sky", "Venere"),
        QT_TRANSLATE_NOOP("Sky", "Terra"),
        QT_TRANSLATE_NOOP("Sky", "Luna"),
        QT_TRANSLATE_NOOP("Sky", "Marte"),
        QT_TRANSLATE_NOOP("Sky", "Giove"),
        QT_TRANSLATE_NOOP("Sky", "Saturno"),
        QT_TRANSLATE_NOOP("Sky", "Urano"),
        QT_TRANSLATE_NOOP("Sky", "Nettuno"),
        QT_TRANSLATE_NOOP("Sky", "Plutone"),
        QT_TRANSLATE_NOOP("Sky", "Io"),
        QT_TRANSLATE_NOOP("Sky", "Europa"),
        QT_TRANSLATE_NOOP("Sky", "Ganimede"),
        QT_TRANSLATE_NOOP("Sky", "Callisto"),
        QT_TRANSLATE_NOOP("Sky", "Mimas"),
        QT_TRANSLATE_NOOP("Sky", "Encelado"),
        QT_TRANSLATE_NOOP("Sky", "Teti"),
        QT_TRANSLATE_NOOP("Sky", "Dione"),
        QT_TRANSLATE_NOOP("Sky", "Rea"),
        QT_TRANSLATE_NOOP("Sky", "Titano"),
        QT_TRANSLATE_NOOP("Sky", "Iperione"),
        QT_TRANSLATE_NOOP("Sky", "Giapeto"),
        QT_TRANSLATE_NOOP("Sky", "Fobos"),
        QT_TRANSLATE_NOOP("Sky", "Deimos"),
        QT_TRANSLATE_NOOP("Sky", "Tritone"),
        QT_TRANSLATE_NOOP("Sky", "Caronte"),
    };
    if (body == NoBody || body >= kNames.size()) {
        return {};
    }
    return QCoreApplication::translate("Sky", kNames[body]);
}

QString MnuLune()
{
    return QCoreApplication::translate("Menu", "Lune dei pianeti");
}

QString SkyEventGroupText(SkyEventGroup group)
{
    switch (group) {
    case SkyEventGroup::Seasons:
        return QCoreApplication::translate("Sky", "Equinozi e solstizi");
    case SkyEventGroup::MoonPhases:
        return QCoreApplication::translate("Sky", "Fasi della Luna");
    case SkyEventGroup::Eclipses:
        return QCoreApplication::translate("Sky", "Eclissi");
    case SkyEventGroup::SunAlignments:
        return QCoreApplication::translate("Sky", "Opposizioni e congiunzioni col Sole");
    case SkyEventGroup::Elongations:
        return QCoreApplication::translate("Sky", "Elongazioni massime");
    case SkyEventGroup::PlanetConjunctions:
        return QCoreApplication::translate("Sky", "Congiunzioni tra pianeti");
    case SkyEventGroup::MoonConjunctions:
        return QCoreApplication::translate("Sky", "Congiunzioni con la Luna");
    }
    return {};
}

QString SkyEventText(const SkyEvent& event)
{
    using enum SkyEventType;
    const QString body = BodyName(event.body);
    const QString degrees = DegreesText(event.degrees);
    switch (event.type) {
    case MarchEquinox:
        return QCoreApplication::translate("Sky", "Equinozio di marzo");
    case JuneSolstice:
        return QCoreApplication::translate("Sky", "Solstizio di giugno");
    case SeptemberEquinox:
        return QCoreApplication::translate("Sky", "Equinozio di settembre");
    case DecemberSolstice:
        return QCoreApplication::translate("Sky", "Solstizio di dicembre");
    case NewMoon:
        return QCoreApplication::translate("Sky", "Luna nuova");
    case FirstQuarter:
        return QCoreApplication::translate("Sky", "Primo quarto");
    case FullMoon:
        return QCoreApplication::translate("Sky", "Luna piena");
    case LastQuarter:
        return QCoreApplication::translate("Sky", "Ultimo quarto");
    case TotalSolarEclipse:
        return QCoreApplication::translate("Sky", "Eclissi totale di Sole");
    case AnnularSolarEclipse:
        return QCoreApplication::translate("Sky", "Eclissi anulare di Sole");
    case HybridSolarEclipse:
        return QCoreApplication::translate("Sky", "Eclissi ibrida di Sole");
    case PartialSolarEclipse:
        return QCoreApplication::translate("Sky", "Eclissi parziale di Sole");
    case TotalLunarEclipse:
        return QCoreApplication::translate("Sky", "Eclissi totale di Luna");
    case PartialLunarEclipse:
        return QCoreApplication::translate("Sky", "Eclissi parziale di Luna");
    case PenumbralLunarEclipse:
        return QCoreApplication::translate("Sky", "Eclissi penombrale di Luna");
    case Opposition:
        return QCoreApplication::translate("Sky", "Opposizione di %1").arg(body);
    case Conjunction:
        return QCoreApplication::translate("Sky", "Congiunzione di %1 col Sole").arg(body);
    case InferiorConjunction:
        return QCoreApplication::translate("Sky", "Congiunzione inferiore di %1").arg(body);
    case SuperiorConjunction:
        return QCoreApplication::translate("Sky", "Congiunzione superiore di %1").arg(body);
    case GreatestElongationEast:
        return QCoreApplication::translate("Sky", "Elongazione massima est di %1 (%2)").arg(body, degrees);
    case GreatestElongationWest:
        return QCoreApplication::translate("Sky", "Elongazione massima ovest di %1 (%2)")
            .arg(body, degrees);
    case PlanetConjunction:
        return QCoreApplication::translate("Sky", "Congiunzione %1–%2 (%3)")
            .arg(body, BodyName(event.other), degrees);
    case MoonConjunction:
        return QCoreApplication::translate("Sky", "Congiunzione Luna–%1 (%2)").arg(body, degrees);
    }
    return {};
}

SkyEventWords SkyEventFileWords()
{
    return {QCoreApplication::translate("EventFiles", "Momento (UTC)"),
            QCoreApplication::translate("EventFiles", "Evento"), SkyEventText};
}
