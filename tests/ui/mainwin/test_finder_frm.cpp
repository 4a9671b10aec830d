// The finder driven as a person would, over a small register and the real asset manager: the conditions
// already in force, the reset, ranges with one bound, the end of depreciation, repaired assets, wrong
// numbers, a failing pick-list query, and the layout.
#include "assets/asset_set.h"
#include "form_driving.h"
#include "forms/qz_date_time_picker.h"
#include "mainwin/finder_frm.h"
#include "scripted_interaction.h"
#include "settings/custom_labels.h"
#include "support/errors.h"
#include "test_database.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Every box of the finder in tab order: the first column top to bottom, then the second, then the ticks.
const QStringList Boxes = {
    u"cmbAssetKind1"_s,    u"edtAssetCode1"_s,    u"cmbAssetName1"_s,    u"edtPartNo1"_s,
    u"edtGBCode1"_s,       u"edtFactory1"_s,      u"cmbUseDept1"_s,      u"cmbUseState1"_s,
    u"cmbDepositary1"_s,   u"cmbLayPlace1"_s,     u"dtpAccountDate11"_s, u"dtpAccountDate21"_s,
    u"edtOriginValue11"_s, u"edtOriginValue21"_s, u"edtEndValue11"_s,    u"edtEndValue21"_s,
    u"edtUseYears11"_s,    u"edtUseYears21"_s,    u"edtYearR1"_s,        u"edtMonthR1"_s,
    u"edtStr11"_s,         u"edtStr21"_s,         u"edtStr31"_s,         u"edtStr41"_s,
    u"edtStr51"_s,         u"edtStr61"_s,         u"edtFloat111"_s,      u"edtFloat121"_s,
    u"edtFloat211"_s,      u"edtFloat221"_s,      u"edtFloat311"_s,      u"edtFloat321"_s,
    u"edtDate111"_s,       u"edtDate121"_s,       u"edtDate211"_s,       u"edtDate221"_s,
    u"edtDate311"_s,       u"edtDate321"_s,       u"chkChanged1"_s,      u"chkRepaired1"_s};

const QString AllAssets = u"select * from assets  order by Kind, Name, PartNo"_s;

QString Selecting(const QString &predicate)
{
    return u"select * from assets  where "_s + predicate + u"  order by Kind, Name, PartNo"_s;
}

// Five assets: 2 and 4 are reduced assets of 财务部, 1 and 5 have repairs, 3 has custom values.
void InsertAssets(const TTestDatabase &db)
{
    db.Exec(u"insert into assets(Id, Code, Kind, Name, UseDept, Reduced, OriginValue, AccountDate, UseYears, "
            "Str1, Float1, Date1) values "
            "(1, 'A1', '办公设备', '电脑', '财务部', 0, 800, '2005-01-01 00:00:00', 5, null, null, null), "
            "(2, 'A2', '办公设备', '打印机', '财务部', 1, 3000, '2006-01-01 00:00:00', 5, null, null, null), "
            "(3, 'B3', '车辆', '轿车', '人事部', 1, 200000, '2007-01-01 00:00:00', 10, '红色', 50, "
            "'2010-05-01 00:00:00'), "
            "(4, 'A4', '办公家具', '桌子', '财务部', 1, 6000, '2008-01-01 00:00:00', 5, null, null, null), "
            "(5, 'A5', '办公家具', '椅子', '人事部', 0, 1000, '2009-01-01 00:00:00', 5, null, null, null)"_s);
    db.Exec(u"insert into repair(Id, AssetId) values (1, 5), (2, 1)"_s);
}

// The listed assets' ids in ascending order.
QString Ids(TAssetManager &manager)
{
    manager.DataSet()->SetSort(u"Id"_s);
    return manager.JoinValues(manager.IdFld(), u","_s);
}

