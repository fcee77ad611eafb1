#include "encoding/dpi.h"

#include <QLatin1String>

#include <algorithm>

namespace dpi {

using encoding::low8;

namespace {

struct Sensor3050Row {
    int upTo;
    uint8_t code;
};

// clang-format off
constexpr std::array<Sensor3050Row, 12> kSensor3050{{
    {250, 0x01},  {500, 0x02},  {750, 0x03},  {1000, 0x04},
    {1250, 0x05}, {1500, 0x06}, {1750, 0x07}, {2000, 0x08},
    {2500, 0x45}, {3000, 0x46}, {3500, 0x47}, {4000, 0x48},
}};
// clang-format on

constexpr int kHighBitFrom3389 = 12800;
constexpr int kDoubleStepAbove4090 = 5000;
constexpr uint8_t kDoubleStepFlag4090 = 0x40;

uint8_t hundredsLessOne(int value)
{
    return low8(value / 100 - 1);
}

} // namespace

Sensor sensorFromName(QStringView name)
{
    if (name == QLatin1String("3360"))
        return Sensor::S3360;
    if (name == QLatin1String("3050"))
        return Sensor::S3050;
    if (name == QLatin1String("3389"))
        return Sensor::S3389;
    return Sensor::S4090;
}

SensorCode sensorCode(Sensor sensor, int value)
{
    switch (sensor) {
    case Sensor::S3360:
        return {hundredsLessOne(value), false};
    case Sensor::S3050: {
        const auto row = std::find_if(kSensor3050.begin(), kSensor3050.end(),
                                      [value](const Sensor3050Row &r) { return value <= r.upTo; });
        return {row == kSensor3050.end() ? uint8_t(0) : row->code, false};
    }
    case Sensor::S3389:
        return {low8(value / 50), value >= kHighBitFrom3389};
    case Sensor::S4090:
        break;
    }
    if (value <= kDoubleStepAbove4090)
        return {hundredsLessOne(value), false};
    return {static_cast<uint8_t>(low8(value / 200) | kDoubleStepFlag4090), false};
}

StageTable stageTable(Sensor sensor, encoding::Values values)
{
    StageTable table;
    table.valueCount = static_cast<int>(std::min<std::size_t>(values.size(), kStages));
    for (int stage = 0; stage < table.valueCount; ++stage) {
        const SensorCode code = sensorCode(sensor, values[stage]);
        table.codes[stage] = code.code;
        if (code.highBit)
            table.highBits |= static_cast<uint8_t>(1u << stage);
    }
    return table;
}

uint8_t enableMask(int stageCount)
{
    const int stages = std::clamp(stageCount, 0, kStages);
    return static_cast<uint8_t>((1u << stages) - 1u);
}

StageCodes codes553(const StageTable &table, int stageCount)
{
    StageCodes codes = table.codes;
    for (int stage = std::max(stageCount, 0); stage < table.valueCount; ++stage)
        codes[stage] = kStageOff553;
    return codes;
}

} // namespace dpi
