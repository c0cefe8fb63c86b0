#pragma once
// Writes a whole file so that readers see either the old or the new contents:
// a temporary file in the same directory, flushed, then renamed over.

#include <cstddef>
#include <cstdint>
#include <string>

namespace orvexsim {

bool WriteFileAtomically(const std::string& path, const uint8_t* data, size_t size, std::string& error);

}  // namespace orvexsim
