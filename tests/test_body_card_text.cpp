#include "body_ids.h"
#include "planet_catalogue.h"
#include "texts_sky.h"

#include <QtTest>

class BodyCardTextTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { XPModule::InitPlanetData(); }

    void theWholeText_data()
    {
        QTest::addColumn<int>("body");
        QTest::addColumn<QString>("text");
        QTest::newRow("Earth") << int(Earth)
                               << "Terra\n"
                                  "Diametro: 12.756 km\n"
                                  "Distanza media dal Sole: 149,6 milioni di km\n"
                                  "Periodo orbitale: 365,2 giorni\n"
                                  "Periodo di rotazione: 23,9 ore\n"
                                  "Durata del giorno: 24 ore\n"
                                  "Inclinazione dell'asse: 23,5°";
        QTest::newRow("Venus, retrograde") << int(Venus)
                                           << "Venere\n"
                                              "Diametro: 12.104 km\n"
                                              "Distanza media dal Sole: 108,2 milioni di km\n"
                                              "Periodo orbitale: 224,7 giorni\n"
                                              "Periodo di rotazione: 5.832,5 ore (retrogrado)\n"
                                              "Durata del giorno: 2.802 ore\n"
                                              "Inclinazione dell'asse: 177,4°";
        QTest::newRow("Sun") << int(Sun)
                             << "Sole\n"
                                "Diametro: 1.391.400 km\n"
                                "Periodo di rotazione: 609,1 ore (circa 25,4 giorni)";
        QTest::newRow("Moon") << int(Moon)
                              << "Luna\n"
                                 "Diametro: 3.475 km\n"
                                 "Distanza media dalla Terra: 384.400 km\n"
                                 "Periodo orbitale: 27,3 giorni\n"
                                 "Periodo di rotazione: 655,7 ore";
    }

    void theWholeText()
    {
        QFETCH(int, body);
        QFETCH(QString, text);
        QCOMPARE(BodyCardText(static_cast<std::uint8_t>(body)), text);
    }

    // Every body by its Italian name, and the Italian number format: "." between
    // thousands, "," before decimals, no digits added or lost.
    void everyBodyAndItsFigures_data()
    {
        QTest::addColumn<int>("body");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("line");
        QTest::newRow("Sun") << int(Sun) << "Sole" << "Diametro: 1.391.400 km";
        QTest::newRow("Mercury") << int(Mercury) << "Mercurio" << "Inclinazione dell'asse: 0,01°";
        QTest::newRow("Venus") << int(Venus) << "Venere" << "Durata del giorno: 2.802 ore";
        QTest::newRow("Earth") << int(Earth) << "Terra" << "Durata del giorno: 24 ore";
        QTest::newRow("Moon") << int(Moon) << "Luna" << "Distanza media dalla Terra: 384.400 km";
        QTest::newRow("Mars") << int(Mars) << "Marte" << "Periodo orbitale: 687 giorni";
        QTest::newRow("Jupiter") << int(Jupiter) << "Giove" << "Diametro: 142.984 km";
        QTest::newRow("Saturn") << int(Saturn) << "Saturno" << "Distanza media dal Sole: 1.433,5 milioni di km";
        QTest::newRow("Uranus") << int(Uranus) << "Urano" << "Periodo di rotazione: 17,2 ore (retrogrado)";
        QTest::newRow("Neptune") << int(Neptune) << "Nettuno" << "Periodo di rotazione: 16,1 ore";
        QTest::newRow("Pluto") << int(Pluto) << "Plutone" << "Periodo orbitale: 90.588 giorni";
    }

    void everyBodyAndItsFigures()
    {
        QFETCH(int, body);
        QFETCH(QString, name);
        QFETCH(QString, line);
        const QStringList lines = BodyCardText(static_cast<std::uint8_t>(body)).split('\n');
        QCOMPARE(lines.front(), name);
        QVERIFY2(lines.contains(line), qPrintable(lines.join(" | ")));
        const bool planet = body != Sun && body != Moon;
        QCOMPARE(lines.size(), planet ? 7 : body == Sun ? 3 : 5);
    }

    void noTextForNoBody()
    {
        for (int body : {0, int{kSceneBodyCount}, 255}) {
            QVERIFY(BodyCardText(static_cast<std::uint8_t>(body)).isEmpty());
        }
    }

    // The planets' figures are the catalogue's own.
    void planetsReadTheCatalogue()
    {
        const double diameter = XPModule::Planets[9].Diameter;
        XPModule::Planets[9].Diameter = 2376.6;
        const QString text = BodyCardText(Pluto);
        XPModule::Planets[9].Diameter = diameter;
        QVERIFY2(text.contains("Diametro: 2.376,6 km"), qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(BodyCardTextTest)
#include "test_body_card_text.moc"
