#include "qz_db_grid.h"

#include "data/dataset_model.h"
#include "eh_visible_frm.h"
#include "exchange/export_table.h"
#include "exchange/grid_footer.h"
#include "exchange/grid_layout.h"
#include "exchange/grid_layout_store.h"
#include "exchange/html_export.h"
#include "exchange/xlsx_export.h"
#include "forms/popup_menu.h"
#include "grid_footer_bar.h"
#include "grid_header.h"
#include "sort_frm.h"
#include "support/action.h"
#include "support/errors.h"
#include "support/interaction.h"
#include "support/messages.h"
#include "users/operator.h"
#include "users/rights.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTemporaryFile>

TqzDBGrid::TqzDBGrid(QWidget *parent)
    : QTableView(parent), m_ownDataSource(new TDataSetModel(this)), m_header(new TqzGridHeader(this)),
      m_popupMenu(new TqzPopupMenu(this))
{
    setHorizontalHeader(m_header);
    // A title click sorts; it does not select the column.
    disconnect(m_header, &QHeaderView::sectionPressed, this, &QTableView::selectColumn);
    disconnect(m_header, SIGNAL(sectionEntered(int)), this, SLOT(_q_selectColumn(int)));
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    m_footer = new TqzGridFooter(m_header, this);
    m_footer->hide();
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, m_footer, qOverload<>(&QWidget::update));

    connect(m_header, &QHeaderView::sectionResized, this, &TqzDBGrid::OnSectionResized);
    connect(m_header, &QHeaderView::sectionMoved, this, [this] { ReadOrderFromView(); });
    connect(m_header, &QHeaderView::sectionClicked, this, &TqzDBGrid::OnSectionClicked);

    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { m_popupMenu->popup(viewport()->mapToGlobal(pos)); });
    BuildPopupMenu();
    SetDataSource(m_ownDataSource);
}

TqzDBGrid::~TqzDBGrid()
{
    // The own data source dies with the grid's children, after this destructor: it must not call back.
    for (const QMetaObject::Connection &connection : std::as_const(m_sourceConnections))
        disconnect(connection);
}

void TqzDBGrid::BuildPopupMenu()
{
    AddMenuItem(m_popupMenu, QStringLiteral("排序"), false, [this](const QVariant &) { SortClick(); });
    AddMenuItem(m_popupMenu, QStringLiteral("-"), false);
    AddMenuItem(m_popupMenu, QStringLiteral("列选择"), false,
                [this](const QVariant &) { PickColumnsClick(); });
    AddMenuItem(m_popupMenu, QStringLiteral("保存表格样式"), false,
                [this](const QVariant &) { SaveLayoutClick(); });
    AddMenuItem(m_popupMenu, QStringLiteral("-"), false);
    AddMenuItem(m_popupMenu, QStringLiteral("导出到Excel文档"), false,
                [this](const QVariant &) { SaveToExcelClick(); });
    AddMenuItem(m_popupMenu, QStringLiteral("导出到Html网页文件"), false,
                [this](const QVariant &) { SaveToHtmlClick(); });
}

// ---- data source ----

void TqzDBGrid::SetDataSource(TDataSetModel *dataSource)
{
    for (const QMetaObject::Connection &connection : m_sourceConnections)
        disconnect(connection);
    m_sourceConnections.clear();
    m_dataSource = dataSource;
    setModel(dataSource);
    AttachModel();
    m_columns.clear();
    BuildDefaultColumns();
}

