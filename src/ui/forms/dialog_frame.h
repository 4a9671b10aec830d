#pragma once
// The frame the program's dialogs share: their own controls on top, a bottom line, then the buttons
// right-aligned at the bottom.

#include <QList>
#include <QString>

class QDialog;
class QFrame;
class QHBoxLayout;
class QPushButton;
class QWidget;

class TDialogFrame
{
public:
    // Lays out dialog (which owns every widget made here).
    explicit TDialogFrame(QDialog *dialog);

    QWidget *ClientArea() const { return m_clientArea; }
    // Appends a button to the right-aligned row.
    QPushButton *AddButton(const QString &objectName, const QString &caption);
    // The buttons were made before the dialog's own controls: this puts them after those in tab order, and
    // gives the first field the focus unless the dialog put it somewhere.
    void ArrangeTabOrder();

private:
    // The control of the dialog's own that w belongs to, or null.
    QWidget *Field(QWidget *w) const;

    QDialog *m_dialog;
    QWidget *m_clientArea;
    QFrame *m_bevel;
    QHBoxLayout *m_buttonRow;
    QList<QPushButton *> m_buttons;
};
