#pragma once

#include "shell/input/copydatamessage.h"
#include "shell/input/keyprocedure.h"

#include <QString>

class QCoreApplication;

// The global keyboard and mouse hooks: every key and main-button press and
// release of the desktop, whichever window has the focus, as a key code of
// the mouse's vocabulary; and the channel on which other processes hand
// tagged texts to the running instance. Nothing is ever swallowed.
//
// The tables, callbacks and key state are process-wide: there is one
// InputHook per process, and the most recently constructed one is the
// instance. Everything runs on the GUI thread.
class InputHook {
public:
    using KeyCallback = void (*)(int keyCode, bool pressed, void *context);
    using MouseCallback = void (*)(int buttonCode, bool pressed, int x, int y, void *context);
    using MessageCallback = void (*)(const CopyDataMessage *message, void *context);

    // Builds both tables and installs the hooks (the result is not looked at;
    // without X11 the program runs without notices).
    explicit InputHook(bool isoLayout);
    ~InputHook();

    InputHook(const InputHook &) = delete;
    InputHook &operator=(const InputHook &) = delete;

    const bool isoLayout;

    // True when both the key and the button events are being received.
    static bool installHooks();
    static void removeHooks();
    static bool hooksInstalled();

    static void setKeyCallback(KeyCallback callback, void *context);
    static void setMouseCallback(MouseCallback callback, void *context);
    // Stores the message callback, installs the native event filter and
    // starts taking tagged messages on MessageChannel::nameFor(the program
    // file). The channel belongs to `application`.
    static void setMessageFilter(MessageCallback callback, QCoreApplication *application, void *context);
    // The socket name the tagged messages are taken on; empty when none.
    static QString messageChannelName();

    // The hook procedures, fed by the X11 source.
    static void keyboardProc(int code, quint32 message, const KeyboardEvent &event);
    static void mouseProc(quint32 message, int x, int y);
    // Hands a tagged message to the message callback; true (handled)
    // whenever a callback is registered, whatever it did.
    static bool messageFilter(const CopyDataMessage &message);

    static InputHook *instance();
};
