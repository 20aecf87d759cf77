#include "view_frustum.h"

#include <QtTest>

namespace {

// A perspective of 90 degrees up and down, twice as wide as high (the
// half-width reaches 2 at unit depth), near 1, far 100; the scene 5 units
// in front of the eye; a viewport 400 pixels high.
constexpr std::array<GLdouble, 16> kProjection{0.5, 0, 0, 0, 0, 1, 0, 0, 0, 0, -101.0 / 99, -1, 0, 0, -200.0 / 99, 0};
constexpr std::array<GLdouble, 16> kModelView{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, -5, 1};
constexpr int kViewportHeight = 400;

} // namespace

Q_DECLARE_METATYPE(Vector3)

// What a frame shows, worked by hand: the top plane is y = -z, the right
// one x = -2z, a point at distance d beyond a plane is outside unless the
// sphere's radius reaches back over d.
class ViewFrustumTest : public QObject {
    Q_OBJECT

private slots:
    void reachesTheSpheresThatTouchTheView_data()
    {
        QTest::addColumn<Vector3>("centre");
        QTest::addColumn<double>("radius");
        QTest::addColumn<bool>("reaches");
        QTest::newRow("in the middle") << Vector3{0, 0, 0} << 1.0 << true;
        // y 6 at depth 5: 1/sqrt(2) = 0.707 above the top plane.
        QTest::newRow("above, too small to reach down") << Vector3{0, 6, 0} << 0.6 << false;
        QTest::newRow("above, reaching down") << Vector3{0, 6, 0} << 0.8 << true;
        // x 11 at depth 5: 1/sqrt(5) = 0.447 right of the right plane.
        QTest::newRow("right, too small") << Vector3{11, 0, 0} << 0.4 << false;
        QTest::newRow("right, reaching in") << Vector3{11, 0, 0} << 0.5 << true;
        QTest::newRow("wide of the middle, inside") << Vector3{9, 0, 0} << 0.1 << true;
        QTest::newRow("behind the eye") << Vector3{0, 0, 10} << 1.0 << false;
        QTest::newRow("beyond the far plane") << Vector3{0, 0, -100} << 1.0 << false;
    }
    void reachesTheSpheresThatTouchTheView()
    {
        QFETCH(Vector3, centre);
        QFETCH(double, radius);
        QFETCH(bool, reaches);
        QCOMPARE(ViewFrustum(kModelView, kProjection, kViewportHeight).Reaches(centre, radius), reaches);
    }

    // 200 pixels a unit at unit depth: a unit sphere 5 away is 40 across
    // its radius, a sphere of 2 at depth 20 is 20.
    void measuresTheRadiusInPixels()
    {
        const ViewFrustum view(kModelView, kProjection, kViewportHeight);
        QCOMPARE(view.PixelRadius({0, 0, 0}, 1), 40.0);
        QCOMPARE(view.PixelRadius({3, 0, -15}, 2), 20.0);
    }
};

QTEST_MAIN(ViewFrustumTest)
#include "test_view_frustum.moc"
