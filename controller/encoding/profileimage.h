#pragma once

#include "controller/encoding/dpi.h"
#include "controller/encoding/lighting.h"

#include <array>
#include <cstdint>
#include <optional>

// The 128-byte on-board profile image of the 560 family. Every block is read
// from the mouse first; only the bytes below are patched, the rest is carried.
namespace profileimage {

constexpr int kBlockSize = 128;
constexpr int kBlocks = 5;
constexpr int kFirstUserBlock = 1;   // blocks 1 to 4 are the profiles in use
using Block = std::array<uint8_t, kBlockSize>;
static_assert(sizeof(Block) == 128);

// Block 0.
constexpr int kGunLevel = 2;
constexpr int kColourfulColours = 24;   // 24 to 47
// Blocks 2 to 4: gun data.
constexpr int kGunFlags = 65;
constexpr int kGunMarker = 78;
constexpr int kGunValues = 79;          // 79 to 81
// Blocks 1 to 4.
constexpr int kEffect = 71;             // 71 to 73: mode, value, option
constexpr int kDpiHighBits = 82;        // 82 and 83, two copies
constexpr int kDpiCodes = 84;           // 84 to 91
constexpr int kDpiCodesCopy = 92;       // 92 to 99
constexpr int kDpiMask = 100;
// Block 1.
constexpr int kPlainColours = 104;      // 104 to 127

static_assert(kColourfulColours + lighting::kColourBytes <= kEffect);
static_assert(kEffect + 3 <= kDpiHighBits);
static_assert(kDpiHighBits + 2 == kDpiCodes);
static_assert(kDpiCodes + dpi::kStages == kDpiCodesCopy);
static_assert(kDpiCodesCopy + dpi::kStages == kDpiMask);
static_assert(kPlainColours + lighting::kColourBytes == kBlockSize);

void patchGunLevel(Block &block0, uint8_t level);
void patchEffect(Block &block, const lighting::EffectTriple &effect);
// Both copies of the codes and the mask; the high-bit flags only when asked
// (sensor "3389"), else bytes 82 and 83 stay as they were.
void patchDpi(Block &block, const dpi::StageCodes &codes, uint8_t mask,
              std::optional<uint8_t> highBits);
void patchColourfulColours(Block &block0, const lighting::ColourBuffer &colours);
void patchPlainColours(Block &block1, const lighting::ColourBuffer &colours);

} // namespace profileimage
