#pragma once
// The sort dialog: the fields of a list in priority order, each with its direction (升序, 降序 or none),
// read from and turned into the sort text the data set sorts by.

#include "exchange/sort_choice.h"
#include "forms/a_frm.h"

#include <memory>

namespace Ui {
class SortFrm;
}
class TDataSet;

class TSortFrm : public TaFrm
{
    Q_OBJECT
    Q_PROPERTY(QString SortString READ SortString WRITE SetSortString)
    Q_PROPERTY(QString SortLabels READ SortLabels)

public:
    explicit TSortFrm(QWidget *parent = nullptr);
    ~TSortFrm() override;

    // Offers the fields of the data set that can be sorted; hidden ones too when asked.
    void SetFields(const TDataSet *dataSet, bool includeHidden);
    QString SortString() const { return m_choice.SortString(); }
    void SetSortString(const QString &text);
    QString SortLabels() const { return m_choice.SortLabels(); }

protected:
    void FormCreate();
    void StringGrid1DblClick();
    void StringGrid1RowMoved(int from, int to);
    void StringGrid1SelectCell(int row);
    void UpBtn1Click();
    void DownBtn1Click();

private:
    void Fill(int selectRow);

    std::unique_ptr<Ui::SortFrm> ui;
    TSortChoice m_choice;
};
