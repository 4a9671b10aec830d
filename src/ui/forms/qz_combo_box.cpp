#include "qz_combo_box.h"

#include "focus_mover.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

const QColor FocusColor(0, 255, 255);
const QColor RestColor(255, 255, 255);

} // namespace

TqzComboBox::TqzComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    // Enter never adds the typed text to the pick list; the list belongs to the settings.
    setInsertPolicy(QComboBox::NoInsert);
    DropCompleter();
    SetBackground(RestColor);
}

void TqzComboBox::keyPressEvent(QKeyEvent *event)
{
    if (MoveFocusOnEnter(this, event))
        return;
    QComboBox::keyPressEvent(event);
}

void TqzComboBox::focusInEvent(QFocusEvent *event)
{
    DropCompleter();
    SetBackground(FocusColor);
    QComboBox::focusInEvent(event);
}

void TqzComboBox::focusOutEvent(QFocusEvent *event)
{
    // The open pick list takes the keyboard for a while; the box still counts as focused.
    if (event->reason() != Qt::PopupFocusReason)
        SetBackground(RestColor);
    QComboBox::focusOutEvent(event);
}

void TqzComboBox::SetBackground(const QColor &color)
{
    // The text field inside the box takes its colours from the box.
    QPalette colors = palette();
    colors.setColor(QPalette::Base, color);
    setPalette(colors);
}

void TqzComboBox::DropCompleter()
{
    if (lineEdit() && completer())
        setCompleter(nullptr);
}
