#pragma once

#include "encoding/bytes.h"

#include <QStringView>

#include <array>
#include <cstdint>

// DPI values into the one-byte codes of the mouse's optical sensor, and the
// eight-stage table built from them.
namespace dpi {

constexpr int kStages = 8;
constexpr uint8_t kStageOff553 = 0x80;

using StageCodes = std::array<uint8_t, kStages>;

enum class Sensor { S4090, S3360, S3050, S3389 };

// "4090", "3360", "3050", "3389"; any other text converts like "4090".
Sensor sensorFromName(QStringView name);

struct SensorCode {
    uint8_t code = 0;
    bool highBit = false; // "3389": the value does not fit in the code byte
    bool operator==(const SensorCode &) const = default;
};

SensorCode sensorCode(Sensor sensor, int value);

// The codes of the first eight values in stage order; stages without a
// value keep the code 0. Bit i of `highBits` belongs to stage i.
struct StageTable {
    StageCodes codes{};
    uint8_t highBits = 0;
    int valueCount = 0; // stages that had a value (at most eight)
};

StageTable stageTable(Sensor sensor, encoding::Values values);

// 560 family: bit i set for each stage below the stage count.
uint8_t enableMask(int stageCount);

// 553 family: stages that have a value but lie at or beyond the stage count
// carry the "off" code.
StageCodes codes553(const StageTable &table, int stageCount);

} // namespace dpi
