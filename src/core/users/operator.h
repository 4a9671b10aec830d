#pragma once
// The operator who logged in and the checks of their rights. A rights text lists each granted right as a
// comma, the number and a comma (",9,,12,,10000,"); the login "sa" holds every right.

#include <QList>
#include <QString>

// The password dialog as the password change sees it; the dialog itself checks that the two new-password
// fields agree before it closes with OK.
class TPasswordPrompt
{
public:
    virtual ~TPasswordPrompt() = default;
    // Shows the login id in "当前用户".
    virtual void SetUserId(const QString &loginId) = 0;
    // Runs the dialog modally, keeping what was typed from the previous run; true when it closed with OK.
    virtual bool Execute() = 0;
    // The typed current password and the (confirmed) new one.
    virtual QString PrePasswd() const = 0;
    virtual QString NewPasswd() const = 0;
};

class TOperator
{
public:
    static inline const QString SuperUser = QStringLiteral("sa");

    // All empty: no operator loaded.
    QString LoginId;
    QString Password;
    QString Name;
    QString Contact;
    QString Note;
    QString Rights;

    bool IsEmpty() const { return LoginId.isEmpty(); }
    // LoginId is exactly "sa" (case-sensitive).
    bool IsSuperUser() const { return LoginId == SuperUser; }
    // Empties every member.
    void Clear();

    // Runs "select LoginId,Password,Name,Contact,[Note],Rights from operator where LoginId=:LoginId" on the
    // scratch record set; with exactly one row copies its six columns, otherwise leaves the object as it
    // was; closes the scratch record set. Returns whether the operator was loaded.
    bool LoadOperator(const QString &loginId);
    // LoginId is not empty and Password equals the text exactly (case-sensitive).
    bool CheckPassword(const QString &password) const;
    // Rights contains ",n," or the operator is sa.
    bool HasRight(int n) const;
    // HasRight(n); when false shows "对不起,您没有该功能的操作权限,请与管理员联系(n)." and, with stop,
    // ends the user action with the silent abort (EAbort).
    bool CheckRight(int n, bool stop) const;
    // For anyone but sa shows "只有系统用户(sa)才能执行此操作." and ends the user action silently.
    void RequireSa() const;

    // Executes "update operator set [Password]=:Password where LoginId=:LoginId" for this operator. Throws
    // EDatabaseError when the statement fails, and when no operator row has this login id (the account was
    // deleted meanwhile): a change that reached no row is not a change.
    void SavePassword(const QString &newPassword) const;
    // The password change: runs the prompt until the typed current password matches Password and the new
    // one is saved. A wrong current password or a failing statement shows its message and runs the prompt
    // again with the fields as they were. On success Password holds the new password and the success
    // message was shown. Returns false when the prompt was cancelled.
    bool ChangePassword(TPasswordPrompt &prompt);
};

// The text that marks one right in a rights text: ",n,".
QString RightToken(int n);
// The rights text with one more right: "%s,%d," applied to the text and n.
QString AddRight(const QString &rightsText, int n);
// The rights text of the rights in the given order: 9, 12, 10000 give ",9,,12,,10000,".
QString RightsText(const QList<int> &rights);
// Whether a rights text holds right n (the ",n," rule, no sa exception).
bool RightsTextHolds(const QString &rightsText, int n);

// The current operator: empty until the first login.
TOperator &CurrentOperator();
