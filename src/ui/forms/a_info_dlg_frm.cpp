#include "a_info_dlg_frm.h"

#include "dialog_frame.h"
#include "support/action.h"

#include <QKeyEvent>
#include <QPushButton>

TAInfoDlgFrm::TAInfoDlgFrm(QWidget *parent)
    : TaFrm(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_frame(std::make_unique<TDialogFrame>(this))
{
    setModal(true);
    setSizeGripEnabled(false);
    CloseBtn1 = m_frame->AddButton(QStringLiteral("CloseBtn1"), QStringLiteral("关闭"));
    HelpBtn1 = m_frame->AddButton(QStringLiteral("HelpBtn1"), QStringLiteral("帮助"));
    connect(CloseBtn1, &QPushButton::clicked, this, [this] { RunAction([this] { CloseBtn1Click(); }); });
    connect(HelpBtn1, &QPushButton::clicked, this, [this] { RunAction([this] { HelpBtn1Click(); }); });
}

TAInfoDlgFrm::~TAInfoDlgFrm() = default;

QWidget *TAInfoDlgFrm::ClientArea()
{
    return m_frame->ClientArea();
}

void TAInfoDlgFrm::CloseBtn1Click()
{
    reject();
}

void TAInfoDlgFrm::HelpBtn1Click()
{
    ShowHelp();
}

void TAInfoDlgFrm::showEvent(QShowEvent *event)
{
    if (!m_shown) {
        m_shown = true;
        m_frame->ArrangeTabOrder();
        setFixedSize(size().expandedTo(minimumSizeHint()));
    }
    TaFrm::showEvent(event);
}

void TAInfoDlgFrm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (CloseBtn1->isEnabled())
            CloseBtn1->click();
        else
            reject();
        return;
    }
    TaFrm::keyPressEvent(event);
}
