#include "protocol/StatusReport.h"

#include <cstdio>

namespace {
constexpr size_t kChannelOffsets[6] = {3, 5, 7, 9, 11, 14};
constexpr size_t kStatusValueOffset = 34;
constexpr size_t kVersionOffset = 38;
constexpr size_t kStatusPayloadEnd = 40;  // bytes 3..39
}  // namespace

bool DecodeStatusReply(const uint8_t* body, size_t length, StatusReport& out) {
    if (length < kStatusPayloadEnd + 2) return false;
    for (int i = 0; i < 6; ++i) {
        const size_t o = kChannelOffsets[i];
        out.channel[i] = static_cast<int16_t>(static_cast<uint16_t>(body[o] << 8 | body[o + 1]));
    }
    out.condition = body[13];
    out.statusValue = 0;
    for (size_t i = 0; i < 4; ++i) out.statusValue = out.statusValue << 8 | body[kStatusValueOffset + i];
    out.version = static_cast<int16_t>(static_cast<uint16_t>(body[kVersionOffset] | body[kVersionOffset + 1] << 8));
    return true;
}

std::string FormatVersion(int16_t version) {
    char text[32];
    const float v = static_cast<float>(version) * 0.01f;
    std::snprintf(text, sizeof text, "V%3.2f", static_cast<double>(v));
    return text;
}

int ChannelDisplayValue(int raw) { return (raw - 3800) * 2 / 21; }
