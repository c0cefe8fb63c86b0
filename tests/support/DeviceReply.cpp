#include "DeviceReply.h"

namespace {
constexpr size_t kWireSize = 90;
constexpr size_t kBodyStart = 2;  // after the 7F 2F start marker
}  // namespace

std::vector<uint8_t> DeviceReply(uint8_t type, uint8_t seq, const std::vector<uint8_t>& payload, uint8_t replyClass) {
    // Built byte by byte into reserved room: GCC 12 takes insert() into a
    // two-byte vector for an overflow (-Warray-bounds) that cannot happen.
    std::vector<uint8_t> wire;
    wire.reserve(kWireSize + payload.size());
    for (uint8_t b : {uint8_t{0x7F}, uint8_t{0x2F}, replyClass, type, seq}) wire.push_back(b);
    for (uint8_t b : payload) wire.push_back(b);
    // The length counts the body including itself and the checksum after it.
    wire.push_back(static_cast<uint8_t>(wire.size() - kBodyStart + 2));
    uint8_t x = 0;
    for (size_t i = kBodyStart; i < wire.size(); ++i) x ^= wire[i];
    wire.push_back(x);
    wire.push_back(0x7E);
    wire.push_back(0x0E);
    if (wire.size() < kWireSize) wire.resize(kWireSize, 0);
    return wire;
}