// Opens the finder on the manager's conditions as the main window does, with script acting in it; the
// dialog's result, -1 when the script left it open.
int RunFinder(TScriptedInteraction &scripted, TAssetManager &manager,
              const std::function<void(TFinderFrm &)> &script)
{
    TFinderFrm frm;
    frm.SetWhere(manager.Where());
    scripted.DialogScripts.enqueue([&](QWidget *dialog) {
        dialog->show();
        if (!QTest::qWaitForWindowActive(dialog))
            return -1;
        script(frm);
        return dialog->isVisible() ? -1 : frm.result();
    });
    return Interaction().ExecDialog(&frm);
}

// Enters one step "box=value": text typed into a box, a date picked, a tick set; then Tab leaves the box.
void Enter(TFinderFrm &frm, const QString &step)
{
    const QString name = step.section(u'=', 0, 0);
    const QString value = step.section(u'=', 1);
    QWidget *box = Child(frm, name);
    box->setFocus();
    if (auto *picker = qobject_cast<TqzDateTimePicker *>(box))
        picker->SetAsDate(QDate::fromString(value, Qt::ISODate));
    else if (auto *check = qobject_cast<QCheckBox *>(box); check && check->isChecked() != (value == u"1"_s))
        QTest::keyClick(check, Qt::Key_Space);
    else if (!check)
        TypeText(box, value);
    QTest::keyClick(box, Qt::Key_Tab);
}

void PressOk(TFinderFrm &frm)
{
    Child<QPushButton>(frm, u"OkBtn1"_s)->click();
}

// The conditions the main window leaves after choosing "已减少资产" and a department leaf of the tree.
void SetReducedOfDepartment(TAssetWhere *where, const QString &dept)
{
    where->Clear();
    where->DataSet()->Edit();
    where->ReducedFld()->SetAsBoolean(true);
    where->UseDeptFld()->SetAsString(dept);
    where->DataSet()->Post();
}

} // namespace

