#pragma once

#include "shell/focus/focussource.h"

#include <QByteArray>

#include <cstdint>

class QSocketNotifier;
struct xcb_connection_t;

namespace focus {

// WM_CLASS holds two zero-terminated texts, the instance name and the class;
// the class names the program, the instance stands in where it is missing.
QString programOfWmClass(const QByteArray &wmClass);

} // namespace focus

// The window in front on an X server: the window manager's _NET_ACTIVE_WINDOW
// on the root window, watched through a connection of our own, so that it
// works whichever platform Qt itself runs on (XWayland's windows included).
class X11FocusSource : public FocusSource {
    Q_OBJECT
public:
    // `display` as for xcb_connect; empty: $DISPLAY.
    explicit X11FocusSource(const QByteArray &display = {}, QObject *parent = nullptr);
    ~X11FocusSource() override;

    QString name() const override { return QStringLiteral("x11"); }
    bool start() override;
    bool listsWindows() const override { return m_connection != nullptr; }
    // The window manager's _NET_CLIENT_LIST, each window by class and title.
    QList<OpenWindow> openWindows() const override;

private:
    void readEvents();
    void reportActiveWindow();
    OpenWindow describe(std::uint32_t window) const;
    QByteArray property(std::uint32_t window, std::uint32_t atom, std::uint32_t type, std::uint32_t longLength) const;
    void disconnectServer();

    QByteArray m_display;
    xcb_connection_t *m_connection = nullptr;
    QSocketNotifier *m_notifier = nullptr;
    std::uint32_t m_root = 0;
    std::uint32_t m_activeAtom = 0;
    std::uint32_t m_clientListAtom = 0;
    std::uint32_t m_netNameAtom = 0;
    std::uint32_t m_utf8Atom = 0;
};
