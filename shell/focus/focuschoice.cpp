#include "shell/focus/focuschoice.h"

#include <QProcessEnvironment>
#include <QStringList>

namespace focus {

FocusEnvironment FocusEnvironment::fromProcess()
{
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    FocusEnvironment e;
    e.sessionType = env.value(QStringLiteral("XDG_SESSION_TYPE"));
    e.currentDesktop = env.value(QStringLiteral("XDG_CURRENT_DESKTOP"));
    e.hasX11Display = !env.value(QStringLiteral("DISPLAY")).isEmpty();
    e.hasWaylandDisplay = !env.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty();
    e.hasSwaySocket = !env.value(QStringLiteral("SWAYSOCK")).isEmpty();
    return e;
}

FocusKind chooseFocusSource(const FocusEnvironment &env)
{
    const QString session = env.sessionType.trimmed().toLower();
    const bool wayland = session == QLatin1String("wayland") || (session != QLatin1String("x11") && env.hasWaylandDisplay);
    if (!wayland)
        return env.hasX11Display ? FocusKind::X11 : FocusKind::None;

    // Under Wayland the X server (XWayland) sees only its own windows: the
    // compositor has to tell.
    const QStringList desktops = env.currentDesktop.toLower().split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (desktops.contains(QLatin1String("kde")))
        return FocusKind::KWin;
    if (desktops.contains(QLatin1String("gnome")))
        return FocusKind::GnomeShell;
    static const QStringList wlroots = {QStringLiteral("sway"), QStringLiteral("wlroots"), QStringLiteral("hyprland"),
                                        QStringLiteral("river"), QStringLiteral("wayfire")};
    if (env.hasSwaySocket || std::any_of(desktops.cbegin(), desktops.cend(),
                                         [](const QString &d) { return wlroots.contains(d); }))
        return FocusKind::Wlr;
    return FocusKind::None;
}

QString kindName(FocusKind kind)
{
    switch (kind) {
    case FocusKind::None:
        return QStringLiteral("none");
    case FocusKind::X11:
        return QStringLiteral("x11");
    case FocusKind::KWin:
        return QStringLiteral("kwin");
    case FocusKind::GnomeShell:
        return QStringLiteral("gnome-shell");
    case FocusKind::Wlr:
        return QStringLiteral("wlr");
    }
    return QString();
}

} // namespace focus
