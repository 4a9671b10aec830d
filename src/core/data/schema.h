#pragma once
// Making a new database from the creation scripts that travel inside the program.

#include <QString>
#include <QStringList>

// The statements of a creation script: split at ";" ending a line, comment lines dropped.
QStringList SplitScript(const QString &script);
// Creates an SQLite database file with every table and the rows a new database needs.
// Throws EDatabaseError when the file exists already or a statement fails (nothing is left behind then).
void CreateDatabaseFile(const QString &path);
