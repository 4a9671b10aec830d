#pragma once
// The modal information window with Close and Help; Esc closes it.

#include "a_frm.h"

#include <memory>

class QPushButton;
class TDialogFrame;

class TAInfoDlgFrm : public TaFrm
{
    Q_OBJECT

public:
    // parent: the main window, on which the window is centred.
    explicit TAInfoDlgFrm(QWidget *parent = nullptr);
    ~TAInfoDlgFrm() override;

protected:
    QWidget *ClientArea() override;

    virtual void CloseBtn1Click();
    virtual void HelpBtn1Click();

    void showEvent(QShowEvent *event) override;
    // Esc presses Close.
    void keyPressEvent(QKeyEvent *event) override;

    QPushButton *CloseBtn1;
    QPushButton *HelpBtn1;

private:
    std::unique_ptr<TDialogFrame> m_frame;
    bool m_shown = false;
};
