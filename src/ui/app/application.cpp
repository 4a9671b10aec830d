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
    if (!mainFrm.Login()) {
        mainFrm.close();
        return false;
    }
    mainFrm.LoadMenus();
    // The whole screen also where the window system does not maximise.
    if (const QScreen *screen = mainFrm.screen())
        mainFrm.setGeometry(screen->availableGeometry());
    mainFrm.showMaximized();
    if (NeedsCompanyPrompt())
        mainFrm.Command(QStringLiteral("mnuCompanyInfo"))->trigger();
    if (DailyTipWanted())
        mainFrm.Command(QStringLiteral("mnuDailyTip"))->trigger();
    return true;
}

int RunApplication(TStartup &startup)
{
    int result = 0;
    const bool initialised = RunAction([] { InitApplication(); });
    if (initialised) {
        TPubFrm pubFrm;
        TmainFrm mainFrm(AssetManager());
        startup.TakeSplash().reset();
        if (StartSession(mainFrm))
            result = QApplication::exec();
    }
    FreeApplication();
    GlobalDatabase().SetConnected(false);
    return initialised ? result : 1;
}
