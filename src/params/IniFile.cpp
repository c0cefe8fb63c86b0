#include "params/IniFile.h"

#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>

namespace {

constexpr std::string_view kBlanks = " \t\v\f\r";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view s) {
    const size_t first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    const size_t last = s.find_last_not_of(kBlanks);
    return s.substr(first, last - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

enum class LineKind { Other, Section, Key };

// What one line of the file is; name and value point into the line's text.
struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;
    size_t valueBegin = 0, valueEnd = 0;  // the trimmed value's place in the line
};

ParsedLine ParseLine(std::string_view text) {
    ParsedLine p;
    const size_t start = text.find_first_not_of(kBlanks);
    if (start == std::string_view::npos || text[start] == ';' || text[start] == '#') return p;
    if (text[start] == '[') {
        // A header without its closing bracket is ignored, like any other junk line.
        const size_t close = text.find(']', start + 1);
        if (close != std::string_view::npos) {
            p.kind = LineKind::Section;
            p.name = Trim(text.substr(start + 1, close - start - 1));
        }
        return p;
    }
    const size_t eq = text.find('=', start);
    if (eq == std::string_view::npos) return p;
    p.name = Trim(text.substr(start, eq - start));
    if (p.name.empty()) return p;
    p.kind = LineKind::Key;
    const std::string_view value = Trim(text.substr(eq + 1));
    p.valueBegin = value.empty() ? text.size() : static_cast<size_t>(value.data() - text.data());
    p.valueEnd = p.valueBegin + value.size();
    return p;
}

std::string_view Unquote(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

bool HasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

bool ValidName(std::string_view name, char forbidden) {
    return !name.empty() && Trim(name).size() == name.size() && !HasLineBreak(name) &&
           name.find(forbidden) == std::string_view::npos;
}

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        data.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The mode open(O_CREAT, 0666) would give. The umask is read from /proc so
// that no other thread ever runs with it changed; umask() is the fallback.
mode_t NewFileMode() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("Umask:")) return 0666 & ~static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Where a save really goes: through a symbolic link to the file it names.
std::string SaveTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
        if (real) return real.get();
    }
    return path;
}

// Writes the text, syncs it, sets the mode and closes; on failure errno says why.
bool FillAndClose(int fd, std::string_view text, mode_t mode) {
    const bool filled = WriteAll(fd, text) && ::fsync(fd) == 0 && ::fchmod(fd, mode) == 0;
    const int error = errno;
    if (::close(fd) != 0 && filled) return false;
    errno = error;
    return filled;
}

// Best effort: only root may give a file away; anyone else's copy stays theirs.
void KeepOwner(int fd, const struct stat& old) {
    if (old.st_uid == ::geteuid() && old.st_gid == ::getegid()) return;
    const int ignored = ::fchown(fd, old.st_uid, old.st_gid);
    (void)ignored;
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);  // best effort: the rename itself has already succeeded
        ::close(fd);
    }
}

}  // namespace

IniLoadResult IniFile::Load(const std::string& path) {
    IniLoadResult result;
    const TextFile read = TextFile::Read(path, QT_TRANSLATE_NOOP("TextFile", "configuration file"));
    result.status = read.status;
    if (!read.status.ok) return result;

    IniFile& ini = result.file;
    std::string_view rest(read.bytes);
    if (rest.starts_with(kUtf8Bom)) {
        ini.bom_ = kUtf8Bom;
        rest.remove_prefix(kUtf8Bom.size());
    }
    for (const TextLine& line : SplitLines(rest))
        ini.lines_.push_back({std::string(line.text), std::string(line.ending)});
    if (!ini.lines_.empty() && !ini.lines_.front().ending.empty()) ini.newline_ = ini.lines_.front().ending;
    return result;
}

size_t IniFile::FindSection(std::string_view section) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
        const ParsedLine p = ParseLine(lines_[i].text);
        if (p.kind == LineKind::Section && SameName(p.name, section)) return i;
    }
    return std::string::npos;
}

size_t IniFile::SectionEnd(size_t header) const {
    size_t i = header + 1;
    while (i < lines_.size() && ParseLine(lines_[i].text).kind != LineKind::Section) ++i;
    return i;
}

size_t IniFile::FindKey(size_t header, std::string_view key) const {
    const size_t end = SectionEnd(header);
    for (size_t i = header + 1; i < end; ++i) {
        const ParsedLine p = ParseLine(lines_[i].text);
        if (p.kind == LineKind::Key && SameName(p.name, key)) return i;
    }
    return std::string::npos;
}

