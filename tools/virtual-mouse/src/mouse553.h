// Firmware of a 553-family mouse: one command per setting.
#pragma once

#include "command_set.h"

#include <array>

namespace vm {

class Mouse553 final : public CommandSet {
public:
    static constexpr std::size_t kStages = 8;
    static constexpr std::size_t kKeyMatrices = 4;
    static constexpr std::size_t kKeyMatrixSize = 64;
    static constexpr std::size_t kMacroSlots = 12;
    static constexpr std::size_t kMacroSize = 128;
    static constexpr std::size_t kGunSlots = 3;
    static constexpr std::size_t kGunValues = 3;
    static constexpr std::size_t kStageColorBytes = 24;
    static constexpr std::size_t kOptionBytes = 4;
    static constexpr uint8_t kEventNoticeBit = 0x40; // in option byte 4

    Mouse553();

    int payloadLength(const Block &cmd) const override;
    void execute(const Block &cmd, std::span<const uint8_t> payload, Execution &out) override;
    uint8_t pressDpi() override;
    bool eventNoticesOn() const override;
    void writeState(JsonWriter &json) const override;

private:
    uint8_t reportRate = 1;
    uint8_t currentDpi = 1;
    uint8_t dpiCount = 4;
    std::array<uint8_t, kStages> dpiCodes{};
    std::array<std::array<uint8_t, kKeyMatrixSize>, kKeyMatrices> keyMatrices{};
    uint8_t currentKeyMatrix = 0;
    std::array<uint8_t, 3> ledEffect{};
    std::array<uint8_t, 3> fixColor{};
    uint8_t stageColorType = 0;
    std::array<uint8_t, kStageColorBytes> stageColors{};
    std::array<std::array<uint8_t, kMacroSize>, kMacroSlots> macros{};
    std::array<std::array<uint8_t, kGunValues>, kGunSlots> gunData{};
    std::array<uint8_t, kOptionBytes> keyboardOption{};
};

// The key matrix a mouse leaves the factory with: five buttons, DPI loop.
std::array<uint8_t, 64> factoryKeyMatrix();

} // namespace vm