void TqzDBGrid::AttachModel()
{
    TDataSetModel *source = m_dataSource;
    if (!source)
        return;
    m_sourceConnections << connect(source, &QAbstractItemModel::modelReset, this,
                                   [this] {
                                       // The title row forgets its sections on a reset; lists opened after
                                       // the grid was made get their default columns now.
                                       if (m_columns.isEmpty())
                                           BuildDefaultColumns();
                                       else
                                           ApplyColumnsToView();
                                       FollowCurrentRow(m_dataSource ? m_dataSource->CurrentRow() : -1);
                                   })
                        << connect(source, &QAbstractItemModel::rowsInserted, this, &TqzDBGrid::RefreshFooter)
                        << connect(source, &QAbstractItemModel::rowsRemoved, this, &TqzDBGrid::RefreshFooter)
                        << connect(source, &QAbstractItemModel::dataChanged, this, &TqzDBGrid::RefreshFooter)
                        << connect(source, &TDataSetModel::CurrentRowChanged, this,
                                   &TqzDBGrid::FollowCurrentRow)
                        << connect(source, &TDataSetModel::DataSetChanged, this,
                                   [this] {
                                       // another list: its own default columns
                                       m_columns.clear();
                                       BuildDefaultColumns();
                                   })
                        << connect(source, &QObject::destroyed, this, [this] {
                               if (m_dataSource == nullptr)
                                   SetDataSource(nullptr);
                           });
}

TDataSet *TqzDBGrid::DataSet() const
{
    return m_dataSource ? m_dataSource->DataSet() : nullptr;
}

void TqzDBGrid::SetDataSet(TDataSet *dataSet)
{
    if (!m_dataSource)
        SetDataSource(m_ownDataSource);
    m_dataSource->SetDataSet(dataSet); // the data source's change builds the default columns
}

bool TqzDBGrid::CheckDataReady()
{
    if (!m_dataSource) {
        ShowInfo(QStringLiteral("系统错误: 没有为DBGrid指定DataSource对象,请与作者联系!"));
        return false;
    }
    if (!DataSet()) {
        ShowInfo(QStringLiteral("系统错误: 没有为DBGrid.DataSource指定DataSet对象,请与作者联系!"));
        return false;
    }
    if (!DataSet()->Active()) {
        ShowInfo(QStringLiteral("系统提示: 请先打开数据再操作!"));
        return false;
    }
    return true;
}

// ---- columns ----

int TqzDBGrid::CharWidth() const
{
    return fontMetrics().horizontalAdvance(QLatin1Char('0'));
}

int TqzDBGrid::ModelColumn(const TGridColumn &column) const
{
    return m_dataSource ? m_dataSource->ColumnOf(column.FieldName) : -1;
}

int TqzDBGrid::GridColumnOfSection(int logical) const
{
    for (qsizetype i = m_columns.size() - 1; i >= 0; --i) {
        if (ModelColumn(m_columns.at(i)) == logical)
            return int(i);
    }
    return -1;
}

void TqzDBGrid::BuildDefaultColumns()
{
    m_columns = DefaultGridColumns(DataSet(), CharWidth());
    SyncMarksWithSort();
    ApplyColumnsToView();
}

void TqzDBGrid::SetColumns(const TGridColumns &columns)
{
    m_columns = columns;
    ApplyColumnsToView();
}

void TqzDBGrid::SetColumnCaption(int index, const QString &caption)
{
    if (index < 0 || index >= ColumnCount())
        return;
    m_columns[index].Caption = caption;
    ApplyColumnsToView();
}

void TqzDBGrid::SetColumnVisible(int index, bool visible)
{
    if (index < 0 || index >= ColumnCount())
        return;
    m_columns[index].Visible = visible;
    ApplyColumnsToView();
}

void TqzDBGrid::SetColumnWidth(int index, int width)
{
    if (index < 0 || index >= ColumnCount())
        return;
    m_columns[index].Width = std::max(width, 0);
    ApplyColumnsToView();
}

int TqzDBGrid::FindColumn(const QString &fieldName) const
{
    return FindGridColumn(m_columns, fieldName);
}

void TqzDBGrid::ApplyColumnsToView()
{
    m_applying = true;
    const int sections = m_dataSource ? m_dataSource->columnCount() : 0;
    QList<bool> used(sections, false);
    QHash<int, QString> captions;
    int visual = 0;
    for (const TGridColumn &column : std::as_const(m_columns)) {
        const int logical = ModelColumn(column);
        if (logical < 0 || logical >= sections || used.at(logical))
            continue; // a field the data set does not have, or a second column of one field
        used[logical] = true;
        m_header->moveSection(m_header->visualIndex(logical), visual++);
        setColumnHidden(logical, !column.Visible);
        m_header->resizeSection(logical, column.Width);
        captions.insert(logical, column.Caption);
    }
    for (int logical = 0; logical < sections; ++logical) {
        if (!used.at(logical))
            setColumnHidden(logical, true);
    }
    m_applying = false;
    m_header->SetCaptions(captions);
    RefreshMarkers();
    RefreshFooter();
    updateGeometries();
}

