#include "asset_editor_frm.h"

#include "ui_asset_editor_frm.h"

#include "settings/custom_labels.h"
#include "settings/options.h"
#include "support/action.h"
#include "support/interaction.h"
#include "support/messages.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QStyle>

namespace {

// The box of each value property.
const char *const BoxNames[][2] = {{"ClassId", "cmbClassId1"},
                                   {"Code", "edtCode1"},
                                   {"AssetName", "cmbAssetName1"},
                                   {"PartNo", "edtPartNo1"},
                                   {"GBCode", "edtGBCode1"},
                                   {"Factory", "edtFactory1"},
                                   {"BuildDate", "edtBuildDate1"},
                                   {"AssetUnit", "cmbAssetUnit1"},
                                   {"Config", "edtConfig1"},
                                   {"UseState", "cmbUseState1"},
                                   {"UseDept", "cmbUseDept1"},
                                   {"Depositary", "cmbDepositary1"},
                                   {"LayPlace", "cmbLayPlace1"},
                                   {"AddKind", "cmbAddKind1"},
                                   {"AccountDate", "edtAccountDate1"},
                                   {"UseYears", "edtUseYears1"},
                                   {"OriginValue", "edtOriginValue1"},
                                   {"EndValueRate", "edtEndValueRate1"},
                                   {"EndValue", "edtEndValue1"},
                                   {"MethodId", "cmbMethod1"},
                                   {"Qty", "edtQty1"},
                                   {"Price", "edtPrice1"},
                                   {"AssetNote", "edtAssetNote1"},
                                   {"Str1", "edtStr1"},
                                   {"Str2", "edtStr2"},
                                   {"Str3", "edtStr3"},
                                   {"Str4", "edtStr4"},
                                   {"Str5", "edtStr5"},
                                   {"Str6", "edtStr6"},
                                   {"Float1", "edtFloat1"},
                                   {"Float2", "edtFloat2"},
                                   {"Float3", "edtFloat3"},
                                   {"Date1", "edtDate1"},
                                   {"Date2", "edtDate2"},
                                   {"Date3", "edtDate3"}};

// Runs an action when a box is entered by the keyboard, the mouse or the program, but not when the window
// merely becomes active again or a context menu closes: the box was entered before and a typed amount stays.
class TEnterWatcher : public QObject
{
public:
    TEnterWatcher(QWidget *box, std::function<void()> onEnter) : QObject(box), m_onEnter(std::move(onEnter))
    {
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn) {
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                RunAction(m_onEnter);
        }
        return false;
    }

private:
    std::function<void()> m_onEnter;
};

} // namespace

TAssetEditorFrm::TAssetEditorFrm(QWidget *parent)
    : TADlgFrm(parent), ui(std::make_unique<Ui::TAssetEditorFrm>())
{
    SetupUi(*ui);
    FormCreate();
}

TAssetEditorFrm::~TAssetEditorFrm() = default;

void TAssetEditorFrm::FormCreate()
{
    // The boxes take any length: a text longer than its column is refused by the database when saved, with
    // the dialog shown again, and a stored value is never cut short by showing it.
    for (const auto &[property, objectName] : BoxNames) {
        QWidget *box = findChild<QWidget *>(QString::fromLatin1(objectName));
        Q_ASSERT(box);
        m_boxes.insert(QString::fromLatin1(property), box);
    }

    // The header band: a light band with a picture and the title in large letters.
    ui->pnlTitle1->setStyleSheet(QStringLiteral(
        "#pnlTitle1 { border: none; border-bottom: 1px solid #9fb6d3;"
        " background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #dbe7f5, stop:1 #ffffff); }"
        "#pnlTitle1 QLabel { background: transparent; }"));
    ui->Image1->setPixmap(
        style()->standardIcon(QStyle::SP_FileDialogDetailedView, nullptr, this).pixmap(32, 32));
    QFont titleFont = ui->LblTitle1->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    ui->LblTitle1->setFont(titleFont);
    ui->LblTitle1->setStyleSheet(QStringLiteral("color: #1f3f6f;"));

    // The captions of the custom boxes are the user's labels.
    const QList<QLabel *> customLabels{ui->lblStr1,   ui->lblStr2,  ui->lblStr3,   ui->lblStr4,
                                       ui->lblStr5,   ui->lblStr6,  ui->lblFloat1, ui->lblFloat2,
                                       ui->lblFloat3, ui->lblDate1, ui->lblDate2,  ui->lblDate3};
    for (int i = 0; i < customLabels.size(); ++i)
        customLabels.at(i)->setText(CustomFieldLabels().Label(i));

    LoadPickLists();

    new TEnterWatcher(ui->edtOriginValue1, [this] { edtOriginValue1Enter(); });
    new TEnterWatcher(ui->edtEndValue1, [this] { edtEndValue1Enter(); });

    ui->cmbAfterOk1->setCurrentIndex(AfterOkClose);
    Reset();
}

