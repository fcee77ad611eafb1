#include "device/familycommands.h"

#include "device/hidthread.h"
#include "device/wirebytes.h"

namespace {

class Commands553 final : public FamilyCommands {
public:
    explicit Commands553(Hid_Thread &hid) : m_hid(hid) { }

    void setReportRate(uint8_t rate) override { m_hid.hid553_01H_SetReportRate(rate); }
    void setCurrentDpi(uint8_t stage) override { m_hid.hid553_0BH_SetCurrentDPI(stage); }
    int currentDpi() override
    {
        uchar stage = 0;
        m_hid.hid553_8BH_GetCurrentDPI(stage);
        return stage;
    }
    void setKeyMatrix(uint8_t *matrix, uint8_t number) override { m_hid.hid553_12H_SetKeyMatrix(matrix, number); }
    // The 553 counts its current matrix from 0.
    void switchKeyMatrix(int number) override { m_hid.hid553_02H_SetCurrentKeyMatrix(wirebytes::low8(number - 1)); }
    void resumeFirstMatrix() override { m_hid.hid553_02H_SetCurrentKeyMatrix(1); }
    void setMacro(uint8_t slot, uint8_t *record) override { m_hid.hid553_13H_SetMacroKey(slot, record); }

private:
    Hid_Thread &m_hid;
};

class Commands560 final : public FamilyCommands {
public:
    explicit Commands560(Hid_Thread &hid) : m_hid(hid) { }

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
    void setKeyMatrix(uint8_t *matrix, uint8_t number) override { m_hid.hid560_0DH_SetKeyMatrix(matrix, number); }
    void switchKeyMatrix(int number) override { m_hid.hid560_02H_SetCurrentProfile(wirebytes::low8(number)); }
    void resumeFirstMatrix() override { m_hid.hid560_02H_SetCurrentProfile(1); }
    void setMacro(uint8_t slot, uint8_t *record) override { m_hid.hid560_0FH_SetMacroKey(slot, record); }

private:
    Hid_Thread &m_hid;
};

} // namespace

std::unique_ptr<FamilyCommands> familyCommands(Hid_Thread &hid, devicemodel::Family family)
{
    if (family == devicemodel::Family::F560)
        return std::make_unique<Commands560>(hid);
    return std::make_unique<Commands553>(hid);
}
