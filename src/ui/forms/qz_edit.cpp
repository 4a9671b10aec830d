#include "qz_edit.h"

#include "focus_mover.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

TqzEdit::TqzEdit(QWidget *parent) : QLineEdit(parent) {}

void TqzEdit::SetAlignment(Qt::Alignment value)
{
    setAlignment((value & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
}

double TqzEdit::AsDouble() const
{
    return EditTextToDouble(text());
}

void TqzEdit::SetAsDouble(double value)
{
    setText(DoubleToEditText(value));
}

int TqzEdit::AsInteger() const
{
    return EditTextToInteger(text());
}

void TqzEdit::SetAsInteger(int value)
{
    setText(IntegerToEditText(value));
}

QVariant TqzEdit::AsDate() const
{
    return EditTextToDate(text());
}

void TqzEdit::SetAsDate(const QVariant &value)
{
    setText(DateToEditText(value));
}

QVariant TqzEdit::AsVariant() const
{
    return EditTextToVariant(text());
}

void TqzEdit::SetAsVariant(const QVariant &value)
{
    setText(VariantToEditText(value));
}

void TqzEdit::keyPressEvent(QKeyEvent *event)
{
    if (m_tabOnEnter && MoveFocusOnEnter(this, event))
        return;
    // Only printable characters are checked: moving the caret, Delete, Tab, Esc and the editing shortcuts
    // keep their usual meaning, and backspace is always allowed.
    const QString typed = event->text();
    const bool isCharacter = typed.size() == 1 && typed.at(0).isPrint() &&
                             !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (isCharacter && !AcceptsKey(m_editType, text(), typed.at(0))) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TqzEdit::inputMethodEvent(QInputMethodEvent *event)
{
    // Text committed by an input method obeys the same rules as typed keys, one character after another.
    if (m_editType != etFree && !event->commitString().isEmpty()) {
        QString result = text();
        for (const QChar ch : event->commitString()) {
            if (!AcceptsKey(m_editType, result, ch)) {
                event->accept();
                return;
            }
            result.append(ch);
        }
    }
    QLineEdit::inputMethodEvent(event);
}

void TqzEdit::focusInEvent(QFocusEvent *event)
{
    if (!m_highlighted) {
        m_highlighted = true;
        m_paletteBeforeEnter = palette();
        QPalette highlighted = palette();
        highlighted.setColor(QPalette::Base, m_colorOnEnter);
        setPalette(highlighted);
    }
    QLineEdit::focusInEvent(event);
}

void TqzEdit::focusOutEvent(QFocusEvent *event)
{
    // A context menu takes the keyboard for a while; the box still counts as focused.
    if (m_highlighted && event->reason() != Qt::PopupFocusReason) {
        m_highlighted = false;
        setPalette(m_paletteBeforeEnter);
    }
    QLineEdit::focusOutEvent(event);
}
