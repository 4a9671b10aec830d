#pragma once
// The grid's web-page export: a plain HTML table of the visible columns' titles and the rows' values.

#include "export_table.h"

// "<html>" … "</html>", one line per cell as "<td nowrap>" + text + "&nbsp;</td>", texts HTML-escaped.
QStringList HtmlExportLines(const TExportTable &table);
// Writes the page as GBK text with CR LF line ends; characters GBK lacks are written as character
// references. Throws Exception when the file cannot be written.
void WriteHtmlExport(const QString &path, const TExportTable &table);
