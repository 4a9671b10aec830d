#include "grid_layout_store.h"

#include "data/database.h"
#include "data/record_set.h"

QString LoadLayoutText(int layoutId)
{
    TRecordSet query;
    if (query.Query(QStringLiteral("select F06 from syscols where F02=:KeyId"),
                    {DBParam(QStringLiteral("KeyId"), layoutId)}) == 0)
        return QString();
    return query.DataSet()->Field(0)->AsString();
}

bool SaveLayoutText(int layoutId, const QString &text)
{
    TRecordSet query;
    const int found = query.Query(QStringLiteral("select 1 from syscols where F02=:Id"),
                                  {DBParam(QStringLiteral("Id"), layoutId)});
    int changed;
    if (found == 1) {
        changed = GlobalDatabase().ExecSQL(
            QStringLiteral("update syscols set F06=:Value where F02=:KeyId"),
            {DBParam(QStringLiteral("Value"), text), DBParam(QStringLiteral("KeyId"), layoutId)});
    } else {
        changed = GlobalDatabase().ExecSQL(
            QStringLiteral("insert into syscols (F02,F06) values (:Id, :S)"),
            {DBParam(QStringLiteral("Id"), layoutId), DBParam(QStringLiteral("S"), text)});
    }
    return changed == 1;
}
