#pragma once

#include <QObject>
#include <QPointer>

class QScreen;
class QWidget;
class myQQuickView;

// Prepares the frameless window, creates the controller view in it and lets
// the UI move, minimise and hide the window ("ui_Ctl").
class Ui_Controler : public QObject {
    Q_OBJECT
public:
    explicit Ui_Controler(QObject *parent = nullptr);

    // Window set-up; `transport` becomes the UI's "hid", `autoProfile` its
    // "autoProfile".
    void setupUi(QWidget *window, QObject *transport, QObject *autoProfile = nullptr);

    QWidget *widget = nullptr;
    myQQuickView *view = nullptr;

    // Scales the window's content down uniformly where the screen's free
    // area is smaller than the designed layout, and places it there.
    void fitToScreen(QScreen *screen);

public slots:
    // Hands the window's move to the window system (the only way on
    // Wayland); false where it does not take it, and onXChanged/onYChanged
    // move the window instead.
    bool startSystemMove();
    void onMinimize();
    void onClose();
    void onXChanged(int x);
    void onYChanged(int y);
    void setBusy(int busyTime = 0);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void noteFirstFrame();

    // The root made without its pages, until they are asked for.
    QPointer<QObject> m_pagesRoot;
};
