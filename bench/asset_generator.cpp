#include "asset_generator.h"

#include "data/database.h"
#include "data/schema.h"
#include "support/errors.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <cstring>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace {

const QStringList Names = {
    QStringLiteral("台式电脑"), QStringLiteral("笔记本电脑"), QStringLiteral("激光打印机"),
    QStringLiteral("复印机"),   QStringLiteral("办公桌"),     QStringLiteral("文件柜"),
    QStringLiteral("柜式空调"), QStringLiteral("小型轿车"),   QStringLiteral("投影仪"),
    QStringLiteral("服务器"),   QStringLiteral("交换机"),     QStringLiteral("数码相机")};
const QStringList Kinds = {QStringLiteral("0301计算机设备"), QStringLiteral("0302办公设备"),
                           QStringLiteral("0303车辆"),       QStringLiteral("0401家具"),
                           QStringLiteral("0201专用设备"),   QStringLiteral("0101办公用房")};
const QStringList Depts = {QStringLiteral("办公室"), QStringLiteral("财务部"), QStringLiteral("人事部"),
                           QStringLiteral("技术部"), QStringLiteral("销售部"), QStringLiteral("后勤部")};
const QStringList States = {QStringLiteral("在用"), QStringLiteral("闲置"), QStringLiteral("维修中")};
const QStringList Places = {QStringLiteral("办公楼一层"), QStringLiteral("办公楼二层"),
                            QStringLiteral("办公楼三层"), QStringLiteral("仓库"), QStringLiteral("车库")};
const QStringList People = {QStringLiteral("张伟"), QStringLiteral("王芳"), QStringLiteral("李娜"),
                            QStringLiteral("刘洋"), QStringLiteral("陈静"), QStringLiteral("杨磊")};
const QStringList Factories = {QStringLiteral("联想集团有限公司"), QStringLiteral("海尔集团公司"),
                               QStringLiteral("上海汽车工业有限公司"), QStringLiteral("得力集团有限公司")};

int ExistingCount(const QString &connection)
{
    QSqlQuery query(QSqlDatabase::database(connection));
    if (!query.exec(QStringLiteral("select count(*) from assets")) || !query.next())
        return -1;
    return query.value(0).toInt();
}

} // namespace

void GenerateAssetsDatabase(const QString &path, int count)
{
    const QString connection = QStringLiteral("bench-generator");
    {
        if (QFile::exists(path)) {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
            db.setDatabaseName(path);
            const bool reusable = db.open() && ExistingCount(connection) == count;
            db.close();
            if (!reusable)
                QFile::remove(path);
        }
    }
    QSqlDatabase::removeDatabase(connection);
    if (QFile::exists(path))
        return;
    CreateDatabaseFile(path);

    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (!db.open())
            throw EDatabaseError(db.lastError().text());
        QRandomGenerator random(20081126);
        auto pick = [&](const QStringList &list) { return list.at(random.bounded(int(list.size()))); };
        db.transaction();
        QSqlQuery insert(db);
        insert.prepare(QStringLiteral("insert into assets(Id, Code, Kind, Name, PartNo, GBCode, Config, "
                                      "Factory, BuildDate, Qty, Price, Unit, "
                                      "AddKind, UseDept, UseState, LayPlace, Depositary, AccountDate, "
                                      "OriginValue, EndValue, EndValueRate, "
                                      "UseYears, MethodId, AssetNote, Reduced, Str1, Float1, Date1) values "
                                      "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                                      "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        const QDate first(2006, 1, 1);
        for (int id = 1; id <= count; ++id) {
            const int qty = 1 + random.bounded(3);
            const double price = double(random.bounded(100, 50000000)) / 100;
            const double origin = price * qty;
            const int rate = random.bounded(2) ? 5 : 3;
            const QDate service = first.addDays(random.bounded(20 * 365));
            const int method = random.bounded(10) == 0 ? 0 : 1 + random.bounded(3);
            const QVariantList values = {id,
                                         QStringLiteral("ZC%1").arg(id, 7, 10, QLatin1Char('0')),
                                         pick(Kinds),
                                         pick(Names),
                                         QStringLiteral("型号-%1").arg(random.bounded(1000)),
                                         QStringLiteral("GB%1").arg(random.bounded(100000)),
                                         QStringLiteral("标准配置，含三年保修"),
                                         pick(Factories),
                                         QString::number(service.year() - 1),
                                         qty,
                                         price,
                                         QStringLiteral("台"),
                                         QStringLiteral("购入"),
                                         pick(Depts),
                                         pick(States),
                                         pick(Places),
                                         pick(People),
                                         service.toString(QStringLiteral("yyyy-MM-dd 00:00:00")),
                                         origin,
                                         std::round(origin * rate) / 100,
                                         rate,
                                         3 + random.bounded(28),
                                         method,
                                         random.bounded(4) == 0 ? QStringLiteral("年度盘点已核对")
                                                                : QString(),
                                         random.bounded(20) == 0 ? 1 : 0,
                                         pick(People),
                                         double(random.bounded(1000)),
                                         QVariant(QMetaType::fromType<QString>())};
            for (int i = 0; i < values.size(); ++i)
                insert.bindValue(i, values.at(i));
            if (!insert.exec())
                throw EDatabaseError(insert.lastError().text());
        }
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

int BenchAssetCount()
{
    const char *n = std::getenv("LANSHI_BENCH_ASSETS");
    return n ? std::atoi(n) : 100000;
}

QString BenchDatabasePath()
{
    return QDir::current().filePath(QStringLiteral("bench_assets.db"));
}

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

int RunBenchmarksOnGeneratedAssets(int argc, char **argv)
{
    GenerateAssetsDatabase(BenchDatabasePath(), BenchAssetCount());
    if (!GlobalDatabase().Connect(
            QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Persist Security Info=True")
                .arg(BenchDatabasePath())))
        return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    GlobalDatabase().SetConnected(false);
    return 0;
}
