#pragma once
// A fresh database per test, made from the real creation script in a temporary folder, with the
// program's session connected to it and the profile (cfg.ini, default database) pointed at the folder.

#include <QString>
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

private:
    QTemporaryDir m_dir;
    QString m_path;
    bool m_valid = false;
};
