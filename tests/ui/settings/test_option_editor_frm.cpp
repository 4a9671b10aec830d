// The options dialog driven as a person would: labels shown and stored, lists edited across list switches,
// OK storing everything and restarting, Cancel storing nothing, a refused statement keeping the dialog open
// with the input, and the right that guards the command.
#include "data/record_set.h"
#include "form_driving.h"
#include "forms/qz_edit.h"
#include "scripted_interaction.h"
#include "settings/custom_labels.h"
#include "settings/key_value.h"
#include "settings/option_editor_frm.h"
#include "settings/option_saving.h"
#include "settings/options.h"
#include "settings/options_asset_label_fra.h"
#include "settings/pick_list_fra.h"
#include "support/action.h"
#include "test_database.h"
#include "users/operator.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTreeWidget>

namespace {

const char *const LabelEdits[] = {"edtStr1",   "edtStr2",   "edtStr3",   "edtStr4",  "edtStr5",  "edtStr6",
                                  "edtFloat1", "edtFloat2", "edtFloat3", "edtDate1", "edtDate2", "edtDate3"};

// Every row of keyvalue and options as "table key value".
QStringList SettingsRows()
{
    return TTestDatabase::Rows(
               QStringLiteral("select 'keyvalue', KeyId, [Value] from keyvalue order by KeyId")) +
           TTestDatabase::Rows(QStringLiteral("select 'options', [Key], List from options order by [Key]"));
}

QString StoredList(int key)
{
    TRecordSet rs;
    if (rs.Query(QStringLiteral("select List from options where [Key]=:Key"),
                 {DBParam(QStringLiteral("Key"), key)}) == 0)
        return QStringLiteral("<no row>");
    return rs.DataSet()->Field(0)->AsString();
}

// Types a new last line into the list box, the way a person adds an entry.
void AddLine(QPlainTextEdit *memo, const QString &entry)
{
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(memo, Qt::Key_Return);
    TypeText(memo, entry);
}

void ChooseListByMouse(QListWidget *names, int row)
{
    QTest::mouseClick(names->viewport(), Qt::LeftButton, {},
                      names->visualItemRect(names->item(row)).center());
}

} // namespace

class TestOptionEditorFrm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void opensOnLabelPageWithListNames();
    void labelsShownFromSettings_data();
    void labelsShownFromSettings();
    void okStoresLabelsAndRestarts_data();
    void okStoresLabelsAndRestarts();
    void listEditedBeforeSwitchingIsKept_data();
    void listEditedBeforeSwitchingIsKept();
    void cancelStoresNothing_data();
    void cancelStoresNothing();
    void refusedStatementKeepsDialogAndInput_data();
    void refusedStatementKeepsDialogAndInput();
    void commandNeedsRightOne_data();
    void commandNeedsRightOne();

private:
    std::unique_ptr<TTestDatabase> m_db;
    int m_closed = 0;
};

void TestOptionEditorFrm::init()
{
    m_db = std::make_unique<TTestDatabase>();
    QVERIFY(m_db->IsValid());
    CustomFieldLabels().Reset();
    CurrentOperator().Clear();
    CurrentOperator().LoginId = TOperator::SuperUser;
    m_closed = 0;
    SetProgramCloser([this] { ++m_closed; });
}

void TestOptionEditorFrm::cleanup()
{
    SetProgramCloser({});
    CurrentOperator().Clear();
    CustomFieldLabels().Reset();
    m_db.reset();
}

void TestOptionEditorFrm::opensOnLabelPageWithListNames()
{
    TOptionEditorFrm dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("OptionEditorFrm"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("选项"));
    auto *tree = Child<QTreeWidget>(&dialog, "tvOption1");
    auto *pages = Child<QStackedWidget>(&dialog, "pgcOption1");
    QVERIFY(tree && pages);
    QCOMPARE(tree->topLevelItemCount(), 2);
    QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("自定义项目"));
    QCOMPARE(tree->topLevelItem(1)->text(0), QStringLiteral("下拉选择项目"));
    QCOMPARE(pages->currentWidget(), dialog.LabelFrame());

    tree->setCurrentItem(tree->topLevelItem(1));
    QCOMPARE(pages->currentWidget(), dialog.PickListFrame());

    auto *names = Child<QListWidget>(&dialog, "lstListName1");
    auto *memo = Child<QPlainTextEdit>(&dialog, "memList1");
    QVERIFY(names && memo);
    QStringList shown;
    for (int i = 0; i < names->count(); ++i)
        shown.append(names->item(i)->text());
    QCOMPARE(shown,
             QStringList({QStringLiteral("资产名称"), QStringLiteral("资产类别"), QStringLiteral("增加方式"),
                          QStringLiteral("使用部门"), QStringLiteral("使用情况"), QStringLiteral("存放地点"),
                          QStringLiteral("职员"), QStringLiteral("减少方式"), QStringLiteral("单位")}));
    QCOMPARE(names->currentRow(), 0);
    QCOMPARE(PickListText(memo->toPlainText()), StoredList(0));
    names->setCurrentRow(8);
    QCOMPARE(PickListText(memo->toPlainText()), StoredList(8));
    QCOMPARE(Child<QPushButton>(&dialog, "btnSave1")->text(), QStringLiteral("保存(&S)"));
    QCOMPARE(Child<QPushButton>(&dialog, "btnCancel1")->text(), QStringLiteral("取消(&Q)"));
    QCOMPARE(Child<QLabel>(&dialog, "lblHint1")->text(), QStringLiteral("一行一个，请不要留空行"));
}

