// The configuration file on real files: the exact text written, reading back,
// value conversion, keeping foreign content, refused files and the menu's
// file name rules.
#include "FileBytes.h"
#include "TempDir.h"
#include "params/ConfigCompare.h"
#include "params/ConfigFile.h"
#include "params/Orvex.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <filesystem>
#include <optional>

namespace {

namespace fs = std::filesystem;

struct Params {
    ConfigValues cv;
    ParameterImage image;
    PanelValues panel;
    bool operator==(const Params&) const = default;
};

ConfigFileResult Write(const std::string& path, Params& p) { return WriteConfigFile(path, p.cv, p.image, p.panel); }
ConfigFileResult Read(const std::string& path, Params& p) { return ReadConfigFile(path, p.cv, p.image, p.panel); }

// Section-one names deliberately differ from the panel: the panel is what is saved.
Params KnownParams() {
    Params p;
    p.panel.value = {35, 40, 36, 41, 37, 38, 100};
    const std::pair<CV, int> values[] = {
        {CV::PitchAgility, 1},
        {CV::YawGain, 2},
        {CV::FixMode, 2},
        {CV::ServoType, 3},
        {CV::SwashPlateType, 4},
        {CV::ServoDirCH1, -1},
        {CV::ServoDirCH2, 1},
        {CV::ServoDirCH3, -1},
        {CV::ServoDirCH4, 1},
        {CV::ServoAdjustCH1, -5},
        {CV::ServoAdjustCH2, 6},
        {CV::ServoAdjustCH3, -7},
        {CV::AileronLimit, 80},
        {CV::ElevatorLimit, 81},
        {CV::TotalCoefficient, -70},
        {CV::PitchDir, 1},
        {CV::RollDir, -1},
        {CV::YawDir, 1},
        {CV::TailPoint, -12},
        {CV::TailLimitA, 70},
        {CV::TailLimitB, 71},
        {CV::OptimizationDir, -1},
        {CV::Acc1, 125},
        {CV::Acc2, 40},
        {CV::Acc3, 100},
        {CV::Acc4, 101},
        {CV::Acc5, 25},
        {CV::Acc6, 26},
        {CV::DeadBand1, 42},
        {CV::DeadBand2, 4},
        {CV::DeadBand3, 60},
        {CV::DeadBand4, 5},
        {CV::PitchGainD, 1},
        {CV::PitchGainI, 120},
        {CV::PitchGainP, 83},
        {CV::RollGainD, 2},
        {CV::RollGainI, 121},
        {CV::RollGainP, 84},
        {CV::SpinSpeed1, 45},
        {CV::SpinSpeed2, 46},
        {CV::SpinSpeed3, 47},
        {CV::SpinSpeed4, 48},
        {CV::TailCompsate1, -3},
        {CV::TailCompsate2, 3},
        {CV::TailGainD, 27},
        {CV::TailGainI, 43},
        {CV::TailGainP, 82},
        {CV::ReceiverType, 7},
        {CV::ZeroPitch, 9},
        {CV::Condition, 2},
        {CV::AuxFunction, 1},
    };
    for (auto [id, v] : values) p.cv[id] = static_cast<int8_t>(v);
    const std::pair<int, int> tuning[] = {{36, 20}, {45, 30}, {24, 21}, {25, -80}, {26, 22}, {42, 60}, {43, -128}};
    for (auto [index, v] : tuning) p.image.TuningBlock[index] = static_cast<int8_t>(v);
    return p;
}

const char* const kKnownText =
    "[section1]\n"
    "PitchAgility=35\n"
    "PitchGain=40\n"
    "RollAgility=36\n"
    "RollGain=41\n"
    "YawAgility=37\n"
    "YawRight=38\n"
    "YawGain=100\n"
    "\n"
    "[section2]\n"
    "FixMode=2\n"
    "ServoType=3\n"
    "SwashPlateType=4\n"
    "ServoDirCH1=-1\n"
    "ServoDirCH2=1\n"
    "ServoDirCH3=-1\n"
    "ServoDirCH4=1\n"
    "ServoAdjustCH1=-5\n"
    "ServoAdjustCH2=6\n"
    "ServoAdjustCH3=-7\n"
    "AileronLimit=80\n"
    "ElevatorLimit=81\n"
    "TotalCoefficient=-70\n"
    "PitchDir=1\n"
    "RollDir=-1\n"
    "YawDir=1\n"
    "TailPoint=-12\n"
    "TailLimitA=70\n"
    "TailLimitB=71\n"
    "OptimizationDir=-1\n"
    "\n"
    "[section3]\n"
    "Acc1=125\n"
    "Acc2=40\n"
    "Acc3=100\n"
    "Acc4=101\n"
    "Acc5=25\n"
    "Acc6=26\n"
    "DeadBand1=42\n"
    "DeadBand2=4\n"
    "DeadBand3=60\n"
    "DeadBand4=5\n"
    "PitchGainD=1\n"
    "PitchGainI=120\n"
    "PitchGainP=83\n"
    "RollGainD=2\n"
    "RollGainI=121\n"
    "RollGainP=84\n"
    "SpinSpeed1=45\n"
    "SpinSpeed2=46\n"
    "SpinSpeed3=47\n"
    "SpinSpeed4=48\n"
    "TailCompsate1=-3\n"
    "TailCompsate2=3\n"
    "TailGainD=27\n"
    "TailGainI=43\n"
    "TailGainP=82\n"
    "receiver type=7\n"
    "HardCoef=20\n"
    "RPMTotalGain=30\n"
    "RPMGainP=21\n"
    "RPMGainI=-80\n"
    "RPMGainD=22\n"
    "RPMCompensate1=60\n"
    "RPMCompensate2=-128\n";

// Every keyed value distinct, so a value read into the wrong place shows.
Params DistinctParams() {
    Params p;
    int next = -128;
    const auto take = [&] { return static_cast<int8_t>(next += 3); };
    for (const ConfigDef& d : kConfigDefs)
        if (d.section != Section::None && d.section != Section::One) p.cv[d.id] = take();
    for (int& v : p.panel.value) v = take();
    for (const DirectKeyDef& k : kDirectKeys) *BytePtr(p.image, k.at) = take();
    return p;
}

// The byte a single "section2" value text is read as.
int8_t ReadServoType(const TempDir& dir, const std::string& text) {
    WriteBytes(dir.file("one.ini"), "[section2]\nServoType=" + text + "\n");
    Params p;
    p.cv[CV::ServoType] = 99;
    const ConfigFileResult r = Read(dir.file("one.ini"), p);
    EXPECT_TRUE(r.ok) << r.message;
    return p.cv[CV::ServoType];
}

}  // namespace

