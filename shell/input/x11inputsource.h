#pragma once

#include "shell/input/keyprocedure.h"
#include "shell/input/linuxkeys.h"

#include <QAbstractNativeEventFilter>

#include <functional>
#include <memory>
#include <vector>

struct xcb_connection_t;

// Every key and button event of the X11 desktop, read as XInput 2 raw
// events on the root windows through the application's own xcb connection.
// Raw events reach us whichever window has the focus or holds a grab, and
// filtering them never takes them from anyone: the filter always lets the
// event go on.
class X11InputSource : public QAbstractNativeEventFilter {
public:
    using KeySink = std::function<void(quint32 message, const KeyboardEvent &event)>;
    using ButtonSink = std::function<void(quint32 message, int x, int y)>;

    // None when the application does not run on X11 or the server has no
    // XInput extension.
    static std::unique_ptr<X11InputSource> create(KeySink keys, ButtonSink buttons);
    ~X11InputSource() override;

    // Selects (or deselects) the raw events; false when the server refused.
    bool select(bool on);
    bool selected() const { return m_selected; }

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    X11InputSource(xcb_connection_t *connection, quint8 opcode, KeySink keys, ButtonSink buttons);
    void pointerPosition(int &x, int &y) const;

    xcb_connection_t *m_connection;
    quint8 m_opcode;
    std::vector<quint32> m_roots;
    KeySink m_keys;
    ButtonSink m_buttons;
    linuxkeys::KeyTranslator m_translator;
    bool m_selected = false;
};
