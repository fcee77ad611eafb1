#include "shell/focus/x11focussource.h"

#include "shell/focus/focuslog.h"

#include <QSocketNotifier>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

struct FreeReply {
    void operator()(void *p) const { std::free(p); }
};
template<typename T> using Reply = std::unique_ptr<T, FreeReply>;

xcb_atom_t internAtom(xcb_connection_t *c, const char *name)
{
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::uint16_t(qstrlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// Window titles and class names are short; more is not read.
constexpr std::uint32_t kTextLongs = 256;
constexpr std::uint32_t kMaxClients = 1024;

} // namespace

namespace focus {

QString programOfWmClass(const QByteArray &wmClass)
{
    const QList<QByteArray> parts = wmClass.split('\0');
    const QString instance = parts.size() > 0 ? QString::fromLocal8Bit(parts.at(0)).trimmed() : QString();
    const QString className = parts.size() > 1 ? QString::fromLocal8Bit(parts.at(1)).trimmed() : QString();
    return className.isEmpty() ? instance : className;
}

} // namespace focus

X11FocusSource::X11FocusSource(const QByteArray &display, QObject *parent) : FocusSource(parent), m_display(display) { }

X11FocusSource::~X11FocusSource()
{
    disconnectServer();
}

void X11FocusSource::disconnectServer()
{
    delete m_notifier;
    m_notifier = nullptr;
    if (m_connection)
        xcb_disconnect(m_connection);
    m_connection = nullptr;
}

bool X11FocusSource::start()
{
    if (m_connection)
        return true;
    int screenNumber = 0;
    xcb_connection_t *c = xcb_connect(m_display.isEmpty() ? nullptr : m_display.constData(), &screenNumber);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        qCInfo(lcFocus) << "no X server to learn the window in front from";
        return false;
    }
    m_connection = c;
    auto it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber && it.rem; ++i)
        xcb_screen_next(&it);
    if (!it.rem) {
        disconnectServer();
        return false;
    }
    m_root = it.data->root;
    m_activeAtom = internAtom(c, "_NET_ACTIVE_WINDOW");
    m_clientListAtom = internAtom(c, "_NET_CLIENT_LIST");
    m_netNameAtom = internAtom(c, "_NET_WM_NAME");
    m_utf8Atom = internAtom(c, "UTF8_STRING");
    if (m_activeAtom == XCB_ATOM_NONE) {
        disconnectServer();
        return false;
    }
    // The root's property changes, on our own connection: Qt's selection on
    // its connection is untouched.
    const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    const xcb_void_cookie_t cookie = xcb_change_window_attributes_checked(c, m_root, XCB_CW_EVENT_MASK, &mask);
    if (const Reply<xcb_generic_error_t> error{xcb_request_check(c, cookie)}) {
        qCWarning(lcFocus) << "the X server refused property notices on the root window, error" << error->error_code;
        disconnectServer();
        return false;
    }
    m_notifier = new QSocketNotifier(xcb_get_file_descriptor(c), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &X11FocusSource::readEvents);
    // The window in front already counts.
    QMetaObject::invokeMethod(this, &X11FocusSource::reportActiveWindow, Qt::QueuedConnection);
    return true;
}

void X11FocusSource::readEvents()
{
    if (!m_connection)
        return;
    bool activeChanged = false;
    while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
        if ((event->response_type & 0x7F) == XCB_PROPERTY_NOTIFY) {
            const auto *notify = reinterpret_cast<const xcb_property_notify_event_t *>(event);
            if (notify->window == m_root && notify->atom == m_activeAtom)
                activeChanged = true;
        }
        std::free(event);
    }
    if (xcb_connection_has_error(m_connection)) {
        qCWarning(lcFocus) << "the X server went away: the window in front is no longer known";
        disconnectServer();
        return;
    }
    if (activeChanged)
        reportActiveWindow();
}

QByteArray X11FocusSource::property(std::uint32_t window, std::uint32_t atom, std::uint32_t type,
                                    std::uint32_t longLength) const
{
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, window, atom, type, 0, longLength), nullptr));
    if (!reply || reply->type == XCB_ATOM_NONE)
        return {};
    return QByteArray(static_cast<const char *>(xcb_get_property_value(reply.get())),
                      xcb_get_property_value_length(reply.get()));
}

OpenWindow X11FocusSource::describe(std::uint32_t window) const
{
    OpenWindow w;
    w.windowClass = focus::programOfWmClass(property(window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, kTextLongs));
    const QByteArray netName = m_utf8Atom ? property(window, m_netNameAtom, m_utf8Atom, kTextLongs) : QByteArray();
    w.title = !netName.isEmpty() ? QString::fromUtf8(netName)
                                 : QString::fromLatin1(property(window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, kTextLongs));
    return w;
}

void X11FocusSource::reportActiveWindow()
{
    if (!m_connection)
        return;
    const QByteArray value = property(m_root, m_activeAtom, XCB_ATOM_WINDOW, 1);
    std::uint32_t window = XCB_WINDOW_NONE;
    if (value.size() == sizeof window)
        std::memcpy(&window, value.constData(), sizeof window);
    const OpenWindow w = window == XCB_WINDOW_NONE ? OpenWindow{} : describe(window);
    emit activated(w.windowClass, w.title);
}

QList<OpenWindow> X11FocusSource::openWindows() const
{
    QList<OpenWindow> windows;
    if (!m_connection || m_clientListAtom == XCB_ATOM_NONE)
        return windows;
    const QByteArray list = property(m_root, m_clientListAtom, XCB_ATOM_WINDOW, kMaxClients);
    for (qsizetype at = 0; at + qsizetype(sizeof(std::uint32_t)) <= list.size(); at += sizeof(std::uint32_t)) {
        std::uint32_t window = 0;
        std::memcpy(&window, list.constData() + at, sizeof window);
        const OpenWindow w = describe(window);
        if (!w.windowClass.isEmpty())
            windows << w;
    }
    return windows;
}
