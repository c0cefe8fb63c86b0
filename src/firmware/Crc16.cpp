#include "firmware/Crc16.h"

#include <array>

namespace {

constexpr uint16_t kPolynomial = 0x1021;

// One entry per value of the top byte: the remainder after shifting it out.
constexpr std::array<uint16_t, 256> MakeTable() {
    std::array<uint16_t, 256> table{};
    for (unsigned top = 0; top < 256; ++top) {
        uint16_t r = static_cast<uint16_t>(top << 8);
        for (int bit = 0; bit < 8; ++bit) r = static_cast<uint16_t>((r & 0x8000) ? (r << 1) ^ kPolynomial : r << 1);
        table[top] = r;
    }
    return table;
}

constexpr std::array<uint16_t, 256> kTable = MakeTable();

}  // namespace

uint16_t Crc16Xmodem(const uint8_t* data, size_t n, uint16_t crc) {
    for (size_t i = 0; i < n; ++i) crc = static_cast<uint16_t>((crc << 8) ^ kTable[((crc >> 8) ^ data[i]) & 0xFF]);
    return crc;
}
