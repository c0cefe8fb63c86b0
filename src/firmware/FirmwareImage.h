#pragma once
// The firmware image as the boot loader receives it: the raw bytes of a .bin
// file in 128-byte blocks, the last block filled up with 0xFF (erased flash).

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "firmware/XmodemSender.h"

constexpr size_t kXmodemBlockData = 128;
constexpr size_t kXmodemBlockSize = 133;  // SOH, number, ~number, data, CRC
constexpr uint8_t kFirmwareFillByte = 0xFF;
// No Orvex firmware comes near this; a larger file is the wrong file.
constexpr size_t kMaxFirmwareBytes = size_t{1} << 20;

// Raises the length to the next multiple of 128 (a multiple stays) with
// kFirmwareFillByte.
void PadFirmwareImage(std::vector<uint8_t>& bytes);

struct FirmwareFile {
    // Running when the file was read; otherwise NoFile or TooLarge, and
    // bytes is empty.
    XmodemOutcome result = XmodemOutcome::Running;
    std::vector<uint8_t> bytes;
    // Set (with NoFile) for a name that is not a regular file: the message to
    // show, in English and (text) as a window shows it.
    std::string problem;
    CoreText text;
    bool Ok() const { return result == XmodemOutcome::Running; }
};

// Reads a firmware file whole, opened without blocking. An empty path gives
// NoFile ("Please open firmware file!"); a file longer than kMaxFirmwareBytes
// gives TooLarge, found after reading at most one byte past the limit. A file
// that cannot be opened or read (with the reason), an empty file, and anything
// but a regular file (a FIFO, a device, a folder) give NoFile with a problem
// message, before anything is sent.
FirmwareFile ReadFirmwareFile(const std::string& path);