// ---- Writing ------------------------------------------------------------------

TEST(ConfigWrite, NewFileHoldsEveryKeyInOrder) {
    TempDir dir;
    Params p = KnownParams();
    const ConfigFileResult r = Write(dir.file("known.ini"), p);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(ReadBytes(dir.file("known.ini")), kKnownText);
}

TEST(ConfigWrite, PanelValuesBecomeTheSectionOneNames) {
    TempDir dir;
    Params p = KnownParams();
    ASSERT_TRUE(Write(dir.file("known.ini"), p).ok);
    for (size_t i = 0; i < kPanelDefs.size(); ++i)
        EXPECT_EQ(p.cv[kPanelDefs[i].name], p.panel.value[i]) << Def(kPanelDefs[i].name).key;
}

TEST(ConfigWrite, ForeignSectionsCommentsAndKeysSurviveASave) {
    TempDir dir;
    // What a user's editor might make of a saved file: CRLF lines, comments,
    // other sections, extra keys, other spacing and letter case.
    const auto edited = [](std::string text) {
        text.replace(text.find("\nPitchGain="), 11, "\n  pitchgain =  ");
        text.replace(text.find("[section2]\n"), 11, "[SECTION2]\n; servo block\nCustomKey = keep me\n");
        text.replace(text.find("\nHardCoef="), 1, "\n# governor follows\n");
        text = "; my heli\n[Owner]\nname=Jo\n\n" + text + "\n[Trailer]\nx = 1";
        std::string crlf;
        for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        return crlf;
    };
    Params before = KnownParams();
    ASSERT_TRUE(Write(dir.file("fresh-before.ini"), before).ok);
    WriteBytes(dir.file("user.ini"), edited(ReadBytes(dir.file("fresh-before.ini"))));

    Params after = DistinctParams();
    ASSERT_TRUE(Write(dir.file("fresh-after.ini"), after).ok);
    ASSERT_TRUE(Write(dir.file("user.ini"), after).ok);
    EXPECT_EQ(ReadBytes(dir.file("user.ini")), edited(ReadBytes(dir.file("fresh-after.ini"))));
}

