#include "shell/focus/desktop/wlrfocussource.h"

#include "wlr-foreign-toplevel-management-unstable-v1-client-protocol.h"

#include <QLoggingCategory>
#include <QSocketNotifier>

#include <wayland-client.h>

#include <algorithm>
#include <cstring>

Q_LOGGING_CATEGORY(lcWlr, "orbex.shell.focus.wlr", QtInfoMsg)

namespace {

// The protocol version this source understands (3 adds the parent event).
constexpr uint32_t managerVersion = 3;

using Handle = focus::ToplevelFront::Handle;

WlrFocusSource *sourceOf(void *data) { return static_cast<WlrFocusSource *>(data); }
Handle handleOf(zwlr_foreign_toplevel_handle_v1 *toplevel) { return reinterpret_cast<Handle>(toplevel); }

void onTitle(void *data, zwlr_foreign_toplevel_handle_v1 *toplevel, const char *title)
{
    sourceOf(data)->front().title(handleOf(toplevel), QString::fromUtf8(title));
}

void onAppId(void *data, zwlr_foreign_toplevel_handle_v1 *toplevel, const char *appId)
{
    sourceOf(data)->front().appId(handleOf(toplevel), QString::fromUtf8(appId));
}

void onOutput(void *, zwlr_foreign_toplevel_handle_v1 *, wl_output *) {}

void onState(void *data, zwlr_foreign_toplevel_handle_v1 *toplevel, wl_array *states)
{
    sourceOf(data)->front().activated(handleOf(toplevel), focus::statesHoldActivated(states->data, states->size));
}

void onDone(void *data, zwlr_foreign_toplevel_handle_v1 *toplevel)
{
    sourceOf(data)->report(sourceOf(data)->front().done(handleOf(toplevel)));
}

void onClosed(void *data, zwlr_foreign_toplevel_handle_v1 *toplevel)
{
    sourceOf(data)->report(sourceOf(data)->front().closed(handleOf(toplevel)));
    zwlr_foreign_toplevel_handle_v1_destroy(toplevel);
}

void onParent(void *, zwlr_foreign_toplevel_handle_v1 *, zwlr_foreign_toplevel_handle_v1 *) {}

const zwlr_foreign_toplevel_handle_v1_listener toplevelListener = {
    onTitle, onAppId, onOutput, onOutput, onState, onDone, onClosed, onParent,
};

void onToplevel(void *data, zwlr_foreign_toplevel_manager_v1 *, zwlr_foreign_toplevel_handle_v1 *toplevel)
{
    sourceOf(data)->front().opened(handleOf(toplevel));
    zwlr_foreign_toplevel_handle_v1_add_listener(toplevel, &toplevelListener, data);
}

void onFinished(void *data, zwlr_foreign_toplevel_manager_v1 *)
{
    sourceOf(data)->managerFinished();
}

const zwlr_foreign_toplevel_manager_v1_listener managerListener = { onToplevel, onFinished };

void onGlobal(void *data, wl_registry *registry, uint32_t name, const char *interface, uint32_t version)
{
    if (std::strcmp(interface, zwlr_foreign_toplevel_manager_v1_interface.name) == 0)
        sourceOf(data)->bindManager(registry, name, version);
}

void onGlobalRemove(void *, wl_registry *, uint32_t) {}

const wl_registry_listener registryListener = { onGlobal, onGlobalRemove };

} // namespace

WlrFocusSource::WlrFocusSource(QByteArray socket, QObject *parent)
    : FocusSource(parent), m_socket(std::move(socket))
{ }

WlrFocusSource::~WlrFocusSource()
{
    disconnectDisplay();
}

bool WlrFocusSource::start()
{
    if (m_display)
        return m_manager != nullptr;
    m_display = wl_display_connect(m_socket.isEmpty() ? nullptr : m_socket.constData());
    if (!m_display) {
        qCInfo(lcWlr) << "wlr: no Wayland compositor to ask";
        return false;
    }
    m_registry = wl_display_get_registry(m_display);
    wl_registry_add_listener(m_registry, &registryListener, this);
    // The globals, then the toplevels open now with their first states.
    if (wl_display_roundtrip(m_display) < 0 || !m_manager || wl_display_roundtrip(m_display) < 0) {
        qCInfo(lcWlr) << "wlr: the compositor does not list its windows";
        disconnectDisplay();
        return false;
    }
    m_notifier = new QSocketNotifier(wl_display_get_fd(m_display), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &WlrFocusSource::readEvents);
    return true;
}

void WlrFocusSource::bindManager(wl_registry *registry, uint32_t name, uint32_t version)
{
    if (m_manager)
        return;
    m_manager = static_cast<zwlr_foreign_toplevel_manager_v1 *>(wl_registry_bind(
        registry, name, &zwlr_foreign_toplevel_manager_v1_interface, std::min(version, managerVersion)));
    zwlr_foreign_toplevel_manager_v1_add_listener(m_manager, &managerListener, this);
}

void WlrFocusSource::report(const std::optional<OpenWindow> &front)
{
    if (front)
        emit activated(front->windowClass, front->title);
}

void WlrFocusSource::managerFinished()
{
    qCInfo(lcWlr) << "wlr: the compositor stopped listing its windows";
    if (m_manager) {
        zwlr_foreign_toplevel_manager_v1_destroy(m_manager);
        m_manager = nullptr;
    }
}

void WlrFocusSource::readEvents()
{
    if (wl_display_dispatch(m_display) < 0) {
        qCWarning(lcWlr) << "wlr: the connection to the compositor broke";
        disconnectDisplay();
        return;
    }
    wl_display_flush(m_display);
}

void WlrFocusSource::disconnectDisplay()
{
    delete m_notifier;
    m_notifier = nullptr;
    if (m_manager) {
        zwlr_foreign_toplevel_manager_v1_destroy(m_manager);
        m_manager = nullptr;
    }
    if (m_registry) {
        wl_registry_destroy(m_registry);
        m_registry = nullptr;
    }
    if (m_display) {
        wl_display_disconnect(m_display);
        m_display = nullptr;
    }
}
