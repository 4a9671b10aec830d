#pragma once
// The sort dialog's list: the fields offered for sorting in priority order, each with its direction,
// and the sort text it reads and writes ("Name ASC,Code DESC").

#include <QList>
#include <QString>

class TDataSet;

class TSortChoice
{
public:
    struct TEntry
    {
        QString FieldName;
        QString Label;
        QString Direction; // "", "ASC" or "DESC"
    };

    // Offers every data field that is not binary or memo, in field order; hidden fields only when asked.
    void SetFields(const TDataSet *dataSet, bool includeHidden);
    const QList<TEntry> &Entries() const { return m_entries; }
    int Count() const { return int(m_entries.size()); }

    // Each offered field with a direction, in list order: "Name ASC,Code DESC"; empty when none has one.
    QString SortString() const;
    // Reads a sort text: the named fields get their directions and come first, in the text's order; every
    // other field loses its direction. Blanks and commas separate words, a word in double quotes is taken
    // whole; a field name not followed by ASC or DESC is ascending (as the grid's title clicks write it);
    // names of fields not offered are skipped.
    void SetSortString(const QString &text);
    // The same as SortString with display labels and the shown words: "名称 升序,编码 降序".
    QString SortLabels() const;

    // Steps a row's direction: none → ASC → DESC → none.
    void Step(int row);
    // Moves a row, its field and direction with it, to another place.
    void Move(int from, int to);

    // The word shown for a direction: "升序", "降序" or blank.
    static QString DirectionText(const QString &direction);

private:
    QList<TEntry> m_entries;
};
