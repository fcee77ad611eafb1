#pragma once

#include "shell/input/keytables.h"

#include <array>

// One keyboard event as the hook procedure sees it.
struct KeyboardEvent {
    quint32 vkCode = 0; // not used: the scan code decides
    quint32 scanCode = 0;
    quint32 flags = 0; // keytables::kFlagExtended, keytables::kFlagAltDown
};

namespace keyprocedure {

// Ctrl+Break arrives as extended 0x46, Alt+Print Screen as 0x54.
inline constexpr quint8 kBreakScanCode = 0x46;
inline constexpr quint8 kAltPrintScreenScanCode = 0x54;
inline constexpr quint8 kPauseVirtualKey = 0x13;
inline constexpr quint8 kPrintScreenVirtualKey = 0x2C;

// True only for a key-down event to be processed.
bool isPress(int code, quint32 message);

// The virtual-key code of an event, 0 when the tables know no such key.
quint8 virtualKeyFor(const KeyboardEvent &event, const keytables::ScanCodeTable &scanCodes);

// The key code of an event, 0 for no key.
quint8 keyCodeFor(const KeyboardEvent &event, const keytables::ScanCodeTable &scanCodes,
                  const keytables::UsageTable &usages);

} // namespace keyprocedure

// Which keys are held down as far as notices have been sent: a repeated
// key-down of a held key and the release of a key never reported pressed
// give no notice.
class KeyStateTable {
public:
    // Records the new state; true when it differs from the recorded one and
    // a notice is due.
    bool update(quint8 keyCode, bool pressed);
    bool isHeld(quint8 keyCode) const { return m_held[keyCode]; }
    void clear() { m_held.fill(false); }

private:
    std::array<bool, 256> m_held{};
};
