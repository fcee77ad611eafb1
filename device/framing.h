#pragma once

#include <array>
#include <cstdint>

// The reports every command of both families shares.
//
// Command report (feature report): report ID 0, then the 8-byte command
// block: code, six argument bytes, checksum over the plain block.
// Reply report: report ID 0, then the 8-byte reply block; the values start
// at report byte 2.
// Event report (event interface): 06 07 xx s, s the DPI stage counted from 1.
namespace framing {

constexpr int kReportSize = 9;
constexpr int kBlockSize = 8;
constexpr int kArgCount = 6;
constexpr int kSummedBytes = 7; // code and arguments

constexpr int kReportIdOffset = 0;
constexpr int kBlockOffset = 1; // the block within a report
constexpr int kCodeOffset = 1;
constexpr int kArgsOffset = 2;
constexpr int kChecksumOffset = 8;
constexpr int kReplyValuesOffset = 2; // first value byte of a reply report

constexpr uint8_t kReportId = 0x00;

constexpr int kEventSize = 4;
constexpr uint8_t kEventReportId = 0x06;
constexpr uint8_t kEventDpiSwitched = 0x07;
constexpr int kEventStageOffset = 3;

using Report = std::array<uint8_t, kReportSize>;
using Args = std::array<uint8_t, kArgCount>;

static_assert(kBlockOffset + kBlockSize == kReportSize);
static_assert(kArgsOffset + kArgCount == kChecksumOffset);
static_assert(kChecksumOffset == kReportSize - 1);

// Bitwise NOT of the 8-bit sum of the seven bytes from `bytes`.
uint8_t checksum(const uint8_t *bytes);

// The plain command report for a code and its six argument bytes.
Report commandReport(uint8_t code, const Args &args);

// True for 06 07 xx s; `stage` receives s.
bool dpiEvent(const uint8_t *report, int length, int &stage);

} // namespace framing
