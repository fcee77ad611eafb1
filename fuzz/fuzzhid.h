#pragma once

#include <cstddef>
#include <cstdint>

// A stand-in for hidapi that answers every call from a stream of bytes: the
// mouse, as a fuzzer sees it. When the bytes run out every call fails, so
// each run ends.
namespace fuzzhid {

void feed(const uint8_t *data, size_t size);
size_t remaining();

// One report as a read on the event interface would hand it over: the
// return value of the read and the bytes.
int readReport(uint8_t *report, size_t length);

} // namespace fuzzhid
