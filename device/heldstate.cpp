#include "device/heldstate.h"

#include "device/commandset.h"
#include "encoding/devicemodel.h"
#include "encoding/profileimage.h"

#include <string_view>

namespace heldstate {
namespace {

// What a command's success tells beyond its own setting.
enum class AlsoChanges : uint8_t {
    Nothing,
    OtherColours, // the fixed colour and the stage colours both light the mouse
    UserImages,   // per-profile values the images' unknown bytes may carry
};

struct Rule {
    std::string_view command;
    std::optional<Place> place;
    int indexParam = -1; // the parameter naming the matrix, slot or block
    int valueParams = 0; // parameters 0 onwards that are part of the value (the index excepted)
    bool withData = false;
    AlsoChanges also = AlsoChanges::Nothing;
};

// clang-format off
constexpr Rule kRules[] = {
    {"hid553_01H_SetReportRate",       Place::ReportRate,   -1, 1, false},
    {"hid560_03H_SetReportRate",       Place::ReportRate,   -1, 1, false, AlsoChanges::UserImages},
    {"hid560_04H_SetCurrentDPI",       std::nullopt,        -1, 0, false, AlsoChanges::UserImages},
    {"hid553_02H_SetCurrentKeyMatrix", Place::ActiveMatrix, -1, 1, false},
    {"hid560_02H_SetCurrentProfile",   Place::ActiveMatrix, -1, 1, false},
    {"hid553_04H_SetGunData",          Place::GunData,       3, 3, false},
    {"hid553_0CH_SetFixLEDColor",      Place::FixColour,    -1, 3, false, AlsoChanges::OtherColours},
    {"hid553_0DH_SetRGBLedEffect",     Place::Effect,       -1, 3, false},
    {"hid553_10H_SetLED8StageColor",   Place::StageColours, -1, 1, true,  AlsoChanges::OtherColours},
    {"hid553_11H_SetDPISet",           Place::DpiTable,     -1, 1, true},
    {"hid553_12H_SetKeyMatrix",        Place::KeyMatrix,     0, 0, true},
    {"hid560_0DH_SetKeyMatrix",        Place::KeyMatrix,     0, 0, true},
    {"hid553_13H_SetMacroKey",         Place::Macro,         0, 0, true},
    {"hid560_0FH_SetMacroKey",         Place::Macro,         0, 0, true},
    {"hid560_0CH_setProfile",          Place::Image,         0, 0, true},
    {"hid560_8CH_readProfile",         Place::Image,         0, 0, true},
};
// clang-format on

const Rule *ruleOf(const commandset::Command &command)
{
    for (const Rule &rule : kRules) {
        if (rule.command == command.name)
            return &rule;
    }
    return nullptr;
}

uint8_t param(std::span<const uint8_t> params, int i)
{
    return i >= 0 && size_t(i) < params.size() ? params[size_t(i)] : 0;
}

} // namespace

std::optional<Setting> settingOf(const commandset::Command &command, std::span<const uint8_t> params,
                                 std::span<const uint8_t> data)
{
    const Rule *rule = ruleOf(command);
    if (!rule || !rule->place)
        return std::nullopt;
    Setting setting{*rule->place, param(params, rule->indexParam), {}};
    for (int i = 0; i < rule->valueParams; ++i)
        setting.bytes.push_back(param(params, i));
    if (rule->withData)
        setting.bytes.insert(setting.bytes.end(), data.begin(), data.end());
    return setting;
}

bool HeldState::holds(const Setting &setting) const
{
    const auto it = m_held.find({setting.place, setting.index});
    return it != m_held.end() && it->second == setting.bytes;
}

void HeldState::succeeded(const commandset::Command &command, std::span<const uint8_t> params,
                          std::span<const uint8_t> data)
{
    const Rule *rule = ruleOf(command);
    if (!rule)
        return;
    switch (rule->also) {
    case AlsoChanges::Nothing:
        break;
    case AlsoChanges::OtherColours:
        m_held.erase({Place::FixColour, 0});
        m_held.erase({Place::StageColours, 0});
        break;
    case AlsoChanges::UserImages:
        forgetUserImages();
        break;
    }
    if (const std::optional<Setting> setting = settingOf(command, params, data))
        m_held[{setting->place, setting->index}] = setting->bytes;
}

void HeldState::forgetUserImages()
{
    for (int n = profileimage::kFirstUserBlock; n <= devicemodel::kGunProfiles; ++n)
        m_held.erase({Place::Image, uint8_t(n)});
}

bool mayLeaveOut(const HeldState &held, const Setting &write, const std::optional<Setting> &lastSent)
{
    if (!held.holds(write))
        return false;
    return !(write.place == Place::StageColours && lastSent == write);
}

} // namespace heldstate
