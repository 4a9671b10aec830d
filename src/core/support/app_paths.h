#pragma once
// Where the program keeps cfg.ini and its default database: beside the program when that folder is
// writable (the portable layout), otherwise the per-user folders; `--profile DIR` puts both in DIR.

#include <QString>

namespace AppPaths {
// Folder of cfg.ini and the default database.
QString ProfileDir();
// Points both at one folder (the command-line option --profile, and tests).
void SetProfileDir(const QString &dir);
// The program's folder (help pages, splash picture, sample files).
QString ProgramDir();
QString ConfigFile();
// The built-in database: named like the program, with the extension ".mdb".
QString DefaultDatabasePath();
// Reads "--profile DIR" from the arguments; returns false (with a message) when DIR is missing.
bool ApplyProfileArgument(const QStringList &arguments, QString *error);
} // namespace AppPaths
