#include "help_menu.h"

#include "texts.h"
#include "view_keys.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QVBoxLayout>

HelpMenu::HelpMenu(QMainWindow& window)
{
    mnuAiuto = window.menuBar()->addMenu(HelpText::MnuAiuto());
    mnutasti = mnuAiuto->addAction(HelpText::MnuTasti());
    mnutasti->setShortcut(Qt::Key_F1);
    mnuinformazioni = mnuAiuto->addAction(HelpText::MnuInformazioni());
    window.addAction(mnutasti); // F1 in full screen too
}

QList<HelpRow> HelpRows(const QMenuBar& bar)
{
    QList<HelpRow> rows;
    for (const ViewKey& key : ViewKeys()) {
        const QKeySequence sequence(key.shift ? QKeyCombination(Qt::ShiftModifier, Qt::Key(key.key))
                                              : QKeyCombination(Qt::Key(key.key)));
        rows.append({sequence.toString(QKeySequence::NativeText), HelpText::CommandText(key.command, key.body)});
    }
    for (const QAction* menu : bar.actions()) {
        if (menu->menu() == nullptr) {
            continue;
        }
        for (const QAction* item : menu->menu()->actions()) {
            if (!item->shortcut().isEmpty()) {
                rows.append({item->shortcut().toString(QKeySequence::NativeText),
                             HelpText::MenuItem(menu->text().remove(QLatin1Char('&')), item->text().remove(QLatin1Char('&')))});
            }
        }
    }
    for (const HelpText::MouseRow& mouse : {HelpText::PointAtBody(), HelpText::DragView(), HelpText::DoubleClickBody(),
                                            HelpText::DoubleClickSky(), HelpText::Wheel()}) {
        rows.append({mouse.gesture, mouse.action});
    }
    return rows;
}

namespace {

// A window with `content` above a Close button.
std::unique_ptr<QDialog> MakeHelpWindow(QWidget* owner, const QString& title, QWidget* content)
{
    auto window = std::make_unique<QDialog>(owner);
    window->setWindowTitle(title);
    window->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, window.get());
    QObject::connect(buttons, &QDialogButtonBox::rejected, window.get(), &QDialog::reject);
    auto* layout = new QVBoxLayout(window.get());
    content->setParent(window.get());
    layout->addWidget(content);
    layout->addWidget(buttons);
    return window;
}

} // namespace

std::unique_ptr<QDialog> MakeKeysWindow(QWidget* owner, const QList<HelpRow>& rows)
{
    auto* table = new QTableWidget(static_cast<int>(rows.size()), 2);
    table->setHorizontalHeaderLabels({HelpText::KeyColumn(), HelpText::ActionColumn()});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < rows.size(); ++row) {
        table->setItem(row, 0, new QTableWidgetItem(rows[row].key));
        table->setItem(row, 1, new QTableWidgetItem(rows[row].action));
    }
    table->resizeColumnToContents(0);
    auto window = MakeHelpWindow(owner, HelpText::MnuTasti(), table);
    window->resize(560, 520);
    return window;
}

std::unique_ptr<QDialog> MakeAboutWindow(QWidget* owner)
{
    auto* text = new QLabel(HelpText::About(QStringLiteral(SOLAR_VERSION)));
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextBrowserInteraction);
    text->setMinimumWidth(460);
    return MakeHelpWindow(owner, HelpText::MnuInformazioni(), text);
}
