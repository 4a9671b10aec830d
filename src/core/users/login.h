#pragma once
// Logging in: the check behind the login dialog's OK, and the last login id this workstation remembers
// in cfg.ini (section Login, key LastLoginId).

#include <QString>
#include <QStringList>

// The login id of the last successful login here; empty when none was remembered.
QString LastLoginId();
// Remembers the login id. A cfg.ini that cannot be written is passed over: the login must not fail for it.
void SetLastLoginId(const QString &loginId);

// The OK of the login dialog: loads the typed login id into a fresh checking operator (the database's case
// rule applies to the lookup) and compares the password exactly. On success loads that operator, by the
// login id as stored, into the current operator and remembers it as the last login id. On refusal nothing
// changes. A failing query raises its error.
bool TryLogin(const QString &loginId, const QString &password);

// The login ids of every operator but sa, in the order the table returns them.
QStringList LoginIds();
