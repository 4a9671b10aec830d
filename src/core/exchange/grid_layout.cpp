#include "grid_layout.h"

#include <QRegularExpression>

namespace {

struct TLayoutLine
{
    QString Name;
    QString Value;
    bool HasValue = false; // a line without "=" names nothing
};

QList<TLayoutLine> SplitLines(const QString &text)
{
    QList<TLayoutLine> lines;
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList parts = text.split(lineBreak);
    if (!parts.isEmpty() && parts.last().isEmpty())
        parts.removeLast(); // the break after the last line
    for (const QString &part : parts) {
        TLayoutLine line;
        const qsizetype eq = part.indexOf(QLatin1Char('='));
        if (eq >= 0) {
            line.Name = part.left(eq);
            line.Value = part.mid(eq + 1);
            line.HasValue = true;
        } else {
            line.Name = part;
        }
        lines.append(line);
    }
    return lines;
}

// The value of the first line naming the field, letter case ignored; null when there is none.
QString ValueOf(const QList<TLayoutLine> &lines, const QString &fieldName)
{
    for (const TLayoutLine &line : lines) {
        if (line.HasValue && line.Name.compare(fieldName, Qt::CaseInsensitive) == 0)
            return line.Value;
    }
    return QString();
}

// Applies visibility and width; false on a value that does not read.
bool ApplyValues(TGridColumns &columns, const QList<TLayoutLine> &lines)
{
    static const QRegularExpression flags(QStringLiteral("True|False"),
                                          QRegularExpression::CaseInsensitiveOption);
    for (TGridColumn &column : columns) {
        QString value = ValueOf(lines, column.FieldName);
        if (value.isEmpty())
            continue;
        // The visibility test is case-sensitive; the removal of the words is not.
        column.Visible = value.contains(QLatin1String("True"));
        value.remove(flags);
        bool ok = false;
        const int width = value.toInt(&ok, 10);
        if (!ok || width < 0)
            return false;
        column.Width = width;
    }
    return true;
}

void ApplyOrder(TGridColumns &columns, const QList<TLayoutLine> &lines)
{
    const auto columnNamed = [&columns](const QString &name) {
        // exact name, first match
        for (qsizetype i = 0; i < columns.size(); ++i) {
            if (columns.at(i).FieldName == name)
                return i;
        }
        return qsizetype(-1);
    };
    // A line's place counts only the lines that name a column of the list, once each, so the line of a
    // field the list no longer has does not push the others out of place.
    QStringList placed;
    for (const TLayoutLine &line : lines) {
        if (!placed.contains(line.Name) && columnNamed(line.Name) >= 0)
            placed.append(line.Name);
    }
    // The named columns lead in the lines' order; the others follow in the order they had.
    for (qsizetype place = 0; place < placed.size(); ++place)
        columns.move(columnNamed(placed.at(place)), place);
}

} // namespace

QString GetLayoutText(const TGridColumns &columns)
{
    QString text;
    for (const TGridColumn &column : columns) {
        text += column.FieldName + QLatin1Char('=') +
                (column.Visible ? QStringLiteral("True") : QStringLiteral("False")) +
                QString::number(column.Width) + QStringLiteral("\r\n");
    }
    return text;
}

void ApplyLayoutText(TGridColumns &columns, const QString &text)
{
    if (text.isEmpty())
        return;
    const QList<TLayoutLine> lines = SplitLines(text);
    if (!ApplyValues(columns, lines))
        return;
    ApplyOrder(columns, lines);
}
