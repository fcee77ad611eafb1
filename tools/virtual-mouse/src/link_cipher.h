// The mouse's side of the link cipher and block checksum.
#pragma once

#include <array>
#include <cstdint>

namespace vm {

using Block = std::array<uint8_t, 8>;
using SecrecyCode = std::array<uint8_t, 8>;

constexpr std::size_t kChecksumPos = 7;

// Bitwise NOT of the 8-bit sum of block bytes 0 to 6.
uint8_t blockChecksum(const Block &block);
bool checksumMatches(const Block &block);
// Secrecy code bytes 1 to 6 from a six-character text; bytes 0 and 7 stay 0.
SecrecyCode secrecyCodeFromText(const char *text6);

Block encipher(Block block, const SecrecyCode &code);
Block decipher(Block block, const SecrecyCode &code);

} // namespace vm
