#include "sqlite_reader.h"

#include "support/errors.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <sqlite3.h>

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

sqlite3 *Handle(const QSqlDatabase &db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || std::strcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.data());
}

// Texts that repeat down a column (departments, places, classes) share one string: fewer allocations while
// reading, less memory while the rows are kept. A column whose texts rarely repeat stops being cached.
class TColumnTexts
{
public:
    QString Get(const char *utf8, int size)
    {
        if (!m_enabled)
            return QString::fromUtf8(utf8, size);
        const std::string_view bytes(utf8, size_t(size));
        for (TEntry &entry : m_entries) {
            if (entry.Bytes == bytes) {
                ++m_hits;
                return entry.Text;
            }
        }
        QString text = QString::fromUtf8(utf8, size);
        if (m_entries.size() < Capacity)
            m_entries.push_back({std::string(bytes), text});
        else if (++m_misses > 256 && m_misses > m_hits)
            m_enabled = false;
        return text;
    }

private:
    static constexpr size_t Capacity = 16;
    struct TEntry
    {
        std::string Bytes;
        QString Text;
    };
    std::vector<TEntry> m_entries;
    int m_hits = 0;
    int m_misses = 0;
    bool m_enabled = true;
};

class TSqliteRowReader : public TRowReader
{
public:
    TSqliteRowReader(sqlite3 *db, sqlite3_stmt *statement, QString sql)
        : m_db(db), m_statement(statement), m_sql(std::move(sql)),
          m_texts(size_t(sqlite3_column_count(statement)))
    {
    }
    ~TSqliteRowReader() override { sqlite3_finalize(m_statement); }

    int ColumnCount() const override { return sqlite3_column_count(m_statement); }

    QString ColumnName(int column) const override
    {
        return QString::fromUtf8(sqlite3_column_name(m_statement, column));
    }

    TFieldType ColumnType(int column) const override
    {
        const char *declared = sqlite3_column_decltype(m_statement, column);
        const QByteArray type = QByteArray(declared ? declared : "").toUpper();
        if (type.isEmpty())
            return TFieldType::Variant; // an expression or an untyped column: keep what arrives
        if (type.contains("INT"))
            return TFieldType::Integer;
        if (type.contains("DOUBLE") || type.contains("REAL") || type.contains("FLOAT"))
            return TFieldType::Float;
        if (type.contains("DATE") || type.contains("TIME"))
            return TFieldType::DateTime;
        if (type.contains("BOOL"))
            return TFieldType::Boolean;
        if (type.contains("BLOB"))
            return TFieldType::Blob;
        if (type == "TEXT")
            return TFieldType::Memo;
        return TFieldType::String;
    }

    bool Next() override
    {
        const int rc = sqlite3_step(m_statement);
        if (rc == SQLITE_ROW)
            return true;
        if (rc == SQLITE_DONE)
            return false;
        throw EDatabaseError(QString::fromUtf8(sqlite3_errmsg(m_db)) + QStringLiteral("\r\n") + m_sql);
    }

    QVariant Value(int column) const override
    {
        switch (sqlite3_column_type(m_statement, column)) {
        case SQLITE_INTEGER:
            return QVariant(qlonglong(sqlite3_column_int64(m_statement, column)));
        case SQLITE_FLOAT:
            return QVariant(sqlite3_column_double(m_statement, column));
        case SQLITE_TEXT: {
            const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
            return QVariant(m_texts[size_t(column)].Get(text, sqlite3_column_bytes(m_statement, column)));
        }
        case SQLITE_BLOB: {
            const void *data = sqlite3_column_blob(m_statement, column);
            return QVariant(
                QByteArray(static_cast<const char *>(data), sqlite3_column_bytes(m_statement, column)));
        }
        default:
            return {};
        }
    }

private:
    sqlite3 *m_db;
    sqlite3_stmt *m_statement;
    QString m_sql;
    mutable std::vector<TColumnTexts> m_texts;
};

void Bind(sqlite3_stmt *statement, int index, const QVariant &value)
{
    if (!value.isValid() || value.isNull()) {
        sqlite3_bind_null(statement, index);
        return;
    }
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
        sqlite3_bind_int64(statement, index, value.toLongLong());
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        sqlite3_bind_double(statement, index, value.toDouble());
        break;
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        sqlite3_bind_blob(statement, index, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
        break;
    }
    default: {
        const QByteArray text = value.toString().toUtf8();
        sqlite3_bind_text(statement, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        break;
    }
    }
}

} // namespace

std::unique_ptr<TRowReader> OpenSqliteRows(const QSqlDatabase &db, const QString &sql,
                                           const QVariantList &values, const QString &originalSql)
{
    sqlite3 *handle = Handle(db);
    if (!handle)
        throw EDatabaseError(QStringLiteral("不是SQLite连接\r\n") + originalSql);
    sqlite3_stmt *statement = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(handle, text.constData(), int(text.size()), &statement, nullptr) != SQLITE_OK) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(handle));
        sqlite3_finalize(statement);
        throw EDatabaseError(message + QStringLiteral("\r\n") + originalSql);
    }
    if (!statement)
        throw EDatabaseError(QStringLiteral("SQL语句为空\r\n") + originalSql);
    for (int i = 0; i < values.size(); ++i)
        Bind(statement, i + 1, values.at(i));
    return std::make_unique<TSqliteRowReader>(handle, statement, originalSql);
}
