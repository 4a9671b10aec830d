#pragma once
// The operator accounts except sa, for the login dialog and the operator management window. Writes are
// explicit statements; the working copy follows each one only after it succeeded.

#include "data/record_set.h"

class TOperatorSet : public TRecordSet
{
    Q_OBJECT
public:
    // Opens "select * from operator where LoginId<>'sa'".
    explicit TOperatorSet(QObject *parent = nullptr);

    TField *UserIdField() const { return m_loginId; }
    TField *PasswdField() const { return m_password; }
    TField *NameField() const { return m_name; }
    TField *ContactField() const { return m_contact; }
    TField *NoteField() const { return m_note; }
    TField *RightsField() const { return m_rights; }

    // Inserts the operator, then appends the row to the working copy.
    void InsertOperator(const QString &loginId, const QString &password, const QString &rights,
                        const QString &note, const QString &contact, const QString &name);
    // Updates the operator with that login id, then sets the row's values in the working copy when it is
    // there.
    void UpdateOperator(const QString &loginId, const QString &password, const QString &rights,
                        const QString &note, const QString &contact, const QString &name);
    // Deletes the operator, then deletes the row from the working copy when it is there.
    void DeleteOperator(const QString &loginId);
    // Statement errors reach the caller with the working copy unchanged.

private:
    void SetRowValues(const QString &password, const QString &rights, const QString &note,
                      const QString &contact, const QString &name);

    TField *m_loginId;
    TField *m_password;
    TField *m_name;
    TField *m_contact;
    TField *m_note;
    TField *m_rights;
};
