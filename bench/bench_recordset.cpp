// Opening the whole asset table into a record set, against a raw sqlite3 loop reading the same rows.
#include "asset_generator.h"

#include "data/database.h"
#include "data/record_set.h"

#include <benchmark/benchmark.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <sqlite3.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

QString DatabasePath()
{
    static const QString path = QDir::current().filePath(QStringLiteral("bench_assets.db"));
    return path;
}

int AssetCount()
{
    const char *n = std::getenv("LANSHI_BENCH_ASSETS");
    return n ? std::atoi(n) : 100000;
}

// Resident and peak resident memory of this process in MiB, from /proc.
double ProcStatusMiB(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(int(std::strlen(key))).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return 0;
}

// The asset table's columns as the program declares them.
void DeclareAssetFields(TRecordSet &rs)
{
    struct TDecl
    {
        const char *Name;
        TFieldType Type;
        int Size;
    };
    static const TDecl fields[] = {
        {"Id", TFieldType::Integer, -1},
        {"Code", TFieldType::String, 50},
        {"Kind", TFieldType::String, 50},
        {"Name", TFieldType::String, 50},
        {"PartNo", TFieldType::String, 50},
        {"GBCode", TFieldType::String, 50},
        {"Config", TFieldType::String, 250},
        {"Factory", TFieldType::String, 50},
        {"BuildDate", TFieldType::String, 20},
        {"Qty", TFieldType::Integer, -1},
        {"Price", TFieldType::Float, -1},
        {"Unit", TFieldType::String, 10},
        {"AddKind", TFieldType::String, 50},
        {"UseDept", TFieldType::String, 50},
        {"UseState", TFieldType::String, 50},
        {"LayPlace", TFieldType::String, 50},
        {"Depositary", TFieldType::String, 50},
        {"AccountDate", TFieldType::DateTime, -1},
        {"OriginValue", TFieldType::Currency, -1},
        {"EndValue", TFieldType::Currency, -1},
        {"EndValueRate", TFieldType::Integer, -1},
        {"UseYears", TFieldType::Integer, -1},
        {"AssetNote", TFieldType::String, 250},
        {"MethodId", TFieldType::Integer, -1},
        {"Reduced", TFieldType::Integer, -1},
        {"ReduceDate", TFieldType::DateTime, -1},
        {"ReduceWay", TFieldType::String, -1},
        {"ReduceHandman", TFieldType::String, -1},
        {"ReduceCheckman", TFieldType::String, -1},
        {"ReduceNote", TFieldType::String, -1},
        {"Str1", TFieldType::String, 50},
        {"Str2", TFieldType::String, 50},
        {"Str3", TFieldType::String, 50},
        {"Str4", TFieldType::String, 50},
        {"Str5", TFieldType::String, 50},
        {"Str6", TFieldType::String, 50},
        {"Float1", TFieldType::Float, -1},
        {"Float2", TFieldType::Float, -1},
        {"Float3", TFieldType::Float, -1},
        {"Date1", TFieldType::DateTime, -1},
        {"Date2", TFieldType::DateTime, -1},
        {"Date3", TFieldType::DateTime, -1},
    };
    for (const TDecl &field : fields)
        rs.AddField(field.Type, QString::fromLatin1(field.Name), field.Size);
}

void OpenIntoRecordSet(benchmark::State &state)
{
    double residentGrowth = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto rs = std::make_unique<TRecordSet>();
        DeclareAssetFields(*rs);
        const double before = ProcStatusMiB("VmRSS:");
        state.ResumeTiming();
        benchmark::DoNotOptimize(rs->Query(QStringLiteral("select * from assets")));
        state.PauseTiming();
        residentGrowth = ProcStatusMiB("VmRSS:") - before;
        rs.reset(); // freeing the rows is not part of opening them
        state.ResumeTiming();
    }
    state.counters["rows"] = AssetCount();
    state.counters["resident_MiB"] = residentGrowth;
    state.counters["peak_MiB"] = ProcStatusMiB("VmHWM:");
}

// Reads every column of every row with the natural type, as a hand-written program would.
void RawSqliteLoop(benchmark::State &state)
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(QFile::encodeName(DatabasePath()).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
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
    state.counters["rows"] = AssetCount();
}

} // namespace

BENCHMARK(RawSqliteLoop)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(OpenIntoRecordSet)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    GenerateAssetsDatabase(DatabasePath(), AssetCount());
    if (!GlobalDatabase().Connect(
            QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Persist Security Info=True")
                .arg(DatabasePath())))
        return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    GlobalDatabase().SetConnected(false);
    return 0;
}
