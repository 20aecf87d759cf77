#pragma once

#include "sky_backdrop_data.h"

#include <QObject>

#include <future>
#include <memory>

// Reads the sky's data once, on a worker thread, from the moment it is made,
// so that the window's first frame does not wait for it. Ready comes on the
// owner's thread when it is done; Take waits for it when asked sooner.
class SkyBackdropLoader final : public QObject {
    Q_OBJECT

public:
    explicit SkyBackdropLoader(const SkyBackdropFiles& files);
    // Waits for the worker to end.
    ~SkyBackdropLoader() override;
    SkyBackdropLoader(const SkyBackdropLoader&) = delete;
    SkyBackdropLoader& operator=(const SkyBackdropLoader&) = delete;

    // The data, read to the end; the first call after the worker ends emits Ready.
    std::shared_ptr<const SkyBackdropData> Take();

signals:
    void Ready(const std::shared_ptr<const SkyBackdropData>& data);
    void ReadingDone(QPrivateSignal); // from the worker: the future holds the data

private:
    std::future<std::shared_ptr<const SkyBackdropData>> Reading;
    std::shared_ptr<const SkyBackdropData> Data;
};
