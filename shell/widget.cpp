#include "shell/widget.h"

#include "controller/myquickview.h"
#include "device/devicedetection.h"
#include "device/noticetexts.h"
#include "shell/toolkittexts.h"
#include "storage/languagestrings.h"
#include "shell/devicechangemonitor.h"
#include "shell/focus/autoprofile.h"
#include "shell/ui_controler.h"
#include "shell/userevent.h"
#include "shell/waitingwindow.h"
#include "shell/warningtext.h"
#include "storage/paths.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QFileInfo>
#include <QIcon>
#include <QLoggingCategory>
#include <QMenu>
#include <QMessageBox>
#include <QQuickItem>
#include <QSettings>

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
          // Another process's text: shown as it is, never as markup that
          // could load files or open links.
          QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Ok);
          box.setTextFormat(Qt::PlainText);
          box.setTextInteractionFlags(Qt::TextSelectableByMouse);
          box.exec();
      })
{
    hidThread.owner = this;

    loadNoticeTexts();

    m_autoProfile = new AutoProfile(this);
    uiController = new Ui_Controler;
    uiController->setupUi(this, &hidThread, m_autoProfile);
    uiController->view->hid = &hidThread;
    connect(uiController->view, &myQQuickView::quitAsked, this, &Widget::exitSYS, Qt::QueuedConnection);
    hidThread.setDeviceModel(uiController->view->model);
    setUpAutoProfile();

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
    m_showAction = new QAction(noticetexts::text(noticetexts::ShowWindow), this);
    connect(m_showAction, &QAction::triggered, this, &Widget::requestRestore);
    m_quitAction = new QAction(noticetexts::text(noticetexts::Quit), this);
    connect(m_quitAction, &QAction::triggered, this, &Widget::quitFromTray);

    m_autoSwitchAction = new QAction(noticetexts::text(noticetexts::AutomaticSwitching), this);
    m_autoSwitchAction->setCheckable(true);
    connect(m_autoSwitchAction, &QAction::triggered, this, [this](bool on) {
        // The entry shows what is stored, not what was asked for.
        if (!m_autoProfile->setEnabled(on))
            m_autoSwitchAction->setChecked(m_autoProfile->enabled());
    });

    auto *menu = new QMenu(this);
    // The profiles come first, filled in each time the menu opens.
    m_profilesEnd = menu->addSeparator();
    menu->addAction(m_showAction);
    menu->addAction(m_autoSwitchAction);
    menu->addSeparator();
    menu->addAction(m_quitAction);
    menu->setStyleSheet(QString::fromLatin1(kTrayMenuStyle));
    // The language may have changed on the system page since the last time.
    connect(menu, &QMenu::aboutToShow, this, &Widget::retranslateTray);
    connect(menu, &QMenu::aboutToShow, this, &Widget::updateTrayMenu);
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
    if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
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
    if (m_deviceConnected)
        QCoreApplication::postEvent(this, new QEvent(kRestoreEvent));
    else {
        m_reopenWithMouse = true;
        showNoMouseNotice();
    }
}

void Widget::loadNoticeTexts()
{
    const QSettings settings(paths::globalSettings(), QSettings::IniFormat);
    const QString language = settings.value(QStringLiteral("common/language")).toString();
    if (!language.isEmpty())
        noticetexts::replace(languagestrings::readGroup(paths::languageFile(language), QStringLiteral("notice")));
    toolkittexts::use(language);
    retranslateTray();
}

void Widget::retranslateTray()
{
    if (m_showAction)
        m_showAction->setText(noticetexts::text(noticetexts::ShowWindow));
    if (m_quitAction)
        m_quitAction->setText(noticetexts::text(noticetexts::Quit));
    if (m_autoSwitchAction)
        m_autoSwitchAction->setText(noticetexts::text(noticetexts::AutomaticSwitching));
}

namespace {

// The UI's profile list, in its order: [{textValue, profileNo}].
QList<AutoProfile::Profile> uiProfiles(myQQuickView *view)
{
    QList<AutoProfile::Profile> list;
    QObject *root = view ? static_cast<QObject *>(view->rootObject()) : nullptr;
    QVariant entries;
    if (!root || !QMetaObject::invokeMethod(root, "profileEntries", Qt::DirectConnection, Q_RETURN_ARG(QVariant, entries)))
        return list;
    for (const QVariant &entry : entries.toList()) {
        const QVariantMap e = entry.toMap();
        list.append({e.value(QStringLiteral("profileNo")).toInt(), e.value(QStringLiteral("textValue")).toString()});
    }
    return list;
}

} // namespace

