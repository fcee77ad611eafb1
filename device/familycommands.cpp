#include "device/familycommands.h"

#include "device/hidthread.h"
#include "encoding/deviceplan.h"
#include "encoding/profileimage.h"
#include "encoding/wirebytes.h"

namespace {

using devicemodel::Family;
using deviceplan::ColourSend;
using deviceplan::KeySend;

// A matrix of the plan, or the switch back to matrix 1.
void sendMatrixStep(FamilyCommands &commands, const KeySend &send, const keymatrix::GunMatrices &matrices)
{
    switch (send.kind) {
    case KeySend::Matrix: {
        keymatrix::Matrix matrix = send.number == 1 ? matrices.user : matrices.timing[send.number - 2];
        commands.setKeyMatrix(matrix.data(), send.number);
        break;
    }
    case KeySend::CurrentMatrix:
        commands.resumeFirstMatrix();
        break;
    case KeySend::ProfileBlock0:
        break; // the 560 images
    }
}

class Commands553 final : public FamilyCommands {
public:
    Commands553(Hid_Thread &hid, const devicemodel::Model &model) : m_hid(hid), m_model(model) { }

    void setReportRate(uint8_t rate) override { m_hid.hid553_01H_SetReportRate(rate); }
    void setCurrentDpi(uint8_t stage) override { m_hid.hid553_0BH_SetCurrentDPI(stage); }
    int currentDpi() override
    {
        uchar stage = 0;
        m_hid.hid553_8BH_GetCurrentDPI(stage);
        return stage;
    }
    void setDpiTable(int stageCount, dpi::Sensor, const dpi::StageTable &table) override
    {
        dpi::StageCodes codes = dpi::codes553(table, stageCount);
        m_hid.hid553_11H_SetDPISet(wirebytes::low8(stageCount), codes.data());
    }
    void setEffect(uint8_t effect, uint8_t speed, uint8_t brightness) override
    {
        const lighting::EffectTriple triple = deviceplan::effectPlan(m_model, effect, speed, brightness).triple;
        m_hid.hid553_0DH_SetRGBLedEffect(triple.mode, triple.value, triple.option);
    }
    void setColours(uint8_t type, const lighting::ColourBuffer &colours) override
    {
        lighting::ColourBuffer bytes = colours;
        for (const ColourSend &send : deviceplan::colourSends(m_model, type, colours)) {
            switch (send.kind) {
            case ColourSend::StageColours:
                m_hid.hid553_10H_SetLED8StageColor(send.type, bytes.data());
                break;
            case ColourSend::FixColour:
                m_hid.hid553_0CH_SetFixLEDColor(bytes.data());
                break;
            case ColourSend::ColourfulBlock0:
            case ColourSend::PlainBlock1:
                break; // the 560 images
            }
        }
    }
    void setGunPreset(int gunSlot, const gunpreset::Values &preset) override
    {
        if (!m_model.gun || !gunpreset::isSlot(gunSlot))
            return;
        // Without a reply the option bytes stay 0 and Y goes out as it is.
        uchar option1 = 0, option2 = 0, option3 = 0, option4 = 0;
        m_hid.hid553_83H_GetKeyboardoption(option1, option2, option3, option4);
        const gunpreset::Command553 command = gunpreset::command553(preset, gunSlot, option3 != 0);
        m_hid.hid553_04H_SetGunData(command.repeat, command.x, command.y, command.slot);
    }
    void setKeyMatrices(const keymatrix::GunMatrices &matrices, bool gunFunctions) override
    {
        for (const KeySend &send : deviceplan::keyMatrixSends(Family::F553, gunFunctions))
            sendMatrixStep(*this, send, matrices);
    }
    void setKeyMatrix(uint8_t *matrix, uint8_t number) override { m_hid.hid553_12H_SetKeyMatrix(matrix, number); }
    // The 553 counts its current matrix from 0.
    void switchKeyMatrix(int number) override { m_hid.hid553_02H_SetCurrentKeyMatrix(wirebytes::low8(number - 1)); }
    void resumeFirstMatrix() override { m_hid.hid553_02H_SetCurrentKeyMatrix(1); }
    void setMacro(uint8_t slot, uint8_t *record) override { m_hid.hid553_13H_SetMacroKey(slot, record); }

private:
    Hid_Thread &m_hid;
    const devicemodel::Model m_model;
};

// Most settings live in the on-board profile images, which the mouse takes
// whole: a setting is patched into the transport's copy and the block sent.
class Commands560 final : public FamilyCommands {
public:
    Commands560(Hid_Thread &hid, const devicemodel::Model &model) : m_hid(hid), m_model(model) { }

