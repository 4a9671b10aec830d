#pragma once
// Base of the in-memory tables that never touch the database (query conditions, depreciation tables,
// stocktaking data): field definitions, then CreateDataSet.

#include "dataset.h"

#include <QObject>

class TQzClientDataSet : public QObject
{
    Q_OBJECT
public:
    explicit TQzClientDataSet(QObject *parent = nullptr);
    ~TQzClientDataSet() override;

    TDataSet *DataSet() const { return m_dataSet; }

    TField *AddField(TFieldType type, const QString &name, bool visible = true,
                     const QString &label = QString());
    // Adds the definition (name, type, size) and its field.
    TField *AddFieldDef(TFieldType type, const QString &name, int size, bool visible,
                        const QString &label = QString());
    TField *AddField(std::unique_ptr<TField> field);
    // Creates the empty in-memory table from the definitions and opens it.
    void CreateDataSet();

private:
    TDataSet *m_dataSet;
};
