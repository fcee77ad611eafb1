#pragma once

#include "shell/focus/focussource.h"
#include "shell/focus/desktop/toplevelfront.h"

#include <QByteArray>

class QSocketNotifier;
struct wl_display;
struct wl_registry;
struct zwlr_foreign_toplevel_manager_v1;

// The window in front on a wlroots compositor (sway and others), from its
// foreign-toplevel list, over a Wayland connection of its own beside Qt's.
// Offered only where the program runs as a Wayland client and the
// compositor announces that list.
class WlrFocusSource : public FocusSource {
    Q_OBJECT
public:
    // `socket`: the compositor's socket name; empty for $WAYLAND_DISPLAY.
    explicit WlrFocusSource(QByteArray socket = {}, QObject *parent = nullptr);
    ~WlrFocusSource() override;

    QString name() const override { return QStringLiteral("wlr"); }
    bool start() override;
    bool listsWindows() const override { return true; }
    QList<OpenWindow> openWindows() const override { return m_front.openWindows(); }

    // For the protocol's listeners.
    focus::ToplevelFront &front() { return m_front; }
    void bindManager(wl_registry *registry, uint32_t name, uint32_t version);
    void report(const std::optional<OpenWindow> &front);
    void managerFinished();

private:
    void readEvents();
    void disconnectDisplay();

    QByteArray m_socket;
    wl_display *m_display = nullptr;
    wl_registry *m_registry = nullptr;
    zwlr_foreign_toplevel_manager_v1 *m_manager = nullptr;
    QSocketNotifier *m_notifier = nullptr;
    focus::ToplevelFront m_front;
};
