#include "export_table.h"

#include "data/dataset.h"

namespace {

// Restores the current row and the display when the walk ends, however it ends.
class TRowWalk
{
public:
    explicit TRowWalk(TDataSet *dataSet) : m_dataSet(dataSet), m_recNo(dataSet->RecNo())
    {
        m_dataSet->DisableControls();
    }
    ~TRowWalk()
    {
        try {
            if (m_dataSet->Active() && m_recNo > 0)
                m_dataSet->SetRecNo(m_recNo);
        } catch (...) {
            // the walk's own error is the one to report
        }
        m_dataSet->EnableControls();
    }
    TRowWalk(const TRowWalk &) = delete;
    TRowWalk &operator=(const TRowWalk &) = delete;

private:
    TDataSet *m_dataSet;
    int m_recNo;
};

} // namespace

void ForEachRow(TDataSet *dataSet, const std::function<void()> &visit)
{
    if (!dataSet || !dataSet->Active())
        return;
    TRowWalk walk(dataSet);
    dataSet->First();
    while (!dataSet->Eof()) {
        visit();
        dataSet->Next();
    }
}

TExportTable ReadExportTable(TDataSet *dataSet, const TGridColumns &columns)
{
    TExportTable table;
    QList<const TField *> fields;
    for (const TGridColumn &column : columns) {
        if (!column.Visible)
            continue;
        table.Captions.append(column.Caption);
        table.Widths.append(column.Width);
        fields.append(dataSet ? dataSet->FindField(column.FieldName) : nullptr);
    }
    ForEachRow(dataSet, [&] {
        QStringList row;
        row.reserve(fields.size());
        for (const TField *field : fields)
            row.append(field ? field->AsString() : QString());
        table.Rows.append(row);
    });
    return table;
}
