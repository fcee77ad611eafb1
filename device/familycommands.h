#pragma once

#include "encoding/devicemodel.h"
#include "encoding/dpi.h"
#include "encoding/gunpreset.h"
#include "encoding/keymatrix.h"
#include "encoding/lighting.h"

#include <cstdint>
#include <memory>

class Hid_Thread;

// The device operations that are one command or the other by family, over
// the transport's command slots. The view hands each operation over once,
// already encoded; the pure plans decide what goes out, and the 560
// implementation patches and sends the on-board profile images.
class FamilyCommands {
public:
    virtual ~FamilyCommands() = default;

    virtual void setReportRate(uint8_t rate) = 0;
    virtual void setCurrentDpi(uint8_t stage) = 0;
    // The active stage as the mouse reports it; 0 when it does not answer.
    virtual int currentDpi() = 0;
    // The DPI table with the number of stages in use.
    virtual void setDpiTable(int stageCount, dpi::Sensor sensor, const dpi::StageTable &table) = 0;
    // The lighting page's effect, speed and brightness.
    virtual void setEffect(uint8_t effect, uint8_t speed, uint8_t brightness) = 0;
    virtual void setColours(uint8_t type, const lighting::ColourBuffer &colours) = 0;
    // Gun slots 1 to 3 of a gun mouse; anything else sends nothing.
    virtual void setGunPreset(int gunSlot, const gunpreset::Values &preset) = 0;
    // The user's matrix, and with gun functions the timing matrices and the
    // switch back to matrix 1.
    virtual void setKeyMatrices(const keymatrix::GunMatrices &matrices, bool gunFunctions) = 0;
    // Matrix `number` counted from 1; 64 bytes.
    virtual void setKeyMatrix(uint8_t *matrix, uint8_t number) = 0;
    // The key page's matrix number, counted from 1.
    virtual void switchKeyMatrix(int number) = 0;
    // After a gun key matrix: matrix 1 is made current with the argument 1
    // on both families.
    virtual void resumeFirstMatrix() = 0;
    virtual void setMacro(uint8_t slot, uint8_t *record) = 0;
};

std::unique_ptr<FamilyCommands> familyCommands(Hid_Thread &hid, const devicemodel::Model &model);
