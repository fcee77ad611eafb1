#pragma once

#include <cstdint>
#include <optional>

// The pointer speed through the X server's pointer control: the speed s
// (1 to 20, 10 being the unscaled pointer) becomes the acceleration s / 10;
// the threshold is left as it is. Each call opens its own connection to
// $DISPLAY, so it works whatever platform the program's window uses.
namespace xpointercontrol {

constexpr int64_t kMinSpeed = 1;
constexpr int64_t kMaxSpeed = 20;
constexpr int16_t kSpeedDenominator = 10;

// 1 when the server took the speed; 0 for a speed outside 1 to 20, no X
// server or a refused request.
int setSpeed(int64_t speed);

// The speed the server holds now (acceleration x 10, rounded); none
// without an X server.
std::optional<int> speed();

} // namespace xpointercontrol
