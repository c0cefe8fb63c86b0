#pragma once
// Whole files as byte strings, for tests that set up or inspect files on disk.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The file's bytes; empty if it cannot be read.
std::string ReadBytes(const std::string& path);
// Replaces the file with the bytes; a failed write fails the current test.
void WriteBytes(const std::string& path, const std::string& bytes);

// The same for firmware images and other binary data.
std::vector<uint8_t> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);

// Reproducible pseudo-random firmware bytes. The last byte is never 0x1A,
// which an XMODEM receiver may take for padding.
std::vector<uint8_t> FirmwarePattern(size_t n, unsigned seed);
// An image as the loader must receive it: whole 128-byte blocks, the rest 0xFF.
std::vector<uint8_t> PaddedToBlocks(std::vector<uint8_t> bytes);
