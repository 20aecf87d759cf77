#include "sky_clock.h"
#include "sky_event_files.h"

#include <libical/ical.h>

#include <QtTest>

#include <memory>

namespace {

double DayAt(int year, int month, int day, int hour, int minute, int second, int millisecond = 0)
{
    return JulianDayOf(QDateTime(QDate(year, month, day), QTime(hour, minute, second, millisecond), Qt::UTC));
}

// Three events, as a calendar program must read them back.
const std::vector<SkyEvent> kEvents{
    {DayAt(2027, 1, 3, 10, 2, 29, 900), SkyEventType::FullMoon},
    {DayAt(2020, 12, 21, 18, 20, 30), SkyEventType::PlanetConjunction, Jupiter, Saturn, 0.1},
    {DayAt(1900, 12, 31, 23, 59, 30), SkyEventType::Opposition, Mars},
};

} // namespace

class SkyEventFilesTest : public QObject {
    Q_OBJECT

private slots:
    void csvText_data()
    {
        QTest::addColumn<std::vector<SkyEvent>>("events");
        QTest::addColumn<QByteArray>("csv");
        QTest::newRow("no events") << std::vector<SkyEvent>{} << QByteArray("Momento (UTC),Evento\r\n");
        QTest::newRow("rounded to the nearest minute, quoted for its comma")
            << kEvents
            << QByteArray("Momento (UTC),Evento\r\n"
                          "2027-01-03T10:02:00Z,Luna piena\r\n"
                          "2020-12-21T18:21:00Z,\"Congiunzione Giove\xe2\x80\x93Saturno (0,1\xc2\xb0)\"\r\n"
                          "1901-01-01T00:00:00Z,Opposizione di Marte\r\n");
    }

    void csvText()
    {
        QFETCH(std::vector<SkyEvent>, events);
        QFETCH(QByteArray, csv);
        QCOMPARE(SkyEventsCsv(events), csv);
    }

    // Read back with libical's own parser.
    void iCalendarReadsBack()
    {
        const QDateTime stamp(QDate(2026, 12, 9), QTime(7, 30, 15), Qt::UTC);
        const QByteArray text = SkyEventsICalendar(kEvents, stamp);
        QCOMPARE(text.count('\n'), text.count("\r\n"));
        const std::unique_ptr<icalcomponent, void (*)(icalcomponent*)> calendar(
            icalparser_parse_string(text.constData()), icalcomponent_free);
        QVERIFY(calendar != nullptr);
        QCOMPARE(icalcomponent_get_first_property(calendar.get(), ICAL_VERSION_PROPERTY) != nullptr, true);
        const char* expected[][3] = {
            {"20270103T100200Z", "20270103T100300Z", "Luna piena"},
            {"20201221T182100Z", "20201221T182200Z", "Congiunzione Giove\xe2\x80\x93Saturno (0,1\xc2\xb0)"},
            {"19010101T000000Z", "19010101T000100Z", "Opposizione di Marte"},
        };
        QStringList uids;
        int index = 0;
        for (icalcomponent* event = icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT);
             event != nullptr; event = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT)) {
            QVERIFY(index < 3);
            const auto value = [event](icalproperty_kind kind) {
                icalproperty* property = icalcomponent_get_first_property(event, kind);
                return QString::fromUtf8(property ? icalproperty_get_value_as_string(property) : "");
            };
            QCOMPARE(value(ICAL_DTSTAMP_PROPERTY), QStringLiteral("20261209T073015Z"));
            QCOMPARE(value(ICAL_DTSTART_PROPERTY), QString::fromUtf8(expected[index][0]));
            QCOMPARE(value(ICAL_DTEND_PROPERTY), QString::fromUtf8(expected[index][1]));
            QCOMPARE(QString::fromUtf8(icalcomponent_get_summary(event)), QString::fromUtf8(expected[index][2]));
            uids << value(ICAL_UID_PROPERTY);
            ++index;
        }
        QCOMPARE(index, 3);
        QCOMPARE(uids.removeDuplicates(), 0);
        // The same events another day keep their UIDs.
        QCOMPARE(SkyEventsICalendar(kEvents, stamp.addDays(1)), QByteArray(text).replace("20261209T", "20261210T"));
    }
};

QTEST_GUILESS_MAIN(SkyEventFilesTest)
#include "test_sky_event_files.moc"
