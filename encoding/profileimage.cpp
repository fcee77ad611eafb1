#include "encoding/profileimage.h"

#include <algorithm>

namespace profileimage {

void patchGunLevel(Block &block0, uint8_t level)
{
    block0[kGunLevel] = level;
}

void patchEffect(Block &block, const lighting::EffectTriple &effect)
{
    block[kEffectMode] = effect.mode;
    block[kEffectValue] = effect.value;
    block[kEffectOption] = effect.option;
}

void patchDpi(Block &block, const dpi::StageCodes &codes, uint8_t mask, std::optional<uint8_t> highBits)
{
    if (highBits) {
        block[kDpiHighBits] = *highBits;
        block[kDpiHighBits + 1] = *highBits;
    }
    std::copy(codes.begin(), codes.end(), block.begin() + kDpiCodes);
    std::copy(codes.begin(), codes.end(), block.begin() + kDpiCodesCopy);
    block[kDpiMask] = mask;
}

void patchColourfulColours(Block &block0, const lighting::ColourBuffer &colours)
{
    std::copy(colours.begin(), colours.end(), block0.begin() + kColourfulColours);
}

void patchPlainColours(Block &block1, const lighting::ColourBuffer &colours)
{
    std::copy(colours.begin(), colours.end(), block1.begin() + kPlainColours);
}

} // namespace profileimage
