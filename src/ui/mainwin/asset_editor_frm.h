#pragma once
// The asset editor: the modal dialog in which one asset is entered or changed. It offers the pick lists,
// shows the custom captions and computes the two amounts on entering their boxes; the values, conversions
// and checks are those of TAssetEditor.

#include "assets/asset_editor.h"
#include "forms/a_dlg_frm.h"

#include <memory>
#include <QHash>

namespace Ui {
class TAssetEditorFrm;
}

class TAssetEditorFrm : public TADlgFrm, public TAssetEditor
{
    Q_OBJECT

public:
    // Reads the pick lists and the custom captions, selects "关闭" in "确定后" and resets the boxes. Throws
    // EDatabaseError when the pick lists cannot be read.
    explicit TAssetEditorFrm(QWidget *parent = nullptr);
    ~TAssetEditorFrm() override;

    void SetTitle(const QString &title) override;
    void SetAfterOkVisible(bool visible) override;
    void SetMethodItems(const QStringList &items) override;
    QStringList MethodItems() const override;
    int AfterOk() const override;
    // Runs the dialog through the interaction layer.
    bool Execute() override;

    QString BoxText(const QString &property) const override;
    void SetBoxText(const QString &property, const QString &text) override;
    int MethodIndex() const override;
    void SetMethodIndex(int index) override;

    // The box of a value property ("Code" gives edtCode1); nullptr for any other name.
    QWidget *Box(const QString &property) const;

protected:
    // The checks of TAssetEditor: each message in the information box, the focus on the box of the first.
    bool CanCloseOk() override;

private:
    void FormCreate();
    void LoadPickLists();
    void edtOriginValue1Enter();
    void edtEndValue1Enter();

    std::unique_ptr<Ui::TAssetEditorFrm> ui;
    QHash<QString, QWidget *> m_boxes;
};
