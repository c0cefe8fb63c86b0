// The parameter image, its named copy, presets and the factory reset.
#include "params/Orvex.h"
#include "params/ParameterTable.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

namespace {
// The F-3C column with TotalCoefficient 70: the factory TuningBlock, written out
// here independently of the table so a slip in the table shows.
const int kFactoryTuning[46] = {100, 80, 40,  25,  0,  0,  40,  80, 120, 0,  0,  9,  40, 80, 120, 0,
                                0,   9,  100, 100, 25, 25, 125, 40, 20,  80, 20, 60, 4,  40, 4,   35,
                                35,  35, 35,  10,  20, 20, 70,  0,  0,   0,  60, 40, 0,  30};
const int kFactorySetup[32] = {0, 0, 0, 0, 0, 0, -1, 1, 1, -1, 1, 1, 70, 70, 80, 80,
                               1, 1, 1, 0, 0, 0, 0,  0, 0, 0,  0, 2, 0,  1,  -1, 0};

ParameterImage Filled(int8_t v) {
    ParameterImage image;
    for (auto& b : image.SetupBlock) b = v;
    for (auto& b : image.TuningBlock) b = v;
    return image;
}

std::vector<uint8_t> LastFrame(const Orvex& o, size_t n) { return {o.link.FrameBuffer, o.link.FrameBuffer + n}; }
}  // namespace

TEST(ParameterTable, NamesAndKeysAreUnique) {
    std::set<std::string> names, keys;
    for (const auto& b : kSetupBytes) EXPECT_TRUE(names.insert(b.name).second) << b.name;
    for (const auto& b : kTuningBytes) EXPECT_TRUE(names.insert(b.def.name).second) << b.def.name;
    for (const auto& d : kConfigDefs) EXPECT_TRUE(keys.insert(d.key).second) << d.key;
    for (const auto& d : kDirectKeys) EXPECT_TRUE(keys.insert(d.key).second) << d.key;
    EXPECT_EQ(keys.size(), 7u + 20 + 26 + 3 + 7);
}

// A key and a label, in any letter case, name the same value; a label goes by
// the key that sends its byte; a value no file holds has no name.
TEST(ParameterTable, ValuesAreFoundByKeyOrLabel) {
    struct Row {
        const char* name;
        std::optional<DeviceByte> at;
        const char* key;
    };
    const Row rows[] = {
        {"RollGain", Bytes::RollGain, "RollGain"},
        {"rOLL gAIN", Bytes::RollGain, "RollGain"},
        {"collective to TAIL", Bytes::TailCompsate1, "TailCompsate1"},
        {"GOVERNOR P GAIN", Bytes::RPMGainP, "RPMGainP"},
        {"pitchagility", Bytes::PitchAgility, "PitchAgility"},
        {"Pitch agility", Bytes::PitchAgility, "SpinSpeed1"},
        {"Zero pitch", std::nullopt, nullptr},
        {"Roll gain ", std::nullopt, nullptr},
    };
    for (const Row& row : rows) {
        const std::optional<NamedValue> found = FindValueByName(row.name);
        ASSERT_EQ(found.has_value(), row.at.has_value()) << row.name;
        if (!found) continue;
        EXPECT_EQ(found->at, *row.at) << row.name;
        EXPECT_STREQ(found->key, row.key) << row.name;
    }
}

TEST(ParameterTable, ConfigDefsAreInEnumOrder) {
    for (size_t i = 0; i < kConfigCount; ++i) EXPECT_EQ(static_cast<size_t>(kConfigDefs[i].id), i);
}

