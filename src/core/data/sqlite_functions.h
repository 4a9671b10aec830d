#pragma once
// SQL functions of the desktop dialect that SQLite lacks, registered on an open connection.

class QSqlDatabase;

// DateDiff(interval, a, b), len(text) and left(text, n) (as jet_left: left is a keyword here); throws
// EDatabaseError when the handle is not SQLite.
void RegisterSqliteFunctions(QSqlDatabase &db);
