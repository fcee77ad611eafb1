#include "device/linkcipher.h"

#include <utility>

namespace linkcipher {
namespace {

constexpr uint8_t swapNibbles(uint8_t b)
{
    return uint8_t((b << 4) | (b >> 4));
}

// Exchanges 0 and 5, 1 and 4, 2 and 7, 3 and 6; its own inverse.
void shuffle(Block b)
{
    std::swap(b[0], b[5]);
    std::swap(b[1], b[4]);
    std::swap(b[2], b[7]);
    std::swap(b[3], b[6]);
}

void mixCode(Block b, CodeView code)
{
    for (int i = kFirstCodeByte; i <= kLastCodeByte; ++i)
        b[i] ^= code[i];
}

// The block as one 64-bit value, b[0] most significant.
uint64_t load(Block b)
{
    uint64_t v = 0;
    for (int i = 0; i < kBlockSize; ++i)
        v = (v << 8) | b[i];
    return v;
}

void store(Block b, uint64_t v)
{
    for (int i = kBlockSize - 1; i >= 0; --i) {
        b[i] = uint8_t(v);
        v >>= 8;
    }
}

constexpr int kRotation = 3;

} // namespace

void encipher(Block block, CodeView code)
{
    shuffle(block);
    mixCode(block, code);
    const uint64_t v = load(block);
    store(block, (v << kRotation) | (v >> (64 - kRotation)));
    for (int i = 0; i < kBlockSize; ++i)
        block[i] = uint8_t(block[i] + swapNibbles(kCipherKey[i]));
}

void decipher(Block block, CodeView code)
{
    for (int i = 0; i < kBlockSize; ++i)
        block[i] = uint8_t(block[i] - swapNibbles(kCipherKey[i]));
    const uint64_t v = load(block);
    store(block, (v >> kRotation) | (v << (64 - kRotation)));
    mixCode(block, code);
    shuffle(block);
}

} // namespace linkcipher
