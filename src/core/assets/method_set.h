#pragma once
// The depreciation methods, read from table method; every asset set owns one for its method names.

#include "data/record_set.h"

class TMethodSet : public TRecordSet
{
    Q_OBJECT
public:
    // Opens "select * from method order by Id".
    explicit TMethodSet(QObject *parent = nullptr);

    TField *IdFld() const { return m_id; }
    TField *NameFld() const { return m_name; }

private:
    TField *m_id;
    TField *m_name;
};
