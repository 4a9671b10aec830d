#include "application.h"

#include "app/app_init.h"
#include "data/database.h"
#include "mainwin/main_frm.h"
#include "pub_frm.h"
#include "splash_frm.h"
#include "startup.h"
#include "support/action.h"
#include "support/errors.h"

#include <QAction>
#include <QScreen>

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const EAbort &) {
        return false;
    } catch (const std::exception &error) {
        HandleError(error);
        return false;
    }
}

bool StartSession(TmainFrm &mainFrm)
{
    // Each step is a user action of its own: a failing one is reported and the session goes on.
    bool loggedIn = false;
    RunAction([&] { loggedIn = mainFrm.Login(); });
    if (!loggedIn) {
        mainFrm.close();
        return false;
    }
    RunAction([&] { mainFrm.LoadMenus(); });
    // The whole screen also where the window system does not maximise.
    if (const QScreen *screen = mainFrm.screen())
        mainFrm.setGeometry(screen->availableGeometry());
    mainFrm.showMaximized();
    RunAction([&] {
        if (NeedsCompanyPrompt())
            mainFrm.Command(QStringLiteral("mnuCompanyInfo"))->trigger();
    });
    RunAction([&] {
        if (DailyTipWanted())
            mainFrm.Command(QStringLiteral("mnuDailyTip"))->trigger();
    });
    return true;
}

int RunApplication(TStartup &startup)
{
    // An error before the event loop runs (the shared data or the main window cannot be built) is shown and
    // ends the program.
    int result = 1;
    RunAction([&] {
        InitApplication();
        TPubFrm pubFrm;
        TmainFrm mainFrm(AssetManager());
        startup.TakeSplash().reset();
        result = StartSession(mainFrm) ? QApplication::exec() : 0;
    });
    FreeApplication();
    GlobalDatabase().SetConnected(false);
    return result;
}
