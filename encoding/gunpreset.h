#pragma once

#include "encoding/profileimage.h"

#include <array>
#include <cstdint>

// A gun slot's values as the mouse takes them: for the 553 family the four
// bytes of the gun data command, for the 560 family bytes of the on-board
// profile that holds the preset (profiles 2, 3 and 4 for gun slots 1 to 3).
namespace gunpreset {

constexpr int kFirstSlot = 1;
constexpr int kLastSlot = 3;

// The bytes of a gun slot's block are part of the profile image layout.
using profileimage::Block;
using profileimage::kBlockSize;

struct Values {
    int repeat = 0;
    int x = 0;
    int y = 0;
};

struct Command553 {
    uint8_t repeat;
    uint8_t x;
    uint8_t y;
    uint8_t slot; // gun slot - 1
};

constexpr bool isSlot(int gunSlot)
{
    return gunSlot >= kFirstSlot && gunSlot <= kLastSlot;
}

// The profile image block of a gun slot (1 to 3 give 2 to 4).
constexpr int blockOf(int gunSlot)
{
    return gunSlot + 1;
}

// Clears bit 0x04 of the flags, sets the marker and the three values; every
// other byte of the block stays.
void patchBlock(Block &block, const Values &values);

// Y goes out negated when the mouse's third keyboard-option byte is set.
Command553 command553(const Values &values, int gunSlot, bool negateY);

} // namespace gunpreset
