// The help topic of a window and how a topic is opened: the compiled help viewer, or the page of the help
// set.
#include "scripted_interaction.h"
#include "support/app_paths.h"
#include "support/help_request.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestHelpRequest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void topicOf_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("topic");
        QTest::newRow("editor") << u"AssetEditorFrm"_s << u"AssetEditor"_s;
        QTest::newRow("main window") << u"mainFrm"_s << u"main"_s;
        QTest::newRow("operator editor") << u"OperatorEditorFrm"_s << u"OperatorEditor"_s;
        QTest::newRow("name of three characters") << u"Frm"_s << QString();
        QTest::newRow("no name") << QString() << QString();
    }

    void topicOf()
    {
        QFETCH(QString, name);
        QFETCH(QString, topic);
        QCOMPARE(HelpTopicOf(name), topic);
    }

    void viewerCommandLine()
    {
        const THelpLaunch launch = HelpLaunchFor(u"AssetEditor"_s, u"C:/lanshi"_s, true);
        QCOMPARE(launch.Program, u"hh.exe"_s);
        QCOMPARE(launch.Arguments, QStringList{u"mk:@MSITStore:C:/lanshi/zazuzo19.chm::AssetEditor.htm"_s});
        QVERIFY(launch.Document.isEmpty());
    }

    void pageWithoutViewer()
    {
        const THelpLaunch launch = HelpLaunchFor(u"AssetEditor"_s, u"/opt/lanshi"_s, false);
        QVERIFY(launch.Program.isEmpty());
        QCOMPARE(launch.Document, u"/opt/lanshi/help/AssetEditor.htm"_s);
        QCOMPARE(HelpLaunchFor(QString(), u"/opt/lanshi"_s, false).Document, u"/opt/lanshi/help/index.htm"_s);
    }

    void opensThroughTheDesktop()
    {
        // This machine has no compiled help viewer: the page is opened, and a failure is not reported.
        TScriptedScope scripted;
        scripted->OpenDocumentResult = false;
        ShowHelpTopic(u"OperatorEditor"_s);
        QCOMPARE(scripted->OpenedDocuments,
                 QStringList{QDir(AppPaths::ProgramDir()).filePath(u"help/OperatorEditor.htm"_s)});
        QVERIFY(scripted->StartedPrograms.isEmpty());
        QVERIFY(scripted->Messages.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestHelpRequest)
#include "test_help_request.moc"
