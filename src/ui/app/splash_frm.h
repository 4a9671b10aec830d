#pragma once
// The splash window of the start-up: a picture and one status line, repainted while no event loop runs.

#include <QPixmap>
#include <QWidget>

class QLabel;

class TSplashFrm : public QWidget
{
    Q_OBJECT

public:
    explicit TSplashFrm(QWidget *parent = nullptr);

    // A text replaces the status line; an empty text appends one ".". Repaints at once.
    void ShowStatus(const QString &text);
    QString Status() const;

    // "splash.jpg" beside the program when it can be read, else the built-in picture.
    static QPixmap SplashPicture();
    static QPixmap BuiltInPicture();

private:
    QLabel *imgSplash1;
    QLabel *lblStatus1;
};
