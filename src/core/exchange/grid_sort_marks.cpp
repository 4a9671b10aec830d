#include "grid_sort_marks.h"

namespace {
bool SameField(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}
} // namespace

void TGridSortMarks::Cycle(const QString &fieldName)
{
    for (qsizetype i = 0; i < m_marks.size(); ++i) {
        if (!SameField(m_marks.at(i).FieldName, fieldName))
            continue;
        if (m_marks.at(i).Marker == TSortMarker::Ascending)
            m_marks[i].Marker = TSortMarker::Descending;
        else
            m_marks.removeAt(i);
        return;
    }
    m_marks.append({fieldName, TSortMarker::Ascending});
}

TSortMarker TGridSortMarks::Marker(const QString &fieldName) const
{
    const int position = Position(fieldName);
    return position < 0 ? TSortMarker::None : m_marks.at(position).Marker;
}

int TGridSortMarks::Position(const QString &fieldName) const
{
    for (qsizetype i = 0; i < m_marks.size(); ++i) {
        if (SameField(m_marks.at(i).FieldName, fieldName))
            return int(i);
    }
    return -1;
}

QString TGridSortMarks::SortText() const
{
    QString text;
    for (const TMark &mark : m_marks)
        text += mark.FieldName +
                (mark.Marker == TSortMarker::Descending ? QStringLiteral(" DESC , ") : QStringLiteral(", "));
    text.chop(2);
    return text;
}

TGridSortMarks TGridSortMarks::FromSortText(const QString &sortText,
                                            const std::function<bool(const QString &)> &accept)
{
    TGridSortMarks marks;
    for (const QString &entry : sortText.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList words = entry.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.isEmpty() || marks.Position(words.first()) >= 0 || (accept && !accept(words.first())))
            continue;
        const bool descending =
            words.size() > 1 && words.at(1).compare(QLatin1String("DESC"), Qt::CaseInsensitive) == 0;
        marks.m_marks.append({words.first(), descending ? TSortMarker::Descending : TSortMarker::Ascending});
    }
    return marks;
}
