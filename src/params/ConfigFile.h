#pragma once
// The configuration file: the parameters as a private-profile text file with
// the sections "section1" (main panel), "section2" and "section3" and signed
// decimal values. Keys, sections and their order come from kConfigDefs and
// kDirectKeys.

#include "params/ConfigValues.h"
#include "params/IniFile.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

using ConfigFileResult = FileResult;

// Marked in context "ConfigFile".
extern const char* const kFileNameTooShort;

// What reading a file found besides its values: the keys it lacks and the
// values outside the parameter table's range (as written, before the low byte
// is taken).
struct ConfigFileCheck {
    struct OutOfRange {
        std::string key;
        int value;
        int low, high;
    };
    std::vector<std::string> missing;
    std::vector<OutOfRange> outOfRange;

    bool Refused() const { return !outOfRange.empty(); }
    // Adds number for key to outOfRange when it lies outside the row's range;
    // a byte without a range, and a named value's start value, never do.
    void CheckRange(const char* key, int number, const ByteDef& row, std::optional<int> start = std::nullopt);
    // One "key = value (range low to high)" line per value outside its range.
    std::string OutOfRangeLines() const;
    CoreText OutOfRangeText() const;  // the same lines, without the last line break
    // Everything found, in one message for the user; empty when all is well.
    std::string Message() const { return MessageText().English(); }
    CoreText MessageText() const;
};

// Reads every key. A missing key or section reads as 0. Section-one keys also
// set the panel values (sign-extended); the caller moves the sliders. The
// governor and burst keys go straight into TuningBlock. A file that cannot be
// read (missing, unreadable, too large, not text) changes nothing.
ConfigFileResult ReadConfigFile(const std::string& path,
                                ConfigValues& cv,
                                ParameterImage& image,
                                PanelValues& panel,
                                ConfigFileCheck* check = nullptr);

// The checked read of "Open conifg file" and quillon-cli: a file holding a
// value outside its range is not taken at all (the result fails with the
// check's message and nothing changes). Otherwise it reads as ReadConfigFile,
// except that a key the file lacks keeps the value held now, and check lists
// those keys.
ConfigFileResult OpenConfigFile(const std::string& path,
                                ConfigValues& cv,
                                ParameterImage& image,
                                PanelValues& panel,
                                ConfigFileCheck& check);

// "Transmit Conifg file": the named values into the image, except a value
// still at a start value outside its range (a file saved before any connect
// holds 0 for the mounting direction and the swashplate type): no unit gets
// it, the image keeps the unit's own. Returns the note naming the values
// kept, empty when every value went in.
std::string ConfigToImageForTransmit(const ConfigValues& cv, ParameterImage& image);
CoreText ConfigToImageForTransmitText(const ConfigValues& cv, ParameterImage& image);

// The table's factory value for every value a file holds: what a file's
// missing keys keep while no unit's values have been read.
void TakeFactoryFileValues(ConfigValues& cv, ParameterImage& image, PanelValues& panel);

// Copies the panel values into the section-one names, then writes every key
// into the file, keeping whatever else the file holds. The file is replaced
// atomically; on failure it is left as it was.
ConfigFileResult WriteConfigFile(const std::string& path,
                                 ConfigValues& cv,
                                 const ParameterImage& image,
                                 const PanelValues& panel);

// A value's text as the byte it stands for: decimal with optional leading
// blanks and sign, up to the first non-digit, no digits giving 0; numbers
// beyond the 32-bit range saturate, and the low 8 bits are kept.
int8_t ConfigByteFromText(std::string_view text);
// The same number before the low 8 bits are taken (saturated to 32 bits).
int ConfigNumberFromText(std::string_view text);

// The name a save goes to: ".ini" is appended unless the name already ends
// in ".ini" (in any letter case).
std::string SavePathWithExtension(const std::string& chosen);

// Open and Save refuse a path of 4 characters or fewer (kFileNameTooShort).
bool PathLongEnough(const std::string& path);
