#include "help_request.h"

#include "app/globals.h"
#include "app_paths.h"
#include "interaction.h"

#include <QDir>
#include <QStandardPaths>

namespace {

const QString HelpViewer = QStringLiteral("hh.exe");

} // namespace

QString HelpTopicOf(const QString &componentName)
{
    return componentName.size() > 3 ? componentName.chopped(3) : QString();
}

THelpLaunch HelpLaunchFor(const QString &topic, const QString &programDir, bool hasViewer)
{
    THelpLaunch launch;
    if (hasViewer) {
        // The viewer takes one argument naming the page inside the compiled help file.
        QString page = QStringLiteral("mk:@MSITStore:%1/%2").arg(programDir, AppHelpFile);
        if (!topic.isEmpty())
            page += QStringLiteral("::%1.htm").arg(topic);
        launch.Program = HelpViewer;
        launch.Arguments = QStringList{page};
    } else {
        const QString page = topic.isEmpty() ? QStringLiteral("index") : topic;
        launch.Document = QDir(programDir).filePath(QStringLiteral("help/%1.htm").arg(page));
    }
    return launch;
}

void ShowHelpTopic(const QString &topic)
{
    const bool hasViewer = !QStandardPaths::findExecutable(HelpViewer).isEmpty();
    const THelpLaunch launch = HelpLaunchFor(topic, AppPaths::ProgramDir(), hasViewer);
    // Neither call waits for the viewer; a viewer that does not start is not reported.
    if (!launch.Program.isEmpty())
        Interaction().StartProgram(launch.Program, launch.Arguments);
    else
        Interaction().OpenDocument(launch.Document);
}