std::string IniFile::Get(std::string_view section, std::string_view key, std::string_view fallback) const {
    std::string_view value = fallback;
    const size_t header = FindSection(Trim(section));
    const size_t line = header == std::string::npos ? header : FindKey(header, Trim(key));
    if (line != std::string::npos) {
        const std::string& text = lines_[line].text;
        const ParsedLine p = ParseLine(text);
        value = Unquote(std::string_view(text).substr(p.valueBegin, p.valueEnd - p.valueBegin));
    }
    return std::string(value.substr(0, kValueLimit));
}

void IniFile::Insert(size_t at, std::string text) {
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text), newline_});
}

bool IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    if (!ValidName(section, ']') || !ValidName(key, '=') || HasLineBreak(value)) return false;
    const std::string keyLine = std::string(key) + "=" + std::string(value);
    const size_t header = FindSection(section);
    if (header == std::string::npos) {
        if (!lines_.empty() && !Trim(lines_.back().text).empty()) Insert(lines_.size(), "");
        Insert(lines_.size(), "[" + std::string(section) + "]");
        Insert(lines_.size(), keyLine);
        return true;
    }
    const size_t line = FindKey(header, key);
    if (line != std::string::npos) {
        std::string& text = lines_[line].text;
        const ParsedLine p = ParseLine(text);
        text.replace(p.valueBegin, p.valueEnd - p.valueBegin, value);
        return true;
    }
    size_t after = header;
    const size_t end = SectionEnd(header);
    for (size_t i = header + 1; i < end; ++i)
        if (ParseLine(lines_[i].text).kind == LineKind::Key) after = i;
    Insert(after + 1, keyLine);
    return true;
}

std::string IniFile::Text() const {
    std::string out = bom_;
    for (size_t i = 0; i < lines_.size(); ++i) {
        out += lines_[i].text;
        // An old last line without an ending gets one once lines follow it.
        const bool needsEnding = lines_[i].ending.empty() && i + 1 < lines_.size();
        out += needsEnding ? newline_ : lines_[i].ending;
    }
    return out;
}

FileResult IniFile::Save(const std::string& path) const { return SaveTextAtomically(path, Text()); }

namespace {
FileResult CannotSave(const char* why, const std::string& path, int error = 0) {
    return FileResult::Failure(CoreText::Of("IniFile", why, {QuotedPath(path)}), error);
}
}  // namespace

FileResult SaveTextAtomically(const std::string& path, std::string_view text) {
    const std::string target = SaveTarget(path);
    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (!exists && errno != ENOENT) return SystemFailure(QT_TRANSLATE_NOOP("TextFile", "Cannot save %1: %2."), path);
    if (exists && S_ISDIR(st.st_mode))
        return CannotSave(QT_TRANSLATE_NOOP("IniFile", "Cannot save %1: it is a folder."), path, EISDIR);
    if (exists && !S_ISREG(st.st_mode))
        return CannotSave(QT_TRANSLATE_NOOP("IniFile", "Cannot save %1: it is not a regular file."), path);
    // rename() would replace a read-only file whenever its folder is writable,
    // so the file's own permission is asked before writing and again before renaming.
    const auto readOnly = [&] { return exists && ::access(target.c_str(), W_OK) != 0; };
    const auto readOnlyFailure = [&] {
        return CannotSave(QT_TRANSLATE_NOOP("IniFile", "Cannot save %1: the file is read-only."), path, errno);
    };
    if (readOnly()) return readOnlyFailure();

    const std::string folder = FolderOf(target);
    std::string temp = folder + "/.quillon-save-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return SystemFailure(QT_TRANSLATE_NOOP("TextFile", "Cannot create a file in the folder %1: %2."), folder);
    const auto fail = [&](FileResult r) {
        ::unlink(temp.c_str());
        return r;
    };
    if (exists) KeepOwner(fd, st);
    if (!FillAndClose(fd, text, exists ? (st.st_mode & 07777) : NewFileMode()))
        return fail(SystemFailure(QT_TRANSLATE_NOOP("TextFile", "Cannot write %1: %2."), path));
    if (readOnly()) return fail(readOnlyFailure());
    if (::rename(temp.c_str(), target.c_str()) != 0)
        return fail(SystemFailure(QT_TRANSLATE_NOOP("TextFile", "Cannot save %1: %2."), path));
    SyncFolder(folder);
    return {};
}
