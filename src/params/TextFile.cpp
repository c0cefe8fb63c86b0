#include "params/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

namespace {

struct FdCloser {
    int fd;
    ~FdCloser() {
        if (fd >= 0) ::close(fd);
    }
};

// Reads at most limit + 1 bytes so that a file growing while read is still caught.
bool ReadAll(int fd, size_t limit, std::string& out) {
    char buffer[65536];
    while (out.size() <= limit) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        out.append(buffer, static_cast<size_t>(n));
    }
    return true;
}

}  // namespace

std::string QuotedPath(const std::string& path) { return "\"" + path + "\""; }

FileResult SystemFailure(const char* what, const std::string& path) {
    const int error = errno;
    return FileResult::Failure(CoreText::Of("TextFile", what, {QuotedPath(path), std::strerror(error)}), error);
}

std::vector<TextLine> SplitLines(std::string_view rest) {
    std::vector<TextLine> lines;
    while (!rest.empty()) {
        const size_t nl = rest.find('\n');
        TextLine line{rest.substr(0, nl), {}};
        if (nl != std::string_view::npos) {
            const bool crlf = line.text.ends_with('\r');
            if (crlf) line.text.remove_suffix(1);
            line.ending = rest.substr(line.text.size(), crlf ? 2 : 1);
        }
        lines.push_back(line);
        rest.remove_prefix(nl == std::string_view::npos ? rest.size() : nl + 1);
    }
    return lines;
}

TextFile TextFile::Read(const std::string& path, const char* kind) {
    TextFile file;
    const CoreText quoted = QuotedPath(path), kindText = CoreText::Of("TextFile", kind);
    const auto fail = [&](FileResult why) {
        file.status = std::move(why);
        file.bytes.clear();
        return file;
    };
    // O_NONBLOCK: a FIFO or a device under the chosen name must not hang the open.
    FdCloser fd{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    struct stat st {};
    if (fd.fd < 0 || ::fstat(fd.fd, &st) != 0)
        return fail(SystemFailure(QT_TRANSLATE_NOOP("TextFile", "Cannot open %1: %2."), path));
    if (S_ISDIR(st.st_mode))
        return fail(FileResult::Failure(
            CoreText::Of("TextFile", QT_TRANSLATE_NOOP("TextFile", "%1 is a folder, not a %2."), {quoted, kindText}),
            EISDIR));
    if (!S_ISREG(st.st_mode))
        return fail(FileResult::Failure(
            CoreText::Of("TextFile", QT_TRANSLATE_NOOP("TextFile", "%1 is not a regular file."), {quoted})));
    const FileResult tooLarge = FileResult::Failure(
        CoreText::Of("TextFile", QT_TRANSLATE_NOOP("TextFile", "%1 is not a %2: it is larger than %3 KiB."),
                     {quoted, kindText, CoreText::Number(kMaxFileSize / 1024)}),
        EFBIG);
    if (static_cast<unsigned long long>(st.st_size) > kMaxFileSize) return fail(tooLarge);
    if (!ReadAll(fd.fd, kMaxFileSize, file.bytes))
        return fail(SystemFailure(QT_TRANSLATE_NOOP("TextFile", "Cannot read %1: %2."), path));
    if (file.bytes.size() > kMaxFileSize) return fail(tooLarge);
    if (file.bytes.find('\0') != std::string::npos)
        return fail(FileResult::Failure(CoreText::Of(
            "TextFile", QT_TRANSLATE_NOOP("TextFile", "%1 is not a %2: it is not a text file."), {quoted, kindText})));
    return file;
}
