// The call trace: one line per hidapi call that reaches a mouse.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace vm {

using Clock = uint64_t (*)();

class Trace {
public:
    Trace();
    ~Trace();
    Trace(const Trace &) = delete;
    Trace &operator=(const Trace &) = delete;

    // Also appends every line to this file (empty: memory only).
    void openFile(const std::string &path);
    void setClock(Clock clock) { clock_ = clock; }
    uint64_t now() const;

    void record(std::string_view op, std::string_view path, const uint8_t *bytes, std::size_t count,
                bool badChecksum = false);
    const std::string &lines() const { return memory; }
    void clear() { memory.clear(); }

    static std::string hex(const uint8_t *bytes, std::size_t count);
    // Keeps a caller's path on one field of one line.
    static std::string printablePath(std::string_view path);

private:
    static constexpr std::size_t kMemoryLimit = 8u << 20;

    std::string memory;
    std::FILE *file = nullptr;
    Clock clock_ = nullptr;
    uint64_t startMs;
};

} // namespace vm
