// The options dialog's steps without a window: edited lists in their stored form, labels and lists stored
// all or nothing, and the restart that starts the program again before this one closes.
#include "data/record_set.h"
#include "scripted_interaction.h"
#include "settings/custom_labels.h"
#include "settings/key_value.h"
#include "settings/option_saving.h"
#include "settings/options.h"
#include "support/errors.h"
#include "test_database.h"

#include <QCoreApplication>
#include <QTest>

namespace {

// Every row of keyvalue and options as "table key value", the way a test compares before and after.
QStringList SettingsRows()
{
    return TTestDatabase::Rows(
               QStringLiteral("select 'keyvalue', KeyId, [Value] from keyvalue order by KeyId")) +
           TTestDatabase::Rows(QStringLiteral("select 'options', [Key], List from options order by [Key]"));
}

QStringList EditedLabels()
{
    QStringList labels;
    for (int i = 0; i < TCustomFieldLabels::Count; ++i)
        labels.append(QStringLiteral("标签%1").arg(i + 1));
    labels[4] = QString(); // an empty label is allowed
    return labels;
}

// A desktop that cannot start programs.
class TNoStartInteraction : public TScriptedInteraction
{
public:
    bool StartProgram(const QString &program, const QStringList &arguments) override
    {
        TScriptedInteraction::StartProgram(program, arguments);
        return false;
    }
};

} // namespace

class TestOptionSaving : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void pickListTextIsStoredWithCrLf_data();
    void pickListTextIsStoredWithCrLf();
    void saveStoresLabelsAndLists();
    void failingStatementStoresNothing_data();
    void failingStatementStoresNothing();
    void restartStartsProgramThenCloses();
    void restartThatCannotStartKeepsProgramRunning();

private:
    std::unique_ptr<TTestDatabase> m_db;
    int m_closed = 0;
    int m_startedBeforeClose = -1;
};

void TestOptionSaving::init()
{
    m_db = std::make_unique<TTestDatabase>();
    QVERIFY(m_db->IsValid());
    CustomFieldLabels().Reset();
    m_closed = 0;
    m_startedBeforeClose = -1;
}

void TestOptionSaving::cleanup()
{
    SetProgramCloser({});
    CustomFieldLabels().Reset();
    m_db.reset();
}

void TestOptionSaving::pickListTextIsStoredWithCrLf_data()
{
    QTest::addColumn<QString>("editorText");
    QTest::addColumn<QString>("stored");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("one entry") << QStringLiteral("办公室") << QStringLiteral("办公室");
    QTest::newRow("lf lines") << QStringLiteral("甲\n乙\n丙") << QStringLiteral("甲\r\n乙\r\n丙");
    QTest::newRow("already crlf") << QStringLiteral("甲\r\n乙") << QStringLiteral("甲\r\n乙");
    QTest::newRow("empty line kept") << QStringLiteral("甲\n\n乙\n") << QStringLiteral("甲\r\n\r\n乙\r\n");
    QTest::newRow("duplicates kept") << QStringLiteral("甲\n甲") << QStringLiteral("甲\r\n甲");
}

void TestOptionSaving::pickListTextIsStoredWithCrLf()
{
    QFETCH(QString, editorText);
    QFETCH(QString, stored);
    QCOMPARE(PickListText(editorText), stored);
}

void TestOptionSaving::saveStoresLabelsAndLists()
{
    TRovoOptions lists;
    lists.SetUseDept(QStringLiteral("财务部\r\n仓库"));
    const QString units = lists.AssetUnit();

    SaveOptionEdits(EditedLabels(), lists);

    TKeyValue settings;
    for (int i = 0; i < TCustomFieldLabels::Count; ++i) {
        QVERIFY(settings.GetValue(4 + i).isValid()); // a row for every label, the empty one too
        QCOMPARE(settings.GetText(4 + i, QStringLiteral("<default>")), EditedLabels().at(i));
    }
    QCOMPARE(CustomFieldLabels().Labels(), EditedLabels());
    TRovoOptions reread;
    QCOMPARE(reread.UseDept(), QStringLiteral("财务部\r\n仓库"));
    QCOMPARE(reread.AssetUnit(), units);
}

