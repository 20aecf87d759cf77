#include "sky_clock.h"
#include "texts_sky.h"

#include <libical/ical.h>

#include <QtTest>

#include <memory>

namespace {

double DayAt(QDate date, QTime time)
{
    return JulianDayOf(QDateTime(date, time, Qt::UTC));
}

// To the nearest minute (half a minute rounds up, before 1970 too); a text
// with a comma.
const std::vector<SkyEvent> kEvents{
    {DayAt(QDate(2027, 1, 3), QTime(10, 2, 29, 900)), SkyEventType::FullMoon},
    {DayAt(QDate(2020, 12, 21), QTime(18, 20, 30)), SkyEventType::PlanetConjunction, Jupiter, Saturn, 0.1},
    {DayAt(QDate(1900, 12, 31), QTime(23, 59, 45)), SkyEventType::Opposition, Mars},
};

} // namespace

class SkyEventFilesTest : public QObject {
    Q_OBJECT

private slots:
    void csvText()
    {
        QCOMPARE(SkyEventsCsv(kEvents, SkyEventFileWords()), QByteArray("Momento (UTC),Evento\r\n"
                                                   "2027-01-03T10:02:00Z,Luna piena\r\n"
                                                   "2020-12-21T18:21:00Z,\"Congiunzione Giove\xe2\x80\x93Saturno "
                                                   "(0,1\xc2\xb0)\"\r\n"
                                                   "1901-01-01T00:00:00Z,Opposizione di Marte\r\n"));
    }

    // Read back with libical's own parser.
    void iCalendarReadsBack()
    {
        const QByteArray text = SkyEventsICalendar(kEvents, SkyEventFileWords(), QDateTime(QDate(2026, 12, 9), QTime(7, 30, 15), Qt::UTC));
        QCOMPARE(text.count('\n'), text.count("\r\n"));
        const std::unique_ptr<icalcomponent, void (*)(icalcomponent*)> calendar(
            icalparser_parse_string(text.constData()), icalcomponent_free);
        QStringList events;
        for (icalcomponent* event = icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT); event;
             event = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT)) {
            QStringList values;
            for (const icalproperty_kind kind : {ICAL_UID_PROPERTY, ICAL_DTSTAMP_PROPERTY, ICAL_DTSTART_PROPERTY,
                                                 ICAL_DTEND_PROPERTY}) {
                icalproperty* property = icalcomponent_get_first_property(event, kind);
                values << QString::fromUtf8(icalproperty_get_value_as_string(property));
            }
            events << values.join(' ') + ' ' + QString::fromUtf8(icalcomponent_get_summary(event));
        }
        QCOMPARE(events, QStringList({
            "6-0-0-20270103T1002Z@solar-system 20261209T073015Z 20270103T100200Z 20270103T100300Z Luna piena",
            "21-7-8-20201221T1821Z@solar-system 20261209T073015Z 20201221T182100Z 20201221T182200Z "
            "Congiunzione Giove\u2013Saturno (0,1\u00b0)",
            "15-6-0-19010101T0000Z@solar-system 20261209T073015Z 19010101T000000Z 19010101T000100Z "
            "Opposizione di Marte",
        }));
    }
};

QTEST_GUILESS_MAIN(SkyEventFilesTest)
#include "test_sky_event_files.moc"
