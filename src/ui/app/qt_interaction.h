#pragma once
// The widget implementation of the interaction layer: real message boxes, choosers, dialogs, the desktop.

#include "support/interaction.h"

class TQtInteraction : public TInteraction
{
public:
    TMsgButton MessageBox(const TMessageRequest &request) override;
    bool InputBox(const QString &caption, const QString &prompt, QString &value) override;
    QString OpenFileName(const QString &caption, const QString &dir, const QString &filter) override;
    QString SaveFileName(const QString &caption, const QString &dir, const QString &filter) override;
    QString ChooseFolder(const QString &caption, const QString &dir) override;
    int ExecDialog(QWidget *dialog) override;
    bool OpenDocument(const QString &pathOrUrl) override;
    bool StartProgram(const QString &program, const QStringList &arguments) override;
    THttpReply HttpGet(const QString &url) override;
    THttpReply HttpPost(const QString &url, const QList<QPair<QString, QString>> &fields) override;
    QDateTime Now() override;

    // "文本文件|*.txt|所有文件|*.*" becomes "文本文件 (*.txt);;所有文件 (*)"; a Qt filter passes unchanged.
    static QString FileDialogFilter(const QString &filter);
};
