#include "params/ConfigFile.h"

#include <strings.h>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>

namespace {

const char* SectionName(Section s) {
    switch (s) {
        case Section::One:
            return "section1";
        case Section::Two:
            return "section2";
        case Section::Three:
            return "section3";
        case Section::None:
            break;
    }
    return nullptr;
}

// The governor and burst keys follow "receiver type" in the last section.
constexpr Section kDirectKeySection = Section::Three;

std::string DecimalText(int8_t value) { return std::to_string(static_cast<int>(value)); }

int8_t LowByte(long long value) { return static_cast<int8_t>(static_cast<uint8_t>(value & 0xFF)); }

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

}  // namespace

int8_t ConfigByteFromText(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long magnitude = 0;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        magnitude = std::min(limit, magnitude * 10 + (text[i] - '0'));
    return LowByte(negative ? -magnitude : magnitude);
}

ConfigFileResult ReadConfigFile(const std::string& path, ConfigValues& cv, ParameterImage& image, PanelValues& panel) {
    const IniLoadResult loaded = IniFile::Load(path);
    if (!loaded.status.ok) return loaded.status;
    const IniFile& ini = loaded.file;
    for (const ConfigDef& d : kConfigDefs)
        if (d.section != Section::None) cv[d.id] = ConfigByteFromText(ini.Get(SectionName(d.section), d.key));
    for (size_t i = 0; i < kPanelDefs.size(); ++i) panel.value[i] = cv[kPanelDefs[i].name];
    for (const DirectKeyDef& k : kDirectKeys)
        image.TuningBlock[k.tuningIndex] = ConfigByteFromText(ini.Get(SectionName(kDirectKeySection), k.key));
    return {};
}

ConfigFileResult WriteConfigFile(const std::string& path,
                                 ConfigValues& cv,
                                 const ParameterImage& image,
                                 const PanelValues& panel) {
    for (size_t i = 0; i < kPanelDefs.size(); ++i) cv[kPanelDefs[i].name] = LowByte(panel.value[i]);

    IniLoadResult loaded = IniFile::Load(path);
    // A new file starts empty; an existing one that cannot be read is not overwritten.
    if (!loaded.status.ok && loaded.status.error != ENOENT) return loaded.status;
    IniFile& ini = loaded.file;
    for (const ConfigDef& d : kConfigDefs)
        if (d.section != Section::None) ini.Set(SectionName(d.section), d.key, DecimalText(cv[d.id]));
    for (const DirectKeyDef& k : kDirectKeys)
        ini.Set(SectionName(kDirectKeySection), k.key, DecimalText(image.TuningBlock[k.tuningIndex]));
    return ini.Save(path);
}

std::string SavePathWithExtension(const std::string& chosen) {
    constexpr std::string_view ext = ".ini";
    const bool hasExtension =
        chosen.size() >= ext.size() && strcasecmp(chosen.c_str() + chosen.size() - ext.size(), ext.data()) == 0;
    return hasExtension ? chosen : chosen + std::string(ext);
}

bool PathLongEnough(const std::string& path) { return path.size() > 4; }
