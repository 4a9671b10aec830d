#pragma once
// The small functions through which nearly every message reaches the user.

#include <QString>

// Captions of the standard message boxes.
inline const QString InfoCaption = QStringLiteral("信息");
inline const QString WarningCaption = QStringLiteral("警告");
inline const QString ConfirmCaption = QStringLiteral("确认");
inline const QString ErrorCaption = QStringLiteral("错误");

// Information box: "\r\n", the text and "\t", with the single button "确定".
void ShowInfo(const QString &text);
// Warning box asking whether to delete `what` ("当前记录" when empty); true for "确定".
bool ConfirmDelete(const QString &what = QString());
// Confirmation box asking whether to do `action`; true for "确定".
bool ConfirmAction(const QString &action);
// Exactly n copies of ch; empty for n <= 0.
QString RepeatChar(QChar ch, int n);
