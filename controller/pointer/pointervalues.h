#pragma once

#include <cstdint>

// What the system settings page's slider positions mean for the desktop.
namespace pointervalues {

// Pointer speed 1 to 20 for the slider's positions 0 to 10 (0 is 1, not 0).
constexpr int64_t cursorSpeed(unsigned index)
{
    return index == 0 ? 1 : 2 * int64_t(index);
}

// Slow to fast: 900 ms down to 200 ms. Positions past the slider's end give
// what the formula gives, which may be no valid time at all.
constexpr int64_t doubleClickTimeMs(unsigned index)
{
    return 900 - 70 * int64_t(index);
}

// Rows per wheel notch as typed; 1000 stands for "one screen".
constexpr int64_t wheelScrollLines(unsigned lines)
{
    return lines;
}

} // namespace pointervalues
