#include "operator_set.h"

namespace {

TDBParameters OperatorParams(const QString &loginId, const QString &password, const QString &rights,
                             const QString &note, const QString &contact, const QString &name)
{
    return {TextParam(QStringLiteral("LoginId"), loginId), TextParam(QStringLiteral("Password"), password),
            TextParam(QStringLiteral("Name"), name),       TextParam(QStringLiteral("Contact"), contact),
            TextParam(QStringLiteral("Note"), note),       TextParam(QStringLiteral("Rights"), rights)};
}

} // namespace

TOperatorSet::TOperatorSet(QObject *parent)
    : TRecordSet(parent),
      m_loginId(AddField(TFieldType::String, QStringLiteral("LoginId"), -1, true, QStringLiteral("登陆名"))),
      m_password(AddField(TFieldType::String, QStringLiteral("Password"), -1, true, QStringLiteral("密码"))),
      m_name(AddField(TFieldType::String, QStringLiteral("Name"), -1, true, QStringLiteral("姓名"))),
      m_contact(
          AddField(TFieldType::String, QStringLiteral("Contact"), -1, true, QStringLiteral("联系方式"))),
      m_note(AddField(TFieldType::String, QStringLiteral("Note"), -1, true, QStringLiteral("备注"))),
      m_rights(AddField(TFieldType::Memo, QStringLiteral("Rights"), -1, true, QStringLiteral("权限")))
{
    Query(QStringLiteral("select * from operator where LoginId<>'sa'"));
}

void TOperatorSet::SetRowValues(const QString &password, const QString &rights, const QString &note,
                                const QString &contact, const QString &name)
{
    m_name->SetAsString(name);
    m_password->SetAsString(password);
    m_contact->SetAsString(contact);
    m_note->SetAsString(note);
    m_rights->SetAsString(rights);
}

void TOperatorSet::InsertOperator(const QString &loginId, const QString &password, const QString &rights,
                                  const QString &note, const QString &contact, const QString &name)
{
    GlobalDatabase().Execute(
        QStringLiteral("insert into operator(LoginId,[Password],Name,Contact,[Note],Rights)"
                       "values(:LoginId,:Password,:Name,:Contact,:Note,:Rights)"),
        OperatorParams(loginId, password, rights, note, contact, name));
    TDataSet *data = DataSet();
    if (!data->Active())
        return;
    data->Append();
    try {
        m_loginId->SetAsString(loginId);
        SetRowValues(password, rights, note, contact, name);
        data->Post();
    } catch (...) {
        data->Cancel();
        throw;
    }
}

void TOperatorSet::UpdateOperator(const QString &loginId, const QString &password, const QString &rights,
                                  const QString &note, const QString &contact, const QString &name)
{
    GlobalDatabase().Execute(
        QStringLiteral("update operator set [Password]=:Password,Name=:Name,Contact=:Contact,[Note]=:Note,"
                       "Rights=:Rights where LoginId=:LoginId"),
        OperatorParams(loginId, password, rights, note, contact, name));
    TDataSet *data = DataSet();
    if (!data->Active() || !data->Locate(QStringLiteral("LoginId"), {loginId}))
        return;
    data->Edit();
    try {
        SetRowValues(password, rights, note, contact, name);
        data->Post();
    } catch (...) {
        data->Cancel();
        throw;
    }
}

void TOperatorSet::DeleteOperator(const QString &loginId)
{
    GlobalDatabase().Execute(QStringLiteral("delete from operator where LoginId=:LoginId"),
                             {DBParam(QStringLiteral("LoginId"), loginId)});
    TDataSet *data = DataSet();
    if (data->Active() && data->Locate(QStringLiteral("LoginId"), {loginId}))
        TRecordSet::Delete();
}
