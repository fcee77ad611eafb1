#pragma once

#include <array>
#include <cstdint>

// The optional cipher of the command link: an 8-byte block cipher keyed by
// the device's secrecy code and a constant key. Only command and reply
// blocks are enciphered, never payload data.
namespace linkcipher {

constexpr int kBlockSize = 8;
using Code = std::array<uint8_t, kBlockSize>;

constexpr Code kCipherKey = {'T', 'i', 'x', 'a', 'B', 'r', 'u', 'm'};

// Bytes 1 to 6 of a secrecy code are used; 0 and 7 never are.
constexpr int kFirstCodeByte = 1;
constexpr int kLastCodeByte = 6;
constexpr int kSecrecyCodeLength = kLastCodeByte - kFirstCodeByte + 1;

// In place on block[0..7] with code[0..7].
void encipher(uint8_t *block, const uint8_t *code);
void decipher(uint8_t *block, const uint8_t *code);

// The program's secrecy code: all zero at start, bytes 1 to 6 set by the
// handshake. Used by the GUI thread only.
Code &secrecyCode();

} // namespace linkcipher
