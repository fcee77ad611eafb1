#pragma once

#include "encoding/dpi.h"
#include "encoding/lighting.h"

#include <array>
#include <cstdint>
#include <optional>

// The 128-byte on-board profile image of the 560 family, blocks 0 to 4.
// Every block is read from the mouse first; only the bytes below are
// patched, the rest is carried as the mouse sent it.
namespace profileimage {

constexpr int kBlockSize = 128;
constexpr int kBlocks = 5;
constexpr int kSharedBlock = 0;    // block 0: settings of every profile
constexpr int kFirstUserBlock = 1; // blocks 1 to 4 are the profiles in use
using Block = std::array<uint8_t, kBlockSize>;
using Blocks = std::array<Block, kBlocks>;
static_assert(sizeof(Block) == 128);

// Block 0.
constexpr int kGunLevel = 2;
constexpr int kColourfulColours = 24; // 24 to 47
// Blocks 2 to 4: gun data.
constexpr int kGunFlags = 65;
constexpr uint8_t kGunFlagCleared = 0x04; // cleared when gun data are written
constexpr int kGunMarker = 78;
constexpr uint8_t kGunMarkerValue = 0xF0;
constexpr int kGunRepeat = 79;
constexpr int kGunAdjustX = 80;
constexpr int kGunAdjustY = 81;
// Blocks 1 to 4.
constexpr int kEffectMode = 71;
constexpr int kEffectValue = 72;
constexpr int kEffectOption = 73;
constexpr int kDpiHighBits = 82;  // 82 and 83, two copies
constexpr int kDpiCodes = 84;     // 84 to 91
constexpr int kDpiCodesCopy = 92; // 92 to 99
constexpr int kDpiMask = 100;
// Block 1.
constexpr int kPlainColours = 104; // 104 to 127

static_assert(kEffectMode + 1 == kEffectValue && kEffectValue + 1 == kEffectOption);
static_assert(kGunRepeat + 1 == kGunAdjustX && kGunAdjustX + 1 == kGunAdjustY);
static_assert(kEffectOption < kGunMarker && kGunAdjustY < kDpiHighBits);
static_assert(kDpiHighBits + 2 == kDpiCodes);

// The first position where two images differ.
inline std::optional<int> firstDifference(const Block &a, const Block &b)
{
    for (int i = 0; i < kBlockSize; ++i) {
        if (a[size_t(i)] != b[size_t(i)])
            return i;
    }
    return std::nullopt;
}

// The encoders' bytes patched into a block.
static_assert(kColourfulColours + lighting::kColourBytes <= kEffectMode);
static_assert(kDpiCodes + dpi::kStages == kDpiCodesCopy);
static_assert(kDpiCodesCopy + dpi::kStages == kDpiMask);
static_assert(kPlainColours + lighting::kColourBytes == kBlockSize);

void patchGunLevel(Block &block0, uint8_t level);
void patchEffect(Block &block, const lighting::EffectTriple &effect);
// Both copies of the codes and the mask; the high-bit flags only when asked
// (sensor "3389"), else bytes 82 and 83 stay as they were.
void patchDpi(Block &block, const dpi::StageCodes &codes, uint8_t mask, std::optional<uint8_t> highBits);
void patchColourfulColours(Block &block0, const lighting::ColourBuffer &colours);
void patchPlainColours(Block &block1, const lighting::ColourBuffer &colours);

} // namespace profileimage