TEST(ConfigWrite, MissingKeysAreAddedToTheirSections) {
    TempDir dir;
    WriteBytes(dir.file("part.ini"), "[section3]\nreceiver type=5\n; end of three\n\n[section1]\nYawGain=1\n");
    Params p = KnownParams();
    ASSERT_TRUE(Write(dir.file("part.ini"), p).ok);
    const std::string text = ReadBytes(dir.file("part.ini"));
    // Everything the program writes is there once, and the file reads back whole.
    for (const ConfigDef& d : kConfigDefs)
        if (d.section != Section::None) {
            const std::string line = "\n" + std::string(d.key) + "=";
            EXPECT_NE(text.find(line), std::string::npos) << d.key;
            EXPECT_EQ(text.find(line), text.rfind(line)) << d.key;
        }
    EXPECT_LT(text.find("RPMCompensate2="), text.find("; end of three"));
    EXPECT_LT(text.find("[section1]"), text.find("PitchAgility="));
    Params back;
    ASSERT_TRUE(Read(dir.file("part.ini"), back).ok);
    EXPECT_EQ(back.panel, p.panel);
    EXPECT_EQ(back.cv[CV::ReceiverType], 7);
}

TEST(ConfigWrite, WriteReadWriteIsByteStable) {
    TempDir dir;
    Params p = DistinctParams();
    ASSERT_TRUE(Write(dir.file("first.ini"), p).ok);
    const std::string first = ReadBytes(dir.file("first.ini"));
    Params back;
    ASSERT_TRUE(Read(dir.file("first.ini"), back).ok);
    ASSERT_TRUE(Write(dir.file("second.ini"), back).ok);
    EXPECT_EQ(ReadBytes(dir.file("second.ini")), first);
    ASSERT_TRUE(Write(dir.file("first.ini"), back).ok);
    EXPECT_EQ(ReadBytes(dir.file("first.ini")), first);
}

// ---- Reading ------------------------------------------------------------------

TEST(ConfigRead, EveryKeyComesBackWhereItCameFrom) {
    TempDir dir;
    Params original = DistinctParams();
    ASSERT_TRUE(Write(dir.file("all.ini"), original).ok);
    Params back;
    ASSERT_TRUE(Read(dir.file("all.ini"), back).ok);
    EXPECT_EQ(back, original);
}

TEST(ConfigRead, ValuesWithoutAKeyAreLeftAlone) {
    TempDir dir;
    Params p = KnownParams();
    ASSERT_TRUE(Write(dir.file("known.ini"), p).ok);
    Params target;
    for (size_t i = 0; i < kTuningBlockSize; ++i) target.image.TuningBlock[i] = static_cast<int8_t>(i + 1);
    for (size_t i = 0; i < kSetupBlockSize; ++i)
        target.image.SetupBlock[i] = static_cast<int8_t>(-1 - static_cast<int>(i));
    target.cv[CV::ZeroPitch] = 11;
    target.cv[CV::Condition] = 1;
    target.cv[CV::AuxFunction] = 1;
    Params expected = target;
    ASSERT_TRUE(Read(dir.file("known.ini"), target).ok);
    for (const DirectKeyDef& k : kDirectKeys) *BytePtr(expected.image, k.at) = *BytePtr(p.image, k.at);
    EXPECT_EQ(target.image, expected.image);
    EXPECT_EQ(target.cv[CV::ZeroPitch], 11);
    EXPECT_EQ(target.cv[CV::Condition], 1);
    EXPECT_EQ(target.cv[CV::AuxFunction], 1);
}

TEST(ConfigRead, EmptyFileSetsEveryKeyedValueToZero) {
    TempDir dir;
    WriteBytes(dir.file("empty.ini"), "");
    Params p = KnownParams();
    const Params before = p;
    ASSERT_TRUE(Read(dir.file("empty.ini"), p).ok);
    for (const ConfigDef& d : kConfigDefs)
        EXPECT_EQ(p.cv[d.id], d.section == Section::None ? before.cv[d.id] : 0) << d.key;
    for (const DirectKeyDef& k : kDirectKeys) EXPECT_EQ(*BytePtr(p.image, k.at), 0) << k.key;
    const PanelValues zero{{0, 0, 0, 0, 0, 0, 0}};
    EXPECT_EQ(p.panel, zero);
}