void TestOptionEditorFrm::labelsShownFromSettings_data()
{
    QTest::addColumn<QString>("stored"); // key=value pairs put into keyvalue before start-up loads them
    QTest::addColumn<QStringList>("shown");
    const QStringList defaults = TCustomFieldLabels().Labels();
    QTest::newRow("no rows: defaults") << QString() << defaults;
    QStringList someStored = defaults;
    someStored[0] = QStringLiteral("品牌");
    someStored[7] = QString();
    someStored[11] = QStringLiteral("保修期至");
    QTest::newRow("stored and empty labels") << QStringLiteral("4=品牌;11=;15=保修期至") << someStored;
}

void TestOptionEditorFrm::labelsShownFromSettings()
{
    QFETCH(QString, stored);
    QFETCH(QStringList, shown);
    for (const QString &pair : stored.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList parts = pair.split(QLatin1Char('='));
        TKeyValue().SetValue(parts.at(0).toInt(), parts.at(1));
    }
    LoadCustomFieldLabels();

    TOptionEditorFrm dialog;
    QStringList captions;
    QStringList texts;
    for (const char *name : LabelEdits) {
        auto *edit = Child<TqzEdit>(&dialog, name);
        QVERIFY(edit);
        texts.append(edit->text());
        captions.append(Child<QLabel>(&dialog, QByteArray("lbl").append(name + 3).constData())->text());
    }
    QCOMPARE(texts, shown);
    QCOMPARE(captions, TCustomFieldLabels().Labels()); // the captions beside the boxes are the fixed names
    QCOMPARE(Child<QLabel>(&dialog, "lblTitle1")->text(), QStringLiteral("资产档案自定义项目"));
    QCOMPARE(Child<QLabel>(&dialog, "lblNote1")->text(),
             QStringLiteral("其中:1-6项为字符型, 7-9项为数字型,10-12为日期型"));
}

void TestOptionEditorFrm::okStoresLabelsAndRestarts_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("newLabel"); // typed into edtFloat2; null: nothing typed
    QTest::newRow("OK button") << QStringLiteral("OkBtn1") << QStringLiteral("面积");
    QTest::newRow("page's save") << QStringLiteral("btnSave1") << QStringLiteral("面积");
    QTest::newRow("empty label") << QStringLiteral("OkBtn1") << QStringLiteral("");
    QTest::newRow("nothing changed") << QStringLiteral("OkBtn1") << QString();
}

void TestOptionEditorFrm::okStoresLabelsAndRestarts()
{
    QFETCH(QString, button);
    QFETCH(QString, newLabel);
    TScriptedScope scripted;
    scripted->DialogScripts.enqueue([&](QWidget *widget) {
        auto *dialog = qobject_cast<QDialog *>(widget);
        if (!ShowActive(dialog))
            return -1;
        if (!newLabel.isNull()) {
            auto *edit = Child<TqzEdit>(dialog, "edtFloat2");
            edit->setFocus();
            edit->selectAll();
            if (newLabel.isEmpty())
                QTest::keyClick(edit, Qt::Key_Delete);
            else
                TypeText(edit, newLabel);
        }
        auto *tree = Child<QTreeWidget>(dialog, "tvOption1");
        tree->setCurrentItem(tree->topLevelItem(1)); // the page's save button is on the second page
        QTest::mouseClick(dialog->findChild<QPushButton *>(button), Qt::LeftButton);
        return dialog->isVisible() ? -2 : dialog->result();
    });
    const QStringList listsBefore = SettingsRows().filter(QStringLiteral("options "));

    QVERIFY(RunAction([] { ShowOptionEditor(); }));

    QCOMPARE(scripted->Dialogs.size(), 1);
    QCOMPARE(scripted->Dialogs.first().ClassName, QStringLiteral("TOptionEditorFrm"));
    QCOMPARE(scripted->Dialogs.first().Result, int(QDialog::Accepted));
    QStringList expected = TCustomFieldLabels().Labels();
    if (!newLabel.isNull())
        expected[7] = newLabel;
    TKeyValue settings;
    for (int i = 0; i < TCustomFieldLabels::Count; ++i) {
        QVERIFY(settings.GetValue(4 + i).isValid());
        QCOMPARE(settings.GetText(4 + i, QStringLiteral("<default>")), expected.at(i));
    }
    QCOMPARE(CustomFieldLabels().Labels(), expected);
    // all nine lists written back unchanged
    QCOMPARE(SettingsRows().filter(QStringLiteral("options ")), listsBefore);
    QCOMPARE(scripted->MessageTexts(), QStringList{QStringLiteral("\r\n操作已完成,软件需要重新启动!\t")});
    QCOMPARE(scripted->Messages.first().Kind, TMsgKind::Warning);
    QCOMPARE(scripted->StartedPrograms.size(), 1);
    QCOMPARE(scripted->StartedPrograms.first().value(0), QCoreApplication::applicationFilePath());
    QCOMPARE(scripted->StartedPrograms.first().mid(1), QCoreApplication::arguments().mid(1));
    QCOMPARE(m_closed, 1);
}