void TqzDBGrid::ReadOrderFromView()
{
    if (m_applying)
        return;
    // The user dragged a title: the columns take the order the title row shows.
    std::stable_sort(m_columns.begin(), m_columns.end(), [this](const TGridColumn &a, const TGridColumn &b) {
        const int la = ModelColumn(a);
        const int lb = ModelColumn(b);
        const int va = la < 0 ? INT_MAX : m_header->visualIndex(la);
        const int vb = lb < 0 ? INT_MAX : m_header->visualIndex(lb);
        return va < vb;
    });
    ApplyColumnsToView();
}

void TqzDBGrid::OnSectionResized(int logical, int, int newSize)
{
    if (m_applying || m_header->isSectionHidden(logical))
        return;
    const int column = GridColumnOfSection(logical);
    if (column >= 0)
        m_columns[column].Width = newSize;
}

// ---- footer ----

void TqzDBGrid::SetFooterVisible(bool visible)
{
    m_footerVisible = visible;
    m_footer->setVisible(visible);
    RefreshFooter();
    updateGeometries();
}

void TqzDBGrid::SetSumFooter(const QString &fieldName)
{
    if (!m_sumFields.contains(fieldName, Qt::CaseInsensitive))
        m_sumFields.append(fieldName);
    RefreshFooter();
}

void TqzDBGrid::RefreshFooter()
{
    if (!m_footerVisible)
        return;
    QHash<int, QString> texts;
    QHash<int, Qt::Alignment> alignments;
    TDataSet *ds = DataSet();
    for (const QString &fieldName : std::as_const(m_sumFields)) {
        const int column = FindColumn(fieldName);
        if (column < 0)
            continue;
        const int logical = ModelColumn(m_columns.at(column));
        if (logical < 0)
            continue;
        texts.insert(logical, FooterSumText(ds, fieldName));
        alignments.insert(logical, m_dataSource->FieldAt(logical)->Alignment());
    }
    m_footer->SetTexts(texts, alignments);
}

void TqzDBGrid::updateGeometries()
{
    QTableView::updateGeometries();
    if (!m_footer)
        return;
    // The footer takes a strip under the rows; the rows' area shrinks by it so scrolling still reaches the
    // last row. Changing the margin resizes the viewport, which comes back here once more.
    const int footerHeight = m_footerVisible ? m_footer->sizeHint().height() : 0;
    QMargins margins = viewportMargins();
    if (margins.bottom() != footerHeight) {
        margins.setBottom(footerHeight);
        setViewportMargins(margins);
    }
    if (m_footerVisible) {
        const QRect rows = viewport()->geometry();
        m_footer->setGeometry(rows.left() - margins.left(), rows.bottom() + 1, rows.width() + margins.left(),
                              footerHeight);
        m_footer->SetLeadWidth(margins.left());
        m_footer->raise();
    }
}

// ---- layout ----

QString TqzDBGrid::GetLayoutText() const
{
    return ::GetLayoutText(m_columns);
}

void TqzDBGrid::ApplyLayoutText(const QString &text)
{
    m_columns = DefaultGridColumns(DataSet(), CharWidth());
    ::ApplyLayoutText(m_columns, text);
    SyncMarksWithSort();
    ApplyColumnsToView();
}

void TqzDBGrid::LoadLayout(int layoutId)
{
    ApplyLayoutText(LoadLayoutText(layoutId));
}

bool TqzDBGrid::SaveLayout(int layoutId)
{
    return SaveLayoutText(layoutId, GetLayoutText());
}

void TqzDBGrid::SetLayoutId(int layoutId)
{
    m_layoutId = layoutId;
    LoadLayout(layoutId);
}

// ---- sorting ----

void TqzDBGrid::SyncMarksWithSort()
{
    TDataSet *ds = DataSet();
    m_sortMarks = TGridSortMarks::FromSortText(ds ? ds->Sort() : QString(),
                                               [this](const QString &name) { return FindColumn(name) >= 0; });
    RefreshMarkers();
}