TEST(ConfigRead, MinusOneIsByte255AndIsWrittenBackAsMinusOne) {
    TempDir dir;
    WriteBytes(dir.file("dirs.ini"), "[section2]\nServoDirCH1=-1\nServoType=200\n[section1]\nYawGain=200\n");
    Params p;
    ASSERT_TRUE(Read(dir.file("dirs.ini"), p).ok);
    EXPECT_EQ(static_cast<uint8_t>(p.cv[CV::ServoDirCH1]), 255);
    EXPECT_EQ(p.cv[CV::ServoType], -56);
    EXPECT_EQ(p.panel.value[6], -56);
    ASSERT_TRUE(Write(dir.file("dirs.ini"), p).ok);
    const std::string text = ReadBytes(dir.file("dirs.ini"));
    EXPECT_NE(text.find("\nServoDirCH1=-1\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nServoType=-56\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nYawGain=-56\n"), std::string::npos) << text;
}

TEST(ConfigRead, SectionAndKeyNamesIgnoreCase) {
    TempDir dir;
    WriteBytes(dir.file("case.ini"), "[SECTION2]\nservotype = 5\n[Section3]\nRECEIVER TYPE=3\nhardcoef=9\n");
    Params p;
    ASSERT_TRUE(Read(dir.file("case.ini"), p).ok);
    EXPECT_EQ(p.cv[CV::ServoType], 5);
    EXPECT_EQ(p.cv[CV::ReceiverType], 3);
    EXPECT_EQ(p.image.TuningBlock[36], 9);
}

TEST(ConfigRead, ValueTextIsConvertedLikeTheCLibrary) {
    TempDir dir;
    const std::pair<const char*, int> cases[] = {
        {"12abc", 12}, {"\" 12abc\"", 12}, {"x", 0},      {"", 0},       {"-0", 0},     {"+7", 7},  {"007", 7},
        {"0x1F", 0},   {"1e3", 1},         {"12 34", 12}, {"--5", 0},    {"+-5", 0},    {"- 5", 0}, {"-", 0},
        {"255", -1},   {"256", 0},         {"300", 44},   {"-129", 127}, {"-300", -44},
    };
    for (auto [text, expected] : cases) EXPECT_EQ(ReadServoType(dir, text), expected) << '"' << text << '"';
}

TEST(ConfigRead, HugeNumbersSaturateAt32BitsBeforeTheLowByteIsTaken) {
    TempDir dir;
    const std::pair<const char*, int> cases[] = {
        {"2147483647", -1}, {"2147483648", -1}, {"4294967297", -1}, {"99999999999999999999999", -1},
        {"-2147483648", 0}, {"-2147483649", 0}, {"-4294967297", 0}, {"-99999999999999999999999", 0},
    };
    for (auto [text, expected] : cases) EXPECT_EQ(ReadServoType(dir, text), expected) << text;
}

TEST(ConfigRead, LeadingBlanksOfAnyKindAreSkipped) {
    EXPECT_EQ(ConfigByteFromText("\t\v\f\r\n 42"), 42);
    EXPECT_EQ(ConfigByteFromText(" -42"), -42);
}

TEST(ConfigRead, OnlyThe79CharactersABufferHoldsAreConverted) {
    TempDir dir;
    EXPECT_EQ(ReadServoType(dir, std::string(77, '0') + "42"), 42);
    EXPECT_EQ(ReadServoType(dir, std::string(78, '0') + "42"), 4);
    EXPECT_EQ(ReadServoType(dir, std::string(79, '0') + "42"), 0);
}

// ---- Refused files --------------------------------------------------------------

class ConfigRefused : public ::testing::Test {
protected:
    void ExpectReadRefused(const std::string& path, const std::string& why) {
        Params p = KnownParams();
        const Params before = p;
        const ConfigFileResult r = Read(path, p);
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.message.find(why), std::string::npos) << r.message;
        EXPECT_EQ(p, before);
    }
    void ExpectWriteRefused(const std::string& path) {
        const bool existed = fs::exists(path);
        const std::string old = existed ? ReadBytes(path) : "";
        Params p = KnownParams();
        const ConfigFileResult r = Write(path, p);
        EXPECT_FALSE(r.ok);
        EXPECT_FALSE(r.message.empty());
        EXPECT_EQ(fs::exists(path), existed);
        if (existed) {
            EXPECT_EQ(ReadBytes(path), old);
        }
    }
    TempDir dir;
};