void TAssetEditorFrm::LoadPickLists()
{
    const TRovoOptions options;
    const QList<QPair<QComboBox *, QString>> lists{
        {ui->cmbClassId1, options.AssetKind()},   {ui->cmbAssetName1, options.AssetName()},
        {ui->cmbAssetUnit1, options.AssetUnit()}, {ui->cmbUseState1, options.UseState()},
        {ui->cmbUseDept1, options.UseDept()},     {ui->cmbDepositary1, options.Depositary()},
        {ui->cmbLayPlace1, options.LayPlace()},   {ui->cmbAddKind1, options.AddKind()}};
    for (const auto &[combo, list] : lists) {
        combo->clear();
        combo->addItems(TRovoOptions::Entries(list));
    }
}

void TAssetEditorFrm::SetTitle(const QString &title)
{
    setWindowTitle(title);
    ui->LblTitle1->setText(title);
}

void TAssetEditorFrm::SetAfterOkVisible(bool visible)
{
    ui->lblAfterOk1->setVisible(visible);
    ui->cmbAfterOk1->setVisible(visible);
}

void TAssetEditorFrm::SetMethodItems(const QStringList &items)
{
    ui->cmbMethod1->clear();
    ui->cmbMethod1->addItems(items);
    ui->cmbMethod1->setCurrentIndex(items.isEmpty() ? -1 : 0);
}

QStringList TAssetEditorFrm::MethodItems() const
{
    QStringList items;
    for (int i = 0; i < ui->cmbMethod1->count(); ++i)
        items.append(ui->cmbMethod1->itemText(i));
    return items;
}

int TAssetEditorFrm::AfterOk() const
{
    return std::max(ui->cmbAfterOk1->currentIndex(), int(AfterOkClose));
}

bool TAssetEditorFrm::Execute()
{
    return Interaction().ExecDialog(this) == QDialog::Accepted;
}

QWidget *TAssetEditorFrm::Box(const QString &property) const
{
    return m_boxes.value(property);
}

QString TAssetEditorFrm::BoxText(const QString &property) const
{
    QWidget *box = Box(property);
    if (auto *edit = qobject_cast<QLineEdit *>(box))
        return edit->text();
    if (auto *combo = qobject_cast<QComboBox *>(box))
        return combo->currentText();
    return {};
}

void TAssetEditorFrm::SetBoxText(const QString &property, const QString &text)
{
    QWidget *box = Box(property);
    if (auto *edit = qobject_cast<QLineEdit *>(box))
        edit->setText(text);
    else if (auto *combo = qobject_cast<QComboBox *>(box); combo && combo->isEditable()) {
        // the list shows the entry of the text as chosen, and none for a text of its own
        combo->setCurrentIndex(combo->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive));
        combo->setEditText(text);
    }
}

int TAssetEditorFrm::MethodIndex() const
{
    return ui->cmbMethod1->currentIndex();
}

void TAssetEditorFrm::SetMethodIndex(int index)
{
    ui->cmbMethod1->setCurrentIndex(index >= 0 && index < ui->cmbMethod1->count() ? index : -1);
}

bool TAssetEditorFrm::CanCloseOk()
{
    const QList<TAssetEditorProblem> problems = Check();
    for (const TAssetEditorProblem &problem : problems)
        ShowInfo(problem.Message);
    if (problems.isEmpty())
        return true;
    if (QWidget *box = Box(problems.first().Property))
        box->setFocus(Qt::OtherFocusReason);
    return false;
}

void TAssetEditorFrm::edtOriginValue1Enter()
{
    EnterOriginValue();
}

void TAssetEditorFrm::edtEndValue1Enter()
{
    EnterEndValue();
}
