#pragma once
// The steps of the options dialog's OK that need no window: storing the labels and pick lists together, and
// the restart that makes every window take them.

#include <functional>
#include <QString>
#include <QStringList>

class TOptions;

// Shown once the options are stored, before the program restarts.
inline const QString RestartNotice = QStringLiteral("\r\n操作已完成,软件需要重新启动!\t");
// Shown when the new process could not be started; this one then keeps running.
inline const QString RestartFailedNotice = QStringLiteral("软件未能重新启动,请退出后再手动启动本软件。");

// A pick list as the editor gives it, in the stored form: one entry per line, lines separated by CR LF.
// Lines stay as typed (empty lines and duplicates too).
QString PickListText(const QString &editorText);

// Stores the twelve labels under keys 4 … 15 and writes every pick list of the working copy, all or nothing:
// on a statement error the transaction is rolled back, the process-wide labels keep their old values and the
// error reaches the caller.
void SaveOptionEdits(const QStringList &labels, TOptions &lists);

// Shows the restart notice (a warning box with OK), then restarts the program.
void AnnounceRestart();

// Starts the program's executable again with the arguments this process got, then closes this process through
// the program closer. When the new process cannot be started, says so and leaves this one running; returns
// whether the new process started.
bool RestartProgram();

// How this process closes in order for a restart: the main window installs its own close. Without one,
// QCoreApplication::quit ends the event loop.
void SetProgramCloser(std::function<void()> closer);
