#include "DeviceImage.h"

#include "AtomicFile.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace orvexsim {

namespace {

// Factory settings of the unit as shipped.
constexpr std::array<int8_t, kSetupSize> kFactorySetup = {
    0,  0,  0,  0,  0, 0,  // servo trims 1..3, tail centre, two spare bytes
    -1, 1,  1,  -1,        // servo directions 1..4
    1,  1,                 // spare
    70, 70, 80, 80,        // tail limits, aileron and elevator travel
    1,  1,  1,             // gyro directions yaw, roll, pitch
    0,  0,  0,  0,  0, 0,  // servo type, spare bytes
    0,                     // receiver type
    0,                     // governor off
    2,                     // swashplate type
    0,                     // AUX switches yaw gain
    1,                     // mounting direction 1
    -1,                    // pirouette optimization direction
    1,                     // condition 1
};

constexpr std::array<int8_t, kTuningSize> kFactoryTuning = {
    100, 80,  40,  25, 0, 0,  // yaw: total gain, P, I, D, spare
    40,  80,  120, 0,  0, 9,  // roll
    40,  80,  120, 0,  0, 9,  // pitch
    100, 100, 25,  25,        // tail acceleration / deceleration
    125, 40,                  // main rotor acceleration / deceleration
    20,  80,  20,             // governor P, I, D
    60,  4,   40,  4,         // dead bands
    35,  35,  35,  35,        // yaw rates, pitch and roll agility
    10,  20,  20,             // spare, burst coefficient, spare
    70,                       // collective pitch coefficient
    0,                        // zero pitch
    0,   0,                   // tail compensation
    60,  40,                  // governor compensation
    0,                        // spare
    30,                       // governor total gain
};

std::string Errno(const std::string& what, const std::string& path) {
    return what + " " + path + ": " + std::strerror(errno);
}

}  // namespace

DeviceImage::DeviceImage() {
    for (size_t i = 0; i < kSetupSize; ++i) bytes_[i] = static_cast<uint8_t>(kFactorySetup[i]);
    for (size_t i = 0; i < kTuningSize; ++i) bytes_[kSetupSize + i] = static_cast<uint8_t>(kFactoryTuning[i]);
}

bool DeviceImage::load(const std::string& path, std::string& error) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) return true;  // first run: factory values, saved on the first change
        error = Errno("cannot open image", path);
        return false;
    }
    std::array<uint8_t, kImageSize + 1> buffer{};
    size_t total = 0;
    for (;;) {
        ssize_t n = ::read(fd, buffer.data() + total, buffer.size() - total);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            error = Errno("cannot read image", path);
            ::close(fd);
            return false;
        }
        if (n == 0 || (total += static_cast<size_t>(n)) == buffer.size()) break;
    }
    ::close(fd);
    if (total != kImageSize) {
        error = "image " + path + " is not a parameter image: expected " + std::to_string(kImageSize) +
                " bytes, found " + (total > kImageSize ? "more" : std::to_string(total));
        return false;
    }
    std::memcpy(bytes_.data(), buffer.data(), kImageSize);
    return true;
}

bool DeviceImage::save(const std::string& path, std::string& error) const {
    return WriteFileAtomically(path, bytes_.data(), bytes_.size(), error);
}

}  // namespace orvexsim
