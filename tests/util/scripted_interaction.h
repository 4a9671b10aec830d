#pragma once
// A scripted stand-in for the program's interaction layer: records what the program showed and answers
// from queues the test fills. Unanswered questions take the request's default button; unscripted dialogs
// are rejected.

#include "support/interaction.h"

#include <functional>
#include <QQueue>

class TScriptedInteraction : public TInteraction
{
public:
    struct TDialogRun
    {
        QString ObjectName;
        QString ClassName;
        int Result = 0;
    };

    // What was shown, in order.
    QList<TMessageRequest> Messages;
    QList<TDialogRun> Dialogs;
    QStringList OpenedDocuments;
    QList<QStringList> StartedPrograms; // program followed by its arguments

    // Answers, taken in order.
    QQueue<TMsgButton> MessageAnswers;
    QQueue<std::function<int(QWidget *)>> DialogScripts;
    QQueue<QString> InputAnswers; // a null QString cancels
    QQueue<QString> FileAnswers;  // for the open, save and folder choosers
    bool OpenDocumentResult = true;
    QDateTime FixedNow; // Now() when valid

    // Replies instead of the network when set.
    std::function<THttpReply(const QString &url)> OnHttpGet;
    std::function<THttpReply(const QString &url, const QList<QPair<QString, QString>> &fields)> OnHttpPost;

    // The texts of the messages shown.
    QStringList MessageTexts() const;
    QString LastMessageText() const { return Messages.isEmpty() ? QString() : Messages.last().Text; }

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
};

// Installs a scripted interaction for the life of the object and restores the previous one.
class TScriptedScope
{
public:
    TScriptedScope();
    ~TScriptedScope();
    TScriptedInteraction &operator*() { return *m_scripted; }
    TScriptedInteraction *operator->() { return m_scripted; }

private:
    TScriptedInteraction *m_scripted;
    std::unique_ptr<TInteraction> m_previous;
};
