#include "dataset_model.h"

TDataSetModel::TDataSetModel(QObject *parent) : QAbstractTableModel(parent) {}

TDataSetModel::~TDataSetModel() = default;

void TDataSetModel::SetDataSet(TDataSet *dataSet)
{
    if (m_dataSet == dataSet)
        return;
    for (const QMetaObject::Connection &connection : m_connections)
        disconnect(connection);
    m_connections.clear();
    m_dataSet = dataSet;
    Connect();
    Reset();
    Q_EMIT DataSetChanged();
    Q_EMIT CurrentRowChanged(CurrentRow());
}

void TDataSetModel::Connect()
{
    if (!m_dataSet)
        return;
    TDataSet *ds = m_dataSet;
    m_connections << connect(ds, &TDataSet::DataReset, this, &TDataSetModel::Reset)
                  << connect(ds, &TDataSet::RowInserted, this, &TDataSetModel::OnRowInserted)
                  << connect(ds, &TDataSet::RowRemoved, this, &TDataSetModel::OnRowRemoved)
                  << connect(ds, &TDataSet::RowChanged, this, &TDataSetModel::OnRowChanged)
                  << connect(ds, &TDataSet::CurrentChanged, this, &TDataSetModel::CurrentRowChanged)
                  << connect(ds, &QObject::destroyed, this, [this] {
                         m_connections.clear();
                         Reset();
                         Q_EMIT DataSetChanged();
                         Q_EMIT CurrentRowChanged(-1);
                     });
}

void TDataSetModel::Reset()
{
    beginResetModel();
    const bool open = m_dataSet && m_dataSet->Active();
    m_rows = open ? m_dataSet->RecordCount() : 0;
    m_columns = m_dataSet ? m_dataSet->FieldCount() : 0;
    endResetModel();
}

void TDataSetModel::OnRowInserted(int row)
{
    if (!m_dataSet || m_dataSet->RecordCount() != m_rows + 1 || row < 0 || row > m_rows) {
        Reset(); // out of step with the data set: start over rather than guess
        return;
    }
    // Until the views have been told, rows read as they were before the data set changed.
    m_insertedRow = row;
    beginInsertRows(QModelIndex(), row, row);
    m_insertedRow = -1;
    ++m_rows;
    endInsertRows();
}

void TDataSetModel::OnRowRemoved(int row)
{
    if (!m_dataSet || m_dataSet->RecordCount() != m_rows - 1 || row < 0 || row >= m_rows) {
        Reset();
        return;
    }
    m_removedRow = row;
    beginRemoveRows(QModelIndex(), row, row);
    m_removedRow = -1;
    --m_rows;
    endRemoveRows();
}

void TDataSetModel::OnRowChanged(int row)
{
    if (row < 0 || row >= m_rows || m_columns == 0)
        return;
    Q_EMIT dataChanged(index(row, 0), index(row, m_columns - 1));
}

TField *TDataSetModel::FieldAt(int column) const
{
    if (!m_dataSet || column < 0 || column >= m_dataSet->FieldCount())
        return nullptr;
    return m_dataSet->Field(column);
}

int TDataSetModel::ColumnOf(const QString &fieldName) const
{
    if (!m_dataSet)
        return -1;
    const TField *field = m_dataSet->FindField(fieldName);
    return field ? field->Index() : -1;
}

int TDataSetModel::CurrentRow() const
{
    if (!m_dataSet || !m_dataSet->Active())
        return -1;
    return m_dataSet->RecNo() - 1;
}

void TDataSetModel::SetCurrentRow(int row)
{
    if (!m_dataSet || !m_dataSet->Active() || row < 0 || row >= m_dataSet->RecordCount())
        return;
    if (row != CurrentRow())
        m_dataSet->SetRecNo(row + 1);
}

int TDataSetModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int TDataSetModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_columns;
}

QVariant TDataSetModel::data(const QModelIndex &index, int role) const
{
    if (!m_dataSet || !index.isValid() || index.row() >= m_rows || index.column() >= m_columns)
        return {};
    int row = index.row();
    if (m_insertedRow >= 0 && row >= m_insertedRow)
        ++row;
    if (m_removedRow >= 0 && row >= m_removedRow) {
        if (row == m_removedRow)
            return {}; // gone from the data set already
        --row;
    }
    switch (role) {
    case Qt::DisplayRole:
        return m_dataSet->RowDisplayText(row, index.column());
    case Qt::TextAlignmentRole:
        return int(m_dataSet->Field(index.column())->Alignment());
    default:
        return {};
    }
}

QVariant TDataSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    const TField *field = section < m_columns ? FieldAt(section) : nullptr;
    return field ? QVariant(field->DisplayLabel()) : QVariant();
}
