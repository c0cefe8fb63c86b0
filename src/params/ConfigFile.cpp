#include "params/ConfigFile.h"

#include <strings.h>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <optional>

const char* const kFileNameTooShort = QT_TRANSLATE_NOOP("ConfigFile", "File name is too short!");

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

int ConfigNumberFromText(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long magnitude = 0;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        magnitude = std::min(limit, magnitude * 10 + (text[i] - '0'));
    return static_cast<int>(std::clamp<long long>(negative ? -magnitude : magnitude, INT_MIN, INT_MAX));
}

int8_t ConfigByteFromText(std::string_view text) { return LowByte(ConfigNumberFromText(text)); }

namespace {

// No value text can hold a line break, so this marks a key the file lacks.
constexpr std::string_view kAbsent = "\n";

enum class Missing { ReadAsZero, Keep };

// One key: its number into out, checked against the table row's range. A
// named value's start value passes too: a file saved before any connect holds it.
void ReadKey(const IniFile& ini,
             Section section,
             const char* key,
             const ByteDef& row,
             std::optional<int> start,
             Missing missing,
             int8_t& out,
             ConfigFileCheck* check) {
    const std::string text = ini.Get(SectionName(section), key, kAbsent);
    if (text == kAbsent) {
        if (check) check->missing.emplace_back(key);
        if (missing == Missing::ReadAsZero) out = 0;
        return;
    }
    const int number = ConfigNumberFromText(text);
    if (check) check->CheckRange(key, number, row, start);
    out = LowByte(number);
}

void ReadKeys(const IniFile& ini,
              ConfigValues& cv,
              ParameterImage& image,
              PanelValues& panel,
              Missing missing,
              ConfigFileCheck* check) {
    for (const ConfigDef& d : kConfigDefs)
        if (d.section != Section::None)
            ReadKey(ini, d.section, d.key, ByteOf(d.device), d.start, missing, cv[d.id], check);
    for (size_t i = 0; i < kPanelDefs.size(); ++i) {
        const CV name = kPanelDefs[i].name;
        const bool absent =
            check && std::find(check->missing.begin(), check->missing.end(), Def(name).key) != check->missing.end();
        if (!absent || missing == Missing::ReadAsZero) panel.value[i] = cv[name];
    }
    for (const DirectKeyDef& k : kDirectKeys)
        ReadKey(ini, kDirectKeySection, k.key, ByteOf(k.at), std::nullopt, missing, *BytePtr(image, k.at), check);
}

std::string JoinedKeys(const std::vector<std::string>& keys) {
    std::string out;
    for (const std::string& k : keys) out += (out.empty() ? "" : ", ") + k;
    return out;
}

}  // namespace

void ConfigFileCheck::CheckRange(const char* key, int number, const ByteDef& row, std::optional<int> start) {
    const bool ranged = row.low != 0 || row.high != 0;
    if (ranged && number != start && (number < row.low || number > row.high))
        outOfRange.push_back({key, number, row.low, row.high});
}

CoreText ConfigFileCheck::OutOfRangeText() const {
    std::vector<CoreText> lines;
    for (const OutOfRange& v : outOfRange)
        lines.push_back(
            CoreText::Of("ConfigFile", QT_TRANSLATE_NOOP("ConfigFile", "%1 = %2 (range %3 to %4)"),
                         {v.key, CoreText::Number(v.value), CoreText::Number(v.low), CoreText::Number(v.high)}));
    return CoreText::Joined(lines, "\n");
}

std::string ConfigFileCheck::OutOfRangeLines() const {
    return outOfRange.empty() ? std::string() : OutOfRangeText().English() + "\n";
}

CoreText ConfigFileCheck::MessageText() const {
    std::vector<CoreText> parts;
    if (Refused())
        parts.push_back(CoreText::Of(
            "ConfigFile",
            QT_TRANSLATE_NOOP("ConfigFile", "The config file was not taken: these values are outside their range.\n%1"),
            {OutOfRangeText()}));
    if (!missing.empty())
        parts.push_back(CoreText::Of(
            "ConfigFile",
            Refused() ? QT_TRANSLATE_NOOP("ConfigFile", "The file also lacks these keys: %1.")
                      : QT_TRANSLATE_NOOP("ConfigFile",
                                          "The config file lacks these keys; they keep their present values: %1."),
            {JoinedKeys(missing)}));
    return CoreText::Joined(parts, "\n\n");
}

