#include "params/ParameterTable.h"

#include <strings.h>
#include <cstring>

namespace {
constexpr int16_t K = kKeep;
constexpr BlockId S = BlockId::Setup;
constexpr BlockId T = BlockId::Tuning;
}  // namespace

const std::array<ByteDef, kSetupBlockSize> kSetupBytes = {{
    {"ServoAdjustCH1", 0, -124, 124},
    {"ServoAdjustCH2", 0, -124, 124},
    {"ServoAdjustCH3", 0, -124, 124},
    {"TailPoint", 0, -125, 125},
    {"SetupByte4", 0, 0, 0},
    {"SetupByte5", 0, 0, 0},
    {"ServoDirCH1", -1, -1, 1},
    {"ServoDirCH2", 1, -1, 1},
    {"ServoDirCH3", 1, -1, 1},
    {"ServoDirCH4", -1, -1, 1},
    {"SetupByte10", 1, 0, 0},
    {"SetupByte11", 1, 0, 0},
    {"TailLimitA", 70, 20, 125},
    {"TailLimitB", 70, 20, 125},
    {"AileronLimit", 80, 20, 125},
    {"ElevatorLimit", 80, 20, 125},
    {"YawDir", 1, -1, 1},
    {"RollDir", 1, -1, 1},
    {"PitchDir", 1, -1, 1},
    {"ServoType", 0, 0, 5},
    {"SetupByte20", 0, 0, 0},
    {"SetupByte21", K, 0, 0},
    {"SetupByte22", 0, 0, 0},
    {"SetupByte23", 0, 0, 0},
    {"SetupByte24", 0, 0, 0},
    {"receiver type", 0, 0, 8},
    {"GovernorMode", K, 0, 2},
    {"SwashPlateType", 2, 1, 9},
    {"AuxFunction", 0, 0, 1},
    {"FixMode", 1, 1, 3},
    {"OptimizationDir", -1, -1, 1},
    {"Condition", K, 1, 2},
}};

// Columns: factory, range, then Beginner, F-3C, Soft 3D, 3D Hardcore, 3D Extreme.
const std::array<TuningByteDef, kTuningBlockSize> kTuningBytes = {{
    {{"YawGain", 100, 10, 125}, {70, 100, 100, 100, 100}},
    {{"TailGainP", 80, 10, 125}, {80, 80, 80, 80, 80}},
    {{"TailGainI", 40, 10, 125}, {25, 40, 50, 50, 50}},
    {{"TailGainD", 25, 0, 125}, {25, 25, 30, 30, 30}},
    {{"TuningByte4", 0, 0, 0}, {0, 0, 0, 0, 0}},
    {{"TuningByte5", 0, 0, 0}, {0, 0, 0, 0, 0}},
    {{"RollGain", 40, 10, 125}, {40, 40, 40, 40, 40}},
    {{"RollGainP", 80, 10, 125}, {80, 80, 80, 80, 80}},
    {{"RollGainI", 120, 10, 125}, {120, 120, 100, 80, 80}},
    {{"RollGainD", 0, 0, 125}, {0, 0, 30, 30, 30}},
    {{"TuningByte10", 0, 0, 0}, {0, 0, 0, 0, 0}},
    {{"TuningByte11", 9, 0, 0}, {9, 9, 9, 9, 9}},
    {{"PitchGain", 40, 10, 125}, {40, 40, 40, 40, 40}},
    {{"PitchGainP", 80, 10, 125}, {80, 80, 80, 80, 80}},
    {{"PitchGainI", 120, 10, 125}, {120, 120, 100, 80, 80}},
    {{"PitchGainD", 0, 0, 125}, {0, 0, 30, 30, 30}},
    {{"TuningByte16", 0, 0, 0}, {0, 0, 0, 0, 0}},
    {{"TuningByte17", 9, 0, 0}, {9, 9, 9, 9, 9}},
    {{"Acc3", 100, 7, 125}, {125, 100, 125, 125, 125}},
    {{"Acc4", 100, 7, 125}, {125, 100, 125, 125, 125}},
    {{"Acc5", 25, 7, 125}, {20, 25, 25, 25, 35}},
    {{"Acc6", 25, 7, 125}, {20, 25, 25, 25, 35}},
    {{"Acc1", 125, 7, 125}, {125, 125, 125, 125, 125}},
    {{"Acc2", 40, 7, 125}, {40, 40, 55, 55, 55}},
    {{"RPMGainP", 20, 0, 125}, {20, 20, 20, 20, 20}},
    {{"RPMGainI", 80, 0, 125}, {80, 80, 80, 80, 80}},
    {{"RPMGainD", 20, 0, 125}, {20, 20, 20, 20, 20}},
    {{"DeadBand3", 60, 0, 125}, {80, 60, 64, 60, 40}},
    {{"DeadBand4", 4, 0, 125}, {4, 4, 4, 4, 4}},
    {{"DeadBand1", 40, 0, 125}, {40, 40, 40, 40, 40}},
    {{"DeadBand2", 4, 0, 125}, {4, 4, 4, 4, 4}},
    {{"YawAgility", 35, 15, 60}, {30, 35, 35, 40, 45}},
    {{"YawRight", 35, 15, 60}, {30, 35, 35, 40, 45}},
    {{"PitchAgility", 35, 15, 60}, {30, 35, 35, 45, 60}},
    {{"RollAgility", 35, 15, 60}, {30, 35, 35, 45, 60}},
    {{"TuningByte35", 10, 0, 0}, {20, 10, 20, 20, 20}},
    {{"HardCoef", 20, 0, 125}, {20, 20, 20, 20, 20}},
    {{"TuningByte37", 20, 0, 0}, {20, 20, 20, 20, 20}},
    {{"TotalCoefficient", 70, -125, 125}, {K, K, K, K, 70}},
    {{"ZeroPitch", 0, 0, 0}, {0, 0, 0, 0, 0}},
    {{"TailCompsate1", 0, -125, 125}, {0, 0, 0, 0, 0}},
    {{"TailCompsate2", 0, -125, 125}, {0, 0, 0, 0, 0}},
    {{"RPMCompensate1", 60, 0, 125}, {60, 60, 60, 60, 60}},
    {{"RPMCompensate2", 40, 0, 125}, {40, 40, 40, 40, 40}},
    {{"TuningByte44", K, 0, 0}, {K, K, K, K, K}},
    {{"RPMTotalGain", 30, 0, 125}, {30, 30, 30, 30, 30}},
}};

