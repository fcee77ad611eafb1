#include "virtual_device.h"

#include "mouse553.h"
#include "mouse560.h"

#include <algorithm>
#include <atomic>
#include <cstdio>

namespace vm {
namespace {

constexpr uint8_t kGetSecrecyCode = 0x00;
constexpr uint8_t kUnnumbered = 0;
constexpr std::size_t kEchoBytes = 4;

// Shared by all devices so that a handle never matches a device that replaced its own.
std::atomic<uint64_t> lastGeneration{0};

std::unique_ptr<CommandSet> makeCommands(const DeviceConfig &cfg)
{
    if (cfg.family == Family::F553)
        return std::make_unique<Mouse553>();
    return std::make_unique<Mouse560>(cfg.isGun);
}

std::string hex2(unsigned v)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02x", v & 0xffu);
    return buf;
}

} // namespace

VirtualDevice::VirtualDevice(DeviceConfig config) : cfg(std::move(config))
{
    code = secrecyCodeFromText(cfg.sCode.c_str());
    reset();
}

void VirtualDevice::reset()
{
    fault = cfg.faults;
    plugged = cfg.present;
    gen = ++lastGeneration;
    commands = makeCommands(cfg);
    reply = {};
    pending.reset();
    commandInput.clear();
    eventInput.clear();
}

void VirtualDevice::setPresent(bool present)
{
    if (present == plugged)
        return;
    plugged = present;
    if (!present) {
        // What the cable carried is gone; the settings stay in the mouse.
        gen = ++lastGeneration;
        reply = {};
        pending.reset();
        commandInput.clear();
        eventInput.clear();
    }
}

VirtualDevice::SendResult VirtualDevice::sendFeature(Port port, const uint8_t *data, std::size_t length,
                                                     std::string &error)
{
    if (port == Port::Event) {
        error = "the event interface has no feature reports";
        return {-1, false};
    }
    if (fault.featureError) {
        error = "feature report not accepted (broken pipe)";
        return {-1, false};
    }
    if (length < kFeatureSize) {
        error = "feature report of " + std::to_string(length) + " bytes, the mouse takes 9";
        return {-1, false};
    }
    if (data[0] != kUnnumbered) {
        error = "report ID " + hex2(data[0]) + " does not exist on the command interface";
        return {-1, false};
    }
    Block block;
    std::copy_n(data + 1, block.size(), block.begin());
    const Block plain = cfg.isEncode ? decipher(block, code) : block;

    // A new command ends whatever the previous one left unfinished.
    pending.reset();
    commandInput.clear();
    if (!checksumMatches(plain)) {
        reply = {};
        return {int(length), true};
    }
    receiveBlock(plain);
    return {int(length), false};
}

void VirtualDevice::receiveBlock(const Block &plain)
{
    reply = {};
    reply[kCodePos] = plain[kCodePos];
    if (plain[kCodePos] == kGetSecrecyCode) {
        for (std::size_t i = kArg1; i < kArg1 + kEchoBytes; ++i)
            reply[i] = fault.wrongEcho ? uint8_t(~plain[i]) : plain[i];
    } else {
        const int wanted = commands->payloadLength(plain);
        if (wanted > 0)
            pending = Pending{plain, std::size_t(wanted), {}};
        else if (wanted == 0)
            run(plain, {});
    }
    reply[kChecksumPos] = blockChecksum(reply);
}

void VirtualDevice::run(const Block &cmd, std::span<const uint8_t> payload)
{
    Execution out;
    commands->keepsOldByte = fault.keepsOldByte;
    commands->execute(cmd, payload, out);
    std::copy(out.reply.begin() + kArg1, out.reply.begin() + kChecksumPos, reply.begin() + kArg1);
    reply[kChecksumPos] = blockChecksum(reply);
    if (!out.input.empty())
        queueInput(out.input);
}

// Input reports of the report length, the last one zero-filled.
void VirtualDevice::queueInput(const std::vector<uint8_t> &bytes)
{
    const std::size_t len = std::size_t(cfg.reportLength);
    for (std::size_t off = 0; off < bytes.size(); off += len) {
        std::vector<uint8_t> report(len, 0);
        std::copy_n(bytes.begin() + off, std::min(len, bytes.size() - off), report.begin());
        commandInput.push_back(std::move(report));
    }
}

