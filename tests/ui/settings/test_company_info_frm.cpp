// The company dialog driven as a person would, through the company's edit: the fields shown from the
// record, their order, what OK stores, the read-only view that cannot store, and a refused statement that
// brings the dialog back with what was typed.
#include "form_driving.h"
#include "forms/qz_edit.h"
#include "scripted_interaction.h"
#include "settings/company.h"
#include "settings/company_info_frm.h"
#include "test_database.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

void Retype(QWidget *form, const char *field, const QString &text)
{
    auto *edit = Child<QLineEdit>(form, field);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    TypeText(edit, text);
}

// The dialog's result once OK was pressed; -1 while it is still open.
int PressOk(QDialog *dialog)
{
    QTest::mouseClick(Child<QPushButton>(dialog, "OkBtn1"), Qt::LeftButton);
    return dialog->isVisible() ? -1 : dialog->result();
}

const char *const Edits[] = {"edtCompanyName1", "edtLawman1", "edtTel1", "edtFax1", "edtAddress1", "edtZip1"};

TCompany Stored()
{
    TCompany company;
    company.CompanyName = u"澜石科技有限公司"_s;
    company.Manager = u"张三"_s;
    company.Tel = u"010-12345678"_s;
    company.Fax = u"010-87654321"_s;
    company.Address = u"北京市海淀区"_s;
    company.Zip = u"100080"_s;
    company.Profile = u"第一行\r\n第二行"_s;
    return company;
}

QStringList CompanyRows()
{
    return TTestDatabase::Rows(
        u"select Id, CompanyName, Manager, Tel, Fax, Address, Zip, Profile from Company order by Id"_s);
}

} // namespace

class TestCompanyInfoFrm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void showsTheRecordInTabOrder();
    void okStoresWhatWasTyped();
    void readOnlyViewCannotStore();
    void refusedStatementComesBackWithInput();

private:
    std::unique_ptr<TTestDatabase> m_db;
};

void TestCompanyInfoFrm::init()
{
    m_db = std::make_unique<TTestDatabase>();
    QVERIFY(m_db->IsValid());
    m_db->Exec(u"delete from Company"_s);
    Stored().SaveCompany();
    GlobalCompany() = TCompany();
    GlobalCompany().LoadCompany();
}

void TestCompanyInfoFrm::cleanup()
{
    GlobalCompany() = TCompany();
    m_db.reset();
}

