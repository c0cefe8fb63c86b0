#pragma once
// A small text file read whole, for the formats kept as text (configuration
// files, unit backups): bounded in size, refused when it is a folder, not a
// regular file or holds NUL bytes (not text), and split into lines that keep
// their own endings. Each format names itself in the messages ("... is not a
// backup file"), so a file of the wrong kind is told apart from a damaged one.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct FileResult {
    bool ok = true;
    std::string message;  // for the user when !ok
    int error = 0;        // errno of a failed system call, 0 otherwise

    static FileResult Failure(std::string message, int error = 0) { return {false, std::move(message), error}; }
};

// A failed system call's result ("Cannot open \"path\": reason."); errno is
// taken before anything can change it.
FileResult SystemFailure(const std::string& what, const std::string& path);
std::string QuotedPath(const std::string& path);

struct TextLine {
    std::string_view text;    // without its line ending
    std::string_view ending;  // "\n", "\r\n", or "" for a last line without one
};
// The lines of a text; a "\r" before "\n" belongs to the ending.
std::vector<TextLine> SplitLines(std::string_view text);

struct TextFile {
    // Larger files are refused: the formats read this way are a few kilobytes.
    static constexpr size_t kMaxFileSize = 1024 * 1024;

    // Reads the whole file; kind names the format in the messages
    // ("configuration file"). Fails with status.error == ENOENT for a missing
    // file, EISDIR for a folder, EFBIG for a file above kMaxFileSize.
    static TextFile Read(const std::string& path, std::string_view kind);

    FileResult status;
    std::string bytes;  // the file's bytes, as read
};
