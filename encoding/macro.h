#pragma once

#include "encoding/bytes.h"

#include <array>
#include <cstdint>
#include <optional>

// A macro as the mouse's macro slot takes it: the editor's values, each in
// its low eight bits, in a zero-filled 128-byte record.
namespace macro {

constexpr int kRecordSize = 128;
constexpr int kDeviceSlots = 12; // slots 0 to 11, numbered 1 to 12 on the wire

using Record = std::array<uint8_t, kRecordSize>;
static_assert(sizeof(Record) == 128);

// At most 128 values; a longer macro is cut, never written past the record.
Record record(encoding::Values values);

// The wire number of a slot (only its low eight bits count); none for a
// slot the mouse does not have.
std::optional<uint8_t> wireSlot(unsigned slot);

} // namespace macro
