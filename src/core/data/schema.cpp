#include "schema.h"

#include "support/errors.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

QStringList SplitScript(const QString &script)
{
    QStringList statements;
    QString current;
    const QStringList lines = script.split(QLatin1Char('\n'));
    for (QString line : lines) {
        line.remove(QLatin1Char('\r'));
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1String("--")) || (trimmed.isEmpty() && current.isEmpty()))
            continue;
        current += line + QLatin1Char('\n');
        if (trimmed.endsWith(QLatin1Char(';'))) {
            current = current.trimmed();
            current.chop(1);
            statements.append(current);
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty())
        statements.append(current.trimmed());
    return statements;
}

void CreateDatabaseFile(const QString &path)
{
    if (QFileInfo::exists(path))
        throw EDatabaseError(QStringLiteral("文件 %1 已经存在").arg(path));
    QFile file(QStringLiteral(":/schema/sqlite.sql"));
    if (!file.open(QIODevice::ReadOnly))
        throw EDatabaseError(QStringLiteral("缺少数据库创建脚本"));
    const QStringList statements = SplitScript(QString::fromUtf8(file.readAll()));

    const QString name =
        QStringLiteral("lanshi-create-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open()) {
            failure = db.lastError().text();
        } else {
            db.transaction();
            QSqlQuery query(db);
            for (const QString &statement : statements) {
                if (!query.exec(statement)) {
                    failure = query.lastError().databaseText() + QStringLiteral("\r\n") + statement;
                    break;
                }
            }
            if (failure.isEmpty() && !db.commit())
                failure = db.lastError().text();
            if (!failure.isEmpty())
                db.rollback();
            query.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    if (!failure.isEmpty()) {
        QFile::remove(path);
        throw EDatabaseError(failure);
    }
}
