#include "dialog_frame.h"

#include <QDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TDialogFrame::TDialogFrame(QDialog *dialog) : m_dialog(dialog)
{
    auto *layout = new QVBoxLayout(dialog);
    m_clientArea = new QWidget(dialog);
    layout->addWidget(m_clientArea, 1);

    m_bevel = new QFrame(dialog);
    m_bevel->setObjectName(QStringLiteral("Bevel1"));
    m_bevel->setFrameShape(QFrame::HLine);
    m_bevel->setFrameShadow(QFrame::Sunken);
    layout->addWidget(m_bevel);

    m_buttonRow = new QHBoxLayout;
    m_buttonRow->addStretch(1);
    layout->addLayout(m_buttonRow);
}

QPushButton *TDialogFrame::AddButton(const QString &objectName, const QString &caption)
{
    auto *button = new QPushButton(caption, m_dialog);
    button->setObjectName(objectName);
    // Enter presses a button only while it has the focus; in a field Enter moves on.
    button->setAutoDefault(true);
    button->setDefault(false);
    m_buttonRow->addWidget(button);
    m_buttons.append(button);
    return button;
}

QWidget *TDialogFrame::Field(QWidget *w) const
{
    if (w->focusPolicy() == Qt::NoFocus || !m_clientArea->isAncestorOf(w))
        return nullptr;
    // The text field inside a drop-down field or a date picker stands for the whole control.
    while (w->parentWidget() != m_clientArea && w->parentWidget()->focusPolicy() != Qt::NoFocus)
        w = w->parentWidget();
    return w;
}

void TDialogFrame::ArrangeTabOrder()
{
    // The focus chain is a ring through the window; the buttons go right after the last field of the
    // dialog's own, which makes the ring field, ..., field, OK, Cancel, Help, field, ...
    QWidget *last = nullptr;
    for (QWidget *w = m_dialog->previousInFocusChain(); w != m_dialog && !last; w = w->previousInFocusChain())
        last = Field(w);
    if (!last)
        return;
    QWidget *previous = last;
    for (QPushButton *button : std::as_const(m_buttons)) {
        QWidget::setTabOrder(previous, button);
        previous = button;
    }
    // Where the ring starts is where the focus goes first: at the first field, unless the dialog chose one.
    if (!m_dialog->focusWidget()) {
        for (QWidget *w = m_dialog->nextInFocusChain(); w != m_dialog; w = w->nextInFocusChain()) {
            if (QWidget *first = Field(w); first && first->isEnabled() && first->isVisibleTo(m_dialog)) {
                first->setFocus(Qt::TabFocusReason);
                break;
            }
        }
    }
}
