#include "firmware/FirmwareImage.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
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
    // O_NONBLOCK: a FIFO or a device under the chosen name must not hang the open.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return file;
    std::unique_ptr<FILE, int (*)(FILE*)> in(::fdopen(fd, "rb"), &std::fclose);
    if (!in) {
        ::close(fd);
        return file;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) return file;
    if (!S_ISREG(st.st_mode)) {
        file.problem = "\"" + path + "\" is not a regular file.";
        return file;
    }
    // One byte more than allowed tells a too large file from one at the limit,
    // without reading all of a huge (or still growing) file.
    std::vector<uint8_t> bytes(kMaxFirmwareBytes + 1);
    size_t got = std::fread(bytes.data(), 1, bytes.size(), in.get());
    if (std::ferror(in.get())) return file;
    if (got > kMaxFirmwareBytes) {
        file.result = XmodemOutcome::TooLarge;
        return file;
    }
    bytes.resize(got);
    file.bytes = std::move(bytes);
    file.result = XmodemOutcome::Running;
    return file;
}
