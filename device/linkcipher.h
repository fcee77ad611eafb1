#pragma once

#include "device/framing.h"

#include <array>
#include <cstdint>
#include <span>

// The optional cipher of the command link: an 8-byte block cipher keyed by
// the device's secrecy code and a constant key. Only command and reply
// blocks are enciphered, never payload data.
namespace linkcipher {

using framing::kBlockSize;
using Code = std::array<uint8_t, kBlockSize>;
using Block = std::span<uint8_t, kBlockSize>;
using CodeView = std::span<const uint8_t, kBlockSize>;

constexpr Code kCipherKey = {'T', 'i', 'x', 'a', 'B', 'r', 'u', 'm'};

// Bytes 1 to 6 of a secrecy code are used; 0 and 7 never are.
constexpr int kFirstCodeByte = 1;
constexpr int kLastCodeByte = 6;
constexpr int kSecrecyCodeLength = kLastCodeByte - kFirstCodeByte + 1;

// In place.
void encipher(Block block, CodeView code);
void decipher(Block block, CodeView code);

} // namespace linkcipher
