#pragma once
// The device's 78-byte parameter image: SetupBlock (32) then TuningBlock (46),
// optionally kept in a file of those 78 raw bytes.

#include <array>
#include <cstdint>
#include <string>

namespace orvexsim {

constexpr size_t kSetupSize = 32;
constexpr size_t kTuningSize = 46;
constexpr size_t kImageSize = kSetupSize + kTuningSize;
constexpr size_t kConditionIndex = 31;  // in SetupBlock
constexpr size_t kZeroPitchIndex = 39;  // in TuningBlock

class DeviceImage {
public:
    DeviceImage();  // factory values

    uint8_t setup(size_t i) const { return bytes_[i]; }
    uint8_t tuning(size_t i) const { return bytes_[kSetupSize + i]; }
    void setSetup(size_t i, uint8_t v) { bytes_[i] = v; }
    void setTuning(size_t i, uint8_t v) { bytes_[kSetupSize + i] = v; }
    const std::array<uint8_t, kImageSize>& bytes() const { return bytes_; }

    // Reads the file if it exists. False with error for a file that exists
    // but cannot be used (it is then left untouched).
    bool load(const std::string& path, std::string& error);
    // Writes a temporary file next to path and renames it over.
    bool save(const std::string& path, std::string& error) const;

private:
    std::array<uint8_t, kImageSize> bytes_{};
};

}  // namespace orvexsim
