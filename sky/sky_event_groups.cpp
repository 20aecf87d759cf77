#include "sky_events.h"

SkyEventGroup GroupOf(SkyEventType type)
{
    using enum SkyEventType;
    switch (type) {
    case MarchEquinox:
    case JuneSolstice:
    case SeptemberEquinox:
    case DecemberSolstice:
        return SkyEventGroup::Seasons;
    case NewMoon:
    case FirstQuarter:
    case FullMoon:
    case LastQuarter:
        return SkyEventGroup::MoonPhases;
    case TotalSolarEclipse:
    case AnnularSolarEclipse:
    case HybridSolarEclipse:
    case PartialSolarEclipse:
    case TotalLunarEclipse:
    case PartialLunarEclipse:
    case PenumbralLunarEclipse:
        return SkyEventGroup::Eclipses;
    case Opposition:
    case Conjunction:
    case InferiorConjunction:
    case SuperiorConjunction:
        return SkyEventGroup::SunAlignments;
    case GreatestElongationEast:
    case GreatestElongationWest:
        return SkyEventGroup::Elongations;
    case PlanetConjunction:
        return SkyEventGroup::PlanetConjunctions;
    case MoonConjunction:
        return SkyEventGroup::MoonConjunctions;
    }
    return SkyEventGroup::Seasons;
}
