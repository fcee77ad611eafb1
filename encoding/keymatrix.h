#pragma once

#include "encoding/bytes.h"

#include <array>
#include <cstdint>
#include <optional>

// Key assignments: sixteen entries of four values (type, p1, p2, p3) as the
// key page holds them, and the 64-byte key matrix the mouse takes.
namespace keymatrix {

constexpr int kKeys = 16;
constexpr int kEntrySize = 4;
constexpr int kMatrixSize = kKeys * kEntrySize;
constexpr int kTimingMatrices = 3; // matrices 2 to 4 carry the gun timing

// One key's four bytes, in the key page's form (the type first) or in the
// device's (the function code first); the other three mean the same in both.
struct Entry {
    uint8_t function = 0; // page type, or device function code
    // Modifier bits of a combination, Windows function or shortcut; the
    // repeated key; the macro play mode; the timing matrix of a gun timing
    // entry.
    uint8_t option = 0;
    // Button or key code; low usage byte of a media function; repeat
    // interval; macro, DPI, gun or special slot; gun period.
    uint8_t code = 0;
    // Second key code; high usage byte; repeat count.
    uint8_t codeHigh = 0;

    using Bytes = std::array<uint8_t, kEntrySize>;
    static constexpr Entry fromBytes(const Bytes &b) { return {b[0], b[1], b[2], b[3]}; }
    constexpr Bytes bytes() const { return {function, option, code, codeHigh}; }
    // The usage bytes by which media and Windows functions and the double
    // click are recognised.
    constexpr std::array<uint8_t, 2> usage() const { return {code, codeHigh}; }

    bool operator==(const Entry &) const = default;
};
static_assert(sizeof(Entry) == kEntrySize, "an entry is laid out as its four wire bytes");

using Matrix = std::array<uint8_t, kMatrixSize>;
static_assert(sizeof(Matrix) == 64);

// Entry types of the key page.
namespace uitype {
constexpr uint8_t kButton = 0;
constexpr uint8_t kRepeatedKey = 1;
constexpr uint8_t kCombination = 2;
constexpr uint8_t kMedia = 3;
constexpr uint8_t kMacro = 4;
constexpr uint8_t kDpi = 5;
constexpr uint8_t kWindows = 6;
constexpr uint8_t kShortcut = 7;
constexpr uint8_t kGun = 8;
constexpr uint8_t kSpecial = 255;
} // namespace uitype

// Function codes in the device's key matrix.
namespace function {
constexpr uint8_t kKey = 0x00;
constexpr uint8_t kButton = 0x01;
constexpr uint8_t kConsumer = 0x03;
constexpr uint8_t kSpecial = 0x04;
constexpr uint8_t kDpi = 0x07;
constexpr uint8_t kGun = 0x08;
constexpr uint8_t kMacro = 0x09;
constexpr uint8_t kRepeat = 0x0A; // also the double click
constexpr uint8_t kTiming = 0x0B; // gun timing entry; 560 sniper
} // namespace function

constexpr uint8_t kDpiSniper = 4;

// A button entry whose usage bytes are these is the double click, which the
// mouse takes as a repeat function.
constexpr std::array<uint8_t, 2> kDoubleClickUsage{0x1E, 0x02};

Entry entryAt(const Matrix &matrix, int key);
void setEntry(Matrix &matrix, int key, const Entry &entry);

// One key's entry in device form.
Entry deviceEntry(const Entry &ui, encoding::Family family);

// The user's matrix from the sixteen UI entries, key k at values 4k..4k+3.
Matrix fromUiValues(encoding::Values values, encoding::Family family);

// A matrix already in device form (the factory matrix), each value in its
// low eight bits.
Matrix fromDeviceValues(encoding::Values values);

bool hasGunFunction(const Matrix &matrix);

// What a matrix with gun functions turns into: the user's matrix as sent,
// the three timing matrices made from the factory matrix, and for the 560
// family the gun level byte of profile block 0 (none when no key names a
// gun slot 1 to 3).
struct GunMatrices {
    Matrix user{};
    std::array<Matrix, kTimingMatrices> timing{};
    std::optional<uint8_t> gunLevel;
};

// `periods` are the firing periods of the guns on slots 1, 2 and 3.
GunMatrices gunMatrices(const Matrix &user, const Matrix &factory, encoding::Values periods, encoding::Family family);

} // namespace keymatrix
