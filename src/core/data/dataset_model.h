#pragma once
// The one table model over a TDataSet: a column per field in field order, a row per visible row, the
// current row of the data set; views decide which columns they show.

#include "dataset.h"

#include <QAbstractTableModel>
#include <QPointer>

class TDataSetModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // The data set is not owned; the model lets go of it when it is destroyed.
    explicit TDataSetModel(QObject *parent = nullptr);
    ~TDataSetModel() override;

    TDataSet *DataSet() const { return m_dataSet; }
    void SetDataSet(TDataSet *dataSet);
    // The field shown in a model column; null when out of range or without a data set.
    TField *FieldAt(int column) const;
    // The model column of the field, -1 when there is none.
    int ColumnOf(const QString &fieldName) const;

    // The data set's current row (0-based), -1 when closed or empty.
    int CurrentRow() const;
    // Moves the data set's cursor; a pending edit is posted and may throw.
    void SetCurrentRow(int row);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

Q_SIGNALS:
    // The data set's cursor moved to row (-1 when there is none).
    void CurrentRowChanged(int row);
    // Another data set was attached (or none).
    void DataSetChanged();

private:
    void Connect();
    void Reset();
    void OnRowInserted(int row);
    void OnRowRemoved(int row);
    void OnRowChanged(int row);

    QPointer<TDataSet> m_dataSet;
    QList<QMetaObject::Connection> m_connections;
    // Counts as last announced to the views, so they stay consistent between the data set's change and
    // the model's notification.
    int m_rows = 0;
    int m_columns = 0;
    int m_insertedRow = -1; // while the views hear of an inserted or removed row
    int m_removedRow = -1;
};
