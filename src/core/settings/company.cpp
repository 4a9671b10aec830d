#include "company.h"

#include "app/ini_file.h"
#include "data/database.h"
#include "data/record_set.h"
#include "support/errors.h"
#include "support/messages.h"

namespace {

// The only row the program uses.
constexpr int CompanyRowId = 0;

} // namespace

void TCompany::LoadCompany()
{
    TRecordSet &scratch = GlobalRecordSet();
    if (scratch.Query(QStringLiteral("select * from Company where Id=:Id"),
                      {DBParam(QStringLiteral("Id"), CompanyRowId)}) != 1)
        return;
    TDataSet *data = scratch.DataSet();
    data->First();
    Id = data->FieldByName(QStringLiteral("Id"))->AsInteger();
    CompanyName = data->FieldByName(QStringLiteral("CompanyName"))->AsString();
    Manager = data->FieldByName(QStringLiteral("Manager"))->AsString();
    Tel = data->FieldByName(QStringLiteral("Tel"))->AsString();
    Fax = data->FieldByName(QStringLiteral("Fax"))->AsString();
    Address = data->FieldByName(QStringLiteral("Address"))->AsString();
    Zip = data->FieldByName(QStringLiteral("Zip"))->AsString();
    Profile = data->FieldByName(QStringLiteral("Profile"))->AsString();
    Updated = data->FieldByName(QStringLiteral("Updated"))->AsBoolean();
}

bool TCompany::CompanyExists() const
{
    return GlobalRecordSet().Query(QStringLiteral("select 1 from Company where Id=:Id"),
                                   {DBParam(QStringLiteral("Id"), Id)}) == 1;
}

void TCompany::SaveCompany() const
{
    const TDBParameters params{DBParam(QStringLiteral("Id"), Id),
                               TextParam(QStringLiteral("CompanyName"), CompanyName),
                               TextParam(QStringLiteral("Manager"), Manager),
                               TextParam(QStringLiteral("Tel"), Tel),
                               TextParam(QStringLiteral("Fax"), Fax),
                               TextParam(QStringLiteral("Address"), Address),
                               TextParam(QStringLiteral("Zip"), Zip),
                               TextParam(QStringLiteral("Profile"), Profile),
                               DBParam(QStringLiteral("Updated"), Updated)};
    if (CompanyExists())
        GlobalDatabase().Execute(
            QStringLiteral("update Company set CompanyName=:CompanyName,Manager=:Manager,Tel=:Tel,Fax=:Fax,"
                           "Address=:Address,Zip=:Zip,Profile=:Profile,Updated=:Updated where Id=:Id"),
            params);
    else
        GlobalDatabase().Execute(
            QStringLiteral("insert into Company(Id,CompanyName,Manager,Tel,Fax,Address,Zip,Profile,Updated) "
                           "values (:Id,:CompanyName,:Manager,:Tel,:Fax,:Address,:Zip,:Profile,:Updated)"),
            params);
}

bool TCompany::HasCompanyName() const
{
    return TIniFile::ToGbk(CompanyName).size() >= 8;
}

bool TCompany::EditCompany(TCompanyPrompt &prompt, bool readOnly)
{
    prompt.SetReadOnly(readOnly);
    prompt.FillFrom(*this);
    for (;;) {
        if (!prompt.Execute() || readOnly)
            return false;
        const TCompany before = *this;
        prompt.CopyTo(*this);
        try {
            SaveCompany();
            return true;
        } catch (const EDatabaseError &error) {
            ShowInfo(error.Message());
            // Without a stored row the reload changes nothing, so the values before the edit come back
            // first: what failed to save must not pass for the company's data.
            *this = before;
            LoadCompany();
        }
    }
}

TCompany &GlobalCompany()
{
    static TCompany company;
    return company;
}
