#pragma once
// Opens a page of the program's help: the compiled help viewer where the system has one, otherwise the page
// of the help set in the program folder's "help" folder.

#include <QString>
#include <QStringList>

// The help topic of a window: its component name without its last three characters ("AssetEditorFrm" gives
// "AssetEditor", "mainFrm" gives "main").
QString HelpTopicOf(const QString &componentName);

// What opening a topic takes: a program to start, or else a document to open with the desktop.
struct THelpLaunch
{
    QString Program;
    QStringList Arguments;
    QString Document;
};

// hasViewer: whether the compiled help viewer "hh.exe" is there. An empty topic opens the help's start page.
THelpLaunch HelpLaunchFor(const QString &topic, const QString &programDir, bool hasViewer);

// Opens the topic through the interaction layer, returns at once and reports nothing when it cannot.
void ShowHelpTopic(const QString &topic);
