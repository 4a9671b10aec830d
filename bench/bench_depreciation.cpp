// The monthly and yearly depreciation tables, against opening the same assets into an asset set.
#include "asset_generator.h"

#include "assets/asset_set.h"
#include "data/database.h"
#include "depreciation/depreciation_tables.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>

namespace {

int AssetCount()
{
    const char *n = std::getenv("LANSHI_BENCH_ASSETS");
    return n ? std::atoi(n) : 100000;
}

double PeakMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return 0;
}

// The assets the tables list: depreciated and in service.
void OpenDepreciatedAssets(benchmark::State &state)
{
    for (auto _ : state) {
        TAssetsSet assets;
        assets.Where()->DataSet()->Edit();
        assets.Where()->ReducedFld()->SetAsBoolean(false);
        assets.Where()->IsDeprFld()->SetAsBoolean(true);
        assets.Where()->DataSet()->Post();
        assets.OpenWhere();
        state.counters["rows"] = assets.DataSet()->RecordCount();
    }
}

void MonthlyTable(benchmark::State &state)
{
    TDepreciation table;
    for (auto _ : state)
        table.Calculate(2015, 6, QString(), QString());
    state.counters["rows"] = table.DataSet()->RecordCount();
    state.counters["peak_MiB"] = PeakMiB();
}

void YearlyTable(benchmark::State &state)
{
    TDepreciationByYear table;
    for (auto _ : state)
        table.Calculate(2015, QString(), QString());
    state.counters["rows"] = table.DataSet()->RecordCount();
    state.counters["peak_MiB"] = PeakMiB();
}

} // namespace

BENCHMARK(OpenDepreciatedAssets)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(MonthlyTable)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(YearlyTable)->Unit(benchmark::kMillisecond)->Iterations(2);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString path = QDir::current().filePath(QStringLiteral("bench_assets.db"));
    GenerateAssetsDatabase(path, AssetCount());
    if (!GlobalDatabase().Connect(
            QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Persist Security Info=True").arg(path)))
        return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    GlobalDatabase().SetConnected(false);
    return 0;
}
