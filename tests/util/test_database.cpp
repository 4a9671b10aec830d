#include "test_database.h"

#include "app/db_configer.h"
#include "data/database.h"
#include "data/record_set.h"
#include "data/schema.h"
#include "support/app_paths.h"
#include "support/errors.h"

#include <QDir>
#include <QTest>

TTestDatabase::TTestDatabase()
{
    AppPaths::SetProfileDir(m_dir.path());
    m_path = QDir(m_dir.path()).filePath(QStringLiteral("test.mdb"));
    try {
        CreateDatabaseFile(m_path);
        m_valid = GlobalDatabase().Connect(ConnectionString());
    } catch (const Exception &error) {
        qWarning("%s", qUtf8Printable(error.Message()));
    }
}

TTestDatabase::~TTestDatabase()
{
    GlobalDatabase().SetConnected(false);
    AppPaths::SetProfileDir(QString());
}

QString TTestDatabase::ConnectionString() const
{
    return TDBConfiger::JetConnectionString(QString(), m_path);
}

void TTestDatabase::Exec(const QString &sql) const
{
    try {
        GlobalDatabase().Execute(sql);
    } catch (const Exception &error) {
        QFAIL(qPrintable(error.Message()));
    }
}

QStringList TTestDatabase::Rows(const QString &sql)
{
    QStringList rows;
    TRecordSet rs;
    rs.Query(sql);
    TDataSet *ds = rs.DataSet();
    for (ds->First(); !ds->Eof(); ds->Next()) {
        QStringList values;
        for (int i = 0; i < ds->FieldCount(); ++i)
            values.append(ds->Field(i)->AsString());
        rows.append(values.join(QLatin1Char(' ')));
    }
    return rows;
}
