#pragma once
// The organisation using the program: the one row of table Company with Id 0, loaded at start-up, edited
// in the company dialog and printed on every report.

#include <QString>

class TCompany;

// The company dialog as the edit loop sees it.
class TCompanyPrompt
{
public:
    virtual ~TCompanyPrompt() = default;
    // A read-only view cannot be closed with OK.
    virtual void SetReadOnly(bool readOnly) = 0;
    // Shows the company's seven fields (Manager as the representative).
    virtual void FillFrom(const TCompany &company) = 0;
    // Runs the dialog modally, keeping what was typed from the previous run; true when it closed with OK.
    virtual bool Execute() = 0;
    // Copies the seven fields into the company; Id and Updated stay as they are.
    virtual void CopyTo(TCompany &company) const = 0;
};

class TCompany
{
public:
    int Id = 0;
    QString CompanyName;
    QString Manager;
    QString Tel;
    QString Fax;
    QString Address;
    QString Zip;
    QString Profile;
    bool Updated = false;

    // "select * from Company where Id=:Id" with Id 0 on the scratch record set; with exactly one row copies
    // its columns, otherwise leaves the object unchanged.
    void LoadCompany();
    // "select 1 from Company where Id=:Id" with this Id yields exactly one row.
    bool CompanyExists() const;
    // Updates the row when it exists, inserts it otherwise. Statement errors reach the caller.
    void SaveCompany() const;
    // The name is at least 8 bytes long in GBK (four Chinese characters).
    bool HasCompanyName() const;

    // The company dialog: shows the object, and on OK copies the fields in and saves. A failing save shows
    // its message, reloads the object from the database (an unsaved edit never stays in it) and runs the
    // dialog again with what was typed. A read-only view never saves. Returns whether it saved.
    bool EditCompany(TCompanyPrompt &prompt, bool readOnly);
};

// The company record of the program, empty until loaded.
TCompany &GlobalCompany();