const std::array<ConfigDef, kConfigCount> kConfigDefs = {{
    // section1: the main panel
    {CV::PitchAgility, "PitchAgility", Section::One, {T, 33}, 0, false},
    {CV::PitchGain, "PitchGain", Section::One, {T, 12}, 0, true},
    {CV::RollAgility, "RollAgility", Section::One, {T, 34}, 0, false},
    {CV::RollGain, "RollGain", Section::One, {T, 6}, 0, true},
    {CV::YawAgility, "YawAgility", Section::One, {T, 31}, 0, false},
    {CV::YawRight, "YawRight", Section::One, {T, 32}, 0, false},
    {CV::YawGain, "YawGain", Section::One, {T, 0}, 0, true},
    // section2
    {CV::FixMode, "FixMode", Section::Two, {S, 29}, 0, true},
    {CV::ServoType, "ServoType", Section::Two, {S, 19}, 0, true},
    {CV::SwashPlateType, "SwashPlateType", Section::Two, {S, 27}, 0, true},
    {CV::ServoDirCH1, "ServoDirCH1", Section::Two, {S, 6}, 1, true},
    {CV::ServoDirCH2, "ServoDirCH2", Section::Two, {S, 7}, 1, true},
    {CV::ServoDirCH3, "ServoDirCH3", Section::Two, {S, 8}, 1, true},
    {CV::ServoDirCH4, "ServoDirCH4", Section::Two, {S, 9}, 1, true},
    {CV::ServoAdjustCH1, "ServoAdjustCH1", Section::Two, {S, 0}, 0, true},
    {CV::ServoAdjustCH2, "ServoAdjustCH2", Section::Two, {S, 1}, 0, true},
    {CV::ServoAdjustCH3, "ServoAdjustCH3", Section::Two, {S, 2}, 0, true},
    {CV::AileronLimit, "AileronLimit", Section::Two, {S, 14}, 20, true},
    {CV::ElevatorLimit, "ElevatorLimit", Section::Two, {S, 15}, 20, true},
    {CV::TotalCoefficient, "TotalCoefficient", Section::Two, {T, 38}, 0, true},
    {CV::PitchDir, "PitchDir", Section::Two, {S, 18}, 0, true},
    {CV::RollDir, "RollDir", Section::Two, {S, 17}, 0, true},
    {CV::YawDir, "YawDir", Section::Two, {S, 16}, 0, true},
    {CV::TailPoint, "TailPoint", Section::Two, {S, 3}, 0, true},
    {CV::TailLimitA, "TailLimitA", Section::Two, {S, 12}, 20, true},
    {CV::TailLimitB, "TailLimitB", Section::Two, {S, 13}, 20, true},
    {CV::OptimizationDir, "OptimizationDir", Section::Two, {S, 30}, 1, true},
    // section3
    {CV::Acc1, "Acc1", Section::Three, {T, 22}, 7, true},
    {CV::Acc2, "Acc2", Section::Three, {T, 23}, 7, true},
    {CV::Acc3, "Acc3", Section::Three, {T, 18}, 7, true},
    {CV::Acc4, "Acc4", Section::Three, {T, 19}, 7, true},
    {CV::Acc5, "Acc5", Section::Three, {T, 20}, 7, true},
    {CV::Acc6, "Acc6", Section::Three, {T, 21}, 7, true},
    {CV::DeadBand1, "DeadBand1", Section::Three, {T, 29}, 0, true},
    {CV::DeadBand2, "DeadBand2", Section::Three, {T, 30}, 0, true},
    {CV::DeadBand3, "DeadBand3", Section::Three, {T, 27}, 0, true},
    {CV::DeadBand4, "DeadBand4", Section::Three, {T, 28}, 0, true},
    {CV::PitchGainD, "PitchGainD", Section::Three, {T, 15}, 0, true},
    {CV::PitchGainI, "PitchGainI", Section::Three, {T, 14}, 10, true},
    {CV::PitchGainP, "PitchGainP", Section::Three, {T, 13}, 10, true},
    {CV::RollGainD, "RollGainD", Section::Three, {T, 9}, 0, true},
    {CV::RollGainI, "RollGainI", Section::Three, {T, 8}, 10, true},
    {CV::RollGainP, "RollGainP", Section::Three, {T, 7}, 10, true},
    {CV::SpinSpeed1, "SpinSpeed1", Section::Three, {T, 33}, 15, true},
    {CV::SpinSpeed2, "SpinSpeed2", Section::Three, {T, 34}, 15, true},
    {CV::SpinSpeed3, "SpinSpeed3", Section::Three, {T, 31}, 15, true},
    {CV::SpinSpeed4, "SpinSpeed4", Section::Three, {T, 32}, 15, true},
    {CV::TailCompsate1, "TailCompsate1", Section::Three, {T, 40}, 0, true},
    {CV::TailCompsate2, "TailCompsate2", Section::Three, {T, 41}, 0, true},
    {CV::TailGainD, "TailGainD", Section::Three, {T, 3}, 0, true},
    {CV::TailGainI, "TailGainI", Section::Three, {T, 2}, 10, true},
    {CV::TailGainP, "TailGainP", Section::Three, {T, 1}, 10, true},
    {CV::ReceiverType, "receiver type", Section::Three, {S, 25}, 0, false},
    // without a file key
    {CV::ZeroPitch, "ZeroPitch", Section::None, {T, 39}, 0, false},
    {CV::Condition, "Condition", Section::None, {S, 31}, 0, false},
    {CV::AuxFunction, "AuxFunction", Section::None, {S, 28}, 0, false},
}};

