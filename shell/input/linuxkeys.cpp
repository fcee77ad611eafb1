#include "shell/input/linuxkeys.h"

#include "shell/input/keytables.h"

#include <algorithm>

namespace linuxkeys {

namespace {

constexpr bool E = true;
constexpr bool N = false;

constexpr quint16 kLeftCtrl = 29;
constexpr quint16 kLeftAlt = 56;
constexpr quint16 kRightCtrl = 97;
constexpr quint16 kPrintScreen = 99;
constexpr quint16 kRightAlt = 100;
constexpr quint16 kPause = 119;

// Codes 1 to 83 are the set-1 positions themselves, except that the hooks
// report Num Lock and the right Shift with the extended flag. Pause is 0x45
// without the flag, which keeps it apart from Num Lock.
// clang-format off
constexpr auto kRows = std::to_array<LinuxKeyRow>({
    {1, {0x01, N}},  {2, {0x02, N}},  {3, {0x03, N}},  {4, {0x04, N}},  {5, {0x05, N}},
    {6, {0x06, N}},  {7, {0x07, N}},  {8, {0x08, N}},  {9, {0x09, N}},  {10, {0x0A, N}},
    {11, {0x0B, N}}, {12, {0x0C, N}}, {13, {0x0D, N}}, {14, {0x0E, N}}, {15, {0x0F, N}},
    {16, {0x10, N}}, {17, {0x11, N}}, {18, {0x12, N}}, {19, {0x13, N}}, {20, {0x14, N}},
    {21, {0x15, N}}, {22, {0x16, N}}, {23, {0x17, N}}, {24, {0x18, N}}, {25, {0x19, N}},
    {26, {0x1A, N}}, {27, {0x1B, N}}, {28, {0x1C, N}}, {29, {0x1D, N}}, {30, {0x1E, N}},
    {31, {0x1F, N}}, {32, {0x20, N}}, {33, {0x21, N}}, {34, {0x22, N}}, {35, {0x23, N}},
    {36, {0x24, N}}, {37, {0x25, N}}, {38, {0x26, N}}, {39, {0x27, N}}, {40, {0x28, N}},
    {41, {0x29, N}}, {42, {0x2A, N}}, {43, {0x2B, N}}, {44, {0x2C, N}}, {45, {0x2D, N}},
    {46, {0x2E, N}}, {47, {0x2F, N}}, {48, {0x30, N}}, {49, {0x31, N}}, {50, {0x32, N}},
    {51, {0x33, N}}, {52, {0x34, N}}, {53, {0x35, N}}, {54, {0x36, E}}, {55, {0x37, N}},
    {56, {0x38, N}}, {57, {0x39, N}}, {58, {0x3A, N}}, {59, {0x3B, N}}, {60, {0x3C, N}},
    {61, {0x3D, N}}, {62, {0x3E, N}}, {63, {0x3F, N}}, {64, {0x40, N}}, {65, {0x41, N}},
    {66, {0x42, N}}, {67, {0x43, N}}, {68, {0x44, N}}, {69, {0x45, E}}, {70, {0x46, N}},
    {71, {0x47, N}}, {72, {0x48, N}}, {73, {0x49, N}}, {74, {0x4A, N}}, {75, {0x4B, N}},
    {76, {0x4C, N}}, {77, {0x4D, N}}, {78, {0x4E, N}}, {79, {0x4F, N}}, {80, {0x50, N}},
    {81, {0x51, N}}, {82, {0x52, N}}, {83, {0x53, N}},
    {86, {0x56, N}},   // key beside the left Shift on ISO keyboards
    {87, {0x57, N}},   // F11
    {88, {0x58, N}},   // F12
    {89, {0x73, N}},   // Ro
    {92, {0x79, N}},   // Henkan
    {93, {0x70, N}},   // Katakana/Hiragana
    {94, {0x7B, N}},   // Muhenkan
    {96, {0x1C, E}},   // keypad Enter
    {97, {0x1D, E}},   // right Ctrl
    {98, {0x35, E}},   // keypad slash
    {99, {0x37, E}},   // Print Screen
    {100, {0x38, E}},  // right Alt
    {102, {0x47, E}},  // Home
    {103, {0x48, E}},  // Up
    {104, {0x49, E}},  // Page Up
    {105, {0x4B, E}},  // Left
    {106, {0x4D, E}},  // Right
    {107, {0x4F, E}},  // End
    {108, {0x50, E}},  // Down
    {109, {0x51, E}},  // Page Down
    {110, {0x52, E}},  // Insert
    {111, {0x53, E}},  // Delete
    {113, {0x20, E}},  // Mute
    {114, {0x2E, E}},  // Volume Down
    {115, {0x30, E}},  // Volume Up
    {116, {0x5E, E}},  // Power
    {117, {0x59, N}},  // keypad equals
    {119, {0x45, N}},  // Pause
    {121, {0x7E, N}},  // keypad comma
    {124, {0x7D, N}},  // Yen
    {125, {0x5B, E}},  // left Windows key
    {126, {0x5C, E}},  // right Windows key
    {127, {0x5D, E}},  // Menu
    {128, {0x68, E}},  // browser Stop
    {140, {0x21, E}},  // Calculator
    {142, {0x5F, E}},  // Sleep
    {143, {0x63, E}},  // Wake
    {155, {0x6C, E}},  // Mail
    {156, {0x66, E}},  // browser Favourites
    {157, {0x6B, E}},  // My Computer
    {158, {0x6A, E}},  // browser Back
    {159, {0x69, E}},  // browser Forward
    {163, {0x19, E}},  // Next Track
    {164, {0x22, E}},  // Play/Pause
    {165, {0x10, E}},  // Previous Track
    {166, {0x24, E}},  // Stop
    {172, {0x32, E}},  // browser Home
    {173, {0x67, E}},  // browser Refresh
    {183, {0x64, N}},  {184, {0x65, N}}, {185, {0x66, N}}, {186, {0x67, N}},   // F13 to F16
    {187, {0x68, N}},  {188, {0x69, N}}, {189, {0x6A, N}}, {190, {0x6B, N}},   // F17 to F20
    {191, {0x6C, N}},  {192, {0x6D, N}}, {193, {0x6E, N}}, {194, {0x76, N}},   // F21 to F24
    {217, {0x65, E}},  // browser Search
    {226, {0x6D, E}},  // Media Select
});
// clang-format on
static_assert(kRows.size() == kLinuxKeyRowCount);
static_assert(std::is_sorted(kRows.begin(), kRows.end(),
                             [](const LinuxKeyRow &a, const LinuxKeyRow &b) { return a.linuxCode <= b.linuxCode; }),
              "rows must be in strictly rising order of code");

} // namespace

const std::array<LinuxKeyRow, kLinuxKeyRowCount> kLinuxKeyRows = kRows;

std::optional<ScanCode> scanCodeFor(quint32 linuxCode)
{
    const auto it = std::lower_bound(kLinuxKeyRows.begin(), kLinuxKeyRows.end(), linuxCode,
                                     [](const LinuxKeyRow &row, quint32 code) { return row.linuxCode < code; });
    if (it == kLinuxKeyRows.end() || it->linuxCode != linuxCode)
        return std::nullopt;
    return it->scan;
}

std::optional<HookKeyEvent> KeyTranslator::translate(quint32 linuxCode, bool pressed)
{
    switch (linuxCode) {
    case kLeftAlt:
        m_leftAlt = pressed;
        break;
    case kRightAlt:
        m_rightAlt = pressed;
        break;
    case kLeftCtrl:
        m_leftCtrl = pressed;
        break;
    case kRightCtrl:
        m_rightCtrl = pressed;
        break;
    default:
        break;
    }

    std::optional<ScanCode> scan = scanCodeFor(linuxCode);
    if (!scan)
        return std::nullopt;
    if (linuxCode == kPrintScreen && altHeld())
        scan = ScanCode{keyprocedure::kAltPrintScreenScanCode, false};
    else if (linuxCode == kPause && ctrlHeld())
        scan = ScanCode{keyprocedure::kBreakScanCode, true};

    HookKeyEvent hook{};
    const bool alt = altHeld();
    if (pressed)
        hook.message = alt ? keytables::kSysKeyDown : keytables::kKeyDown;
    else
        hook.message = alt ? keytables::kSysKeyUp : keytables::kKeyUp;
    hook.event.scanCode = scan->scanCode;
    hook.event.flags = (scan->extended ? keytables::kFlagExtended : 0u) | (alt ? keytables::kFlagAltDown : 0u);
    return hook;
}

std::optional<quint32> mouseMessageFor(quint32 button, bool pressed)
{
    switch (button) {
    case 1:
        return pressed ? keytables::kLeftButtonDown : keytables::kLeftButtonUp;
    case 2:
        return pressed ? keytables::kMiddleButtonDown : keytables::kMiddleButtonUp;
    case 3:
        return pressed ? keytables::kRightButtonDown : keytables::kRightButtonUp;
    case 4:
    case 5:
        if (pressed)
            return keytables::kWheel;
        return std::nullopt;
    case 6:
    case 7:
        if (pressed)
            return keytables::kHorizontalWheel;
        return std::nullopt;
    case 8:
    case 9:
        return pressed ? keytables::kSideButtonDown : keytables::kSideButtonUp;
    default:
        return std::nullopt;
    }
}

} // namespace linuxkeys
