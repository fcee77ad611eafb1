#pragma once

#include "encoding/bytes.h"

#include <array>
#include <cstdint>

// The lighting page's choice (effect, speed, brightness) as the mouse's
// effect triple, and the eight colours as the mouse takes them.
namespace lighting {

struct EffectTriple {
    uint8_t mode = 0;
    uint8_t value = 0;
    uint8_t option = 0;
    bool operator==(const EffectTriple &) const = default;
};

// Eleven effects, free colours.
EffectTriple colourfulEffect(uint8_t effect, uint8_t speed, uint8_t brightness);
// Four effects ("Breath Loop" as a fifth on the 55328), one colour a stage.
EffectTriple plainEffect(uint8_t effect, uint8_t speed, uint8_t brightness);

// The page's sliders an effect reads; the mouse ignores the others.
struct EffectInputs {
    bool speed = false;
    bool brightness = false;
    bool operator==(const EffectInputs &) const = default;
};
EffectInputs colourfulInputs(uint8_t effect);
EffectInputs plainInputs(uint8_t effect);

// The plain model's option byte as the 553 command takes it without the
// 55328, and as the 560 profile images carry it.
constexpr uint8_t kPlainOptionFixed = 2;
// 560 plain model with profile 1 only: offset 73 of block 1.
constexpr uint8_t kPlainOptionSingleProfile = 3;

constexpr int kColours = 8;
constexpr int kColourBytes = kColours * 3;
using ColourBuffer = std::array<uint8_t, kColourBytes>;
static_assert(sizeof(ColourBuffer) == 24);

// Eight colours of red, green, blue; missing values are 0.
ColourBuffer colourBuffer(encoding::Values values);

// The 55328 takes one fixed colour when the last colour is black.
bool lastColourLit(const ColourBuffer &colours);

} // namespace lighting
