// Firmware of a 560-family mouse: settings kept in five on-board profile images.
#pragma once

#include "command_set.h"

#include <array>

namespace vm {

class Mouse560 final : public CommandSet {
public:
    static constexpr std::size_t kProfiles = 5; // blocks 0 to 4
    static constexpr std::size_t kProfileSize = 128;
    static constexpr std::size_t kKeyMatrices = 4;
    static constexpr std::size_t kKeyMatrixSize = 128;
    static constexpr std::size_t kMacroSlots = 12;
    static constexpr std::size_t kMacroSize = 128;
    static constexpr std::size_t kOptionBytes = 2;
    static constexpr std::size_t kMaxActiveProfiles = 4; // profiles 1 to 4
    static constexpr uint8_t kEventNoticeBit = 0x08;     // in option byte 1

    // Offsets in a profile image that the mouse itself reads.
    static constexpr std::size_t kGunLevelMask = 2;    // block 0
    static constexpr std::size_t kColorfulColors = 24; // block 0, 24 bytes
    static constexpr std::size_t kGunFlags = 65;
    static constexpr std::size_t kLedEffect = 71;
    static constexpr std::size_t kGunData = 78;
    static constexpr std::size_t kDpiHighBits = 82;
    static constexpr std::size_t kDpiCodes = 84;
    static constexpr std::size_t kDpiCodesCopy = 92;
    static constexpr std::size_t kStageMask = 100;
    static constexpr std::size_t kPlainColors = 104; // block 1, 24 bytes
    static_assert(kPlainColors + 24 == kProfileSize);

    using Image = std::array<uint8_t, kProfileSize>;

    explicit Mouse560(bool isGun);

    int payloadLength(const Block &cmd) const override;
    void execute(const Block &cmd, std::span<const uint8_t> payload, Execution &out) override;
    uint8_t pressDpi() override;
    bool eventNoticesOn() const override;
    void writeState(JsonWriter &json) const override;

    static Image factoryImage(std::size_t block);

private:
    bool isActiveProfile(uint8_t p) const { return p >= 1 && p <= activeProfiles; }

    std::size_t activeProfiles; // 1, or 4 for a gun mouse
    std::array<Image, kProfiles> profiles{};
    std::array<std::array<uint8_t, kKeyMatrixSize>, kKeyMatrices> keyMatrices{};
    uint8_t currentProfile = 1;
    std::array<uint8_t, kMaxActiveProfiles> reportRate{};
    std::array<uint8_t, kMaxActiveProfiles> currentDpi{};
    std::array<std::array<uint8_t, kMacroSize>, kMacroSlots> macros{};
    std::array<uint8_t, kOptionBytes> keyboardOption{};
};

} // namespace vm
