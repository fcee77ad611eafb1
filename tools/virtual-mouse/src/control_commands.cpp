#include "control_server.h"

#include "../virtual_mouse.h"

#include <charconv>
#include <string>

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

} // namespace

std::string runControlCommand(std::string_view line)
{
    std::string_view rest = line;
    const std::string_view command = nextWord(rest);
    const std::string_view arg = nextWord(rest);
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
               + "' (press-dpi, unplug, plug, state, reset)\n";

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
