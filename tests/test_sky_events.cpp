#include "libnova_turn.h"
#include "sky_clock.h"
#include "sky_events.h"
#include "sky_expectations.h"
#include "texts_sky.h"

#include <QtTest>

#include <libnova/earth.h>
#include <libnova/lunar.h>
#include <libnova/nutation.h>

#include <dlfcn.h>

#include <atomic>
#include <cmath>
#include <limits>

namespace {

// The calls of libnova's functions that keep a cache, as this program
// stands in for them, and those of them made out of turn.
std::atomic<int> cachedCalls{0};
std::atomic<int> callsOutOfTurn{0};

template <typename Function>
Function* Libnovas(const char* name)
{
    ++cachedCalls;
    callsOutOfTurn += LibnovaTurn::HeldHere() ? 0 : 1;
    return reinterpret_cast<Function*>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" {
void ln_get_nutation(double jd, ln_nutation* nutation)
{
    Libnovas<void(double, ln_nutation*)>("ln_get_nutation")(jd, nutation);
}
void ln_get_lunar_geo_posn(double jd, ln_rect_posn* moon, double precision)
{
    Libnovas<void(double, ln_rect_posn*, double)>("ln_get_lunar_geo_posn")(jd, moon, precision);
}
void ln_get_earth_helio_coords(double jd, ln_helio_posn* position)
{
    Libnovas<void(double, ln_helio_posn*)>("ln_get_earth_helio_coords")(jd, position);
}
}

namespace {

constexpr double kNoDegrees = std::numeric_limits<double>::quiet_NaN();
constexpr double kMinutesPerDay = 1440;

SkyEventGroups Only(SkyEventGroup group)
{
    SkyEventGroups groups{};
    groups[static_cast<std::size_t>(group)] = true;
    return groups;
}

std::vector<SkyEvent> Search(const char* fromUtc, const char* toUtc, const SkyEventGroups& groups)
{
    return FindSkyEvents(JulianDayOf(Utc(fromUtc)), JulianDayOf(Utc(toUtc)), groups).value();
}

double MinutesApart(const SkyEvent& event, const char* utc)
{
    return std::abs(event.julianDay - JulianDayOf(Utc(utc))) * kMinutesPerDay;
}

struct PublishedEvent {
    const char* utc;
    SkyEventType type;
};

} // namespace

class TestSkyEvents : public QObject {
    Q_OBJECT

private slots:
    // The US Naval Observatory's tables "Earth's Seasons" and "Phases of the
    // Moon" (UTC, to the minute): every season, new moon and full moon of a
    // year, none missed or doubled, each within a minute (the two minutes
    // asked of the search, less the tables' rounding). The search starts so
    // that its seam between one year and the next falls two minutes before
    // the full moon of 2024-12-15.
    void aYearOfSeasonsAndPhases()
    {
        using enum SkyEventType;
        const std::vector<PublishedEvent> published{
            {"2023-12-22T03:27", DecemberSolstice}, {"2023-12-27T00:33", FullMoon},
            {"2024-01-11T11:57", NewMoon},      {"2024-01-25T17:54", FullMoon},  {"2024-02-09T22:59", NewMoon},
            {"2024-02-24T12:30", FullMoon},     {"2024-03-10T09:00", NewMoon},   {"2024-03-20T03:06", MarchEquinox},
            {"2024-03-25T07:00", FullMoon},     {"2024-04-08T18:21", NewMoon},   {"2024-04-23T23:49", FullMoon},
            {"2024-05-08T03:22", NewMoon},      {"2024-05-23T13:53", FullMoon},  {"2024-06-06T12:38", NewMoon},
            {"2024-06-20T20:51", JuneSolstice}, {"2024-06-22T01:08", FullMoon},  {"2024-07-05T22:57", NewMoon},
            {"2024-07-21T10:17", FullMoon},     {"2024-08-04T11:13", NewMoon},   {"2024-08-19T18:26", FullMoon},
            {"2024-09-03T01:55", NewMoon},      {"2024-09-18T02:34", FullMoon},  {"2024-09-22T12:44", SeptemberEquinox},
            {"2024-10-02T18:49", NewMoon},      {"2024-10-17T11:26", FullMoon},  {"2024-11-01T12:47", NewMoon},
            {"2024-11-15T21:28", FullMoon},     {"2024-12-01T06:21", NewMoon},   {"2024-12-15T09:02", FullMoon},
            {"2024-12-21T09:21", DecemberSolstice}, {"2024-12-30T22:27", NewMoon},
        };
        SkyEventGroups groups = Only(SkyEventGroup::Seasons);
        groups[static_cast<std::size_t>(SkyEventGroup::MoonPhases)] = true;
        std::vector<SkyEvent> found = Search("2023-12-16T09:00", "2024-12-31T23:59", groups);
        std::erase_if(found, [](const SkyEvent& e) { return e.type == FirstQuarter || e.type == LastQuarter; });
        QCOMPARE(found.size(), published.size());
        for (std::size_t i = 0; i < found.size(); ++i) {
            QVERIFY2(found[i].type == published[i].type && MinutesApart(found[i], published[i].utc) <= 1,
                     published[i].utc);
        }
    }

