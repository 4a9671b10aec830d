#pragma once
// The one in-memory dataset engine: typed fields, rows, a cursor, browse/edit/insert states with an edit
// buffer, locate, filter, in-memory sort and change notifications for the grid's model adapter.

#include "field.h"

#include <deque>
#include <functional>
#include <memory>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QVariantList>
#include <vector>

enum class TDataSetState
{
    Inactive,
    Browse,
    Edit,
    Insert,
    CalcFields
};

enum class TLocateOption
{
    None = 0,
    CaseInsensitive = 1,
    PartialKey = 2
};
Q_DECLARE_FLAGS(TLocateOptions, TLocateOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TLocateOptions)

// The values of many rows in one allocation; large blocks are mapped with their pages made present in one
// call rather than one page fault at a time.
class TValueBlock
{
public:
    explicit TValueBlock(size_t count);
    TValueBlock(TValueBlock &&other) noexcept;
    TValueBlock &operator=(TValueBlock &&) = delete;
    ~TValueBlock();
    QVariant *Data() const { return m_data; }

private:
    QVariant *m_data = nullptr;
    size_t m_count = 0;
    bool m_mapped = false;
};

class TDataSet : public QObject
{
    Q_OBJECT
public:
    explicit TDataSet(QObject *parent = nullptr);
    ~TDataSet() override;

    // Fields. Fields are added while the data set is closed; the data set owns them.
    TField *AddField(std::unique_ptr<TField> field);
    TField *AddField(const QString &name, TFieldType type, int size = 0, TFieldKind kind = TFieldKind::Data);
    void RemoveAllFields();
    int FieldCount() const { return int(m_fields.size()); }
    TField *Field(int index) const { return m_fields.at(size_t(index)).get(); }
    TField *FindField(const QString &name) const;
    // Throws EDatabaseError when there is no such field.
    TField *FieldByName(const QString &name) const;
    QStringList FieldNames() const;

    // Opening and closing. Open gives an empty table; BeginLoad … EndLoad fills it.
    void Open();
    void Close();
    bool Active() const { return m_state != TDataSetState::Inactive; }
    TDataSetState State() const { return m_state; }
    // Bulk loading: BeginLoad drops every row; AppendLoadedRow adds a row and returns its value slots, one
    // per field in field order, for the caller to fill with stored values (Coerce'd); EndLoad calculates the
    // calculated fields and opens the data set on the first row.
    void BeginLoad(qsizetype expectedRows = 0);
    QVariant *AppendLoadedRow();
    void EndLoad();
    // Deletes every row.
    void EmptyDataSet();

    // Navigation over the visible rows (filter and sort applied). RecNo is 1-based, 0 when empty.
    int RecordCount() const { return int(m_view.size()); }
    bool IsEmpty() const { return m_view.empty(); }
    int RecNo() const { return m_current + 1; }
    void SetRecNo(int recNo);
    bool Bof() const { return m_bof; }
    bool Eof() const { return m_eof; }
    void First();
    void Last();
    void Next();
    void Prior();

    // Editing: the row is changed in a buffer that Post writes and Cancel drops. Moving the cursor posts.
    void Edit();
    void Append();
    void Insert();
    void Post();
    void Cancel();
    void Delete();
    // Posts a pending edit or insert.
    void CheckBrowseMode();

    // Finds the first visible row whose fields ("A;B") equal the values and makes it current.
    bool Locate(const QString &keyFields, const QVariantList &values, TLocateOptions options = {});
    // The value of resultField in the first row whose keyFields equal values; null when there is none.
    QVariant Lookup(const QString &keyFields, const QVariantList &values, const QString &resultField) const;

    // Filter: a text such as "Kind = '电脑' and Qty > 1" (=, <>, <, >, <=, >=, is null, and, or, not,
    // parentheses), and/or a predicate over the current row. Throws EDatabaseError on a malformed text.
    void SetFilterText(const QString &filter);
    const QString &FilterText() const { return m_filterText; }
    void SetFilterFunction(std::function<bool(const TDataSet &)> filter);
    void SetFiltered(bool filtered);
    bool Filtered() const { return m_filtered; }

