#include "qt_interaction.h"

#include "support/http_client.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QUrl>

namespace {

struct TButtonText
{
    TMsgButton Button;
    QMessageBox::StandardButton Standard;
    const char16_t *Text;
};

// The button row of our message boxes, in the order they appear.
const TButtonText ButtonTexts[] = {
    {TMsgButton::Ok, QMessageBox::Ok, u"确定"},
    {TMsgButton::Yes, QMessageBox::Yes, u"是(&Y)"},
    {TMsgButton::No, QMessageBox::No, u"否(&N)"},
    {TMsgButton::Retry, QMessageBox::Retry, u"重试(&R)"},
    {TMsgButton::Abort, QMessageBox::Abort, u"中止(&A)"},
    {TMsgButton::Ignore, QMessageBox::Ignore, u"忽略(&I)"},
    {TMsgButton::Cancel, QMessageBox::Cancel, u"取消"},
};

QMessageBox::Icon IconOf(TMsgKind kind)
{
    switch (kind) {
    case TMsgKind::Warning:
        return QMessageBox::Warning;
    case TMsgKind::Question:
        return QMessageBox::Question;
    case TMsgKind::Error:
        return QMessageBox::Critical;
    case TMsgKind::Information:
        break;
    }
    return QMessageBox::Information;
}

// Our texts carry Windows line breaks; a lone CR would show as nothing or as a box.
QString DisplayText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QWidget *DialogParent()
{
    return QApplication::activeWindow();
}

} // namespace

TMsgButton TQtInteraction::MessageBox(const TMessageRequest &request)
{
    QMessageBox box(IconOf(request.Kind), request.Caption, DisplayText(request.Text), QMessageBox::NoButton,
                    DialogParent());
    box.setTextFormat(Qt::PlainText);
    const int buttons = request.Buttons ? request.Buttons : int(TMsgButton::Ok);
    for (const TButtonText &entry : ButtonTexts) {
        if (!(buttons & int(entry.Button)))
            continue;
        QPushButton *button = box.addButton(entry.Standard);
        button->setText(QString::fromUtf16(entry.Text));
        if (entry.Button == request.DefaultButton)
            box.setDefaultButton(button);
    }
    // Esc answers "取消", else "否"; a box with one button lets Esc press it.
    if (buttons & int(TMsgButton::Cancel))
        box.setEscapeButton(QMessageBox::Cancel);
    else if (buttons & int(TMsgButton::No))
        box.setEscapeButton(QMessageBox::No);
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    for (const TButtonText &entry : ButtonTexts) {
        if (entry.Standard == clicked)
            return entry.Button;
    }
    return buttons & int(TMsgButton::Cancel) ? TMsgButton::Cancel : request.DefaultButton;
}

bool TQtInteraction::InputBox(const QString &caption, const QString &prompt, QString &value)
{
    QInputDialog dialog(DialogParent());
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(value);
    dialog.setOkButtonText(QStringLiteral("确定"));
    dialog.setCancelButtonText(QStringLiteral("取消"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    value = dialog.textValue();
    return true;
}

QString TQtInteraction::OpenFileName(const QString &caption, const QString &dir, const QString &filter)
{
    return QFileDialog::getOpenFileName(DialogParent(), caption, dir, FileDialogFilter(filter));
}

QString TQtInteraction::SaveFileName(const QString &caption, const QString &dir, const QString &filter)
{
    return QFileDialog::getSaveFileName(DialogParent(), caption, dir, FileDialogFilter(filter));
}

QString TQtInteraction::ChooseFolder(const QString &caption, const QString &dir)
{
    return QFileDialog::getExistingDirectory(DialogParent(), caption, dir);
}

int TQtInteraction::ExecDialog(QWidget *dialog)
{
    auto *modal = qobject_cast<QDialog *>(dialog);
    return modal ? modal->exec() : QDialog::Rejected;
}

bool TQtInteraction::OpenDocument(const QString &pathOrUrl)
{
    // An address has a scheme of two letters or more; anything else is a file or folder.
    const QUrl url(pathOrUrl, QUrl::StrictMode);
    const bool isAddress = url.isValid() && url.scheme().size() > 1;
    return QDesktopServices::openUrl(isAddress ? url : QUrl::fromLocalFile(pathOrUrl));
}

bool TQtInteraction::StartProgram(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

THttpReply TQtInteraction::HttpGet(const QString &url)
{
    return Http::Get(url);
}

THttpReply TQtInteraction::HttpPost(const QString &url, const QList<QPair<QString, QString>> &fields)
{
    return Http::PostForm(url, fields);
}

QDateTime TQtInteraction::Now()
{
    return QDateTime::currentDateTime();
}

QString TQtInteraction::FileDialogFilter(const QString &filter)
{
    if (!filter.contains(QLatin1Char('|')))
        return filter;
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString &pattern : patterns) {
            pattern = pattern.trimmed();
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
        }
        filters.append(QStringLiteral("%1 (%2)").arg(parts.at(i).trimmed(), patterns.join(QLatin1Char(' '))));
    }
    return filters.join(QStringLiteral(";;"));
}