TEST_F(ConfigRefused, FiveMegabyteFile) {
    std::string big = kKnownText;
    while (big.size() < 5 * 1000 * 1000) big += "; padding that makes this far too large for a configuration file\n";
    WriteBytes(dir.file("big.ini"), big);
    ExpectReadRefused(dir.file("big.ini"), "larger than");
    ExpectWriteRefused(dir.file("big.ini"));
}

TEST_F(ConfigRefused, BinaryFile) {
    const std::string png = std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x40", 20) + kKnownText;
    WriteBytes(dir.file("picture.ini"), png);
    ExpectReadRefused(dir.file("picture.ini"), "not a text file");
    ExpectWriteRefused(dir.file("picture.ini"));
}

TEST_F(ConfigRefused, MissingFileIsNotRead) { ExpectReadRefused(dir.file("absent.ini"), "absent.ini"); }

TEST_F(ConfigRefused, MissingFolder) { ExpectWriteRefused(dir.file("gone/cfg.ini")); }

TEST_F(ConfigRefused, ParentIsAFile) {
    WriteBytes(dir.file("plain"), "x");
    ExpectWriteRefused(dir.file("plain/cfg.ini"));
}

TEST_F(ConfigRefused, FolderInPlaceOfTheFile) {
    fs::create_directory(dir.file("cfg.ini"));
    ExpectReadRefused(dir.file("cfg.ini"), "folder");
    Params p = KnownParams();
    EXPECT_FALSE(Write(dir.file("cfg.ini"), p).ok);
    EXPECT_TRUE(fs::is_directory(dir.file("cfg.ini")));
}

TEST_F(ConfigRefused, ReadOnlyFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes files whatever their permission bits";
    WriteBytes(dir.file("ro.ini"), "[section1]\nPitchGain=1\n");
    ASSERT_EQ(::chmod((dir.file("ro.ini")).c_str(), 0444), 0);
    ExpectWriteRefused(dir.file("ro.ini"));
}

// ---- Menu file name rules -----------------------------------------------------

TEST(ConfigFileName, IniIsAppendedUnlessPresent) {
    EXPECT_EQ(SavePathWithExtension("/home/jo/heli"), "/home/jo/heli.ini");
    EXPECT_EQ(SavePathWithExtension("/home/jo/heli.ini"), "/home/jo/heli.ini");
    EXPECT_EQ(SavePathWithExtension("/home/jo/heli.in"), "/home/jo/heli.in.ini");
    EXPECT_EQ(SavePathWithExtension("/home/jo/heli.ini.bak"), "/home/jo/heli.ini.bak.ini");
    EXPECT_EQ(SavePathWithExtension("/home/jo/heliini"), "/home/jo/heliini.ini");
}

TEST(ConfigFileName, CapitalExtensionCountsAsPresent) {
    EXPECT_EQ(SavePathWithExtension("/home/jo/HELI.INI"), "/home/jo/HELI.INI");
    EXPECT_EQ(SavePathWithExtension("/home/jo/heli.Ini"), "/home/jo/heli.Ini");
}

TEST(ConfigFileName, FourCharactersOrFewerAreTooShort) {
    EXPECT_FALSE(PathLongEnough(""));
    EXPECT_FALSE(PathLongEnough(".ini"));
    EXPECT_FALSE(PathLongEnough("a.in"));
    EXPECT_TRUE(PathLongEnough("a.ini"));
    EXPECT_STREQ(kFileNameTooShort, "File name is too short!");
}

// ---- Checked open and compare -------------------------------------------------

namespace {

// A unit as the program's own controls leave it: factory values, then a preset.
struct UnitState {
    const char* name;
    std::optional<Preset> preset;
};

void PutUnitIn(Orvex& unit, const UnitState& state) {
    ResetAllParameters(unit);
    if (state.preset) ApplyPreset(unit, *state.preset);
}

}  // namespace

class ConfigRoundTrip : public ::testing::TestWithParam<UnitState> {};

