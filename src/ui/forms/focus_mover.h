#pragma once
// Enter moves the focus to the next field in tab order and Shift+Enter to the previous one: the keyboard rule
// of the program's input controls, and of forms that give it to all their fields.

#include <QObject>

class QKeyEvent;
class QWidget;

// Enter or Return, alone or with Shift (the keypad flag aside).
bool IsFocusMoveKey(const QKeyEvent *event);

// Moves the focus from the focused field of widget's window to the next field in tab order, or the previous
// one; true when it moved.
bool MoveFocusFrom(QWidget *widget, bool forward);

// For Enter or Shift+Enter in a widget that belongs to a window: moves the focus forwards, or backwards with
// Shift, and returns true so the caller drops the key.
bool MoveFocusOnEnter(QWidget *widget, const QKeyEvent *event);

// Gives the fields of a form built from plain controls the same Enter rule; push buttons keep Enter.
class TEnterFocusMover : public QObject
{
    Q_OBJECT

public:
    // Watches the controls form has now; the mover belongs to form.
    static void Install(QWidget *form);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit TEnterFocusMover(QWidget *form);

    QWidget *m_form;
};
