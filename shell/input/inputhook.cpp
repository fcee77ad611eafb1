#include "shell/input/inputhook.h"

#include "shell/input/inputlog.h"
#include "shell/input/keytables.h"
#include "shell/input/messagechannel.h"
#include "shell/input/x11inputsource.h"

#include <QCoreApplication>
#include <QPointer>

#include <memory>

namespace {

struct HookState {
    InputHook *instance = nullptr;

    keytables::ScanCodeTable scanCodes;
    keytables::UsageTable usages;
    KeyStateTable keyState;

    InputHook::KeyCallback keyCallback = nullptr;
    void *keyContext = nullptr;
    InputHook::MouseCallback mouseCallback = nullptr;
    void *mouseContext = nullptr;
    InputHook::MessageCallback messageCallback = nullptr;
    void *messageContext = nullptr;

    std::unique_ptr<X11InputSource> x11;
    bool filterInstalled = false;
    QPointer<MessageChannel> channel;
};

HookState &state()
{
    static HookState s;
    return s;
}

void installFilter()
{
    HookState &s = state();
    if (s.x11 && !s.filterInstalled && QCoreApplication::instance()) {
        QCoreApplication::instance()->installNativeEventFilter(s.x11.get());
        s.filterInstalled = true;
    }
}

void dropX11Source()
{
    HookState &s = state();
    if (s.x11 && s.filterInstalled && QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(s.x11.get());
    s.filterInstalled = false;
    s.x11.reset();
}

} // namespace

InputHook::InputHook(bool iso) : isoLayout(iso)
{
    HookState &s = state();
    s.instance = this;
    s.scanCodes = keytables::buildScanCodeTable();
    s.usages = keytables::buildUsageTable(isoLayout);
    installHooks();
}

InputHook::~InputHook()
{
    // An older object going after a newer one leaves the newer one's hooks.
    HookState &s = state();
    if (s.instance != this)
        return;
    removeHooks();
    dropX11Source();
    delete s.channel.data();
    s.instance = nullptr;
}

InputHook *InputHook::instance()
{
    return state().instance;
}

bool InputHook::installHooks()
{
    HookState &s = state();
    if (hooksInstalled())
        removeHooks();
    // Releases that came while no hook ran were never seen: a key still
    // marked as held would lose its next press.
    s.keyState.clear();
    if (!s.x11) {
        s.x11 = X11InputSource::create(
            [](quint32 message, const KeyboardEvent &event) { keyboardProc(keytables::kHookAction, message, event); },
            [](quint32 message, int x, int y) { mouseProc(message, x, y); });
    }
    if (!s.x11)
        return false;
    installFilter();
    return s.x11->select(true);
}

void InputHook::removeHooks()
{
    HookState &s = state();
    if (s.x11 && s.x11->selected())
        s.x11->select(false);
}

bool InputHook::hooksInstalled()
{
    const HookState &s = state();
    return s.x11 && s.x11->selected();
}

void InputHook::setKeyCallback(KeyCallback callback, void *context)
{
    state().keyCallback = callback;
    state().keyContext = context;
}

void InputHook::setMouseCallback(MouseCallback callback, void *context)
{
    state().mouseCallback = callback;
    state().mouseContext = context;
}

void InputHook::setMessageFilter(MessageCallback callback, QCoreApplication *application, void *context)
{
    HookState &s = state();
    s.messageCallback = callback;
    s.messageContext = context;
    installFilter();

    if (!application || s.channel)
        return;
    auto *channel =
        new MessageChannel([](const CopyDataMessage &message) { return messageFilter(message); }, application);
    if (channel->listen(MessageChannel::nameFor(QCoreApplication::applicationFilePath())))
        s.channel = channel;
    else
        delete channel;
}

QString InputHook::messageChannelName()
{
    const HookState &s = state();
    return s.channel ? s.channel->serverName() : QString();
}

void InputHook::keyboardProc(int code, quint32 message, const KeyboardEvent &event)
{
    HookState &s = state();
    const bool pressed = keyprocedure::isPress(code, message);
    const quint8 keyCode = keyprocedure::keyCodeFor(event, s.scanCodes, s.usages);
    if (keyCode == 0)
        return;
    if (!s.keyState.update(keyCode, pressed))
        return;
    if (s.keyCallback)
        s.keyCallback(keyCode, pressed, s.keyContext);
}

void InputHook::mouseProc(quint32 message, int x, int y)
{
    const HookState &s = state();
    const auto button = keytables::mouseButtonFor(message);
    if (button && s.mouseCallback)
        s.mouseCallback(button->buttonCode, button->pressed, x, y, s.mouseContext);
}

bool InputHook::messageFilter(const CopyDataMessage &message)
{
    const HookState &s = state();
    if (!s.messageCallback)
        return false;
    s.messageCallback(&message, s.messageContext);
    return true;
}
