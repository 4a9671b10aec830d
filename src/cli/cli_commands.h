#pragma once
// The commands of lanshi-cli, separate from main() so tests can run them.

#include <cstdio>
#include <QStringList>

// Runs one command line (without the program name); returns the process exit code.
// Results go to out, messages to standard error.
int RunCli(const QStringList &arguments, FILE *out = stdout);
