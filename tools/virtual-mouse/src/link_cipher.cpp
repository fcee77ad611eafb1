#include "link_cipher.h"

namespace vm {
namespace {

constexpr std::array<uint8_t, 8> kCipherKey = {'T', 'i', 'x', 'a', 'B', 'r', 'u', 'm'};

constexpr uint8_t swapNibbles(uint8_t v)
{
    return uint8_t((v << 4) | (v >> 4));
}

void exchangeHalves(Block &b)
{
    std::swap(b[0], b[5]);
    std::swap(b[1], b[4]);
    std::swap(b[2], b[7]);
    std::swap(b[3], b[6]);
}

// Bytes 0 and 7 of the code never take part.
void mixCode(Block &b, const SecrecyCode &code)
{
    for (std::size_t i = 1; i <= 6; ++i)
        b[i] ^= code[i];
}

} // namespace

uint8_t blockChecksum(const Block &block)
{
    uint8_t sum = 0;
    for (std::size_t i = 0; i < kChecksumPos; ++i)
        sum = uint8_t(sum + block[i]);
    return uint8_t(~sum);
}

bool checksumMatches(const Block &block)
{
    return blockChecksum(block) == block[kChecksumPos];
}

SecrecyCode secrecyCodeFromText(const char *text6)
{
    SecrecyCode code{};
    for (std::size_t i = 0; i < 6 && text6[i] != '\0'; ++i)
        code[i + 1] = uint8_t(text6[i]);
    return code;
}

Block encipher(Block b, const SecrecyCode &code)
{
    exchangeHalves(b);
    mixCode(b, code);
    const Block old = b;
    for (std::size_t i = 0; i < 8; ++i)
        b[i] = uint8_t((old[i] << 3) | (old[(i + 1) % 8] >> 5));
    for (std::size_t i = 0; i < 8; ++i)
        b[i] = uint8_t(b[i] + swapNibbles(kCipherKey[i]));
    return b;
}

Block decipher(Block b, const SecrecyCode &code)
{
    for (std::size_t i = 0; i < 8; ++i)
        b[i] = uint8_t(b[i] - swapNibbles(kCipherKey[i]));
    const Block old = b;
    for (std::size_t i = 0; i < 8; ++i)
        b[i] = uint8_t((old[i] >> 3) | (old[(i + 7) % 8] << 5));
    mixCode(b, code);
    exchangeHalves(b);
    return b;
}

} // namespace vm
