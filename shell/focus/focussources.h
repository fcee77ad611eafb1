#pragma once

#include "shell/focus/focuschoice.h"

class AutoProfile;
class FocusSource;
class QObject;

namespace focus {

// The source for a kind of desktop, made but not started; null for None and
// for kinds whose source this build lacks.
FocusSource *makeSource(FocusKind kind, QObject *parent);

// The D-Bus entry point and the source this desktop calls for, started and
// handed to `autoProfile`. Returns the kind chosen.
FocusKind startSources(AutoProfile &autoProfile, const FocusEnvironment &env);

} // namespace focus
