#pragma once
// The links of the tools menu (table link): a program, document or web address the user put there.

#include "data/record_set.h"

class TLinkSet : public TRecordSet
{
    Q_OBJECT
public:
    // Opens "select Id,GroupId,Title,lpFile,lpParameters,Note from link order by Id".
    explicit TLinkSet(QObject *parent = nullptr);

    TField *IdFld() const { return m_id; }
    TField *TitleFld() const { return m_title; }
    TField *lpFileFld() const { return m_file; }
    TField *lpParametersFld() const { return m_parameters; }
    TField *NoteFld() const { return m_note; }

private:
    TField *m_id;
    TField *m_groupId;
    TField *m_title;
    TField *m_file;
    TField *m_parameters;
    TField *m_note;
};
