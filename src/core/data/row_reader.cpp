#include "row_reader.h"

#include "support/errors.h"

#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

class TQtRowReader : public TRowReader
{
public:
    TQtRowReader(QSqlQuery &&query, const QString &sql)
        : m_query(std::move(query)), m_record(m_query.record()), m_sql(sql)
    {
    }

    int ColumnCount() const override { return m_record.count(); }
    QString ColumnName(int column) const override { return m_record.fieldName(column); }

    TFieldType ColumnType(int column) const override
    {
        switch (m_record.field(column).metaType().id()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::Short:
        case QMetaType::UInt:
            return TFieldType::Integer;
        case QMetaType::Double:
        case QMetaType::Float:
            return TFieldType::Float;
        case QMetaType::Bool:
            return TFieldType::Boolean;
        case QMetaType::QByteArray:
            return TFieldType::Blob;
        case QMetaType::QDateTime:
        case QMetaType::QDate:
            return TFieldType::DateTime;
        case QMetaType::QString:
            return TFieldType::String;
        default:
            return TFieldType::Variant;
        }
    }

    bool Next() override
    {
        if (m_query.next())
            return true;
        if (m_query.lastError().isValid())
            throw EDatabaseError(m_query.lastError().databaseText() + QStringLiteral("\r\n") + m_sql);
        return false;
    }

    QVariant Value(int column) const override
    {
        const QVariant value = m_query.value(column);
        return value.isNull() ? QVariant() : value;
    }

private:
    QSqlQuery m_query;
    QSqlRecord m_record;
    QString m_sql;
};

} // namespace

std::unique_ptr<TRowReader> MakeQtRowReader(QSqlQuery &&query, const QString &sql)
{
    return std::make_unique<TQtRowReader>(std::move(query), sql);
}
