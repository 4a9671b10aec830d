#pragma once
// The grid's spreadsheet export: an .xlsx workbook with the titles in row 1 and every value below them
// stored as text, so codes like 0101 keep their leading zeros.

#include "export_table.h"

// Writes the workbook, replacing the file. Throws Exception with the file name and the reason when it
// cannot be written.
void WriteXlsxExport(const QString &path, const TExportTable &table);