int VirtualDevice::getFeature(Port port, uint8_t *data, std::size_t length, std::string &error)
{
    if (port == Port::Event) {
        error = "the event interface has no feature reports";
        return -1;
    }
    if (fault.featureError) {
        error = "feature report not delivered (broken pipe)";
        return -1;
    }
    if (fault.noReply) {
        error = "the mouse did not answer (timed out)";
        return -1;
    }
    if (length < 1) {
        error = "no room for the report ID";
        return -1;
    }
    if (data[0] != kUnnumbered) {
        error = "report ID " + hex2(data[0]) + " does not exist on the command interface";
        return -1;
    }
    const Block wire = cfg.isEncode ? encipher(reply, code) : reply;
    const std::size_t n = std::min(length - 1, wire.size());
    std::copy_n(wire.begin(), n, data + 1);
    return int(1 + n);
}

int VirtualDevice::writeOutput(Port port, const uint8_t *data, std::size_t length, std::string &error)
{
    if (port == Port::Event) {
        error = "the event interface has no output reports";
        return -1;
    }
    if (fault.writeError) {
        error = "output report not accepted (I/O error)";
        return -1;
    }
    if (length < 1) {
        error = "empty output report";
        return -1;
    }
    if (data[0] != kUnnumbered) {
        error = "report ID " + hex2(data[0]) + " does not exist on the command interface";
        return -1;
    }
    const std::size_t size = length - 1;
    if (size > std::size_t(cfg.reportLength)) {
        error = "output report of " + std::to_string(size) + " bytes, the report length is "
                + std::to_string(cfg.reportLength);
        return -1;
    }
    if (pending) {
        const std::size_t take = std::min(size, pending->wanted - pending->data.size());
        pending->data.insert(pending->data.end(), data + 1, data + 1 + take);
        if (pending->data.size() == pending->wanted) {
            const Pending done = std::move(*pending);
            pending.reset();
            run(done.cmd, done.data);
        }
    }
    return int(length);
}

bool VirtualDevice::hasInput(Port port) const
{
    switch (port) {
    case Port::Command:
        return !commandInput.empty();
    case Port::Event:
        return !eventInput.empty();
    case Port::Both:
        return !commandInput.empty() || !eventInput.empty();
    }
    return false;
}

int VirtualDevice::takeInput(Port port, uint8_t *data, std::size_t length)
{
    std::deque<std::vector<uint8_t>> &queue =
        port == Port::Event || (port == Port::Both && commandInput.empty()) ? eventInput : commandInput;
    if (queue.empty())
        return 0;
    const std::vector<uint8_t> report = std::move(queue.front());
    queue.pop_front();
    const std::size_t n = std::min(length, report.size());
    std::copy_n(report.begin(), n, data);
    return int(n);
}

bool VirtualDevice::pressDpi()
{
    if (!plugged)
        return false;
    const uint8_t stage = commands->pressDpi();
    if (fault.eventNeedsOption && !commands->eventNoticesOn())
        return true;
    if (eventInput.size() < kMaxQueuedReports)
        eventInput.push_back({kEventReportId, kEventDpiSwitched, 0x00, stage});
    return true;
}

void VirtualDevice::countCall()
{
    if (fault.unplugAfter <= 0)
        return;
    if (--fault.unplugAfter == 0)
        setPresent(false);
}

void VirtualDevice::writeState(JsonWriter &json, int index) const
{
    char id[8];
    json.beginObject();
    json.key("index");
    json.value(long(index));
    json.key("family");
    json.value(long(cfg.family));
    json.key("present");
    json.value(plugged);
    std::snprintf(id, sizeof id, "%04x", cfg.vid);
    json.key("vid");
    json.value(std::string(id));
    std::snprintf(id, sizeof id, "%04x", cfg.pid);
    json.key("pid");
    json.value(std::string(id));
    json.key("isEncode");
    json.value(cfg.isEncode);
    json.key("isGun");
    json.value(cfg.isGun);
    json.key("pendingEvents");
    json.value(long(eventInput.size()));
    commands->writeState(json);
    json.endObject();
}

} // namespace vm
