#include "firmware/FirmwareImage.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

void PadFirmwareImage(std::vector<uint8_t>& bytes) {
    size_t blocks = (bytes.size() + kXmodemBlockData - 1) / kXmodemBlockData;
    bytes.resize(blocks * kXmodemBlockData, kFirmwareFillByte);
}

namespace {
// The pilot has just chosen the file: say why it cannot be used.
FirmwareFile Refused(FirmwareFile file, const char* why, std::vector<CoreText> args) {
    file.text = CoreText::Of("FirmwareImage", why, std::move(args));
    file.problem = file.text.English();
    return file;
}

FirmwareFile Unreadable(FirmwareFile file, const std::string& path, int err) {
    return Refused(std::move(file), QT_TRANSLATE_NOOP("FirmwareImage", "Cannot read \"%1\": %2."),
                   {path, std::strerror(err)});
}
}  // namespace

FirmwareFile ReadFirmwareFile(const std::string& path) {
    FirmwareFile file;
    file.result = XmodemOutcome::NoFile;
    if (path.empty()) return file;
    // O_NONBLOCK: a FIFO or a device under the chosen name must not hang the open.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return Unreadable(std::move(file), path, errno);
    std::unique_ptr<FILE, int (*)(FILE*)> in(::fdopen(fd, "rb"), &std::fclose);
    if (!in) {
        const int err = errno;
        ::close(fd);
        return Unreadable(std::move(file), path, err);
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) return Unreadable(std::move(file), path, errno);
    if (!S_ISREG(st.st_mode))
        return Refused(std::move(file), QT_TRANSLATE_NOOP("FirmwareImage", "\"%1\" is not a regular file."), {path});
    // One byte more than allowed tells a too large file from one at the limit,
    // without reading all of a huge (or still growing) file.
    std::vector<uint8_t> bytes(kMaxFirmwareBytes + 1);
    size_t got = std::fread(bytes.data(), 1, bytes.size(), in.get());
    if (std::ferror(in.get())) return Unreadable(std::move(file), path, errno);
    if (got > kMaxFirmwareBytes) {
        file.result = XmodemOutcome::TooLarge;
        return file;
    }
    // A failed download leaves an empty file: the loader would end up with an empty image.
    if (got == 0)
        return Refused(std::move(file), QT_TRANSLATE_NOOP("FirmwareImage", "\"%1\" is empty: it holds no firmware."),
                       {path});
    bytes.resize(got);
    file.bytes = std::move(bytes);
    file.result = XmodemOutcome::Running;
    return file;
}
