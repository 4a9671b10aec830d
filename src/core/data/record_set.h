#pragma once
// Base of every table wrapper: one data set filled from a query, with fields declared in code. Reads go
// through record sets; writes are explicit statements, mirrored in the cached rows by the caller.

#include "database.h"
#include "dataset.h"

#include <QObject>

class TRecordSet : public QObject
{
    Q_OBJECT
public:
    // Owned by parent when given (the form that creates it), otherwise by its creator.
    explicit TRecordSet(QObject *parent = nullptr);
    ~TRecordSet() override;

    TDataSet *DataSet() const { return m_dataSet; }
    const QString &SqlText() const { return m_sqlText; }

    // Opens the data set with the statement and returns its record count. A failing statement shows
    // "SQL语句错误,原文如下:…" and then raises the closed-data-set error.
    int Query(const QString &sql, const TDBParameters &params = {});
    // Declares a field; size -1 keeps the type's default width.
    TField *AddField(TFieldType type, const QString &name, int size = -1, bool visible = true,
                     const QString &label = QString());
    // Declares a field made by the caller (a lookup field, a field with its own behaviour).
    TField *AddField(std::unique_ptr<TField> field);
    // The values of field joined by separator, from the first row on (the cursor ends after the last row);
    // `result` unchanged when the data set is closed or empty.
    QString JoinValues(TField *field, const QString &separator, const QString &result = QString()) const;
    // Reopens with the same statement and parameter values.
    void Refresh();
    // Shows "数据集为空, 不能进行操作." and returns true when there are no rows.
    bool CheckEmpty() const;

    // Deletes the current cached row; table wrappers that own rows first delete them in the database.
    virtual void Delete();
    // Deletes every cached row, one by one.
    void Clear();

private:
    TDataSet *m_dataSet;
    QString m_sqlText;
    TDBParameters m_params;
    bool m_declared = false; // fields declared in code; otherwise made from each result
};

// The shared scratch record set for one-off queries; each query replaces the previous result.
TRecordSet &GlobalRecordSet();
