#include "options.h"

#include "support/errors.h"

TOptions::TOptions(QObject *parent)
    : TRecordSet(parent),
      m_key(AddField(TFieldType::Integer, QStringLiteral("Key"), -1, true, QStringLiteral("Key"))),
      m_list(AddField(TFieldType::Memo, QStringLiteral("List"), -1, true, QStringLiteral("List")))
{
    Query(QStringLiteral("select * from options order by [Key]"));
}

void TOptions::MoveToPosition(int position) const
{
    TDataSet *data = DataSet();
    if (!data->Active())
        throw EDatabaseError(QStringLiteral("不能对已关闭的数据集进行操作"));
    if (position < 0 || position >= data->RecordCount())
        throw EDatabaseError(QStringLiteral("下拉选择项目不存在: 表 options 中没有第 %1 行(共 %2 行)")
                                 .arg(position + 1)
                                 .arg(data->RecordCount()));
    data->SetRecNo(position + 1);
}

QString TOptions::List(int position) const
{
    MoveToPosition(position);
    return m_list->AsString();
}

void TOptions::SetList(int position, const QString &text)
{
    MoveToPosition(position);
    TDataSet *data = DataSet();
    data->Edit();
    m_list->SetAsString(text);
    data->Post();
}

void TOptions::SaveLists()
{
    TDataSet *data = DataSet();
    if (!data->Active())
        return;
    data->CheckBrowseMode();
    const QString sql = QStringLiteral("update options set List=:List where [Key]=:Id");
    for (int i = 0; i < data->RecordCount(); ++i) {
        // an empty list is written as an empty text, never as null
        QString list = data->RowValue(i, m_list->Index()).toString();
        if (list.isNull())
            list = QStringLiteral("");
        GlobalDatabase().Execute(sql,
                                 {DBParam(QStringLiteral("List"), list), DBParam(QStringLiteral("Id"), i)});
    }
}

TRovoOptions::TRovoOptions(QObject *parent) : TOptions(parent) {}

QStringList TRovoOptions::Entries(const QString &listText)
{
    if (listText.isEmpty())
        return {};
    QString text = listText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(QLatin1Char('\n'));
    // a final line break ends the last entry rather than starting an empty one
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}
