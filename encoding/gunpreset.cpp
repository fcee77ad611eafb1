#include "encoding/gunpreset.h"

#include "encoding/wirebytes.h"

namespace gunpreset {

using wirebytes::low8;
using namespace profileimage;

void patchBlock(Block &block, const Values &values)
{
    block[kGunFlags] = static_cast<uint8_t>(block[kGunFlags] & ~kGunFlagCleared);
    block[kGunMarker] = kGunMarkerValue;
    block[kGunRepeat] = low8(values.repeat);
    block[kGunAdjustX] = low8(values.x);
    block[kGunAdjustY] = low8(values.y);
}

Command553 command553(const Values &values, int gunSlot, bool negateY)
{
    return {low8(values.repeat), low8(values.x), low8(negateY ? -values.y : values.y), low8(gunSlot - 1)};
}

} // namespace gunpreset