void Widget::setUpAutoProfile()
{
    m_autoProfile->setStores(view()->stores());
    m_autoProfile->ownClasses = {QCoreApplication::applicationName(), QStringLiteral("orbex-mouse")};
    m_autoProfile->profiles = [this] { return uiProfiles(view()); };
    m_autoProfile->currentSlot = [this] { return view()->currentProfile(); };
    m_autoProfile->switchTo = [this](int slot) {
        QObject *root = view()->rootObject();
        QVariant taken = false;
        // Without a mouse there is nothing to switch; the choice waits for it.
        if (!m_deviceConnected || !root
            || !QMetaObject::invokeMethod(root, "followProgramInFront", Qt::DirectConnection, Q_RETURN_ARG(QVariant, taken),
                                          Q_ARG(QVariant, slot)))
            return AutoProfile::Outcome::Refused;
        return taken.toBool() ? AutoProfile::Outcome::Done : AutoProfile::Outcome::Refused;
    };
    m_autoProfile->announce = [this](const QString &name) { showInfoBalloon(noticetexts::profileNotice(name)); };
}

void Widget::updateTrayMenu()
{
    if (!trayIcon || !trayIcon->contextMenu())
        return;
    QMenu *menu = trayIcon->contextMenu();
    delete m_profileGroup; // and the entries with it
    const QList<AutoProfile::Profile> profiles = m_deviceConnected ? uiProfiles(view()) : QList<AutoProfile::Profile>();
    const int inUse = view() ? view()->currentProfile() : -1;
    m_profileGroup = new QActionGroup(menu);
    for (const AutoProfile::Profile &p : profiles) {
        auto *action = new QAction(p.name, m_profileGroup);
        action->setCheckable(true);
        action->setChecked(p.slot == inUse);
        const int slot = p.slot;
        connect(action, &QAction::triggered, this, [this, slot] { chooseProfileFromTray(slot); });
        menu->insertAction(m_profilesEnd, action);
    }
    m_profilesEnd->setVisible(!profiles.isEmpty());
    m_autoSwitchAction->setEnabled(m_autoProfile->available());
    m_autoSwitchAction->setChecked(m_autoProfile->enabled());
}

void Widget::chooseProfileFromTray(int slot)
{
    // As the title bar's list: edits not saved yet are asked about first,
    // in the window.
    QObject *root = view() ? static_cast<QObject *>(view()->rootObject()) : nullptr;
    QVariant asking = false;
    if (!root
        || !QMetaObject::invokeMethod(root, "trayProfile", Qt::DirectConnection, Q_RETURN_ARG(QVariant, asking),
                                      Q_ARG(QVariant, slot)))
        return;
    if (asking.toBool())
        QCoreApplication::postEvent(this, new QEvent(kRestoreEvent));
}

bool Widget::trayAvailable() const
{
    return trayAvailableCheck ? trayAvailableCheck() : QSystemTrayIcon::isSystemTrayAvailable();
}

void Widget::showNoMouseNotice()
{
    if (!trayAvailable()) {
        if (!m_waitingWindow) {
            m_waitingWindow = new WaitingWindow(this);
            connect(m_waitingWindow, &WaitingWindow::quitRequested, this, &Widget::exitSYS);
        }
        m_waitingWindow->present(windowTitle());
        return;
    }
    createTrayIcon();
    trayIcon->showMessage(noticetexts::text(noticetexts::NoMouseCaption),
                          noticetexts::text(noticetexts::NoMouseAdvice), QSystemTrayIcon::Warning, kBalloonMs);
}

WaitingWindow *Widget::waitingWindow() const
{
    return m_waitingWindow;
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
    // A window open when the mouse left, or asked for while none was there,
    // comes back with the mouse.
    if (m_reopenWithMouse) {
        m_reopenWithMouse = false;
        requestRestore();
    }
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
    trayIcon->showMessage(noticetexts::text(noticetexts::InfoCaption), message, QSystemTrayIcon::Information,
                          kBalloonMs);
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

void Widget::dpiStageSwitched(int stage, const QString &stageText)
{
    showCurrentDpi(stage);
    int dpi = 0;
    if (view()) {
        const QVariantList values = view()->getDataList(QStringLiteral("mouse/dpiValueArray"), false);
        if (stage >= 1 && stage <= values.size())
            dpi = values.at(stage - 1).toInt();
    }
    showInfoBalloon(noticetexts::dpiNotice(stageText, dpi));
}

void Widget::setDeviceConnected(bool connected)
{
    m_deviceConnected = connected;
    if (!connected)
        return;
    m_everConnected = true;
    m_noMouseNoticed = false;
    if (m_waitingWindow)
        m_waitingWindow->hide();
}

void Widget::hideWindow()
{
    const bool wasOpen = isVisible();
    if (wasOpen)
        m_reopenWithMouse = true;
    setVisible(false);
    // Told once per absence: at a start without a mouse, or, where no tray
    // keeps the program in reach, when an open window goes with the mouse.
    if (!m_noMouseNoticed && (!m_everConnected || (wasOpen && !trayAvailable()))) {
        m_noMouseNoticed = true;
        showNoMouseNotice();
    }
}