    // Each published event is found once near its moment, of its kind,
    // within the accuracy its kind allows.
    // - The seasons of 2011, when the nutation in longitude stood near its
    //   greatest (17"), from the same table, 2 minutes.
    // - Eclipses: greatest eclipse, from NASA's eclipse web site (F. Espenak,
    //   "Five Millennium Canon" of solar and of lunar eclipses), 10 minutes.
    // - Oppositions, an inferior conjunction and the great conjunction (in
    //   longitude, separation 0.1°):
    //   the US Naval Observatory's "Astronomical Phenomena" for the year, an
    //   hour. Greatest elongations, with their degrees, the same, 6 hours.
    void publishedEvents_data()
    {
        QTest::addColumn<QString>("utc");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("body");
        QTest::addColumn<double>("minutes");
        QTest::addColumn<double>("degrees");
        using enum SkyEventType;
        auto row = [](const char* utc, SkyEventType type, BodyId body, double minutes, double degrees = kNoDegrees) {
            QTest::newRow(utc) << QString::fromLatin1(utc) << static_cast<int>(type) << static_cast<int>(body)
                               << minutes << degrees;
        };
        row("2011-03-20T23:21", MarchEquinox, NoBody, 2);
        row("2011-06-21T17:16", JuneSolstice, NoBody, 2);
        row("2011-09-23T09:04", SeptemberEquinox, NoBody, 2);
        row("2011-12-22T05:30", DecemberSolstice, NoBody, 2);
        row("1900-05-28T14:54", TotalSolarEclipse, NoBody, 10);
        row("2023-04-20T04:17", HybridSolarEclipse, NoBody, 10);
        row("2024-04-08T18:17", TotalSolarEclipse, NoBody, 10);
        row("2024-10-02T18:45", AnnularSolarEclipse, NoBody, 10);
        row("2025-03-29T10:47", PartialSolarEclipse, NoBody, 10);
        row("2024-03-25T07:13", PenumbralLunarEclipse, NoBody, 10);
        row("2024-09-18T02:44", PartialLunarEclipse, NoBody, 10);
        row("2025-03-14T06:59", TotalLunarEclipse, NoBody, 10);
        row("2021-11-19T09:03", PartialLunarEclipse, NoBody, 10); // umbral magnitude 0.974
        row("2018-07-27T05:07", Opposition, Mars, 60);
        row("2023-08-27T08:00", Opposition, Saturn, 60);
        row("2023-11-03T05:00", Opposition, Jupiter, 60);
        row("2023-08-13T11:00", InferiorConjunction, Venus, 60);
        row("2020-12-21T18:20", PlanetConjunction, Jupiter, 60, 0.1);
        row("2020-03-24T22:00", GreatestElongationEast, Venus, 360, 46.1);
        row("2020-08-13T00:00", GreatestElongationWest, Venus, 360, 45.8);
    }

    void publishedEvents()
    {
        QFETCH(QString, utc);
        QFETCH(int, type);
        QFETCH(int, body);
        QFETCH(double, minutes);
        QFETCH(double, degrees);
        const double around = JulianDayOf(Utc(qPrintable(utc)));
        const auto kind = static_cast<SkyEventType>(type);
        const std::vector<SkyEvent> found =
            FindSkyEvents(around - 3, around + 3, Only(GroupOf(kind))).value();
        std::vector<SkyEvent> same;
        std::copy_if(found.begin(), found.end(), std::back_inserter(same),
                     [&](const SkyEvent& e) { return e.type == kind && e.body == body; });
        QCOMPARE(same.size(), std::size_t{1});
        QVERIFY2(MinutesApart(same[0], qPrintable(utc)) <= minutes,
                 qPrintable(MomentOfJulianDay(same[0].julianDay).toString(Qt::ISODate)));
        if (!std::isnan(degrees)) {
            QVERIFY2(std::abs(same[0].degrees - degrees) <= 0.1, qPrintable(SkyEventText(same[0])));
        }
    }

    // An event in the last hours of a period, or in a period shorter than
    // the scan's step, is found: the full moons of the same table.
    void theLastHoursOfAPeriod_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("fullMoon");
        QTest::newRow("three hours and a half") << "2024-12-15T06:00" << "2024-12-15T09:30" << "2024-12-15T09:02";
        QTest::newRow("less than a day") << "2024-11-15T00:00" << "2024-11-15T21:40" << "2024-11-15T21:28";
        QTest::newRow("six days, the last hours") << "2024-11-10T00:00" << "2024-11-15T23:00" << "2024-11-15T21:28";
    }

    void theLastHoursOfAPeriod()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, fullMoon);
        std::vector<SkyEvent> found = Search(qPrintable(from), qPrintable(to), Only(SkyEventGroup::MoonPhases));
        std::erase_if(found, [](const SkyEvent& e) { return e.type != SkyEventType::FullMoon; });
        QCOMPARE(found.size(), std::size_t{1});
        QVERIFY(MinutesApart(found[0], qPrintable(fullMoon)) <= 1);
    }

    // A day's search reaches the nutation's, the Moon's and the Earth's
    // caches, each call in turn: the scene and a search's worker ask libnova
    // at once.
    void libnovasCachesAreReachedInTurn()
    {
        cachedCalls = 0;
        callsOutOfTurn = 0;
        QVERIFY(!Search("2024-12-15T00:00", "2024-12-16T00:00", kAllSkyEventGroups).empty());
        QVERIFY(cachedCalls > 0);
        QCOMPARE(callsOutOfTurn.load(), 0);
    }

    void aCancelledSearchFindsNothing()
    {
        const auto found = FindSkyEvents(JulianDayOf(Utc("1900-01-01T00:00")), JulianDayOf(Utc("2000-01-01T00:00")),
                                         kAllSkyEventGroups, [](double) { return false; });
        QVERIFY(!found.has_value());
    }
};

QTEST_GUILESS_MAIN(TestSkyEvents)
#include "test_sky_events.moc"