TEST(ResetAll, WritesTheFactoryImageAndKeepsTheDashBytes) {
    Orvex o;
    o.image = Filled(-7);
    ResetAllParameters(o);
    for (int i = 0; i < 32; ++i) {
        if (i == 21 || i == 26 || i == 31)
            EXPECT_EQ(o.image.SetupBlock[i], -7) << i;
        else
            EXPECT_EQ(o.image.SetupBlock[i], kFactorySetup[i]) << i;
    }
    for (int i = 0; i < 46; ++i) {
        if (i == 44)
            EXPECT_EQ(o.image.TuningBlock[i], -7);
        else
            EXPECT_EQ(o.image.TuningBlock[i], kFactoryTuning[i]) << i;
    }
    EXPECT_EQ(o.config[CV::TotalCoefficient], 70);
    EXPECT_EQ(o.link.SequenceCounter, 1) << "one ParameterFrame is built";
    EXPECT_EQ(o.link.FrameBuffer[2 + 6], 255) << "ServoDirCH1 goes out as byte 255";
    EXPECT_EQ(o.link.FrameBuffer[2 + 9], 255) << "ServoDirCH4 goes out as byte 255";
}

TEST(Presets, EachPresetWritesItsExactColumn) {
    const int extreme[46] = {100, 80, 50,  30,  0,  0,  40,  80, 80, 30, 0,  9,  40, 80, 80, 30,
                             0,   9,  125, 125, 35, 35, 125, 55, 20, 80, 20, 40, 4,  40, 4,  45,
                             45,  60, 60,  20,  20, 20, 70,  0,  0,  0,  60, 40, -7, 30};
    ParameterImage image = Filled(-7);
    WritePresetImage(image, Preset3DExtreme);
    for (int i = 0; i < 46; ++i) EXPECT_EQ(image.TuningBlock[i], extreme[i]) << i;
    for (int i = 0; i < 32; ++i) EXPECT_EQ(image.SetupBlock[i], -7) << "presets change no SetupBlock byte";
}

TEST(Presets, OnlyExtremeChangesTotalCoefficient) {
    for (int p = 0; p < PresetCount; ++p) {
        ParameterImage image = Filled(-7);
        WritePresetImage(image, static_cast<Preset>(p));
        EXPECT_EQ(image.TuningBlock[38], p == Preset3DExtreme ? 70 : -7) << p;
        EXPECT_EQ(image.TuningBlock[39], 0) << "ZeroPitch is written as 0";
    }
}

TEST(Presets, FactoryTuningEqualsF3CWithTotalCoefficient70) {
    ParameterImage preset = Filled(0);
    WritePresetImage(preset, PresetF3C);
    preset.TuningBlock[38] = 70;
    for (int i = 0; i < 46; ++i) EXPECT_EQ(preset.TuningBlock[i], kFactoryTuning[i]) << i;
}

TEST(Presets, ApplyPresetFillsPanelNamesAndSends) {
    Orvex o;
    o.image.TuningBlock[39] = 33;
    o.config[CV::ZeroPitch] = 12;
    const PanelValues panel = ApplyPreset(o, Preset3DHardcore);
    EXPECT_EQ(panel.value, (std::array<int, 7>{45, 40, 45, 40, 40, 40, 100}));
    EXPECT_EQ(o.config[CV::PitchAgility], 45);
    EXPECT_EQ(o.config[CV::SpinSpeed1], 45);
    EXPECT_EQ(o.config[CV::Acc2], 55);
    EXPECT_EQ(o.config[CV::ZeroPitch], 12) << "the preset's copy leaves ZeroPitch";
    EXPECT_EQ(o.link.FrameBuffer[80], ParameterFrame);
}

TEST(ImageToConfig, MainViewFormCopiesEverything) {
    Orvex o;
    o.image = Filled(0);
    o.image.SetupBlock[25] = 6;
    o.image.SetupBlock[28] = 1;
    o.image.SetupBlock[31] = 2;
    o.image.TuningBlock[33] = 44;
    o.image.TuningBlock[38] = -90;
    o.image.TuningBlock[39] = 17;
    ImageToConfig(o, CopyForm::MainView);
    EXPECT_EQ(o.config[CV::ReceiverType], 6);
    EXPECT_EQ(o.config[CV::AuxFunction], 1);
    EXPECT_EQ(o.config[CV::Condition], 2);
    EXPECT_EQ(o.config[CV::PitchAgility], 44);
    EXPECT_EQ(o.config[CV::SpinSpeed1], 44);
    EXPECT_EQ(o.config[CV::TotalCoefficient], -90);
    EXPECT_EQ(o.config[CV::ZeroPitch], 17);
}

