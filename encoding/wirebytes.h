#pragma once

#include <cstdint>

namespace wirebytes {

// Values go to the mouse in their low eight bits.
constexpr uint8_t low8(int value)
{
    return static_cast<uint8_t>(static_cast<unsigned>(value) & 0xFFu);
}

} // namespace wirebytes
