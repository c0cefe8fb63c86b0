#include "params/UnitHistory.h"

#include "link/PortList.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kExtension = ".orvex";
constexpr std::string_view kUnitPrefix = "unit-", kPortPrefix = "port-";

std::string PortName(const std::string& port) {
    const std::string name = fs::path(port).filename().string();
    return name.empty() ? "unknown" : name;
}

// A counter or an unset field changes or stays 0; a serial number repeats.
bool CouldIdentify(uint32_t value) { return value != 0 && value != 0xFFFFFFFFu; }

// The entry files of one folder, oldest first: names start with the time to the
// second, then a sequence number that orders the entries of one second.
std::vector<fs::path> Entries(const fs::path& folder) {
    std::vector<fs::path> out;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(folder, ec))
        if (e.is_regular_file(ec) && e.path().extension() == kExtension) out.push_back(e.path());
    std::sort(out.begin(), out.end());
    return out;
}

// The sequence number of an entry named "STAMP-NNNNNN-CHECKSUM.orvex"; 0 for
// the names of earlier versions, which had none.
unsigned long SequenceOf(const fs::path& entry) {
    const std::string name = entry.stem().string();
    const size_t first = name.find('-'), last = name.rfind('-');
    if (first == std::string::npos || first == last) return 0;
    return std::strtoul(name.substr(first + 1, last - first - 1).c_str(), nullptr, 10);
}

std::string EntryName(const UnitBackup& b, const std::vector<fs::path>& entries) {
    std::string stamp = b.date;
    std::erase_if(stamp, [](char c) { return c == '-' || c == ':'; });
    unsigned long sequence = 0;
    for (const fs::path& e : entries) sequence = std::max(sequence, SequenceOf(e));
    char number[16];
    std::snprintf(number, sizeof number, "%06lu", sequence + 1);
    return stamp + "-" + number + "-" + Hex32(ImageChecksum(b.image)) + std::string(kExtension);
}

bool SameImage(const fs::path& entry, const UnitBackup& b) {
    return entry.filename().string().ends_with("-" + Hex32(ImageChecksum(b.image)) + std::string(kExtension));
}

// The adapter's name that stays across replugs (its /dev/serial/by-id link),
// else the path.
std::string StableName(const std::string& port) {
    for (const PortEntry& e : ListPorts())
        if (e.path == port) return e.stableName;
    return port;
}

// An entry's change logs lie beside it ("<entry>.changes-<time>.txt") and go where it goes.
std::vector<fs::path> ChangeLogsOf(const fs::path& entry) {
    const std::string prefix = entry.stem().string() + ".changes-";
    std::vector<fs::path> logs;
    std::error_code ec;
    for (const fs::directory_entry& e : fs::directory_iterator(entry.parent_path(), ec))
        if (e.path().filename().string().rfind(prefix, 0) == 0) logs.push_back(e.path());
    return logs;
}

// The folder of the unit. A value seen before on this port identifies the
// unit: the port's entries with it move into the unit's own folder. The value
// alone names no unit (the protocol does not call it a serial number, and two
// units may give the same one): the adapter's stable name goes with it.
fs::path UnitFolder(const fs::path& root, const UnitBackup& b, std::error_code& ec) {
    const fs::path byPort = root / (std::string(kPortPrefix) + PortName(b.port));
    if (!CouldIdentify(b.statusValue)) return byPort;
    const fs::path byUnit =
        root / (std::string(kUnitPrefix) + Hex32(b.statusValue) + "@" + PortName(StableName(b.port)));
    std::vector<fs::path> seen;
    for (const fs::path& e : Entries(byPort)) {
        const BackupParse p = ReadBackupFile(e.string());
        if (p.ok && p.backup.statusValue == b.statusValue) seen.push_back(e);
    }
    std::error_code probe;
    if (seen.empty() && !fs::is_directory(byUnit, probe)) return byPort;
    fs::create_directories(byUnit, ec);
    for (const fs::path& e : seen) {
        for (const fs::path& log : ChangeLogsOf(e)) fs::rename(log, byUnit / log.filename(), ec);
        fs::rename(e, byUnit / e.filename(), ec);
    }
    fs::remove(byPort, probe);  // only if nothing else is left in it
    return byUnit;
}

void Prune(const fs::path& folder) {
    std::vector<fs::path> entries = Entries(folder);
    std::error_code ec;
    for (size_t i = 0; i + kHistoryPerUnit < entries.size(); ++i) {
        for (const fs::path& log : ChangeLogsOf(entries[i])) fs::remove(log, ec);
        fs::remove(entries[i], ec);
    }
}

}  // namespace

std::string HistoryFolder() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && data[0] == '/') return std::string(data) + "/quillon/history";
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.local/share/quillon/history";
}

HistoryResult KeepInHistory(const UnitBackup& backup, const std::string& root) {
    HistoryResult r;
    std::error_code ec;
    fs::create_directories(root, ec);
    const fs::path folder = UnitFolder(root, backup, ec);
    if (!ec) fs::create_directories(folder, ec);
    if (ec)
        return HistoryResult::Failure(
            CoreText::Of("UnitHistory", QT_TRANSLATE_NOOP("UnitHistory", "Cannot keep the unit's history in %1: %2."),
                         {folder.string(), ec.message()}));
    const std::vector<fs::path> entries = Entries(folder);
    for (const fs::path& e : entries)
        if (SameImage(e, backup)) {
            r.path = e.string();
            return r;
        }
    r.path = (folder / EntryName(backup, entries)).string();
    const FileResult saved = WriteBackupFile(r.path, backup);
    if (!saved.ok) return HistoryResult::Failure(saved.text);
    r.added = true;
    Prune(folder);
    return r;
}

std::vector<HistoryEntry> ListHistory(const std::string& port, const std::string& root) {
    std::vector<fs::path> units;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(root, ec))
        if (e.is_directory(ec)) units.push_back(e.path());
    std::sort(units.begin(), units.end());
    std::vector<HistoryEntry> out;
    for (const fs::path& unit : units)
        for (const fs::path& e : Entries(unit)) {
            BackupParse p = ReadBackupFile(e.string());
            if (!p.ok || (!port.empty() && PortName(p.backup.port) != PortName(port))) continue;
            out.push_back({unit.filename().string(), e.string(), std::move(p.backup)});
        }
    return out;
}
