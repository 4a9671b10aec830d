#include "login.h"

#include "app/ini_file.h"
#include "support/app_paths.h"
#include "users/operator.h"
#include "users/operator_set.h"

namespace {

const QString LoginSection = QStringLiteral("Login");
const QString LastLoginKey = QStringLiteral("LastLoginId");

} // namespace

QString LastLoginId()
{
    return TIniFile(AppPaths::ConfigFile()).ReadString(LoginSection, LastLoginKey);
}

void SetLastLoginId(const QString &loginId)
{
    // A failed write leaves the login as it is: the id is simply not remembered.
    TIniFile(AppPaths::ConfigFile()).WriteString(LoginSection, LastLoginKey, loginId);
}

bool TryLogin(const QString &loginId, const QString &password)
{
    TOperator checking;
    if (!checking.LoadOperator(loginId) || !checking.CheckPassword(password))
        return false;
    if (!CurrentOperator().LoadOperator(checking.LoginId))
        return false;
    SetLastLoginId(CurrentOperator().LoginId);
    return true;
}

QStringList LoginIds()
{
    TOperatorSet operators;
    const TDataSet *data = operators.DataSet();
    const int column = operators.UserIdField()->Index();
    QStringList ids;
    ids.reserve(data->RecordCount());
    for (int row = 0; row < data->RecordCount(); ++row)
        ids.append(data->RowValue(row, column).toString());
    return ids;
}
