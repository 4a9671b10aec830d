#pragma once
// The first steps of the program body: splash window, connection settings and the connection loop.

#include <memory>

class TSplashFrm;

class TStartup
{
public:
    TStartup();
    ~TStartup();

    // Shows the splash window and connects, asking for settings after each failure until the person gives up.
    // True when the session is connected; the splash window then stays open for the application start.
    bool Run();

    TSplashFrm *Splash() const { return m_splash.get(); }
    // Hands the splash window to the application start, which frees it once the main window exists.
    std::unique_ptr<TSplashFrm> TakeSplash();

private:
    std::unique_ptr<TSplashFrm> m_splash;
};
