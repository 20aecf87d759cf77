#include "main_window_fixture.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

#include <functional>

namespace {

// The roles of the nodes a user reads or works: every one must be named.
bool IsControl(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::ScrollBar:
    case QAccessible::Slider:
    case QAccessible::MenuItem:
    case QAccessible::StaticText:
        return true;
    default:
        return false;
    }
}

// Calls `visit` for every visible node under `node`, depth first.
void ForEachVisibleNode(QAccessibleInterface* node, const std::function<void(QAccessibleInterface*)>& visit)
{
    if (node->state().invisible) {
        return;
    }
    visit(node);
    for (int i = 0; i < node->childCount(); ++i) {
        ForEachVisibleNode(node->child(i), visit);
    }
}

} // namespace

class AccessibilityTest : public LoadedWindowTest {
    Q_OBJECT

private slots:
    void everyControlInTheTreeIsNamed()
    {
        OGLWin& w = fixture->Window();
        QList<QObject*> named;
        QStringList nameless;
        ForEachVisibleNode(QAccessible::queryAccessibleInterface(&w), [&](QAccessibleInterface* node) {
            const bool focusable = node->state().focusable;
            if (!IsControl(node->role()) && !focusable) {
                return;
            }
            if (node->text(QAccessible::Name).trimmed().isEmpty()) {
                nameless << QString("%1 (role %2)").arg(node->object()->metaObject()->className()).arg(node->role());
            } else {
                named << node->object();
            }
        });
        QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(", ")));
        // The tree reaches every control a user can get to, the view included.
        const QList<QObject*> reachable = {Ui(w).glView1Container, Ui(w).HScroll, Ui(w).HSpeed, Ui(w).CmdUP, Ui(w).CmdDown,
                                           Ui(w).CmdLeft, Ui(w).CmdRight, Ui(w).CmdRotasiUp, Ui(w).CmdRotasiDown, Ui(w).ChkPath,
                                           WindowParts::Picture(w)};
        for (QObject* control : reachable) {
            QVERIFY2(named.contains(control), qPrintable(QString(control->metaObject()->className()) + " missing from the tree"));
        }
    }

    void controlsSayWhatTheyDo_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("CmdUP") << "CmdUP" << "Giù" << "Sposta il quadro in basso";
        QTest::newRow("CmdDown") << "CmdDown" << "Su" << "Sposta il quadro in alto";
        QTest::newRow("CmdLeft") << "CmdLeft" << "Sinistra" << "Sposta il quadro a sinistra";
        QTest::newRow("CmdRight") << "CmdRight" << "Destra" << "Sposta il quadro a destra";
        QTest::newRow("CmdRotasiUp") << "CmdRotasiUp" << "Inclina su" << "Inclina il quadro verso l'alto";
        QTest::newRow("CmdRotasiDown") << "CmdRotasiDown" << "Inclina giù" << "Inclina il quadro verso il basso";
        QTest::newRow("HScroll") << "HScroll" << "Zoom" << "Angolo della prospettiva: più stretto ingrandisce";
        QTest::newRow("HSpeed") << "HSpeed" << "Velocità" << "Velocità dell'animazione";
        QTest::newRow("glView1") << "glView1" << "Vista del sistema solare"
                                 << "Puntare un corpo lo seleziona; trascinare con il tasto sinistro ruota e inclina la vista; "
                                    "un doppio clic su un corpo lo segue, sul cielo vuoto torna alla vista iniziale; "
                                    "la rotella del mouse cambia lo zoom";
        QTest::newRow("ChkPath") << "ChkPath" << "Visualizza le orbite" << "";
    }

    void controlsSayWhatTheyDo()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QString, description);
        OGLWin& w = fixture->Window();
        const QHash<QString, QWidget*> controls = {
            {"CmdUP", Ui(w).CmdUP},     {"CmdDown", Ui(w).CmdDown},         {"CmdLeft", Ui(w).CmdLeft},
            {"CmdRight", Ui(w).CmdRight}, {"CmdRotasiUp", Ui(w).CmdRotasiUp}, {"CmdRotasiDown", Ui(w).CmdRotasiDown},
            {"HScroll", Ui(w).HScroll}, {"HSpeed", Ui(w).HSpeed},           {"glView1", Ui(w).glView1Container},
            {"ChkPath", Ui(w).ChkPath}};
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(controls.value(control));
        QVERIFY(node != nullptr);
        QCOMPARE(node->text(QAccessible::Name), name);
        QCOMPARE(node->text(QAccessible::Description), description);
    }

};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
