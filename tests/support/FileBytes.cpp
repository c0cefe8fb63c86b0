#include "FileBytes.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    ASSERT_TRUE(out.good()) << path;
}

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
    const std::string bytes = ReadBytes(path);
    return {bytes.begin(), bytes.end()};
}

void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    WriteBytes(path, std::string(bytes.begin(), bytes.end()));
}

std::vector<uint8_t> FirmwarePattern(size_t n, unsigned seed) {
    std::vector<uint8_t> bytes(n);
    uint32_t x = seed;
    for (uint8_t& b : bytes) {
        x = x * 1664525u + 1013904223u;
        b = static_cast<uint8_t>(x >> 24);
    }
    if (!bytes.empty()) bytes.back() = 0x42;
    return bytes;
}

std::vector<uint8_t> PaddedToBlocks(std::vector<uint8_t> bytes) {
    constexpr size_t kBlock = 128;
    bytes.resize((bytes.size() + kBlock - 1) / kBlock * kBlock, 0xFF);
    return bytes;
}
