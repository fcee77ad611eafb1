#include "shell/input/keyprocedure.h"

namespace keyprocedure {

bool isPress(int code, quint32 message)
{
    return code == keytables::kHookAction && (message == keytables::kKeyDown || message == keytables::kSysKeyDown);
}

quint8 virtualKeyFor(const KeyboardEvent &event, const keytables::ScanCodeTable &scanCodes)
{
    const quint8 scanCode = event.scanCode > 0xFF ? 0 : quint8(event.scanCode);
    const bool extended = event.flags & keytables::kFlagExtended;
    if (scanCode == kBreakScanCode && extended)
        return kPauseVirtualKey;
    if (scanCode == kAltPrintScreenScanCode && (event.flags & keytables::kFlagAltDown))
        return kPrintScreenVirtualKey;
    return keytables::lookup(scanCodes, keytables::scanCodeKey(scanCode, extended));
}

quint8 keyCodeFor(const KeyboardEvent &event, const keytables::ScanCodeTable &scanCodes,
                  const keytables::UsageTable &usages)
{
    const quint8 virtualKey = virtualKeyFor(event, scanCodes);
    return virtualKey == 0 ? 0 : keytables::lookup(usages, virtualKey);
}

} // namespace keyprocedure

bool KeyStateTable::update(quint8 keyCode, bool pressed)
{
    if (m_held[keyCode] == pressed)
        return false;
    m_held[keyCode] = pressed;
    return true;
}
