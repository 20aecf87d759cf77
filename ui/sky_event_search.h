#pragma once

#include "sky_events.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// One search of the sky's events at a time, run on a worker thread so that
// the windows keep answering. What the worker reports reaches the owner's
// thread as signals; a search cancelled or replaced reports nothing more.
// The reports pass through a mailbox under a lock of the standard library,
// and only a wake-up with nothing in it goes through Qt's queue: the
// hand-off is one that ThreadSanitizer sees, Qt not being built with it.
class SkyEventSearch final : public QObject {
    Q_OBJECT

public:
    // What runs on the worker: FindSkyEvents, or a stand-in of the tests'.
    using Finder = std::function<decltype(FindSkyEvents)>;

    explicit SkyEventSearch(Finder find);
    // Cancels a search still running and waits for its worker to end.
    ~SkyEventSearch() override;
    SkyEventSearch(const SkyEventSearch&) = delete;
    SkyEventSearch& operator=(const SkyEventSearch&) = delete;

    // Cancels the search running, if any, and starts this one.
    void Start(double fromJulianDay, double toJulianDay, const SkyEventGroups& groups);
    // The search running stops as soon as its worker asks; Found never comes.
    void Cancel();
    bool Running() const { return Current != nullptr; }
    // Waits for the worker to end, cancelled or not; what it reported is
    // then queued to this object.
    void Wait();

signals:
    void Progress(double doneShare);
    void Found(const std::vector<SkyEvent>& events);
    void Failed(const QString& reason);
    void ReportsWaiting(QPrivateSignal); // from the worker: the mailbox has something

private:
    struct Run {
        std::atomic<bool> cancelled{false};
    };
    // A share done, or the end: the events found (none when cancelled) or why it failed.
    struct Report {
        std::shared_ptr<Run> run;
        double doneShare = 0;
        bool end = false;
        std::optional<std::vector<SkyEvent>> events;
        QString failure;
    };
    void Send(Report report); // on the worker
    void TakeReports();       // on the owner's thread
    void Deliver(const Report& report);

    std::shared_ptr<Run> Current; // the search whose reports count; null when none runs
    std::shared_ptr<Run> Working; // the search the worker runs, cancelled or not
    Finder Find;
    std::mutex MailboxLock;
    std::vector<Report> Mailbox;
    std::thread Worker;
};
