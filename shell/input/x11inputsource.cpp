#include "shell/input/x11inputsource.h"

#include "shell/input/inputlog.h"

#include <QGuiApplication>

#include <xcb/xcb.h>
#include <xcb/xinput.h>

#include <cstdlib>

namespace {

constexpr quint32 kRawEventMask = XCB_INPUT_XI_EVENT_MASK_RAW_KEY_PRESS | XCB_INPUT_XI_EVENT_MASK_RAW_KEY_RELEASE
                                  | XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_PRESS
                                  | XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_RELEASE;

// An event mask for one device set with one word of mask bits, as the
// select request carries it.
struct RawEventSelection {
    xcb_input_event_mask_t head;
    quint32 mask;
};
static_assert(sizeof(RawEventSelection) == sizeof(xcb_input_event_mask_t) + sizeof(quint32));

struct FreeReply {
    void operator()(void *p) const { std::free(p); }
};

// qGuiApp is a plain cast of the application object: for a QCoreApplication
// it is not null, yet no QGuiApplication either.
QGuiApplication *guiApplication()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance());
}

} // namespace

std::unique_ptr<X11InputSource> X11InputSource::create(KeySink keys, ButtonSink buttons)
{
    QGuiApplication *app = guiApplication();
    if (!app)
        return nullptr;
    auto *x11 = app->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return nullptr;
    xcb_connection_t *connection = x11->connection();
    const xcb_query_extension_reply_t *extension = xcb_get_extension_data(connection, &xcb_input_id);
    if (!extension || !extension->present) {
        qCWarning(lcInput) << "the X server has no XInput extension: no global key and button notices";
        return nullptr;
    }
    return std::unique_ptr<X11InputSource>(
        new X11InputSource(connection, extension->major_opcode, std::move(keys), std::move(buttons)));
}

X11InputSource::X11InputSource(xcb_connection_t *connection, quint8 opcode, KeySink keys, ButtonSink buttons)
    : m_connection(connection), m_opcode(opcode), m_keys(std::move(keys)), m_buttons(std::move(buttons))
{
    for (auto it = xcb_setup_roots_iterator(xcb_get_setup(connection)); it.rem; xcb_screen_next(&it))
        m_roots.push_back(it.data->root);
}

X11InputSource::~X11InputSource()
{
    if (m_selected && guiApplication())
        select(false);
}

bool X11InputSource::select(bool on)
{
    RawEventSelection selection{};
    selection.head.deviceid = XCB_INPUT_DEVICE_ALL_MASTER;
    selection.head.mask_len = 1;
    selection.mask = on ? kRawEventMask : 0;

    bool ok = true;
    for (quint32 root : m_roots) {
        const xcb_void_cookie_t cookie = xcb_input_xi_select_events_checked(m_connection, root, 1, &selection.head);
        if (xcb_generic_error_t *error = xcb_request_check(m_connection, cookie)) {
            qCWarning(lcInput) << "the X server refused raw input events, error" << error->error_code;
            std::free(error);
            ok = false;
        }
    }
    m_selected = on && ok;
    if (m_selected)
        m_translator = linuxkeys::KeyTranslator(); // modifiers held before are unknown
    if (!on)
        xcb_flush(m_connection);
    return ok;
}

bool X11InputSource::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (!m_selected || eventType != "xcb_generic_event_t" || !message)
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7F) != XCB_GE_GENERIC)
        return false;
    const auto *generic = reinterpret_cast<const xcb_ge_generic_event_t *>(event);
    if (generic->extension != m_opcode)
        return false;

    // Key and button raw events share one layout; every field read here
    // lies in the first 32 bytes, which no one rearranges.
    const auto *raw = reinterpret_cast<const xcb_input_raw_key_press_event_t *>(event);
    switch (generic->event_type) {
    case XCB_INPUT_RAW_KEY_PRESS:
    case XCB_INPUT_RAW_KEY_RELEASE: {
        if (raw->detail < linuxkeys::kXKeyCodeOffset)
            break;
        const bool pressed = generic->event_type == XCB_INPUT_RAW_KEY_PRESS;
        if (const auto hook = m_translator.translate(raw->detail - linuxkeys::kXKeyCodeOffset, pressed))
            m_keys(hook->message, hook->event);
        break;
    }
    case XCB_INPUT_RAW_BUTTON_PRESS:
    case XCB_INPUT_RAW_BUTTON_RELEASE: {
        const bool pressed = generic->event_type == XCB_INPUT_RAW_BUTTON_PRESS;
        if (const auto mouseMessage = linuxkeys::mouseMessageFor(raw->detail, pressed)) {
            int x = 0;
            int y = 0;
            // Only button presses and releases carry a position worth a round trip.
            if (keytables::mouseButtonFor(*mouseMessage))
                pointerPosition(x, y);
            m_buttons(*mouseMessage, x, y);
        }
        break;
    }
    default:
        break;
    }
    return false;
}

void X11InputSource::pointerPosition(int &x, int &y) const
{
    for (quint32 root : m_roots) {
        const std::unique_ptr<xcb_query_pointer_reply_t, FreeReply> reply(
            xcb_query_pointer_reply(m_connection, xcb_query_pointer(m_connection, root), nullptr));
        if (reply && reply->same_screen) {
            x = reply->root_x;
            y = reply->root_y;
            return;
        }
    }
}