class TestFinderFrm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { CustomFieldLabels().Reset(); }

    void opensOnTheConditionsInForce()
    {
        TScriptedScope scripted;
        TTestDatabase fixture;
        InsertAssets(fixture);
        fixture.Exec(u"update options set List='财务部'||char(13)||char(10)||'人事部' where [Key]=3"_s);
        CustomFieldLabels().SetLabel(0, u"颜色"_s);
        TAssetManager manager;
        SetReducedOfDepartment(manager.Where(), u"财务部"_s);

        const int result = RunFinder(*scripted, manager, [&](TFinderFrm &frm) {
            QCOMPARE(frm.objectName(), u"FinderFrm"_s);
            QCOMPARE(frm.windowTitle(), u"查找"_s);
            QCOMPARE(Child<QPushButton>(frm, u"ResetBtn1"_s)->text(), u"重置"_s);
            QTest::keyClick(&frm, Qt::Key_F1);
            QVERIFY(scripted->OpenedDocuments.value(0).endsWith(u"/Finder.htm"_s));
            QCOMPARE(Child<QLabel>(frm, u"lblStr1"_s)->text(), u"颜色"_s);
            QCOMPARE(Child<QLabel>(frm, u"lblDate3"_s)->text(), u"日期型3"_s);
            auto *dept = Child<QComboBox>(frm, u"cmbUseDept1"_s);
            QCOMPARE(dept->count(), 2);
            QCOMPARE(dept->itemText(1), u"人事部"_s);
            // The department of the tree shows; nothing else was set.
            QCOMPARE(dept->currentText(), u"财务部"_s);
            QCOMPARE(Child<QComboBox>(frm, u"cmbAssetKind1"_s)->currentText(), QString());
            QVERIFY(!Child<QCheckBox>(frm, u"chkRepaired1"_s)->isChecked());
            QVERIFY(!qobject_cast<TqzDateTimePicker *>(Child(frm, u"dtpAccountDate11"_s))->Checked());
            PressOk(frm);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        manager.OpenWhere();
        // The scope has no box here and still holds: only reduced assets of that department.
        QCOMPARE(manager.SqlText(), Selecting(u"Reduced=1 and UseDept like '%财务部%'"_s));
        QCOMPARE(Ids(manager), u"2,4"_s);
        QCOMPARE(scripted->Dialogs.size(), 1);
        QCOMPARE(scripted->Dialogs.first().ObjectName, u"FinderFrm"_s);
    }

    void resetClearsEveryCondition()
    {
        TScriptedScope scripted;
        TTestDatabase fixture;
        InsertAssets(fixture);
        TAssetManager manager;
        TAssetWhere *where = manager.Where();
        SetReducedOfDepartment(where, u"财务部"_s);
        where->DataSet()->Edit();
        where->AddTypeFld()->SetAsString(u"购入"_s);
        where->IsDeprFld()->SetAsBoolean(true);
        where->RepairedFld()->SetAsBoolean(true);
        where->AccountDate1Fld()->SetAsDateTime(CalendarDateTime(QDate(2006, 1, 1)));
        where->DataSet()->Post();

        const int result = RunFinder(*scripted, manager, [](TFinderFrm &frm) {
            QVERIFY(Child<QCheckBox>(frm, u"chkRepaired1"_s)->isChecked());
            QVERIFY(qobject_cast<TqzDateTimePicker *>(Child(frm, u"dtpAccountDate11"_s))->Checked());
            auto *code = Child<QLineEdit>(frm, u"edtAssetCode1"_s);
            code->setFocus();
            TypeText(code, u"A"_s);
            auto *reset = Child<QPushButton>(frm, u"ResetBtn1"_s);
            QTest::mouseClick(reset, Qt::LeftButton);
            for (const QString &name : Boxes) {
                QWidget *box = Child(frm, name);
                if (auto *edit = qobject_cast<QLineEdit *>(box))
                    QVERIFY2(edit->text().isEmpty(), qPrintable(name));
                else if (auto *combo = qobject_cast<QComboBox *>(box))
                    QVERIFY2(combo->currentText().isEmpty(), qPrintable(name));
                else if (auto *check = qobject_cast<QCheckBox *>(box))
                    QVERIFY2(!check->isChecked(), qPrintable(name));
                else
                    QVERIFY2(qobject_cast<TqzDateTimePicker *>(box)->AsDate().isNull(), qPrintable(name));
            }
            PressOk(frm);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QVERIFY(where->ReducedFld()->IsNull());
        QVERIFY(where->AddTypeFld()->IsNull());
        QVERIFY(where->IsDeprFld()->IsNull());
        manager.OpenWhere();
        QCOMPARE(manager.SqlText(), AllAssets);
        QCOMPARE(Ids(manager), u"1,2,3,4,5"_s);
        QVERIFY(scripted->Messages.isEmpty());
    }

    void searches_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("ids");
        QTest::newRow("原值 from 0 to 5000: only the upper bound")
            << QStringList{u"edtOriginValue11=0"_s, u"edtOriginValue21=5000"_s}
            << Selecting(u"OriginValue<=5000"_s) << u"1,2,5"_s;
        QTest::newRow("原值 from 1000 with no upper bound: only the lower bound")
            << QStringList{u"edtOriginValue11=1000"_s} << Selecting(u"OriginValue>=1000"_s) << u"2,3,4,5"_s;
        QTest::newRow("折旧到期 with a year and no month: no condition")
            << QStringList{u"edtYearR1=2012"_s} << AllAssets << u"1,2,3,4,5"_s;
        QTest::newRow("折旧到期 in February 2012")
            << QStringList{u"edtYearR1=2012"_s, u"edtMonthR1=2"_s}
            << Selecting(u"DateDiff('m', AccountDate, #2012-02-01#) > UseYears*12"_s) << u"1,2"_s;
        QTest::newRow("已维修资产") << QStringList{u"chkRepaired1=1"_s}
                                    << Selecting(u"Id in (select AssetId from repair group by AssetId)"_s)
                                    << u"1,5"_s;
        QTest::newRow("已维修资产 ticked and unticked")
            << QStringList{u"chkRepaired1=1"_s, u"chkRepaired1=0"_s} << AllAssets << u"1,2,3,4,5"_s;
        QTest::newRow("drop-down and text box")
            << QStringList{u"cmbAssetKind1=办公"_s, u"edtAssetCode1=A"_s}
            << Selecting(u"Code like '%A%' and Kind like '办公%'"_s) << u"1,2,4,5"_s;
        QTest::newRow("入账日期 range")
            << QStringList{u"dtpAccountDate11=2006-01-01"_s, u"dtpAccountDate21=2008-01-01"_s}
            << Selecting(u"AccountDate>=#2006-01-01# and AccountDate<=#2008-01-01#"_s) << u"2,3,4"_s;
        QTest::newRow("custom fields")
            << QStringList{u"edtStr11=红"_s, u"edtFloat111=10"_s, u"edtDate121=2010-12-31"_s}
            << Selecting(u"Str1 like '%红%' and Float1>=10 and Date1<=#2010-12-31#"_s) << u"3"_s;
    }

    void searches()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, sql);
        QFETCH(QString, ids);
        TScriptedScope scripted;
        TTestDatabase fixture;
        InsertAssets(fixture);
        TAssetManager manager;
        const int result = RunFinder(*scripted, manager, [&](TFinderFrm &frm) {
            for (const QString &step : std::as_const(steps))
                Enter(frm, step);
            PressOk(frm);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QVERIFY(scripted->Messages.isEmpty());
        manager.OpenWhere();
        QCOMPARE(manager.SqlText(), sql);
        QCOMPARE(Ids(manager), ids);
    }

    void wrongNumberKeepsTheBox_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("mended");
        QTest::addColumn<QString>("sql");
        // Number boxes take only digits from the keyboard; a pasted text is not checked until it is written.
        QTest::newRow("原值") << u"edtOriginValue11"_s << u"1,000"_s << u"\"1,000\" 不是有效的数字."_s
                              << u"1000"_s << Selecting(u"OriginValue>=1000"_s);
        QTest::newRow("折旧年限") << u"edtUseYears21"_s << u"99999999999"_s
                                  << u"\"99999999999\" 不是有效的整数."_s << u"8"_s
                                  << Selecting(u"UseYears<=8"_s);
        QTest::newRow("date of a custom field")
            << u"edtDate211"_s << u"2008/01/26"_s << u"\"2008/01/26\" 不是有效的日期."_s << u"2008-1-26"_s
            << Selecting(u"Date2>=#2008-01-26#"_s);
    }

    void wrongNumberKeepsTheBox()
    {
        QFETCH(QString, box);
        QFETCH(QString, pasted);
        QFETCH(QString, message);
        QFETCH(QString, mended);
        QFETCH(QString, sql);
        TScriptedScope scripted;
        TTestDatabase fixture;
        InsertAssets(fixture);
        TAssetManager manager;
        const int result = RunFinder(*scripted, manager, [&](TFinderFrm &frm) {
            auto *edit = Child<QLineEdit>(frm, box);
            edit->setFocus();
            QApplication::clipboard()->setText(pasted);
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(edit->text(), pasted);
            QTest::keyClick(edit, Qt::Key_Tab);
            QCOMPARE(scripted->MessageTexts(), QStringList{u"\r\n"_s + message + u"\t"_s});
            QCOMPARE(QApplication::focusWidget(), edit);
            QCOMPARE(edit->text(), pasted);

            // OK by key while the box holds it: refused, the dialog stays open with the text.
            QTest::keyClick(edit, Qt::Key_Return, Qt::ControlModifier);
            QVERIFY(frm.isVisible());
            QCOMPARE(scripted->Messages.size(), 2);
            QCOMPARE(QApplication::focusWidget(), edit);

            // Mended and OK by key without leaving the box: the text is written and the dialog closes.
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
            TypeText(edit, mended);
            QTest::keyClick(edit, Qt::Key_Return, Qt::ControlModifier);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(scripted->Messages.size(), 2);
        manager.OpenWhere();
        QCOMPARE(manager.SqlText(), sql);
    }

    void failingPickListQuery()
    {
        TScriptedScope scripted;
        TTestDatabase fixture;
        fixture.Exec(u"drop table options"_s);
        QVERIFY_THROWS_EXCEPTION(Exception, TFinderFrm());
        QCOMPARE(scripted->Messages.size(), 1);
        QVERIFY(scripted->LastMessageText().startsWith(
            u"\r\nSQL语句错误,原文如下:\r\nselect * from options order by [Key]\r\n\r\n错误提示:\r\n"_s));
    }

    void layoutAndTabOrder()
    {
        TScriptedScope scripted;
        TTestDatabase fixture;
        TAssetManager manager;
        RunFinder(*scripted, manager, [](TFinderFrm &frm) {
            // Nothing clipped at the natural size.
            for (QLabel *label : frm.findChildren<QLabel *>())
                QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()),
                         qPrintable(label->objectName()));
            for (const QString &name : Boxes) {
                QWidget *box = Child(frm, name);
                QVERIFY2(box->width() >= box->minimumSizeHint().width(), qPrintable(name));
                QVERIFY2(frm.rect().contains(QRect(box->mapTo(&frm, QPoint(0, 0)), box->size())),
                         qPrintable(name));
            }
            // Captions end at one edge per column; the "至" of the ranges stand one above the other.
            auto right = [&](const QString &name) {
                QWidget *w = Child(frm, name);
                return w->mapTo(&frm, QPoint(w->width(), 0)).x();
            };
            auto left = [&](const QString &name) { return Child(frm, name)->mapTo(&frm, QPoint(0, 0)).x(); };
            for (const QString &name : {u"lblAssetCode1"_s, u"lblAccountDate1"_s, u"lblDeprEnd1"_s})
                QCOMPARE(right(name), right(u"lblAssetKind1"_s));
            for (const QString &name : {u"lblFloat1"_s, u"lblDate1"_s, u"lblDate3To1"_s})
                QCOMPARE(right(name), right(u"lblStr1"_s));
            for (const QString &name : {u"lblOriginValueTo1"_s, u"lblUseYearsTo1"_s, u"lblYear1"_s})
                QCOMPARE(left(name), left(u"lblAccountDateTo1"_s));
            QCOMPARE(left(u"lblFloat3To1"_s), left(u"lblFloat1To1"_s));
            QCOMPARE(left(u"edtOriginValue21"_s), left(u"dtpAccountDate21"_s));
            QVERIFY(left(u"lblStr1"_s) > right(u"edtAssetCode1"_s));

            // The first box has the focus; Tab walks the first column, the second, the ticks, the buttons.
            QCOMPARE(QApplication::focusWidget(), Child(frm, Boxes.first()));
            // (Tab steps through year, month and day of a date picker before it leaves the picker.)
            QStringList walked{QApplication::focusWidget()->objectName()};
            for (int i = 0; i < 3 * (Boxes.size() + 4) && walked.size() < Boxes.size() + 4; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                if (QApplication::focusWidget()->objectName() != walked.last())
                    walked << QApplication::focusWidget()->objectName();
            }
            const QStringList buttons{u"OkBtn1"_s, u"CancelBtn1"_s, u"HelpBtn1"_s, u"ResetBtn1"_s};
            QCOMPARE(walked, Boxes + buttons);
            // Enter moves on as well.
            Child(frm, u"edtYearR1"_s)->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName(), u"edtMonthR1"_s);
            frm.reject();
        });
        QVERIFY(scripted->Messages.isEmpty());
    }
};

QTEST_MAIN(TestFinderFrm)
#include "test_finder_frm.moc"
