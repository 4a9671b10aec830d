#include "html_export.h"

#include "gbk_text_file.h"

namespace {
QString Cell(const QString &text)
{
    return QStringLiteral("<td nowrap>") + text.toHtmlEscaped() + QStringLiteral("&nbsp;</td>");
}
} // namespace

QStringList HtmlExportLines(const TExportTable &table)
{
    QStringList lines{QStringLiteral("<html>"),  QStringLiteral("<head>"), QStringLiteral("<title></title>"),
                      QStringLiteral("</head>"), QStringLiteral("<body>"), QStringLiteral("<table>"),
                      QStringLiteral("<tr>")};
    for (const QString &caption : table.Captions)
        lines.append(Cell(caption));
    lines.append(QStringLiteral("</tr>"));
    for (const QStringList &row : table.Rows) {
        lines.append(QStringLiteral("<tr>"));
        for (const QString &text : row)
            lines.append(Cell(text));
        lines.append(QStringLiteral("</tr>"));
    }
    lines << QStringLiteral("</table>") << QStringLiteral("</body>") << QStringLiteral("</html>");
    return lines;
}

void WriteHtmlExport(const QString &path, const TExportTable &table)
{
    WriteGbkTextFile(path, HtmlExportLines(table),
                     [](char32_t code) { return QStringLiteral("&#%1;").arg(quint32(code)); });
}
