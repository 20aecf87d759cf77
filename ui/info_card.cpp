#include "info_card.h"

#include "texts_sky.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

namespace {

// Where the card stands from the pointer's tip, as tooltips do, and its gap
// from the tip where it has to stand on the other side.
constexpr QPoint kOffset(16, 20);
constexpr int kGap = 4;

} // namespace

// The flags a tooltip gets from the X11 platform anyway are asked for here:
// without them the platform makes the window anew when it is first shown, and
// the new window no longer lets the pointer through.
InfoCard::InfoCard(QWindow& view, QWidget* owner)
    : QFrame(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                        Qt::BypassWindowManagerHint | Qt::WindowTransparentForInput |
                        Qt::WindowDoesNotAcceptFocus),
      View(view)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setPalette(QToolTip::palette());
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    setAutoFillBackground(true);

    lblName = new QLabel(this);
    QFont bold = lblName->font();
    bold.setBold(true);
    lblName->setFont(bold);
    lblFigures = new QLabel(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(2);
    for (QLabel* label : {lblName, lblFigures}) {
        label->setTextFormat(Qt::PlainText);
        label->setForegroundRole(QPalette::ToolTipText);
        layout->addWidget(label);
    }

    View.installEventFilter(this);
    if (owner != nullptr) {
        owner->installEventFilter(this);
    }
}

void InfoCard::Follow(std::uint8_t body, QPoint pointer)
{
    if (body == NoBody || body >= Texts.size() || QApplication::activeModalWidget() != nullptr) {
        hide();
        return;
    }
    ShowText(body);
    PlaceBeside(pointer);
    show();
    if (body != Announced) {
        Announce(body);
    }
}

// The card's text becomes its accessible name (setAccessibleName sends the
// NameChanged event itself), and an alert asks screen readers to read it out:
// Qt has no announcement event of its own.
void InfoCard::Announce(std::uint8_t body)
{
    Announced = body;
    setAccessibleName(Texts[body]);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void InfoCard::hideEvent(QHideEvent* event)
{
    Announced = NoBody;
    QFrame::hideEvent(event);
}

void InfoCard::ShowText(std::uint8_t body)
{
    if (body == Shown) {
        return;
    }
    QString& text = Texts[body];
    if (text.isNull()) {
        text = BodyCardText(body);
    }
    lblName->setText(text.section(QLatin1Char('\n'), 0, 0));
    lblFigures->setText(text.section(QLatin1Char('\n'), 1));
    adjustSize();
    Shown = body;
}

// Below and to the right of the pointer; on the other side where the view
// ends, and against its edges where it is too small for either side.
void InfoCard::PlaceBeside(QPoint pointer)
{
    QRect card(pointer + kOffset, size());
    const QRect view(View.mapToGlobal(QPoint(0, 0)), View.size());
    if (card.right() > view.right()) {
        card.moveRight(pointer.x() - kGap);
    }
    if (card.bottom() > view.bottom()) {
        card.moveBottom(pointer.y() - kGap);
    }
    card.moveLeft(std::max(card.left(), view.left()));
    card.moveTop(std::max(card.top(), view.top()));
    move(card.topLeft());
}

bool InfoCard::eventFilter(QObject* watched, QEvent* event)
{
    const bool viewLeft = watched == &View && event->type() == QEvent::Leave;
    if (viewLeft || event->type() == QEvent::Hide) {
        hide();
    }
    return QFrame::eventFilter(watched, event);
}
