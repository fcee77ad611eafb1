#include "storage/gunpreset.h"

namespace gunpreset {

namespace {

uint8_t low8(int value)
{
    return static_cast<uint8_t>(static_cast<unsigned>(value) & 0xFFu);
}

} // namespace

void patchBlock(Block &block, const Values &values)
{
    block[kFlags] = static_cast<uint8_t>(block[kFlags] & ~kFlagCleared);
    block[kMarker] = kMarkerValue;
    block[kRepeat] = low8(values.repeat);
    block[kAdjustX] = low8(values.x);
    block[kAdjustY] = low8(values.y);
}

Command553 command553(const Values &values, int gunSlot, bool negateY)
{
    return {low8(values.repeat), low8(values.x), low8(negateY ? -values.y : values.y),
            low8(gunSlot - 1)};
}

} // namespace gunpreset
