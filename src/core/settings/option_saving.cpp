#include "option_saving.h"

#include "custom_labels.h"
#include "data/database.h"
#include "options.h"
#include "support/edit_rules.h"
#include "support/interaction.h"
#include "support/messages.h"

#include <QCoreApplication>

namespace {

std::function<void()> &ProgramCloser()
{
    static std::function<void()> closer;
    return closer;
}

} // namespace

QString PickListText(const QString &editorText)
{
    return MemoText(editorText);
}

void SaveOptionEdits(const QStringList &labels, TOptions &lists)
{
    TCustomFieldLabels &current = CustomFieldLabels();
    const QStringList before = current.Labels();
    try {
        // Labels and lists go together: a failing statement leaves neither half stored, so the user can
        // press OK again or cancel without a mix of old and new settings in the database.
        TTransaction transaction(GlobalDatabase());
        current.Save(labels);
        lists.SaveLists();
        transaction.Commit();
    } catch (...) {
        for (int i = 0; i < TCustomFieldLabels::Count; ++i)
            current.SetLabel(i, before.at(i));
        throw;
    }
}

void AnnounceRestart()
{
    TMessageRequest request;
    request.Kind = TMsgKind::Warning;
    request.Caption = WarningCaption;
    request.Text = RestartNotice;
    request.Buttons = int(TMsgButton::Ok);
    request.DefaultButton = TMsgButton::Ok;
    Interaction().MessageBox(request);
    RestartProgram();
}

bool RestartProgram()
{
    // The new process starts while this one is still closing; it keeps the arguments (--profile among them)
    // so it opens the same configuration and database.
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (!Interaction().StartProgram(QCoreApplication::applicationFilePath(), arguments)) {
        ShowInfo(RestartFailedNotice);
        return false;
    }
    if (const std::function<void()> &closer = ProgramCloser())
        closer();
    else
        QCoreApplication::quit();
    return true;
}

void SetProgramCloser(std::function<void()> closer)
{
    ProgramCloser() = std::move(closer);
}
