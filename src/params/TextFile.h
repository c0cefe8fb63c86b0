#pragma once
// A small text file read whole, for the formats kept as text (configuration
// files, unit backups): bounded in size, refused when it is a folder, not a
// regular file or holds NUL bytes (not text), and split into lines that keep
// their own endings. Each format names itself in the messages ("... is not a
// backup file"), so a file of the wrong kind is told apart from a damaged one.

#include "text/CoreText.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct FileResult {
    bool ok = true;
    std::string message;  // for the user when !ok, in English (quillon-cli, logs)
    int error = 0;        // errno of a failed system call, 0 otherwise
    CoreText text;        // the message as a window shows it

    static FileResult Failure(CoreText text, int error = 0) {
        std::string english = text.English();
        return {false, std::move(english), error, std::move(text)};
    }
};

// A failed system call's result; what is a marked text with "%1" for the
// quoted path and "%2" for the reason ("Cannot open %1: %2."). errno is taken
// before anything can change it.
FileResult SystemFailure(const char* what, const std::string& path);
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
    // ("configuration file", marked in context "TextFile"). Fails with status.error == ENOENT for a missing
    // file, EISDIR for a folder, EFBIG for a file above kMaxFileSize.
    static TextFile Read(const std::string& path, const char* kind);

    FileResult status;
    std::string bytes;  // the file's bytes, as read
};
