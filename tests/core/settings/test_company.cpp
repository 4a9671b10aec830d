// The company record: loading the row with Id 0, the first save inserting it and later ones updating it,
// the length rule of the name, and the edit loop with a refused statement and a read-only view.
#include "data/record_set.h"
#include "scripted_interaction.h"
#include "settings/company.h"
#include "test_database.h"

#include <functional>
#include <QList>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// One run of the dialog: OK with the values typed, or Cancel.
struct TRun
{
    bool Ok = false;
    TCompany Typed;
    std::function<void()> Before; // runs as the dialog opens
};

class TFakeCompanyPrompt : public TCompanyPrompt
{
public:
    QList<TRun> Runs; // Cancel when empty
    int Filled = 0;
    int Executed = 0;
    bool ReadOnly = false;
    TCompany Shown;

    void SetReadOnly(bool readOnly) override { ReadOnly = readOnly; }
    void FillFrom(const TCompany &company) override
    {
        ++Filled;
        Shown = company;
    }
    bool Execute() override
    {
        ++Executed;
        m_run = Runs.isEmpty() ? TRun{} : Runs.takeFirst();
        if (m_run.Before)
            m_run.Before();
        return m_run.Ok;
    }
    void CopyTo(TCompany &company) const override
    {
        company.CompanyName = m_run.Typed.CompanyName;
        company.Manager = m_run.Typed.Manager;
        company.Tel = m_run.Typed.Tel;
        company.Fax = m_run.Typed.Fax;
        company.Address = m_run.Typed.Address;
        company.Zip = m_run.Typed.Zip;
        company.Profile = m_run.Typed.Profile;
    }

private:
    TRun m_run;
};

TCompany Sample(const QString &name)
{
    TCompany c;
    c.CompanyName = name;
    c.Manager = u"张三"_s;
    c.Tel = u"010-12345678"_s;
    c.Fax = u"010-87654321"_s;
    c.Address = u"北京市海淀区 O'Neil 路 1 号"_s;
    c.Zip = u"100080"_s;
    c.Profile = u"第一行\r\n第二行"_s;
    return c;
}

TRun Ok(const TCompany &typed, std::function<void()> before = {})
{
    return {true, typed, std::move(before)};
}

QStringList CompanyRows()
{
    return TTestDatabase::Rows(
        u"select Id, CompanyName, Manager, Tel, Fax, Address, Zip, Profile, cast(Updated as integer) "
        "from Company order by Id"_s);
}

QString Row(int id, const TCompany &c, int updated)
{
    return QStringList{
        QString::number(id), c.CompanyName,           c.Manager, c.Tel, c.Fax, c.Address, c.Zip,
        c.Profile,           QString::number(updated)}
        .join(u' ');
}

void CompareCompany(const TCompany &actual, const TCompany &expected)
{
    QCOMPARE(actual.Id, expected.Id);
    QCOMPARE(actual.CompanyName, expected.CompanyName);
    QCOMPARE(actual.Manager, expected.Manager);
    QCOMPARE(actual.Tel, expected.Tel);
    QCOMPARE(actual.Fax, expected.Fax);
    QCOMPARE(actual.Address, expected.Address);
    QCOMPARE(actual.Zip, expected.Zip);
    QCOMPARE(actual.Profile, expected.Profile);
    QCOMPARE(actual.Updated, expected.Updated);
}

} // namespace

class TestCompany : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void firstSaveInsertsThenUpdates();
    void loadCompany();
    void loadWithoutRowLeavesObject();
    void hasCompanyName_data();
    void hasCompanyName();
    void editSavesWhatWasTyped();
    void editCancelledOrReadOnlySavesNothing_data();
    void editCancelledOrReadOnlySavesNothing();
    void refusedSaveReloadsAndAsksAgain_data();
    void refusedSaveReloadsAndAsksAgain();

private:
    std::unique_ptr<TTestDatabase> m_db;
};

