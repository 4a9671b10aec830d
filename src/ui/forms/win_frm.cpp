#include "win_frm.h"

#include <QKeyEvent>

TWinFrm::TWinFrm(QWidget *parent) : TaFrm(parent, Qt::Window)
{
    // A top-level window with a parent is kept above that parent by the window system.
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
}

void TWinFrm::keyPressEvent(QKeyEvent *event)
{
    // Esc closes dialogs only, and Enter that a grid passes on must not press whatever button a dialog would
    // take as its default.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter || event->matches(QKeySequence::Cancel)) {
        QWidget::keyPressEvent(event);
        return;
    }
    TaFrm::keyPressEvent(event);
}
