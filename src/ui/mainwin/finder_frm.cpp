#include "finder_frm.h"

#include "assets/asset_where.h"
#include "forms/field_binder.h"
#include "settings/custom_labels.h"
#include "settings/options.h"
#include "support/action.h"
#include "ui_finder_frm.h"

#include <QPushButton>

TFinderFrm::TFinderFrm(QWidget *parent)
    : TADlgFrm(parent), ui(std::make_unique<Ui::FinderFrm>()), m_binder(new TFieldBinder(this))
{
    SetupUi(*ui);
    ResetBtn1 = AddButton(QStringLiteral("ResetBtn1"), QStringLiteral("重置"));
    connect(ResetBtn1, &QPushButton::clicked, this, [this] { RunAction([this] { ResetBtn1Click(); }); });
    FormCreate();
}

TFinderFrm::~TFinderFrm() = default;

void TFinderFrm::FormCreate()
{
    QLabel *const captions[TCustomFieldLabels::Count] = {
        ui->lblStr1,   ui->lblStr2,   ui->lblStr3,   ui->lblStr4,  ui->lblStr5,  ui->lblStr6,
        ui->lblFloat1, ui->lblFloat2, ui->lblFloat3, ui->lblDate1, ui->lblDate2, ui->lblDate3};
    for (int i = 0; i < TCustomFieldLabels::Count; ++i)
        captions[i]->setText(CustomFieldLabels().Label(i));

    const TRovoOptions options;
    const std::pair<QComboBox *, QString> lists[] = {
        {ui->cmbAssetKind1, options.AssetKind()},   {ui->cmbAssetName1, options.AssetName()},
        {ui->cmbUseDept1, options.UseDept()},       {ui->cmbUseState1, options.UseState()},
        {ui->cmbDepositary1, options.Depositary()}, {ui->cmbLayPlace1, options.LayPlace()}};
    for (const auto &[combo, list] : lists) {
        combo->clear();
        combo->addItems(TRovoOptions::Entries(list));
        combo->setCurrentText(QString());
    }
}

void TFinderFrm::SetWhere(TAssetWhere *where)
{
    m_where = where;
    using TConditionField = TField *(TAssetWhere::*)() const;
    const std::pair<QWidget *, TConditionField> boxes[] = {
        {ui->cmbAssetKind1, &TAssetWhere::AssetKindFld},
        {ui->edtAssetCode1, &TAssetWhere::AssetCodeFld},
        {ui->cmbAssetName1, &TAssetWhere::AssetNameFld},
        {ui->edtPartNo1, &TAssetWhere::PartNoFld},
        {ui->edtGBCode1, &TAssetWhere::GBCodeFld},
        {ui->edtFactory1, &TAssetWhere::FactoryFld},
        {ui->cmbUseDept1, &TAssetWhere::UseDeptFld},
        {ui->cmbUseState1, &TAssetWhere::UseStateFld},
        {ui->cmbDepositary1, &TAssetWhere::DepositaryFld},
        {ui->cmbLayPlace1, &TAssetWhere::LayPlaceFld},
        {ui->dtpAccountDate11, &TAssetWhere::AccountDate1Fld},
        {ui->dtpAccountDate21, &TAssetWhere::AccountDate2Fld},
        {ui->edtOriginValue11, &TAssetWhere::OriginValue1Fld},
        {ui->edtOriginValue21, &TAssetWhere::OriginValue2Fld},
        {ui->edtEndValue11, &TAssetWhere::EndValue1Fld},
        {ui->edtEndValue21, &TAssetWhere::EndValue2Fld},
        {ui->edtUseYears11, &TAssetWhere::UseYears1Fld},
        {ui->edtUseYears21, &TAssetWhere::UseYears2Fld},
        {ui->edtYearR1, &TAssetWhere::YearRFld},
        {ui->edtMonthR1, &TAssetWhere::MonthRFld},
        {ui->edtStr11, &TAssetWhere::Str1Fld},
        {ui->edtStr21, &TAssetWhere::Str2Fld},
        {ui->edtStr31, &TAssetWhere::Str3Fld},
        {ui->edtStr41, &TAssetWhere::Str4Fld},
        {ui->edtStr51, &TAssetWhere::Str5Fld},
        {ui->edtStr61, &TAssetWhere::Str6Fld},
        {ui->edtFloat111, &TAssetWhere::Float11Fld},
        {ui->edtFloat121, &TAssetWhere::Float12Fld},
        {ui->edtFloat211, &TAssetWhere::Float21Fld},
        {ui->edtFloat221, &TAssetWhere::Float22Fld},
        {ui->edtFloat311, &TAssetWhere::Float31Fld},
        {ui->edtFloat321, &TAssetWhere::Float32Fld},
        {ui->edtDate111, &TAssetWhere::Date11Fld},
        {ui->edtDate121, &TAssetWhere::Date12Fld},
        {ui->edtDate211, &TAssetWhere::Date21Fld},
        {ui->edtDate221, &TAssetWhere::Date22Fld},
        {ui->edtDate311, &TAssetWhere::Date31Fld},
        {ui->edtDate321, &TAssetWhere::Date32Fld},
        {ui->chkChanged1, &TAssetWhere::ChangedFld},
        {ui->chkRepaired1, &TAssetWhere::RepairedFld}};
    for (const auto &[box, field] : boxes)
        m_binder->Bind(box, where ? (where->*field)() : nullptr);
}

void TFinderFrm::ResetBtn1Click()
{
    if (m_where)
        m_where->Clear();
}

bool TFinderFrm::CanCloseOk()
{
    return m_binder->UpdateRecord();
}
