// quillon-cli save and load against the simulated Orvex: a backup holds the
// device's own values under their keys, a restored file changes the device,
// and a file that is not a configuration file sends nothing.
#include "CliRunner.h"
#include "FileBytes.h"
#include "SimProcess.h"
#include "TempDir.h"
#include "cli/Json.h"
#include "params/ConfigFile.h"
#include "params/IniFile.h"
#include "params/Orvex.h"
#include "params/ParameterTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

std::string Quoted(const std::string& s) { return "'" + s + "'"; }

// The device image as the simulator stores it: SetupBlock 0..31, TuningBlock 0..45.
constexpr size_t kSetup = 32, kTuning = 46;
using Image = std::array<int8_t, kSetup + kTuning>;

// Every byte different, so a value in the file tells which byte it came from.
Image DistinctImage() {
    Image image{};
    for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<int8_t>(static_cast<int>(i) - 40);
    return image;
}

// The same, with every byte that has a range brought into it: what a unit
// whose values all came from the program's controls could hold.
Image DistinctImageInRange() {
    Image image = DistinctImage();
    for (size_t i = 0; i < image.size(); ++i) {
        const ByteDef& row = i < kSetup ? kSetupBytes[i] : kTuningBytes[i - kSetup].def;
        if (row.low != 0 || row.high != 0) image[i] = static_cast<int8_t>(std::clamp<int>(image[i], row.low, row.high));
    }
    return image;
}

std::string ImageBytes(const Image& image) { return std::string(image.begin(), image.end()); }

enum Block { S, T };
struct KeyByte {
    const char* section;
    const char* key;
    Block block;
    int index;
};

// The file keys and the device bytes they stand for. The section-one keys
// are the main panel's values; the agility bytes 31..34 appear twice.
const KeyByte kKeys[] = {
    {"section1", "PitchAgility", T, 33},
    {"section1", "PitchGain", T, 12},
    {"section1", "RollAgility", T, 34},
    {"section1", "RollGain", T, 6},
    {"section1", "YawAgility", T, 31},
    {"section1", "YawRight", T, 32},
    {"section1", "YawGain", T, 0},
    {"section2", "FixMode", S, 29},
    {"section2", "ServoType", S, 19},
    {"section2", "SwashPlateType", S, 27},
    {"section2", "ServoDirCH1", S, 6},
    {"section2", "ServoDirCH2", S, 7},
    {"section2", "ServoDirCH3", S, 8},
    {"section2", "ServoDirCH4", S, 9},
    {"section2", "ServoAdjustCH1", S, 0},
    {"section2", "ServoAdjustCH2", S, 1},
    {"section2", "ServoAdjustCH3", S, 2},
    {"section2", "AileronLimit", S, 14},
    {"section2", "ElevatorLimit", S, 15},
    {"section2", "TotalCoefficient", T, 38},
    {"section2", "PitchDir", S, 18},
    {"section2", "RollDir", S, 17},
    {"section2", "YawDir", S, 16},
    {"section2", "TailPoint", S, 3},
    {"section2", "TailLimitA", S, 12},
    {"section2", "TailLimitB", S, 13},
    {"section2", "OptimizationDir", S, 30},
    {"section3", "Acc1", T, 22},
    {"section3", "Acc2", T, 23},
    {"section3", "Acc3", T, 18},
    {"section3", "Acc4", T, 19},
    {"section3", "Acc5", T, 20},
    {"section3", "Acc6", T, 21},
    {"section3", "DeadBand1", T, 29},
    {"section3", "DeadBand2", T, 30},
    {"section3", "DeadBand3", T, 27},
    {"section3", "DeadBand4", T, 28},
    {"section3", "PitchGainD", T, 15},
    {"section3", "PitchGainI", T, 14},
    {"section3", "PitchGainP", T, 13},
    {"section3", "RollGainD", T, 9},
    {"section3", "RollGainI", T, 8},
    {"section3", "RollGainP", T, 7},
    {"section3", "SpinSpeed1", T, 33},
    {"section3", "SpinSpeed2", T, 34},
    {"section3", "SpinSpeed3", T, 31},
    {"section3", "SpinSpeed4", T, 32},
    {"section3", "TailCompsate1", T, 40},
    {"section3", "TailCompsate2", T, 41},
    {"section3", "TailGainD", T, 3},
    {"section3", "TailGainI", T, 2},
    {"section3", "TailGainP", T, 1},
    {"section3", "receiver type", S, 25},
    {"section3", "HardCoef", T, 36},
    {"section3", "RPMTotalGain", T, 45},
    {"section3", "RPMGainP", T, 24},
    {"section3", "RPMGainI", T, 25},
    {"section3", "RPMGainD", T, 26},
    {"section3", "RPMCompensate1", T, 42},
    {"section3", "RPMCompensate2", T, 43},
};

