// Whole-unit backup and restore: a file that is not the unit's own complete
// dump is refused, a backup restored onto another simulated unit leaves every
// restorable byte equal, a silent unit fails, and the history keeps one entry
// per distinct image.
#include "CliRunner.h"
#include "FileBytes.h"
#include "SimProcess.h"
#include "TempDir.h"
#include "params/UnitHistory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>

namespace {

constexpr size_t kSetup = 32, kTuning = 46;
constexpr size_t kCondition = 31;

// Every byte different from its neighbours and from the factory values; the
// condition 2, which the condition action can set.
std::string SourceImage() {
    std::string bytes;
    for (size_t i = 0; i < kSetup + kTuning; ++i) bytes.push_back(static_cast<char>(100 - static_cast<int>(i) * 3));
    bytes[kCondition] = 2;
    return bytes;
}

UnitBackup Sample() {
    UnitBackup b;
    for (size_t i = 0; i < kSetup; ++i) b.image.SetupBlock[i] = static_cast<int8_t>(i * 7 - 100);
    for (size_t i = 0; i < kTuning; ++i) b.image.TuningBlock[i] = static_cast<int8_t>(i * 5 - 128);
    b.version = 105;
    b.statusValue = 0x12345678;
    b.date = "2026-01-02T03:04:05Z";
    b.port = "/dev/ttyUSB0";
    return b;
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// A changed file that still carries a checksum of its own content.
std::string Resealed(const std::string& text, const std::string& from, const std::string& to) {
    std::string content = Replace(text.substr(0, text.rfind("checksum = ")), from, to);
    return content + ChecksumLine(content);
}

std::string Quoted(const std::string& s) { return "'" + s + "'"; }

}  // namespace

TEST(UnitBackupFile, ReadsBackEveryByteAndTheHeaderWhateverTheLineEnds) {
    const UnitBackup b = Sample();
    // A copy through a system that writes CRLF changes no value.
    std::string crlf;
    for (char c : BackupText(b)) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (const std::string& text : {BackupText(b), crlf}) {
        const BackupParse p = ParseBackup(text);
        ASSERT_TRUE(p.ok) << p.message;
        EXPECT_EQ(p.backup.image, b.image);
        EXPECT_EQ(p.backup.version, b.version);
        EXPECT_EQ(p.backup.statusValue, b.statusValue);
        EXPECT_EQ(p.backup.date, b.date);
    }
}

TEST(UnitBackupFile, RefusesWhatIsNotTheUnitsCompleteDump) {
    const std::string text = BackupText(Sample());
    struct Damage {
        const char* what;
        std::string text;
        const char* because;
    };
    const Damage rows[] = {
        {"one digit changed", Replace(text, "TuningBlock.Acc1 = -18\n", "TuningBlock.Acc1 = -19\n"), "checksum"},
        {"cut short", text.substr(0, text.size() / 2), "cut short"},
        {"unknown name", Resealed(text, "SetupBlock.FixMode =", "SetupBlock.FixMood ="), "\"SetupBlock.FixMood\""},
        {"a byte missing", Resealed(text, "TuningBlock.HardCoef = 52\n", ""), "TuningBlock.HardCoef is missing"},
        {"not a byte", Resealed(text, "TuningBlock.HardCoef = 52\n", "TuningBlock.HardCoef = 300\n"), "\"300\""},
        {"a foreign file", "[section1]\nPitchGain=40\n", "This is not a backup file"},
    };
    ASSERT_NE(text.find("TuningBlock.Acc1 = -18\n"), std::string::npos);
    ASSERT_NE(text.find("TuningBlock.HardCoef = 52\n"), std::string::npos);
    for (const Damage& d : rows) {
        SCOPED_TRACE(d.what);
        const BackupParse p = ParseBackup(d.text);
        EXPECT_FALSE(p.ok);
        EXPECT_NE(p.message.find(d.because), std::string::npos) << p.message;
    }
}

TEST(UnitHistory, KeepsOneEntryPerDistinctImageAndPrunesTheOldest) {
    const TempDir root{"quillon-history"};
    UnitBackup b = Sample();
    b.statusValue = 0;  // no identity: the unit is known by its port
    const HistoryResult first = KeepInHistory(b, root.path());
    ASSERT_TRUE(first.ok && first.added) << first.message;
    b.date = "2026-01-02T03:04:06Z";
    const HistoryResult again = KeepInHistory(b, root.path());
    EXPECT_FALSE(again.added);
    EXPECT_EQ(again.path, first.path);

    // All within one second, as quick reconnects are: the order is still the order they came in.
    b.date = "2026-02-01T00:00:00Z";
    for (int i = 1; i <= static_cast<int>(kHistoryPerUnit); ++i) {
        b.image.TuningBlock[0] = static_cast<int8_t>(i);
        ASSERT_TRUE(KeepInHistory(b, root.path()).added) << i;
    }
    const std::vector<HistoryEntry> kept = ListHistory("/dev/ttyUSB0", root.path());
    ASSERT_EQ(kept.size(), kHistoryPerUnit);
    EXPECT_FALSE(std::filesystem::exists(first.path)) << "the oldest entry goes first";
    for (size_t i = 0; i < kept.size(); ++i) EXPECT_EQ(kept[i].backup.image.TuningBlock[0], int(i) + 1) << i;
    EXPECT_EQ(kept.front().unit, "port-ttyUSB0");
    EXPECT_TRUE(ListHistory("/dev/ttyUSB1", root.path()).empty());
}

TEST(UnitHistory, AValueSeenAtTwoConnectsNamesTheUnit) {
    const TempDir root{"quillon-history"};
    UnitBackup b = Sample();
    ASSERT_TRUE(KeepInHistory(b, root.path()).ok);
    b.port = "/dev/ttyUSB1";
    b.image.TuningBlock[0] = 1;
    ASSERT_TRUE(KeepInHistory(b, root.path()).ok);  // a new port: not yet known as this unit
    b.image.TuningBlock[0] = 2;
    const HistoryResult third = KeepInHistory(b, root.path());
    ASSERT_TRUE(third.ok) << third.message;
    EXPECT_NE(third.path.find("/unit-12345678@ttyUSB1/"), std::string::npos) << third.path;
    EXPECT_EQ(ListHistory("/dev/ttyUSB1", root.path()).size(), 2u);
    // The same value on another adapter is another unit: the histories stay apart.
    b.port = "/dev/ttyUSB0";
    b.image.TuningBlock[0] = 3;
    const HistoryResult other = KeepInHistory(b, root.path());
    EXPECT_NE(other.path.find("/unit-12345678@ttyUSB0/"), std::string::npos) << other.path;
}

class UnitBackupCli : public ::testing::Test {
protected:
    TempDir dir_{"quillon-unit-backup"};
};

TEST_F(UnitBackupCli, RoundTripLeavesEveryRestorableByteEqual) {
    const std::string source = SourceImage();
    WriteBytes(dir_.file("source.img"), source);
    SimProcess from(SimProcess::Options{.args = {"--baud", "0", "--image", dir_.file("source.img")}});
    SimProcess to(SimProcess::Options{.args = {"--baud", "0", "--image", dir_.file("fresh.img")}});
    const std::string file = dir_.file("unit.orvex");
    const CliResult saved = RunCli("backup " + from.portPath() + " " + Quoted(file));
    ASSERT_EQ(saved.status, 0) << saved.out;

    // A file changed by one digit is refused before the unit is touched.
    const std::string text = ReadBytes(file);
    const std::string line = "TuningBlock.YawGain = ";
    ASSERT_NE(text.find(line), std::string::npos);
    std::string tampered = text;
    char& digit = tampered[tampered.find(line) + line.size()];
    digit = digit == '1' ? '2' : '1';
    WriteBytes(dir_.file("tampered.orvex"), tampered);
    const CliResult refused = RunCli("restore " + to.portPath() + " " + Quoted(dir_.file("tampered.orvex")));
    EXPECT_NE(refused.status, 0);
    EXPECT_NE(refused.out.find("checksum does not match"), std::string::npos) << refused.out;
    EXPECT_TRUE(to.frames().empty());

    const CliResult restored = RunCli("restore " + to.portPath() + " " + Quoted(file));
    ASSERT_EQ(restored.status, 0) << restored.out;
    EXPECT_NE(restored.out.find("Restored and verified"), std::string::npos) << restored.out;

    // What the second unit stored, byte for byte. SetupByte21, ZeroPitch and
    // TuningByte44 are the unit's own: no command of the program writes them.
    const std::string stored = ReadBytes(dir_.file("fresh.img"));
    ASSERT_EQ(stored.size(), source.size());
    const size_t kept[] = {21, kSetup + 39, kSetup + 44};
    for (size_t i = 0; i < source.size(); ++i) {
        const bool isKept = std::find(std::begin(kept), std::end(kept), i) != std::end(kept);
        if (isKept)
            EXPECT_NE(stored[i], source[i]) << "byte " << i << " was claimed kept";
        else
            EXPECT_EQ(stored[i], source[i]) << "byte " << i;
    }
}

TEST_F(UnitBackupCli, ASilentUnitGetsNoBackupAndFailsTheRestore) {
    // The unit answers the four frames of the connect, then nothing more.
    const SimProcess::Options options{.args = {"--baud", "0", "--stop-answering", "5"}};
    SimProcess silent(options);
    const std::string file = dir_.file("never.orvex");
    const CliResult backup = RunCli("backup " + silent.portPath() + " " + Quoted(file));
    EXPECT_NE(backup.status, 0);
    EXPECT_NE(backup.out.find("nothing was written"), std::string::npos) << backup.out;
    EXPECT_FALSE(std::filesystem::exists(file));

    SimProcess silentToo(options);
    WriteBytes(dir_.file("sample.orvex"), BackupText(Sample()));
    const CliResult restore = RunCli("restore " + silentToo.portPath() + " " + Quoted(dir_.file("sample.orvex")));
    EXPECT_NE(restore.status, 0);
    EXPECT_NE(restore.out.find("the restore is not verified"), std::string::npos) << restore.out;
    EXPECT_EQ(restore.out.find("Restored"), std::string::npos) << restore.out;
}
