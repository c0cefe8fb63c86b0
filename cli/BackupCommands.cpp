#include "cli/BackupCommands.h"

#include "cli/CliSession.h"
#include "cli/Json.h"
#include "cli/VerifiedWrite.h"
#include "params/UnitHistory.h"

#include <cstdio>

namespace {
constexpr WriteTexts kRestoreTexts = {
    "the backup was sent, but the Orvex did not confirm it and may hold part of it; the restore is not verified.",
    "the Orvex confirmed the restore, but it could not be read back; the restore is not verified.",
    "the restore did not take; these bytes read back differently (read back -> backup):\n",
};
}  // namespace

int BackupUnit(const std::vector<std::string>& args) {
    CliSession s;
    std::string error;
    if (!s.Connect(args[0], kCliConnectTimeoutMs, error)) return CliFail(error);
    if (!ReadParameters(s)) return CliFail(NoAnswer(s, "nothing was written."));
    const FileResult saved = WriteBackupFile(args[1], s.Snapshot());
    if (!saved.ok) return CliFail(saved.message);
    std::printf("Backed up the Orvex (firmware %s) to %s\n", s.receiver().versionText().c_str(), args[1].c_str());
    return 0;
}

int RestoreUnit(const std::vector<std::string>& args) {
    // A file that is refused stops everything before the device is touched.
    const BackupParse file = ReadBackupFile(args[1]);
    if (!file.ok) return CliFail(file.message);

    CliSession s;
    std::string error;
    if (!s.Connect(args[0], kCliConnectTimeoutMs, error)) return CliFail(error);
    const RestorePlan plan = PlanRestore(s.orvex().image, file.backup.image);
    std::printf("Backup of %s (firmware %s)\n", file.backup.date.c_str(), FormatVersion(file.backup.version).c_str());
    if (plan.changes.empty())
        std::printf("The Orvex already holds every restorable value of the backup.\n");
    else
        std::printf("Changes (Orvex -> backup):\n%s", DescribeChanges(plan.changes).c_str());
    if (!plan.kept.empty()) std::printf("Kept:\n%s", DescribeKept(plan.kept).c_str());
    std::fflush(stdout);

    const WriteOutcome written = WriteVerified(s, plan, kRestoreTexts);
    if (written.stage != WriteStage::Verified) return CliFail(written.error);
    std::printf("Restored and verified: every restorable byte reads back as in the backup.\n");
    return 0;
}

namespace {
Json HistoryJson(const std::string& typed, const std::string& port, const std::vector<HistoryEntry>& entries) {
    Json doc = JsonDocument();
    if (!typed.empty()) PutPort(doc, port, typed);
    PutName(doc, "folder", HistoryFolder());
    Json items = Json::array();
    for (const HistoryEntry& e : entries) {
        Json item;
        PutName(item, "unit", e.unit);
        item["date"] = e.backup.date;
        item["firmware"] = FormatVersion(e.backup.version);
        PutName(item, "path", e.path);
        PutName(item, "port", e.backup.port);
        items.push_back(item);
    }
    doc["entries"] = items;
    return doc;
}
}  // namespace

int ListUnitHistory(const std::vector<std::string>& args, bool json) {
    const std::string typed = args.empty() ? std::string() : args[0];
    const std::string port = typed.empty() ? std::string() : CliSession::ResolvePort(typed);
    const std::vector<HistoryEntry> entries = ListHistory(port);
    if (json) {
        PrintJson(HistoryJson(typed, port, entries));
        return 0;
    }
    if (entries.empty()) {
        std::printf("No history in %s\n", HistoryFolder().c_str());
        return 0;
    }
    for (const HistoryEntry& e : entries)
        std::printf("%-16s %s  %s  %s\n", e.unit.c_str(), e.backup.date.c_str(),
                    FormatVersion(e.backup.version).c_str(), e.path.c_str());
    return 0;
}