int ImageValue(const Image& image, Block b, int index) { return image[(b == S ? 0 : kSetup) + index]; }

// The image a ParameterFrame carried, from the simulator's log: frame offsets
// 2..32 are SetupBlock 0..30, 33 stands for the condition, 34..79 TuningBlock.
int FrameValue(const SimFrame& f, Block b, int index) {
    return static_cast<int8_t>(f.payload.at((b == S ? 0 : kSetup) + index));
}

std::vector<SimFrame> WithCode(const std::vector<SimFrame>& frames, int code) {
    std::vector<SimFrame> out;
    for (const SimFrame& f : frames)
        if (f.code == code) out.push_back(f);
    return out;
}

class CliConfig : public ::testing::Test {
protected:
    void StartSim(const Image& image, const std::vector<std::string>& faults = {}) {
        WriteBytes(imagePath(), ImageBytes(image));
        std::vector<std::string> args = {"--baud", "0", "--image", imagePath()};
        args.insert(args.end(), faults.begin(), faults.end());
        sim_ = std::make_unique<SimProcess>(SimProcess::Options{.args = args});
    }
    std::string imagePath() const { return dir_.file("device.img"); }
    SimProcess& sim() { return *sim_; }

    TempDir dir_{"quillon-cli-config"};
    std::unique_ptr<SimProcess> sim_;
};

}  // namespace

TEST_F(CliConfig, SaveWritesTheDeviceValuesUnderTheirKeys) {
    const Image image = DistinctImage();
    StartSim(image);
    const CliResult r = RunCli("save " + sim().portPath() + " " + Quoted(dir_.file("backup")));
    ASSERT_EQ(r.status, 0) << r.out;

    // ".ini" is added as the menu command adds it.
    const std::string path = dir_.file("backup.ini");
    EXPECT_NE(r.out.find(path), std::string::npos) << r.out;
    IniLoadResult loaded = IniFile::Load(path);
    ASSERT_TRUE(loaded.status.ok) << loaded.status.message;
    for (const KeyByte& k : kKeys) {
        const std::string text = loaded.file.Get(k.section, k.key, "missing");
        EXPECT_EQ(text, std::to_string(ImageValue(image, k.block, k.index))) << k.section << "/" << k.key;
    }
}

TEST_F(CliConfig, SaveWritesTheKeysInFileOrder) {
    StartSim(DistinctImage());
    ASSERT_EQ(RunCli("save " + sim().portPath() + " " + Quoted(dir_.file("order.ini"))).status, 0);
    const std::string text = ReadBytes(dir_.file("order.ini"));
    size_t at = 0;
    const char* section = "";
    for (const KeyByte& k : kKeys) {
        if (std::string(section) != k.section) {
            section = k.section;
            at = text.find("[" + std::string(section) + "]\n", at);
            ASSERT_NE(at, std::string::npos) << section;
        }
        const size_t next = text.find("\n" + std::string(k.key) + "=", at);
        ASSERT_NE(next, std::string::npos) << k.key << " missing or out of order";
        at = next + 1;
    }
}

TEST_F(CliConfig, SaveKeepsForeignContentOfAnExistingFile) {
    StartSim(DistinctImage());
    const std::string path = dir_.file("kept.ini");
    WriteBytes(path, "; my helicopter\n[section1]\nPitchGain=1\nPilotNote=hover only\n[mine]\nx=1\n");
    ASSERT_EQ(RunCli("save " + sim().portPath() + " " + Quoted(path)).status, 0);
    const std::string text = ReadBytes(path);
    EXPECT_EQ(text.rfind("; my helicopter\n", 0), 0u) << text;
    EXPECT_NE(text.find("PilotNote=hover only\n"), std::string::npos) << text;
    EXPECT_NE(text.find("[mine]\nx=1\n"), std::string::npos) << text;
    EXPECT_NE(text.find("PitchGain=" + std::to_string(ImageValue(DistinctImage(), T, 12)) + "\n"), std::string::npos);
}