void TqzDBGrid::RefreshMarkers()
{
    QHash<int, QPair<TSortMarker, int>> markers;
    const QList<TGridSortMarks::TMark> &marks = m_sortMarks.Marks();
    for (qsizetype i = 0; i < marks.size(); ++i) {
        const int column = FindColumn(marks.at(i).FieldName);
        if (column < 0)
            continue;
        const int logical = ModelColumn(m_columns.at(column));
        if (logical >= 0)
            markers.insert(logical, {marks.at(i).Marker, int(i)});
    }
    m_header->SetMarkers(markers);
}

void TqzDBGrid::OnSectionClicked(int logical)
{
    const int column = GridColumnOfSection(logical);
    if (column >= 0)
        RunAction([this, column] { TitleClick(column); });
}

void TqzDBGrid::TitleClick(int column)
{
    TDataSet *ds = DataSet();
    if (!ds || !ds->Active() || column < 0 || column >= ColumnCount() || !m_columns.at(column).TitleButton)
        return;
    const TGridSortMarks before = m_sortMarks;
    m_sortMarks.Cycle(m_columns.at(column).FieldName);
    try {
        ds->SetSort(m_sortMarks.SortText());
    } catch (...) {
        m_sortMarks = before;
        throw;
    }
    RefreshMarkers();
}

void TqzDBGrid::SortClick()
{
    if (!CheckDataReady())
        return;
    TDataSet *ds = DataSet();
    TSortFrm frm(window());
    frm.SetFields(ds, true);
    frm.SetSortString(ds->Sort());
    if (Interaction().ExecDialog(&frm) != QDialog::Accepted)
        return;
    ds->SetSort(frm.SortString());
    SyncMarksWithSort();
}

// ---- commands ----

void TqzDBGrid::PickColumnsClick()
{
    CurrentOperator().CheckRight(Right::ColumnChoice, true);
    TehVisibleFrm frm(this);
    if (Interaction().ExecDialog(&frm) == QDialog::Accepted)
        frm.ApplyToGrid();
}

void TqzDBGrid::SaveLayoutClick()
{
    CurrentOperator().CheckRight(Right::ColumnLayoutSave, true);
    if (SaveLayout(m_layoutId > 0 ? m_layoutId : m_tag))
        ShowInfo(QStringLiteral("列样式保存成功."));
    else
        ShowInfo(QStringLiteral("列样式保存失败."));
}

void TqzDBGrid::SaveToExcelClick()
{
    CurrentOperator().CheckRight(Right::Export, true);
    ExportToExcel();
}

void TqzDBGrid::SaveToHtmlClick()
{
    CurrentOperator().CheckRight(Right::Export, true);
    ExportToHtml();
}

void TqzDBGrid::PopupButtonClick(QWidget *sender)
{
    if (sender)
        m_popupMenu->popup(sender->mapToGlobal(QPoint(0, sender->height())));
}

void TqzDBGrid::ExportToExcel()
{
    // The workbook goes to a file of its own that the spreadsheet program opens; it stays for the user.
    QTemporaryFile file(QDir::temp().filePath(QStringLiteral("lanshi-XXXXXX.xlsx")));
    file.setAutoRemove(false);
    if (!file.open())
        throw Exception(QStringLiteral("无法创建临时文件:\r\n%1").arg(file.errorString()));
    const QString path = file.fileName();
    file.close();
    WriteXlsxExport(path, ReadExportTable(DataSet(), m_columns));
    if (!Interaction().OpenDocument(path)) {
        TMessageRequest request;
        request.Kind = TMsgKind::Error;
        request.Caption = ErrorCaption;
        request.Text = QStringLiteral("Excel 没有正确安装!");
        request.Buttons = int(TMsgButton::Ok);
        Interaction().MessageBox(request);
    }
}

