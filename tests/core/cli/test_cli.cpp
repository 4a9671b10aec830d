// The command-line tool: creating a database and refusing bad command lines.
#include "cli_commands.h"
#include "data/database.h"
#include "data/record_set.h"
#include "scripted_interaction.h"
#include "support/app_paths.h"

#include <QTemporaryDir>
#include <QTest>

class TestCli : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initDb();
    void badCommandLines_data();
    void badCommandLines();
};

void TestCli::initDb()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("new.mdb"));
    QCOMPARE(RunCli({QStringLiteral("init-db"), path}), 0);
    QCOMPARE(RunCli({QStringLiteral("init-db"), path}), 1); // an existing file is never overwritten

    TScriptedScope scripted;
    QVERIFY(GlobalDatabase().Connect(
        QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Persist Security Info=True").arg(path)));
    QCOMPARE(GlobalRecordSet().Query(QStringLiteral("select * from options")), 9);
    GlobalDatabase().SetConnected(false);
}

void TestCli::badCommandLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("help") << QStringList{QStringLiteral("--help")} << 0;
    QTest::newRow("nothing") << QStringList{} << 2;
    QTest::newRow("unknown command") << QStringList{QStringLiteral("frobnicate")} << 2;
    QTest::newRow("init-db without a file") << QStringList{QStringLiteral("init-db")} << 2;
    QTest::newRow("init-db into a missing folder")
        << QStringList{QStringLiteral("init-db"), QStringLiteral("/nonexistent-folder/x.mdb")} << 1;
    QTest::newRow("profile without a folder") << QStringList{QStringLiteral("--profile")} << 2;
}

void TestCli::badCommandLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QCOMPARE(RunCli(arguments), exitCode);
    AppPaths::SetProfileDir(QString());
}

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
