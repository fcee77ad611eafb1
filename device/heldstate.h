#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace commandset {
struct Command;
}

// What the connected mouse is known to hold: each setting a command writes
// whole, with the bytes that went out in a command that succeeded (or, for a
// 560 profile image, the bytes the mouse sent back). A write of bytes the
// mouse already holds changes nothing and may be left out.
namespace heldstate {

enum class Place : uint8_t {
    ReportRate,
    ActiveMatrix, // 553 current key matrix, 560 current profile
    DpiTable,
    KeyMatrix,
    Macro,
    Effect,
    FixColour,
    StageColours,
    GunData,
    Image, // 560 profile image
};

struct Setting {
    Place place = Place::ReportRate;
    uint8_t index = 0; // matrix, macro slot, gun slot or block; else 0
    std::vector<uint8_t> bytes;
    bool operator==(const Setting &) const = default;
};

// The setting a command leaves on the mouse, from its parameters and the
// bytes it sends (a 560 image read: the bytes it read). Nothing for commands
// whose effect is not kept: queries, the keyboard option, and the active DPI
// stage, which the mouse's own button changes.
std::optional<Setting> settingOf(const commandset::Command &command, std::span<const uint8_t> params,
                                 std::span<const uint8_t> data);

class HeldState {
public:
    bool holds(const Setting &setting) const;
    // After a command that succeeded: what it wrote (or read) is held, and
    // what it may have changed besides is no longer known.
    void succeeded(const commandset::Command &command, std::span<const uint8_t> params,
                   std::span<const uint8_t> data);
    // The 560 profiles in use, after the mouse's DPI button: the image bytes
    // the program does not know may carry the active stage.
    void forgetUserImages();
    void forget() { m_held.clear(); }
    bool isEmpty() const { return m_held.empty(); }

private:
    std::map<std::pair<Place, uint8_t>, std::vector<uint8_t>> m_held;
};

// Whether a write may be left out of a sequence: its setting is held, unless
// it repeats the 553 stage colours that were just sent (they go out as a
// pair, whole or not at all).
bool mayLeaveOut(const HeldState &held, const Setting &write, const std::optional<Setting> &lastSent);

} // namespace heldstate
