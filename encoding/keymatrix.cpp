#include "encoding/keymatrix.h"

#include <algorithm>

namespace keymatrix {

using encoding::Family;
using encoding::low8;
using encoding::valueAt;

namespace {

// Windows functions the mouse sends as consumer usages, recognised by their
// usage bytes whatever type the page gave them ("My PC", "Index", "Search").
constexpr std::array<std::array<uint8_t, 2>, 3> kConsumerUsages{{
    {0x21, 0x02},
    {0x23, 0x02},
    {0x94, 0x01},
}};

// Gun slot g (1 to 3) as seen in each of the three timing matrices.
constexpr std::array<std::array<uint8_t, kTimingMatrices>, 3> kGunSlot553{{
    {0, 0, 0},
    {2, 0, 0},
    {2, 3, 0},
}};
constexpr std::array<std::array<uint8_t, kTimingMatrices>, 3> kGunSlot560{{
    {0, 0, 0},
    {3, 0, 0},
    {3, 3, 0},
}};
constexpr std::array<uint8_t, 3> kGunLevel560{0x07, 0x0F, 0x1F};

bool isConsumerUsage(const Entry &entry)
{
    return std::any_of(kConsumerUsages.begin(), kConsumerUsages.end(),
                       [&](const auto &usage) { return entry.usage() == usage; });
}

// Gun slots 1 to 3, one timing matrix each.
bool isGunSlot(uint8_t slot)
{
    return slot >= 1 && slot <= kTimingMatrices;
}

} // namespace

Entry entryAt(const Matrix &matrix, int key)
{
    Entry::Bytes bytes{};
    std::copy_n(matrix.begin() + key * kEntrySize, kEntrySize, bytes.begin());
    return Entry::fromBytes(bytes);
}

void setEntry(Matrix &matrix, int key, const Entry &entry)
{
    const Entry::Bytes bytes = entry.bytes();
    std::copy(bytes.begin(), bytes.end(), matrix.begin() + key * kEntrySize);
}

Entry deviceEntry(const Entry &ui, Family family)
{
    Entry out = ui;
    switch (ui.function) {
    case uitype::kButton:
        out.function = ui.usage() == kDoubleClickUsage ? function::kRepeat : function::kButton;
        break;
    case uitype::kRepeatedKey:
        out.function = function::kRepeat;
        break;
    case uitype::kCombination:
    case uitype::kWindows:
    case uitype::kShortcut:
        out.function = function::kKey;
        break;
    case uitype::kMedia:
        out.function = function::kConsumer;
        break;
    case uitype::kMacro:
        out.function = function::kMacro;
        out.code = static_cast<uint8_t>(ui.code + 1); // device slots count from 1
        break;
    case uitype::kDpi:
        if (ui.code == kDpiSniper) {
            out = family == Family::F560 ? Entry{function::kTiming, 0, 1, 1} : Entry{function::kDpi, 0, kDpiSniper, 1};
        } else {
            out.function = function::kDpi;
        }
        break;
    case uitype::kGun:
        out.function = function::kGun;
        break;
    case uitype::kSpecial:
        out.function = function::kSpecial;
        break;
    default:
        break;
    }
    if (isConsumerUsage(out))
        out.function = function::kConsumer;
    return out;
}

Matrix fromUiValues(encoding::Values values, Family family)
{
    Matrix matrix{};
    for (int key = 0; key < kKeys; ++key) {
        Entry::Bytes ui{};
        for (int i = 0; i < kEntrySize; ++i)
            ui[i] = low8(valueAt(values, key * kEntrySize + i));
        setEntry(matrix, key, deviceEntry(Entry::fromBytes(ui), family));
    }
    return matrix;
}

Matrix fromDeviceValues(encoding::Values values)
{
    Matrix matrix{};
    for (int i = 0; i < kMatrixSize; ++i)
        matrix[i] = low8(valueAt(values, i));
    return matrix;
}

bool hasGunFunction(const Matrix &matrix)
{
    for (int key = 0; key < kKeys; ++key) {
        if (entryAt(matrix, key).function == function::kGun)
            return true;
    }
    return false;
}

GunMatrices gunMatrices(const Matrix &user, const Matrix &factory, encoding::Values periods, Family family)
{
    GunMatrices out;
    out.user = user;
    out.timing.fill(factory);

    for (int key = 0; key < kKeys; ++key) {
        Entry entry = entryAt(out.user, key);
        if (entry.function != function::kGun)
            continue;
        const uint8_t slot = entry.code;
        for (int m = 0; m < kTimingMatrices; ++m) {
            Entry timing = entryAt(out.timing[m], key);
            if (family == Family::F553) {
                timing = {function::kGun, 0, 1, timing.codeHigh};
                if (isGunSlot(slot))
                    timing.codeHigh = kGunSlot553[slot - 1][m];
            } else {
                timing.function = function::kGun;
                if (isGunSlot(slot))
                    timing.code = kGunSlot560[slot - 1][m];
            }
            setEntry(out.timing[m], key, timing);
        }
        if (family == Family::F553) {
            entry = {function::kGun, 0, 1, isGunSlot(slot) ? uint8_t(1) : entry.codeHigh};
        } else if (isGunSlot(slot)) {
            entry.code = 1;
            out.gunLevel = kGunLevel560[slot - 1]; // the last gun key decides
        }
        setEntry(out.user, key, entry);
    }

    // Key 0 of each timing matrix tells the mouse the period of its gun.
    for (int m = 0; m < kTimingMatrices; ++m) {
        setEntry(out.timing[m], 0, {function::kTiming, static_cast<uint8_t>(m), low8(valueAt(periods, m)), 0});
    }
    return out;
}

} // namespace keymatrix
