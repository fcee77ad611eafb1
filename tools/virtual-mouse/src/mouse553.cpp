#include "mouse553.h"

#include <algorithm>

namespace vm {
namespace {

enum Code : uint8_t {
    SetReportRate = 0x01,
    SetCurrentKeyMatrix = 0x02,
    SetKeyboardOption = 0x03,
    SetGunData = 0x04,
    SetCurrentDpi = 0x0B,
    SetFixLedColor = 0x0C,
    SetRgbLedEffect = 0x0D,
    SetLed8StageColor = 0x10,
    SetDpiSet = 0x11,
    SetKeyMatrix = 0x12,
    SetMacroKey = 0x13,
    GetKeyboardOption = 0x83,
    GetCurrentDpi = 0x8B,
};

// 04H carries 0x00 in its first argument, then the three values and the slot.
constexpr std::size_t kGunFirstValue = kArg2;
constexpr std::size_t kGunSlot = kArg5;

// Announced length, when it fits the field the command writes.
int announced(const Block &cmd, std::size_t fieldSize)
{
    const uint8_t n = cmd[kArg2];
    return n >= 1 && n <= fieldSize ? n : -1;
}

} // namespace

std::array<uint8_t, 64> factoryKeyMatrix()
{
    std::array<uint8_t, 64> m{};
    const uint8_t buttons[] = {0xF0, 0xF1, 0xF2, 0xF3, 0xF4};
    for (std::size_t k = 0; k < 5; ++k) {
        m[4 * k] = 0x01;
        m[4 * k + 2] = buttons[k];
    }
    m[4 * 5] = 0x07; // DPI loop
    m[4 * 5 + 2] = 0x03;
    return m;
}

Mouse553::Mouse553()
{
    dpiCodes = {0x07, 0x0F, 0x17, 0x1F, 0x80, 0x80, 0x80, 0x80};
    keyMatrices.fill(factoryKeyMatrix());
    ledEffect = {0x01, 0x07, 0x02};
    fixColor = {0xFF, 0x00, 0x00};
    stageColors = {0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00,
                   0x00, 0xFF, 0xFF, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x80, 0x00};
}

int Mouse553::payloadLength(const Block &cmd) const
{
    const uint8_t a1 = cmd[kArg1];
    switch (cmd[kCodePos]) {
    case SetReportRate:
        return 0;
    case SetCurrentDpi:
        return a1 >= 1 && a1 <= kStages ? 0 : -1;
    case SetCurrentKeyMatrix:
        return a1 < kKeyMatrices ? 0 : -1;
    case SetGunData:
        return cmd[kGunSlot] < kGunSlots ? 0 : -1;
    case SetKeyboardOption:
    case SetFixLedColor:
    case SetRgbLedEffect:
    case GetKeyboardOption:
    case GetCurrentDpi:
        return 0;
    case SetKeyMatrix:
        return a1 >= 1 && a1 <= kKeyMatrices ? announced(cmd, kKeyMatrixSize) : -1;
    case SetMacroKey:
        return a1 >= 1 && a1 <= kMacroSlots ? announced(cmd, kMacroSize) : -1;
    case SetDpiSet:
        return a1 <= kStages ? announced(cmd, kStages) : -1;
    case SetLed8StageColor:
        return announced(cmd, kStageColorBytes);
    default:
        return -1;
    }
}

void Mouse553::execute(const Block &cmd, std::span<const uint8_t> payload, Execution &out)
{
    const uint8_t a1 = cmd[kArg1];
    auto store = [&payload](auto &field) {
        std::copy_n(payload.begin(), std::min(payload.size(), field.size()), field.begin());
    };
    switch (cmd[kCodePos]) {
    case SetReportRate:
        reportRate = a1;
        break;
    case SetCurrentDpi:
        currentDpi = a1;
        break;
    case SetCurrentKeyMatrix:
        currentKeyMatrix = a1;
        break;
    case SetKeyboardOption:
        std::copy_n(cmd.begin() + kArg1, kOptionBytes, keyboardOption.begin());
        break;
    case SetGunData:
        std::copy_n(cmd.begin() + kGunFirstValue, kGunValues, gunData[cmd[kGunSlot]].begin());
        break;
    case SetFixLedColor:
        std::copy_n(cmd.begin() + kArg1, 3, fixColor.begin());
        break;
    case SetRgbLedEffect:
        std::copy_n(cmd.begin() + kArg1, 3, ledEffect.begin());
        break;
    case SetKeyMatrix:
        store(keyMatrices[a1 - 1]);
        break;
    case SetMacroKey:
        store(macros[a1 - 1]);
        break;
    case SetDpiSet:
        dpiCount = a1;
        store(dpiCodes);
        break;
    case SetLed8StageColor:
        stageColorType = a1;
        store(stageColors);
        break;
    case GetKeyboardOption:
        std::copy_n(keyboardOption.begin(), kOptionBytes, out.reply.begin() + kArg1);
        break;
    case GetCurrentDpi:
        out.reply[kArg1] = currentDpi;
        break;
    default:
        break;
    }
}

uint8_t Mouse553::pressDpi()
{
    const unsigned count = std::min<unsigned>(dpiCount, kStages);
    currentDpi = nextStageInUse(currentDpi, uint8_t((1u << count) - 1));
    return currentDpi;
}

bool Mouse553::eventNoticesOn() const
{
    return keyboardOption[3] & kEventNoticeBit;
}

void Mouse553::writeState(JsonWriter &json) const
{
    json.key("reportRate");
    json.value(long(reportRate));
    json.key("currentDpi");
    json.value(long(currentDpi));
    json.key("dpiCount");
    json.value(long(dpiCount));
    json.key("dpiCodes");
    json.bytes(dpiCodes);
    json.key("keyMatrices");
    json.byteRows(keyMatrices);
    json.key("currentKeyMatrix");
    json.value(long(currentKeyMatrix));
    json.key("ledEffect");
    json.bytes(ledEffect);
    json.key("fixColor");
    json.bytes(fixColor);
    json.key("stageColorType");
    json.value(long(stageColorType));
    json.key("stageColors");
    json.bytes(stageColors);
    json.key("macros");
    json.byteRows(macros);
    json.key("gunData");
    json.byteRows(gunData);
    json.key("keyboardOption");
    json.bytes(keyboardOption);
}

} // namespace vm
