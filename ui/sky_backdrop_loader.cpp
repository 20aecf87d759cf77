#include "sky_backdrop_loader.h"

SkyBackdropLoader::SkyBackdropLoader(const SkyBackdropFiles& files)
{
    // Queued to this object: the destructor waits for the worker before the
    // object goes, and its pending calls go with it. The data itself passes
    // through the future.
    connect(this, &SkyBackdropLoader::ReadingDone, this, &SkyBackdropLoader::Take, Qt::QueuedConnection);
    Reading = std::async(std::launch::async, [this, files] {
        auto data = std::make_shared<const SkyBackdropData>(LoadSkyBackdrop(files));
        emit ReadingDone(QPrivateSignal());
        return data;
    });
}

SkyBackdropLoader::~SkyBackdropLoader()
{
    if (Reading.valid()) {
        Reading.wait();
    }
}

std::shared_ptr<const SkyBackdropData> SkyBackdropLoader::Take()
{
    if (Reading.valid()) {
        Data = Reading.get();
        emit Ready(Data);
    }
    return Data;
}
