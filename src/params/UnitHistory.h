#pragma once
// The history of every unit connected: after each completed connect the
// unit's image is kept as a backup file in <XDG data home>/quillon/history/,
// one folder per unit and one file per distinct image, so connecting again
// without a change adds nothing. A unit's folder is named by the status
// reply's 32-bit value, together with the adapter's stable name, once that
// value has shown itself to identify the unit (the same value at two connects
// on that adapter), otherwise by the port.

#include "params/UnitBackup.h"

#include <string>
#include <vector>

constexpr size_t kHistoryPerUnit = 50;

// $XDG_DATA_HOME/quillon/history, or ~/.local/share/quillon/history.
std::string HistoryFolder();

struct HistoryResult {
    bool ok = true;
    std::string message;  // why nothing could be kept
    std::string path;     // the entry holding this image
    bool added = false;   // false: the unit's history already held it
    CoreText text;        // why, as a window shows it

    static HistoryResult Failure(CoreText why) {
        std::string english = why.English();
        return {false, std::move(english), {}, false, std::move(why)};
    }
};

// Keeps the image; entries beyond kHistoryPerUnit are removed, oldest first,
// with the change logs the program kept beside them.
HistoryResult KeepInHistory(const UnitBackup& backup, const std::string& root = HistoryFolder());

struct HistoryEntry {
    std::string unit;  // the folder: "unit-XXXXXXXX@ADAPTER" or "port-NAME"
    std::string path;
    UnitBackup backup;
};
// Every readable entry, by unit, oldest first; with a port, only the entries
// taken on a port of that name.
std::vector<HistoryEntry> ListHistory(const std::string& port = {}, const std::string& root = HistoryFolder());
