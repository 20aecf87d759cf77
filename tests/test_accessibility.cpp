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

    void controlsSayWhatTheyDo()
    {
        OGLWin& w = fixture->Window();
        const std::tuple<QWidget*, QString, QString> controls[] = {
            {Ui(w).CmdUP, "Giù", "Sposta il quadro in basso"},
            {Ui(w).CmdDown, "Su", "Sposta il quadro in alto"},
            {Ui(w).CmdLeft, "Sinistra", "Sposta il quadro a sinistra"},
            {Ui(w).CmdRight, "Destra", "Sposta il quadro a destra"},
            {Ui(w).CmdRotasiUp, "Inclina su", "Inclina il quadro verso l'alto"},
            {Ui(w).CmdRotasiDown, "Inclina giù", "Inclina il quadro verso il basso"},
            {Ui(w).HScroll, "Zoom", "Angolo della prospettiva: più stretto ingrandisce"},
            {Ui(w).HSpeed, "Velocità", "Velocità dell'animazione"},
            {Ui(w).glView1Container, "Vista del sistema solare",
             "Puntare un corpo lo seleziona; trascinare con il tasto sinistro ruota e inclina la vista; "
             "un doppio clic su un corpo lo segue, sul cielo vuoto torna alla vista iniziale; "
             "la rotella del mouse cambia lo zoom"},
            {Ui(w).ChkPath, "Visualizza le orbite", ""},
        };
        for (const auto& [control, name, description] : controls) {
            QAccessibleInterface* node = QAccessible::queryAccessibleInterface(control);
            QVERIFY2(node != nullptr, qPrintable(name));
            QCOMPARE(node->text(QAccessible::Name), name);
            QCOMPARE(node->text(QAccessible::Description), description);
        }
    }
};

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
