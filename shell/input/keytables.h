#pragma once

#include <QtGlobal>

#include <array>
#include <cstddef>
#include <map>
#include <optional>

// The tables that turn a keyboard event into the key code of the mouse's
// vocabulary (a usage ID of the USB HID Keyboard/Keypad page, or 0xF0 to
// 0xF4 for the mouse buttons). A scan code and its extended flag give a
// virtual-key code; the virtual-key code gives the key code. In both tables
// 0 stands for "no key".
namespace keytables {

// Message numbers of the hook events.
inline constexpr quint32 kKeyDown = 0x0100;
inline constexpr quint32 kKeyUp = 0x0101;
inline constexpr quint32 kSysKeyDown = 0x0104;
inline constexpr quint32 kSysKeyUp = 0x0105;

inline constexpr quint32 kMouseMove = 0x0200;
inline constexpr quint32 kLeftButtonDown = 0x0201;
inline constexpr quint32 kLeftButtonUp = 0x0202;
inline constexpr quint32 kLeftButtonDoubleClick = 0x0203;
inline constexpr quint32 kRightButtonDown = 0x0204;
inline constexpr quint32 kRightButtonUp = 0x0205;
inline constexpr quint32 kRightButtonDoubleClick = 0x0206;
inline constexpr quint32 kMiddleButtonDown = 0x0207;
inline constexpr quint32 kMiddleButtonUp = 0x0208;
inline constexpr quint32 kWheel = 0x020A;
inline constexpr quint32 kSideButtonDown = 0x020B;
inline constexpr quint32 kSideButtonUp = 0x020C;
inline constexpr quint32 kHorizontalWheel = 0x020E;

// Bits of a keyboard event's flags.
inline constexpr quint32 kFlagExtended = 0x01;
inline constexpr quint32 kFlagAltDown = 0x20;

// Hook code of an event that is to be processed.
inline constexpr int kHookAction = 0;

struct ScanCodeRow {
    quint8 scanCode;
    bool extended;
    quint8 virtualKey;
};

struct UsageRow {
    quint8 virtualKey;
    quint8 keyCode;
};

struct MouseButtonRow {
    quint32 message;
    quint8 buttonCode;
    bool pressed;
};

inline constexpr std::size_t kScanCodeRowCount = 105;
inline constexpr std::size_t kUsageRowCount = 121;
inline constexpr std::size_t kMouseButtonRowCount = 6;

extern const std::array<ScanCodeRow, kScanCodeRowCount> kScanCodeRows;
extern const std::array<UsageRow, kUsageRowCount> kUsageRows;
extern const std::array<MouseButtonRow, kMouseButtonRowCount> kMouseButtonRows;

// The key with virtual-key code 0xDC (backslash on a US keyboard) is the
// non-US hash and tilde key on an ISO layout.
inline constexpr quint8 kBackslashVirtualKey = 0xDC;
inline constexpr quint8 kBackslashKeyCode = 0x31;
inline constexpr quint8 kIsoHashKeyCode = 0x32;

// Key of the scan-code table: scan code x 256 + extended flag.
constexpr quint16 scanCodeKey(quint8 scanCode, bool extended)
{
    return quint16(scanCode * 256 + (extended ? 1 : 0));
}

using ScanCodeTable = std::map<quint16, quint8>;
using UsageTable = std::map<quint8, quint8>;

ScanCodeTable buildScanCodeTable();
UsageTable buildUsageTable(bool isoLayout);

quint8 lookup(const ScanCodeTable &table, quint16 key);
quint8 lookup(const UsageTable &table, quint8 virtualKey);

struct MouseButton {
    quint8 buttonCode;
    bool pressed;
};

// The button and press state of a mouse message; none for movement, the
// wheels, the side buttons and the double-click messages.
std::optional<MouseButton> mouseButtonFor(quint32 message);

} // namespace keytables
