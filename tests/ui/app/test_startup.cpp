// The start-up: the splash window's status line and the connection loop with its dialog, run headless.
#include "app/db_config_frm.h"
#include "app/db_configer.h"
#include "app/splash_frm.h"
#include "app/startup.h"
#include "data/database.h"
#include "scripted_interaction.h"
#include "support/app_paths.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString ConnectFailure = QStringLiteral("连接时失败,提示如下:\r\n");

template <typename T> T *Child(QWidget *form, const char *name)
{
    T *child = form->findChild<T *>(QString::fromLatin1(name));
    if (!child)
        qFatal("no control %s", name);
    return child;
}

// Presses OK as the person would and reports how the dialog ended.
int PressOk(QWidget *dialog)
{
    Child<QPushButton>(dialog, "OkBtn1")->click();
    return static_cast<QDialog *>(dialog)->result();
}

QList<QWidget *> VisibleWindows()
{
    QList<QWidget *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible())
            windows.append(widget);
    }
    return windows;
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_profile;

private Q_SLOTS:
    void init()
    {
        m_profile = std::make_unique<QTemporaryDir>();
        AppPaths::SetProfileDir(m_profile->path());
    }

    void cleanup()
    {
        GlobalDatabase().SetConnected(false);
        AppPaths::SetProfileDir(QString());
        m_profile.reset();
    }

    void splashStatus_data()
    {
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QString>("expected");
        QTest::newRow("as created") << QStringList() << QStringLiteral("正在创建数据连接...");
        QTest::newRow("text replaces") << QStringList{QStringLiteral("正在连接数据库,请稍候...")}
                                       << QStringLiteral("正在连接数据库,请稍候...");
        QTest::newRow("empty appends a dot")
            << QStringList{QString(), QString()} << QStringLiteral("正在创建数据连接.....");
        QTest::newRow("dots after a new text")
            << QStringList{QStringLiteral("载入"), QString()} << QStringLiteral("载入.");
    }

    void splashStatus()
    {
        QFETCH(QStringList, calls);
        QFETCH(QString, expected);
        TSplashFrm splash;
        for (const QString &text : calls)
            splash.ShowStatus(text);
        QCOMPARE(splash.Status(), expected);
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
    }

    void cancelAtFirstFailureEndsQuietly()
    {
        TScriptedScope scripted;
        scripted->DialogScripts.enqueue([](QWidget *) { return int(QDialog::Rejected); });
        TStartup startup;

        QVERIFY(!startup.Run());
        QVERIFY(!GlobalDatabase().Connected());
        QCOMPARE(scripted->Messages.size(), 1);
        QVERIFY(scripted->Messages.first().Text.contains(ConnectFailure));
        QCOMPARE(scripted->Dialogs.size(), 1);
        QCOMPARE(scripted->Dialogs.first().ClassName, QStringLiteral("TDBConfigFrm"));
        QCOMPARE(startup.Splash()->Status(), QStringLiteral("正在创建程序,请稍候..."));
        QCOMPARE(VisibleWindows(), QList<QWidget *>{startup.Splash()});
        for (QWidget *widget : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<TDBConfigFrm *>(widget));
    }

    void correctedSettingsConnectAtOnce()
    {
        TScriptedScope scripted;
        scripted->DialogScripts.enqueue([](QWidget *dialog) {
            Child<QComboBox>(dialog, "cmbProvider1")->setCurrentIndex(TDBConfiger::ProviderJet);
            Child<QCheckBox>(dialog, "chkDefault1")->setChecked(true);
            return PressOk(dialog);
        });
        TStartup startup;

        QVERIFY(startup.Run());
        QVERIFY(GlobalDatabase().Connected());
        QCOMPARE(scripted->Messages.size(), 1);
        QVERIFY(scripted->Messages.first().Text.contains(ConnectFailure));
        QCOMPARE(scripted->Dialogs.size(), 1);
        QCOMPARE(GlobalDatabase().ConnectionString(), TDBConfiger::BuiltInConnectionString());
        QVERIFY(QFileInfo::exists(AppPaths::DefaultDatabasePath()));
        QCOMPARE(TDBConfiger().providerIdx, int(TDBConfiger::ProviderJet));
        QCOMPARE(startup.Splash()->Status(), QStringLiteral("正在创建程序,请稍候..."));
        QVERIFY(startup.Splash()->isVisible());
    }

    // A port that does not convert saves nothing, so the retry fails as before; the same dialog comes back
    // with what was typed.
    void retryKeepsTheDialogAndWhatWasTyped()
    {
        TScriptedScope scripted;
        QWidget *first = nullptr;
        scripted->DialogScripts.enqueue([&first](QWidget *dialog) {
            first = dialog;
            Child<QLineEdit>(dialog, "edtServer1")->setText(QStringLiteral("资产服务器"));
            Child<QLineEdit>(dialog, "edtPort1")->setText(QStringLiteral("一四三三"));
            return PressOk(dialog);
        });
        QWidget *second = nullptr;
        QString serverOnReturn;
        scripted->DialogScripts.enqueue([&](QWidget *dialog) {
            second = dialog;
            serverOnReturn = Child<QLineEdit>(dialog, "edtServer1")->text();
            return int(QDialog::Rejected);
        });
        TStartup startup;

        QVERIFY(!startup.Run());
        QCOMPARE(scripted->Dialogs.size(), 2);
        QCOMPARE(second, first);
        QCOMPARE(serverOnReturn, QStringLiteral("资产服务器"));
        const QStringList texts = scripted->MessageTexts();
        QCOMPARE(texts.size(), 3);
        QVERIFY(texts.at(0).contains(ConnectFailure));
        QVERIFY(texts.at(1).contains(QStringLiteral("\"一四三三\" 不是有效的整数.")));
        QVERIFY(texts.at(2).contains(ConnectFailure));
        QVERIFY(!QFileInfo::exists(AppPaths::ConfigFile()));
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
