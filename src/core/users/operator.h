#pragma once
// The operator who logged in and the checks of their rights. A rights text lists each granted right as a
// comma, the number and a comma (",9,,12,,10000,"); the login "sa" holds every right.

#include <QList>
#include <QString>

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
