#pragma once
// Whole files as byte strings, for tests that set up or inspect files on disk.

#include <string>

// The file's bytes; empty if it cannot be read.
std::string ReadBytes(const std::string& path);
// Replaces the file with the bytes; a failed write fails the current test.
void WriteBytes(const std::string& path, const std::string& bytes);