TEST_F(CliConfig, SaveIntoAMissingFolderFailsClearly) {
    StartSim(DistinctImage());
    const CliResult r = RunCli("save " + sim().portPath() + " " + Quoted(dir_.file("no-such-folder/backup.ini")));
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.out.find("Cannot"), std::string::npos) << r.out;
}

TEST_F(CliConfig, LoadOfAnEditedFileChangesTheDevice) {
    const Image image = DistinctImageInRange();
    StartSim(image);
    const std::string path = dir_.file("edited.ini");
    ASSERT_EQ(RunCli("save " + sim().portPath() + " " + Quoted(path)).status, 0);

    IniLoadResult loaded = IniFile::Load(path);
    ASSERT_TRUE(loaded.status.ok);
    IniFile& file = loaded.file;
    struct Edit {
        const char* section;
        const char* key;
        int value;
    };
    const Edit edits[] = {
        {"section3", "Acc1", 99},         {"section3", "RollGainP", 77},       {"section3", "RPMGainP", 33},
        {"section3", "HardCoef", 12},     {"section2", "ServoDirCH1", -1},     {"section2", "SwashPlateType", 4},
        {"section1", "PitchGain", 88},    {"section3", "SpinSpeed1", 50},      {"section1", "PitchAgility", 21},
        {"section3", "receiver type", 7}, {"section3", "TailCompsate1", -100},
    };
    for (const Edit& e : edits) ASSERT_TRUE(file.Set(e.section, e.key, std::to_string(e.value)));
    ASSERT_TRUE(file.Save(path).ok);

    const size_t before = sim().frames().size();
    const CliResult r = RunCli("load " + sim().portPath() + " " + Quoted(path));
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("The config file has been Transmitted to Orvex!"), std::string::npos) << r.out;

    const std::vector<SimFrame> all = sim().frames();
    const std::vector<SimFrame> sent =
        WithCode(std::vector<SimFrame>(all.begin() + static_cast<long>(before), all.end()), 30);
    ASSERT_EQ(sent.size(), 1u);
    const SimFrame& f = sent[0];
    EXPECT_EQ(FrameValue(f, T, 22), 99);
    EXPECT_EQ(FrameValue(f, T, 7), 77);
    EXPECT_EQ(FrameValue(f, T, 24), 33);
    EXPECT_EQ(FrameValue(f, T, 36), 12);
    EXPECT_EQ(FrameValue(f, S, 6), -1);
    EXPECT_EQ(FrameValue(f, S, 27), 4);
    EXPECT_EQ(FrameValue(f, T, 12), 88);
    EXPECT_EQ(FrameValue(f, T, 40), -100);
    // The agility byte goes out from "SpinSpeed1", not from the panel's "PitchAgility".
    EXPECT_EQ(FrameValue(f, T, 33), 50);
    // The device's receiver type stays as it was.
    EXPECT_EQ(FrameValue(f, S, 25), ImageValue(image, S, 25));
    // Bytes without a key go back as the device sent them.
    EXPECT_EQ(FrameValue(f, T, 4), ImageValue(image, T, 4));
    EXPECT_EQ(FrameValue(f, S, 21), ImageValue(image, S, 21));

    // The device stored it: a new backup reads the edited values.
    ASSERT_EQ(RunCli("save " + sim().portPath() + " " + Quoted(dir_.file("after.ini"))).status, 0);
    IniLoadResult after = IniFile::Load(dir_.file("after.ini"));
    ASSERT_TRUE(after.status.ok);
    EXPECT_EQ(after.file.Get("section3", "Acc1"), "99");
    EXPECT_EQ(after.file.Get("section2", "SwashPlateType"), "4");
    EXPECT_EQ(after.file.Get("section1", "PitchAgility"), "50");
}

