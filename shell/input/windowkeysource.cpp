#include "shell/input/windowkeysource.h"

#include "shell/input/inputhook.h"

#include <QKeyEvent>
#include <QWindow>

WindowKeySource::WindowKeySource(QWindow *window, Sink sink) : m_sink(std::move(sink))
{
    if (!m_sink) {
        m_sink = [](quint32 message, const KeyboardEvent &event) {
            InputHook::keyboardProc(keytables::kHookAction, message, event);
        };
    }
    if (window)
        window->installEventFilter(this);
}

void WindowKeySource::deliver(quint32 linuxCode, bool pressed)
{
    if (pressed)
        m_held.insert(linuxCode);
    else
        m_held.remove(linuxCode);
    if (const auto hook = m_translator.translate(linuxCode, pressed))
        m_sink(hook->message, hook->event);
}

void WindowKeySource::releaseHeld()
{
    const QSet<quint32> held = m_held;
    for (quint32 linuxCode : held)
        deliver(linuxCode, false);
}

bool WindowKeySource::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto *key = static_cast<const QKeyEvent *>(event);
        // The hook sees every key already; a held key's repeats are no news.
        if (InputHook::hooksInstalled() || key->isAutoRepeat())
            break;
        if (key->nativeScanCode() >= linuxkeys::kXKeyCodeOffset)
            deliver(key->nativeScanCode() - linuxkeys::kXKeyCodeOffset, event->type() == QEvent::KeyPress);
        break;
    }
    case QEvent::FocusOut:
        releaseHeld();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
