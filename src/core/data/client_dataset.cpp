#include "client_dataset.h"

TQzClientDataSet::TQzClientDataSet(QObject *parent) : QObject(parent), m_dataSet(new TDataSet(this)) {}

TQzClientDataSet::~TQzClientDataSet()
{
    m_dataSet->Close();
}

TField *TQzClientDataSet::AddField(TFieldType type, const QString &name, bool visible, const QString &label)
{
    return AddFieldDef(type, name, 0, visible, label);
}

TField *TQzClientDataSet::AddFieldDef(TFieldType type, const QString &name, int size, bool visible,
                                      const QString &label)
{
    TField *field = m_dataSet->AddField(name, type, size);
    field->SetVisible(visible);
    field->SetDisplayLabel(label);
    return field;
}

TField *TQzClientDataSet::AddField(std::unique_ptr<TField> field)
{
    return m_dataSet->AddField(std::move(field));
}

void TQzClientDataSet::CreateDataSet()
{
    m_dataSet->Close();
    m_dataSet->Open();
}
