// The monthly and yearly depreciation tables, against opening the same assets into an asset set.
#include "asset_generator.h"

#include "assets/asset_set.h"
#include "depreciation/depreciation_tables.h"

#include <benchmark/benchmark.h>
#include <QCoreApplication>

namespace {

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
    state.counters["peak_MiB"] = ProcStatusMiB("VmHWM:");
}

void YearlyTable(benchmark::State &state)
{
    TDepreciationByYear table;
    for (auto _ : state)
        table.Calculate(2015, QString(), QString());
    state.counters["rows"] = table.DataSet()->RecordCount();
    state.counters["peak_MiB"] = ProcStatusMiB("VmHWM:");
}

} // namespace

BENCHMARK(OpenDepreciatedAssets)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(MonthlyTable)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(YearlyTable)->Unit(benchmark::kMillisecond)->Iterations(2);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    return RunBenchmarksOnGeneratedAssets(argc, argv);
}
