#pragma once

#include <QString>

namespace focus {

// Where the window in front is learnt from.
enum class FocusKind {
    None,       // nowhere: automatic switching is not available
    X11,        // _NET_ACTIVE_WINDOW on the X server's root window
    KWin,       // a KWin script calling the D-Bus entry point
    GnomeShell, // a GNOME Shell extension calling the D-Bus entry point
    Wlr,        // wlroots' foreign-toplevel protocol
};

// What the session tells about the desktop, from its environment.
struct FocusEnvironment {
    QString sessionType;    // XDG_SESSION_TYPE
    QString currentDesktop; // XDG_CURRENT_DESKTOP, a colon-separated list
    bool hasX11Display = false;     // DISPLAY
    bool hasWaylandDisplay = false; // WAYLAND_DISPLAY
    bool hasSwaySocket = false;     // SWAYSOCK

    static FocusEnvironment fromProcess();
};

FocusKind chooseFocusSource(const FocusEnvironment &env);

QString kindName(FocusKind kind);

} // namespace focus
