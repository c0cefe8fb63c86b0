#include "ReplyBuilder.h"

namespace orvexsim {

std::vector<uint8_t> ReplyBody(uint8_t type, uint8_t seq, const std::vector<uint8_t>& payload) {
    std::vector<uint8_t> body = {kReplyClass, type, seq};
    body.insert(body.end(), payload.begin(), payload.end());
    body.push_back(static_cast<uint8_t>(body.size() + 2));
    uint8_t sum = 0;
    for (uint8_t b : body) sum ^= b;
    body.push_back(sum);
    return body;
}

std::vector<uint8_t> ReplyOnWire(const std::vector<uint8_t>& body) {
    std::vector<uint8_t> wire = {0x7F, 0x2F};
    wire.insert(wire.end(), body.begin(), body.end());
    wire.push_back(0x7E);
    wire.push_back(0x0E);
    if (wire.size() < kWireFrameSize) wire.resize(kWireFrameSize, 0);
    return wire;
}

}  // namespace orvexsim
