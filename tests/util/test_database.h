#pragma once
// A fresh database per test, made from the real creation script in a temporary folder, with the
// program's session connected to it and the profile (cfg.ini, default database) pointed at the folder.

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class TTestDatabase
{
public:
    TTestDatabase();
    ~TTestDatabase();

    bool IsValid() const { return m_valid; }
    QString Dir() const { return m_dir.path(); }
    QString Path() const { return m_path; }
    QString ConnectionString() const;
    // Runs a statement directly, failing the test on error (fixtures).
    void Exec(const QString &sql) const;
    // Every row of a query as one line, the values separated by spaces: for comparing tables before and
    // after.
    static QStringList Rows(const QString &sql);

private:
    QTemporaryDir m_dir;
    QString m_path;
    bool m_valid = false;
};
