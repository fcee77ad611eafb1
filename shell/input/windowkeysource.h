#pragma once

#include "shell/input/linuxkeys.h"

#include <QObject>
#include <QSet>

#include <functional>

class QWindow;

// Key notices for pages where the global hook cannot be installed (no X11,
// a Wayland session): the key events that the window itself receives while
// it has the focus go the hook procedure's way, with the same key codes.
// A key event's native scan code is the X key code (on Wayland the XKB key
// code), the Linux input code plus 8, so the hook's own tables apply. It
// stands aside whenever the hook runs, and a window that loses the focus
// releases the keys it saw pressed, whose releases now go elsewhere.
class WindowKeySource : public QObject {
public:
    using Sink = std::function<void(quint32 message, const KeyboardEvent &event)>;

    // Watches `window`; the events go to `sink`, by default the hook
    // procedure of InputHook.
    explicit WindowKeySource(QWindow *window, Sink sink = {});

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void deliver(quint32 linuxCode, bool pressed);
    void releaseHeld();

    Sink m_sink;
    linuxkeys::KeyTranslator m_translator;
    QSet<quint32> m_held;
};
