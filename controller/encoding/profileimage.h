#pragma once

#include "controller/encoding/dpi.h"
#include "controller/encoding/lighting.h"
#include "device/profilelayout.h"

#include <array>
#include <cstdint>
#include <optional>

// The encoders' part of the profile image: patching their bytes into a
// block. The layout itself belongs to the device layer.
namespace profileimage {

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
