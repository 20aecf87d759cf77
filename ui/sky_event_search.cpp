#include "sky_event_search.h"

#include <exception>

SkyEventSearch::SkyEventSearch(Finder find) : Find(std::move(find))
{
    connect(this, &SkyEventSearch::ReportsWaiting, this, &SkyEventSearch::TakeReports, Qt::QueuedConnection);
}

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
            Send({run, doneShare, false, {}, {}});
            return true;
        };
        Report end{run, 1, true, {}, {}};
        try {
            end.events = Find(fromJulianDay, toJulianDay, groups, progress);
        } catch (const std::exception& error) {
            end.failure = QString::fromLocal8Bit(error.what());
        }
        Send(std::move(end));
    });
}

void SkyEventSearch::Send(Report report)
{
    {
        const std::lock_guard lock(MailboxLock);
        Mailbox.push_back(std::move(report));
    }
    emit ReportsWaiting(QPrivateSignal());
}

void SkyEventSearch::TakeReports()
{
    std::vector<Report> reports;
    {
        const std::lock_guard lock(MailboxLock);
        reports.swap(Mailbox);
    }
    for (const Report& report : reports) {
        if (report.run != Current) {
            continue;
        }
        if (report.end) {
            Deliver(report);
        } else {
            emit Progress(report.doneShare);
        }
    }
}

void SkyEventSearch::Deliver(const Report& report)
{
    Current.reset();
    if (!report.failure.isEmpty()) {
        emit Failed(report.failure);
    } else if (report.events) {
        emit Found(*report.events);
    }
}
