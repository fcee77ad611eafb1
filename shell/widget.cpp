#include "shell/widget.h"

#include "controller/myquickview.h"
#include "device/devicedetection.h"
#include "shell/devicechangemonitor.h"
#include "shell/programstate.h"
#include "shell/ui_controler.h"
#include "shell/userevent.h"
#include "shell/warningtext.h"
#include "storage/paths.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QIcon>
#include <QLoggingCategory>
#include <QMenu>
#include <QMessageBox>
#include <QQuickItem>

Q_LOGGING_CATEGORY(lcWindow, "orbex.shell.window", QtInfoMsg)

namespace {

constexpr int kPollIntervalMs = 2048;
constexpr quintptr kWarningTag = 9487;
constexpr int kBalloonMs = 10000;

const QEvent::Type kRestoreEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

const char kTrayMenuStyle[] =
    "QMenu { border: 1px solid rgb(100, 100, 100); background: rgb(68, 69, 73); } "
    "QMenu::item { height: 22px; padding: 0px 25px 0px 20px; } "
    "QMenu::item:enabled { color: rgb(225, 225, 225); } "
    "QMenu::item:!enabled { color: rgb(155, 155, 155); } "
    "QMenu::item:enabled:selected { color: rgb(230, 230, 230); background: rgba(255, 255, 255, 40); } "
    "QMenu::separator { height: 1px; background: rgb(100, 100, 100); } "
    "QMenu::indicator { width: 13px; height: 13px; } "
    "QMenu::icon { padding-left: 2px; padding-right: 2px; } ";

} // namespace

Widget::Widget(QWidget *parent)
    : QWidget(parent), showWarning([](const QString &caption, const QString &text) {
          QMessageBox::warning(nullptr, caption, text, QMessageBox::Ok, QMessageBox::NoButton);
      })
{
    hidThread.owner = this;

    uiController = new Ui_Controler;
    uiController->setupUi(this, &hidThread);
    uiController->view->hid = &hidThread;
    connect(uiController->view, &myQQuickView::quitAsked, this, &Widget::exitSYS, Qt::QueuedConnection);
    hidThread.setDeviceModel(uiController->view->model);

    pollTimer.setInterval(kPollIntervalMs);
    pollTimer.setSingleShot(true);
    m_detection = std::make_unique<DeviceDetection>(hidThread, *this, paths::globalSettings());
    connect(&pollTimer, &QTimer::timeout, this, &Widget::checkDevice);

    // The tray's D-Bus set-up waits until the window is on screen.
    QMetaObject::invokeMethod(this, &Widget::createTrayIcon, Qt::QueuedConnection);

    m_deviceChanges = new DeviceChangeMonitor(this);
    m_deviceChanges->setListenerRunning([this] { return hidThread.isListening(); });
    connect(m_deviceChanges, &DeviceChangeMonitor::deviceChanged, this, &Widget::onDeviceChanged);
    m_deviceChanges->start();
}

Widget::~Widget()
{
    hidThread.stopListening();
    uiController->deleteLater();
}

myQQuickView *Widget::view() const
{
    return uiController ? uiController->view : nullptr;
}

void Widget::createTrayIcon()
{
    if (trayIcon)
        return;
    trayIcon = new QSystemTrayIcon(this);
    auto *quit = new QAction(tr("Quit (&Q)"), this);
    connect(quit, &QAction::triggered, this, &Widget::quitFromTray);

    auto *menu = new QMenu(this);
    menu->addAction(quit);
    menu->setStyleSheet(QString::fromLatin1(kTrayMenuStyle));
    trayIcon->setContextMenu(menu);
    trayIcon->setToolTip(QStringLiteral("MERIDAN ORBEX MOUSE K420"));
    // A FIFO in the icon's place would hold the start for ever.
    if (QFileInfo(paths::trayIcon()).isFile())
        trayIcon->setIcon(QIcon(paths::trayIcon()));
    connect(trayIcon, &QSystemTrayIcon::activated, this, &Widget::trayIconActivated);
    trayIcon->setVisible(true);
}

