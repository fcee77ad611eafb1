#pragma once

#include <vector>

// Key notices as the window's key callback received them, in order.
struct Notice {
    int keyCode;
    bool pressed;
    bool operator==(const Notice &) const = default;
};

inline std::vector<Notice> notices;
