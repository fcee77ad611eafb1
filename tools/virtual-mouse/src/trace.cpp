#include "trace.h"

#include <chrono>
#include <cstring>

namespace vm {
namespace {

uint64_t monotonicMs()
{
    using namespace std::chrono;
    return uint64_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

} // namespace

Trace::Trace() : startMs(monotonicMs())
{ }

Trace::~Trace()
{
    if (file)
        std::fclose(file);
}

void Trace::openFile(const std::string &path)
{
    if (file) {
        std::fclose(file);
        file = nullptr;
    }
    if (path.empty())
        return;
    file = std::fopen(path.c_str(), "a");
    if (!file)
        std::fprintf(stderr, "virtual-mouse: cannot write the trace file %s: %s\n", path.c_str(), std::strerror(errno));
}

uint64_t Trace::now() const
{
    return clock_ ? clock_() : monotonicMs() - startMs;
}

std::string Trace::hex(const uint8_t *bytes, std::size_t count)
{
    if (!bytes || count == 0)
        return "-";
    static const char digits[] = "0123456789abcdef";
    std::string out;
    out.reserve(2 * count);
    for (std::size_t i = 0; i < count; ++i) {
        out += digits[bytes[i] >> 4];
        out += digits[bytes[i] & 0xf];
    }
    return out;
}

std::string Trace::printablePath(std::string_view path)
{
    constexpr std::size_t kMaxPath = 200;
    if (path.empty())
        return "?";
    std::string out(path.substr(0, kMaxPath));
    for (char &c : out)
        if (static_cast<unsigned char>(c) <= 0x20 || c == 0x7f)
            c = '?';
    return out;
}

void Trace::record(std::string_view op, std::string_view path, const uint8_t *bytes, std::size_t count,
                   bool badChecksum)
{
    std::string line = std::to_string(now());
    line += ' ';
    line += op;
    line += ' ';
    line += printablePath(path);
    line += ' ';
    line += hex(bytes, count);
    if (badChecksum)
        line += " bad-checksum";
    line += '\n';

    if (memory.size() + line.size() > kMemoryLimit) {
        // Keep the newer half rather than grow without bound in a long demo.
        const std::size_t cut = memory.find('\n', memory.size() / 2);
        memory.erase(0, cut == std::string::npos ? memory.size() : cut + 1);
    }
    memory += line;
    if (file) {
        std::fputs(line.c_str(), file);
        std::fflush(file);
    }
}

} // namespace vm
