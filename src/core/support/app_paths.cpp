#include "app_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString &ProfileOverride()
{
    static QString dir;
    return dir;
}

// Every front end (the windows program, the command-line tool, tests) shares the program's database,
// named after the windows program.
const QString ProgramName = QStringLiteral("lanshi");

bool IsWritableDir(const QString &dir)
{
    const QFileInfo info(dir);
    return info.isDir() && info.isWritable();
}

} // namespace

QString AppPaths::ProgramDir()
{
    const QString dir = QCoreApplication::applicationDirPath();
    return dir.isEmpty() ? QDir::currentPath() : dir;
}

QString AppPaths::ProfileDir()
{
    if (!ProfileOverride().isEmpty())
        return ProfileOverride();
    if (IsWritableDir(ProgramDir()))
        return ProgramDir();
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(user);
    return user;
}

void AppPaths::SetProfileDir(const QString &dir)
{
    ProfileOverride() = dir.isEmpty() ? QString() : QDir(dir).absolutePath();
}

QString AppPaths::ConfigFile()
{
    return QDir(ProfileDir()).filePath(QStringLiteral("cfg.ini"));
}

QString AppPaths::DefaultDatabasePath()
{
    return QDir::toNativeSeparators(QDir(ProfileDir()).filePath(ProgramName + QStringLiteral(".mdb")));
}

bool AppPaths::ApplyProfileArgument(const QStringList &arguments, QString *error)
{
    const qsizetype at = arguments.indexOf(QStringLiteral("--profile"));
    if (at < 0)
        return true;
    if (at + 1 >= arguments.size() || arguments.at(at + 1).startsWith(QLatin1String("--"))) {
        if (error)
            *error = QStringLiteral("--profile 需要一个文件夹");
        return false;
    }
    const QString dir = arguments.at(at + 1);
    if (!QDir().mkpath(dir)) {
        if (error)
            *error = QStringLiteral("无法创建文件夹 %1").arg(dir);
        return false;
    }
    SetProfileDir(dir);
    return true;
}
