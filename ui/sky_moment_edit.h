#pragma once

#include <QDateTimeEdit>
#include <QString>

// An editor of a date and time in UTC, in Italian with a calendar popup,
// that cannot leave the span whose planet positions the program computes.
// What is typed is read whole, in the display format (spaces as the user
// likes), not section by section: on Enter or on leaving the field it is
// taken as typed, or refused, the field showing again the moment it had and
// Refused saying why; Enter then goes no further.
class SkyMomentEdit final : public QDateTimeEdit {
    Q_OBJECT

public:
    SkyMomentEdit(QWidget* parent, const QDateTime& start, const QString& accessibleName);

signals:
    void Refused(const QString& reason);

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    QDateTime dateTimeFromText(const QString& text) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void StartTyping();
    bool EndTyping(); // takes or refuses the text typed; false when refused

    bool Typing = false;
};
