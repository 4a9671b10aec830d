#pragma once
// Blocking HTTP over QNetworkAccessManager: the program waits for the reply as its users expect.

#include "interaction.h"

namespace Http {
// Seconds a request may take before it counts as failed.
inline constexpr int TimeoutSeconds = 30;

THttpReply Get(const QString &url);
THttpReply PostForm(const QString &url, const QList<QPair<QString, QString>> &fields);
} // namespace Http
