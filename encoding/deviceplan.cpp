#include "encoding/deviceplan.h"

#include "encoding/keymatrix.h"

namespace deviceplan {

using devicemodel::Family;

std::vector<KeySend> keyMatrixSends(Family family, bool gunFunctions)
{
    if (!gunFunctions)
        return {{KeySend::Matrix, 1}};
    std::vector<KeySend> sends;
    if (family == Family::F560)
        sends.push_back({KeySend::ProfileBlock0, 0});
    for (int m = 1; m <= 1 + keymatrix::kTimingMatrices; ++m)
        sends.push_back({KeySend::Matrix, uint8_t(m)});
    sends.push_back({KeySend::CurrentMatrix, 1});
    return sends;
}

EffectPlan effectPlan(const devicemodel::Model &model, uint8_t effect, uint8_t speed, uint8_t brightness)
{
    const int lastBlock = model.is560() ? model.lastUserProfile() : 0;
    if (model.colourful)
        return {lighting::colourfulEffect(effect, speed, brightness), std::nullopt, lastBlock};

    lighting::EffectTriple triple = lighting::plainEffect(effect, speed, brightness);
    if (!model.is560()) {
        // Only the 55328 takes the option the effect asks for.
        if (!model.is55328)
            triple.option = lighting::kPlainOptionFixed;
        return {triple, std::nullopt, 0};
    }
    triple.option = lighting::kPlainOptionFixed;
    std::optional<uint8_t> block1Option;
    if (!model.gun)
        block1Option = lighting::kPlainOptionSingleProfile;
    return {triple, block1Option, lastBlock};
}

std::vector<ColourSend> colourSends(const devicemodel::Model &model, uint8_t type,
                                    const lighting::ColourBuffer &colours)
{
    if (model.is560())
        return {{model.colourful ? ColourSend::ColourfulBlock0 : ColourSend::PlainBlock1, 0}};
    // The stage colours go out twice in a row, as these mice have always
    // been given them; no reason is on record. The second report repeats
    // the same bytes, so it cannot leave the lights other than one would.
    if (!model.is55328)
        return {{ColourSend::StageColours, type}, {ColourSend::StageColours, type}};
    // The 55328 shows one fixed colour when the last one is black.
    if (lighting::lastColourLit(colours))
        return {{ColourSend::StageColours, 0}};
    return {{ColourSend::FixColour, 0}};
}

std::optional<uint8_t> imageHighBits(dpi::Sensor sensor, const dpi::StageTable &table)
{
    if (sensor != dpi::Sensor::S3389)
        return std::nullopt;
    return table.highBits;
}

} // namespace deviceplan