void TqzDBGrid::ExportToHtml()
{
    QString path = Interaction().SaveFileName(QString(), QString(),
                                              QStringLiteral("网页文件(*.htm;*.html)|*.htm;*.html"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".html");
    WriteHtmlExport(path, ReadExportTable(DataSet(), m_columns));
    TMessageRequest request;
    request.Kind = TMsgKind::Question;
    request.Caption = ConfirmCaption;
    request.Text = QStringLiteral("\r\n导出成功,是否现在就打开?    ");
    request.Buttons = int(TMsgButton::Ok) | int(TMsgButton::Cancel);
    request.DefaultButton = TMsgButton::Ok;
    if (Interaction().MessageBox(request) == TMsgButton::Ok)
        Interaction().OpenDocument(path);
}

// ---- cursor and keys ----

void TqzDBGrid::FollowCurrentRow(int row)
{
    if (m_following || !m_dataSource)
        return;
    m_following = true;
    if (row < 0 || row >= m_dataSource->rowCount()) {
        selectionModel()->clearCurrentIndex();
    } else if (currentIndex().row() != row || !currentIndex().isValid()) {
        int logical = currentIndex().isValid() ? currentIndex().column() : -1;
        if (logical < 0 || isColumnHidden(logical)) {
            const int column = SelectedColumn();
            logical = column >= 0 && m_columns.at(column).Visible ? ModelColumn(m_columns.at(column)) : -1;
        }
        if (logical < 0 || isColumnHidden(logical)) {
            logical = -1;
            for (const TGridColumn &column : std::as_const(m_columns)) {
                if (column.Visible && ModelColumn(column) >= 0) {
                    logical = ModelColumn(column);
                    break;
                }
            }
        }
        if (logical >= 0) {
            const QModelIndex index = m_dataSource->index(row, logical);
            QItemSelectionModel::SelectionFlags command = QItemSelectionModel::ClearAndSelect;
            if (selectionBehavior() == QAbstractItemView::SelectRows)
                command |= QItemSelectionModel::Rows;
            selectionModel()->setCurrentIndex(index, command);
            scrollTo(index);
        }
    }
    m_following = false;
}

void TqzDBGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (current.isValid())
        m_selectedLogical = current.column();
    if (m_following || !current.isValid() || !m_dataSource || current.row() == m_dataSource->CurrentRow())
        return;
    const int row = current.row();
    if (!RunAction([this, row] { m_dataSource->SetCurrentRow(row); })) {
        // The data set could not move (a pending edit failed): put the view back on its row.
        QMetaObject::invokeMethod(
            this, [this] { FollowCurrentRow(m_dataSource ? m_dataSource->CurrentRow() : -1); },
            Qt::QueuedConnection);
    }
}

int TqzDBGrid::SelectedColumn() const
{
    const int logical = currentIndex().isValid() ? currentIndex().column() : m_selectedLogical;
    return logical < 0 ? -1 : GridColumnOfSection(logical);
}

void TqzDBGrid::SetSelectedColumn(int column)
{
    if (column < 0 || column >= ColumnCount())
        return;
    const int logical = ModelColumn(m_columns.at(column));
    if (logical < 0)
        return;
    m_selectedLogical = logical;
    const int row =
        currentIndex().isValid() ? currentIndex().row() : (m_dataSource ? m_dataSource->CurrentRow() : -1);
    if (row < 0)
        return;
    const QModelIndex index = m_dataSource->index(row, logical);
    m_following = true;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    m_following = false;
    scrollTo(index);
}

void TqzDBGrid::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
        // The nearest shown column before or after the selected one; nothing at either end.
        const int selected = SelectedColumn();
        const int step = key == Qt::Key_Left ? -1 : 1;
        for (int column = selected + step; selected >= 0 && column >= 0 && column < ColumnCount();
             column += step) {
            if (m_columns.at(column).Visible && ModelColumn(m_columns.at(column)) >= 0) {
                SetSelectedColumn(column);
                break;
            }
        }
        event->accept();
        break;
    }
    case Qt::Key_Up:
    case Qt::Key_Down: {
        TDataSet *ds = DataSet();
        if (ds && ds->Active())
            RunAction([ds, key] { key == Qt::Key_Up ? ds->Prior() : ds->Next(); });
        event->accept();
        break;
    }
    default:
        QTableView::keyPressEvent(event);
        break;
    }
    Q_EMIT KeyDown(key, modifiers);
}
