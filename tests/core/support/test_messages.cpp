// The message functions: the exact texts, captions, icons and buttons of the boxes, and what the answers
// mean.
#include "scripted_interaction.h"
#include "support/messages.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(TMsgKind)
Q_DECLARE_METATYPE(TMsgButton)

namespace {

const int OkCancel = int(TMsgButton::Ok) | int(TMsgButton::Cancel);

} // namespace

class TestMessages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void boxes_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<TMsgKind>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("buttons");

        QTest::newRow("information") << 0 << u"保存成功"_s << TMsgKind::Information << u"信息"_s
                                     << u"\r\n保存成功\t"_s << int(TMsgButton::Ok);
        QTest::newRow("delete the current record") << 1 << QString() << TMsgKind::Warning << u"警告"_s
                                                   << u"\r您确定要删除 当前记录 吗?\t\t"_s << OkCancel;
        QTest::newRow("delete a named thing") << 1 << u"资产 A001"_s << TMsgKind::Warning << u"警告"_s
                                              << u"\r您确定要删除 资产 A001 吗?\t\t"_s << OkCancel;
        QTest::newRow("confirm an action") << 2 << u"恢复数据"_s << TMsgKind::Question << u"确认"_s
                                           << u"\r您确定要 恢复数据 吗?\t\t"_s << OkCancel;
        // A percent sign in the subject is text, not a place for an argument.
        QTest::newRow("percent in the subject") << 2 << u"删除 %1 的记录"_s << TMsgKind::Question << u"确认"_s
                                                << u"\r您确定要 删除 %1 的记录 吗?\t\t"_s << OkCancel;
    }

    void boxes()
    {
        QFETCH(int, which);
        QFETCH(QString, argument);
        QFETCH(TMsgKind, kind);
        QFETCH(QString, caption);
        QFETCH(QString, text);
        QFETCH(int, buttons);

        TScriptedScope scripted;
        if (which == 0)
            ShowInfo(argument);
        else if (which == 1)
            ConfirmDelete(argument);
        else
            ConfirmAction(argument);
        QCOMPARE(scripted->Messages.size(), 1);
        const TMessageRequest &shown = scripted->Messages.first();
        QCOMPARE(shown.Kind, kind);
        QCOMPARE(shown.Caption, caption);
        QCOMPARE(shown.Text, text);
        QCOMPARE(shown.Buttons, buttons);
    }

    void answers_data()
    {
        QTest::addColumn<TMsgButton>("answer");
        QTest::addColumn<bool>("confirmed");
        QTest::newRow("ok") << TMsgButton::Ok << true;
        QTest::newRow("cancel") << TMsgButton::Cancel << false;
        // A box closed without a button (the window's close box) is no yes.
        QTest::newRow("closed") << TMsgButton::None << false;
    }

    void answers()
    {
        QFETCH(TMsgButton, answer);
        QFETCH(bool, confirmed);
        TScriptedScope scripted;
        scripted->MessageAnswers << answer << answer;
        QCOMPARE(ConfirmDelete(), confirmed);
        QCOMPARE(ConfirmAction(u"清除数据"_s), confirmed);
    }

    void repeatChar()
    {
        QCOMPARE(RepeatChar(u'　', 3), u"　　　"_s);
        QCOMPARE(RepeatChar(u'-', 1), u"-"_s);
        QCOMPARE(RepeatChar(u'-', 0), QString());
        QCOMPARE(RepeatChar(u'-', -2), QString());
    }
};

QTEST_APPLESS_MAIN(TestMessages)
#include "test_messages.moc"
