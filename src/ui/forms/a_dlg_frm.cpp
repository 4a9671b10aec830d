#include "a_dlg_frm.h"

#include "dialog_frame.h"
#include "support/action.h"
#include "support/errors.h"
#include "support/messages.h"

#include <QKeyEvent>
#include <QPushButton>

TADlgFrm::TADlgFrm(QWidget *parent)
    : TaFrm(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_frame(std::make_unique<TDialogFrame>(this))
{
    setModal(true);
    setSizeGripEnabled(false);
    OkBtn1 = m_frame->AddButton(QStringLiteral("OkBtn1"), QStringLiteral("确定(&O)"));
    CancelBtn1 = m_frame->AddButton(QStringLiteral("CancelBtn1"), QStringLiteral("取消"));
    HelpBtn1 = m_frame->AddButton(QStringLiteral("HelpBtn1"), QStringLiteral("帮助"));
    connect(OkBtn1, &QPushButton::clicked, this, [this] { RunAction([this] { OkBtn1Click(); }); });
    connect(CancelBtn1, &QPushButton::clicked, this, [this] { RunAction([this] { CancelBtn1Click(); }); });
    connect(HelpBtn1, &QPushButton::clicked, this, [this] { RunAction([this] { HelpBtn1Click(); }); });
}

TADlgFrm::~TADlgFrm() = default;

QWidget *TADlgFrm::ClientArea()
{
    return m_frame->ClientArea();
}

void TADlgFrm::done(int result)
{
    if (result == Accepted) {
        bool canClose = false;
        try {
            canClose = CanCloseOk();
        } catch (const EAbort &) {
        } catch (const Exception &error) {
            ShowInfo(error.Message());
        } catch (const std::exception &error) {
            HandleError(error);
        }
        if (!canClose)
            return;
    }
    TaFrm::done(result);
}

void TADlgFrm::OkBtn1Click()
{
    accept();
}

void TADlgFrm::CancelBtn1Click()
{
    reject();
}

void TADlgFrm::HelpBtn1Click()
{
    ShowHelp();
}

QPushButton *TADlgFrm::AddButton(const QString &objectName, const QString &caption)
{
    return m_frame->AddButton(objectName, caption);
}

void TADlgFrm::showEvent(QShowEvent *event)
{
    if (!m_shown) {
        m_shown = true;
        m_frame->ArrangeTabOrder();
        // A fixed border: the size the form was designed with, grown where the controls need more.
        setFixedSize(size().expandedTo(minimumSizeHint()));
    }
    TaFrm::showEvent(event);
}

void TADlgFrm::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Escape && modifiers == Qt::NoModifier) {
        if (CancelBtn1->isEnabled())
            CancelBtn1->click();
        else
            reject();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        modifiers == Qt::ControlModifier) {
        if (OkBtn1->isVisible() && OkBtn1->isEnabled())
            OkBtn1->click();
        return;
    }
    TaFrm::keyPressEvent(event);
}