void TestOptionEditorFrm::listEditedBeforeSwitchingIsKept_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("click another name") << QStringLiteral("mouse");
    QTest::newRow("name changed, box keeps focus") << QStringLiteral("code");
    QTest::newRow("save by shortcut from the box") << QStringLiteral("alt+s");
}

void TestOptionEditorFrm::listEditedBeforeSwitchingIsKept()
{
    QFETCH(QString, how);
    const QString departments = StoredList(3);
    const QString places = StoredList(5);
    TScriptedScope scripted;

    TOptionEditorFrm dialog;
    QVERIFY(ShowActive(&dialog));
    auto *tree = Child<QTreeWidget>(&dialog, "tvOption1");
    tree->setCurrentItem(tree->topLevelItem(1));
    auto *names = Child<QListWidget>(&dialog, "lstListName1");
    auto *memo = Child<QPlainTextEdit>(&dialog, "memList1");
    ChooseListByMouse(names, 3);
    QCOMPARE(names->currentRow(), 3);
    AddLine(memo, QStringLiteral("新设部门"));
    QVERIFY(memo->hasFocus());

    if (how == QLatin1String("mouse")) {
        ChooseListByMouse(names, 5);
        QCOMPARE(names->currentRow(), 5);
        QCOMPARE(PickListText(memo->toPlainText()), places);
    } else if (how == QLatin1String("code")) {
        names->setCurrentRow(5);
        QVERIFY(memo->hasFocus());
        QCOMPARE(PickListText(memo->toPlainText()), places);
    }
    if (how == QLatin1String("alt+s")) {
        // a mnemonic presses its button a moment later, as a click shown to the user
        QTest::keyClick(memo, Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY(!dialog.isVisible());
    } else {
        // back to the first list: the edit is there
        ChooseListByMouse(names, 3);
        QCOMPARE(PickListText(memo->toPlainText()), departments + QStringLiteral("\r\n新设部门"));
        ChooseListByMouse(names, 5);
        QTest::mouseClick(Child<QPushButton>(&dialog, "OkBtn1"), Qt::LeftButton);
    }

    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(StoredList(3), departments + QStringLiteral("\r\n新设部门"));
    QCOMPARE(StoredList(5), places);
    QVERIFY(scripted->Messages.isEmpty()); // the dialog itself only stores; the command restarts
}

void TestOptionEditorFrm::cancelStoresNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("cancel button") << QStringLiteral("CancelBtn1");
    QTest::newRow("page's cancel") << QStringLiteral("btnCancel1");
    QTest::newRow("escape") << QStringLiteral("esc");
}

void TestOptionEditorFrm::cancelStoresNothing()
{
    QFETCH(QString, how);
    const QStringList before = SettingsRows();
    TScriptedScope scripted;
    scripted->DialogScripts.enqueue([&](QWidget *widget) {
        auto *dialog = qobject_cast<QDialog *>(widget);
        if (!ShowActive(dialog))
            return -1;
        auto *edit = Child<TqzEdit>(dialog, "edtStr1");
        edit->setFocus();
        TypeText(edit, QStringLiteral("品牌"));
        auto *tree = Child<QTreeWidget>(dialog, "tvOption1");
        tree->setCurrentItem(tree->topLevelItem(1));
        auto *names = Child<QListWidget>(dialog, "lstListName1");
        ChooseListByMouse(names, 6);
        AddLine(Child<QPlainTextEdit>(dialog, "memList1"), QStringLiteral("张三"));
        ChooseListByMouse(names, 0); // the edit is in the working copy now
        if (how == QLatin1String("esc"))
            QTest::keyClick(names, Qt::Key_Escape);
        else
            QTest::mouseClick(dialog->findChild<QPushButton *>(how), Qt::LeftButton);
        return dialog->isVisible() ? -2 : dialog->result();
    });

    QVERIFY(RunAction([] { ShowOptionEditor(); }));

    QCOMPARE(scripted->Dialogs.size(), 1);
    QCOMPARE(scripted->Dialogs.first().Result, int(QDialog::Rejected));
    QCOMPARE(SettingsRows(), before);
    QCOMPARE(CustomFieldLabels().Labels(), TCustomFieldLabels().Labels());
    QVERIFY(scripted->Messages.isEmpty());
    QVERIFY(scripted->StartedPrograms.isEmpty());
    QCOMPARE(m_closed, 0);
}

