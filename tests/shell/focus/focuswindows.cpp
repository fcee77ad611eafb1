// Stands in for a window manager in the end-to-end flows: makes one small
// window per "instance.Class" argument, then reads lines from its input:
// "front N" brings window N to the front, "none" leaves no window in front.
// Answers each line with "ok" once the X server has it.
#include "fakewindowmanager.h"

#include <iostream>
#include <string>

int main(int argc, char **argv)
{
    FakeWindowManager manager;
    if (!manager.isValid()) {
        std::cerr << "focuswindows: no X server\n";
        return 1;
    }
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto dot = arg.find('.');
        const std::string instance = dot == std::string::npos ? arg : arg.substr(0, dot);
        const std::string className = dot == std::string::npos ? arg : arg.substr(dot + 1);
        manager.addWindow(instance, className, className + " window");
    }
    std::cout << "ready" << std::endl;
    std::string line;
    while (std::getline(std::cin, line)) {
        if (line.rfind("front ", 0) == 0)
            manager.front(std::stoi(line.substr(6)));
        else if (line == "none")
            manager.front(-1);
        else {
            std::cout << "unknown: " << line << std::endl;
            continue;
        }
        std::cout << "ok" << std::endl;
    }
    manager.clearRoot();
    return 0;
}