TEST_F(CliConfig, DiffListsWhatLoadWouldChangeAndLoadRefusesValuesOutOfRange) {
    StartSim(DistinctImageInRange());
    const std::string path = dir_.file("plan.ini");
    ASSERT_EQ(RunCli("save " + sim().portPath() + " " + Quoted(path)).status, 0);
    CliResult r = RunCli("diff " + sim().portPath() + " " + Quoted(path));
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("Nothing would change"), std::string::npos) << r.out;

    IniLoadResult loaded = IniFile::Load(path);
    ASSERT_TRUE(loaded.status.ok);
    ASSERT_TRUE(loaded.file.Set("section1", "PitchGain", "88"));
    ASSERT_TRUE(loaded.file.Set("section2", "SwashPlateType", "4"));
    ASSERT_TRUE(loaded.file.Set("section3", "SpinSpeed1", "50"));
    ASSERT_TRUE(loaded.file.Set("section3", "TailCompsate1", "-100"));
    ASSERT_TRUE(loaded.file.Set("section3", "RPMGainP", "33"));
    ASSERT_TRUE(loaded.file.Save(path).ok);
    r = RunCli("diff " + sim().portPath() + " " + Quoted(path));
    ASSERT_EQ(r.status, 0) << r.out;
    for (const char* line : {"Pitch gain: 10 → 88", "Swashplate type: 1 → 4", "Pitch agility: 25 → 50",
                             "Collective to tail: 32 → -100", "Governor P gain: 16 → 33"})
        EXPECT_NE(r.out.find(line), std::string::npos) << line << "\n" << r.out;
    // A name that is not UTF-8 still gives valid JSON, with its bytes beside it.
    const std::string latin1 = dir_.file("plan\xe9.ini");
    std::filesystem::copy_file(path, latin1);
    r = RunCli("diff " + sim().portPath() + " " + Quoted(latin1) + " --json");
    ASSERT_EQ(r.status, 0) << r.out;
    const Json diff = Json::parse(r.out);
    EXPECT_EQ(diff.at("port"), sim().portPath());
    EXPECT_EQ(diff.at("file"), dir_.file("plan\ufffd.ini"));
    EXPECT_EQ(diff.at("file_bytes").get<std::string>().substr(2 * dir_.path().size()), "2f706c616ee92e696e69");
    const Json pitchGain = {{"key", "PitchGain"}, {"label", "Pitch gain"}, {"unit", 10}, {"file", 88}};
    EXPECT_NE(std::find(diff.at("changes").begin(), diff.at("changes").end(), pitchGain), diff.at("changes").end())
        << r.out;

    ASSERT_TRUE(loaded.file.Set("section2", "ServoType", "9"));
    ASSERT_TRUE(loaded.file.Save(path).ok);
    r = RunCli("load " + sim().portPath() + " " + Quoted(path));
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.out.find("ServoType = 9 (range 0 to 5)"), std::string::npos) << r.out;
    EXPECT_TRUE(WithCode(sim().frames(), 30).empty()) << "a compare or a refused load sent parameters";
    EXPECT_EQ(ReadBytes(imagePath()), ImageBytes(DistinctImageInRange()));
}

TEST_F(CliConfig, SetSendsEveryValueInOneFrameAndPrintsOldToNew) {
    const Image image = DistinctImageInRange();
    StartSim(image);
    const CliResult r = RunCli("set " + sim().portPath() + " 'roll GAIN=77' TailCompsate1=-100");
    ASSERT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("Roll gain (RollGain): " + std::to_string(ImageValue(image, T, 6)) + " → 77\n"),
              std::string::npos)
        << r.out;
    EXPECT_NE(
        r.out.find("Collective to tail (TailCompsate1): " + std::to_string(ImageValue(image, T, 40)) + " → -100\n"),
        std::string::npos)
        << r.out;
    const std::vector<SimFrame> sent = WithCode(sim().frames(), 30);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(FrameValue(sent[0], T, 6), 77);
    EXPECT_EQ(FrameValue(sent[0], T, 40), -100);
    EXPECT_EQ(FrameValue(sent[0], T, 7), ImageValue(image, T, 7));

    const CliResult got = RunCli("get " + sim().portPath() + " RollGain 'Collective to tail' --json");
    ASSERT_EQ(got.status, 0) << got.out;
    const Json values = Json::parse(got.out).at("values");
    EXPECT_EQ(values.at(0).at("value"), 77) << got.out;
    EXPECT_EQ(values.at(1).at("value"), -100) << got.out;
}

