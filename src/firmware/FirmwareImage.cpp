#include "firmware/FirmwareImage.h"

#include <cstdio>
#include <memory>

void PadFirmwareImage(std::vector<uint8_t>& bytes) {
    size_t blocks = (bytes.size() + kXmodemBlockData - 1) / kXmodemBlockData;
    bytes.resize(blocks * kXmodemBlockData, kFirmwareFillByte);
}

FirmwareFile ReadFirmwareFile(const std::string& path) {
    FirmwareFile file;
    file.result = XmodemOutcome::NoFile;
    if (path.empty()) return file;
    std::unique_ptr<FILE, int (*)(FILE*)> in(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!in) return file;
    // One byte more than allowed tells a too large file from one at the limit,
    // without reading all of a huge (or endless) file.
    std::vector<uint8_t> bytes(kMaxFirmwareBytes + 1);
    size_t got = std::fread(bytes.data(), 1, bytes.size(), in.get());
    if (std::ferror(in.get()))  // a directory, a device that fails, ...
        return file;
    if (got > kMaxFirmwareBytes) {
        file.result = XmodemOutcome::TooLarge;
        return file;
    }
    bytes.resize(got);
    file.bytes = std::move(bytes);
    file.result = XmodemOutcome::Running;
    return file;
}
