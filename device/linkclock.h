#pragma once

#include <functional>

// The one sleep of the device link. Every fixed delay of an exchange (the
// settle pauses, the pause after each output report, the 8 ms steps of the
// idle wait) goes through here, so that tests can install a virtual clock
// that records each pause without waiting for it.
namespace linkclock {

// The longest the calling thread's event loop goes unserved during a pause.
inline constexpr int kStepMs = 8;

using Sleeper = std::function<void(int ms)>;

// Waits ms milliseconds (or advances the installed virtual clock). The
// calling thread's events are handled meanwhile, in steps of at most
// kStepMs, so a pause never freezes the window; the wait itself never ends
// early. Negative or zero values return at once.
void sleep(int ms);

// Installs a replacement for the real sleep; an empty function restores it.
// Install before any exchange starts, not while one runs.
void install(Sleeper sleeper);

} // namespace linkclock
