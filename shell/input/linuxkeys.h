#pragma once

#include "shell/input/keyprocedure.h"

#include <QtGlobal>

#include <array>
#include <cstddef>
#include <optional>

// The bridge from Linux input codes (an X key code less 8) to the PC scan
// code set 1 positions the keyboard procedure works on, so that its own
// scan-code and usage tables stay the only authority on key codes.
namespace linuxkeys {

// X key codes are Linux input codes plus 8.
inline constexpr quint32 kXKeyCodeOffset = 8;

struct ScanCode {
    quint8 scanCode;
    bool extended;
};

struct LinuxKeyRow {
    quint16 linuxCode;
    ScanCode scan;
};

inline constexpr std::size_t kLinuxKeyRowCount = 145;
extern const std::array<LinuxKeyRow, kLinuxKeyRowCount> kLinuxKeyRows;

// The set-1 position of a Linux input code; none for codes no PC keyboard
// sends.
std::optional<ScanCode> scanCodeFor(quint32 linuxCode);

// A keyboard event with its message, as the hook procedure receives it.
struct HookKeyEvent {
    quint32 message;
    KeyboardEvent event;
};

// Turns the key presses and releases of one keyboard into hook events. It
// follows Ctrl and Alt as a PC keyboard does: with Alt held, Print Screen
// sends 0x54, with Ctrl held, Pause sends Break (0x46 extended), and every
// event carries the Alt-down flag.
class KeyTranslator {
public:
    std::optional<HookKeyEvent> translate(quint32 linuxCode, bool pressed);

private:
    bool altHeld() const { return m_leftAlt || m_rightAlt; }
    bool ctrlHeld() const { return m_leftCtrl || m_rightCtrl; }

    bool m_leftAlt = false;
    bool m_rightAlt = false;
    bool m_leftCtrl = false;
    bool m_rightCtrl = false;
};

// The mouse message of a raw X button event (1 left, 2 middle, 3 right,
// 4 to 7 wheel, 8 and 9 side buttons); none for other buttons and for the
// release of a wheel step.
std::optional<quint32> mouseMessageFor(quint32 button, bool pressed);

} // namespace linuxkeys
