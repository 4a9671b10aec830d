#pragma once
// Makes a database of N generated assets with realistic Chinese text, for the benchmarks.

#include <QString>

// Creates (or reuses, when it already holds `count` assets) the database file at path.
// Methods are mixed, lives 3 to 30 years, service dates spread over 20 years.
void GenerateAssetsDatabase(const QString &path, int count);
