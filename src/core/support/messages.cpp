#include "messages.h"

#include "interaction.h"

void ShowInfo(const QString &text)
{
    TMessageRequest request;
    request.Kind = TMsgKind::Information;
    request.Caption = InfoCaption;
    request.Text = QStringLiteral("\r\n") + text + QStringLiteral("\t");
    Interaction().MessageBox(request);
}

static bool AskOkCancel(TMsgKind kind, const QString &caption, const QString &text)
{
    TMessageRequest request;
    request.Kind = kind;
    request.Caption = caption;
    request.Text = text;
    request.Buttons = int(TMsgButton::Ok) | int(TMsgButton::Cancel);
    request.DefaultButton = TMsgButton::Ok;
    return Interaction().MessageBox(request) == TMsgButton::Ok;
}

bool ConfirmDelete(const QString &what)
{
    const QString subject = what.isEmpty() ? QStringLiteral("当前记录") : what;
    return AskOkCancel(TMsgKind::Warning, WarningCaption,
                       QStringLiteral("\r您确定要删除 %1 吗?\t\t").arg(subject));
}

bool ConfirmAction(const QString &action)
{
    return AskOkCancel(TMsgKind::Question, ConfirmCaption,
                       QStringLiteral("\r您确定要 %1 吗?\t\t").arg(action));
}

QString RepeatChar(QChar ch, int n)
{
    return n > 0 ? QString(n, ch) : QString();
}