    void setReportRate(uint8_t rate) override { m_hid.hid560_03H_SetReportRate(rate); }
    void setCurrentDpi(uint8_t stage) override { m_hid.hid560_04H_SetCurrentDPI(stage); }
    int currentDpi() override
    {
        // Byte 2 asks for the active stage, which comes back in reply byte 3.
        uchar ask = 1;
        uchar stage = 0;
        m_hid.hid560_84H_GetCurrentDPI(ask, stage);
        return stage;
    }
    void setDpiTable(int stageCount, dpi::Sensor sensor, const dpi::StageTable &table) override
    {
        const uint8_t mask = dpi::enableMask(stageCount);
        const std::optional<uint8_t> highBits = deviceplan::imageHighBits(sensor, table);
        readUserBlocks(m_model.lastUserProfile());
        patchUserBlocks([&](profileimage::Block &b) { profileimage::patchDpi(b, table.codes, mask, highBits); });
        sendUserBlocks(m_model.lastUserProfile());
    }
    void setEffect(uint8_t effect, uint8_t speed, uint8_t brightness) override
    {
        const deviceplan::EffectPlan plan = deviceplan::effectPlan(m_model, effect, speed, brightness);
        readUserBlocks(plan.lastBlock);
        patchUserBlocks([&](profileimage::Block &b) { profileimage::patchEffect(b, plan.triple); });
        if (plan.block1Option)
            block(profileimage::kFirstUserBlock)[profileimage::kEffectOption] = *plan.block1Option;
        sendUserBlocks(plan.lastBlock);
    }
    void setColours(uint8_t type, const lighting::ColourBuffer &colours) override
    {
        for (const ColourSend &send : deviceplan::colourSends(m_model, type, colours)) {
            switch (send.kind) {
            case ColourSend::ColourfulBlock0:
                if (!haveBlock(profileimage::kSharedBlock))
                    break;
                profileimage::patchColourfulColours(block(profileimage::kSharedBlock), colours);
                sendBlock(profileimage::kSharedBlock);
                break;
            case ColourSend::PlainBlock1:
                if (!haveBlock(profileimage::kFirstUserBlock))
                    break;
                profileimage::patchPlainColours(block(profileimage::kFirstUserBlock), colours);
                sendBlock(profileimage::kFirstUserBlock);
                break;
            case ColourSend::StageColours:
            case ColourSend::FixColour:
                break; // the 553 commands
            }
        }
    }
    void setGunPreset(int gunSlot, const gunpreset::Values &preset) override
    {
        // Another slot would address a block that holds no gun preset, or
        // none at all.
        if (!m_model.gun || !gunpreset::isSlot(gunSlot))
            return;
        const int n = gunpreset::blockOf(gunSlot);
        if (!haveBlock(n))
            return;
        gunpreset::patchBlock(block(n), preset);
        sendBlock(n);
    }
    void setKeyMatrices(const keymatrix::GunMatrices &matrices, bool gunFunctions) override
    {
        for (const KeySend &send : deviceplan::keyMatrixSends(Family::F560, gunFunctions)) {
            if (send.kind != KeySend::ProfileBlock0) {
                sendMatrixStep(*this, send, matrices);
                continue;
            }
            if (!haveBlock(profileimage::kSharedBlock))
                continue;
            if (matrices.gunLevel)
                profileimage::patchGunLevel(block(profileimage::kSharedBlock), *matrices.gunLevel);
            sendBlock(profileimage::kSharedBlock);
        }
    }
    void setKeyMatrix(uint8_t *matrix, uint8_t number) override { m_hid.hid560_0DH_SetKeyMatrix(matrix, number); }
    void switchKeyMatrix(int number) override { m_hid.hid560_02H_SetCurrentProfile(wirebytes::low8(number)); }
    void resumeFirstMatrix() override { m_hid.hid560_02H_SetCurrentProfile(1); }
    void setMacro(uint8_t slot, uint8_t *record) override { m_hid.hid560_0FH_SetMacroKey(slot, record); }

private:
    profileimage::Block &block(int n) { return m_hid.profileImages[n]; }
    // Written and read back.
    void sendBlock(int n) { m_hid.writeProfileImage(n); }
    // An image the mouse did not send at connect is asked for again before
    // it is patched; one it still does not send is not written at all, so
    // that no made-up bytes reach the mouse. The failed read is the action's
    // outcome.
    bool haveBlock(int n) { return m_hid.profileImageKnown(n) || m_hid.readProfileImage(n); }
    void readUserBlocks(int last)
    {
        for (int n = profileimage::kFirstUserBlock; n <= last; ++n)
            haveBlock(n);
    }

    // Every user profile carries the setting, also those a mouse without
    // the gun does not use.
    template <typename Patch> void patchUserBlocks(Patch patch)
    {
        for (int n = profileimage::kFirstUserBlock; n <= devicemodel::kGunProfiles; ++n)
            patch(block(n));
    }
    // Profile 1 and on to `last`, in that order.
    void sendUserBlocks(int last)
    {
        for (int n = profileimage::kFirstUserBlock; n <= last; ++n) {
            if (m_hid.profileImageKnown(n))
                sendBlock(n);
        }
    }

    Hid_Thread &m_hid;
    const devicemodel::Model m_model;
};

} // namespace

std::unique_ptr<FamilyCommands> familyCommands(Hid_Thread &hid, const devicemodel::Model &model)
{
    if (model.is560())
        return std::make_unique<Commands560>(hid, model);
    return std::make_unique<Commands553>(hid, model);
}
