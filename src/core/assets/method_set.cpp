#include "method_set.h"

TMethodSet::TMethodSet(QObject *parent)
    : TRecordSet(parent),
      m_id(AddField(TFieldType::Integer, QStringLiteral("Id"), -1, false, QStringLiteral("Id"))),
      m_name(AddField(TFieldType::String, QStringLiteral("Name"), 50, true, QStringLiteral("折旧法")))
{
    Query(QStringLiteral("select * from method order by Id"));
}
