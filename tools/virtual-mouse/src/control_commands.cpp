#include "control_server.h"

#include "../virtual_mouse.h"

#include <charconv>
#include <optional>
#include <string>
#include <utility>

namespace vm {
namespace {

std::string_view nextWord(std::string_view &rest)
{
    const std::size_t start = rest.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos) {
        rest = {};
        return {};
    }
    rest.remove_prefix(start);
    const std::size_t end = std::min(rest.find_first_of(" \t\r\n"), rest.size());
    const std::string_view word = rest.substr(0, end);
    rest.remove_prefix(end);
    return word;
}

std::optional<int> numberOf(std::string_view text)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// "fault NAME=VALUE [N]": a fault of vm_set_fault by its configuration key.
std::string setFault(std::string_view setting, std::string_view deviceWord)
{
    constexpr std::pair<std::string_view, vm_fault> kFaults[] = {
        {"openFails", VM_FAULT_OPEN_FAILS},
        {"noReply", VM_FAULT_NO_REPLY},
        {"wrongEcho", VM_FAULT_WRONG_ECHO},
        {"featureError", VM_FAULT_FEATURE_ERROR},
        {"writeError", VM_FAULT_WRITE_ERROR},
        {"unplugAfter", VM_FAULT_UNPLUG_AFTER},
        {"eventNeedsOption", VM_FAULT_EVENT_NEEDS_OPTION},
        {"keepsOldByte", VM_FAULT_KEEPS_OLD_BYTE},
    };
    const std::size_t equals = setting.find('=');
    if (equals == std::string_view::npos)
        return "error: fault takes NAME=VALUE\n";
    const std::string_view name = setting.substr(0, equals);
    const std::optional<int> value = numberOf(setting.substr(equals + 1));
    const std::optional<int> device = deviceWord.empty() ? std::optional<int>(0) : numberOf(deviceWord);
    if (!value || !device)
        return "error: fault value and device must be numbers\n";
    for (const auto &[key, fault] : kFaults) {
        if (key == name)
            return vm_set_fault(*device, fault, *value) == 0 ? "ok\n" : "error: no such device or value\n";
    }
    return "error: unknown fault '" + std::string(name.substr(0, 40)) + "'\n";
}

} // namespace

std::string runControlCommand(std::string_view line)
{
    std::string_view rest = line;
    const std::string_view command = nextWord(rest);
    const std::string_view arg = nextWord(rest);
    if (command == "fault")
        return setFault(arg, nextWord(rest));
    if (!nextWord(rest).empty())
        return "error: too many arguments\n";

    if (command == "state")
        return arg.empty() ? std::string(vm_state_json()) + "\n" : "error: state takes no argument\n";
    if (command == "reset") {
        if (!arg.empty())
            return "error: reset takes no argument\n";
        vm_reset();
        return "ok\n";
    }
    if (command != "press-dpi" && command != "unplug" && command != "plug")
        return "error: unknown command '" + std::string(command.substr(0, 40))
               + "' (press-dpi, unplug, plug, state, reset, fault)\n";

    int device = 0;
    if (!arg.empty()) {
        const auto [end, ec] = std::from_chars(arg.data(), arg.data() + arg.size(), device);
        if (ec != std::errc() || end != arg.data() + arg.size())
            return "error: device must be a number\n";
    }
    if (device < 0 || device >= vm_device_count())
        return "error: no device " + std::to_string(device) + " (" + std::to_string(vm_device_count())
               + " configured)\n";
    if (command == "press-dpi")
        vm_press_dpi(device);
    else
        vm_set_present(device, command == "plug");
    return "ok\n";
}

} // namespace vm
