#pragma once
// A non-modal window that floats above the program's main window and frees itself when closed.

#include "a_frm.h"

class TWinFrm : public TaFrm
{
    Q_OBJECT

public:
    // parent: the window this one stays above (the main window), which also frees it at shutdown.
    explicit TWinFrm(QWidget *parent = nullptr);

protected:
    // Esc does not close a table window, and Enter presses no button: those are keys of dialogs only.
    void keyPressEvent(QKeyEvent *event) override;
};
