#pragma once

#include "device/detectionhost.h"
#include "device/hidthread.h"

#include <QStringList>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

class AutoProfile;
class DeviceChangeMonitor;
class QAction;
class QActionGroup;
class WaitingWindow;
class DeviceDetection;
class Ui_Controler;
class myQQuickView;

// The main window: owns the transport, the detection timer, the tray icon and
// (through Ui_Controler) the controller view. It is brought forward only while
// a mouse is connected and is hidden, never closed, from the UI.
class Widget : public QWidget, public DetectionHost {
    Q_OBJECT
public:
    explicit Widget(QWidget *parent = nullptr);
    ~Widget() override;

    QTimer pollTimer;
    Ui_Controler *uiController = nullptr;
    Hid_Thread hidThread;
    QSystemTrayIcon *trayIcon = nullptr;

    myQQuickView *view() const;
    // Profiles that follow the program in front; the program starts its
    // focus sources on it.
    AutoProfile *autoProfile() const { return m_autoProfile; }
    // A mouse passed the handshake in the last detection pass. Gates every
    // restore of the window.
    bool deviceConnected() const { return m_deviceConnected; }

    // What the global input hooks and the message channel deliver.
    void keyNotice(int usbCode, bool isDown);
    void mouseNotice(int buttonCode, bool isDown, int x, int y);
    // A tagged text from another process. `lpData` holds at least cbData + 1
    // bytes; the warning box shows a UTF-8 text of exactly cbData bytes.
    void taggedMessage(quintptr dwData, quint32 cbData, const char *lpData);

    // Shows the warning box for a tagged text; replaceable for tests.
    std::function<void(const QString &caption, const QString &text)> showWarning;
    // Warnings asked for while a box is open wait, at most this many.
    static constexpr qsizetype kMaxPendingWarnings = 100;

    // Whether the desktop shows tray icons; replaceable for tests.
    std::function<bool()> trayAvailableCheck;
    // The window that waits for a mouse where there is no tray; null until
    // first needed.
    WaitingWindow *waitingWindow() const;

    // DeviceOwner
    void showInfoBalloon(const QString &message) override;
    void setViewEnabled(bool enabled) override;
    void showCurrentDpi(int stage) override;
    void dpiStageSwitched(int stage, const QString &stageText) override;
    void eventInterfaceLost() override;

    // DetectionHost
    void clearHidBusy() override;
    void setDeviceConnected(bool connected) override;
    void hideWindow() override;

public slots:
    void trayIconActivated(QSystemTrayIcon::ActivationReason reason);
    // One detection pass; asked for during a pass, it runs after that pass.
    void checkDevice();
    void exitSYS();
    // The tray's Quit: asks about unsaved changes first, in the window.
    void quitFromTray();
    void receiveMessage(QString message);

protected:
    void customEvent(QEvent *event) override;

private slots:
    void onDeviceChanged();

private:
    void createTrayIcon();
    // The profile entries and the automatic switching entry, as they are now.
    void updateTrayMenu();
    void chooseProfileFromTray(int slot);
    void setUpAutoProfile();
    void requestRestore();
    void loadNoticeTexts();
    void retranslateTray();
    bool trayAvailable() const;
    // What to do without a mouse: a tray notice, or the waiting window.
    void showNoMouseNotice();
    void startUI() override;
    void queueWarning(const QString &text);

    DeviceChangeMonitor *m_deviceChanges = nullptr;
    std::unique_ptr<DeviceDetection> m_detection;
    // Each box runs a modal loop in which more messages arrive; a box opened
    // there would nest inside it, without bound. They wait their turn here.
    QStringList m_pendingWarnings;
    bool m_showingWarning = false;

    QAction *m_showAction = nullptr;
    QAction *m_quitAction = nullptr;
    QAction *m_autoSwitchAction = nullptr;
    QAction *m_profilesEnd = nullptr;
    QActionGroup *m_profileGroup = nullptr;
    AutoProfile *m_autoProfile = nullptr;
    WaitingWindow *m_waitingWindow = nullptr;
    bool m_deviceConnected = false;
    bool m_everConnected = false;
    bool m_noMouseNoticed = false;
    bool m_reopenWithMouse = false;
};
