#pragma once
// A whole-unit backup: every byte of SetupBlock and TuningBlock as the Orvex
// reported them, each under its parameter-table name, with the firmware
// version, the status reply's 32-bit value and the date, in a text file a
// person can read and diff. The last line is a CRC-32 over everything above
// it, so a file changed by hand or cut short is refused.
//
// Restoring goes through the frames the program's own pages use: the
// parameter frame for SetupBlock 0..30 and TuningBlock, the condition action
// for SetupBlock 31. The bytes the parameter table marks as the unit's own
// are kept (KeptReason).

#include "params/IniFile.h"
#include "params/ParameterTable.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct UnitBackup {
    ParameterImage image;
    int16_t version = 0;       // firmware version x 100
    uint32_t statusValue = 0;  // the status reply's 32-bit value
    std::string date;          // UTC, ISO 8601
    std::string port;          // where the unit was connected
};

// The file's text, checksum line included.
std::string BackupText(const UnitBackup& backup);

// The last line of a backup whose content above it is the given text.
std::string ChecksumLine(std::string_view content);

struct BackupParse {
    bool ok = false;
    std::string message;  // why the file is refused, in English
    UnitBackup backup;
    CoreText text;  // why, as a window shows it
};
// Refuses text that does not begin with the backup's heading (subject names
// it in the message: "This is not a backup file", or the quoted path), a
// wrong checksum, a missing checksum line (the file was cut short), unknown,
// repeated or missing names and values that are not bytes.
BackupParse ParseBackup(std::string_view text);
BackupParse ParseBackup(std::string_view text, const CoreText& subject);

// Written atomically: a hang-up or a failure leaves no half file.
FileResult WriteBackupFile(const std::string& path, const UnitBackup& backup);
// Read through TextFile: a file that is no text, or other text, "is not a backup file".
BackupParse ReadBackupFile(const std::string& path);

// The current time as the backup's date text.
std::string BackupDateNow();
// CRC-32 (IEEE 802.3) of the 78 image bytes, for naming history entries.
uint32_t ImageChecksum(const ParameterImage& image);
// A 32-bit value as the backup and history names write it: eight upper-case hex digits.
std::string Hex32(uint32_t value);

// ---- restoring ------------------------------------------------------------------

enum class RestoreWay : uint8_t {
    ParameterFrame,   // SendParameters carries the value
    ConditionAction,  // the condition action frame (values 1 and 2 only)
    Kept,             // no command of the program writes it
};
RestoreWay WayOf(DeviceByte byte);
// The byte's table name, its key in the file.
const char* ByteName(DeviceByte byte);
// Every image byte, SetupBlock first, in table order.
const std::vector<DeviceByte>& AllImageBytes();

struct ByteChange {
    DeviceByte byte;
    int8_t unit;    // the value the unit holds (or read back)
    int8_t wanted;  // the backup's value
};

struct RestorePlan {
    ParameterImage target;            // the unit's image with every restorable byte from the backup
    std::vector<ByteChange> changes;  // restorable bytes that will change
    std::vector<ByteChange> kept;     // kept bytes whose backup value differs from the unit's
    bool setCondition = false;        // the condition action frame is needed
};
RestorePlan PlanRestore(const ParameterImage& unit, const ParameterImage& backup);

// Every byte that differs, by name, in table order.
std::vector<ByteChange> CompareImages(const ParameterImage& unit, const ParameterImage& wanted);
// The restorable bytes of the plan's target that the read-back does not hold.
std::vector<ByteChange> UnrestoredBytes(const RestorePlan& plan, const ParameterImage& readBack);

// One "Label: 3 -> 5" line per change (separator between the two values
// given); for a window ChangesText: "Label: 3 → 5" lines, no last line break.
std::string DescribeChanges(const std::vector<ByteChange>& changes, std::string_view arrow = " -> ");
CoreText ChangesText(const std::vector<ByteChange>& changes);
// One "Label: unit value 3 kept (backup 5): reason" line per kept byte
// (KeptText: no last line break).
std::string DescribeKept(const std::vector<ByteChange>& kept);
CoreText KeptText(const std::vector<ByteChange>& kept);
