#pragma once
// A small asset list for the grid and export tests: Code, Name, Price (money), Qty, a hidden Note, a
// memo, a picture and a calculated Total.

#include "data/client_dataset.h"

#include <QDate>

struct TAssetTableFixture
{
    TQzClientDataSet table;
    TDataSet *ds = table.DataSet();

    TAssetTableFixture()
    {
        table.AddFieldDef(TFieldType::String, QStringLiteral("Code"), 10, true, QStringLiteral("编码"));
        table.AddFieldDef(TFieldType::String, QStringLiteral("Name"), 30, true, QStringLiteral("名称"));
        table.AddField(TFieldType::Currency, QStringLiteral("Price"), true, QStringLiteral("原值"));
        table.AddField(TFieldType::Integer, QStringLiteral("Qty"), true, QStringLiteral("数量"));
        table.AddField(TFieldType::DateTime, QStringLiteral("BuyDate"), true, QStringLiteral("购置日期"));
        table.AddFieldDef(TFieldType::String, QStringLiteral("Note"), 20, false, QStringLiteral("备注"));
        table.AddField(TFieldType::Memo, QStringLiteral("Config"), true, QStringLiteral("配置"));
        table.AddField(TFieldType::Blob, QStringLiteral("Photo"), true, QStringLiteral("图片"));
        ds->AddField(QStringLiteral("Total"), TFieldType::Currency, 0, TFieldKind::Calculated)
            ->SetDisplayLabel(QStringLiteral("金额"));
        ds->SetOnCalcFields([](TDataSet &d) {
            d.FieldByName(QStringLiteral("Total"))
                ->SetAsFloat(d.FieldByName(QStringLiteral("Qty"))->AsInteger() *
                             d.FieldByName(QStringLiteral("Price"))->AsFloat());
        });
        table.CreateDataSet();
    }

    void Add(const QString &code, const QString &name, double price, const QVariant &qty,
             const QDate &day = QDate())
    {
        ds->Append();
        ds->FieldByName(QStringLiteral("Code"))->SetAsString(code);
        ds->FieldByName(QStringLiteral("Name"))->SetAsString(name);
        ds->FieldByName(QStringLiteral("Price"))->SetAsFloat(price);
        ds->FieldByName(QStringLiteral("Qty"))->SetValue(qty);
        ds->FieldByName(QStringLiteral("BuyDate"))->SetValue(day.isValid() ? QVariant(day) : QVariant());
        ds->Post();
    }

    // Three rows, the first two of the same name.
    void Fill()
    {
        Add(QStringLiteral("0101"), QStringLiteral("电脑"), 4500.5, 2, QDate(2008, 3, 5));
        Add(QStringLiteral("0103"), QStringLiteral("电脑"), 6000, 1);
        Add(QStringLiteral("0102"), QStringLiteral("打印机 <A4>"), 1200.25, QVariant(), QDate(2007, 1, 1));
    }

    // The values of a field from the first row to the last.
    QStringList Column(const QString &field)
    {
        QStringList values;
        for (ds->First(); !ds->Eof(); ds->Next())
            values.append(ds->FieldByName(field)->AsString());
        return values;
    }
};
