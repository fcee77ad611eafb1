// The mouse's side of the link as a fuzzer plays it: whatever comes back to
// the handshake, the queries, the profile read and the event reads, the
// transport must neither read nor write out of bounds.
//
// Input: byte 0 the entry's report length, byte 1 flags (bit 0 enciphered,
// bit 1 a secrecy code of the wrong length, bit 2 the 560 family, bit 3 a
// gun mouse); the rest answers the hidapi calls in order.
#include "fuzzhid.h"

#include "device/deviceowner.h"
#include "device/framing.h"
#include "device/hidthread.h"
#include "device/linkclock.h"

#include <QCoreApplication>

#include <array>

namespace {

class Owner : public DeviceOwner {
public:
    void showInfoBalloon(const QString &) override { }
    void setViewEnabled(bool) override { }
    void showCurrentDpi(int) override { }
};

void quiet(QtMsgType, const QMessageLogContext &, const QString &)
{ }

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    static int argc = 1;
    static char name[] = "fuzz_device_replies";
    static char *argv[] = {name, nullptr};
    new QCoreApplication(argc, argv);
    qInstallMessageHandler(quiet);
    // The link's pauses would only slow the fuzzer down.
    linkclock::install([](int) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const int reportLength = data[0] % 80; // 0 is a damaged table entry
    const uint8_t flags = data[1];

    Owner owner;

    DeviceEntry entry;
    entry.vid = 0x04d9;
    entry.pid = 0xa1ee;
    entry.reportLength = reportLength;
    entry.isEncode = flags & 1;
    entry.sCode = (flags & 2) ? QStringLiteral("51937") : QStringLiteral("519370");
    entry.cmdPath = QStringLiteral("fuzz:cmd");
    entry.eventPath = QStringLiteral("fuzz:event");

    Hid_Thread hid;
    hid.owner = &owner;
    hid.setDeviceModel(
        {(flags & 4) ? devicemodel::Family::F560 : devicemodel::Family::F553, bool(flags & 8), false, false});
    hid.setDeviceTable({entry});
    fuzzhid::feed(data + 2, size - 2);

    hid.chkDeviceIsEnCode(0);
    uchar a = 0, b = 0, c = 0, d = 0;
    hid.hid553_83H_GetKeyboardoption(a, b, c, d);
    hid.hid560_81H_GetKeyboardoption(a, b);
    hid.hid560_82H_GetCurrentProfile(a);
    hid.hid560_84H_GetCurrentDPI(a, b);
    hid.hid553_8BH_GetCurrentDPI(a);
    std::array<uchar, 128> image{};
    hid.hid560_8CH_readProfile(image.data(), 0);
    std::array<uchar, 128> macro{};
    hid.hid560_0FH_SetMacroKey(1, macro.data());

    // What is left comes in as event reports, as the listener reads them.
    while (fuzzhid::remaining() > 0) {
        uint8_t report[framing::kEventSize] = {};
        const int n = fuzzhid::readReport(report, sizeof report);
        int stage = 0;
        if (framing::dpiEvent(report, n, stage))
            (void)hid.dpiSwitchTexts.forStage(stage);
    }
    return 0;
}
