#pragma once

#include "shell/focus/focussource.h"

#include <QList>
#include <QString>
#include <QtGlobal>

#include <map>
#include <optional>

namespace focus {

// The window in front, as a compositor that announces its toplevel windows
// one handle at a time tells it: title, application id and states arrive
// separately and count together at the handle's "done". No Wayland types,
// so that the events can be replayed from a table.
class ToplevelFront {
public:
    using Handle = quintptr;

    void opened(Handle handle);
    void title(Handle handle, const QString &title);
    void appId(Handle handle, const QString &appId);
    void activated(Handle handle, bool isActivated);
    // The window in front, each time these return it: it changed (another
    // window, or the same one renamed). An empty class: none is in front.
    std::optional<OpenWindow> done(Handle handle);
    std::optional<OpenWindow> closed(Handle handle);

    OpenWindow front() const;
    // Windows with an application id, in the order they were opened.
    QList<OpenWindow> openWindows() const;

private:
    struct Toplevel {
        quint64 order = 0;
        OpenWindow shown;
        OpenWindow pending;
        bool isActivated = false;
        std::optional<bool> pendingActivated;
        quint64 activatedAt = 0;
    };

    std::optional<OpenWindow> frontIfChanged();

    std::map<Handle, Toplevel> m_toplevels;
    quint64 m_clock = 0;
    // Before the first window counts, none is in front.
    OpenWindow m_reported;
};

// Whether the states a handle reports (an array of 32-bit values, as the
// protocol sends them) hold "activated".
bool statesHoldActivated(const void *data, size_t bytes);

} // namespace focus
