#include "encoding/lighting.h"

#include <algorithm>

namespace lighting {

using encoding::low8;

namespace {

constexpr int kSteps = 5; // speed and brightness sliders, 0 to 4
using Steps = std::array<uint8_t, kSteps>;

constexpr Steps kNoOption{0, 0, 0, 0, 0};

struct ColourfulRow {
    uint8_t mode;
    bool usesBrightness;
    Steps optionBySpeed;
};

// clang-format off
constexpr std::array<ColourfulRow, 11> kColourful{{
    {1, true, kNoOption},                  // Static
    {3, false, {10, 7, 5, 3, 1}},          // Breath
    {4, false, {10, 7, 5, 3, 1}},          // Neon
    {0, false, kNoOption},                 // OFF
    {2, true, kNoOption},                  // Twinkling
    {5, true, {10, 7, 5, 3, 1}},           // Wave
    {6, false, kNoOption},                 // Gliding
    {7, true, kNoOption},                  // Finger Moving
    {8, true, {20, 17, 15, 13, 11}},       // Vertical Flipping
    {9, true, {15, 13, 10, 7, 5}},         // YO-YO
    {10, true, {30, 27, 24, 22, 20}},      // Spotlight
}};
// clang-format on

// Brightness 1 to 4; 0 and anything else is dark.
constexpr std::array<uint8_t, kSteps> kColourfulBrightness{0, 0x40, 0x80, 0xC0, 0xFF};

constexpr Steps kPlainStaticBrightness{1, 3, 5, 7, 10};
constexpr Steps kPlainNeonSpeed{30, 24, 18, 12, 6};

// What the plain model's value byte follows.
enum class PlainValue { None, Brightness, SpeedStep, SpeedPlusOne };

struct PlainRow {
    uint8_t mode;
    PlainValue value;
    Steps steps;
    uint8_t option;
};

// clang-format off
constexpr std::array<PlainRow, 5> kPlain{{
    {1, PlainValue::Brightness, kPlainStaticBrightness, 1}, // Static
    {2, PlainValue::SpeedPlusOne, kNoOption, 1},            // Breath
    {3, PlainValue::SpeedStep, kPlainNeonSpeed, 1},         // Neon
    {0, PlainValue::None, kNoOption, 0},                    // OFF
    {2, PlainValue::SpeedPlusOne, kNoOption, 3},            // Breath Loop
}};
// clang-format on

uint8_t step(const Steps &steps, uint8_t index)
{
    return index < kSteps ? steps[index] : 0;
}

} // namespace

EffectTriple colourfulEffect(uint8_t effect, uint8_t speed, uint8_t brightness)
{
    if (effect >= kColourful.size())
        return {};
    const ColourfulRow &row = kColourful[effect];
    return {row.mode, row.usesBrightness ? step(kColourfulBrightness, brightness) : uint8_t(0),
            step(row.optionBySpeed, speed)};
}

EffectTriple plainEffect(uint8_t effect, uint8_t speed, uint8_t brightness)
{
    if (effect >= kPlain.size())
        return {};
    const PlainRow &row = kPlain[effect];
    switch (row.value) {
    case PlainValue::Brightness:
        return {row.mode, step(row.steps, brightness), row.option};
    case PlainValue::SpeedStep:
        return {row.mode, step(row.steps, speed), row.option};
    case PlainValue::SpeedPlusOne:
        return {row.mode, low8(speed + 1), row.option};
    case PlainValue::None:
        break;
    }
    return {row.mode, 0, row.option};
}

EffectInputs colourfulInputs(uint8_t effect)
{
    if (effect >= kColourful.size())
        return {};
    const ColourfulRow &row = kColourful[effect];
    return {row.optionBySpeed != kNoOption, row.usesBrightness};
}

EffectInputs plainInputs(uint8_t effect)
{
    if (effect >= kPlain.size())
        return {};
    const PlainValue value = kPlain[effect].value;
    return {value == PlainValue::SpeedStep || value == PlainValue::SpeedPlusOne, value == PlainValue::Brightness};
}

ColourBuffer colourBuffer(encoding::Values values)
{
    ColourBuffer colours{};
    const std::size_t count = std::min<std::size_t>(values.size(), kColourBytes);
    for (std::size_t i = 0; i < count; ++i)
        colours[i] = low8(values[i]);
    return colours;
}

bool lastColourLit(const ColourBuffer &colours)
{
    return std::any_of(colours.end() - 3, colours.end(), [](uint8_t c) { return c != 0; });
}

} // namespace lighting