const std::array<DirectKeyDef, 7> kDirectKeys = {{
    {"HardCoef", 36},
    {"RPMTotalGain", 45},
    {"RPMGainP", 24},
    {"RPMGainI", 25},
    {"RPMGainD", 26},
    {"RPMCompensate1", 42},
    {"RPMCompensate2", 43},
}};

const std::array<PanelDef, 7> kPanelDefs = {{
    {CV::PitchAgility, 33, 15, 60},
    {CV::PitchGain, 12, 10, 125},
    {CV::RollAgility, 34, 15, 60},
    {CV::RollGain, 6, 10, 125},
    {CV::YawAgility, 31, 15, 60},
    {CV::YawRight, 32, 15, 60},
    {CV::YawGain, 0, 10, 125},
}};

const char* const kPresetMessages[PresetCount] = {
    "Beginner Mode!", "F-3C Mode!", "Soft 3D Mode!", "3D Hardcore Mode!", "3D Extreme Mode!",
};

const char* const kReceiverTypeNames[9] = {
    "Conventional receiver", "Futaba S-BUS", "DSM2-1", "DSM2-2", "DSM2-3", "DSMJ", "DSM2-4", "DSMX-1", "DSMX-2",
};

const ConfigDef& Def(CV id) { return kConfigDefs[static_cast<size_t>(id)]; }

const ByteDef& ByteOf(DeviceByte b) {
    return b.block == BlockId::Setup ? kSetupBytes[b.index] : kTuningBytes[b.index].def;
}

const ByteDef& ByteOf(CV id) { return ByteOf(Def(id).device); }

const int8_t* BytePtr(const ParameterImage& image, DeviceByte b) {
    return b.block == BlockId::Setup ? &image.SetupBlock[b.index] : &image.TuningBlock[b.index];
}

int8_t* BytePtr(ParameterImage& image, DeviceByte b) {
    return b.block == BlockId::Setup ? &image.SetupBlock[b.index] : &image.TuningBlock[b.index];
}

std::optional<CV> FindConfigByKey(std::string_view key) {
    for (const ConfigDef& d : kConfigDefs)
        if (d.section != Section::None && key.size() == std::strlen(d.key) &&
            strncasecmp(key.data(), d.key, key.size()) == 0)
            return d.id;
    return std::nullopt;
}