void TestOptionSaving::failingStatementStoresNothing_data()
{
    QTest::addColumn<QString>("trigger");
    // the labels go first: a refusal there stops before the lists; a refusal of the lists comes after every
    // label was written and must take those back too
    QTest::newRow("label refused") << QStringLiteral(
        "create trigger t before insert on keyvalue when new.KeyId = 9 begin select raise(abort,'refused'); "
        "end");
    QTest::newRow("list refused") << QStringLiteral("create trigger t before update on options when "
                                                    "new.[Key] = 5 begin select raise(abort,'refused'); end");
}

void TestOptionSaving::failingStatementStoresNothing()
{
    QFETCH(QString, trigger);
    m_db->Exec(trigger);
    const QStringList before = SettingsRows();
    const QStringList labelsBefore = CustomFieldLabels().Labels();
    TRovoOptions lists;
    lists.SetUseDept(QStringLiteral("财务部"));

    QString message;
    try {
        SaveOptionEdits(EditedLabels(), lists);
        QFAIL("the refused statement raised no error");
    } catch (const EDatabaseError &error) {
        message = error.Message();
    }
    QVERIFY2(message.contains(QStringLiteral("refused")), qPrintable(message));
    QCOMPARE(SettingsRows(), before);
    QCOMPARE(CustomFieldLabels().Labels(), labelsBefore);
    // the working copy keeps the edit, so a second OK can store it
    QCOMPARE(lists.UseDept(), QStringLiteral("财务部"));
    m_db->Exec(QStringLiteral("drop trigger t"));
    SaveOptionEdits(EditedLabels(), lists);
    QCOMPARE(TRovoOptions().UseDept(), QStringLiteral("财务部"));
    QCOMPARE(TKeyValue().GetText(9, QString()), EditedLabels().at(5));
}

void TestOptionSaving::restartStartsProgramThenCloses()
{
    TScriptedScope scripted;
    SetProgramCloser([&] {
        ++m_closed;
        m_startedBeforeClose = int(scripted->StartedPrograms.size());
    });

    AnnounceRestart();

    QCOMPARE(scripted->Messages.size(), 1);
    const TMessageRequest &notice = scripted->Messages.first();
    QCOMPARE(notice.Kind, TMsgKind::Warning);
    QCOMPARE(notice.Text, QStringLiteral("\r\n操作已完成,软件需要重新启动!\t"));
    QCOMPARE(notice.Buttons, int(TMsgButton::Ok));
    QCOMPARE(scripted->StartedPrograms.size(), 1);
    QCOMPARE(scripted->StartedPrograms.first(),
             QStringList{QCoreApplication::applicationFilePath()} + QCoreApplication::arguments().mid(1));
    QCOMPARE(m_closed, 1);
    QCOMPARE(m_startedBeforeClose, 1);
}

void TestOptionSaving::restartThatCannotStartKeepsProgramRunning()
{
    auto *scripted = new TNoStartInteraction;
    std::unique_ptr<TInteraction> previous = SetInteraction(std::unique_ptr<TInteraction>(scripted));
    SetProgramCloser([&] { ++m_closed; });

    QVERIFY(!RestartProgram());

    QCOMPARE(scripted->StartedPrograms.size(), 1);
    QCOMPARE(m_closed, 0);
    QCOMPARE(scripted->MessageTexts(),
             QStringList{QStringLiteral("\r\n") + RestartFailedNotice + QStringLiteral("\t")});
    SetInteraction(std::move(previous));
}

QTEST_GUILESS_MAIN(TestOptionSaving)
#include "test_option_saving.moc"
