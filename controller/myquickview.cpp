#include "controller/myquickview.h"

#include "controller/slotvalues.h"
#include "device/familycommands.h"
#include "device/hidthread.h"
#include "device/noticetexts.h"
#include "storage/languagestrings.h"
#include "storage/paths.h"
#include "storage/settingsstores.h"
#include "storage/settingsvalues.h"
#include "storage/storagefaults.h"

#include <QFocusEvent>
#include <QQuickItem>
#include <QSettings>
#include <QThread>

myQQuickView::myQQuickView(QWidget *parent) : QQuickWidget(parent)
{
    // Installed before the stores open, which may already find faults.
    storagefaults::install([this](storagefaults::Kind kind, const QString &path) {
        QMetaObject::invokeMethod(
            this, [this, kind, path] { emit storageFailed(int(kind), path); }, Qt::QueuedConnection);
    });
    m_stores = new SettingsStores(this);
    model = devicemodel::fromSettings(*m_stores->global());
}

myQQuickView::~myQQuickView()
{
    storagefaults::install({});
}

bool myQQuickView::flushSettings()
{
    return m_stores->flush();
}

int myQQuickView::currentProfile() const
{
    return m_stores->currentProfile();
}

void myQQuickView::keyboardNotice(bool isDown, int usbCode)
{
    callUi("detectKeyboard", Qt::QueuedConnection, {isDown, usbCode & 0xFF});
}

void myQQuickView::mouseNotice(bool isDown, unsigned buttonCode, unsigned x, unsigned y)
{
    callUi("detectMouse", Qt::QueuedConnection, {isDown, buttonCode & 0xFFu, x, y});
}

void myQQuickView::clearHidBusy()
{
    if (hid)
        hid->releaseLink();
}

void myQQuickView::initUI()
{
    callUi("initUI", Qt::QueuedConnection);
}

void myQQuickView::runUI()
{
    callUi("run", Qt::QueuedConnection);
}

void myQQuickView::resetApconfig()
{
    // The controller's device flags are deliberately not read again.
    m_stores->replaceGlobal(paths::factoryGlobalSettings());
}

QStringList myQQuickView::getLangStrings(QString typeStr, QString langCode)
{
    const QStringList texts = languagestrings::readGroup(paths::languageFile(langCode), typeStr);
    if (typeStr == QLatin1String("other")) {
        // The listener's texts; without a transport no change can arrive.
        if (hid)
            hid->dpiSwitchTexts.replace(texts);
    } else if (typeStr == QLatin1String("notice")) {
        noticetexts::reset();
        noticetexts::replace(texts);
    }
    return texts;
}

void myQQuickView::setCurrentProfile(int profile)
{
    m_stores->setCurrentProfile(profile);
}

void myQQuickView::openUpdateExe()
{ }

std::unique_ptr<FamilyCommands> myQQuickView::commands() const
{
    return familyCommands(*hid, model);
}

QSettings *myQQuickView::profileStore(bool isRecovery) const
{
    return isRecovery ? m_stores->defaults() : m_stores->current();
}

QVariant myQQuickView::getData(QVariant key, bool isRecovery)
{
    QSettings *store = profileStore(isRecovery);
    return store ? store->value(key.toString()) : QVariant();
}

QVariant myQQuickView::getGlobalData(QVariant key)
{
    return m_stores->global()->value(key.toString());
}

QVariantList myQQuickView::getDataList(QVariant key, bool isRecovery)
{
    return settingsvalues::toList(getData(key, isRecovery));
}

void myQQuickView::setData(QVariant key, QVariant value)
{
    QSettings *store = m_stores->current();
    if (store && settingsvalues::store(*store, key.toString(), slotvalues::plain(value)))
        m_stores->flushSoon();
}

void myQQuickView::setGlobalData(QVariant key, QVariant tmpdata)
{
    if (settingsvalues::store(*m_stores->global(), key.toString(), slotvalues::plain(tmpdata)))
        m_stores->flushSoon();
}

void myQQuickView::setDataList(QVariant key, QVariantList datalist)
{
    QSettings *store = m_stores->current();
    if (store && settingsvalues::store(*store, key.toString(), QVariant(datalist)))
        m_stores->flushSoon();
}

void myQQuickView::setBusy(int busyTime)
{
    callUi("setProtectUI", Qt::DirectConnection, {busyTime});
}

void myQQuickView::setCurrentDPI(int dpiValue)
{
    // The listener calls this from a pool thread; the UI lives on this one.
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(
            this, [this, dpiValue] { setCurrentDPI(dpiValue); }, Qt::QueuedConnection);
        return;
    }
    callUi("setCurrentDPI", Qt::DirectConnection, {dpiValue});
}

void myQQuickView::focusInEvent(QFocusEvent *event)
{
    update();
    event->accept();
}

void myQQuickView::callUi(const char *function, Qt::ConnectionType type, const QVariantList &arguments)
{
    QQuickItem *root = rootObject();
    if (!root)
        return;
    const QVariant none;
    auto arg = [&](int i) {
        return Q_ARG(QVariant, i < arguments.size() ? arguments.at(i) : none);
    };
    switch (arguments.size()) {
    case 0:
        QMetaObject::invokeMethod(root, function, type);
        break;
    case 1:
        QMetaObject::invokeMethod(root, function, type, arg(0));
        break;
    case 2:
        QMetaObject::invokeMethod(root, function, type, arg(0), arg(1));
        break;
    case 3:
        QMetaObject::invokeMethod(root, function, type, arg(0), arg(1), arg(2));
        break;
    default:
        QMetaObject::invokeMethod(root, function, type, arg(0), arg(1), arg(2), arg(3));
        break;
    }
}
