#include "body_orbits.h"
#include "constellations.h"
#include "planet_positions.h"
#include "sky_backdrop_data.h"
#include "sky_clock.h"
#include "texts_stars.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <numbers>

// The sky's data: the catalogue's and the figures' refusals, line by line;
// the bounds of the files; the stars' scene directions against their
// published ecliptic places; the Sun before the right figure at the
// solstices; the names.
class StarDataTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!QFile::exists(SkyBackdropFiles{}.catalogue)) {
            QSKIP("xplanet's data is not installed (packages.txt lists it)");
        }
        Sky = LoadSkyBackdrop({});
        QVERIFY(!Sky.starsRefused);
        QVERIFY(!Sky.figuresRefused);
    }

    void readsTheWholeCatalogue()
    {
        const SkyDataText text = ReadSkyDataFile(SkyBackdropFiles{}.catalogue, kMaxCatalogueBytes);
        // The Bright Star Catalogue less its novae and other non-stars.
        QCOMPARE(ParseStarCatalogue(text.bytes).stars.size(), std::size_t{9096});
        QCOMPARE(Sky.strokes.size(), std::size_t{763}); // its 767 lines less 4 of comment
    }

    void refusesHostileCatalogueLines_data();
    void refusesHostileCatalogueLines()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, line);
        const StarCatalogue catalogue = ParseStarCatalogue(text.toStdString());
        QVERIFY(catalogue.refusal);
        QVERIFY(catalogue.stars.empty());
        QCOMPARE(catalogue.refusal->line, line);
    }

    void refusesHostileFigureLines_data();
    void refusesHostileFigureLines()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, line);
        const ConstellationFigures figures = ParseConstellationFigures(text.toStdString());
        QVERIFY(figures.refusal);
        QVERIFY(figures.strokes.empty());
        QCOMPARE(figures.refusal->line, line);
    }

    void refusesFilesPastTheirBounds()
    {
        QTemporaryDir folder;
        const QString huge = folder.filePath(QStringLiteral("huge"));
        QFile file(huge);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(kMaxCatalogueBytes + 1));
        file.close();
        QCOMPARE(ReadSkyDataFile(huge, kMaxCatalogueBytes).refusal->fault, SkyDataFault::TooLarge);
        QCOMPARE(ReadSkyDataFile(folder.path(), kMaxCatalogueBytes).refusal->fault, SkyDataFault::Unreadable);
        QCOMPARE(ReadSkyDataFile(folder.filePath(QStringLiteral("none")), 10).refusal->fault, SkyDataFault::Missing);
        std::string many;
        for (int i = 0; i <= kMaxCatalogueStars; ++i) {
            many += " 0.0 1.0 5.0 \"          \" 1 2 3\n";
        }
        const StarCatalogue catalogue = ParseStarCatalogue(many);
        QCOMPARE(catalogue.refusal->fault, SkyDataFault::TooManyLines);
        QCOMPARE(catalogue.refusal->line, kMaxCatalogueStars + 1);
    }

    void missingDataLeavesTheSkyEmpty()
    {
        const SkyBackdropData none = LoadSkyBackdrop({QStringLiteral("/nonexistent/BSC"),
                                                      QStringLiteral("/nonexistent/constellations"),
                                                      QStringLiteral("/nonexistent/mw.jpg")});
        QCOMPARE(none.starsRefused->fault, SkyDataFault::Missing);
        QCOMPARE(none.figuresRefused->fault, SkyDataFault::Missing);
        QVERIFY(none.milkyWayRefused);
        QVERIFY(none.stars.empty() && none.strokes.empty() && none.milkyWay.isNull());
    }

    // Only a wide band is laid on the sky: a picture 2.5 times as wide as
    // high is refused, though its map's powers of two would be 4 to 1.
    void milkyWayIsAWideBand_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("refused");
        QTest::newRow("4 to 1") << QSize(1024, 256) << false;
        QTest::newRow("2.5 to 1") << QSize(1000, 400) << true;
        QTest::newRow("too low") << QSize(64, 4) << true;
    }
    void milkyWayIsAWideBand()
    {
        QFETCH(QSize, size);
        QFETCH(bool, refused);
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("band.png"));
        QImage picture(size, QImage::Format_Grayscale8);
        picture.fill(60);
        QVERIFY(picture.save(path));
        const SkyBackdropData sky = LoadSkyBackdrop({QStringLiteral("/nonexistent/BSC"),
                                                     QStringLiteral("/nonexistent/constellations"), path});
        QCOMPARE(sky.milkyWayRefused, refused);
        QCOMPARE(sky.milkyWay.isNull(), refused);
    }

    // Published ecliptic places of J2000 (longitude, latitude in degrees).
    void starsStandAtTheirEclipticPlaces_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("latitude");
        QTest::newRow("Sirius") << 2491 << 104.0817 << -39.6052;  // 104°04'54", -39°36'19"
        QTest::newRow("Polaris") << 424 << 88.5675 << 66.1014;    // 88°34'03", +66°06'05"
        QTest::newRow("Spica") << 5056 << 203.8414 << -2.0544;    // 203°50'29", -2°03'16"
    }
    void starsStandAtTheirEclipticPlaces()
    {
        QFETCH(int, number);
        QFETCH(double, longitude);
        QFETCH(double, latitude);
        const SkyDataText text = ReadSkyDataFile(SkyBackdropFiles{}.catalogue, kMaxCatalogueBytes);
        const StarCatalogue catalogue = ParseStarCatalogue(text.bytes);
        const auto star = std::find_if(catalogue.stars.begin(), catalogue.stars.end(),
                                       [&](const CatalogueStar& s) { return s.number == number; });
        QVERIFY(star != catalogue.stars.end());
        // The scene's frame: longitude 0 along +X, 90 along -Z, the ecliptic's north +Y.
        const double l = longitude * std::numbers::pi / 180;
        const double b = latitude * std::numbers::pi / 180;
        const Vector3 expected{std::cos(b) * std::cos(l), std::sin(b), -std::cos(b) * std::sin(l)};
        const Vector3 drawn = SkyDirection(star->rightAscension, star->declination);
        QVERIFY2(AngleBetween(drawn, expected) < 0.05, qPrintable(QString::number(AngleBetween(drawn, expected))));
    }

    // The solstices of 2024 (US Naval Observatory): the Sun seen from the
    // Earth stands before the figure whose centre is nearest it.
    void sunStandsBeforeItsFigureAtTheSolstices_data()
    {
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<QString>("constellation");
        QTest::newRow("December") << QDateTime(QDate(2024, 12, 21), QTime(9, 20), Qt::UTC) << QStringLiteral("Sgr");
        QTest::newRow("June") << QDateTime(QDate(2024, 6, 20), QTime(20, 51), Qt::UTC) << QStringLiteral("Gem");
    }
    void sunStandsBeforeItsFigureAtTheSolstices()
    {
        QFETCH(QDateTime, moment);
        QFETCH(QString, constellation);
        const EclipticPlace earth = HeliocentricPlace(Earth, JulianEphemerisDay(JulianDayOf(moment)));
        const Vector3 sun = SceneDirection(earth.longitude + 180, -earth.latitude);
        QCOMPARE(NearestFigure(Sky, sun), ConstellationIndex(constellation.toStdString()));
    }

    void namesAreItalian()
    {
        QCOMPARE(StarText::ConstellationName(ConstellationIndex("Ori")), QStringLiteral("Orione"));
        QCOMPARE(StarText::ConstellationName(ConstellationIndex("UMa")), QStringLiteral("Orsa Maggiore"));
        QCOMPARE(StarText::ConstellationName(ConstellationIndex("Sco")), QStringLiteral("Scorpione"));
        QCOMPARE(StarText::ConstellationName(ConstellationIndex("Vul")), QStringLiteral("Volpetta"));
        QCOMPARE(StarText::StarName(0), QStringLiteral("Sirio"));
        QCOMPARE(StarText::StarName(kNamedStarCount - 1), QStringLiteral("Regolo"));
        QCOMPARE(StarText::MnuStelle(), QStringLiteral("Stelle"));
        QCOMPARE(StarText::MnuCostellazioni(), QStringLiteral("Costellazioni"));
        QCOMPARE(StarText::MnuViaLattea(), QStringLiteral("Via Lattea"));
    }

    // Each named star is in the catalogue, and every constellation has a figure.
    void everyNameHasItsPlace()
    {
        for (int i = 0; i < kNamedStarCount; ++i) {
            QVERIFY2(Sky.namedStars[i].has_value(), qPrintable(StarText::StarName(i)));
        }
        for (int i = 0; i < kConstellationCount; ++i) {
            QVERIFY2(Sky.figureCentres[i].has_value(), qPrintable(StarText::ConstellationName(i)));
        }
    }

