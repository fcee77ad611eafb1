#include "shell/focus/focussources.h"

#include "shell/focus/autoprofile.h"
#include "shell/focus/desktop/kwinscript.h"
#include "shell/focus/desktop/wlrfocussource.h"
#include "shell/focus/focusbusentry.h"
#include "shell/focus/focuslog.h"
#include "shell/focus/x11focussource.h"

Q_LOGGING_CATEGORY(lcFocus, "orbex.shell.focus", QtInfoMsg)

namespace focus {

FocusSource *makeSource(FocusKind kind, QObject *parent)
{
    switch (kind) {
    case FocusKind::X11:
        return new X11FocusSource({}, parent);
    case FocusKind::KWin:
        // Loads the package's script into KWin; the script then calls the
        // entry point, so this source itself never reports a window.
        return new KWinScriptSource(parent);
    case FocusKind::Wlr:
        return new WlrFocusSource({}, parent);
    case FocusKind::GnomeShell:
        // The extension calls the entry point, which is always there.
        return nullptr;
    case FocusKind::None:
        return nullptr;
    }
    return nullptr;
}

FocusKind startSources(AutoProfile &autoProfile, const FocusEnvironment &env)
{
    const FocusKind kind = chooseFocusSource(env);
    qCInfo(lcFocus) << "desktop:" << kindName(kind);
    // Desktop scripts, and anyone the user sets up, may call the entry point
    // whichever source is chosen.
    // It makes switching available only where the desktop's script is what
    // calls it.
    const bool scripted = kind == FocusKind::KWin || kind == FocusKind::GnomeShell;
    autoProfile.addSource(new FocusBusEntry, scripted);
    autoProfile.addSource(makeSource(kind, nullptr));
    return kind;
}

} // namespace focus
