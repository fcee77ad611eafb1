#pragma once

#include "encoding/devicemodel.h"
#include "encoding/dpi.h"
#include "encoding/lighting.h"

#include <cstdint>
#include <optional>
#include <vector>

// What the device operations send, and in which order, decided from the
// device model alone: the slots carry the plan out.
namespace deviceplan {

// A key matrix with gun functions goes out as the user's matrix 1, the
// timing matrices 2 to 4 and the switch back to matrix 1; the 560 family
// first sends profile block 0 with its gun level.
struct KeySend {
    enum Kind : uint8_t { ProfileBlock0, Matrix, CurrentMatrix };
    Kind kind = Matrix;
    uint8_t number = 0; // matrix or current matrix, counted from 1
    bool operator==(const KeySend &) const = default;
};
std::vector<KeySend> keyMatrixSends(devicemodel::Family family, bool gunFunctions);

// The lighting effect: on the 553 family one command with `triple`; on the
// 560 family `triple` goes into blocks 1 to 4, block 1 may carry its own
// option, and blocks 1 to `lastBlock` are sent.
struct EffectPlan {
    lighting::EffectTriple triple;
    std::optional<uint8_t> block1Option;
    int lastBlock = 0; // 0: the 553 command instead of the images
    bool operator==(const EffectPlan &) const = default;
};
EffectPlan effectPlan(const devicemodel::Model &model, uint8_t effect, uint8_t speed, uint8_t brightness);

// The colours: the 553 commands in order, or the one block of the 560
// family that holds them.
struct ColourSend {
    enum Kind : uint8_t { StageColours, FixColour, ColourfulBlock0, PlainBlock1 };
    Kind kind = StageColours;
    uint8_t type = 0; // StageColours: the type argument
    bool operator==(const ColourSend &) const = default;
};
std::vector<ColourSend> colourSends(const devicemodel::Model &model, uint8_t type,
                                    const lighting::ColourBuffer &colours);

// Bytes 82 and 83 of the 560 images are written for sensor "3389" only;
// for the others they keep what the mouse had.
std::optional<uint8_t> imageHighBits(dpi::Sensor sensor, const dpi::StageTable &table);

} // namespace deviceplan
