#include "shell/focus/desktop/toplevelfront.h"

#include <cstdint>
#include <cstring>

namespace focus {

namespace {
// The protocol's state value for the window that has the keyboard.
constexpr uint32_t stateActivated = 2;
}

void ToplevelFront::opened(Handle handle)
{
    m_toplevels[handle] = Toplevel{++m_clock, {}, {}, false, std::nullopt, 0};
}

void ToplevelFront::title(Handle handle, const QString &title)
{
    if (auto it = m_toplevels.find(handle); it != m_toplevels.end())
        it->second.pending.title = title;
}

void ToplevelFront::appId(Handle handle, const QString &appId)
{
    if (auto it = m_toplevels.find(handle); it != m_toplevels.end())
        it->second.pending.windowClass = appId;
}

void ToplevelFront::activated(Handle handle, bool isActivated)
{
    if (auto it = m_toplevels.find(handle); it != m_toplevels.end())
        it->second.pendingActivated = isActivated;
}

std::optional<OpenWindow> ToplevelFront::done(Handle handle)
{
    auto it = m_toplevels.find(handle);
    if (it == m_toplevels.end())
        return std::nullopt;
    Toplevel &t = it->second;
    t.shown = t.pending;
    if (t.pendingActivated) {
        if (*t.pendingActivated && !t.isActivated)
            t.activatedAt = ++m_clock;
        t.isActivated = *t.pendingActivated;
        t.pendingActivated.reset();
    }
    return frontIfChanged();
}

std::optional<OpenWindow> ToplevelFront::closed(Handle handle)
{
    if (m_toplevels.erase(handle) == 0)
        return std::nullopt;
    return frontIfChanged();
}

OpenWindow ToplevelFront::front() const
{
    const Toplevel *front = nullptr;
    for (const auto &[handle, t] : m_toplevels) {
        // Two may say "activated" between their done events: the later one.
        if (t.isActivated && (!front || t.activatedAt > front->activatedAt))
            front = &t;
    }
    return front ? front->shown : OpenWindow{};
}

QList<OpenWindow> ToplevelFront::openWindows() const
{
    std::map<quint64, OpenWindow> byOrder;
    for (const auto &[handle, t] : m_toplevels) {
        if (!t.shown.windowClass.isEmpty())
            byOrder[t.order] = t.shown;
    }
    QList<OpenWindow> windows;
    for (const auto &[order, w] : byOrder)
        windows.append(w);
    return windows;
}

std::optional<OpenWindow> ToplevelFront::frontIfChanged()
{
    const OpenWindow now = front();
    if (now == m_reported)
        return std::nullopt;
    m_reported = now;
    return now;
}

bool statesHoldActivated(const void *data, size_t bytes)
{
    const auto *bytesIn = static_cast<const unsigned char *>(data);
    for (size_t at = 0; data && at + sizeof(uint32_t) <= bytes; at += sizeof(uint32_t)) {
        uint32_t state;
        std::memcpy(&state, bytesIn + at, sizeof state);
        if (state == stateActivated)
            return true;
    }
    return false;
}

} // namespace focus
