#pragma once
// Process-wide texts set by the program body before anything is shown.

#include <QString>

inline const QString AppTitle = QStringLiteral("澜石固定资产管理系统");
inline const QString AppVersion = QStringLiteral("单机版 1.91.80126");
inline const QString ProductCode = QStringLiteral("ZAZUZO191");
// The help file beside the program.
inline const QString AppHelpFile = QStringLiteral("zazuzo19.chm");
// Every date the program shows or parses as text uses this form.
inline const QString ShortDateFormat = QStringLiteral("yyyy-MM-dd");
