#include "params/UnitBackup.h"

#include "protocol/StatusReport.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <map>
#include <set>

std::string Hex32(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%08X", value);
    return text;
}

namespace {

constexpr std::string_view kHeading = "# Orvex backup written by Quillon: every parameter byte as the unit reported it";
constexpr std::string_view kFormat = "1";
constexpr std::string_view kChecksumKey = "checksum";
constexpr std::string_view kSeparator = " = ";

const char* BlockName(BlockId block) { return block == BlockId::Setup ? "SetupBlock" : "TuningBlock"; }

uint32_t Crc32(std::string_view data) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    uint32_t crc = 0xFFFFFFFFu;
    for (char ch : data) crc = table[(crc ^ static_cast<uint8_t>(ch)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

std::string Line(std::string_view key, std::string_view value) {
    return std::string(key) + std::string(kSeparator) + std::string(value) + "\n";
}

std::string ByteKey(DeviceByte b) { return std::string(BlockName(b.block)) + "." + ByteName(b); }

template <typename T>
bool ParseNumber(std::string_view text, T& out, int base = 10) {
    if (base == 16 && text.starts_with("0x")) text.remove_prefix(2);
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out, base);
    return ec == std::errc() && end == text.data() + text.size() && !text.empty();
}

BackupParse Refused(CoreText why) {
    BackupParse p;
    p.message = why.English();
    p.text = std::move(why);
    return p;
}

// The file is a backup, but not a whole one; why is marked in context "UnitBackup".
BackupParse Refuse(const char* why, std::vector<CoreText> args = {}) {
    return Refused(CoreText::Of("UnitBackup",
                                QT_TRANSLATE_NOOP("UnitBackup", "This is not a complete Orvex backup: %1"),
                                {CoreText::Of("UnitBackup", why, std::move(args))}));
}

std::string WithLfEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
    return out;
}

// The text above the checksum line and the checksum it names; false when the
// last line is not a checksum line.
bool SplitChecksum(std::string_view text, std::string_view& content, std::string_view& checksum) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.remove_suffix(1);
    const size_t start = text.rfind('\n') == std::string_view::npos ? 0 : text.rfind('\n') + 1;
    const std::string_view last = text.substr(start);
    const std::string prefix = std::string(kChecksumKey) + std::string(kSeparator);
    if (!last.starts_with(prefix)) return false;
    content = text.substr(0, start);
    checksum = last.substr(prefix.size());
    return true;
}

}  // namespace

const std::vector<DeviceByte>& AllImageBytes() {
    static const std::vector<DeviceByte> bytes = [] {
        std::vector<DeviceByte> v;
        for (size_t i = 0; i < kSetupBlockSize; ++i) v.push_back({BlockId::Setup, static_cast<uint8_t>(i)});
        for (size_t i = 0; i < kTuningBlockSize; ++i) v.push_back({BlockId::Tuning, static_cast<uint8_t>(i)});
        return v;
    }();
    return bytes;
}

const char* ByteName(DeviceByte b) {
    return b.block == BlockId::Setup ? kSetupBytes[b.index].name : kTuningBytes[b.index].def.name;
}

uint32_t ImageChecksum(const ParameterImage& image) {
    std::string bytes(reinterpret_cast<const char*>(image.SetupBlock), kSetupBlockSize);
    bytes.append(reinterpret_cast<const char*>(image.TuningBlock), kTuningBlockSize);
    return Crc32(bytes);
}

