#include "grid_footer.h"

#include "data/dataset.h"
#include "data/money.h"

QString FooterSumText(const TDataSet *dataSet, const QString &fieldName)
{
    if (!dataSet || !dataSet->Active())
        return QString();
    const TField *field = dataSet->FindField(fieldName);
    if (!field || !field->IsNumeric())
        return QString();
    const int index = field->Index();
    const int rows = dataSet->RecordCount();
    if (field->DataType() == TFieldType::Integer) {
        qint64 sum = 0;
        for (int row = 0; row < rows; ++row)
            sum += dataSet->RowValue(row, index).toLongLong();
        return field->FormatValue(sum);
    }
    if (field->DataType() == TFieldType::Currency) {
        // Money adds up exactly in ten-thousandths, so a long column does not drift by a cent.
        TMoney sum;
        for (int row = 0; row < rows; ++row) {
            const QVariant value = dataSet->RowValue(row, index);
            if (value.isValid())
                sum += TMoney::FromDouble(value.toDouble());
        }
        return field->FormatValue(sum.ToDouble());
    }
    double sum = 0;
    for (int row = 0; row < rows; ++row)
        sum += dataSet->RowValue(row, index).toDouble();
    return field->FormatValue(sum);
}