void TestCompany::init()
{
    m_db = std::make_unique<TTestDatabase>();
    QVERIFY(m_db->IsValid());
    m_db->Exec(u"delete from Company"_s);
}

void TestCompany::cleanup()
{
    m_db.reset();
}

void TestCompany::firstSaveInsertsThenUpdates()
{
    TCompany company = Sample(u"澜石科技有限公司"_s);
    QVERIFY(!company.CompanyExists());
    company.SaveCompany();
    QCOMPARE(CompanyRows(), QStringList{Row(0, company, 0)});
    QVERIFY(company.CompanyExists());

    company.CompanyName = u"澜石科技股份有限公司"_s;
    company.Tel.clear();
    company.Updated = true;
    company.SaveCompany();
    QCOMPARE(CompanyRows(), QStringList{Row(0, company, 1)});
    // An empty field is stored as an empty text.
    QCOMPARE(TTestDatabase::Rows(u"select count(*) from Company where Tel=''"_s), QStringList{u"1"_s});
}

void TestCompany::loadCompany()
{
    m_db->Exec(u"insert into Company(Id,CompanyName,Manager,Tel,Fax,Address,Zip,Profile,Updated) values "
               "(1, '别的公司', '', '', '', '', '', '', 0)"_s);
    m_db->Exec(
        u"insert into Company(Id,CompanyName,Manager,Tel,Fax,Address,Zip,Profile,Updated) values "
        "(0, '澜石科技有限公司', '张三', '1', '2', '地址', '100080', '简介' || char(13) || char(10) || "
        "'第二行', 1)"_s);
    TCompany company;
    company.LoadCompany();
    TCompany expected;
    expected.CompanyName = u"澜石科技有限公司"_s;
    expected.Manager = u"张三"_s;
    expected.Tel = u"1"_s;
    expected.Fax = u"2"_s;
    expected.Address = u"地址"_s;
    expected.Zip = u"100080"_s;
    expected.Profile = u"简介\r\n第二行"_s;
    expected.Updated = true;
    CompareCompany(company, expected);

    // Updated goes back into the row as it came.
    company.SaveCompany();
    QCOMPARE(TTestDatabase::Rows(u"select cast(Updated as integer) from Company where Id=0"_s),
             QStringList{u"1"_s});
}

void TestCompany::loadWithoutRowLeavesObject()
{
    m_db->Exec(u"insert into Company(Id,CompanyName) values (1, '别的公司')"_s);
    TCompany company = Sample(u"内存里的名称"_s);
    company.Updated = true;
    const TCompany before = company;
    company.LoadCompany();
    CompareCompany(company, before);

    // Nulls read as empty texts and false.
    m_db->Exec(u"insert into Company(Id) values (0)"_s);
    company.LoadCompany();
    CompareCompany(company, TCompany());
}

void TestCompany::hasCompanyName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("has");
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("three chinese characters") << u"澜石科"_s << false;
    QTest::newRow("four chinese characters") << u"澜石科技"_s << true;
    QTest::newRow("seven ascii letters") << u"Lanshi1"_s << false;
    QTest::newRow("eight ascii letters") << u"Lanshi12"_s << true;
    QTest::newRow("mixed, seven bytes") << u"ab澜石c"_s << false;
    QTest::newRow("mixed, eight bytes") << u"ab澜石cd"_s << true;
    QTest::newRow("full-width digits count two bytes") << u"１２３４"_s << true;
}

void TestCompany::hasCompanyName()
{
    QFETCH(QString, name);
    QFETCH(bool, has);
    TCompany company;
    company.CompanyName = name;
    QCOMPARE(company.HasCompanyName(), has);
}

