#include "rep_set.h"

TRepSet::TRepSet(QObject *parent)
    : TRecordSet(parent),
      m_id(AddField(TFieldType::Integer, QStringLiteral("Id"), -1, true, QStringLiteral("Id"))),
      m_title(AddField(TFieldType::String, QStringLiteral("Title"), 255, true, QStringLiteral("标题")))
{
}

void TRepSet::OpenGroup(int groupId)
{
    Query(QStringLiteral("select Id,Title from report where GrpId=:GroupId order by Title"),
          {DBParam(QStringLiteral("GroupId"), groupId)});
}