TEST(ImageToConfig, PageFormLeavesReceiverTypeAuxAndPanel) {
    Orvex o;
    o.image = Filled(3);
    o.config[CV::ReceiverType] = 5;
    o.config[CV::AuxFunction] = 1;
    o.config[CV::PitchAgility] = 50;
    ImageToConfig(o, CopyForm::Page);
    EXPECT_EQ(o.config[CV::ReceiverType], 5);
    EXPECT_EQ(o.config[CV::AuxFunction], 1);
    EXPECT_EQ(o.config[CV::PitchAgility], 50);
    EXPECT_EQ(o.config[CV::FixMode], 3);
    ImageToConfig(o, CopyForm::Monitor);
    EXPECT_EQ(o.config[CV::AuxFunction], 3);
    EXPECT_EQ(o.config[CV::ReceiverType], 5);
}

TEST(ConfigToImage, UsesSpinSpeedsAndKeepsDeviceOnlyBytes) {
    Orvex o;
    o.image = Filled(9);
    o.config[CV::SpinSpeed1] = 51;
    o.config[CV::PitchAgility] = 22;
    o.config[CV::PitchGain] = 77;
    o.config[CV::ReceiverType] = 4;
    o.config[CV::ZeroPitch] = 4;
    o.config[CV::Condition] = 2;
    o.config[CV::AuxFunction] = 1;
    ConfigToImage(o);
    EXPECT_EQ(o.image.TuningBlock[33], 51) << "SpinSpeed1, not PitchAgility, goes to the pitch agility byte";
    EXPECT_EQ(o.image.TuningBlock[12], 77);
    EXPECT_EQ(o.image.SetupBlock[25], 9) << "the device keeps its receiver type";
    EXPECT_EQ(o.image.TuningBlock[39], 9);
    EXPECT_EQ(o.image.SetupBlock[31], 9);
    EXPECT_EQ(o.image.SetupBlock[28], 9);
    EXPECT_EQ(o.image.TuningBlock[36], 9) << "direct keys live in TuningBlock only";
}

// Every named value's device byte, written out from the device's byte tables
// rather than taken from the program's table, so a wrong position shows.
struct PinnedByte {
    CV name;
    bool setup;
    int index;
};
constexpr PinnedByte kPinnedBytes[] = {
    {CV::ServoAdjustCH1, true, 0},
    {CV::ServoAdjustCH2, true, 1},
    {CV::ServoAdjustCH3, true, 2},
    {CV::TailPoint, true, 3},
    {CV::ServoDirCH1, true, 6},
    {CV::ServoDirCH2, true, 7},
    {CV::ServoDirCH3, true, 8},
    {CV::ServoDirCH4, true, 9},
    {CV::TailLimitA, true, 12},
    {CV::TailLimitB, true, 13},
    {CV::AileronLimit, true, 14},
    {CV::ElevatorLimit, true, 15},
    {CV::YawDir, true, 16},
    {CV::RollDir, true, 17},
    {CV::PitchDir, true, 18},
    {CV::ServoType, true, 19},
    {CV::ReceiverType, true, 25},
    {CV::SwashPlateType, true, 27},
    {CV::AuxFunction, true, 28},
    {CV::FixMode, true, 29},
    {CV::OptimizationDir, true, 30},
    {CV::Condition, true, 31},
    {CV::YawGain, false, 0},
    {CV::TailGainP, false, 1},
    {CV::TailGainI, false, 2},
    {CV::TailGainD, false, 3},
    {CV::RollGain, false, 6},
    {CV::RollGainP, false, 7},
    {CV::RollGainI, false, 8},
    {CV::RollGainD, false, 9},
    {CV::PitchGain, false, 12},
    {CV::PitchGainP, false, 13},
    {CV::PitchGainI, false, 14},
    {CV::PitchGainD, false, 15},
    {CV::Acc3, false, 18},
    {CV::Acc4, false, 19},
    {CV::Acc5, false, 20},
    {CV::Acc6, false, 21},
    {CV::Acc1, false, 22},
    {CV::Acc2, false, 23},
    {CV::DeadBand3, false, 27},
    {CV::DeadBand4, false, 28},
    {CV::DeadBand1, false, 29},
    {CV::DeadBand2, false, 30},
    {CV::YawAgility, false, 31},
    {CV::SpinSpeed3, false, 31},
    {CV::YawRight, false, 32},
    {CV::SpinSpeed4, false, 32},
    {CV::PitchAgility, false, 33},
    {CV::SpinSpeed1, false, 33},
    {CV::RollAgility, false, 34},
    {CV::SpinSpeed2, false, 34},
    {CV::TotalCoefficient, false, 38},
    {CV::ZeroPitch, false, 39},
    {CV::TailCompsate1, false, 40},
    {CV::TailCompsate2, false, 41},
};