std::string BackupDateNow() {
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

std::string BackupText(const UnitBackup& b) {
    std::string text = std::string(kHeading) + "\n";
    text += Line("format", kFormat);
    text += Line("date", b.date);
    text += Line("port", b.port);
    text += Line("firmware", FormatVersion(b.version));
    text += Line("firmware-value", std::to_string(b.version));
    text += Line("status-value", "0x" + Hex32(b.statusValue));
    for (DeviceByte d : AllImageBytes()) text += Line(ByteKey(d), std::to_string(*BytePtr(b.image, d)));
    return text + ChecksumLine(text);
}

std::string ChecksumLine(std::string_view content) { return Line(kChecksumKey, Hex32(Crc32(content))); }

BackupParse ParseBackup(std::string_view text) {
    return ParseBackup(text, CoreText::Of("UnitBackup", QT_TRANSLATE_NOOP("UnitBackup", "This")));
}

BackupParse ParseBackup(std::string_view text, const CoreText& subject) {
    if (!text.starts_with(kHeading))
        return Refused(CoreText::Of(
            "UnitBackup", QT_TRANSLATE_NOOP("UnitBackup", "%1 is not a backup file: it does not begin with \"%2\"."),
            {subject, std::string(kHeading.substr(0, kHeading.find(':')))}));
    std::string_view content, checksum;
    if (!SplitChecksum(text, content, checksum))
        return Refuse(QT_TRANSLATE_NOOP("UnitBackup", "it ends before its checksum line (cut short?)."));
    uint32_t stated = 0;
    // A copy through a system that writes CRLF line ends changes no value.
    if (!ParseNumber(checksum, stated, 16) || (stated != Crc32(content) && stated != Crc32(WithLfEnds(content))))
        return Refuse(QT_TRANSLATE_NOOP("UnitBackup",
                                        "its checksum does not match its content (the file was changed or damaged)."));

    std::map<std::string, DeviceByte, std::less<>> byName;
    for (DeviceByte d : AllImageBytes()) byName.emplace(ByteKey(d), d);
    BackupParse p;
    std::set<std::string, std::less<>> seen;
    bool formatSeen = false;
    size_t lineNo = 0;
    for (const TextLine& each : SplitLines(content)) {
        const std::string_view line = each.text;
        ++lineNo;
        if (line.empty() || line.front() == '#') continue;
        const size_t sep = line.find(kSeparator);
        const CoreText where = CoreText::Number(static_cast<long long>(lineNo));
        if (sep == std::string_view::npos)
            return Refuse(QT_TRANSLATE_NOOP("UnitBackup", "\"%1\" is not \"name = value\" (line %2)"),
                          {std::string(line), where});
        const std::string_view key = line.substr(0, sep), value = line.substr(sep + kSeparator.size());
        if (!seen.insert(std::string(key)).second)
            return Refuse(QT_TRANSLATE_NOOP("UnitBackup", "\"%1\" appears twice (line %2)"), {std::string(key), where});
        bool good = true;
        if (key == "format")
            good = formatSeen = value == kFormat;
        else if (key == "date")
            p.backup.date = value;
        else if (key == "port")
            p.backup.port = value;
        else if (key == "firmware") {
        } else if (key == "firmware-value")
            good = ParseNumber(value, p.backup.version);
        else if (key == "status-value")
            good = ParseNumber(value, p.backup.statusValue, 16);
        else if (auto it = byName.find(key); it != byName.end()) {
            int v = 0;
            good = ParseNumber(value, v) && v >= -128 && v <= 127;
            if (good) *BytePtr(p.backup.image, it->second) = static_cast<int8_t>(v);
        } else {
            return Refuse(QT_TRANSLATE_NOOP("UnitBackup", "the name \"%1\" is unknown (line %2)"),
                          {std::string(key), where});
        }
        if (!good)
            return Refuse(QT_TRANSLATE_NOOP("UnitBackup", "\"%1\" is not a valid value of %2 (line %3)"),
                          {std::string(value), std::string(key), where});
    }
    if (!formatSeen) return Refuse(QT_TRANSLATE_NOOP("UnitBackup", "it has no \"format = 1\" line."));
    for (DeviceByte d : AllImageBytes())
        if (!seen.contains(ByteKey(d))) return Refuse(QT_TRANSLATE_NOOP("UnitBackup", "%1 is missing."), {ByteKey(d)});
    p.ok = true;
    return p;
}

FileResult WriteBackupFile(const std::string& path, const UnitBackup& backup) {
    return SaveTextAtomically(path, BackupText(backup));
}

BackupParse ReadBackupFile(const std::string& path) {
    const TextFile read = TextFile::Read(path, QT_TRANSLATE_NOOP("TextFile", "backup file"));
    if (!read.status.ok) return Refused(read.status.text);
    return ParseBackup(read.bytes, QuotedPath(path));
}

// ---- restoring ------------------------------------------------------------------

RestoreWay WayOf(DeviceByte b) {
    if (b == DeviceByte(Bytes::Condition)) return RestoreWay::ConditionAction;
    return KeptReason(b) ? RestoreWay::Kept : RestoreWay::ParameterFrame;
}

namespace {
bool ConditionSettable(int8_t value) { return value == 1 || value == 2; }

bool Restorable(DeviceByte d, const ParameterImage& backup) {
    const RestoreWay way = WayOf(d);
    return way == RestoreWay::ParameterFrame ||
           (way == RestoreWay::ConditionAction && ConditionSettable(*BytePtr(backup, d)));
}
}  // namespace

RestorePlan PlanRestore(const ParameterImage& unit, const ParameterImage& backup) {
    RestorePlan plan;
    plan.target = unit;
    for (DeviceByte d : AllImageBytes()) {
        const int8_t have = *BytePtr(unit, d), want = *BytePtr(backup, d);
        if (Restorable(d, backup)) *BytePtr(plan.target, d) = want;
        if (have == want) continue;
        if (Restorable(d, backup))
            plan.changes.push_back({d, have, want});
        else
            plan.kept.push_back({d, have, want});
        if (WayOf(d) == RestoreWay::ConditionAction && Restorable(d, backup)) plan.setCondition = true;
    }
    return plan;
}

std::vector<ByteChange> CompareImages(const ParameterImage& unit, const ParameterImage& wanted) {
    std::vector<ByteChange> out;
    for (DeviceByte d : AllImageBytes())
        if (*BytePtr(unit, d) != *BytePtr(wanted, d)) out.push_back({d, *BytePtr(unit, d), *BytePtr(wanted, d)});
    return out;
}

std::vector<ByteChange> UnrestoredBytes(const RestorePlan& plan, const ParameterImage& readBack) {
    std::vector<ByteChange> out;
    for (const ByteChange& c : CompareImages(readBack, plan.target)) {
        const bool kept = std::any_of(plan.kept.begin(), plan.kept.end(), [&](const ByteChange& k) {
            return k.byte.block == c.byte.block && k.byte.index == c.byte.index;
        });
        if (!kept && Restorable(c.byte, plan.target)) out.push_back(c);
    }
    return out;
}

std::string DescribeChanges(const std::vector<ByteChange>& changes, std::string_view arrow) {
    std::string out;
    for (const ByteChange& c : changes)
        out += std::string(Label(c.byte)) + ": " + std::to_string(c.unit) + std::string(arrow) +
               std::to_string(c.wanted) + "\n";
    return out;
}

CoreText ChangesText(const std::vector<ByteChange>& changes) {
    std::vector<CoreText> lines;
    for (const ByteChange& c : changes)
        lines.push_back(CoreText::Of("UnitBackup", QT_TRANSLATE_NOOP("UnitBackup", "%1: %2 → %3"),
                                     {CoreLabel(c.byte), CoreText::Number(c.unit), CoreText::Number(c.wanted)}));
    return CoreText::Joined(lines, "\n");
}

CoreText KeptText(const std::vector<ByteChange>& kept) {
    std::vector<CoreText> lines;
    for (const ByteChange& c : kept)
        lines.push_back(CoreText::Of("UnitBackup",
                                     QT_TRANSLATE_NOOP("UnitBackup", "%1: unit value %2 kept (backup %3): %4"),
                                     {CoreLabel(c.byte), CoreText::Number(c.unit), CoreText::Number(c.wanted),
                                      CoreText::Of("ParameterTable", KeptReason(c.byte))}));
    return CoreText::Joined(lines, "\n");
}

std::string DescribeKept(const std::vector<ByteChange>& kept) {
    return kept.empty() ? std::string() : KeptText(kept).English() + "\n";
}
