#pragma once
// The program's life once the session is connected: the application object, and the start of a working
// session in the main window.

#include <QApplication>

class TStartup;
class TmainFrm;

// The application object; an error that escaped every handler still reaches the error handler instead of
// ending the program.
class TApplication : public QApplication
{
    Q_OBJECT

public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override;
};

// Asks for the login; cancelled, the main window closes through its close path and the result is false.
// Otherwise builds the tools and output menus, shows the window maximised, then opens the company dialog
// when the name is missing (for an operator who may edit it) and the daily tip when it is wanted.
bool StartSession(TmainFrm &mainFrm);

// The whole program body after the start-up connected: loads the shared data, builds the main window,
// frees the splash, runs the session and the event loop, then frees everything. Returns the exit code.
int RunApplication(TStartup &startup);