void TestCompanyInfoFrm::showsTheRecordInTabOrder()
{
    TScriptedScope scripted;
    QStringList properties;
    QStringList chain;
    bool okEnabled = false;
    bool scrollBar = false;
    scripted->DialogScripts.enqueue([&](QWidget *form) {
        auto *dialog = static_cast<QDialog *>(form);
        if (!ShowActive(dialog))
            return -1;
        for (const char *name : {"CompanyName", "Lawman", "Tel", "Fax", "Address", "Zip", "Profile"})
            properties.append(form->property(name).toString());
        okEnabled = Child<QPushButton>(form, "OkBtn1")->isEnabled();
        scrollBar =
            Child<QPlainTextEdit>(form, "memProfile1")->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
        // Tab from the first field through the whole dialog.
        for (int i = 0; i < 8; ++i) {
            chain.append(QApplication::focusWidget()->objectName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        return int(QDialog::Rejected);
    });
    TCompanyInfoFrm frm;
    QCOMPARE(frm.objectName(), u"CompanyInfoFrm"_s);
    QCOMPARE(frm.windowTitle(), u"公司信息"_s);
    QVERIFY(!GlobalCompany().EditCompany(frm, false));
    const TCompany stored = Stored();
    QCOMPARE(properties, (QStringList{stored.CompanyName, stored.Manager, stored.Tel, stored.Fax,
                                      stored.Address, stored.Zip, stored.Profile}));
    QVERIFY(okEnabled);
    QVERIFY(scrollBar);
    QCOMPARE(chain, (QStringList{u"edtCompanyName1"_s, u"edtLawman1"_s, u"edtTel1"_s, u"edtFax1"_s,
                                 u"edtAddress1"_s, u"edtZip1"_s, u"memProfile1"_s, u"OkBtn1"_s}));
    const char *const captions[][2] = {{"lblCompanyName1", "企业名称"}, {"lblLawman1", "负责人"},
                                       {"lblTel1", "联系电话"},         {"lblFax1", "传真号码"},
                                       {"lblAddress1", "地址"},         {"lblZip1", "邮编"},
                                       {"lblProfile1", "公司简介"}};
    for (const auto &[name, caption] : captions)
        QCOMPARE(Child<QLabel>(&frm, name)->text(), QString::fromUtf8(caption));
    QCOMPARE(CompanyRows().size(), 1);
}

void TestCompanyInfoFrm::okStoresWhatWasTyped()
{
    TScriptedScope scripted;
    scripted->DialogScripts.enqueue([](QWidget *form) {
        auto *dialog = static_cast<QDialog *>(form);
        if (!ShowActive(dialog))
            return -1;
        Retype(form, "edtCompanyName1", u"澜石科技股份有限公司"_s);
        Retype(form, "edtLawman1", u"李四"_s);
        Retype(form, "edtZip1", QString());
        auto *profile = Child<QPlainTextEdit>(form, "memProfile1");
        profile->setFocus();
        QTest::keyClick(profile, Qt::Key_End, Qt::ControlModifier);
        TypeText(profile, u"\n第三行"_s);
        return PressOk(dialog);
    });
    TCompanyInfoFrm frm;
    QVERIFY(GlobalCompany().EditCompany(frm, false));
    QCOMPARE(GlobalCompany().CompanyName, u"澜石科技股份有限公司"_s);
    QCOMPARE(GlobalCompany().Manager, u"李四"_s);
    QVERIFY(scripted->Messages.isEmpty());
    // The profile keeps its CR LF line breaks.
    QCOMPARE(CompanyRows(),
             QStringList{u"0 澜石科技股份有限公司 李四 010-12345678 010-87654321 北京市海淀区  "
                         "第一行\r\n第二行\r\n第三行"_s});
}

void TestCompanyInfoFrm::readOnlyViewCannotStore()
{
    const QStringList before = CompanyRows();
    TScriptedScope scripted;
    bool okEnabled = true;
    bool stayedOpen = false;
    scripted->DialogScripts.enqueue([&](QWidget *form) {
        auto *dialog = static_cast<QDialog *>(form);
        if (!ShowActive(dialog))
            return -1;
        okEnabled = Child<QPushButton>(form, "OkBtn1")->isEnabled();
        Retype(form, "edtCompanyName1", u"别人的公司名称"_s);
        // Neither the button nor the keyboard closes it with OK.
        QTest::mouseClick(Child<QPushButton>(form, "OkBtn1"), Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ControlModifier);
        stayedOpen = dialog->isVisible() && dialog->result() == 0;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        return dialog->isVisible() ? -1 : dialog->result();
    });
    TCompanyInfoFrm frm;
    QVERIFY(!GlobalCompany().EditCompany(frm, true));
    QVERIFY(!okEnabled);
    QVERIFY(stayedOpen);
    QCOMPARE(GlobalCompany().CompanyName, Stored().CompanyName);
    QCOMPARE(CompanyRows(), before);
    QVERIFY(scripted->Messages.isEmpty());
}

void TestCompanyInfoFrm::refusedStatementComesBackWithInput()
{
    m_db->Exec(u"create trigger refuse_update before update on Company "
               "begin select raise(abort, 'company refused'); end"_s);
    const QStringList before = CompanyRows();
    TScriptedScope scripted;
    scripted->DialogScripts.enqueue([](QWidget *form) {
        auto *dialog = static_cast<QDialog *>(form);
        if (!ShowActive(dialog))
            return -1;
        Retype(form, "edtCompanyName1", u"新名称有限公司"_s);
        Retype(form, "edtTel1", u"12345"_s);
        return PressOk(dialog);
    });
    QStringList shownAgain;
    scripted->DialogScripts.enqueue([&shownAgain](QWidget *form) {
        for (const char *name : Edits)
            shownAgain.append(Child<QLineEdit>(form, name)->text());
        return int(QDialog::Rejected);
    });
    TCompanyInfoFrm frm;
    QVERIFY(!GlobalCompany().EditCompany(frm, false));
    QCOMPARE(scripted->Dialogs.size(), 2);
    QCOMPARE(scripted->Messages.size(), 1);
    QVERIFY(scripted->LastMessageText().contains(u"company refused"_s));
    const TCompany stored = Stored();
    QCOMPARE(shownAgain, (QStringList{u"新名称有限公司"_s, stored.Manager, u"12345"_s, stored.Fax,
                                      stored.Address, stored.Zip}));
    // The record holds what is stored, not what failed to store.
    QCOMPARE(GlobalCompany().CompanyName, stored.CompanyName);
    QCOMPARE(GlobalCompany().Tel, stored.Tel);
    QCOMPARE(CompanyRows(), before);
}

QTEST_MAIN(TestCompanyInfoFrm)
#include "test_company_info_frm.moc"
