// The HTML form poster behind error reports and feedback.
#include "httper.h"

#include "support/interaction.h"

bool THttper::Post(const QString &url, QString *reply)
{
    QList<QPair<QString, QString>> fields;
    for (const QString &line : FormFields) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            fields.append({line, QString()});
        else
            fields.append({line.left(eq), line.mid(eq + 1)});
    }
    const THttpReply answer = Interaction().HttpPost(url, fields);
    if (reply)
        *reply = answer.Ok ? answer.Body : QString();
    return answer.Ok && answer.Body == QStringLiteral("ok");
}
