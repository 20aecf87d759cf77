#include "sky_backdrop_data.h"

#include "body_orbits.h"
#include "equatorial_to_ecliptic.h"
#include "milky_way_map.h"

#include <QImageReader>

namespace {

// The Milky Way's picture is bounded as the catalogues are.
constexpr int kMaxMilkyWaySide = 8192;

void PlaceStars(SkyBackdropData& data, const std::vector<CatalogueStar>& stars)
{
    for (const CatalogueStar& star : stars) {
        if (star.magnitude <= kFaintestMagnitude) {
            data.stars.push_back({SkyDirection(star.rightAscension, star.declination), star.magnitude});
        }
        const auto* named = std::find(kNamedStarNumbers.begin(), kNamedStarNumbers.end(), star.number);
        if (named != kNamedStarNumbers.end()) {
            data.namedStars[named - kNamedStarNumbers.begin()] = SkyDirection(star.rightAscension, star.declination);
        }
    }
}

void PlaceFigures(SkyBackdropData& data, std::vector<FigureStroke>& strokes, const std::vector<CatalogueStar>& stars)
{
    AssignConstellations(strokes, stars);
    std::array<Vector3, kConstellationCount> sums{};
    for (const FigureStroke& stroke : strokes) {
        const Vector3 from = SkyDirection(stroke.fromRightAscension, stroke.fromDeclination);
        const Vector3 to = SkyDirection(stroke.toRightAscension, stroke.toDeclination);
        data.strokes.push_back({from, to});
        if (stroke.constellation >= 0) {
            sums[stroke.constellation] = sums[stroke.constellation] + from + to;
        }
    }
    for (int i = 0; i < kConstellationCount; ++i) {
        if (Length(sums[i]) > 0) {
            data.figureCentres[i] = sums[i] / Length(sums[i]);
        }
    }
}

void LoadMilkyWay(SkyBackdropData& data, const QString& path)
{
    QImageReader reader(path);
    const QSize size = reader.size();
    // A picture that is not a band is refused by its own size, before the
    // scaled decoding could squeeze it into one.
    if (!IsMilkyWayBand(size) || size.width() > kMaxMilkyWaySide || size.height() > kMaxMilkyWaySide) {
        data.milkyWayRefused = true;
        return;
    }
    // Decoded straight at the map's size: the whole picture is never held.
    reader.setScaledSize(MilkyWayMapSize(size));
    data.milkyWay = MilkyWayMap(reader.read());
    data.milkyWayRefused = data.milkyWay.isNull();
}

} // namespace

Vector3 SkyDirection(double rightAscension, double declination)
{
    const EclipticPlace place = EclipticOfJ2000(rightAscension, declination);
    return SceneDirection(place.longitude, place.latitude);
}

SkyBackdropData LoadSkyBackdrop(const SkyBackdropFiles& files)
{
    SkyBackdropData data;
    const SkyDataText catalogueText = ReadSkyDataFile(files.catalogue, kMaxCatalogueBytes);
    StarCatalogue catalogue = catalogueText.refusal ? StarCatalogue{{}, catalogueText.refusal}
                                                    : ParseStarCatalogue(catalogueText.bytes);
    data.starsRefused = catalogue.refusal;
    PlaceStars(data, catalogue.stars);

    const SkyDataText figuresText = ReadSkyDataFile(files.figures, kMaxFigureBytes);
    ConstellationFigures figures = figuresText.refusal ? ConstellationFigures{{}, figuresText.refusal}
                                                       : ParseConstellationFigures(figuresText.bytes);
    data.figuresRefused = figures.refusal;
    PlaceFigures(data, figures.strokes, catalogue.stars);

    LoadMilkyWay(data, files.milkyWay);
    return data;
}

int NearestFigure(const SkyBackdropData& data, const Vector3& direction)
{
    int nearest = kNoConstellation;
    double closeness = -2;
    for (int i = 0; i < kConstellationCount; ++i) {
        if (data.figureCentres[i] && Dot(*data.figureCentres[i], direction) > closeness) {
            closeness = Dot(*data.figureCentres[i], direction);
            nearest = i;
        }
    }
    return nearest;
}
