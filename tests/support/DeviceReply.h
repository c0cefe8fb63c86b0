#pragma once
// A device reply as it arrives on the wire, built by hand so the tests do not
// lean on the program's own frame code: 7F 2F, body (class, type, seq,
// payload, length, XOR of the body), 7E 0E, zero padded to 90 bytes.

#include <cstddef>
#include <cstdint>
#include <vector>

// The class byte the Orvex puts first in every reply body.
constexpr uint8_t kOrvexReplyClass = 30;

std::vector<uint8_t> DeviceReply(uint8_t type,
                                 uint8_t seq,
                                 const std::vector<uint8_t>& payload,
                                 uint8_t replyClass = kOrvexReplyClass);
