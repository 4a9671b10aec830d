#include "options_asset_label_fra.h"

#include "ui_options_asset_label_fra.h"

#include "settings/custom_labels.h"

TOptionsAssetLabelFra::TOptionsAssetLabelFra(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::TOptionsAssetLabelFra>())
{
    ui->setupUi(this);
    m_edits = {ui->edtStr1,   ui->edtStr2,   ui->edtStr3,   ui->edtStr4,  ui->edtStr5,  ui->edtStr6,
               ui->edtFloat1, ui->edtFloat2, ui->edtFloat3, ui->edtDate1, ui->edtDate2, ui->edtDate3};
    SetLabels(CustomFieldLabels().Labels());
}

TOptionsAssetLabelFra::~TOptionsAssetLabelFra() = default;

QStringList TOptionsAssetLabelFra::Labels() const
{
    QStringList labels;
    for (const TqzEdit *edit : m_edits)
        labels.append(edit->text());
    return labels;
}

void TOptionsAssetLabelFra::SetLabels(const QStringList &labels)
{
    for (int i = 0; i < m_edits.size(); ++i)
        m_edits.at(i)->setText(labels.value(i));
}

TqzEdit *TOptionsAssetLabelFra::Edit(int index) const
{
    return m_edits.value(index);
}
