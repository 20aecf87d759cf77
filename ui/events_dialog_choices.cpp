#include "events_dialog_choices.h"

#include "sky_moment.h"

#include <QSettings>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>

namespace {

// The keys of the settings file.
constexpr char kKindsKey[] = "events/kinds";           // the names below of the kinds ticked
constexpr char kPeriodKey[] = "events/periodDays";     // the period's length in days
constexpr char kExportFolderKey[] = "events/exportFolder";

// The kinds' names in the file, in the order of SkyEventGroup.
constexpr std::array<const char*, kSkyEventGroupCount> kKindNames{
    "seasons", "moonPhases", "eclipses", "sunAlignments", "elongations", "planetConjunctions", "moonConjunctions"};

constexpr double kSecondsPerDay = 86400;

std::optional<SkyEventGroups> ReadKinds(const QSettings& settings)
{
    // A list, or one name alone; no kind at all (an empty list) is the default too.
    const QVariant value = settings.value(kKindsKey);
    const int type = value.typeId();
    if (type != QMetaType::QString && type != QMetaType::QStringList) {
        return std::nullopt;
    }
    SkyEventGroups kinds{};
    for (const QString& name : value.toStringList()) {
        const auto* found = std::find(kKindNames.begin(), kKindNames.end(), name);
        if (found == kKindNames.end()) {
            return std::nullopt;
        }
        kinds[static_cast<std::size_t>(std::distance(kKindNames.begin(), found))] = true;
    }
    return kinds;
}

std::optional<qint64> ReadPeriod(const QSettings& settings)
{
    bool number = false;
    const double days = settings.value(kPeriodKey).toString().toDouble(&number);
    const double seconds = std::round(days * kSecondsPerDay);
    const double longest = static_cast<double>(EarliestSkyMoment().secsTo(LatestSkyMoment()));
    if (!number || !(seconds >= 1 && seconds <= longest)) { // NaN fails too
        return std::nullopt;
    }
    return static_cast<qint64>(seconds);
}

} // namespace

EventsDialogChoices ReadEventsDialogChoices(const QSettings& settings)
{
    EventsDialogChoices choices;
    choices.kinds = ReadKinds(settings).value_or(kAllSkyEventGroups);
    choices.periodSeconds = ReadPeriod(settings);
    const QVariant folder = settings.value(kExportFolderKey);
    if (folder.typeId() == QMetaType::QString) {
        choices.exportFolder = folder.toString();
    }
    return choices;
}

void WriteEventsDialogChoices(QSettings& settings, const EventsDialogChoices& choices)
{
    QStringList kinds;
    for (std::size_t i = 0; i < kKindNames.size(); ++i) {
        if (choices.kinds[i]) {
            kinds << QString::fromLatin1(kKindNames[i]);
        }
    }
    settings.setValue(kKindsKey, kinds);
    if (choices.periodSeconds) {
        settings.setValue(kPeriodKey, static_cast<double>(*choices.periodSeconds) / kSecondsPerDay);
    } else {
        settings.remove(kPeriodKey);
    }
    if (!choices.exportFolder.isEmpty()) {
        settings.setValue(kExportFolderKey, choices.exportFolder);
    }
}

QDateTime EndOfPeriod(const QDateTime& from, std::optional<qint64> periodSeconds)
{
    const QDateTime start = from.toUTC();
    return std::min(periodSeconds ? start.addSecs(*periodSeconds) : start.addYears(1), LatestSkyMoment());
}

std::optional<qint64> PeriodToKeep(const QDateTime& from, const QDateTime& to, std::optional<qint64> kept)
{
    if (to <= from || to >= LatestSkyMoment()) {
        return kept;
    }
    if (to.toUTC() == EndOfPeriod(from, std::nullopt)) {
        return std::nullopt;
    }
    return from.secsTo(to);
}
