#pragma once
// Device-to-program replies: 7F 2F, body, 7E 0E, zero padded to 90 bytes.
// Body: class, type, echoed sequence, payload, length L, XOR of body[0..L-2].

#include <cstddef>
#include <cstdint>
#include <vector>

namespace orvexsim {

constexpr uint8_t kReplyClass = 30;
constexpr uint8_t kAckReply = 20;
constexpr uint8_t kParameterReply = 30;
constexpr uint8_t kStatusReply = 40;
constexpr size_t kWireFrameSize = 90;

// Body of L = payload + 5 bytes with its length and checksum filled in.
std::vector<uint8_t> ReplyBody(uint8_t type, uint8_t seq, const std::vector<uint8_t>& payload);
// The body framed by the markers and padded with zeros to 90 bytes.
std::vector<uint8_t> ReplyOnWire(const std::vector<uint8_t>& body);

}  // namespace orvexsim
