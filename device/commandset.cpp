#include "device/commandset.h"

namespace commandset {

framing::Args arguments(const Command &command, std::span<const uint8_t> params, uint8_t profileNo)
{
    framing::Args args{};
    for (int i = 0; i < framing::kArgCount; ++i) {
        const Arg &arg = command.args[i];
        switch (arg.kind) {
        case Arg::Zero:
            break;
        case Arg::Param:
            args[i] = arg.value < params.size() ? params[arg.value] : 0;
            break;
        case Arg::Fixed:
            args[i] = arg.value;
            break;
        case Arg::Profile:
            args[i] = profileNo;
            break;
        }
    }
    return args;
}

int payloadLength(const Command &command, std::span<const uint8_t> params)
{
    if (command.payloadParam == kNoPayloadParam)
        return command.payload;
    const size_t index = size_t(command.payloadParam);
    const int announced = index < params.size() ? params[index] : 0;
    return announced < command.payload ? announced : command.payload;
}

} // namespace commandset
