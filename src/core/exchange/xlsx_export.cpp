#include "xlsx_export.h"

#include "support/errors.h"

#include <xlsxwriter.h>

namespace {

// A cell holds at most this many characters.
constexpr qsizetype MaxCellText = 32767;
// Pixels per character of the sheet's default font, to carry the grid's column widths over.
constexpr double PixelsPerChar = 7.0;

[[noreturn]] void Fail(const QString &path, lxw_error error)
{
    throw Exception(
        QStringLiteral("无法写入文件 %1:\r\n%2").arg(path, QString::fromUtf8(lxw_strerror(error))));
}

QByteArray CellText(const QString &text)
{
    return (text.size() > MaxCellText ? text.left(MaxCellText) : text).toUtf8();
}

} // namespace

void WriteXlsxExport(const QString &path, const TExportTable &table)
{
    if (table.Rows.size() + 1 > LXW_ROW_MAX || table.Captions.size() > LXW_COL_MAX)
        throw Exception(QStringLiteral("无法写入文件 %1:\r\n数据超出了电子表格的行数或列数").arg(path));
    const QByteArray name = path.toUtf8();
    lxw_workbook *workbook = workbook_new(name.constData());
    if (!workbook)
        Fail(path, LXW_ERROR_CREATING_XLSX_FILE);
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, nullptr);
    lxw_format *text = workbook_add_format(workbook);
    format_set_num_format(text, "@");
    lxw_error error = LXW_NO_ERROR;
    // Every cell of the sheet is text, also the ones the user types into later.
    for (qsizetype col = 0; col < table.Captions.size() && error == LXW_NO_ERROR; ++col) {
        const int width = col < table.Widths.size() ? table.Widths.at(col) : 64;
        error = worksheet_set_column(sheet, lxw_col_t(col), lxw_col_t(col), width / PixelsPerChar, text);
    }
    for (qsizetype col = 0; col < table.Captions.size() && error == LXW_NO_ERROR; ++col)
        error = worksheet_write_string(sheet, 0, lxw_col_t(col), CellText(table.Captions.at(col)).constData(),
                                       text);
    for (qsizetype row = 0; row < table.Rows.size() && error == LXW_NO_ERROR; ++row) {
        const QStringList &values = table.Rows.at(row);
        for (qsizetype col = 0; col < values.size() && error == LXW_NO_ERROR; ++col) {
            if (values.at(col).isEmpty())
                continue; // an empty string would make a blank cell anyway
            error = worksheet_write_string(sheet, lxw_row_t(row + 1), lxw_col_t(col),
                                           CellText(values.at(col)).constData(), text);
        }
    }
    const lxw_error closed = workbook_close(workbook); // also frees the workbook
    if (error != LXW_NO_ERROR)
        Fail(path, error);
    if (closed != LXW_NO_ERROR)
        Fail(path, closed);
}