// The connect takes four frames; the fifth, the parameter frame, is not answered.
TEST_F(CliConfig, SetFailsWhenTheUnitDoesNotConfirm) {
    StartSim(DistinctImageInRange(), {"--stop-answering", "5"});
    const CliResult r = RunCli("set " + sim().portPath() + " RollGain=77");
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_NE(r.out.find("did not confirm them"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("→"), std::string::npos) << r.out;
}

// A file the program saves before any connect holds the start value 0 for the
// mounting direction and the swashplate type, with or without a preset pressed
// offline: it opens and transmits, and the unit keeps its own two values.
TEST_F(CliConfig, AFileSavedOfflineOpensAndTransmitsKeepingTheUnitsMounting) {
    const Image image = DistinctImageInRange();
    StartSim(image);
    const std::optional<Preset> rows[] = {std::nullopt, PresetBeginner,   PresetF3C,
                                          PresetSoft3D, Preset3DHardcore, Preset3DExtreme};
    for (const std::optional<Preset>& preset : rows) {
        SCOPED_TRACE(preset ? kPresetMessages[*preset] : "before any connect");
        Orvex offline;
        PanelValues panel;
        if (preset) panel = ApplyPreset(offline, *preset);
        const std::string path = dir_.file("offline.ini");
        ASSERT_TRUE(WriteConfigFile(path, offline.config, offline.image, panel).ok);

        const size_t before = sim().frames().size();
        const CliResult r = RunCli("load " + sim().portPath() + " " + Quoted(path));
        ASSERT_EQ(r.status, 0) << r.out;
        EXPECT_NE(r.out.find("keeps its own value of Installation direction (the file holds 0), Swashplate type"),
                  std::string::npos)
            << r.out;
        const std::vector<SimFrame> all = sim().frames();
        const std::vector<SimFrame> sent =
            WithCode(std::vector<SimFrame>(all.begin() + static_cast<long>(before), all.end()), 30);
        ASSERT_EQ(sent.size(), 1u);
        EXPECT_EQ(FrameValue(sent[0], S, 29), ImageValue(image, S, 29));
        EXPECT_EQ(FrameValue(sent[0], S, 27), ImageValue(image, S, 27));
        EXPECT_EQ(FrameValue(sent[0], T, 27), offline.config[CV::DeadBand3]);
    }
}

TEST_F(CliConfig, LoadOfABinaryFileFailsAndSendsNothing) {
    StartSim(DistinctImage());
    const std::string path = dir_.file("picture.ini");
    std::string binary("\x89PNG\r\n\x1a\n", 8);
    binary += std::string("\0\0\0\rIHDR\0\0\0\x18", 12);
    WriteBytes(path, binary);
    const CliResult r = RunCli("load " + sim().portPath() + " " + Quoted(path));
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.out.find("not a configuration file"), std::string::npos) << r.out;
    // The file is refused before the port is opened: the device saw no frame at all.
    EXPECT_TRUE(sim().frames().empty()) << sim().logText();
    EXPECT_EQ(ReadBytes(imagePath()), ImageBytes(DistinctImage()));
}

TEST_F(CliConfig, LoadOfAMissingFileFailsAndSendsNothing) {
    StartSim(DistinctImage());
    const CliResult r = RunCli("load " + sim().portPath() + " " + Quoted(dir_.file("nothing-here.ini")));
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.out.find("nothing-here.ini"), std::string::npos) << r.out;
    EXPECT_TRUE(sim().frames().empty()) << sim().logText();
}

// The menu's length rule is for the full path a typed name stands for.
TEST_F(CliConfig, ShortFileNamesAreTakenFromTheCurrentFolder) {
    for (const auto& [command, said] : {std::pair{"save", "no such device"}, std::pair{"load", "a.i"}}) {
        const CliResult r = RunCli(std::string(command) + " /dev/quillon-no-such-port a.i");
        EXPECT_NE(r.status, 0) << command;
        EXPECT_EQ(r.out.find("File name is too short!"), std::string::npos) << command << ": " << r.out;
        EXPECT_NE(r.out.find(said), std::string::npos) << command << ": " << r.out;
    }
}

TEST_F(CliConfig, WithoutADeviceNothingIsWritten) {
    const std::string path = dir_.file("never.ini");
    const CliResult r = RunCli("save /dev/quillon-no-such-port " + Quoted(path));
    EXPECT_NE(r.status, 0);
    EXPECT_FALSE(std::ifstream(path).good());
}
