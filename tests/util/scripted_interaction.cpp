#include "scripted_interaction.h"

#include "support/http_client.h"

#include <QWidget>

QStringList TScriptedInteraction::MessageTexts() const
{
    QStringList texts;
    for (const TMessageRequest &request : Messages)
        texts.append(request.Text);
    return texts;
}

TMsgButton TScriptedInteraction::MessageBox(const TMessageRequest &request)
{
    Messages.append(request);
    return MessageAnswers.isEmpty() ? request.DefaultButton : MessageAnswers.dequeue();
}

bool TScriptedInteraction::InputBox(const QString &, const QString &, QString &value)
{
    if (InputAnswers.isEmpty())
        return false;
    const QString answer = InputAnswers.dequeue();
    if (answer.isNull())
        return false;
    value = answer;
    return true;
}

QString TScriptedInteraction::OpenFileName(const QString &, const QString &, const QString &)
{
    return FileAnswers.isEmpty() ? QString() : FileAnswers.dequeue();
}

QString TScriptedInteraction::SaveFileName(const QString &, const QString &, const QString &)
{
    return FileAnswers.isEmpty() ? QString() : FileAnswers.dequeue();
}

QString TScriptedInteraction::ChooseFolder(const QString &, const QString &)
{
    return FileAnswers.isEmpty() ? QString() : FileAnswers.dequeue();
}

int TScriptedInteraction::ExecDialog(QWidget *dialog)
{
    int result = 0;
    if (!DialogScripts.isEmpty())
        result = DialogScripts.dequeue()(dialog);
    Dialogs.append({dialog ? dialog->objectName() : QString(),
                    dialog ? QString::fromLatin1(dialog->metaObject()->className()) : QString(), result});
    return result;
}

bool TScriptedInteraction::OpenDocument(const QString &pathOrUrl)
{
    OpenedDocuments.append(pathOrUrl);
    return OpenDocumentResult;
}

bool TScriptedInteraction::StartProgram(const QString &program, const QStringList &arguments)
{
    StartedPrograms.append(QStringList{program} + arguments);
    return true;
}

THttpReply TScriptedInteraction::HttpGet(const QString &url)
{
    return OnHttpGet ? OnHttpGet(url) : Http::Get(url);
}

THttpReply TScriptedInteraction::HttpPost(const QString &url, const QList<QPair<QString, QString>> &fields)
{
    return OnHttpPost ? OnHttpPost(url, fields) : Http::PostForm(url, fields);
}

QDateTime TScriptedInteraction::Now()
{
    return FixedNow.isValid() ? FixedNow : QDateTime::currentDateTime();
}

TScriptedScope::TScriptedScope()
{
    auto scripted = std::make_unique<TScriptedInteraction>();
    m_scripted = scripted.get();
    m_previous = SetInteraction(std::move(scripted));
}

TScriptedScope::~TScriptedScope()
{
    SetInteraction(std::move(m_previous));
}
