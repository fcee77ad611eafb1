#pragma once

#include "device/framing.h"

#include <array>
#include <cstdint>
#include <span>

// Every command of both families as data: code, where its argument bytes
// come from, payload, exchange, settle flag and the line written when the
// link stays busy. The transport's command slots are thin calls of one
// runner over these entries.
namespace commandset {

enum class Exchange : uint8_t {
    Send,        // command report, then the payload if any
    Query,       // command report, then the 9-byte reply report
    PerProfile,  // one Send per on-board profile 1 (to 4 on a gun mouse)
    ReadPayload, // Query, then the payload read back from the mouse
};

// Source of one argument byte (report bytes 2 to 7).
struct Arg {
    enum Kind : uint8_t { Zero, Param, Fixed, Profile };
    Kind kind = Zero;
    uint8_t value = 0; // parameter index for Param, the byte for Fixed
};

constexpr Arg zero()
{
    return {Arg::Zero, 0};
}
constexpr Arg param(int index)
{
    return {Arg::Param, uint8_t(index)};
}
constexpr Arg fixed(uint8_t byte)
{
    return {Arg::Fixed, byte};
}
constexpr Arg profile()
{
    return {Arg::Profile, 0};
}

constexpr int kMaxParams = 4;
constexpr int kNoPayloadParam = -1;

struct Command {
    const char *name;
    uint8_t code;
    std::array<Arg, framing::kArgCount> args;
    Exchange exchange;
    int payload;      // bytes sent after the command, or read back
    int payloadParam; // when set, that parameter gives the payload length
    bool settle;
    int replyValues;     // query: parameters filled from reply bytes 2 onwards
    bool presetZero;     // query: reply preset with zeros, not the parameters
    const char *failure; // written when the link stays busy
};

constexpr int kKeyMatrix553 = 64;
constexpr int kBlock128 = 128;
constexpr int kDpiCodes = 8;
constexpr int kStageColours = 24;
constexpr int kStageColoursShort = 4;
constexpr uint8_t kStageColourShortType = 2;
constexpr int kKeyMatrix560Used = 64; // the rest of the 128 bytes is zero

// clang-format off
// 553 family.
constexpr Command k553_00H{.name = "hid553_00H_GetSecrecyCode", .code = 0x00,
    .args = {param(0), param(1), param(2), param(3), zero(), zero()},
    .exchange = Exchange::Query, .payload = 0, .payloadParam = kNoPayloadParam,
    .settle = false, .replyValues = 4, .presetZero = true,
    .failure = "cmd Failed 00"};
constexpr Command k553_83H{.name = "hid553_83H_GetKeyboardoption", .code = 0x83,
    .args = {},
    .exchange = Exchange::Query, .payload = 0, .payloadParam = kNoPayloadParam,
    .settle = false, .replyValues = 4, .presetZero = false,
    .failure = "cmd Failed 83"};
constexpr Command k553_8BH{.name = "hid553_8BH_GetCurrentDPI", .code = 0x8B,
    .args = {},
    .exchange = Exchange::Query, .payload = 0, .payloadParam = kNoPayloadParam,
    .settle = false, .replyValues = 1, .presetZero = false,
    .failure = "cmd Failed 8BH"};
constexpr Command k553_03H{.name = "hid553_03H_SetKeyboardoption", .code = 0x03,
    .args = {param(0), param(1), param(2), param(3), zero(), zero()},
    .exchange = Exchange::Send, .payload = 0, .payloadParam = kNoPayloadParam,
    .settle = false, .replyValues = 0, .presetZero = false,
    .failure = "cmd Failed 03"};
constexpr Command k553_04H{.name = "hid553_04H_SetGunData", .code = 0x04,
    .args = {fixed(0x00), param(0), param(1), param(2), param(3), zero()},
    .exchange = Exchange::Send, .payload = 0, .payloadParam = kNoPayloadParam,
    .settle = false, .replyValues = 0, .presetZero = false,
    .failure = "cmd Failed 04"};
constexpr Command k553_01H{.name = "hid553_01H_SetReportRate", .code = 0x01,
    .args = {param(0)},
    .exchange = Exchange::Send, .payload = 0, .payloadParam = kNoPayloadParam,
    .settle = true, .replyValues = 0, .presetZero = false,
    .failure = "cmd Failed 01"};
constexpr Command k553_0BH{.name = "hid553_0BH_SetCurrentDPI", .code = 0x0B,
    .args = {param(0)},
    .exchange = Exchange::Send, .payload = 0, .payloadParam = kNoPayloadParam,
    .settle = true, .replyValues = 0, .presetZero = false,
    .failure = "cmd Failed 0B"};
constexpr Command k553_12H{.name = "hid553_12H_SetKeyMatrix", .code = 0x12,
    .args = {param(0), fixed(kKeyMatrix553), fixed(0x08), zero(), zero(), zero()},
    .exchange = Exchange::Send, .payload = kKeyMatrix553, .payloadParam = kNoPayloadParam,
    .settle = true, .replyValues = 0, .presetZero = false,
    .failure = "cmd Failed 12"};
constexpr Command k553_13H{.name = "hid553_13H_SetMacroKey", .code = 0x13,
    .args = {param(0), fixed(kBlock128), zero(), zero(), zero(), zero()},
    .exchange = Exchange::Send, .payload = kBlock128, .payloadParam = kNoPayloadParam,
    .settle = true, .replyValues = 0, .presetZero = false,
    .failure = "cmd Failed 13"};
constexpr Command k553_11H{.name = "hid553_11H_SetDPISet", .code = 0x11,
    .args = {param(0), fixed(kDpiCodes), zero(), zero(), zero(), zero()},
    .exchange = Exchange::Send, .payload = kDpiCodes, .payloadParam = kNoPayloadParam,
    .settle = true, .replyValues = 0, .presetZero = false,
    .failure = "cmd Failed 11"};
constexpr Command k553_02H{.name = "hid553_02H_SetCurrentKeyMatrix", .code = 0x02,
    .args = {param(0)},
    .exchange = Exchange::Send, .payload = 0, .payloadParam = kNoPayloadParam,
    .settle = true, .replyValues = 0, .presetZero = false,
    .failure = "cmd Failed 02"};
constexpr Command k553_0DH{.name = "hid553_0DH_SetRGBLedEffect", .code = 0x0D,
    .args = {param(0), param(1), param(2), zero(), zero(), zero()},
    .exchange = Exchange::Send, .payload = 0, .payloadParam = kNoPayloadParam,
    .settle = true, .replyValues = 0, .presetZero = false,
    .failure = "cmd Failed 0D"};
constexpr Command k553_0CH{.name = "hid553_0CH_SetFixLEDColor", .code = 0x0C,
    .args = {param(0), param(1), param(2), zero(), zero(), zero()},
    .exchange = Exchange::Send, .payload = 0, .payloadParam = kNoPayloadParam,
    .settle = true, .replyValues = 0, .presetZero = false,
    .failure = "cmd Failed 0C"};
// Parameter 1 is the colour byte count, 4 for type 2, else 24.
constexpr Command k553_10H{.name = "hid553_10H_SetLED8StageColor", .code = 0x10,
    .args = {param(0), param(1), zero(), zero(), zero(), zero()},
    .exchange = Exchange::Send, .payload = kStageColours, .payloadParam = 1,
    .settle = true, .replyValues = 0, .presetZero = false,
    .failure = "cmd Failed 10"};

// 560 family.
constexpr Command k560_81H{.name = "hid560_81H_GetKeyboardoption", .code = 0x81,
    .args = {},
    .exchange = Exchange::Query, .payload = 0, .payloadParam = kNoPayloadParam,
    .settle = false, .replyValues = 2, .presetZero = false,
    .failure = "cmd Failed 81"};
constexpr Command k560_82H{.name = "hid560_82H_GetCurrentProfile", .code = 0x82,
    .args = {},
    .exchange = Exchange::Query, .payload = 0, .payloadParam = kNoPayloadParam,
    .settle = false, .replyValues = 1, .presetZero = false,
    .failure = "cmd Failed 82"};
constexpr Command k560_84H{.name = "hid560_84H_GetCurrentDPI", .code = 0x84,
    .args = {param(0)},
    .exchange = Exchange::Query, .payload = 0, .payloadParam = kNoPayloadParam,
    .settle = false, .replyValues = 2, .presetZero = false,
    .failure = "cmd Failed 84"};
constexpr Command k560_01H{.name = "hid560_01H_SetKeyboardoption", .code = 0x01,
    .args = {param(0), param(1), zero(), zero(), zero(), zero()},
    .exchange = Exchange::Send, .payload = 0, .payloadParam = kNoPayloadParam,
    .settle = false, .replyValues = 0, .presetZero = false,
    .failure = "cmd Failed 01"};
constexpr Command k560_03H{.name = "hid560_03H_SetReportRate", .code = 0x03,
    .args = {profile(), param(0), zero(), zero(), zero(), zero()},
    .exchange = Exchange::PerProfile, .payload = 0, .payloadParam = kNoPayloadParam,
    .settle = true, .replyValues = 0, .presetZero = false,
    .failure = "cmd Failed 03"};
constexpr Command k560_04H{.name = "hid560_04H_SetCurrentDPI", .code = 0x04,
    .args = {profile(), param(0), zero(), zero(), zero(), zero()},
    .exchange = Exchange::PerProfile, .payload = 0, .payloadParam = kNoPayloadParam,
    .settle = true, .replyValues = 0, .presetZero = false,
    .failure = "cmd Failed 04"};
constexpr Command k560_0DH{.name = "hid560_0DH_SetKeyMatrix", .code = 0x0D,
    .args = {param(0), fixed(kBlock128), zero(), zero(), zero(), zero()},
    .exchange = Exchange::Send, .payload = kBlock128, .payloadParam = kNoPayloadParam,
    .settle = true, .replyValues = 0, .presetZero = false,
    .failure = "cmd Failed 0D"};
constexpr Command k560_0CH{.name = "hid560_0CH_setProfile", .code = 0x0C,
    .args = {param(0), fixed(kBlock128), zero(), zero(), zero(), zero()},
    .exchange = Exchange::Send, .payload = kBlock128, .payloadParam = kNoPayloadParam,
    .settle = true, .replyValues = 0, .presetZero = false,
    .failure = "cmd Failed 0C"};
constexpr Command k560_8CH{.name = "hid560_8CH_readProfile", .code = 0x8C,
    .args = {param(0)},
    .exchange = Exchange::ReadPayload, .payload = kBlock128, .payloadParam = kNoPayloadParam,
    .settle = false, .replyValues = 0, .presetZero = false,
    .failure = "cmd Failed 8c"};
constexpr Command k560_02H{.name = "hid560_02H_SetCurrentProfile", .code = 0x02,
    .args = {param(0)},
    .exchange = Exchange::Send, .payload = 0, .payloadParam = kNoPayloadParam,
    .settle = false, .replyValues = 0, .presetZero = false,
    .failure = "cmd Failed 02"};
constexpr Command k560_0FH{.name = "hid560_0FH_SetMacroKey", .code = 0x0F,
    .args = {param(0), fixed(kBlock128), zero(), zero(), zero(), zero()},
    .exchange = Exchange::Send, .payload = kBlock128, .payloadParam = kNoPayloadParam,
    .settle = true, .replyValues = 0, .presetZero = false,
    .failure = "cmd Failed 0F"};

// clang-format on
constexpr std::array kAllCommands = {
    &k553_00H, &k553_83H, &k553_8BH, &k553_03H, &k553_04H, &k553_01H, &k553_0BH, &k553_12H, &k553_13H,
    &k553_11H, &k553_02H, &k553_0DH, &k553_0CH, &k553_10H, &k560_81H, &k560_82H, &k560_84H, &k560_01H,
    &k560_03H, &k560_04H, &k560_0DH, &k560_0CH, &k560_8CH, &k560_02H, &k560_0FH,
};
static_assert(kAllCommands.size() == 25);

// The six argument bytes of a command from its parameters (missing ones
// count as 0) and, for per-profile commands, the profile number.
framing::Args arguments(const Command &command, std::span<const uint8_t> params, uint8_t profileNo = 0);

// The payload length that goes with these parameters.
int payloadLength(const Command &command, std::span<const uint8_t> params);

} // namespace commandset
