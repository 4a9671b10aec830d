#pragma once
// The shared module created before the main window: the picture list of tool bars, menus and trees, the
// banner, and the application's error handler.

#include <exception>
#include <QIcon>
#include <QObject>
#include <QPixmap>

class TPubFrm : public QObject
{
    Q_OBJECT

public:
    // The pictures of the list, by use.
    enum TImage : int
    {
        imgHelp,
        imgAdd,
        imgReduce,
        imgChange,
        imgRepair,
        imgDepreciation,
        imgFind,
        imgPrint,
        imgExport,
        imgExit,
        imgBrowseRoot,
        imgCategory,
        imgLeaf,
        ImageCount
    };

    // Installs the application's error handler for as long as the module lives.
    explicit TPubFrm(QObject *parent = nullptr);
    ~TPubFrm() override;

    // A picture of the list; works without a module too (the pictures are drawn once per process).
    static QIcon Image(TImage image);
    // The band under the tool bar and on top of the login: the product title on a blue wave, width × height.
    static QPixmap Banner(const QSize &size, const QString &title);

    // Where an error that ended a user action goes: a plain error box for now; the error report joins it.
    void ApplicationEvents1Exception(const std::exception &error);
};
