#include "focus_mover.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace {

// Reaches the window's own tab-order walk (protected in QWidget) through a pointer to member taken in a
// derived class, which the language allows.
struct TFocusAccess : QWidget
{
    static bool FocusNextPrevChild(QWidget *window, bool next)
    {
        bool (QWidget::*walk)(bool) = &TFocusAccess::focusNextPrevChild;
        return (window->*walk)(next);
    }
};

} // namespace

bool IsFocusMoveKey(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    return (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
           (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier);
}

bool MoveFocusFrom(QWidget *widget, bool forward)
{
    return TFocusAccess::FocusNextPrevChild(widget->window(), forward);
}

bool MoveFocusOnEnter(QWidget *widget, const QKeyEvent *event)
{
    if (event->type() != QEvent::KeyPress || !IsFocusMoveKey(event) || widget->isWindow())
        return false;
    MoveFocusFrom(widget, !(event->modifiers() & Qt::ShiftModifier));
    return true;
}

void TEnterFocusMover::Install(QWidget *form)
{
    auto *mover = new TEnterFocusMover(form);
    for (QWidget *child : form->findChildren<QWidget *>())
        child->installEventFilter(mover);
}

TEnterFocusMover::TEnterFocusMover(QWidget *form) : QObject(form), m_form(form) {}

bool TEnterFocusMover::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *widget = qobject_cast<QWidget *>(watched);
        // The drop-down list of a combo box is a window of its own and keeps Enter to pick an entry.
        if (widget && widget->window() == m_form && !qobject_cast<QPushButton *>(widget) &&
            MoveFocusOnEnter(widget, static_cast<QKeyEvent *>(event)))
            return true;
    }
    return QObject::eventFilter(watched, event);
}
