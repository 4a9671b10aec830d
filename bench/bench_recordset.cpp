// Opening the whole asset table into a record set, against a raw sqlite3 loop reading the same rows.
#include "asset_generator.h"

#include "assets/asset_set.h"
#include "data/database.h"

#include <benchmark/benchmark.h>
#include <QCoreApplication>
#include <QFile>
#include <sqlite3.h>

#include <memory>

namespace {

void OpenIntoRecordSet(benchmark::State &state)
{
    double residentGrowth = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto rs =
            std::make_unique<TAssetsSet>(); // the asset table's declared fields, with the end date calculated
        const double before = ProcStatusMiB("VmRSS:");
        state.ResumeTiming();
        benchmark::DoNotOptimize(rs->Query(QStringLiteral("select * from assets")));
        state.PauseTiming();
        residentGrowth = ProcStatusMiB("VmRSS:") - before;
        rs.reset(); // freeing the rows is not part of opening them
        state.ResumeTiming();
    }
    state.counters["rows"] = BenchAssetCount();
    state.counters["resident_MiB"] = residentGrowth;
    state.counters["peak_MiB"] = ProcStatusMiB("VmHWM:");
}

// Reads every column of every row with the natural type, as a hand-written program would.
void RawSqliteLoop(benchmark::State &state)
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(QFile::encodeName(BenchDatabasePath()).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    for (auto _ : state) {
        sqlite3_stmt *statement = nullptr;
        sqlite3_prepare_v2(db, "select * from assets", -1, &statement, nullptr);
        long long checksum = 0;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            const int columns = sqlite3_column_count(statement);
            for (int i = 0; i < columns; ++i) {
                switch (sqlite3_column_type(statement, i)) {
                case SQLITE_INTEGER:
                    checksum += sqlite3_column_int64(statement, i);
                    break;
                case SQLITE_FLOAT:
                    checksum += (long long)sqlite3_column_double(statement, i);
                    break;
                case SQLITE_TEXT:
                    checksum += sqlite3_column_bytes(statement, i);
                    break;
                default:
                    break;
                }
            }
        }
        sqlite3_finalize(statement);
        benchmark::DoNotOptimize(checksum);
    }
    sqlite3_close(db);
    state.counters["rows"] = BenchAssetCount();
}

} // namespace

BENCHMARK(RawSqliteLoop)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(OpenIntoRecordSet)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    return RunBenchmarksOnGeneratedAssets(argc, argv);
}
