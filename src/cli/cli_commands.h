#pragma once
// The commands of lanshi-cli, separate from main() so tests can run them.

#include <QStringList>

// Runs one command line (without the program name); returns the process exit code.
// Output goes to standard output, messages to standard error.
int RunCli(const QStringList &arguments);
