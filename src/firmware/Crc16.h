#pragma once
// CRC-16/XMODEM: polynomial 0x1021, start value 0, most significant bit
// first, no reflection, no final XOR. The boot loader checks every 128-byte
// block with it.

#include <cstddef>
#include <cstdint>

// CRC of n bytes; pass a previous result as crc to continue over more bytes.
uint16_t Crc16Xmodem(const uint8_t* data, size_t n, uint16_t crc = 0);
