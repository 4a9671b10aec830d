#pragma once
// The application's data grid: shows a data set through its data source, with a column layout that can be
// saved per list (table syscols), title-click sorting, footer sums, multi-level titles, arrow-key moves and
// the standard pop-up menu (sort, column choice, save layout, export to a spreadsheet or a web page).

#include "data/dataset_model.h"
#include "exchange/grid_column.h"
#include "exchange/grid_sort_marks.h"

#include <QPointer>
#include <QSet>
#include <QTableView>

class TDataSet;
class TqzGridFooter;
class TqzGridHeader;
class TqzPopupMenu;

class TqzDBGrid : public QTableView
{
    Q_OBJECT
    Q_PROPERTY(int LayoutId READ LayoutId WRITE SetLayoutId)
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)

public:
    explicit TqzDBGrid(QWidget *parent = nullptr);
    ~TqzDBGrid() override;

    // The data source: the grid's own one until a window attaches another (not owned); null detaches.
    TDataSetModel *DataSource() const { return m_dataSource; }
    void SetDataSource(TDataSetModel *dataSource);
    // The data set of the data source (null when there is none).
    TDataSet *DataSet() const;
    // Puts a data set into the current data source and builds the default columns.
    void SetDataSet(TDataSet *dataSet);

    // The key of the saved layout; setting it loads that layout at once. 0 when not set.
    int LayoutId() const { return m_layoutId; }
    void SetLayoutId(int layoutId);
    // A window may keep the layout key here instead; saving uses it when LayoutId is not set.
    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }
    // The grid's context menu; windows add their own commands to it (AddMenuItem).
    TqzPopupMenu *PopupMenuQz() const { return m_popupMenu; }

    // True when a data source with an open data set is attached; otherwise says what is missing.
    bool CheckDataReady();

    // Columns, in grid order.
    const TGridColumns &Columns() const { return m_columns; }
    void SetColumns(const TGridColumns &columns);
    int ColumnCount() const { return int(m_columns.size()); }
    const TGridColumn &Column(int index) const { return m_columns.at(index); }
    void SetColumnCaption(int index, const QString &caption);
    void SetColumnVisible(int index, bool visible);
    void SetColumnWidth(int index, int width);
    // One column per visible field of the data set, in field order.
    void BuildDefaultColumns();
    // The position of the column showing the field (the last one), -1 when there is none.
    int FindColumn(const QString &fieldName) const;

    // The footer row; the window turns it on.
    void SetFooterVisible(bool visible);
    bool FooterVisible() const { return m_footerVisible; }
    // The footer cell of the field's column shows the field's sum over all rows.
    void SetSumFooter(const QString &fieldName);
    TqzGridFooter *Footer() const { return m_footer; }
    TqzGridHeader *Header() const { return m_header; }

    QString GetLayoutText() const;
    void ApplyLayoutText(const QString &text);
    void LoadLayout(int layoutId);
    virtual bool SaveLayout(int layoutId);

    virtual void ExportToExcel();
    virtual void ExportToHtml();

    // Commands of the pop-up menu.
    void SortClick();
    virtual void SaveToExcelClick();
    virtual void SaveToHtmlClick();
    virtual void SaveLayoutClick();
    virtual void PickColumnsClick();
    // Shows the pop-up menu under the sender (the windows' "功能 ▼" buttons).
    void PopupButtonClick(QWidget *sender);

    // Title click on a column (by grid position): steps its sort marker and sorts the data set.
    void TitleClick(int column);
    const TGridSortMarks &SortMarks() const { return m_sortMarks; }
    // The grid column of the current cell, -1 when there is none.
    int SelectedColumn() const;
    void SetSelectedColumn(int column);

Q_SIGNALS:
    // Every key the grid receives, after its own handling (the window's key-down event).
    void KeyDown(int key, Qt::KeyboardModifiers modifiers);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void updateGeometries() override;

private:
    void BuildPopupMenu();
    void AttachModel();
    void ApplyColumnsToView();
    void ReadOrderFromView();
    void OnSectionResized(int logical, int oldSize, int newSize);
    void OnSectionClicked(int logical);
    void FollowCurrentRow(int row);
    void RefreshFooter();
    void RefreshMarkers();
    void SyncMarksWithSort();
    int ModelColumn(const TGridColumn &column) const;
    int GridColumnOfSection(int logical) const;
    int CharWidth() const;

    TDataSetModel *m_ownDataSource;
    QPointer<TDataSetModel> m_dataSource;
    QList<QMetaObject::Connection> m_sourceConnections;
    TqzGridHeader *m_header;
    TqzGridFooter *m_footer;
    TqzPopupMenu *m_popupMenu;
    TGridColumns m_columns;
    TGridSortMarks m_sortMarks;
    QStringList m_sumFields;
    int m_selectedLogical = -1; // the current column while there is no current cell
    int m_layoutId = 0;
    int m_tag = 0;
    bool m_footerVisible = false;
    bool m_applying = false;  // pushing the columns into the view
    bool m_following = false; // moving the view to the data set's row
    bool m_inGeometries = false;
};
