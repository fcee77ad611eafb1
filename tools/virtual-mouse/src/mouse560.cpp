#include "mouse560.h"

#include "mouse553.h"

#include <algorithm>

namespace vm {
namespace {

enum Code : uint8_t {
    SetKeyboardOption = 0x01,
    SetCurrentProfile = 0x02,
    SetReportRate = 0x03,
    SetCurrentDpi = 0x04,
    SetProfile = 0x0C,
    SetKeyMatrix = 0x0D,
    SetMacroKey = 0x0F,
    GetKeyboardOption = 0x81,
    GetCurrentProfile = 0x82,
    GetKeyboardOption553 = 0x83, // the program reads options with the 553 request on both families
    GetCurrentDpi = 0x84,
    ReadProfile = 0x8C,
};

int announced(const Block &cmd, std::size_t fieldSize)
{
    const uint8_t n = cmd[kArg2];
    return n >= 1 && n <= fieldSize ? n : -1;
}

constexpr uint8_t kFactoryStageCodes[8] = {0x07, 0x0F, 0x17, 0x1F, 0x2F, 0x3F, 0x4F, 0x5F};
constexpr uint8_t kFactoryColors[24] = {0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00,
                                        0x00, 0xFF, 0xFF, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x80, 0x00};

} // namespace

Mouse560::Image Mouse560::factoryImage(std::size_t block)
{
    Image img{};
    img[0] = uint8_t(block);
    if (block == 0) {
        img[kGunLevelMask] = 0x07;
        std::copy(std::begin(kFactoryColors), std::end(kFactoryColors), img.begin() + kColorfulColors);
        return img;
    }
    img[kGunFlags] = 0x04; // no gun data written yet
    img[kLedEffect] = 0x01;
    img[kLedEffect + 1] = 0xFF;
    std::copy(std::begin(kFactoryStageCodes), std::end(kFactoryStageCodes), img.begin() + kDpiCodes);
    std::copy(std::begin(kFactoryStageCodes), std::end(kFactoryStageCodes), img.begin() + kDpiCodesCopy);
    img[kStageMask] = 0x0F;
    if (block == 1)
        std::copy(std::begin(kFactoryColors), std::end(kFactoryColors), img.begin() + kPlainColors);
    return img;
}

Mouse560::Mouse560(bool isGun) : activeProfiles(isGun ? kMaxActiveProfiles : 1)
{
    for (std::size_t b = 0; b < kProfiles; ++b)
        profiles[b] = factoryImage(b);
    const auto matrix = factoryKeyMatrix();
    for (auto &m : keyMatrices)
        std::copy(matrix.begin(), matrix.end(), m.begin());
    reportRate.fill(1);
    currentDpi.fill(1);
}

int Mouse560::payloadLength(const Block &cmd) const
{
    const uint8_t a1 = cmd[kArg1];
    switch (cmd[kCodePos]) {
    case SetKeyboardOption:
    case GetKeyboardOption:
    case GetKeyboardOption553:
    case GetCurrentProfile:
    case GetCurrentDpi:
        return 0;
    case SetCurrentProfile:
        return isActiveProfile(a1) ? 0 : -1;
    case SetReportRate:
        return isActiveProfile(a1) ? 0 : -1;
    case SetCurrentDpi:
        return isActiveProfile(a1) && cmd[kArg2] >= 1 && cmd[kArg2] <= 8 ? 0 : -1;
    case ReadProfile:
        return a1 < kProfiles ? 0 : -1;
    case SetProfile:
        return a1 < kProfiles ? announced(cmd, kProfileSize) : -1;
    case SetKeyMatrix:
        return a1 >= 1 && a1 <= kKeyMatrices ? announced(cmd, kKeyMatrixSize) : -1;
    case SetMacroKey:
        return a1 >= 1 && a1 <= kMacroSlots ? announced(cmd, kMacroSize) : -1;
    default:
        return -1;
    }
}

void Mouse560::execute(const Block &cmd, std::span<const uint8_t> payload, Execution &out)
{
    const uint8_t a1 = cmd[kArg1];
    auto store = [&payload](auto &field) {
        std::copy_n(payload.begin(), std::min(payload.size(), field.size()), field.begin());
    };
    switch (cmd[kCodePos]) {
    case SetKeyboardOption:
        keyboardOption = {cmd[kArg1], cmd[kArg2]};
        break;
    case SetCurrentProfile:
        currentProfile = a1;
        break;
    case SetReportRate:
        reportRate[a1 - 1] = cmd[kArg2];
        break;
    case SetCurrentDpi:
        currentDpi[a1 - 1] = cmd[kArg2];
        break;
    case SetProfile: {
        const Image old = profiles[a1];
        store(profiles[a1]);
        if (keepsOldByte) {
            const auto changed = std::mismatch(old.begin(), old.end(), profiles[a1].begin());
            if (changed.first != old.end())
                *changed.second = *changed.first;
        }
        break;
    }
    case SetKeyMatrix:
        store(keyMatrices[a1 - 1]);
        break;
    case SetMacroKey:
        store(macros[a1 - 1]);
        break;
    case GetKeyboardOption:
    case GetKeyboardOption553:
        out.reply[kArg1] = keyboardOption[0];
        out.reply[kArg2] = keyboardOption[1];
        break;
    case GetCurrentProfile:
        out.reply[kArg1] = currentProfile;
        break;
    case GetCurrentDpi: {
        // Byte 2 names the profile; anything else asks about the current one.
        const uint8_t p = isActiveProfile(a1) ? a1 : currentProfile;
        out.reply[kArg1] = a1;
        out.reply[kArg2] = currentDpi[p - 1];
        break;
    }
    case ReadProfile:
        out.reply[kArg1] = a1;
        out.input.assign(profiles[a1].begin(), profiles[a1].end());
        break;
    default:
        break;
    }
}

uint8_t Mouse560::pressDpi()
{
    uint8_t &stage = currentDpi[currentProfile - 1];
    stage = nextStageInUse(stage, profiles[currentProfile][kStageMask]);
    return stage;
}

bool Mouse560::eventNoticesOn() const
{
    return keyboardOption[0] & kEventNoticeBit;
}

void Mouse560::writeState(JsonWriter &json) const
{
    json.key("profiles");
    json.byteRows(profiles);
    json.key("keyMatrices");
    json.byteRows(keyMatrices);
    json.key("currentProfile");
    json.value(long(currentProfile));
    json.key("reportRate");
    json.bytes(std::span(reportRate).first(activeProfiles));
    json.key("currentDpi");
    json.bytes(std::span(currentDpi).first(activeProfiles));
    json.key("macros");
    json.byteRows(macros);
    json.key("keyboardOption");
    json.bytes(keyboardOption);
}

} // namespace vm
