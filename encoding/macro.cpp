#include "encoding/macro.h"

#include <algorithm>

namespace macro {

Record record(encoding::Values values)
{
    Record out{};
    const std::size_t count = std::min<std::size_t>(values.size(), kRecordSize);
    for (std::size_t i = 0; i < count; ++i)
        out[i] = encoding::low8(values[i]);
    return out;
}

std::optional<uint8_t> wireSlot(unsigned slot)
{
    const uint8_t n = encoding::low8(static_cast<int>(slot));
    if (n >= kDeviceSlots)
        return std::nullopt;
    return static_cast<uint8_t>(n + 1);
}

} // namespace macro