    // In-memory sort by a text such as "Name DESC , Code" or "Name ASC,Code DESC"; empty restores load order.
    void SetSort(const QString &sortText);
    const QString &Sort() const { return m_sortText; }

    // Calculated fields: the handler sets them for the row being calculated (on load, post and recalc).
    void SetOnCalcFields(std::function<void(TDataSet &)> handler) { m_onCalcFields = std::move(handler); }
    // Recalculates calculated and lookup fields of every row (after a lookup table changed).
    void RefreshCalcFields();

    // Attached views stop following the data set until EnableControls balances every DisableControls.
    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return m_disableCount > 0; }

    // Row access for views, by position among the visible rows (the edit buffer for the current row).
    QVariant RowValue(int row, int fieldIndex) const;
    QString RowDisplayText(int row, int fieldIndex) const;

    // Value access for TField; internal to the engine and its fields.
    QVariant CurrentValue(int fieldIndex) const;
    void SetCurrentValue(int fieldIndex, const QVariant &value);

    // A parsed filter text (internal).
    class TFilterExpr;

Q_SIGNALS:
    // The set of rows, their order or the fields changed as a whole (open, close, load, sort, filter).
    void DataReset();
    void RowChanged(int row);
    void RowInserted(int row);
    void RowRemoved(int row);
    void CurrentChanged(int row);
    void StateChanged(TDataSetState state);

private:
    // A row: its values live in blocks shared by many rows, so loading a large table costs a few large
    // allocations instead of one per row.
    struct TRecord
    {
        QVariant *Values = nullptr; // FieldCount() slots
        qint64 Order = 0;           // load order, restored by an empty sort
    };
    struct TSortKey
    {
        int FieldIndex;
        bool Descending;
    };
    void CheckActive() const;
    void CheckFieldsClosed() const;
    void SetState(TDataSetState state);
    void RebuildView();
    void ApplySort();
    bool Accepts(TRecord *record) const;
    void Calculate(TRecord &record);
    void InvalidateIndexes() const;
    TRecord *CurrentRecord() const;
    // The value a lookup field shows for the row whose values valueOf gives by field index.
    QVariant LookupValue(const TField &field, const std::function<QVariant(int)> &valueOf) const;
    TRecord *NewRecord();
    void FreeRecord(TRecord *record);
    void ReleaseAllRecords();
    QVariantList Copy(const TRecord &record) const;
    void MoveTo(int row);
    void Notify(const std::function<void()> &signal);
    QString KeyText(const TRecord &record, const QList<int> &fields) const;
    QList<int> FieldIndexes(const QString &names) const;

    std::vector<std::unique_ptr<TField>> m_fields;
    std::deque<TRecord> m_store; // stable addresses of every row ever made
    std::vector<TValueBlock> m_valueBlocks;
    qsizetype m_blockRows = 0;            // rows the last block holds
    qsizetype m_blockUsed = 0;            // rows handed out of the last block
    std::vector<TRecord *> m_freeRecords; // deleted rows, reused by the next append
    std::vector<TRecord *> m_records;     // every live row, in load order
    std::vector<TRecord *> m_view;        // visible rows in shown order
    int m_current = -1;
    bool m_bof = true;
    bool m_eof = true;
    TDataSetState m_state = TDataSetState::Inactive;
    QVariantList m_buffer;           // edit buffer in Edit and Insert
    TRecord *m_calcRecord = nullptr; // the row being calculated
    TRecord *m_inserted = nullptr;   // the provisional row of Append/Insert
    qint64 m_nextOrder = 0;
    QString m_filterText;
    std::unique_ptr<TFilterExpr> m_filterExpr;
    std::function<bool(const TDataSet &)> m_filterFunction;
    bool m_filtered = false;
    QString m_sortText;
    std::vector<TSortKey> m_sortKeys;
    std::function<void(TDataSet &)> m_onCalcFields;
    int m_disableCount = 0;
    bool m_changedWhileDisabled = false;
    // Lookups into this data set keep an index per key-field list; any change drops them.
    mutable QHash<QString, QHash<QString, TRecord *>> m_indexes;
};
