// One virtual mouse as its USB side sees it: interfaces, reports, cipher,
// payload collection and the queued input reports. Callers hold the
// library's lock.
#pragma once

#include "command_set.h"
#include "device_config.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vm {

enum class Port { Command, Event, Both };

class VirtualDevice {
public:
    explicit VirtualDevice(DeviceConfig config);

    const DeviceConfig &config() const { return cfg; }
    Faults &faults() { return fault; }
    bool present() const { return plugged; }
    // Bumped whenever open handles must stop working (unplug, reset).
    uint64_t generation() const { return gen; }

    void reset();
    void setPresent(bool present);

    struct SendResult {
        int result;
        bool badChecksum;
    };
    SendResult sendFeature(Port port, const uint8_t *data, std::size_t length, std::string &error);
    int getFeature(Port port, uint8_t *data, std::size_t length, std::string &error);
    int writeOutput(Port port, const uint8_t *data, std::size_t length, std::string &error);
    bool hasInput(Port port) const;
    // Moves the oldest queued report of the port into data; returns its copied size.
    int takeInput(Port port, uint8_t *data, std::size_t length);

    // Returns false when the mouse is unplugged and nothing happened.
    bool pressDpi();
    // Counts a call that reached the mouse; pulls the plug when the count runs out.
    void countCall();

    void writeState(JsonWriter &json, int index) const;

private:
    static constexpr std::size_t kFeatureSize = 1 + 8;
    static constexpr std::size_t kMaxQueuedReports = 64;

    struct Pending {
        Block cmd;
        std::size_t wanted;
        std::vector<uint8_t> data;
    };

    void receiveBlock(const Block &plain);
    void run(const Block &cmd, std::span<const uint8_t> payload);
    void queueInput(const std::vector<uint8_t> &bytes);

    DeviceConfig cfg;
    Faults fault;
    bool plugged = true;
    uint64_t gen = 0;
    SecrecyCode code{};
    std::unique_ptr<CommandSet> commands;
    Block reply{};
    std::optional<Pending> pending;
    std::deque<std::vector<uint8_t>> commandInput;
    std::deque<std::vector<uint8_t>> eventInput;
};

} // namespace vm
