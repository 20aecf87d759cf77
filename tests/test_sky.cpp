#include "date_option.h"
#include "planet_positions.h"
#include "scene_state.h"
#include "sky_calendar_step.h"
#include "sky_clock.h"
#include "sky_date_text.h"
#include "sky_expectations.h"
#include "sky_moment.h"
#include "sky_rates.h"
#include "texts_sky.h"

#include <QtTest>

#include <bit>
#include <cmath>
#include <cstdint>

namespace {

double Longitude(const QDateTime& moment, BodyId body)
{
    for (const PlanetLongitude& planet : HeliocentricLongitudes(moment)) {
        if (planet.body == body) {
            return planet.degrees;
        }
    }
    return std::nan("");
}

std::uint32_t Bits(float value)
{
    return std::bit_cast<std::uint32_t>(value);
}

} // namespace

class SkyTest : public QObject {
    Q_OBJECT

private slots:
    void longitudesMatchPublishedValues_data()
    {
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<int>("body");
        QTest::addColumn<double>("published");
        for (const auto& [utc, body, published] : kPublishedLongitudes) {
            QTest::addRow("%s body %d", utc, int(body)) << Utc(utc) << int(body) << published;
        }
    }

    void longitudesMatchPublishedValues()
    {
        QFETCH(QDateTime, moment);
        QFETCH(int, body);
        QFETCH(double, published);
        const double computed = Longitude(moment, static_cast<BodyId>(body));
        QVERIFY2(Separation(computed, published) <= PublishedTolerance(static_cast<BodyId>(body)),
                 qPrintable(QStringLiteral("computed %1, published %2").arg(computed, 0, 'f', 4).arg(published)));
    }

    void longitudesComeInBodyOrder()
    {
        const auto longitudes = HeliocentricLongitudes(Utc("2026-12-08T21:30:00"));
        const BodyId order[] = {Mercury, Venus, Earth, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto};
        for (std::size_t i = 0; i < longitudes.size(); ++i) {
            QCOMPARE(longitudes[i].body, order[i]);
        }
    }

    void longitudeBecomesOrbitAngle_data()
    {
        QTest::addColumn<double>("longitude");
        QTest::addColumn<float>("angle");
        QTest::newRow("zero") << 0.0 << 0.0F;
        QTest::newRow("single-float rounding") << 123.456789012345 << static_cast<float>(123.456789012345);
        QTest::newRow("just below 360") << 359.4473 << static_cast<float>(359.4473);
        QTest::newRow("360 wraps") << 360.0 << 0.0F;
        QTest::newRow("rounds up to 360") << 359.99999999 << 0.0F;
        QTest::newRow("over a turn") << 725.25 << 5.25F;
        QTest::newRow("negative") << -90.0 << 270.0F;
        QTest::newRow("tiny negative") << -1e-12 << 0.0F;
        QTest::newRow("tiny positive") << 1e-9 << static_cast<float>(1e-9);
    }

    void longitudeBecomesOrbitAngle()
    {
        QFETCH(double, longitude);
        QFETCH(float, angle);
        const float stored = ToOrbitAngle(longitude);
        QVERIFY2(Bits(stored) == Bits(angle), qPrintable(QStringLiteral("%1 became %2").arg(longitude).arg(stored)));
        QVERIFY(stored >= 0.0F && stored < 360.0F);
    }

    void orbitAnglesTakeTheLongitudesAndNothingElse()
    {
        SceneState scene;
        ComputeRates(scene, 220);
        AdvanceAnimation(scene, 7.25); // every angle away from its start
        scene.Selected = Mars;
        const SceneState before = scene;

        SetOrbitAngles(scene, HeliocentricLongitudes(Utc(kJ2000Utc)));

        for (const auto& [utc, body, published] : kPublishedLongitudes) {
            if (utc == kJ2000Utc) {
                QVERIFY2(Separation(scene.OrbitAngle[body], published) <= PublishedTolerance(body), utc);
                scene.OrbitAngle[body] = before.OrbitAngle[body];
            }
        }
        QVERIFY(scene.OrbitAngle[Pluto] != before.OrbitAngle[Pluto]);
        scene.OrbitAngle[Pluto] = before.OrbitAngle[Pluto];
        QVERIFY(scene == before); // nothing else changed
    }