// Saved from the unit, opened over other values and transmitted: the unit gets
// back exactly the image it holds, and the compare finds nothing to change.
TEST_P(ConfigRoundTrip, FileSavedFromTheUnitLoadsBackAndTransmitsUnchanged) {
    TempDir dir;
    Orvex unit;
    PutUnitIn(unit, GetParam());
    const std::string path = dir.file("unit.ini");
    ASSERT_TRUE(WriteConfigFile(path, unit.config, unit.image, PanelFromImage(unit.image)).ok);

    // The values the file holds start out as the program start values, the governor bytes as -1.
    Orvex loaded;
    loaded.image = unit.image;
    for (const DirectKeyDef& k : kDirectKeys) *BytePtr(loaded.image, k.at) = -1;
    PanelValues panel;
    ConfigFileCheck check;
    const ConfigFileResult r = OpenConfigFile(path, loaded.config, loaded.image, panel, check);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_TRUE(check.missing.empty());
    ConfigToImage(loaded);
    EXPECT_EQ(loaded.image, unit.image);
    const ConfigComparison comparison = CompareConfigFile(path, unit.image);
    EXPECT_TRUE(comparison.changes.empty()) << comparison.Text();
}

INSTANTIATE_TEST_SUITE_P(FactoryAndPresets,
                         ConfigRoundTrip,
                         ::testing::Values(UnitState{"Factory", std::nullopt},
                                           UnitState{"Beginner", PresetBeginner},
                                           UnitState{"F3C", PresetF3C},
                                           UnitState{"Soft3D", PresetSoft3D},
                                           UnitState{"Hardcore", Preset3DHardcore},
                                           UnitState{"Extreme", Preset3DExtreme}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ConfigOpen, OutOfRangeValuesRefuseTheWholeFileAndAreNamed) {
    TempDir dir;
    Orvex unit;
    PutUnitIn(unit, {"Factory", std::nullopt});
    unit.config[CV::ServoType] = 7;
    unit.config[CV::AileronLimit] = 10;
    ASSERT_TRUE(WriteConfigFile(dir.file("odd.ini"), unit.config, unit.image, PanelFromImage(unit.image)).ok);

    Params p = KnownParams();
    const Params before = p;
    ConfigFileCheck check;
    const ConfigFileResult r = OpenConfigFile(dir.file("odd.ini"), p.cv, p.image, p.panel, check);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("ServoType = 7 (range 0 to 5)"), std::string::npos) << r.message;
    EXPECT_NE(r.message.find("AileronLimit = 10 (range 20 to 125)"), std::string::npos) << r.message;
    EXPECT_EQ(check.outOfRange.size(), 2u);
    EXPECT_EQ(p, before);
}

TEST(ConfigOpen, MissingKeysKeepTheHeldValuesAndAreListed) {
    TempDir dir;
    WriteBytes(dir.file("part.ini"), "[section2]\nServoType=3\n");
    Params held = KnownParams();
    TakeFactoryFileValues(held.cv, held.image, held.panel);
    Params p = held;
    ConfigFileCheck check;
    ASSERT_TRUE(OpenConfigFile(dir.file("part.ini"), p.cv, p.image, p.panel, check).ok);
    held.cv[CV::ServoType] = 3;
    EXPECT_EQ(p, held);
    EXPECT_EQ(held.cv[CV::SwashPlateType], 2);  // the factory value, not 0
    EXPECT_EQ(check.missing.size(), kConfigCount - 3 - 1 + kDirectKeys.size());
    EXPECT_NE(check.Message().find("SwashPlateType"), std::string::npos) << check.Message();
}

TEST(ConfigCompare, ListsEveryValueTheTransmitWouldChangeByItsPanelName) {
    TempDir dir;
    Orvex unit;
    PutUnitIn(unit, {"Factory", std::nullopt});
    WriteBytes(dir.file("five.ini"),
               "[section1]\nPitchGain=55\n[section2]\nServoType=3\nAileronLimit=90\n"
               "[section3]\nSpinSpeed4=44\nRPMTotalGain=33\nreceiver type=4\n");
    const ConfigComparison c = CompareConfigFile(dir.file("five.ini"), unit.image);
    ASSERT_TRUE(c.result.ok) << c.result.message;
    const std::string text = c.Text();
    for (const char* line : {"Pitch gain: 40 → 55\n", "Servo type: 0 → 3\n", "Aileron travel: 80 → 90\n",
                             "Yaw rate R: 35 → 44\n", "Governor total gain: 30 → 33\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n" << text;
    // "receiver type" is not transmitted, so it would not change.
    EXPECT_EQ(c.changes.size(), 5u) << text;
}
