#pragma once
// The modal dialog with OK, Cancel and Help: OK closes only when the input passes the dialog's checks,
// Cancel and Esc always close. Its border is fixed at the size it first shows with.

#include "a_frm.h"

#include <memory>

class QPushButton;
class TDialogFrame;

class TADlgFrm : public TaFrm
{
    Q_OBJECT

public:
    explicit TADlgFrm(QWidget *parent = nullptr);
    ~TADlgFrm() override;

    // Closing with OK runs CanCloseOk first and stays open when it refuses; closing with Cancel never waits.
    void done(int result) override;

protected:
    QWidget *ClientArea() override;

    // The checks of the input, run when the dialog is asked to close with OK. On wrong input show the
    // message, put the focus on the field concerned and return false: the dialog stays open with what was
    // typed. An error raised here is shown in the information box and keeps the dialog open too.
    virtual bool CanCloseOk() { return true; }

    virtual void OkBtn1Click();
    virtual void CancelBtn1Click();
    virtual void HelpBtn1Click();

    // A button of the dialog's own in the button row, after Help; the dialog connects it.
    QPushButton *AddButton(const QString &objectName, const QString &caption);

    void showEvent(QShowEvent *event) override;
    // Esc presses Cancel; Ctrl+Enter presses OK.
    void keyPressEvent(QKeyEvent *event) override;

    QPushButton *OkBtn1;
    QPushButton *CancelBtn1;
    QPushButton *HelpBtn1;

private:
    std::unique_ptr<TDialogFrame> m_frame;
    bool m_shown = false;
};
