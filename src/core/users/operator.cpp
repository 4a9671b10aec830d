#include "operator.h"

#include "data/database.h"
#include "data/record_set.h"
#include "support/errors.h"
#include "support/messages.h"

void TOperator::Clear()
{
    *this = TOperator();
}

bool TOperator::LoadOperator(const QString &loginId)
{
    TRecordSet &scratch = GlobalRecordSet();
    const int count = scratch.Query(
        QStringLiteral(
            "select LoginId,Password,Name,Contact,[Note],Rights from operator where LoginId=:LoginId"),
        {DBParam(QStringLiteral("LoginId"), loginId)});
    bool loaded = false;
    if (count == 1) {
        TDataSet *data = scratch.DataSet();
        data->First();
        LoginId = data->Field(0)->AsString();
        Password = data->Field(1)->AsString();
        Name = data->Field(2)->AsString();
        Contact = data->Field(3)->AsString();
        Note = data->Field(4)->AsString();
        Rights = data->Field(5)->AsString();
        loaded = true;
    }
    scratch.DataSet()->Close();
    return loaded;
}

bool TOperator::CheckPassword(const QString &password) const
{
    return !LoginId.isEmpty() && Password == password;
}

bool TOperator::HasRight(int n) const
{
    return IsSuperUser() || RightsTextHolds(Rights, n);
}

bool TOperator::CheckRight(int n, bool stop) const
{
    const bool held = HasRight(n);
    if (!held) {
        ShowInfo(QStringLiteral("对不起,您没有该功能的操作权限,请与管理员联系(%1).").arg(n));
        if (stop)
            Abort();
    }
    return held;
}

void TOperator::RequireSa() const
{
    if (IsSuperUser())
        return;
    ShowInfo(QStringLiteral("只有系统用户(sa)才能执行此操作."));
    Abort();
}

void TOperator::SavePassword(const QString &newPassword) const
{
    const QString sql = QStringLiteral("update operator set [Password]=:Password where LoginId=:LoginId");
    // A text, never null: an empty password is stored as an empty text, as the login compares it.
    const int rows = GlobalDatabase().ExecSQL(sql, {TextParam(QStringLiteral("Password"), newPassword),
                                                    DBParam(QStringLiteral("LoginId"), LoginId)});
    if (rows == 0)
        throw EDatabaseError(QStringLiteral("找不到登陆名为 %1 的操作员, 密码没有更改.").arg(LoginId));
}

bool TOperator::ChangePassword(TPasswordPrompt &prompt)
{
    prompt.SetUserId(LoginId);
    for (;;) {
        if (!prompt.Execute())
            return false;
        if (prompt.PrePasswd() != Password) {
            ShowInfo(QStringLiteral("当前密码验证失败,请确认并重新输入."));
            continue;
        }
        const QString newPassword = prompt.NewPasswd();
        try {
            SavePassword(newPassword);
        } catch (const EDatabaseError &error) {
            ShowInfo(error.Message());
            continue;
        }
        Password = newPassword;
        ShowInfo(QStringLiteral("密码更改成功! 下次登陆时请使用新密码."));
        return true;
    }
}

QString RightToken(int n)
{
    return QStringLiteral(",%1,").arg(n);
}

QString AddRight(const QString &rightsText, int n)
{
    return rightsText + RightToken(n);
}

QString RightsText(const QList<int> &rights)
{
    QString text;
    for (const int right : rights)
        text = AddRight(text, right);
    return text;
}

bool RightsTextHolds(const QString &rightsText, int n)
{
    return rightsText.contains(RightToken(n));
}

TOperator &CurrentOperator()
{
    static TOperator current;
    return current;
}