void TestCompany::editSavesWhatWasTyped()
{
    TCompany company = Sample(u"旧名称有限公司"_s);
    company.SaveCompany();
    TScriptedScope scripted;
    TFakeCompanyPrompt prompt;
    const TCompany typed = Sample(u"新名称有限公司"_s);
    prompt.Runs = {Ok(typed)};
    QVERIFY(company.EditCompany(prompt, false));
    QVERIFY(!prompt.ReadOnly);
    QCOMPARE(prompt.Filled, 1);
    QCOMPARE(prompt.Shown.CompanyName, u"旧名称有限公司"_s);
    QCOMPARE(company.CompanyName, u"新名称有限公司"_s);
    QCOMPARE(CompanyRows(), QStringList{Row(0, typed, 0)});
    QVERIFY(scripted->Messages.isEmpty());
}

void TestCompany::editCancelledOrReadOnlySavesNothing_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("ok");
    QTest::newRow("cancel") << false << false;
    QTest::newRow("read-only, closed") << true << false;
    QTest::newRow("read-only, OK reached anyway") << true << true;
}

void TestCompany::editCancelledOrReadOnlySavesNothing()
{
    QFETCH(bool, readOnly);
    QFETCH(bool, ok);
    TCompany company = Sample(u"旧名称有限公司"_s);
    company.SaveCompany();
    const QStringList before = CompanyRows();
    TFakeCompanyPrompt prompt;
    prompt.Runs = {TRun{ok, Sample(u"新名称有限公司"_s), {}}};
    QVERIFY(!company.EditCompany(prompt, readOnly));
    QCOMPARE(prompt.ReadOnly, readOnly);
    QCOMPARE(prompt.Executed, 1);
    QCOMPARE(company.CompanyName, u"旧名称有限公司"_s);
    QCOMPARE(CompanyRows(), before);
}

void TestCompany::refusedSaveReloadsAndAsksAgain_data()
{
    QTest::addColumn<bool>("rowStored");
    QTest::newRow("row stored, update refused") << true;
    QTest::newRow("no row yet, insert refused") << false;
}

void TestCompany::refusedSaveReloadsAndAsksAgain()
{
    QFETCH(bool, rowStored);
    TCompany company;
    if (rowStored) {
        Sample(u"数据库里的名称"_s).SaveCompany();
        company.LoadCompany();
    }
    // The object differs from the row: the reload must bring back the row, or, with no row, the object
    // as it was before the edit.
    company.Tel = u"内存里的电话"_s;
    TCompany expected = company;
    if (rowStored)
        expected.Tel = Sample(QString()).Tel;

    m_db->Exec(u"create trigger refuse_insert before insert on Company "
               "begin select raise(abort, 'company refused'); end"_s);
    m_db->Exec(u"create trigger refuse_update before update on Company "
               "begin select raise(abort, 'company refused'); end"_s);
    const QStringList before = CompanyRows();
    TScriptedScope scripted;
    TFakeCompanyPrompt prompt;
    const TCompany typed = Sample(u"新名称有限公司"_s);
    prompt.Runs = {Ok(typed)};
    QVERIFY(!company.EditCompany(prompt, false));
    QCOMPARE(prompt.Executed, 2);
    QCOMPARE(prompt.Filled, 1); // back with what was typed, not refilled
    QCOMPARE(scripted->Messages.size(), 1);
    QVERIFY2(scripted->LastMessageText().contains(u"company refused"_s),
             qPrintable(scripted->LastMessageText()));
    CompareCompany(company, expected);
    QCOMPARE(CompanyRows(), before);

    // The next OK, with the database accepting again, saves what was typed.
    prompt.Runs = {Ok(typed), Ok(typed, [this] {
                       m_db->Exec(u"drop trigger refuse_insert"_s);
                       m_db->Exec(u"drop trigger refuse_update"_s);
                   })};
    prompt.Executed = 0;
    QVERIFY(company.EditCompany(prompt, false));
    QCOMPARE(prompt.Executed, 2);
    QCOMPARE(company.CompanyName, typed.CompanyName);
    QCOMPARE(CompanyRows(), QStringList{Row(0, typed, int(expected.Updated))});
}

QTEST_GUILESS_MAIN(TestCompany)
#include "test_company.moc"
