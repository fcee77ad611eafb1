#pragma once

#include "shell/focus/focussource.h"

#include <QtDBus/qtdbusglobal.h>

// The program's D-Bus object on the session bus, through which a desktop's
// own script (a KWin script, a GNOME Shell extension) reports the window in
// front. It also remembers the windows reported since the start, for the
// picker, as the desktop offers no list of its own through it.
class FocusBusEntry : public FocusSource {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "example.meridan_orbex.OrbexMouse.Focus")
public:
    static constexpr const char *kService = "example.meridan_orbex.OrbexMouse";
    static constexpr const char *kPath = "/example/meridan_orbex/OrbexMouse";
    // Texts from other programs are cut here; no window class comes near.
    static constexpr qsizetype kMaxText = 1024;
    static constexpr qsizetype kMaxRemembered = 64;

    using FocusSource::FocusSource;

    QString name() const override { return QStringLiteral("dbus"); }
    // Registers the service and the object; false without a session bus or
    // when another process holds the service.
    bool start() override;
    bool listsWindows() const override { return true; }
    QList<OpenWindow> openWindows() const override { return m_seen; }

public slots:
    Q_SCRIPTABLE Q_NOREPLY void WindowActivated(const QString &windowClass, const QString &title);

private:
    QList<OpenWindow> m_seen;
};
