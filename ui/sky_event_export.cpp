#include "sky_event_export.h"

#include "atomic_file.h"
#include "texts.h"

#include <QFileInfo>

QString SaveSkyEvents(const std::vector<SkyEvent>& events, const QString& path, const QDateTime& stamp)
{
    const QString ending = QFileInfo(path).suffix().toLower();
    QByteArray content;
    if (ending == QLatin1String("csv")) {
        content = SkyEventsCsv(events, SkyEventFileWords());
    } else if (ending == QLatin1String("ics")) {
        content = SkyEventsICalendar(events, SkyEventFileWords(), stamp);
    } else {
        return EventsDialogText::NotCsvOrIcs();
    }
    return WriteFileAtomically(path, [&content](QIODevice& file) {
        return file.write(content) == content.size() ? QString() : file.errorString();
    });
}
