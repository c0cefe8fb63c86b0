#pragma once
// Decoding of a StatusReply body: six receiver channels, condition, the
// 32-bit status value and the firmware version.

#include <cstddef>
#include <cstdint>
#include <string>

struct StatusReport {
    int16_t channel[6] = {};  // raw values, high byte first, signed
    uint8_t condition = 0;
    uint32_t statusValue = 0;  // body 34..37
    int16_t version = 0;       // firmware version x 100, low byte first
};

// False when the body is too short to carry the whole report.
bool DecodeStatusReply(const uint8_t* body, size_t length, StatusReport& out);
// "V%3.2f" of version x 0.01 (single precision): 105 -> "V1.05".
std::string FormatVersion(int16_t version);
// A receiver channel as shown: (raw - 3800) x 2 / 21, truncated toward zero.
int ChannelDisplayValue(int raw);