void TestOptionEditorFrm::refusedStatementKeepsDialogAndInput_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::newRow("lists refused") << QStringLiteral(
        "create trigger t before update on options begin select raise(abort,'refused'); end");
    QTest::newRow("label refused") << QStringLiteral(
        "create trigger t before insert on keyvalue when new.KeyId = 15 "
        "begin select raise(abort,'refused'); end");
}

void TestOptionEditorFrm::refusedStatementKeepsDialogAndInput()
{
    QFETCH(QString, trigger);
    m_db->Exec(trigger);
    const QStringList before = SettingsRows();
    const QString staff = StoredList(6);
    TScriptedScope scripted;

    TOptionEditorFrm dialog;
    QVERIFY(ShowActive(&dialog));
    auto *edit = Child<TqzEdit>(&dialog, "edtDate3");
    edit->setFocus();
    edit->selectAll();
    TypeText(edit, QStringLiteral("保修期至"));
    auto *tree = Child<QTreeWidget>(&dialog, "tvOption1");
    tree->setCurrentItem(tree->topLevelItem(1));
    auto *names = Child<QListWidget>(&dialog, "lstListName1");
    auto *memo = Child<QPlainTextEdit>(&dialog, "memList1");
    ChooseListByMouse(names, 6);
    AddLine(memo, QStringLiteral("张三"));
    QTest::mouseClick(Child<QPushButton>(&dialog, "OkBtn1"), Qt::LeftButton);

    QVERIFY(dialog.isVisible());
    QCOMPARE(scripted->Messages.size(), 1);
    QCOMPARE(scripted->Messages.first().Kind, TMsgKind::Information);
    QVERIFY2(scripted->LastMessageText().contains(QStringLiteral("refused")),
             qPrintable(scripted->LastMessageText()));
    QCOMPARE(SettingsRows(), before);
    QCOMPARE(CustomFieldLabels().Label(11), QStringLiteral("日期型3"));
    QCOMPARE(edit->text(), QStringLiteral("保修期至"));
    QCOMPARE(names->currentRow(), 6);
    QCOMPARE(PickListText(memo->toPlainText()), staff + QStringLiteral("\r\n张三"));

    // once the statement passes, the same input is stored
    m_db->Exec(QStringLiteral("drop trigger t"));
    QTest::mouseClick(Child<QPushButton>(&dialog, "OkBtn1"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(StoredList(6), staff + QStringLiteral("\r\n张三"));
    QCOMPARE(TKeyValue().GetText(15, QString()), QStringLiteral("保修期至"));
    QCOMPARE(CustomFieldLabels().Label(11), QStringLiteral("保修期至"));
}

void TestOptionEditorFrm::commandNeedsRightOne_data()
{
    QTest::addColumn<QString>("loginId");
    QTest::addColumn<QString>("rights");
    QTest::addColumn<bool>("opens");
    QTest::newRow("sa") << QStringLiteral("sa") << QString() << true;
    QTest::newRow("right 1") << QStringLiteral("clerk") << QStringLiteral(",9,,1,") << true;
    QTest::newRow("only 10 and 11") << QStringLiteral("clerk") << QStringLiteral(",10,,11,") << false;
    QTest::newRow("no rights") << QStringLiteral("clerk") << QString() << false;
}

void TestOptionEditorFrm::commandNeedsRightOne()
{
    QFETCH(QString, loginId);
    QFETCH(QString, rights);
    QFETCH(bool, opens);
    CurrentOperator().LoginId = loginId;
    CurrentOperator().Rights = rights;
    TScriptedScope scripted; // the unscripted dialog is cancelled

    const bool completed = RunAction([] { ShowOptionEditor(); });

    QCOMPARE(completed, opens); // a refusal ends the command with the silent abort
    QCOMPARE(scripted->Dialogs.size(), opens ? 1 : 0);
    if (opens)
        QVERIFY(scripted->Messages.isEmpty());
    else
        QCOMPARE(scripted->MessageTexts(),
                 QStringList{QStringLiteral("\r\n对不起,您没有该功能的操作权限,请与管理员联系(1).\t")});
    QVERIFY(scripted->StartedPrograms.isEmpty());
}

QTEST_MAIN(TestOptionEditorFrm)
#include "test_option_editor_frm.moc"
