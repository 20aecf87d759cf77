// The sky behind the bodies: its three menu items and the data they draw.

#include "ogl_win.h"

#include "planet_moons.h"
#include "texts_stars.h"

#include <QAction>

#include <cstdio>

void OGLWin::ConnectSkyMenus()
{
    connect(&SkyLoader, &SkyBackdropLoader::Ready, this, &OGLWin::AdoptSkyData);
    // Turned on before the worker is done, an item waits for it.
    for (QAction* item : {Vista.mnustelle, Vista.mnucostellazioni, Vista.mnuvialattea}) {
        connect(item, &QAction::toggled, this, [this](bool on) {
            if (on) {
                SkyLoader.Take();
            }
        });
    }
}

// What could not be read is said once on standard error, and its item is
// unavailable.
void OGLWin::AdoptSkyData(const std::shared_ptr<const SkyBackdropData>& sky)
{
    Painter.Backdrop().Adopt(sky);
    const SkyBackdropFiles files;
    const auto refuse = [](QAction* item, StarText::SkyData which, const QString& path,
                           const std::optional<SkyDataRefusal>& refusal) {
        std::fputs(StarText::SkyDataRefused(which, path, refusal).toLocal8Bit().constData(), stderr);
        item->setChecked(false);
        item->setEnabled(false);
    };
    if (sky->starsRefused) {
        refuse(Vista.mnustelle, StarText::SkyData::Catalogue, files.catalogue, sky->starsRefused);
    }
    if (sky->figuresRefused) {
        refuse(Vista.mnucostellazioni, StarText::SkyData::Figures, files.figures, sky->figuresRefused);
    }
    if (sky->milkyWayRefused) {
        refuse(Vista.mnuvialattea, StarText::SkyData::MilkyWay, files.milkyWay, std::nullopt);
    }
}

StarBackdrop::Layers OGLWin::SkyLayers() const
{
    return {.stars = Vista.mnustelle->isChecked(),
            .figures = Vista.mnucostellazioni->isChecked(),
            .milkyWay = Vista.mnuvialattea->isChecked()};
}

// "Lune dei pianeti": on, the moons take their true places at once; off, a
// followed moon hands the view to its planet, and a chosen moon is let go.
void OGLWin::ShowMoons(bool on)
{
    if (!on) {
        if (const std::uint8_t followed = Rig.Camera.Followed(); IsMoonId(followed)) {
            Rig.Camera.Follow(FactsOf(static_cast<MoonId>(followed)).planet, CurrentFrameInputs().camera);
        }
        if (IsMoonId(Scene.Selected)) {
            ClearChosenBody();
        }
    }
    ShowSky();
}
