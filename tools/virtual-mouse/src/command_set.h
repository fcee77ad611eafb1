// The firmware side of one command family: the state its commands set.
#pragma once

#include "device_config.h"
#include "json_writer.h"
#include "link_cipher.h"

#include <cstdint>
#include <span>
#include <vector>

namespace vm {

// Block positions of a command and of a reply.
constexpr std::size_t kCodePos = 0;
constexpr std::size_t kArg1 = 1; // report byte 2
constexpr std::size_t kArg2 = 2; // report byte 3, the payload length of payload commands
constexpr std::size_t kArg3 = 3;
constexpr std::size_t kArg4 = 4;
constexpr std::size_t kArg5 = 5;

constexpr uint8_t kEventReportId = 6;
constexpr uint8_t kEventDpiSwitched = 7;
constexpr std::size_t kEventReportSize = 4;

struct Execution {
    Block reply{};              // bytes 1 to 6 set by the command; code and checksum by the link
    std::vector<uint8_t> input; // bytes the mouse then delivers on its command interface
};

class CommandSet {
public:
    virtual ~CommandSet() = default;
    // Payload bytes the command takes from the output reports that follow:
    // 0 none, -1 the command is not accepted (unknown code, bad argument).
    virtual int payloadLength(const Block &cmd) const = 0;
    virtual void execute(const Block &cmd, std::span<const uint8_t> payload, Execution &out) = 0;
    // The DPI button: moves to the next stage in use and returns it (from 1).
    virtual uint8_t pressDpi() = 0;
    // The option bit that switches event notices on is set.
    virtual bool eventNoticesOn() const = 0;
    virtual void writeState(JsonWriter &json) const = 0;

    // The firmware fault of the same name (Faults), set before each command.
    bool keepsOldByte = false;
};

// Next stage after `current` (1-based) among the stages whose bit is set in
// `inUse` (bit i for stage i + 1), wrapping; stage 1 when none is in use.
uint8_t nextStageInUse(uint8_t current, uint8_t inUse);

} // namespace vm
