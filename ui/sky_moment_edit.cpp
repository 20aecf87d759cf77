#include "sky_moment_edit.h"

#include "sky_moment.h"
#include "texts.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>

#include <variant>

namespace {

// The moment `text` names in `format`, read whole; runs of spaces count as one.
std::variant<QDateTime, MomentRefusal> ReadTypedMoment(const QString& text, const QString& format)
{
    // Without a zone Qt reads local time, which lacks an hour on the day
    // summer time starts: the text is read as UTC, as it is meant.
    const QDateTime moment =
        TextLocale().toDateTime(text.simplified() + QStringLiteral(" Z"), format.simplified() + QStringLiteral(" t"));
    if (!moment.isValid()) {
        return MomentRefusal::NotADate;
    }
    if (!IsInSkyRange(moment)) {
        return MomentRefusal::OutOfRange;
    }
    return moment.toUTC();
}

// A key that edits the text rather than moving between sections or leaving.
bool EditsText(const QKeyEvent& event)
{
    const bool printable = !event.text().isEmpty() && event.text().at(0).isPrint() &&
                           (event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0;
    return printable || event.key() == Qt::Key_Backspace || event.key() == Qt::Key_Delete ||
           event.matches(QKeySequence::Paste) || event.matches(QKeySequence::Cut);
}

bool MovesCaret(const QKeyEvent& event)
{
    const int key = event.key();
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Home || key == Qt::Key_End;
}

} // namespace

SkyMomentEdit::SkyMomentEdit(QWidget* parent, const QDateTime& start, const QString& accessibleName)
    : QDateTimeEdit(parent)
{
    setLocale(TextLocale());
    setTimeSpec(Qt::UTC);
    setCalendarPopup(true);
    calendarWidget()->setLocale(TextLocale());
    setDisplayFormat(MomentEditText::DisplayFormat());
    setDateTimeRange(EarliestSkyMoment(), LatestSkyMoment());
    setDateTime(start.toUTC());
    setAccessibleName(accessibleName);
    setKeyboardTracking(false); // a text half typed changes nothing
}

QValidator::State SkyMomentEdit::validate(QString& input, int&) const
{
    // Anything may stand while typed; only a whole moment of the span is taken.
    return std::holds_alternative<QDateTime>(ReadTypedMoment(input, displayFormat())) ? QValidator::Acceptable
                                                                                      : QValidator::Intermediate;
}

QDateTime SkyMomentEdit::dateTimeFromText(const QString& text) const
{
    const auto moment = ReadTypedMoment(text, displayFormat());
    const QDateTime* read = std::get_if<QDateTime>(&moment);
    return read != nullptr ? *read : dateTime();
}

void SkyMomentEdit::keyPressEvent(QKeyEvent* event)
{
    if (EditsText(*event) || (Typing && MovesCaret(*event))) {
        StartTyping();
        // The line edit's own editing, past QDateTimeEdit's jumps from section to section.
        QAbstractSpinBox::keyPressEvent(event);
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!EndTyping() && enter) {
        event->accept(); // the dialog's default button does not act on a refused date
        return;
    }
    QDateTimeEdit::keyPressEvent(event);
}

void SkyMomentEdit::focusOutEvent(QFocusEvent* event)
{
    EndTyping();
    QDateTimeEdit::focusOutEvent(event);
}

// QDateTimeEdit follows the caret from section to section and, whenever it
// crosses into another, puts back the last moment over a text it cannot
// read: while a date is typed, the line's signals do not reach it.
void SkyMomentEdit::StartTyping()
{
    Typing = true;
    lineEdit()->blockSignals(true);
}

bool SkyMomentEdit::EndTyping()
{
    if (!Typing) {
        return true;
    }
    Typing = false;
    lineEdit()->blockSignals(false);
    const QString typed = lineEdit()->text();
    const auto moment = ReadTypedMoment(typed, displayFormat());
    if (const QDateTime* read = std::get_if<QDateTime>(&moment)) {
        setDateTime(*read); // and shows it in the display format
        return true;
    }
    const QString kept = textFromDateTime(dateTime());
    setDateTime(dateTime()); // shows the moment kept again
    emit Refused(std::get<MomentRefusal>(moment) == MomentRefusal::OutOfRange
                     ? MomentEditText::OutOfSpan(typed, textFromDateTime(EarliestSkyMoment()),
                                                 textFromDateTime(LatestSkyMoment()))
                     : MomentEditText::NotADate(typed, kept));
    return false;
}
