#pragma once

#include "device/devicemodel.h"

#include <cstdint>
#include <memory>

class Hid_Thread;

// The device operations that are one command or the other by family, over
// the transport's command slots. The view calls these and never asks the
// family itself; what lives in the 560 profile images stays with the view's
// plans.
class FamilyCommands {
public:
    virtual ~FamilyCommands() = default;

    virtual void setReportRate(uint8_t rate) = 0;
    virtual void setCurrentDpi(uint8_t stage) = 0;
    // The active stage as the mouse reports it; 0 when it does not answer.
    virtual int currentDpi() = 0;
    // Matrix `number` counted from 1; 64 bytes.
    virtual void setKeyMatrix(uint8_t *matrix, uint8_t number) = 0;
    // The key page's matrix number, counted from 1.
    virtual void switchKeyMatrix(int number) = 0;
    // After a gun key matrix: matrix 1 is made current with the argument 1
    // on both families.
    virtual void resumeFirstMatrix() = 0;
    virtual void setMacro(uint8_t slot, uint8_t *record) = 0;
};

std::unique_ptr<FamilyCommands> familyCommands(Hid_Thread &hid, devicemodel::Family family);
