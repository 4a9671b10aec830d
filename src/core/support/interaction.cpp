#include "interaction.h"

#include "http_client.h"

#include <cstdio>
#include <QProcess>

namespace {

// Used where no window system is wanted (the command-line tool): messages go to standard error and
// every question takes its default answer.
class TConsoleInteraction : public TInteraction
{
public:
    TMsgButton MessageBox(const TMessageRequest &request) override
    {
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(request.Caption),
                     qUtf8Printable(request.Text.trimmed()));
        return request.DefaultButton;
    }
    bool InputBox(const QString &, const QString &, QString &) override { return false; }
    QString OpenFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString SaveFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString ChooseFolder(const QString &, const QString &) override { return {}; }
    int ExecDialog(QWidget *) override { return 0; }
    bool OpenDocument(const QString &) override { return false; }
    bool StartProgram(const QString &program, const QStringList &arguments) override
    {
        return QProcess::startDetached(program, arguments);
    }
    THttpReply HttpGet(const QString &url) override { return Http::Get(url); }
    THttpReply HttpPost(const QString &url, const QList<QPair<QString, QString>> &fields) override
    {
        return Http::PostForm(url, fields);
    }
    QDateTime Now() override { return QDateTime::currentDateTime(); }
};

std::unique_ptr<TInteraction> &Installed()
{
    static std::unique_ptr<TInteraction> installed = std::make_unique<TConsoleInteraction>();
    return installed;
}

} // namespace

TInteraction &Interaction()
{
    return *Installed();
}

std::unique_ptr<TInteraction> SetInteraction(std::unique_ptr<TInteraction> interaction)
{
    if (!interaction)
        interaction = std::make_unique<TConsoleInteraction>();
    std::swap(Installed(), interaction);
    return interaction;
}
