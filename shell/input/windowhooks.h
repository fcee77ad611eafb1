#pragma once

#include "shell/input/inputhook.h"

class QCoreApplication;

// Registers a main window's key, mouse and message callbacks with the hooks,
// in that order, the window being the context. The window offers
//   keyNotice(int keyCode, bool isDown),
//   mouseNotice(int buttonCode, bool isDown, int x, int y),
//   taggedMessage(quintptr dwData, quint32 cbData, const char *lpData).
template <class Window> void registerWindowCallbacks(Window *window, QCoreApplication *application)
{
    InputHook::setKeyCallback(
        [](int keyCode, bool pressed, void *context) {
            if (context)
                static_cast<Window *>(context)->keyNotice(keyCode, pressed);
        },
        window);
    InputHook::setMouseCallback(
        [](int buttonCode, bool pressed, int x, int y, void *context) {
            if (context)
                static_cast<Window *>(context)->mouseNotice(buttonCode, pressed, x, y);
        },
        window);
    InputHook::setMessageFilter(
        [](const CopyDataMessage *message, void *context) {
            if (context && message)
                static_cast<Window *>(context)->taggedMessage(message->dwData, message->cbData,
                                                              static_cast<const char *>(message->lpData));
        },
        application, window);
}
