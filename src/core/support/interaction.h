#pragma once
// The one door to people and the outside world: message boxes, choosers, dialogs, the desktop, HTTP and
// the clock. The program installs a widget implementation at start-up; tests install a scripted one.

#include <memory>
#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class QWidget;

enum class TMsgKind
{
    Information,
    Warning,
    Question,
    Error
};

enum class TMsgButton
{
    None = 0,
    Ok = 1,
    Cancel = 2,
    Yes = 4,
    No = 8,
    Retry = 16,
    Abort = 32,
    Ignore = 64
};

// What a message box looks like; Buttons is an or-combination of TMsgButton values.
struct TMessageRequest
{
    TMsgKind Kind = TMsgKind::Information;
    QString Caption;
    QString Text;
    int Buttons = int(TMsgButton::Ok);
    TMsgButton DefaultButton = TMsgButton::Ok;
};

struct THttpReply
{
    bool Ok = false; // the request reached the server and the status was a success
    int Status = 0;  // HTTP status code, 0 when no reply arrived
    QString Body;    // reply body decoded as UTF-8 (GBK when the server says so)
    QString Error;   // why it failed, for logs and messages
};

class TInteraction
{
public:
    virtual ~TInteraction() = default;

    virtual TMsgButton MessageBox(const TMessageRequest &request) = 0;
    // Returns false when the person cancelled; value keeps what was typed.
    virtual bool InputBox(const QString &caption, const QString &prompt, QString &value) = 0;
    // Empty when cancelled.
    virtual QString OpenFileName(const QString &caption, const QString &dir, const QString &filter) = 0;
    virtual QString SaveFileName(const QString &caption, const QString &dir, const QString &filter) = 0;
    virtual QString ChooseFolder(const QString &caption, const QString &dir) = 0;
    // Runs a modal dialog (a QDialog) and returns its result code.
    virtual int ExecDialog(QWidget *dialog) = 0;
    // Opens a file, folder or address with the desktop's program for it.
    virtual bool OpenDocument(const QString &pathOrUrl) = 0;
    virtual bool StartProgram(const QString &program, const QStringList &arguments) = 0;
    virtual THttpReply HttpGet(const QString &url) = 0;
    // An HTML form post (application/x-www-form-urlencoded) of the name=value pairs.
    virtual THttpReply HttpPost(const QString &url, const QList<QPair<QString, QString>> &fields) = 0;
    virtual QDateTime Now() = 0;
    QDate Today() { return Now().date(); }
};

// The installed implementation; there is always one (a plain console one until the program installs its own).
TInteraction &Interaction();
// Installs a new implementation and returns the previous one.
std::unique_ptr<TInteraction> SetInteraction(std::unique_ptr<TInteraction> interaction);
