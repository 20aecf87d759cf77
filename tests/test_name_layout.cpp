#include "name_layout.h"

#include <QtTest>

#include <vector>

namespace {

struct Drawn {
    BodyId body;
    double x, y, extent;
    bool inFront = true;
};
struct Expected {
    BodyId body;
    std::optional<QRectF> name;
};

} // namespace

Q_DECLARE_METATYPE(std::vector<Drawn>)
Q_DECLARE_METATYPE(std::vector<Expected>)

// Where the bodies' names go, by hand-worked layouts: every name 40 x 14
// device pixels, 4 from its body's edge.
class NameLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void namesNeverCoverEachOther_data()
    {
        QTest::addColumn<std::vector<Drawn>>("drawn");
        QTest::addColumn<std::vector<Expected>>("expected");
        QTest::newRow("apart: both beside their bodies")
            << std::vector<Drawn>{{Sun, 100, 100, 20}, {Earth, 300, 100, 5}}
            << std::vector<Expected>{{Sun, QRectF(124, 93, 40, 14)}, {Earth, QRectF(309, 93, 40, 14)}};
        QTest::newRow("the Moon's beside covers the Earth's: below")
            << std::vector<Drawn>{{Earth, 300, 100, 6}, {Moon, 330, 96, 2}}
            << std::vector<Expected>{{Earth, QRectF(310, 93, 40, 14)}, {Moon, QRectF(310, 76, 40, 14)}};
        QTest::newRow("the Moon on the Earth: left out")
            << std::vector<Drawn>{{Earth, 300, 100, 6}, {Moon, 300, 100, 2}}
            << std::vector<Expected>{{Earth, QRectF(310, 93, 40, 14)}, {Moon, std::nullopt}};
        QTest::newRow("the smaller body gives way, whatever their order")
            << std::vector<Drawn>{{Mercury, 300, 100, 2}, {Jupiter, 290, 100, 8}}
            << std::vector<Expected>{{Jupiter, QRectF(302, 93, 40, 14)}, {Mercury, std::nullopt}};
        QTest::newRow("a body behind has no name")
            << std::vector<Drawn>{{Pluto, 300, 100, 2, false}} << std::vector<Expected>{{Pluto, std::nullopt}};
    }

    void namesNeverCoverEachOther()
    {
        QFETCH(std::vector<Drawn>, drawn);
        QFETCH(std::vector<Expected>, expected);
        BodyPlaces places{};
        for (const Drawn& body : drawn) {
            places[body.body] = {.inFront = body.inFront, .x = body.x, .y = body.y, .extent = body.extent};
        }
        std::array<QSizeF, kSceneBodyCount> sizes{};
        sizes.fill(QSizeF(40, 14));
        const NamePlaces names = PlaceNames(places, sizes, 4);
        for (const Expected& body : expected) {
            QCOMPARE(names[body.body], body.name);
        }
        QCOMPARE(std::count_if(names.begin(), names.end(), [](const auto& name) { return name.has_value(); }),
                 std::count_if(expected.begin(), expected.end(), [](const Expected& e) { return e.name.has_value(); }));
    }
};

QTEST_GUILESS_MAIN(NameLayoutTest)
#include "test_name_layout.moc"
