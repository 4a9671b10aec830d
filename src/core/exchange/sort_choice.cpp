#include "sort_choice.h"

#include "data/dataset.h"

namespace {

const QString Asc = QStringLiteral("ASC");
const QString Desc = QStringLiteral("DESC");

QStringList SplitWords(const QString &text)
{
    QStringList words;
    QString word;
    bool quoted = false;
    for (const QChar ch : text) {
        if (quoted) {
            if (ch == QLatin1Char('"'))
                quoted = false;
            else
                word += ch;
        } else if (ch == QLatin1Char('"')) {
            quoted = true;
        } else if (ch == QLatin1Char(' ') || ch == QLatin1Char(',') || ch == QLatin1Char('\t')) {
            if (!word.isEmpty())
                words.append(word);
            word.clear();
        } else {
            word += ch;
        }
    }
    if (!word.isEmpty())
        words.append(word);
    return words;
}

bool IsDirection(const QString &word)
{
    return word.compare(Asc, Qt::CaseInsensitive) == 0 || word.compare(Desc, Qt::CaseInsensitive) == 0;
}

} // namespace

void TSortChoice::SetFields(const TDataSet *dataSet, bool includeHidden)
{
    m_entries.clear();
    if (!dataSet)
        return;
    for (int i = 0; i < dataSet->FieldCount(); ++i) {
        const TField *field = dataSet->Field(i);
        if (field->FieldKind() != TFieldKind::Data || field->DataType() == TFieldType::Blob ||
            field->DataType() == TFieldType::Memo || (!includeHidden && !field->Visible()))
            continue;
        m_entries.append({field->FieldName(), field->DisplayLabel(), QString()});
    }
}

QString TSortChoice::SortString() const
{
    QStringList parts;
    for (const TEntry &entry : m_entries) {
        if (!entry.Direction.isEmpty())
            parts.append(entry.FieldName + QLatin1Char(' ') + entry.Direction);
    }
    return parts.join(QLatin1Char(','));
}

QString TSortChoice::SortLabels() const
{
    QStringList parts;
    for (const TEntry &entry : m_entries) {
        if (!entry.Direction.isEmpty())
            parts.append(entry.Label + QLatin1Char(' ') + DirectionText(entry.Direction));
    }
    return parts.join(QLatin1Char(','));
}

void TSortChoice::SetSortString(const QString &text)
{
    for (TEntry &entry : m_entries)
        entry.Direction.clear();
    const QStringList words = SplitWords(text);
    int placed = 0;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString &name = words.at(i);
        if (IsDirection(name))
            continue; // a direction word without a field before it
        QString direction = Asc;
        if (i + 1 < words.size() && IsDirection(words.at(i + 1))) {
            direction = words.at(i + 1).toUpper();
            ++i;
        }
        const auto found = std::find_if(m_entries.begin(), m_entries.end(), [&](const TEntry &entry) {
            return entry.FieldName.compare(name, Qt::CaseInsensitive) == 0;
        });
        const qsizetype at = found - m_entries.begin();
        if (found == m_entries.end() || at < placed)
            continue; // not offered, or named twice
        m_entries[at].Direction = direction;
        m_entries.move(at, placed);
        ++placed;
    }
}

void TSortChoice::Step(int row)
{
    if (row < 0 || row >= Count())
        return;
    QString &direction = m_entries[row].Direction;
    if (direction.isEmpty())
        direction = Asc;
    else if (direction == Asc)
        direction = Desc;
    else
        direction.clear();
}

void TSortChoice::Move(int from, int to)
{
    if (from < 0 || from >= Count() || to < 0 || to >= Count() || from == to)
        return;
    m_entries.move(from, to);
}

QString TSortChoice::DirectionText(const QString &direction)
{
    if (direction == Asc)
        return QStringLiteral("升序");
    if (direction == Desc)
        return QStringLiteral("降序");
    return QString();
}
