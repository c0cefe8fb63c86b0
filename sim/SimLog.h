#pragma once
// The simulator's log: one line per received frame or event, flushed at once
// so that tests reading the file see every line as soon as it happened.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace orvexsim {

std::string Hex(const uint8_t* data, size_t size);
inline std::string Hex(const std::vector<uint8_t>& bytes) { return Hex(bytes.data(), bytes.size()); }

class SimLog {
public:
    SimLog() = default;
    ~SimLog();
    SimLog(const SimLog&) = delete;
    SimLog& operator=(const SimLog&) = delete;

    // Opens (truncates) the log file; false with errno set when it cannot.
    bool open(const std::string& path);

    // A valid frame of n bytes as received (markers included).
    void frame(const std::vector<uint8_t>& raw);
    void bad(const std::string& reason, const std::vector<uint8_t>& raw);
    void event(const std::string& text);
    void boot(const std::string& text);

private:
    void line(const std::string& text);
    std::FILE* file_ = nullptr;
};

}  // namespace orvexsim
