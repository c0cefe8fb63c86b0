#include "SimLog.h"

namespace orvexsim {

std::string Hex(const uint8_t* data, size_t size) {
    static const char digits[] = "0123456789abcdef";
    std::string text;
    text.reserve(size * 2);
    for (size_t i = 0; i < size; ++i) {
        text.push_back(digits[data[i] >> 4]);
        text.push_back(digits[data[i] & 0x0F]);
    }
    return text;
}

SimLog::~SimLog() {
    if (file_) std::fclose(file_);
}

bool SimLog::open(const std::string& path) {
    file_ = std::fopen(path.c_str(), "w");
    return file_ != nullptr;
}

void SimLog::frame(const std::vector<uint8_t>& raw) {
    const size_t n = raw.size();
    if (n < 9) return;
    std::string text = "FRAME code=" + std::to_string(raw[n - 7]) + " seq=" + std::to_string(raw[n - 6]) +
                       " req=" + std::to_string(raw[n - 5]) + " len=" + std::to_string(n) +
                       " payload=" + Hex(raw.data() + 2, n - 9) + " raw=" + Hex(raw);
    line(text);
}

void SimLog::bad(const std::string& reason, const std::vector<uint8_t>& raw) {
    line("BAD " + reason + " raw=" + Hex(raw));
}

void SimLog::event(const std::string& text) { line("EVENT " + text); }

void SimLog::boot(const std::string& text) { line("BOOT " + text); }

void SimLog::line(const std::string& text) {
    if (!file_) return;
    std::fputs(text.c_str(), file_);
    std::fputc('\n', file_);
    std::fflush(file_);
}

}  // namespace orvexsim
