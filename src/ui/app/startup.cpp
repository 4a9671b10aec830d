#include "startup.h"

#include "db_config_frm.h"
#include "splash_frm.h"

#include "data/database.h"
#include "support/interaction.h"

#include <QCoreApplication>

TStartup::TStartup() = default;

TStartup::~TStartup() = default;

bool TStartup::Run()
{
    // The title "澜石固定资产管理系统" (AppTitle) and the help file (AppHelpFile) are fixed texts every
    // window reads itself. The title is not made the application's display name, as the window system would
    // append it to every window caption.
    QCoreApplication::processEvents();

    m_splash = std::make_unique<TSplashFrm>();
    m_splash->show();
    m_splash->ShowStatus(QStringLiteral("正在连接数据库,请稍候..."));

    // One dialog for every retry, so what was typed stays between attempts.
    auto configFrm = std::make_unique<TDBConfigFrm>();
    while (!GlobalDatabase().Connect(configFrm->ConnectionString())) {
        if (Interaction().ExecDialog(configFrm.get()) != QDialog::Accepted)
            break;
        QCoreApplication::processEvents();
    }
    configFrm.reset();
    m_splash->ShowStatus(QStringLiteral("正在创建程序,请稍候..."));
    return GlobalDatabase().Connected();
}

std::unique_ptr<TSplashFrm> TStartup::TakeSplash()
{
    return std::move(m_splash);
}
