// Prints what the controller's encoders make of DPI stages and of a lighting
// choice, as JSON, so that the end-to-end flows compare the virtual mouse
// with the program's own encoding and never with numbers of their own.
//
//   e2e_expected_bytes dpi <sensor> <stage count> <value>...
//       {"codes": [8 codes], "mask": <enable mask>, "highBits": <flags>}
//   e2e_expected_bytes effect colourful|plain <effect> <speed> <brightness>
//       {"triple": [mode, value, option]}
#include "encoding/dpi.h"
#include "encoding/lighting.h"

#include <QString>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

int usage()
{
    std::fputs("usage: e2e_expected_bytes dpi <sensor> <stage count> <value>...\n"
               "       e2e_expected_bytes effect colourful|plain <effect> <speed> <brightness>\n",
               stderr);
    return 2;
}

bool number(const char *text, int &out)
{
    char *end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0')
        return false;
    out = static_cast<int>(value);
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2)
        return usage();
    const std::string what = argv[1];
    std::vector<int> numbers;
    for (int i = 3; i < argc; ++i) {
        int n = 0;
        if (!number(argv[i], n))
            return usage();
        numbers.push_back(n);
    }

    if (what == "dpi" && argc >= 4) {
        const dpi::Sensor sensor = dpi::sensorFromName(QString::fromLocal8Bit(argv[2]));
        const int stageCount = numbers.front();
        const std::vector<int> values(numbers.begin() + 1, numbers.end());
        const dpi::StageTable table = dpi::stageTable(sensor, values);
        std::printf("{\"codes\": [");
        for (int i = 0; i < dpi::kStages; ++i)
            std::printf("%s%d", i ? ", " : "", table.codes[i]);
        std::printf("], \"mask\": %d, \"highBits\": %d}\n", dpi::enableMask(stageCount), table.highBits);
        return 0;
    }
    if (what == "effect" && argc == 6) {
        const std::string model = argv[2];
        if (model != "colourful" && model != "plain")
            return usage();
        const auto byte = [](int v) {
            return static_cast<uint8_t>(v);
        };
        const lighting::EffectTriple t =
            model == "colourful" ? lighting::colourfulEffect(byte(numbers[0]), byte(numbers[1]), byte(numbers[2]))
                                 : lighting::plainEffect(byte(numbers[0]), byte(numbers[1]), byte(numbers[2]));
        std::printf("{\"triple\": [%d, %d, %d]}\n", t.mode, t.value, t.option);
        return 0;
    }
    return usage();
}