ConfigFileResult ReadConfigFile(const std::string& path,
                                ConfigValues& cv,
                                ParameterImage& image,
                                PanelValues& panel,
                                ConfigFileCheck* check) {
    const IniLoadResult loaded = IniFile::Load(path);
    if (!loaded.status.ok) return loaded.status;
    ReadKeys(loaded.file, cv, image, panel, Missing::ReadAsZero, check);
    return {};
}

ConfigFileResult OpenConfigFile(const std::string& path,
                                ConfigValues& cv,
                                ParameterImage& image,
                                PanelValues& panel,
                                ConfigFileCheck& check) {
    check = {};
    const IniLoadResult loaded = IniFile::Load(path);
    if (!loaded.status.ok) return loaded.status;
    ConfigValues newCv = cv;
    ParameterImage newImage = image;
    PanelValues newPanel = panel;
    ReadKeys(loaded.file, newCv, newImage, newPanel, Missing::Keep, &check);
    if (check.Refused()) return FileResult::Failure(check.MessageText());
    cv = newCv;
    image = newImage;
    panel = newPanel;
    return {};
}

namespace {
// A start value outside its range means no value was ever chosen for it (0
// for the mounting direction and the swashplate type); the unit keeps its own.
bool NeverChosen(const ConfigDef& d, int8_t value) {
    const ByteDef& row = ByteOf(d.device);
    return value == d.start && (row.low != 0 || row.high != 0) && (value < row.low || value > row.high);
}
}  // namespace

CoreText ConfigToImageForTransmitText(const ConfigValues& cv, ParameterImage& image) {
    std::vector<CoreText> kept;
    for (const ConfigDef& d : kConfigDefs) {
        if (!d.toImage) continue;
        if (!NeverChosen(d, cv[d.id])) {
            *BytePtr(image, d.device) = cv[d.id];
            continue;
        }
        kept.push_back(CoreText::Of("ConfigFile", QT_TRANSLATE_NOOP("ConfigFile", "%1 (the file holds %2)"),
                                    {CoreLabel(d.id), CoreText::Number(cv[d.id])}));
    }
    if (kept.empty()) return {};
    return CoreText::Of(
        "ConfigFile",
        QT_TRANSLATE_NOOP("ConfigFile",
                          "The Orvex keeps its own value of %1: none was chosen before the file was saved."),
        {CoreText::Joined(kept, ", ")});
}

std::string ConfigToImageForTransmit(const ConfigValues& cv, ParameterImage& image) {
    return ConfigToImageForTransmitText(cv, image).English();
}

void TakeFactoryFileValues(ConfigValues& cv, ParameterImage& image, PanelValues& panel) {
    for (const ConfigDef& d : kConfigDefs)
        if (d.section != Section::None && ByteOf(d.device).factory != kKeep)
            cv[d.id] = static_cast<int8_t>(ByteOf(d.device).factory);
    for (size_t i = 0; i < kPanelDefs.size(); ++i) panel.value[i] = cv[kPanelDefs[i].name];
    for (const DirectKeyDef& k : kDirectKeys) *BytePtr(image, k.at) = static_cast<int8_t>(ByteOf(k.at).factory);
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
        ini.Set(SectionName(kDirectKeySection), k.key, DecimalText(*BytePtr(image, k.at)));
    return ini.Save(path);
}

std::string SavePathWithExtension(const std::string& chosen) {
    constexpr std::string_view ext = ".ini";
    const bool hasExtension =
        chosen.size() >= ext.size() && strcasecmp(chosen.c_str() + chosen.size() - ext.size(), ext.data()) == 0;
    return hasExtension ? chosen : chosen + std::string(ext);
}

bool PathLongEnough(const std::string& path) { return path.size() > 4; }
