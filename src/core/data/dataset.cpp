#include "dataset.h"

#include "support/errors.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <utility>
#if defined(Q_OS_LINUX)
#include <sys/mman.h>
#endif
#include <QCollator>
#include <QLocale>

namespace {

// Orders two stored values of one field: null first, numbers and dates by value, texts by the
// Chinese collation (pinyin) through precomputed keys where the caller has them.
int CompareValues(const QVariant &a, const QVariant &b)
{
    const bool aNull = !a.isValid(), bNull = !b.isValid();
    if (aNull || bNull)
        return aNull == bNull ? 0 : (aNull ? -1 : 1);
    switch (a.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Bool: {
        const qlonglong x = a.toLongLong(), y = b.toLongLong();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    case QMetaType::Double: {
        const double x = a.toDouble(), y = b.toDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    case QMetaType::QDateTime: {
        const QDateTime x = a.toDateTime(), y = b.toDateTime();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    default:
        return a.toString().compare(b.toString());
    }
}

const QCollator &ChineseCollator()
{
    static const QCollator collator = [] {
        QCollator c(QLocale(QLocale::Chinese, QLocale::China));
        c.setNumericMode(true);
        return c;
    }();
    return collator;
}

} // namespace

// A parsed filter text, evaluated against the current row of its data set.
class TDataSet::TFilterExpr
{
public:
    enum class Kind
    {
        And,
        Or,
        Not,
        Compare,
        IsNull,
        NotNull
    };
    Kind NodeKind = Kind::Compare;
    std::unique_ptr<TFilterExpr> Left, Right;
    int FieldIndex = -1;
    QString Op;
    QVariant Literal;

    bool Evaluate(const TDataSet &ds) const
    {
        switch (NodeKind) {
        case Kind::And:
            return Left->Evaluate(ds) && Right->Evaluate(ds);
        case Kind::Or:
            return Left->Evaluate(ds) || Right->Evaluate(ds);
        case Kind::Not:
            return !Left->Evaluate(ds);
        case Kind::IsNull:
            return !ds.CurrentValue(FieldIndex).isValid();
        case Kind::NotNull:
            return ds.CurrentValue(FieldIndex).isValid();
        case Kind::Compare:
            break;
        }
        const QVariant value = ds.CurrentValue(FieldIndex);
        if (!value.isValid() || !Literal.isValid())
            return false; // comparisons with null are never true
        QVariant literal = Literal;
        try {
            literal = ds.Field(FieldIndex)->Coerce(Literal);
        } catch (const EConvertError &) {
            return false;
        }
        const int c = CompareValues(value, literal);
        if (Op == QLatin1String("="))
            return c == 0;
        if (Op == QLatin1String("<>"))
            return c != 0;
        if (Op == QLatin1String("<"))
            return c < 0;
        if (Op == QLatin1String(">"))
            return c > 0;
        if (Op == QLatin1String("<="))
            return c <= 0;
        return c >= 0;
    }
};

namespace {

// Recursive-descent parser of filter texts.
class TFilterParser
{
public:
    using Expr = std::unique_ptr<TDataSet::TFilterExpr>;
    TFilterParser(const TDataSet &ds, const QString &text) : m_ds(ds), m_text(text) {}

    Expr Parse()
    {
        Expr expr = ParseOr();
        SkipSpace();
        if (m_pos < m_text.size())
            Fail();
        return expr;
    }

private:
    using Node = TDataSet::TFilterExpr;

    [[noreturn]] void Fail() const { throw EDatabaseError(QStringLiteral("过滤条件错误: %1").arg(m_text)); }
    void SkipSpace()
    {
        while (m_pos < m_text.size() && m_text.at(m_pos).isSpace())
            ++m_pos;
    }
    bool Keyword(const char *word)
    {
        SkipSpace();
        const QString w = QString::fromLatin1(word);
        if (m_text.mid(m_pos, w.size()).compare(w, Qt::CaseInsensitive) != 0)
            return false;
        const int end = m_pos + int(w.size());
        if (end < m_text.size() && (m_text.at(end).isLetterOrNumber() || m_text.at(end) == QLatin1Char('_')))
            return false;
        m_pos = end;
        return true;
    }
    Expr Binary(Node::Kind kind, Expr left, Expr right)
    {
        auto node = std::make_unique<Node>();
        node->NodeKind = kind;
        node->Left = std::move(left);
        node->Right = std::move(right);
        return node;
    }
    Expr ParseOr()
    {
        Expr left = ParseAnd();
        while (Keyword("or"))
            left = Binary(Node::Kind::Or, std::move(left), ParseAnd());
        return left;
    }
    Expr ParseAnd()
    {
        Expr left = ParseUnary();
        while (Keyword("and"))
            left = Binary(Node::Kind::And, std::move(left), ParseUnary());
        return left;
    }
    Expr ParseUnary()
    {
        if (Keyword("not"))
            return Binary(Node::Kind::Not, ParseUnary(), nullptr);
        SkipSpace();
        if (m_pos < m_text.size() && m_text.at(m_pos) == QLatin1Char('(')) {
            ++m_pos;
            Expr inner = ParseOr();
            SkipSpace();
            if (m_pos >= m_text.size() || m_text.at(m_pos) != QLatin1Char(')'))
                Fail();
            ++m_pos;
            return inner;
        }
        return ParseComparison();
    }
    Expr ParseComparison()
    {
        SkipSpace();
        QString name;
        if (m_pos < m_text.size() && m_text.at(m_pos) == QLatin1Char('[')) {
            const int close = m_text.indexOf(QLatin1Char(']'), m_pos);
            if (close < 0)
                Fail();
            name = m_text.mid(m_pos + 1, close - m_pos - 1);
            m_pos = close + 1;
        } else {
            while (m_pos < m_text.size() &&
                   (m_text.at(m_pos).isLetterOrNumber() || m_text.at(m_pos) == QLatin1Char('_')))
                name += m_text.at(m_pos++);
        }
        const TField *field = m_ds.FindField(name);
        if (!field)
            Fail();
        auto node = std::make_unique<Node>();
        node->FieldIndex = field->Index();
        if (Keyword("is")) {
            node->NodeKind = Keyword("not") ? Node::Kind::NotNull : Node::Kind::IsNull;
            if (!Keyword("null"))
                Fail();
            return node;
        }
        SkipSpace();
        static const char *const ops[] = {"<>", "<=", ">=", "=", "<", ">"};
        for (const char *op : ops) {
            const QString o = QString::fromLatin1(op);
            if (m_text.mid(m_pos, o.size()) == o) {
                node->Op = o;
                m_pos += int(o.size());
                break;
            }
        }
        if (node->Op.isEmpty())
            Fail();
        node->Literal = ParseLiteral();
        return node;
    }
    QVariant ParseLiteral()
    {
        SkipSpace();
        if (m_pos >= m_text.size())
            Fail();
        if (m_text.at(m_pos) == QLatin1Char('\'')) {
            QString value;
            ++m_pos;
            while (true) {
                if (m_pos >= m_text.size())
                    Fail();
                const QChar c = m_text.at(m_pos++);
                if (c == QLatin1Char('\'')) {
                    if (m_pos < m_text.size() && m_text.at(m_pos) == QLatin1Char('\'')) {
                        value += c;
                        ++m_pos;
                        continue;
                    }
                    return value;
                }
                value += c;
            }
        }
        if (Keyword("null"))
            return {};
        if (Keyword("true"))
            return true;
        if (Keyword("false"))
            return false;
        const int start = m_pos;
        while (m_pos < m_text.size() && (m_text.at(m_pos).isDigit() || m_text.at(m_pos) == QLatin1Char('.') ||
                                         m_text.at(m_pos) == QLatin1Char('-')))
            ++m_pos;
        bool ok = false;
        const double number = m_text.mid(start, m_pos - start).toDouble(&ok);
        if (!ok)
            Fail();
        return number;
    }

    const TDataSet &m_ds;
    QString m_text;
    int m_pos = 0;
};

} // namespace

TValueBlock::TValueBlock(size_t count) : m_count(count)
{
    const size_t bytes = count * sizeof(QVariant);
    void *memory = nullptr;
#if defined(Q_OS_LINUX)
    if (bytes >= 64 * 1024) {
        memory =
            mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
        m_mapped = memory != MAP_FAILED;
        if (!m_mapped)
            memory = nullptr;
    }
#endif
    if (!memory)
        memory = std::malloc(bytes);
    if (!memory)
        throw std::bad_alloc();
    m_data = static_cast<QVariant *>(memory);
    std::uninitialized_value_construct_n(m_data, count);
}

TValueBlock::TValueBlock(TValueBlock &&other) noexcept
    : m_data(std::exchange(other.m_data, nullptr)), m_count(other.m_count), m_mapped(other.m_mapped)
{
}

TValueBlock::~TValueBlock()
{
    if (!m_data)
        return;
    std::destroy_n(m_data, m_count);
#if defined(Q_OS_LINUX)
    if (m_mapped) {
        munmap(m_data, m_count * sizeof(QVariant));
        return;
    }
#endif
    std::free(m_data);
}

TDataSet::TDataSet(QObject *parent) : QObject(parent) {}

TDataSet::~TDataSet() = default;

// ---- fields ----

void TDataSet::CheckFieldsClosed() const
{
    if (Active())
        throw EDatabaseError(QStringLiteral("数据集已打开, 不能改变字段"));
}

TField *TDataSet::AddField(std::unique_ptr<TField> field)
{
    CheckFieldsClosed();
    if (FindField(field->FieldName()))
        throw EDatabaseError(QStringLiteral("字段 %1 重复").arg(field->FieldName()));
    field->m_dataSet = this;
    field->m_index = int(m_fields.size());
    m_fields.push_back(std::move(field));
    return m_fields.back().get();
}

TField *TDataSet::AddField(const QString &name, TFieldType type, int size, TFieldKind kind)
{
    if (type == TFieldType::Currency)
        return AddField(std::make_unique<TCurrencyField>(name, kind));
    return AddField(std::make_unique<TField>(name, type, size, kind));
}

void TDataSet::RemoveAllFields()
{
    CheckFieldsClosed();
    m_fields.clear();
}

TField *TDataSet::FindField(const QString &name) const
{
    for (const auto &field : m_fields) {
        if (field->FieldName().compare(name, Qt::CaseInsensitive) == 0)
            return field.get();
    }
    return nullptr;
}

TField *TDataSet::FieldByName(const QString &name) const
{
    if (TField *field = FindField(name))
        return field;
    throw EDatabaseError(QStringLiteral("找不到字段 '%1'").arg(name));
}

QStringList TDataSet::FieldNames() const
{
    QStringList names;
    for (const auto &field : m_fields)
        names.append(field->FieldName());
    return names;
}

QList<int> TDataSet::FieldIndexes(const QString &names) const
{
    QList<int> indexes;
    for (const QString &name : names.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        indexes.append(FieldByName(name.trimmed())->Index());
    return indexes;
}

// ---- state ----

void TDataSet::CheckActive() const
{
    if (!Active())
        throw EDatabaseError(QStringLiteral("不能对已关闭的数据集进行操作"));
}

void TDataSet::SetState(TDataSetState state)
{
    if (m_state == state)
        return;
    m_state = state;
    Notify([&] { Q_EMIT StateChanged(state); });
}

void TDataSet::Notify(const std::function<void()> &signal)
{
    if (m_disableCount > 0) {
        m_changedWhileDisabled = true;
        return;
    }
    signal();
}

void TDataSet::DisableControls()
{
    ++m_disableCount;
}

void TDataSet::EnableControls()
{
    if (m_disableCount == 0)
        return;
    if (--m_disableCount == 0 && m_changedWhileDisabled) {
        m_changedWhileDisabled = false;
        Q_EMIT DataReset();
        Q_EMIT CurrentChanged(m_current);
    }
}

void TDataSet::Open()
{
    if (Active())
        return;
    ReleaseAllRecords();
    m_view.clear();
    m_current = -1;
    m_bof = m_eof = true;
    InvalidateIndexes();
    SetState(TDataSetState::Browse);
    Notify([&] { Q_EMIT DataReset(); });
}

void TDataSet::Close()
{
    if (!Active()) {
        ReleaseAllRecords(); // rows of an interrupted load
        return;
    }
    ReleaseAllRecords();
    m_view.clear();
    m_buffer.clear();
    m_inserted = nullptr;
    m_current = -1;
    m_bof = m_eof = true;
    InvalidateIndexes();
    SetState(TDataSetState::Inactive);
    Notify([&] { Q_EMIT DataReset(); });
}

namespace {
// Blocks grow from a few rows (one-off queries stay small) to a thousand rows (large tables need few).
constexpr qsizetype FirstBlockRows = 16;
constexpr qsizetype LargestBlockRows = 1024;
} // namespace

TDataSet::TRecord *TDataSet::NewRecord()
{
    TRecord *record;
    if (!m_freeRecords.empty()) {
        record = m_freeRecords.back();
        m_freeRecords.pop_back();
    } else {
        const qsizetype width = std::max(FieldCount(), 1);
        if (m_valueBlocks.empty() || m_blockUsed == m_blockRows) {
            m_blockRows =
                m_valueBlocks.empty() ? FirstBlockRows : std::min(2 * m_blockRows, LargestBlockRows);
            m_valueBlocks.emplace_back(size_t(m_blockRows * width));
            m_blockUsed = 0;
        }
        record = &m_store.emplace_back();
        record->Values = m_valueBlocks.back().Data() + m_blockUsed++ * width;
    }
    record->Order = m_nextOrder++;
    return record;
}

void TDataSet::FreeRecord(TRecord *record)
{
    std::fill(record->Values, record->Values + FieldCount(), QVariant());
    m_freeRecords.push_back(record);
}

void TDataSet::ReleaseAllRecords()
{
    m_records.clear();
    m_freeRecords.clear();
    m_store.clear();
    m_valueBlocks.clear();
    m_blockUsed = 0;
    m_inserted = nullptr;
}

QVariantList TDataSet::Copy(const TRecord &record) const
{
    return QVariantList(record.Values, record.Values + FieldCount());
}

void TDataSet::BeginLoad(qsizetype expectedRows)
{
    if (Active())
        Close();
    ReleaseAllRecords();
    m_records.reserve(size_t(expectedRows));
}

QVariant *TDataSet::AppendLoadedRow()
{
    TRecord *record = NewRecord();
    m_records.push_back(record);
    return record->Values;
}

void TDataSet::EndLoad()
{
    bool calculated = false;
    for (const auto &field : m_fields)
        calculated = calculated || field->FieldKind() == TFieldKind::Calculated;
    if (calculated && m_onCalcFields) {
        for (TRecord *record : m_records)
            Calculate(*record);
    }
    m_state = TDataSetState::Browse;
    RebuildView();
    Notify([&] { Q_EMIT StateChanged(m_state); });
}

void TDataSet::EmptyDataSet()
{
    CheckActive();
    if (m_state == TDataSetState::Edit || m_state == TDataSetState::Insert)
        Cancel();
    ReleaseAllRecords();
    RebuildView();
}

// ---- calculated and lookup fields ----

void TDataSet::Calculate(TRecord &record)
{
    if (!m_onCalcFields)
        return;
    TRecord *saved = m_calcRecord;
    const TDataSetState savedState = m_state;
    m_calcRecord = &record;
    m_state = TDataSetState::CalcFields;
    try {
        for (const auto &field : m_fields) {
            if (field->FieldKind() == TFieldKind::Calculated)
                record.Values[field->Index()] = QVariant();
        }
        m_onCalcFields(*this);
    } catch (...) {
        m_calcRecord = saved;
        m_state = savedState;
        throw;
    }
    m_calcRecord = saved;
    m_state = savedState;
}

void TDataSet::RefreshCalcFields()
{
    for (TRecord *record : m_records)
        Calculate(*record);
    Notify([&] { Q_EMIT DataReset(); });
}

QString TDataSet::KeyText(const TRecord &record, const QList<int> &fields) const
{
    QString key;
    for (int index : fields) {
        const QVariant &value = record.Values[index];
        key += value.isValid() ? value.toString() : QStringLiteral("\x01null");
        key += QChar(0x1F);
    }
    return key;
}

void TDataSet::InvalidateIndexes() const
{
    m_indexes.clear();
}

QVariant TDataSet::Lookup(const QString &keyFields, const QVariantList &values,
                          const QString &resultField) const
{
    if (!Active())
        return {};
    const QList<int> keys = FieldIndexes(keyFields);
    const int result = FieldByName(resultField)->Index();
    auto it = m_indexes.find(keyFields);
    if (it == m_indexes.end()) {
        QHash<QString, TRecord *> index;
        index.reserve(qsizetype(m_records.size()));
        for (TRecord *record : m_records) {
            const QString key = KeyText(*record, keys);
            if (!index.contains(key))
                index.insert(key, record);
        }
        it = m_indexes.insert(keyFields, index);
    }
    QString wanted;
    for (int i = 0; i < keys.size(); ++i) {
        QVariant value = i < values.size() ? values.at(i) : QVariant();
        try {
            value = m_fields[size_t(keys[i])]->Coerce(value);
        } catch (const EConvertError &) {
            return {};
        }
        wanted += value.isValid() ? value.toString() : QStringLiteral("\x01null");
        wanted += QChar(0x1F);
    }
    const TRecord *record = it->value(wanted);
    if (!record)
        return {};
    const TField *shown = m_fields[size_t(result)].get();
    if (shown->FieldKind() == TFieldKind::Lookup) // a lookup of a lookup, such as a method name
        return LookupValue(*shown, [record](int index) { return record->Values[index]; });
    return record->Values[result];
}

// ---- value access ----

TDataSet::TRecord *TDataSet::CurrentRecord() const
{
    if (m_current < 0 || m_current >= int(m_view.size()))
        return nullptr;
    return m_view[size_t(m_current)];
}

QVariant TDataSet::CurrentValue(int fieldIndex) const
{
    const TField *field = m_fields.at(size_t(fieldIndex)).get();
    if (field->FieldKind() == TFieldKind::Lookup)
        return LookupValue(*field, [&](int index) { return CurrentValue(index); });
    if (m_state == TDataSetState::CalcFields && m_calcRecord)
        return m_calcRecord->Values[fieldIndex];
    if (m_state == TDataSetState::Edit || m_state == TDataSetState::Insert)
        return m_buffer.at(fieldIndex);
    const TRecord *record = CurrentRecord();
    return record ? record->Values[fieldIndex] : QVariant();
}

void TDataSet::SetCurrentValue(int fieldIndex, const QVariant &value)
{
    const TField *field = m_fields.at(size_t(fieldIndex)).get();
    if (m_state == TDataSetState::CalcFields) {
        if (field->FieldKind() != TFieldKind::Calculated)
            throw EDatabaseError(QStringLiteral("字段 %1 不能在计算时修改").arg(field->FieldName()));
        m_calcRecord->Values[fieldIndex] = value;
        return;
    }
    if (m_state != TDataSetState::Edit && m_state != TDataSetState::Insert)
        throw EDatabaseError(QStringLiteral("数据集不在编辑或插入状态"));
    if (field->FieldKind() == TFieldKind::Lookup)
        throw EDatabaseError(QStringLiteral("字段 %1 不能修改").arg(field->FieldName()));
    m_buffer[fieldIndex] = value;
    const int row = m_current;
    Notify([&] { Q_EMIT RowChanged(row); });
}

QVariant TDataSet::RowValue(int row, int fieldIndex) const
{
    if (row < 0 || row >= int(m_view.size()))
        return {};
    if (row == m_current)
        return CurrentValue(fieldIndex);
    const TField *field = m_fields.at(size_t(fieldIndex)).get();
    if (field->FieldKind() == TFieldKind::Lookup) {
        const TRecord *record = m_view[size_t(row)];
        return LookupValue(*field, [&](int index) { return record->Values[index]; });
    }
    return m_view[size_t(row)]->Values[fieldIndex];
}

QVariant TDataSet::LookupValue(const TField &field, const std::function<QVariant(int)> &valueOf) const
{
    if (!field.LookupDataSet())
        return {};
    QVariantList keys;
    for (int index : FieldIndexes(field.KeyFields()))
        keys.append(valueOf(index));
    const QVariant found =
        field.LookupDataSet()->Lookup(field.LookupKeyFields(), keys, field.LookupResultField());
    try {
        return field.Coerce(found); // a date looked up into a text field shows as a date
    } catch (const EConvertError &) {
        return {};
    }
}

QString TDataSet::RowDisplayText(int row, int fieldIndex) const
{
    return m_fields.at(size_t(fieldIndex))->FormatValue(RowValue(row, fieldIndex));
}

// ---- navigation ----

void TDataSet::MoveTo(int row)
{
    CheckActive();
    CheckBrowseMode();
    const int count = int(m_view.size());
    const int target = count == 0 ? -1 : std::clamp(row, 0, count - 1);
    if (target == m_current)
        return;
    m_current = target;
    Notify([&] { Q_EMIT CurrentChanged(m_current); });
}

void TDataSet::SetRecNo(int recNo)
{
    MoveTo(recNo - 1);
    m_bof = m_current <= 0;
    m_eof = m_view.empty();
}

void TDataSet::First()
{
    MoveTo(0);
    m_bof = true;
    m_eof = m_view.empty();
}

void TDataSet::Last()
{
    MoveTo(int(m_view.size()) - 1);
    m_eof = true;
    m_bof = m_view.empty();
}

void TDataSet::Next()
{
    CheckActive();
    if (m_current + 1 < int(m_view.size())) {
        MoveTo(m_current + 1);
        m_bof = false;
        m_eof = false;
    } else {
        CheckBrowseMode();
        m_eof = true;
    }
}

void TDataSet::Prior()
{
    CheckActive();
    if (m_current > 0) {
        MoveTo(m_current - 1);
        m_bof = false;
        m_eof = false;
    } else {
        CheckBrowseMode();
        m_bof = true;
    }
}

// ---- editing ----

void TDataSet::Edit()
{
    CheckActive();
    if (m_state == TDataSetState::Edit || m_state == TDataSetState::Insert)
        return;
    if (m_view.empty()) {
        Append();
        return;
    }
    m_buffer = Copy(*CurrentRecord());
    SetState(TDataSetState::Edit);
}

void TDataSet::Append()
{
    CheckActive();
    CheckBrowseMode();
    m_inserted = NewRecord();
    m_records.push_back(m_inserted);
    m_view.push_back(m_inserted);
    m_current = int(m_view.size()) - 1;
    m_buffer = Copy(*m_inserted);
    m_bof = m_eof = false;
    const int row = m_current;
    Notify([&] { Q_EMIT RowInserted(row); });
    SetState(TDataSetState::Insert);
    Notify([&] { Q_EMIT CurrentChanged(row); });
}

void TDataSet::Insert()
{
    CheckActive();
    CheckBrowseMode();
    if (m_view.empty()) {
        Append();
        return;
    }
    m_inserted = NewRecord();
    m_records.push_back(m_inserted);
    const int row = std::max(m_current, 0);
    m_view.insert(m_view.begin() + row, m_inserted);
    m_current = row;
    m_buffer = Copy(*m_inserted);
    m_bof = m_eof = false;
    Notify([&] { Q_EMIT RowInserted(row); });
    SetState(TDataSetState::Insert);
    Notify([&] { Q_EMIT CurrentChanged(row); });
}

void TDataSet::Post()
{
    CheckActive();
    if (m_state != TDataSetState::Edit && m_state != TDataSetState::Insert)
        return;
    TRecord *record = CurrentRecord();
    std::copy(m_buffer.cbegin(), m_buffer.cend(), record->Values);
    Calculate(*record);
    m_buffer.clear();
    m_inserted = nullptr;
    InvalidateIndexes();
    SetState(TDataSetState::Browse);
    const int row = m_current;
    Notify([&] { Q_EMIT RowChanged(row); });
}

void TDataSet::Cancel()
{
    if (m_state == TDataSetState::Insert && m_inserted) {
        TRecord *inserted = m_inserted;
        m_inserted = nullptr;
        m_buffer.clear();
        const auto viewIt = std::find(m_view.begin(), m_view.end(), inserted);
        const int row = int(viewIt - m_view.begin());
        m_view.erase(viewIt);
        m_records.erase(std::find(m_records.begin(), m_records.end(), inserted));
        FreeRecord(inserted);
        m_current = m_view.empty() ? -1 : std::min(row, int(m_view.size()) - 1);
        m_eof = m_bof = m_view.empty();
        SetState(TDataSetState::Browse);
        Notify([&] { Q_EMIT RowRemoved(row); });
        Notify([&] { Q_EMIT CurrentChanged(m_current); });
        return;
    }
    if (m_state == TDataSetState::Edit) {
        m_buffer.clear();
        SetState(TDataSetState::Browse);
        const int row = m_current;
        Notify([&] { Q_EMIT RowChanged(row); });
    }
}

void TDataSet::CheckBrowseMode()
{
    if (m_state == TDataSetState::Edit || m_state == TDataSetState::Insert)
        Post();
}

void TDataSet::Delete()
{
    CheckActive();
    if (m_state == TDataSetState::Insert) {
        Cancel();
        return;
    }
    if (m_state == TDataSetState::Edit)
        Cancel();
    TRecord *record = CurrentRecord();
    if (!record)
        throw EDatabaseError(QStringLiteral("数据集为空, 不能删除"));
    const int row = m_current;
    m_view.erase(m_view.begin() + row);
    m_records.erase(std::find(m_records.begin(), m_records.end(), record));
    FreeRecord(record);
    InvalidateIndexes();
    m_current = m_view.empty() ? -1 : std::min(row, int(m_view.size()) - 1);
    m_bof = m_current <= 0;
    m_eof = m_view.empty();
    Notify([&] { Q_EMIT RowRemoved(row); });
    Notify([&] { Q_EMIT CurrentChanged(m_current); });
}

// ---- locate ----

bool TDataSet::Locate(const QString &keyFields, const QVariantList &values, TLocateOptions options)
{
    CheckActive();
    CheckBrowseMode();
    const QList<int> keys = FieldIndexes(keyFields);
    QVariantList wanted;
    for (int i = 0; i < keys.size(); ++i) {
        const QVariant value = i < values.size() ? values.at(i) : QVariant();
        try {
            wanted.append(options ? value : m_fields[size_t(keys[i])]->Coerce(value));
        } catch (const EConvertError &) {
            return false;
        }
    }
    const Qt::CaseSensitivity cs =
        options.testFlag(TLocateOption::CaseInsensitive) ? Qt::CaseInsensitive : Qt::CaseSensitive;
    for (int row = 0; row < int(m_view.size()); ++row) {
        const TRecord *record = m_view[size_t(row)];
        bool match = true;
        for (int i = 0; i < keys.size() && match; ++i) {
            const QVariant &value = record->Values[keys[i]];
            const QVariant &target = wanted.at(i);
            if (!value.isValid() || !target.isValid()) {
                match = value.isValid() == target.isValid();
            } else if (options) {
                const QString text = m_fields[size_t(keys[i])]->FormatValue(value);
                const QString targetText = target.toString();
                match = options.testFlag(TLocateOption::PartialKey) ? text.startsWith(targetText, cs)
                                                                    : text.compare(targetText, cs) == 0;
            } else {
                match = CompareValues(value, target) == 0;
            }
        }
        if (match) {
            MoveTo(row);
            m_bof = m_eof = false;
            return true;
        }
    }
    return false;
}

// ---- filter and sort ----

void TDataSet::SetFilterText(const QString &filter)
{
    std::unique_ptr<TFilterExpr> expr;
    if (!filter.trimmed().isEmpty())
        expr = TFilterParser(*this, filter).Parse();
    m_filterText = filter;
    m_filterExpr = std::move(expr);
    if (m_filtered && Active())
        RebuildView();
}

void TDataSet::SetFilterFunction(std::function<bool(const TDataSet &)> filter)
{
    m_filterFunction = std::move(filter);
    if (m_filtered && Active())
        RebuildView();
}

void TDataSet::SetFiltered(bool filtered)
{
    if (m_filtered == filtered)
        return;
    m_filtered = filtered;
    if (Active())
        RebuildView();
}

bool TDataSet::Accepts(TRecord *record) const
{
    if (!m_filtered || (!m_filterExpr && !m_filterFunction))
        return true;
    auto *self = const_cast<TDataSet *>(this);
    TRecord *saved = self->m_calcRecord;
    const TDataSetState savedState = self->m_state;
    self->m_calcRecord = record;
    self->m_state = TDataSetState::CalcFields;
    bool accepted = true;
    try {
        accepted = (!m_filterExpr || m_filterExpr->Evaluate(*this)) &&
                   (!m_filterFunction || m_filterFunction(*this));
    } catch (...) {
        self->m_calcRecord = saved;
        self->m_state = savedState;
        throw;
    }
    self->m_calcRecord = saved;
    self->m_state = savedState;
    return accepted;
}

void TDataSet::SetSort(const QString &sortText)
{
    std::vector<TSortKey> keys;
    for (const QString &part : sortText.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList words = part.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.isEmpty())
            continue;
        bool descending = false;
        if (words.size() > 1) {
            const QString direction = words.at(1).toUpper();
            if (direction == QLatin1String("DESC"))
                descending = true;
            else if (direction != QLatin1String("ASC"))
                throw EDatabaseError(QStringLiteral("排序条件错误: %1").arg(sortText));
        }
        keys.push_back({FieldByName(words.at(0))->Index(), descending});
    }
    m_sortText = sortText;
    m_sortKeys = std::move(keys);
    if (Active()) {
        CheckBrowseMode();
        RebuildView();
    }
}

void TDataSet::ApplySort()
{
    if (m_sortKeys.empty()) {
        std::stable_sort(m_view.begin(), m_view.end(),
                         [](const TRecord *a, const TRecord *b) { return a->Order < b->Order; });
        return;
    }
    // Texts compare by collation keys computed once per row and key field.
    const size_t n = m_view.size();
    std::vector<std::vector<QCollatorSortKey>> textKeys(m_sortKeys.size());
    std::vector<std::vector<QVariant>> values(m_sortKeys.size());
    for (size_t k = 0; k < m_sortKeys.size(); ++k) {
        const TField *field = m_fields[size_t(m_sortKeys[k].FieldIndex)].get();
        const bool text = field->DataType() == TFieldType::String || field->DataType() == TFieldType::Memo ||
                          field->FieldKind() == TFieldKind::Lookup;
        values[k].reserve(n);
        for (size_t r = 0; r < n; ++r)
            values[k].push_back(RowValue(int(r), m_sortKeys[k].FieldIndex));
        if (text) {
            textKeys[k].reserve(n);
            for (size_t r = 0; r < n; ++r)
                textKeys[k].push_back(ChineseCollator().sortKey(values[k][r].toString()));
        }
    }
    std::vector<size_t> order(n);
    for (size_t i = 0; i < n; ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        for (size_t k = 0; k < m_sortKeys.size(); ++k) {
            const QVariant &x = values[k][a];
            const QVariant &y = values[k][b];
            int c;
            if (!textKeys[k].empty() && x.isValid() && y.isValid())
                c = textKeys[k][a].compare(textKeys[k][b]);
            else
                c = CompareValues(x, y);
            if (c != 0)
                return m_sortKeys[k].Descending ? c > 0 : c < 0;
        }
        return m_view[a]->Order < m_view[b]->Order;
    });
    std::vector<TRecord *> sorted;
    sorted.reserve(n);
    for (size_t i : order)
        sorted.push_back(m_view[i]);
    m_view = std::move(sorted);
}

void TDataSet::RebuildView()
{
    TRecord *current = CurrentRecord();
    m_view.clear();
    m_view.reserve(m_records.size());
    for (TRecord *record : m_records) {
        if (Accepts(record))
            m_view.push_back(record);
    }
    const int savedCurrent = m_current;
    m_current = -1; // RowValue must not read an edit buffer while sorting
    ApplySort();
    m_current = savedCurrent;
    const auto it = std::find(m_view.begin(), m_view.end(), current);
    m_current = m_view.empty() ? -1 : (it != m_view.end() ? int(it - m_view.begin()) : 0);
    m_bof = m_current <= 0;
    m_eof = m_view.empty();
    InvalidateIndexes();
    Notify([&] { Q_EMIT DataReset(); });
    Notify([&] { Q_EMIT CurrentChanged(m_current); });
}
