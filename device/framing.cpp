#include "device/framing.h"

namespace framing {

uint8_t checksum(const uint8_t *bytes)
{
    uint8_t sum = 0;
    for (int i = 0; i < kSummedBytes; ++i)
        sum = uint8_t(sum + bytes[i]);
    return uint8_t(~sum);
}

Report commandReport(uint8_t code, const Args &args)
{
    Report report{};
    report[kReportIdOffset] = kReportId;
    report[kCodeOffset] = code;
    for (int i = 0; i < kArgCount; ++i)
        report[kArgsOffset + i] = args[i];
    report[kChecksumOffset] = checksum(report.data() + kCodeOffset);
    return report;
}

bool dpiEvent(const uint8_t *report, int length, int &stage)
{
    if (length != kEventSize || report[0] != kEventReportId || report[1] != kEventDpiSwitched)
        return false;
    stage = report[kEventStageOffset];
    return true;
}

} // namespace framing
