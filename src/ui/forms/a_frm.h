#pragma once
// Root of the program's windows: F1 anywhere in the window opens the window's page of the help.

#include <QDialog>

class TaFrm : public QDialog
{
    Q_OBJECT

public:
    explicit TaFrm(QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    // Opens the help page of topic and returns at once, reporting nothing when the viewer cannot start. An
    // empty topic is the window's objectName without its last three characters ("AssetEditorFrm" gives
    // "AssetEditor").
    virtual void ShowHelp(const QString &topic = QString());

protected:
    // Where a subclass puts its own controls: the whole window here, the area above the button row in the
    // dialogs. A subclass may give it a layout of its own.
    virtual QWidget *ClientArea() { return this; }

    // Builds the window's controls from a Designer form whose root is a QWidget named after the window
    // ("OperatorEditorFrm"): the controls land in ClientArea(), and the form's name, title and size become
    // the window's.
    template <class TUi> void SetupUi(TUi &ui)
    {
        ui.setupUi(ClientArea());
        AdoptClientArea();
    }

    // The window sees every key before its controls do; F1 opens the help.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void AdoptClientArea();
};
