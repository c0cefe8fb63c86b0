#pragma once
// A private-profile (INI) file held in memory as its lines.
//
// Reading follows the classic profile rules: section and key names match
// without regard to case, blanks around names and values are dropped, one
// pair of matching quotes around a value is dropped, a missing section or key
// gives the caller's default, and a value is cut to kValueLimit characters.
// Lines starting with ';' or '#' are comments; any other line that is neither
// "[section]" nor "key=value" is ignored. With repeated sections or keys the
// first one counts.
//
// Writing changes only what it must: a value is replaced in place, a new key
// goes after the last key of its section, a new section at the end of the
// file. Every other byte (comments, foreign sections and keys, blank lines,
// line endings, a UTF-8 byte order mark) stays as it was. Save writes the
// whole file once and replaces the old one atomically.
//
// Line endings: each line keeps its own; lines added take the ending of the
// file's first line, "\n" in a new file.

#include "params/TextFile.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct IniLoadResult;

class IniFile {
public:
    // Larger files are refused: a configuration file is a few kilobytes.
    static constexpr size_t kMaxFileSize = TextFile::kMaxFileSize;
    // A value read holds at most this many characters (an 80-byte buffer).
    static constexpr size_t kValueLimit = 79;

    // Reads the whole file (TextFile). Fails (status.error == ENOENT) for a
    // missing file, and for a folder, a device, an unreadable file, a file
    // above kMaxFileSize or one holding NUL bytes, each "not a configuration
    // file".
    static IniLoadResult Load(const std::string& path);

    std::string Get(std::string_view section, std::string_view key, std::string_view fallback = {}) const;
    // Refuses (returns false) names that could not be read back as given:
    // empty, with line breaks, '=' in a key, ']' in a section, or blanks at
    // either end; and values with line breaks.
    bool Set(std::string_view section, std::string_view key, std::string_view value);

    // Writes a temporary file in the target's folder, syncs it, gives it the
    // old file's permissions and renames it over the target. On failure the
    // old file is left as it was and the result says why.
    FileResult Save(const std::string& path) const;

    // The file's bytes as Save would write them.
    std::string Text() const;

private:
    struct Line {
        std::string text;    // without its line ending
        std::string ending;  // "\n", "\r\n", or "" for a last line without one
    };

    size_t FindSection(std::string_view section) const;
    size_t SectionEnd(size_t header) const;
    size_t FindKey(size_t header, std::string_view key) const;
    void Insert(size_t at, std::string text);

    std::vector<Line> lines_;
    std::string bom_;
    std::string newline_ = "\n";
};

// The save of IniFile::Save for any text: a temporary file in the target's
// folder, synced, given the old file's permissions and renamed over it. On
// failure the old file is left as it was.
FileResult SaveTextAtomically(const std::string& path, std::string_view text);

struct IniLoadResult {
    FileResult status;
    IniFile file;
};
