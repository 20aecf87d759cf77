#include "sky_event_search.h"

#include <QMetaObject>

#include <exception>

SkyEventSearch::~SkyEventSearch()
{
    Cancel();
    Wait();
}

void SkyEventSearch::Cancel()
{
    if (Working) {
        Working->cancelled = true;
    }
    Current.reset();
}

void SkyEventSearch::Wait()
{
    if (Worker.joinable()) {
        Worker.join();
    }
}

void SkyEventSearch::Start(double fromJulianDay, double toJulianDay, const SkyEventGroups& groups)
{
    // The worker checks the flag at each report, so the wait is short.
    Cancel();
    Wait();
    auto run = std::make_shared<Run>();
    Current = run;
    Working = run;
    // The worker only posts to this object, which outlives it: the
    // destructor joins it first.
    Worker = std::thread([this, run, fromJulianDay, toJulianDay, groups] {
        const SkyEventProgress progress = [this, run](double doneShare) {
            if (run->cancelled) {
                return false;
            }
            QMetaObject::invokeMethod(
                this,
                [this, run, doneShare] {
                    if (run == Current) {
                        emit Progress(doneShare);
                    }
                },
                Qt::QueuedConnection);
            return true;
        };
        std::optional<std::vector<SkyEvent>> events;
        QString failure;
        try {
            events = Find(fromJulianDay, toJulianDay, groups, progress);
        } catch (const std::exception& error) {
            failure = QString::fromLocal8Bit(error.what());
        }
        QMetaObject::invokeMethod(
            this, [this, run, events, failure] { Deliver(run, events, failure); }, Qt::QueuedConnection);
    });
}

void SkyEventSearch::Deliver(const std::shared_ptr<Run>& run, const std::optional<std::vector<SkyEvent>>& events,
                             const QString& failure)
{
    if (run != Current) {
        return;
    }
    Current.reset();
    if (!failure.isEmpty()) {
        emit Failed(failure);
    } else if (events) {
        emit Found(*events);
    }
}
