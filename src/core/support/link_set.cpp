#include "link_set.h"

TLinkSet::TLinkSet(QObject *parent)
    : TRecordSet(parent), m_id(AddField(TFieldType::Integer, QStringLiteral("Id"), -1, false)),
      m_groupId(AddField(TFieldType::Integer, QStringLiteral("GroupId"), -1, false)),
      m_title(AddField(TFieldType::String, QStringLiteral("Title"), 255, true, QStringLiteral("标题"))),
      m_file(AddField(TFieldType::String, QStringLiteral("lpFile"), 255, true, QStringLiteral("文件"))),
      m_parameters(
          AddField(TFieldType::String, QStringLiteral("lpParameters"), 255, true, QStringLiteral("参数"))),
      m_note(AddField(TFieldType::String, QStringLiteral("Note"), 255, true, QStringLiteral("说明")))
{
    Query(QStringLiteral("select Id,GroupId,Title,lpFile,lpParameters,Note from link order by Id"));
}
