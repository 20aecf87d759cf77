// The sky's time without a window: what ends "Adesso", and the two refusals.

#include "sky_expectations.h"
#include "sky_time.h"

#include <QtTest>

#include <functional>
#include <vector>

namespace {

constexpr std::uint8_t kSecondsPerYear = 220;

} // namespace

class SkyTimeTest : public QObject {
    Q_OBJECT

private slots:
    // "Adesso" at 12:00:00; the system clock then reads 12:00:10. After each
    // control and one second of frame time the sky stands where that control
    // puts it, on its own clock: only untouched does it take the system's.
    void whatEndsNow()
    {
        struct Row {
            const char* name;
            std::function<void(SkyTime&)> control;
            const char* after;
        };
        const std::vector<Row> rows = {
            {"nothing", [](SkyTime&) {}, "2026-12-09T12:00:10"},
            {"J", [](SkyTime& t) { t.SetBackwards(true); }, "2026-12-09T11:59:59"},
            {"pause and resume", [](SkyTime& t) { t.SetPaused(true), t.SetPaused(false); }, "2026-12-09T12:00:01"},
            {"an hour a second", [](SkyTime& t) { t.ChooseRate(SkyRate::Hour, kSecondsPerYear); }, "2026-12-09T13:00:00"},
            {"a date", [](SkyTime& t) { t.SetMoment(Utc("2000-01-01T12:00:00")); }, "2000-01-01T12:00:01"},
            {"a day on", [](SkyTime& t) { t.Step(CalendarUnit::Day, 1); }, "2026-12-10T12:00:01"},
        };
        for (const Row& row : rows) {
            SkyTime time;
            QDateTime clock = Utc("2026-12-09T12:00:00");
            time.SystemClock = [&clock] { return clock; };
            QVERIFY(time.Now(kSecondsPerYear));
            row.control(time);
            clock = Utc("2026-12-09T12:00:10");
            time.Advance(time.FrameStep(1), kSecondsPerYear, false);
            QVERIFY2(std::abs(time.Moment().msecsTo(Utc(row.after))) <= 1,
                     qPrintable(QString("%1: %2").arg(row.name, time.Moment().toString(Qt::ISODateWithMs))));
        }
    }

    // A clock outside the span is refused with its moment and leaves the sky
    // as it was; time that runs into the span's end stops there, paused.
    void refusals()
    {
        SkyTime time;
        std::vector<std::pair<SkyTime::Refusal, QDateTime>> refused;
        time.Refused = [&](SkyTime::Refusal refusal, const QDateTime& at) { refused.emplace_back(refusal, at); };
        time.SystemClock = [] { return Utc("2100-01-01T00:00:00"); };
        QVERIFY(!time.Now(kSecondsPerYear) && !time.IsReal() && time.Rate() == SkyRate::SpeedBar);
        QVERIFY(time.SetMoment(Utc("2099-12-31T23:00:00")));
        time.ChooseRate(SkyRate::Day, kSecondsPerYear);
        time.Advance(time.FrameStep(1), kSecondsPerYear, true); // held: nothing moves
        QCOMPARE(time.Moment(), Utc("2099-12-31T23:00:00"));
        time.Advance(time.FrameStep(1), kSecondsPerYear, false);
        QVERIFY(time.Paused());
        const decltype(refused) expected = {{SkyTime::Refusal::ClockOutsideSpan, Utc("2100-01-01T00:00:00")},
                                            {SkyTime::Refusal::EdgeReached, Utc("2099-12-31T23:59:59")}};
        QCOMPARE(refused, expected);
    }
};

QTEST_APPLESS_MAIN(SkyTimeTest)
#include "test_sky_time.moc"
