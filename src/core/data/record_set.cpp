#include "record_set.h"

#include "support/errors.h"
#include "support/messages.h"

#include <QHash>

namespace {

const QString ClosedDataSetError = QStringLiteral("不能对已关闭的数据集进行操作");

} // namespace

TRecordSet::TRecordSet(QObject *parent) : QObject(parent), m_dataSet(new TDataSet(this)) {}

TRecordSet::~TRecordSet() = default;

TField *TRecordSet::AddField(TFieldType type, const QString &name, int size, bool visible,
                             const QString &label)
{
    std::unique_ptr<TField> field = type == TFieldType::Currency ? std::make_unique<TCurrencyField>(name)
                                                                 : std::make_unique<TField>(name, type);
    if (size >= 0)
        field->SetSize(size);
    field->SetVisible(visible);
    field->SetDisplayLabel(label);
    return AddField(std::move(field));
}

TField *TRecordSet::AddField(std::unique_ptr<TField> field)
{
    m_declared = true;
    return m_dataSet->AddField(std::move(field));
}

int TRecordSet::Query(const QString &sql, const TDBParameters &params)
{
    m_dataSet->Close();
    m_sqlText = sql;
    m_params = params;
    try {
        const std::unique_ptr<TRowReader> rows = GlobalDatabase().OpenQuery(sql, params);
        if (!m_declared) {
            // A record set without declared fields reaches every column of its result.
            m_dataSet->RemoveAllFields();
            for (int i = 0; i < rows->ColumnCount(); ++i) {
                QString name = rows->ColumnName(i);
                if (name.isEmpty() || m_dataSet->FindField(name))
                    name = QStringLiteral("Column%1").arg(i);
                m_dataSet->AddField(name, rows->ColumnType(i), 255);
            }
        }
        // Declared data fields bind to the result columns of the same name.
        QHash<QString, int> columns;
        for (int i = 0; i < rows->ColumnCount(); ++i)
            columns.insert(rows->ColumnName(i).toLower(), i);
        std::vector<std::pair<TField *, int>> bindings;
        for (int i = 0; i < m_dataSet->FieldCount(); ++i) {
            TField *field = m_dataSet->Field(i);
            if (field->FieldKind() != TFieldKind::Data)
                continue;
            const int column = m_declared ? columns.value(field->FieldName().toLower(), -1) : i;
            if (column < 0)
                throw EDatabaseError(QStringLiteral("找不到字段 '%1'").arg(field->FieldName()));
            bindings.emplace_back(field, column);
        }
        m_dataSet->BeginLoad();
        while (rows->Next()) {
            QVariant *slots = m_dataSet->AppendLoadedRow();
            for (const auto &[field, column] : bindings)
                slots[field->Index()] = field->Coerce(rows->Value(column));
        }
        m_dataSet->EndLoad();
    } catch (const Exception &error) {
        m_dataSet->Close();
        QString message = error.Message();
        // Statement errors carry the SQL after the driver's message; show the message part here.
        const QString suffix = QStringLiteral("\r\n") + sql;
        if (message.endsWith(suffix))
            message.chop(suffix.size());
        ShowInfo(QStringLiteral("SQL语句错误,原文如下:\r\n") + sql + QStringLiteral("\r\n\r\n错误提示:\r\n") +
                 message);
        throw EDatabaseError(ClosedDataSetError);
    }
    return m_dataSet->RecordCount();
}

QString TRecordSet::JoinValues(TField *field, const QString &separator, const QString &result) const
{
    if (!m_dataSet->Active() || m_dataSet->IsEmpty())
        return result;
    QStringList values;
    for (m_dataSet->First(); !m_dataSet->Eof(); m_dataSet->Next())
        values.append(field->AsString());
    return values.join(separator);
}

void TRecordSet::Refresh()
{
    if (!m_dataSet->Active())
        return;
    m_dataSet->DisableControls();
    try {
        Query(m_sqlText, m_params);
    } catch (...) {
        m_dataSet->EnableControls();
        throw;
    }
    m_dataSet->EnableControls();
}

bool TRecordSet::CheckEmpty() const
{
    if (!m_dataSet->IsEmpty())
        return false;
    ShowInfo(QStringLiteral("数据集为空, 不能进行操作."));
    return true;
}

void TRecordSet::Delete()
{
    if (m_dataSet->Active() && !m_dataSet->IsEmpty())
        m_dataSet->Delete();
}

void TRecordSet::Clear()
{
    while (m_dataSet->Active() && !m_dataSet->IsEmpty())
        Delete();
}

TRecordSet &GlobalRecordSet()
{
    static TRecordSet recordSet;
    return recordSet;
}
