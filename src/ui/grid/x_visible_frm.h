#pragma once
// The column chooser's base: a list of the columns with a "√" on the shown ones; a click toggles the
// mark and rows can be dragged to another place.

#include "exchange/column_choice.h"
#include "forms/a_frm.h"

#include <memory>

namespace Ui {
class xVisibleFrm;
}
class QLabel;
class QPushButton;
class QTableWidget;

class TxVisibleFrm : public TaFrm
{
    Q_OBJECT

public:
    explicit TxVisibleFrm(QWidget *parent = nullptr);
    ~TxVisibleFrm() override;

    const TColumnChoice &Choice() const { return m_choice; }
    void SetChoice(const TColumnChoice &choice);

protected:
    void StringGrid1Click(int row);
    void StringGrid1RowMoved(int from, int to);
    void StringGrid1SelectCell(int row);
    void UpBtn1Click();
    void DownBtn1Click();
    void keyPressEvent(QKeyEvent *event) override;

    QLabel *Label1() const;
    QTableWidget *StringGrid1() const;
    QPushButton *UpBtn1() const;
    QPushButton *DownBtn1() const;

private:
    void Fill(int selectRow);

    std::unique_ptr<Ui::xVisibleFrm> ui;
    TColumnChoice m_choice;
};
