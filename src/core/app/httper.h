#pragma once
// A small HTML form poster: fill FormFields with name=value lines, then Post.

#include <QString>
#include <QStringList>

class THttper
{
public:
    QStringList FormFields;

    // True exactly when the reply body is "ok". Any failure gives false and an empty reply; nothing is shown.
    bool Post(const QString &url, QString *reply = nullptr);
};
