#include "shell/focus/focusbusentry.h"

#include "shell/focus/focuslog.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

bool FocusBusEntry::start()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        qCInfo(lcFocus) << "no session bus: the D-Bus entry point is not offered";
        return false;
    }
    if (!bus.registerObject(QString::fromLatin1(kPath), this, QDBusConnection::ExportScriptableSlots)) {
        qCWarning(lcFocus) << "could not register" << kPath << "on the session bus";
        return false;
    }
    if (!bus.registerService(QString::fromLatin1(kService))) {
        qCWarning(lcFocus) << "the session bus name" << kService << "is taken:" << bus.lastError().message();
        bus.unregisterObject(QString::fromLatin1(kPath));
        return false;
    }
    return true;
}

void FocusBusEntry::WindowActivated(const QString &windowClass, const QString &title)
{
    const OpenWindow window{windowClass.left(kMaxText).trimmed(), title.left(kMaxText)};
    if (!window.windowClass.isEmpty()) {
        m_seen.removeIf([&](const OpenWindow &w) { return w.windowClass == window.windowClass; });
        m_seen.prepend(window);
        if (m_seen.size() > kMaxRemembered)
            m_seen.removeLast();
    }
    emit activated(window.windowClass, window.title);
}
