#pragma once
// The sort markers of a grid's titles, kept in the order the columns were marked, and the sort text
// they give ("Name DESC , Code").

#include <functional>
#include <QList>
#include <QString>

enum class TSortMarker
{
    None,
    Ascending,
    Descending
};

class TGridSortMarks
{
public:
    struct TMark
    {
        QString FieldName;
        TSortMarker Marker = TSortMarker::Ascending;
    };

    // Steps the field's marker: none → ascending → descending → none. A newly marked field comes last.
    void Cycle(const QString &fieldName);
    TSortMarker Marker(const QString &fieldName) const;
    // 0 for the first marked field, 1 for the next, …; -1 when not marked.
    int Position(const QString &fieldName) const;
    const QList<TMark> &Marks() const { return m_marks; }
    void Clear() { m_marks.clear(); }

    // For each marked field in marking order its name, then " DESC , " when descending and ", " otherwise,
    // without the last two characters: Name DESC , Code. Empty when nothing is marked.
    QString SortText() const;
    // The markers a sort text stands for ("Name DESC , Code", "Name ASC,Code DESC"), keeping only the
    // fields accepted; an entry without a direction word is ascending.
    static TGridSortMarks FromSortText(const QString &sortText,
                                       const std::function<bool(const QString &)> &accept);

private:
    QList<TMark> m_marks;
};
