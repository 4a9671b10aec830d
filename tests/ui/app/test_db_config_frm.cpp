// The connection dialog: settings in and out of cfg.ini, the provider pages, the default-connection rule,
// the port conversion, the file chooser and the keyboard.
#include "app/db_config_frm.h"
#include "app/db_configer.h"
#include "scripted_interaction.h"
#include "support/app_paths.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

template <typename T> T *Child(QWidget &form, const char *name)
{
    T *child = form.findChild<T *>(QString::fromLatin1(name));
    if (!child)
        qFatal("no control %s", name);
    return child;
}

QLineEdit *Edit(QWidget &form, const char *name)
{
    return Child<QLineEdit>(form, name);
}

// Writes [db] of the profile's cfg.ini through the settings object itself.
void StoreSettings(const std::function<void(TDBConfiger &)> &change)
{
    TDBConfiger configer;
    change(configer);
    configer.SaveSettings();
}

} // namespace

class TestDBConfigFrm : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_profile;

    static bool CfgExists() { return QFileInfo::exists(AppPaths::ConfigFile()); }

private Q_SLOTS:
    void init()
    {
        m_profile = std::make_unique<QTemporaryDir>();
        AppPaths::SetProfileDir(m_profile->path());
    }

    void cleanup()
    {
        AppPaths::SetProfileDir(QString());
        m_profile.reset();
    }

    void providerNamesAndPages_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("chosen");
        QTest::newRow("sql server to service") << 0 << 2;
        QTest::newRow("service to jet") << 2 << 1;
        QTest::newRow("jet to sql server") << 1 << 0;
    }

    void providerNamesAndPages()
    {
        QFETCH(int, stored);
        QFETCH(int, chosen);
        StoreSettings([stored](TDBConfiger &cfg) { cfg.providerIdx = stored; });
        TDBConfigFrm frm;
        auto *providers = Child<QComboBox>(frm, "cmbProvider1");
        auto *pages = Child<QStackedWidget>(frm, "stkParams1");
        const QStringList names{QStringLiteral("Microsoft OLE DB Provider for Sql Server"),
                                QStringLiteral("Microsoft Jet 4.0 OLE DB Provider"),
                                QStringLiteral("DaVeru Dip Provider for Sql Server")};
        const QStringList pageNames{QStringLiteral("tsSqlServer1"), QStringLiteral("tsJet1"),
                                    QStringLiteral("tsDip1")};
        QCOMPARE(providers->count(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(providers->itemText(i), names.at(i));

        QCOMPARE(providers->currentIndex(), stored);
        QCOMPARE(pages->currentWidget()->objectName(), pageNames.at(stored));
        providers->setCurrentIndex(chosen);
        QCOMPARE(pages->currentWidget()->objectName(), pageNames.at(chosen));
    }

    void defaultConnectionRule_data()
    {
        QTest::addColumn<bool>("defaultCon");
        QTest::newRow("stored checked") << true;
        QTest::newRow("stored unchecked") << false;
    }

    void defaultConnectionRule()
    {
        QFETCH(bool, defaultCon);
        StoreSettings([defaultCon](TDBConfiger &cfg) { cfg.defaultCon = defaultCon; });
        TDBConfigFrm frm;
        const QColor buttonFace = frm.palette().color(QPalette::Button);
        const QColor window = frm.palette().color(QPalette::Base);
        QVERIFY(buttonFace != window);
        auto *check = Child<QCheckBox>(frm, "chkDefault1");

        const auto verify = [&](bool checked) {
            QCOMPARE(check->isChecked(), checked);
            for (const char *name : {"edtJetFile1", "edtJetUser1", "edtJetPassword1"}) {
                QCOMPARE(Edit(frm, name)->isEnabled(), !checked);
                QCOMPARE(Edit(frm, name)->palette().color(QPalette::Base), checked ? buttonFace : window);
            }
            QCOMPARE(Child<QPushButton>(frm, "btnBrowse1")->isEnabled(), !checked);
        };
        verify(defaultCon);
        check->click();
        verify(!defaultCon);
        check->click();
        verify(defaultCon);
    }

    void creationCopiesSettings()
    {
        StoreSettings([](TDBConfiger &cfg) {
            cfg.providerIdx = 0;
            cfg.mssqlServer = QStringLiteral("财务服务器");
            cfg.mssqlPort = 1500;
            cfg.mssqlDb = QStringLiteral("assets");
            cfg.mssqlUser = QStringLiteral("clerk");
            cfg.mssqlPw = QStringLiteral("pw1");
            cfg.SmartConnection = true;
            cfg.jetfile = QStringLiteral("/data/资产.mdb");
            cfg.jetUser = QStringLiteral("admin");
            cfg.jetPw = QStringLiteral("pw2");
            cfg.dipUrl = QStringLiteral("http://dip.example/conn");
            cfg.dipUser = QStringLiteral("dipper");
        });
        TDBConfigFrm frm;
        QCOMPARE(Edit(frm, "edtServer1")->text(), QStringLiteral("财务服务器"));
        QCOMPARE(Edit(frm, "edtPort1")->text(), QStringLiteral("1500"));
        QCOMPARE(Edit(frm, "edtDb1")->text(), QStringLiteral("assets"));
        QCOMPARE(Edit(frm, "edtUser1")->text(), QStringLiteral("clerk"));
        QCOMPARE(Edit(frm, "edtPassword1")->text(), QStringLiteral("pw1"));
        QCOMPARE(Edit(frm, "edtPassword1")->echoMode(), QLineEdit::Password);
        QVERIFY(!Child<QCheckBox>(frm, "chkSmart1")->isChecked());
        QCOMPARE(Edit(frm, "edtJetFile1")->text(), QStringLiteral("/data/资产.mdb"));
        QCOMPARE(Edit(frm, "edtJetUser1")->text(), QStringLiteral("admin"));
        QCOMPARE(Edit(frm, "edtJetPassword1")->text(), QStringLiteral("pw2"));
        QCOMPARE(Edit(frm, "edtJetPassword1")->echoMode(), QLineEdit::Password);
        QCOMPARE(Edit(frm, "edtDipUrl1")->text(), QStringLiteral("http://dip.example/conn"));
        QCOMPARE(Edit(frm, "edtDipUser1")->text(), QStringLiteral("dipper"));
    }

    void okSavesSettings()
    {
        TScriptedScope scripted;
        TDBConfigFrm frm;
        Child<QComboBox>(frm, "cmbProvider1")->setCurrentIndex(0);
        Edit(frm, "edtServer1")->setText(QStringLiteral("srv"));
        Edit(frm, "edtPort1")->setText(QStringLiteral("2433"));
        Edit(frm, "edtDb1")->setText(QStringLiteral("固定资产"));
        Edit(frm, "edtUser1")->setText(QStringLiteral("sa"));
        Edit(frm, "edtPassword1")->setText(QStringLiteral("secret"));
        Child<QCheckBox>(frm, "chkDefault1")->setChecked(false);
        Edit(frm, "edtJetFile1")->setText(QStringLiteral("/data/a.mdb"));
        Edit(frm, "edtJetUser1")->setText(QStringLiteral("jet"));
        Edit(frm, "edtJetPassword1")->setText(QStringLiteral("jpw"));
        Edit(frm, "edtDipUrl1")->setText(QStringLiteral("http://dip"));
        Edit(frm, "edtDipUser1")->setText(QStringLiteral("du"));
        Child<QPushButton>(frm, "OkBtn1")->click();

        QCOMPARE(frm.result(), int(QDialog::Accepted));
        QVERIFY(scripted->Messages.isEmpty());
        TDBConfiger saved;
        QCOMPARE(saved.providerIdx, 0);
        QCOMPARE(saved.mssqlServer, QStringLiteral("srv"));
        QCOMPARE(saved.mssqlPort, 2433);
        QCOMPARE(saved.mssqlDb, QStringLiteral("固定资产"));
        QCOMPARE(saved.mssqlUser, QStringLiteral("sa"));
        QCOMPARE(saved.mssqlPw, QStringLiteral("secret"));
        QCOMPARE(saved.defaultCon, false);
        QCOMPARE(saved.jetfile, QStringLiteral("/data/a.mdb"));
        QCOMPARE(saved.jetUser, QStringLiteral("jet"));
        QCOMPARE(saved.jetPw, QStringLiteral("jpw"));
        QCOMPARE(saved.dipUrl, QStringLiteral("http://dip"));
        QCOMPARE(saved.dipUser, QStringLiteral("du"));
        const QString expected =
            TDBConfiger::SqlServerConnectionString(QStringLiteral("sa"), QStringLiteral("secret"),
                                                   QStringLiteral("固定资产"), QStringLiteral("srv"));
        QCOMPARE(saved.GetConnectionString(), expected);
        QCOMPARE(frm.ConnectionString(), expected);
    }

    void badPortSavesNothingYetClosesWithOk_data()
    {
        QTest::addColumn<QString>("port");
        QTest::newRow("letters") << QStringLiteral("abc");
        QTest::newRow("fraction") << QStringLiteral("14.5");
        QTest::newRow("empty") << QString();
    }

    void badPortSavesNothingYetClosesWithOk()
    {
        QFETCH(QString, port);
        TScriptedScope scripted;
        TDBConfigFrm frm;
        Child<QComboBox>(frm, "cmbProvider1")->setCurrentIndex(1);
        Edit(frm, "edtPort1")->setText(port);
        Child<QPushButton>(frm, "OkBtn1")->click();

        QCOMPARE(frm.result(), int(QDialog::Accepted));
        QCOMPARE(scripted->Messages.size(), 1);
        QVERIFY(scripted->LastMessageText().contains(QStringLiteral("\"%1\" 不是有效的整数.").arg(port)));
        QVERIFY(!CfgExists());
        QCOMPARE(frm.Configer().providerIdx, 0);
    }

    void cancelSavesNothing_data()
    {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("cancel button") << false;
        QTest::newRow("escape key") << true;
    }

    void cancelSavesNothing()
    {
        QFETCH(bool, byEscape);
        TScriptedScope scripted;
        TDBConfigFrm frm;
        frm.setResult(QDialog::Accepted);
        Child<QComboBox>(frm, "cmbProvider1")->setCurrentIndex(1);
        Edit(frm, "edtServer1")->setText(QStringLiteral("srv"));
        if (byEscape)
            QTest::keyClick(&frm, Qt::Key_Escape);
        else
            Child<QPushButton>(frm, "CancelBtn1")->click();

        QCOMPARE(frm.result(), int(QDialog::Rejected));
        QVERIFY(!CfgExists());
        QVERIFY(scripted->Messages.isEmpty());
    }

    void browseFillsTheFile_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("expected");
        QTest::newRow("chosen") << QStringLiteral("/data/资产.mdb") << QStringLiteral("/data/资产.mdb");
        QTest::newRow("cancelled") << QString() << QStringLiteral("/old.mdb");
    }

    void browseFillsTheFile()
    {
        QFETCH(QString, answer);
        QFETCH(QString, expected);
        TScriptedScope scripted;
        scripted->FileAnswers.enqueue(answer);
        TDBConfigFrm frm;
        Child<QCheckBox>(frm, "chkDefault1")->setChecked(false);
        Edit(frm, "edtJetFile1")->setText(QStringLiteral("/old.mdb"));
        Child<QPushButton>(frm, "btnBrowse1")->click();
        QVERIFY(scripted->FileAnswers.isEmpty());
        QCOMPARE(Edit(frm, "edtJetFile1")->text(), expected);
    }

    void enterMovesFocus()
    {
        TScriptedScope scripted;
        TDBConfigFrm frm;
        frm.show();
        QVERIFY(QTest::qWaitForWindowActive(&frm));
        QLineEdit *server = Edit(frm, "edtServer1");
        QLineEdit *port = Edit(frm, "edtPort1");
        server->setFocus();
        QTest::keyClick(server, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), port);
        QTest::keyClick(port, Qt::Key_Enter, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), server);
        QVERIFY(frm.isVisible());
        QVERIFY(!CfgExists());
    }
};

QTEST_MAIN(TestDBConfigFrm)
#include "test_db_config_frm.moc"
