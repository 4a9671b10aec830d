#pragma once
// Makes a database of N generated assets with realistic Chinese text, for the benchmarks.

#include <QString>

// Creates (or reuses, when it already holds `count` assets) the database file at path.
// Methods are mixed, lives 3 to 30 years, service dates spread over 20 years.
void GenerateAssetsDatabase(const QString &path, int count);

// The number of assets the benchmarks generate: LANSHI_BENCH_ASSETS, 100,000 by default.
int BenchAssetCount();
// The generated database beside the benchmark (bench_assets.db in the working folder).
QString BenchDatabasePath();
// A line of /proc/self/status ("VmRSS:", "VmHWM:") in MiB, 0 where there is none.
double ProcStatusMiB(const char *key);
// Generates the database, connects the session to it and runs the registered benchmarks.
int RunBenchmarksOnGeneratedAssets(int argc, char **argv);