    void momentsOutsideTheRangeChangeNothing_data()
    {
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("first moment") << Utc("1885-01-01T00:00:00") << true;
        QTest::newRow("last moment") << Utc("2099-12-31T23:59:59") << true;
        QTest::newRow("a second early") << Utc("1884-12-31T23:59:59") << false;
        QTest::newRow("a second late") << Utc("2100-01-01T00:00:00") << false;
        QTest::newRow("far future") << Utc("2150-06-01T00:00:00") << false;
        QTest::newRow("invalid") << QDateTime() << false;
    }

    void momentsOutsideTheRangeChangeNothing()
    {
        QFETCH(QDateTime, moment);
        QFETCH(bool, accepted);
        SkyClock clock;
        QCOMPARE(clock.SetMoment(moment), accepted);
        QCOMPARE(clock.IsSet(), accepted);
        QVERIFY(clock.SetMoment(Utc(kJ2000Utc)));
        QCOMPARE(clock.SetMoment(moment), accepted);
        QCOMPARE(clock.Moment() == Utc(kJ2000Utc), !accepted);
    }

    void dateOptionReadsIsoMoments_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QDateTime>("moment");
        QTest::newRow("date") << "2026-12-08" << Utc("2026-12-08T00:00:00");
        QTest::newRow("date-time Z") << "2026-12-08T21:30:00Z" << Utc("2026-12-08T21:30:00");
        QTest::newRow("no zone is UTC") << "2026-12-08T21:30:00" << Utc("2026-12-08T21:30:00");
        QTest::newRow("no seconds") << "2026-12-08T21:30" << Utc("2026-12-08T21:30:00");
        QTest::newRow("east offset") << "2026-12-08T22:30:00+01:00" << Utc("2026-12-08T21:30:00");
        QTest::newRow("west offset") << "2026-12-08T18:00:00-03:30" << Utc("2026-12-08T21:30:00");
        QTest::newRow("leap day") << "2024-02-29" << Utc("2024-02-29T00:00:00");
        QTest::newRow("first moment") << "1885-01-01" << Utc("1885-01-01T00:00:00");
        QTest::newRow("last moment") << "2099-12-31T23:59:59Z" << Utc("2099-12-31T23:59:59");
        QTest::newRow("2100 local, 2099 UTC") << "2100-01-01T00:30:00+01:00" << Utc("2099-12-31T23:30:00");
    }

    void dateOptionReadsIsoMoments()
    {
        QFETCH(QString, value);
        QFETCH(QDateTime, moment);
        const auto parsed = ParseDateOption(value);
        if (const QString* error = std::get_if<QString>(&parsed)) {
            QFAIL(qPrintable(*error));
        }
        const QDateTime* read = std::get_if<QDateTime>(&parsed);
        QVERIFY(read != nullptr);
        QCOMPARE(*read, moment);
        QCOMPARE(read->timeSpec(), Qt::UTC);
    }

    void dateOptionRefusesWithOneLine_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("says");
        QTest::newRow("empty") << "" << "--date needs a moment";
        QTest::newRow("word") << "yesterday" << "--date 'yesterday' is not a date";
        QTest::newRow("month 13, day 45") << "2026-13-45" << "--date '2026-13-45' is not a date";
        QTest::newRow("no leap day") << "2023-02-29" << "is not a date";
        QTest::newRow("hour 24") << "2026-12-08T24:00:00" << "is not a date";
        QTest::newRow("second 60") << "2026-12-08T23:59:60Z" << "is not a date";
        QTest::newRow("offset 25 h") << "2026-12-08T21:30:00+25:00" << "is not a date";
        QTest::newRow("space for T") << "2026-12-08 21:30" << "is not a date";
        QTest::newRow("two-digit year") << "26-12-08" << "is not a date";
        QTest::newRow("fraction") << "2026-12-08T21:30:00.5Z" << "is not a date";
        QTest::newRow("leading space") << " 2026-12-08" << "is not a date";
        QTest::newRow("trailing junk") << "2026-12-08Zulu" << "is not a date";
        QTest::newRow("year 1200") << "1200-01-01" << "--date '1200-01-01' is out of range";
        QTest::newRow("a second early") << "1884-12-31T23:59:59Z" << "is out of range";
        QTest::newRow("2100") << "2100-01-01" << "is out of range";
        QTest::newRow("2099 local, 2100 UTC") << "2099-12-31T23:59:59-00:01" << "is out of range";
    }

    void dateOptionRefusesWithOneLine()
    {
        QFETCH(QString, value);
        QFETCH(QString, says);
        const auto parsed = ParseDateOption(value);
        const QString* error = std::get_if<QString>(&parsed);
        QVERIFY2(error != nullptr, qPrintable(value + QStringLiteral(" was accepted")));
        QVERIFY2(error->contains(says), qPrintable(*error));
        QVERIFY(!error->contains(QLatin1Char('\n')));
        QVERIFY2(error->contains(QStringLiteral("YYYY-MM-DD or YYYY-MM-DDThh:mm[:ss]")), qPrintable(*error));
        QVERIFY2(error->endsWith(QStringLiteral("from 1885-01-01T00:00:00Z to 2099-12-31T23:59:59Z")), qPrintable(*error));
    }

    // One year of 365.25 days per `secondsPerYear` seconds, either way; the
    // edges of the span hold the moment and say so.
    void theClockRunsWithTheSpeedBar_data()
    {
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<int>("secondsPerYear");
        QTest::addColumn<QDateTime>("end");
        QTest::addColumn<bool>("reachedEdge");
        QTest::newRow("a year at the start speed") << Utc("2026-01-01T00:00:00") << 220.0 << 220
                                                   << Utc("2027-01-01T06:00:00") << false;
        QTest::newRow("backwards") << Utc("2026-01-01T00:00:00") << -22.0 << 220 << Utc("2025-11-25T11:24:00") << false;
        QTest::newRow("the fastest speed") << Utc("2026-01-01T00:00:00") << 1.0 << 10 << Utc("2026-02-06T12:36:00")
                                           << false;
        QTest::newRow("past the end") << Utc("2099-12-31T00:00:00") << 10.0 << 220 << Utc("2099-12-31T23:59:59")
                                      << true;
        QTest::newRow("before the start") << Utc("1885-01-01T12:00:00") << -1.0 << 220
                                          << Utc("1885-01-01T00:00:00") << true;
        QTest::newRow("no speed") << Utc("2026-01-01T00:00:00") << 1.0 << 0 << Utc("2026-01-01T00:00:00") << false;
        QTest::newRow("not set") << QDateTime() << 1.0 << 220 << QDateTime() << false;
    }

    void theClockRunsWithTheSpeedBar()
    {
        QFETCH(QDateTime, start);
        QFETCH(double, seconds);
        QFETCH(int, secondsPerYear);
        QFETCH(QDateTime, end);
        QFETCH(bool, reachedEdge);
        SkyClock clock;
        QCOMPARE(clock.SetMoment(start), start.isValid());
        QCOMPARE(clock.Advance(seconds, static_cast<std::uint8_t>(secondsPerYear)), reachedEdge);
        QCOMPARE(clock.IsSet(), end.isValid());
        if (clock.IsSet()) {
            QCOMPARE(clock.Moment(), end);
        }
    }

    // What a second of frame time moves the sky by from 2026-01-01T00:00:00
    // at each rate, and where ] and [ go from there.
    void ratesMoveTheSkyAndStepAlongTheList()
    {
        using enum SkyRate;
        const std::tuple<SkyRate, int, const char*, SkyRate, SkyRate> rows[] = {
            {SpeedBar, 220, "2026-01-02T15:50:43.636", Week, Day}, {SpeedBar, 10, "2026-02-06T12:36:00", Year, Month},
            {SpeedBar, 12, "2026-01-31T10:30:00", Year, Week},     {RealTime, 220, "2026-01-01T00:00:01", Minute, RealTime},
            {Minute, 205, "2026-01-01T00:01:00", Hour, RealTime},  {Hour, 10, "2026-01-01T01:00:00", Day, Minute},
            {Day, 220, "2026-01-02T00:00:00", Week, Hour},         {Week, 220, "2026-01-08T00:00:00", Month, Day},
            {Month, 220, "2026-01-31T10:30:00", Year, Week},       {Year, 220, "2027-01-01T06:00:00", Year, Month},
        };
        for (const auto& [rate, secondsPerYear, end, faster, slower] : rows) {
            const auto year = static_cast<std::uint8_t>(secondsPerYear);
            SkyClock clock;
            clock.SetMoment(Utc("2026-01-01T00:00:00"));
            clock.Advance(RateFactor(rate, year), year);
            QCOMPARE(clock.Moment(), Utc(end));
            QCOMPARE(FasterRate(rate, year), faster);
            QCOMPARE(SlowerRate(rate, year), slower);
        }
    }

    // Calendar steps in UTC: month ends and leap days clamp, the span's edges
    // hold.
    void calendarStepsClampToMonthEndsAndTheSpan()
    {
        using enum CalendarUnit;
        const std::tuple<const char*, CalendarUnit, int, const char*, bool> rows[] = {
            {"2026-12-31T23:30:00", Day, 1, "2027-01-01T23:30:00", false},
            {"2027-01-31T10:00:00", Month, 1, "2027-02-28T10:00:00", false},
            {"2024-01-31T10:00:00", Month, 1, "2024-02-29T10:00:00", false},
            {"1900-01-29T00:00:00", Month, 1, "1900-02-28T00:00:00", false}, // 1900 is no leap year
            {"2026-03-31T00:00:00", Month, -1, "2026-02-28T00:00:00", false}, // backwards too
            {"2024-02-29T12:00:00", Year, 1, "2025-02-28T12:00:00", false},
            {"2099-06-01T00:00:00", Year, 1, "2099-12-31T23:59:59", true},
            {"2099-12-31T23:59:59", Day, 1, "2099-12-31T23:59:59", true},
            {"1885-01-15T00:00:00", Month, -1, "1885-01-01T00:00:00", true},
            {"1886-01-01T00:00:00", Year, -1, "1885-01-01T00:00:00", false},
        };
        for (const auto& [start, unit, count, end, edge] : rows) {
            const CalendarStep step = StepCalendar(Utc(start), unit, count);
            QVERIFY2(step.moment == Utc(end) && step.reachedEdge == edge, start);
        }
    }

    // The day, the pause, the direction, and the time of day and the rate at
    // each rate; the text stays until `changes`, the first moment it shows
    // otherwise. The day is the UTC day, whatever the machine's time zone
    // (the test runs again in Tokyo).
    void theDateSaysTheTimeAndTheRate()
    {
        using enum SkyRate;
        const char* late = "2026-12-08T23:15:07.250";
        const std::tuple<const char*, SkyRate, bool, bool, const char*, const char*> rows[] = {
            {"2026-12-08T21:30:00", SpeedBar, false, false, "8 dicembre 2026", "2026-12-09T00:00:00"},
            {"2026-12-08T23:59:59", SpeedBar, false, false, "8 dicembre 2026", "2026-12-09T00:00:00"},
            {"1885-01-01T00:00:00", SpeedBar, true, false, "1 gennaio 1885 (in pausa)", "1885-01-02T00:00:00"},
            {"2000-03-01T00:00:00", SpeedBar, false, true, "1 marzo 2000 \u25C0", "2000-03-02T00:00:00"},
            {"2099-12-31T23:59:59", SpeedBar, true, true, "31 dicembre 2099 (in pausa) \u25C0", "2100-01-01T00:00:00"},
            {late, SpeedBar, false, false, "8 dicembre 2026", "2026-12-09T00:00:00"},
            {late, RealTime, false, false, "8 dicembre 2026 23:15:07 UTC · tempo reale", "2026-12-08T23:15:08"},
            {late, Minute, true, false, "8 dicembre 2026 23:15:07 UTC · 1 minuto/s (in pausa)", "2026-12-08T23:15:08"},
            {late, Hour, false, true, "8 dicembre 2026 23:15:07 UTC · 1 ora/s ◀", "2026-12-08T23:15:08"},
            {late, Day, false, false, "8 dicembre 2026 23:15 UTC · 1 giorno/s", "2026-12-08T23:16:00"},
            {late, Week, true, true, "8 dicembre 2026 · 1 settimana/s (in pausa) ◀", "2026-12-09T00:00:00"},
            {late, Year, false, false, "8 dicembre 2026 · 1 anno/s", "2026-12-09T00:00:00"},
            {"1969-12-31T23:59:59.500", RealTime, false, false, "31 dicembre 1969 23:59:59 UTC · tempo reale",
             "1970-01-01T00:00:00"},
        };
        for (const auto& [moment, rate, paused, backwards, text, changes] : rows) {
            QCOMPARE(SkyDateText(Utc(moment), paused, backwards, rate), QString::fromUtf8(text));
            const auto unit = [rate](const QDateTime& at) { return SkyDateTextUnit(at.toMSecsSinceEpoch(), rate); };
            QCOMPARE(unit(Utc(changes).addMSecs(-1)), unit(Utc(moment)));
            QVERIFY(unit(Utc(changes)) != unit(Utc(moment)));
        }
    }
};

QTEST_GUILESS_MAIN(SkyTest)
#include "test_sky.moc"
