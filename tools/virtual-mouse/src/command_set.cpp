#include "command_set.h"

namespace vm {

uint8_t nextStageInUse(uint8_t current, uint8_t inUse)
{
    if (inUse == 0)
        return 1;
    unsigned stage = current >= 1 && current <= 8 ? current : 8;
    for (int step = 0; step < 8; ++step) {
        stage = stage % 8 + 1;
        if (inUse & (1u << (stage - 1)))
            return uint8_t(stage);
    }
    return 1;
}

} // namespace vm