private:
    static double AngleBetween(const Vector3& a, const Vector3& b)
    {
        return std::acos(std::clamp(Dot(a, b) / (Length(a) * Length(b)), -1.0, 1.0)) * 180 / std::numbers::pi;
    }

    SkyBackdropData Sky;
};

namespace {

const QByteArray kStar = " -16.7161  6.7525 -1.46 \"  9Alp CMa\" 2491  48915 151881\n";
const QByteArray kStroke = " 42.3187  2.0649  41.4019  1.6134 # And Gamma1-57,And Upsilo-50\n";

} // namespace

void StarDataTest::refusesHostileCatalogueLines_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("line");
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("only comments") << QByteArray("# nothing\n\n") << 0;
    QTest::newRow("letters for numbers") << kStar + "-1x.0 6.0 1.0 \"          \" 1 2 3\n" << 2;
    QTest::newRow("declination of 400") << "400.0 6.0 1.0 \"          \" 1 2 3\n" + kStar << 1;
    QTest::newRow("hours of 24") << kStar + kStar + "0.0 24.0 1.0 \"          \" 1 2 3\n" << 3;
    QTest::newRow("negative hours") << QByteArray("0.0 -1.0 1.0 \"          \" 1 2 3\n") << 1;
    QTest::newRow("magnitude 99") << QByteArray("0.0 1.0 99 \"          \" 1 2 3\n") << 1;
    QTest::newRow("not a number") << QByteArray("nan 1.0 1.0 \"          \" 1 2 3\n") << 1;
    QTest::newRow("infinity") << QByteArray("0.0 inf 1.0 \"          \" 1 2 3\n") << 1;
    QTest::newRow("exponent") << QByteArray("1e1 1.0 1.0 \"          \" 1 2 3\n") << 1;
    QTest::newRow("two points") << QByteArray("1.0.0 1.0 1.0 \"          \" 1 2 3\n") << 1;
    QTest::newRow("truncated") << kStar + " -52.6958  6.3992 -0.72 \"   Alp" << 2;
    QTest::newRow("short name") << QByteArray("0.0 1.0 1.0 \"Alp CMa\" 1 2 3\n") << 1;
    QTest::newRow("unknown constellation") << QByteArray("0.0 1.0 1.0 \"  9Alp XYZ\" 1 2 3\n") << 1;
    QTest::newRow("control byte in name") << QByteArray("0.0 1.0 1.0 \"  9Alp\x01CMa\" 1 2 3\n") << 1;
    QTest::newRow("missing number") << QByteArray("0.0 1.0 1.0 \"          \" 1 2\n") << 1;
    QTest::newRow("star number 0") << QByteArray("0.0 1.0 1.0 \"          \" 0 2 3\n") << 1;
    QTest::newRow("negative count") << QByteArray("0.0 1.0 1.0 \"          \" 1 -2 3\n") << 1;
    QTest::newRow("count past its width") << QByteArray("0.0 1.0 1.0 \"          \" 1 2 12345678901\n") << 1;
    QTest::newRow("more after the line") << QByteArray("0.0 1.0 1.0 \"          \" 1 2 3 4\n") << 1;
    static constexpr char kNulLine[] = "0.0 1.0 1.0 \"          \" 1 2 3\0\n";
    QTest::newRow("NUL byte") << QByteArray(kNulLine, sizeof kNulLine - 1) << 1;
    QTest::newRow("line too long") << QByteArray("0.0 1.0 1.0 \"          \" 1 2 3") + QByteArray(300, ' ') << 1;
}

void StarDataTest::refusesHostileFigureLines_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("line");
    QTest::newRow("empty") << QByteArray("\n# only a comment\n") << 0;
    QTest::newRow("three numbers") << kStroke + "1.0 2.0 3.0\n" << 2;
    QTest::newRow("five numbers") << QByteArray("1.0 2.0 3.0 4.0 5.0\n") << 1;
    QTest::newRow("letters for numbers") << QByteArray("1.0 abc 3.0 4.0\n") << 1;
    QTest::newRow("declination of 400") << kStroke + kStroke + "400 1.0 3.0 4.0\n" << 3;
    QTest::newRow("hours past 24") << QByteArray("1.0 25.0 3.0 4.0\n") << 1;
    QTest::newRow("xplanet's keywords") << QByteArray("1.0 2.0 3.0 4.0 color=red\n") << 1;
    QTest::newRow("truncated") << kStroke + " 41.4019  1.6134  48.61" << 2;
    QTest::newRow("NUL byte") << QByteArray("1.0 2.0\0 3.0 4.0\n", 17) << 1;
}

QTEST_GUILESS_MAIN(StarDataTest)
#include "test_star_data.moc"