void Widget::trayIconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::DoubleClick)
        requestRestore();
}

void Widget::checkDevice()
{
    m_detection->request();
}

void Widget::exitSYS()
{
    hidThread.stopListening();
    QCoreApplication::exit(0);
}

void Widget::quitFromTray()
{
    // The UI quits through the controller, at once or once the user has
    // answered; it answers true while it asks, and the window must show then.
    QObject *root = view() ? static_cast<QObject *>(view()->rootObject()) : nullptr;
    QVariant asking = false;
    if (!root
        || !QMetaObject::invokeMethod(root, "confirmQuit", Qt::DirectConnection, Q_RETURN_ARG(QVariant, asking))) {
        exitSYS();
        return;
    }
    if (asking.toBool()) {
        setVisible(true);
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        raise();
        activateWindow();
    }
}

void Widget::receiveMessage(QString)
{
    requestRestore();
}

void Widget::requestRestore()
{
    if (deviceConnected)
        QCoreApplication::postEvent(this, new QEvent(kRestoreEvent));
}

void Widget::customEvent(QEvent *event)
{
    if (event->type() == kRestoreEvent) {
        setVisible(true);
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        raise();
        activateWindow();
        return;
    }
    if (event->type() == UserEvent::kType && static_cast<UserEvent *>(event)->code == UserEvent::kRunUiCode)
        view()->runUI();
}

void Widget::onDeviceChanged()
{
    if (!hidThread.isListening())
        pollTimer.start();
}

void Widget::startUI()
{
    view()->initUI();
    QCoreApplication::postEvent(this, new UserEvent(UserEvent::kRunUiCode));
}

void Widget::keyNotice(int usbCode, bool isDown)
{
    view()->keyboardNotice(isDown, usbCode & 0xFF);
}

void Widget::mouseNotice(int buttonCode, bool isDown, int x, int y)
{
    view()->mouseNotice(isDown, unsigned(buttonCode) & 0xFFu, unsigned(x), unsigned(y));
}

void Widget::taggedMessage(quintptr dwData, quint32 cbData, const char *lpData)
{
    if (dwData != kWarningTag || !lpData)
        return;
    // The text must end exactly after cbData bytes: no terminator inside
    // them and one right behind. At most cbData + 1 bytes are looked at.
    const QByteArrayView bytes(lpData, qsizetype(cbData));
    if (bytes.contains('\0') || lpData[cbData] != '\0')
        return;
    const QString text = QString::fromUtf8(bytes);
    if (text.toUtf8().size() == qsizetype(cbData))
        queueWarning(text);
}

void Widget::queueWarning(const QString &text)
{
    if (m_pendingWarnings.size() >= kMaxPendingWarnings) {
        qCWarning(lcWindow) << "warning dropped:" << kMaxPendingWarnings << "are waiting already";
        return;
    }
    m_pendingWarnings.append(warningtext::shortened(text));
    if (m_showingWarning)
        return;
    m_showingWarning = true;
    while (!m_pendingWarnings.isEmpty())
        showWarning(windowTitle(), m_pendingWarnings.takeFirst());
    m_showingWarning = false;
}

void Widget::showInfoBalloon(const QString &message)
{
    createTrayIcon();
    trayIcon->showMessage(QStringLiteral("Info"), message, QSystemTrayIcon::Information, kBalloonMs);
}

void Widget::setViewEnabled(bool enabled)
{
    if (view())
        view()->setEnabled(enabled);
}

void Widget::showCurrentDpi(int stage)
{
    if (view())
        view()->setCurrentDPI(stage);
}

void Widget::eventInterfaceLost()
{
    // The mouse may be back already; the monitor has a pass run once the
    // listener has ended.
    m_deviceChanges->noteChange();
}

void Widget::clearHidBusy()
{
    if (view())
        view()->clearHidBusy();
}

void Widget::setDeviceConnected(bool connected)
{
    deviceConnected = connected;
}

void Widget::hideWindow()
{
    setVisible(false);
}
