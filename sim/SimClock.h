#pragma once
// Monotonic time in nanoseconds; every due time of the simulator uses it.

#include <cstdint>
#include <ctime>
#include <limits>

namespace orvexsim {

using Nanos = int64_t;

constexpr Nanos kNever = std::numeric_limits<Nanos>::max();
constexpr Nanos kMillisecond = 1'000'000;
constexpr Nanos kSecond = 1'000'000'000;

inline Nanos Now() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<Nanos>(ts.tv_sec) * kSecond + ts.tv_nsec;
}

}  // namespace orvexsim