TEST(ImageRoundTrip, ImageToConfigToImageIsAFixedPoint) {
    Orvex o;
    for (size_t i = 0; i < 32; ++i) o.image.SetupBlock[i] = static_cast<int8_t>(i * 7 - 100);
    for (size_t i = 0; i < 46; ++i) o.image.TuningBlock[i] = static_cast<int8_t>(i * 5 - 90);
    const ParameterImage before = o.image;
    ImageToConfig(o, CopyForm::MainView);
    EXPECT_EQ(std::size(kPinnedBytes), kConfigCount) << "every named value is pinned";
    for (const PinnedByte& b : kPinnedBytes)
        EXPECT_EQ(o.config[b.name], b.setup ? before.SetupBlock[b.index] : before.TuningBlock[b.index])
            << Def(b.name).key;
    ConfigToImage(o);
    EXPECT_EQ(o.image, before);
}

TEST(ConfigValues, StartValues) {
    ConfigValues cv;
    EXPECT_EQ(cv[CV::TailLimitA], 20);
    EXPECT_EQ(cv[CV::ElevatorLimit], 20);
    EXPECT_EQ(cv[CV::Acc6], 7);
    EXPECT_EQ(cv[CV::RollGainD], 0);
    EXPECT_EQ(cv[CV::TailGainI], 10);
    EXPECT_EQ(cv[CV::SpinSpeed4], 15);
    EXPECT_EQ(cv[CV::OptimizationDir], 1);
    EXPECT_EQ(cv[CV::ServoDirCH3], 1);
    EXPECT_EQ(cv[CV::PitchDir], 0);
    EXPECT_EQ(cv[CV::YawGain], 0);
}

TEST(Commands, ResetZeroSendsTwoActionFramesAndLeavesRequest30) {
    Orvex o;
    Command::ResetZero(o);
    EXPECT_EQ(o.link.SequenceCounter, 2);
    EXPECT_EQ(o.link.FrameBuffer[2], 0);
    EXPECT_EQ(o.link.FrameBuffer[11], 30);
    EXPECT_EQ(o.link.ReplyRequest, 30);
}

TEST(Commands, FailsafeGoesBackToZeroWithoutAFrame) {
    Orvex o;
    Command::SetFailsafe(o);
    EXPECT_EQ(o.link.FrameBuffer[4], 11);
    EXPECT_EQ(o.link.FailsafeCommand, 0);
    EXPECT_EQ(o.link.SequenceCounter, 1);
}

TEST(Commands, ConditionChangeRepeatsARunningDirectionCheck) {
    Orvex o;
    Command::DirectionCheckOn(o);
    Command::SetCondition(o, 2);
    const auto f = LastFrame(o, 16);
    EXPECT_EQ(f[3], 2);
    EXPECT_EQ(f[5], 102);
}

TEST(Commands, AFrameBuiltForAClosedPortIsNotReportedAsWritten) {
    Orvex o;
    EXPECT_EQ(SendParameters(o), SendResult::PortClosed);
    EXPECT_EQ(o.link.SequenceCounter, 1) << "the frame is still built";
}
