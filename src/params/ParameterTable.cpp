#include "params/ParameterTable.h"

#include "text/CoreText.h"

#include <strings.h>
#include <cstring>

using namespace Bytes;

namespace {
constexpr int16_t K = kKeep;
}  // namespace

// Columns: position, name, factory, range.
constexpr std::array<ByteDef, kSetupBlockSize> kSetupBytes = {{
    {ServoAdjustCH1, "ServoAdjustCH1", 0, -124, 124},
    {ServoAdjustCH2, "ServoAdjustCH2", 0, -124, 124},
    {ServoAdjustCH3, "ServoAdjustCH3", 0, -124, 124},
    {TailPoint, "TailPoint", 0, -125, 125},
    {SetupByte4, "SetupByte4", 0, 0, 0},
    {SetupByte5, "SetupByte5", 0, 0, 0},
    {ServoDirCH1, "ServoDirCH1", -1, -1, 1},
    {ServoDirCH2, "ServoDirCH2", 1, -1, 1},
    {ServoDirCH3, "ServoDirCH3", 1, -1, 1},
    {ServoDirCH4, "ServoDirCH4", -1, -1, 1},
    {SetupByte10, "SetupByte10", 1, 0, 0},
    {SetupByte11, "SetupByte11", 1, 0, 0},
    {TailLimitA, "TailLimitA", 70, 20, 125},
    {TailLimitB, "TailLimitB", 70, 20, 125},
    {AileronLimit, "AileronLimit", 80, 20, 125},
    {ElevatorLimit, "ElevatorLimit", 80, 20, 125},
    {YawDir, "YawDir", 1, -1, 1},
    {RollDir, "RollDir", 1, -1, 1},
    {PitchDir, "PitchDir", 1, -1, 1},
    {ServoType, "ServoType", 0, 0, 5},
    {SetupByte20, "SetupByte20", 0, 0, 0},
    {SetupByte21, "SetupByte21", K, 0, 0},
    {SetupByte22, "SetupByte22", 0, 0, 0},
    {SetupByte23, "SetupByte23", 0, 0, 0},
    {SetupByte24, "SetupByte24", 0, 0, 0},
    {ReceiverType, "receiver type", 0, 0, 8},
    {GovernorMode, "GovernorMode", K, 0, 2},
    {SwashPlateType, "SwashPlateType", 2, 1, 9},
    {AuxFunction, "AuxFunction", 0, 0, 1},
    {FixMode, "FixMode", 1, 1, 3},
    {OptimizationDir, "OptimizationDir", -1, -1, 1},
    {Condition, "Condition", K, 1, 2},
}};

// Columns: position, name, factory, range, then Beginner, F-3C, Soft 3D, 3D Hardcore, 3D Extreme.
constexpr std::array<TuningByteDef, kTuningBlockSize> kTuningBytes = {{
    {{YawGain, "YawGain", 100, 10, 125}, {70, 100, 100, 100, 100}},
    {{TailGainP, "TailGainP", 80, 10, 125}, {80, 80, 80, 80, 80}},
    {{TailGainI, "TailGainI", 40, 10, 125}, {25, 40, 50, 50, 50}},
    {{TailGainD, "TailGainD", 25, 0, 125}, {25, 25, 30, 30, 30}},
    {{TuningByte4, "TuningByte4", 0, 0, 0}, {0, 0, 0, 0, 0}},
    {{TuningByte5, "TuningByte5", 0, 0, 0}, {0, 0, 0, 0, 0}},
    {{RollGain, "RollGain", 40, 10, 125}, {40, 40, 40, 40, 40}},
    {{RollGainP, "RollGainP", 80, 10, 125}, {80, 80, 80, 80, 80}},
    {{RollGainI, "RollGainI", 120, 10, 125}, {120, 120, 100, 80, 80}},
    {{RollGainD, "RollGainD", 0, 0, 125}, {0, 0, 30, 30, 30}},
    {{TuningByte10, "TuningByte10", 0, 0, 0}, {0, 0, 0, 0, 0}},
    {{TuningByte11, "TuningByte11", 9, 0, 0}, {9, 9, 9, 9, 9}},
    {{PitchGain, "PitchGain", 40, 10, 125}, {40, 40, 40, 40, 40}},
    {{PitchGainP, "PitchGainP", 80, 10, 125}, {80, 80, 80, 80, 80}},
    {{PitchGainI, "PitchGainI", 120, 10, 125}, {120, 120, 100, 80, 80}},
    {{PitchGainD, "PitchGainD", 0, 0, 125}, {0, 0, 30, 30, 30}},
    {{TuningByte16, "TuningByte16", 0, 0, 0}, {0, 0, 0, 0, 0}},
    {{TuningByte17, "TuningByte17", 9, 0, 0}, {9, 9, 9, 9, 9}},
    {{Acc3, "Acc3", 100, 7, 125}, {125, 100, 125, 125, 125}},
    {{Acc4, "Acc4", 100, 7, 125}, {125, 100, 125, 125, 125}},
    {{Acc5, "Acc5", 25, 7, 125}, {20, 25, 25, 25, 35}},
    {{Acc6, "Acc6", 25, 7, 125}, {20, 25, 25, 25, 35}},
    {{Acc1, "Acc1", 125, 7, 125}, {125, 125, 125, 125, 125}},
    {{Acc2, "Acc2", 40, 7, 125}, {40, 40, 55, 55, 55}},
    {{RPMGainP, "RPMGainP", 20, 0, 125}, {20, 20, 20, 20, 20}},
    {{RPMGainI, "RPMGainI", 80, 0, 125}, {80, 80, 80, 80, 80}},
    {{RPMGainD, "RPMGainD", 20, 0, 125}, {20, 20, 20, 20, 20}},
    {{DeadBand3, "DeadBand3", 60, 0, 125}, {80, 60, 64, 60, 40}},
    {{DeadBand4, "DeadBand4", 4, 0, 125}, {4, 4, 4, 4, 4}},
    {{DeadBand1, "DeadBand1", 40, 0, 125}, {40, 40, 40, 40, 40}},
    {{DeadBand2, "DeadBand2", 4, 0, 125}, {4, 4, 4, 4, 4}},
    {{YawAgility, "YawAgility", 35, 15, 60}, {30, 35, 35, 40, 45}},
    {{YawRight, "YawRight", 35, 15, 60}, {30, 35, 35, 40, 45}},
    {{PitchAgility, "PitchAgility", 35, 15, 60}, {30, 35, 35, 45, 60}},
    {{RollAgility, "RollAgility", 35, 15, 60}, {30, 35, 35, 45, 60}},
    {{TuningByte35, "TuningByte35", 10, 0, 0}, {20, 10, 20, 20, 20}},
    {{HardCoef, "HardCoef", 20, 0, 125}, {20, 20, 20, 20, 20}},
    {{TuningByte37, "TuningByte37", 20, 0, 0}, {20, 20, 20, 20, 20}},
    {{TotalCoefficient, "TotalCoefficient", 70, -125, 125}, {K, K, K, K, 70}},
    {{ZeroPitch, "ZeroPitch", 0, 0, 0}, {0, 0, 0, 0, 0}},
    {{TailCompsate1, "TailCompsate1", 0, -125, 125}, {0, 0, 0, 0, 0}},
    {{TailCompsate2, "TailCompsate2", 0, -125, 125}, {0, 0, 0, 0, 0}},
    {{RPMCompensate1, "RPMCompensate1", 60, 0, 125}, {60, 60, 60, 60, 60}},
    {{RPMCompensate2, "RPMCompensate2", 40, 0, 125}, {40, 40, 40, 40, 40}},
    {{TuningByte44, "TuningByte44", K, 0, 0}, {K, K, K, K, K}},
    {{RPMTotalGain, "RPMTotalGain", 30, 0, 125}, {30, 30, 30, 30, 30}},
}};

constexpr std::array<ConfigDef, kConfigCount> kConfigDefs = {{
    // section1: the main panel
    {CV::PitchAgility, "PitchAgility", Section::One, PitchAgility, 0, false},
    {CV::PitchGain, "PitchGain", Section::One, PitchGain, 0, true},
    {CV::RollAgility, "RollAgility", Section::One, RollAgility, 0, false},
    {CV::RollGain, "RollGain", Section::One, RollGain, 0, true},
    {CV::YawAgility, "YawAgility", Section::One, YawAgility, 0, false},
    {CV::YawRight, "YawRight", Section::One, YawRight, 0, false},
    {CV::YawGain, "YawGain", Section::One, YawGain, 0, true},
    // section2
    {CV::FixMode, "FixMode", Section::Two, FixMode, 0, true},
    {CV::ServoType, "ServoType", Section::Two, ServoType, 0, true},
    {CV::SwashPlateType, "SwashPlateType", Section::Two, SwashPlateType, 0, true},
    {CV::ServoDirCH1, "ServoDirCH1", Section::Two, ServoDirCH1, 1, true},
    {CV::ServoDirCH2, "ServoDirCH2", Section::Two, ServoDirCH2, 1, true},
    {CV::ServoDirCH3, "ServoDirCH3", Section::Two, ServoDirCH3, 1, true},
    {CV::ServoDirCH4, "ServoDirCH4", Section::Two, ServoDirCH4, 1, true},
    {CV::ServoAdjustCH1, "ServoAdjustCH1", Section::Two, ServoAdjustCH1, 0, true},
    {CV::ServoAdjustCH2, "ServoAdjustCH2", Section::Two, ServoAdjustCH2, 0, true},
    {CV::ServoAdjustCH3, "ServoAdjustCH3", Section::Two, ServoAdjustCH3, 0, true},
    {CV::AileronLimit, "AileronLimit", Section::Two, AileronLimit, 20, true},
    {CV::ElevatorLimit, "ElevatorLimit", Section::Two, ElevatorLimit, 20, true},
    {CV::TotalCoefficient, "TotalCoefficient", Section::Two, TotalCoefficient, 0, true},
    {CV::PitchDir, "PitchDir", Section::Two, PitchDir, 0, true},
    {CV::RollDir, "RollDir", Section::Two, RollDir, 0, true},
    {CV::YawDir, "YawDir", Section::Two, YawDir, 0, true},
    {CV::TailPoint, "TailPoint", Section::Two, TailPoint, 0, true},
    {CV::TailLimitA, "TailLimitA", Section::Two, TailLimitA, 20, true},
    {CV::TailLimitB, "TailLimitB", Section::Two, TailLimitB, 20, true},
    {CV::OptimizationDir, "OptimizationDir", Section::Two, OptimizationDir, 1, true},
    // section3
    {CV::Acc1, "Acc1", Section::Three, Acc1, 7, true},
    {CV::Acc2, "Acc2", Section::Three, Acc2, 7, true},
    {CV::Acc3, "Acc3", Section::Three, Acc3, 7, true},
    {CV::Acc4, "Acc4", Section::Three, Acc4, 7, true},
    {CV::Acc5, "Acc5", Section::Three, Acc5, 7, true},
    {CV::Acc6, "Acc6", Section::Three, Acc6, 7, true},
    {CV::DeadBand1, "DeadBand1", Section::Three, DeadBand1, 0, true},
    {CV::DeadBand2, "DeadBand2", Section::Three, DeadBand2, 0, true},
    {CV::DeadBand3, "DeadBand3", Section::Three, DeadBand3, 0, true},
    {CV::DeadBand4, "DeadBand4", Section::Three, DeadBand4, 0, true},
    {CV::PitchGainD, "PitchGainD", Section::Three, PitchGainD, 0, true},
    {CV::PitchGainI, "PitchGainI", Section::Three, PitchGainI, 10, true},
    {CV::PitchGainP, "PitchGainP", Section::Three, PitchGainP, 10, true},
    {CV::RollGainD, "RollGainD", Section::Three, RollGainD, 0, true},
    {CV::RollGainI, "RollGainI", Section::Three, RollGainI, 10, true},
    {CV::RollGainP, "RollGainP", Section::Three, RollGainP, 10, true},
    {CV::SpinSpeed1, "SpinSpeed1", Section::Three, PitchAgility, 15, true},
    {CV::SpinSpeed2, "SpinSpeed2", Section::Three, RollAgility, 15, true},
    {CV::SpinSpeed3, "SpinSpeed3", Section::Three, YawAgility, 15, true},
    {CV::SpinSpeed4, "SpinSpeed4", Section::Three, YawRight, 15, true},
    {CV::TailCompsate1, "TailCompsate1", Section::Three, TailCompsate1, 0, true},
    {CV::TailCompsate2, "TailCompsate2", Section::Three, TailCompsate2, 0, true},
    {CV::TailGainD, "TailGainD", Section::Three, TailGainD, 0, true},
    {CV::TailGainI, "TailGainI", Section::Three, TailGainI, 10, true},
    {CV::TailGainP, "TailGainP", Section::Three, TailGainP, 10, true},
    {CV::ReceiverType, "receiver type", Section::Three, ReceiverType, 0, false},
    // without a file key
    {CV::ZeroPitch, "ZeroPitch", Section::None, ZeroPitch, 0, false},
    {CV::Condition, "Condition", Section::None, Condition, 0, false},
    {CV::AuxFunction, "AuxFunction", Section::None, AuxFunction, 0, false},
}};

namespace {
// Rows are in position order, so a byte's row is found by its index.
template <size_t N, typename Row>
constexpr bool InPositionOrder(const std::array<Row, N>& rows, const ByteDef& (*def)(const Row&)) {
    for (size_t i = 0; i < N; ++i)
        if (def(rows[i]).at.index != i) return false;
    return true;
}
constexpr const ByteDef& SetupRow(const ByteDef& r) { return r; }
constexpr const ByteDef& TuningRow(const TuningByteDef& r) { return r.def; }
static_assert(InPositionOrder(kSetupBytes, SetupRow));
static_assert(InPositionOrder(kTuningBytes, TuningRow));
static_assert(static_cast<size_t>(Condition) == kConditionByte, "the frame codec carries the condition byte");

constexpr DirectKeyDef DirectKey(TuningIndex b) { return {kTuningBytes[static_cast<size_t>(b)].def.name, b}; }
}  // namespace

const std::array<DirectKeyDef, 7> kDirectKeys = {{
    DirectKey(HardCoef),
    DirectKey(RPMTotalGain),
    DirectKey(RPMGainP),
    DirectKey(RPMGainI),
    DirectKey(RPMGainD),
    DirectKey(RPMCompensate1),
    DirectKey(RPMCompensate2),
}};

const std::array<PanelDef, 7> kPanelDefs = {{
    {CV::PitchAgility},
    {CV::PitchGain},
    {CV::RollAgility},
    {CV::RollGain},
    {CV::YawAgility},
    {CV::YawRight},
    {CV::YawGain},
}};

const char* const kPresetMessages[PresetCount] = {
    QT_TRANSLATE_NOOP("ParameterTable", "Beginner Mode!"),   QT_TRANSLATE_NOOP("ParameterTable", "F-3C Mode!"),
    QT_TRANSLATE_NOOP("ParameterTable", "Soft 3D Mode!"),    QT_TRANSLATE_NOOP("ParameterTable", "3D Hardcore Mode!"),
    QT_TRANSLATE_NOOP("ParameterTable", "3D Extreme Mode!"),
};

const char* const kReceiverTypeNames[9] = {
    QT_TRANSLATE_NOOP("ParameterTable", "Conventional receiver"),
    "Futaba S-BUS",
    "DSM2-1",
    "DSM2-2",
    "DSM2-3",
    "DSMJ",
    "DSM2-4",
    "DSMX-1",
    "DSMX-2",
};

const ConfigDef& Def(CV id) { return kConfigDefs[static_cast<size_t>(id)]; }

const ByteDef& ByteOf(DeviceByte b) {
    return b.block == BlockId::Setup ? kSetupBytes[b.index] : kTuningBytes[b.index].def;
}

const ByteDef& ByteOf(CV id) { return ByteOf(Def(id).device); }

std::array<int, 7> PanelStartValues() {
    std::array<int, 7> v{};
    for (size_t i = 0; i < kPanelDefs.size(); ++i) v[i] = ByteOf(kPanelDefs[i].name).low;
    return v;
}

const int8_t* BytePtr(const ParameterImage& image, DeviceByte b) {
    return b.block == BlockId::Setup ? &image.SetupBlock[b.index] : &image.TuningBlock[b.index];
}

int8_t* BytePtr(ParameterImage& image, DeviceByte b) {
    return b.block == BlockId::Setup ? &image.SetupBlock[b.index] : &image.TuningBlock[b.index];
}

// ---- what the user reads: labels, balloon help, bytes the unit keeps -------------

namespace {

const char* const kGovernorGainHelp =
    QT_TRANSLATE_NOOP("ParameterTable",
                      "Increase this value can enhance governor performance, \nif the rotor speed is shaking in high "
                      "frequence, \nreduce this value");

constexpr const char* kNeverWritten =
    QT_TRANSLATE_NOOP("ParameterTable", "the program never writes this byte; the Orvex keeps its own value");

// Columns: byte, label (as its panel, dialog or page shows it, led by its
// group where the window's group tells it apart; marked for the windows'
// translations), balloon help, and why a restore keeps the unit's own value.
// clang-format off
const ValueText kValueTexts[] = {
    {.at = ServoAdjustCH1,   .label = QT_TRANSLATE_NOOP("ParameterTable", "CH1 servo trim")},
    {.at = ServoAdjustCH2,   .label = QT_TRANSLATE_NOOP("ParameterTable", "CH2 servo trim")},
    {.at = ServoAdjustCH3,   .label = QT_TRANSLATE_NOOP("ParameterTable", "CH3 servo trim")},
    {.at = TailPoint,        .label = QT_TRANSLATE_NOOP("ParameterTable", "Tail servo trim (CH4)")},
    {.at = ServoDirCH1,      .label = QT_TRANSLATE_NOOP("ParameterTable", "CH1 servo direction")},
    {.at = ServoDirCH2,      .label = QT_TRANSLATE_NOOP("ParameterTable", "CH2 servo direction")},
    {.at = ServoDirCH3,      .label = QT_TRANSLATE_NOOP("ParameterTable", "CH3 servo direction")},
    {.at = ServoDirCH4,      .label = QT_TRANSLATE_NOOP("ParameterTable", "Tail servo direction (CH4)")},
    {.at = TailLimitA,       .label = QT_TRANSLATE_NOOP("ParameterTable", "Tail limit A")},
    {.at = TailLimitB,       .label = QT_TRANSLATE_NOOP("ParameterTable", "Tail limit B")},
    {.at = AileronLimit,     .label = QT_TRANSLATE_NOOP("ParameterTable", "Aileron travel")},
    {.at = ElevatorLimit,    .label = QT_TRANSLATE_NOOP("ParameterTable", "Elevator travel")},
    {.at = YawDir,           .label = QT_TRANSLATE_NOOP("ParameterTable", "Yaw gyro direction")},
    {.at = RollDir,          .label = QT_TRANSLATE_NOOP("ParameterTable", "Roll gyro direction")},
    {.at = PitchDir,         .label = QT_TRANSLATE_NOOP("ParameterTable", "Pitch gyro direction")},
    {.at = ServoType,        .label = QT_TRANSLATE_NOOP("ParameterTable", "Servo type")},
    {.at = SetupByte21,                                                 .kept = kNeverWritten},
    {.at = ReceiverType,     .label = QT_TRANSLATE_NOOP("ParameterTable", "Receiver type")},
    {.at = GovernorMode,     .label = QT_TRANSLATE_NOOP("ParameterTable", "Governor mode")},
    {.at = SwashPlateType,   .label = QT_TRANSLATE_NOOP("ParameterTable", "Swashplate type")},
    {.at = AuxFunction,      .label = QT_TRANSLATE_NOOP("ParameterTable", "AUX channel function"),
     .help = QT_TRANSLATE_NOOP("ParameterTable", "Switch yaw gain: switch the tail \nrotor gain by transmitter's AUX channel, \nit is the same as a common heading \n"
             "hold gyro. Switch condition: switch the \ntwo parameter groups (Condition1 and Condition2) \nof Orvex by transmitter's AUX channel, \n"
             "the Orvex is working in heading hold mode.")},
    {.at = FixMode,          .label = QT_TRANSLATE_NOOP("ParameterTable", "Installation direction")},
    {.at = OptimizationDir,  .label = QT_TRANSLATE_NOOP("ParameterTable", "Optimization direction")},
    {.at = Condition,        .label = QT_TRANSLATE_NOOP("ParameterTable", "Condition"),
     .help = QT_TRANSLATE_NOOP("ParameterTable", "When the AUX channel is selected as \n'Switch yaw gain', you can switch \nthe two parameter groups (Condition1 and \n"
             "Condition2) by hand, the two \nparameter groups only affect the \nperformance of Orvex, the setup \nparameters are not included."),
     .kept = QT_TRANSLATE_NOOP("ParameterTable", "the condition can only be set to 1 or 2")},
    {.at = YawGain,          .label = QT_TRANSLATE_NOOP("ParameterTable", "Tail gain"),
     .help = QT_TRANSLATE_NOOP("ParameterTable", "This is the tail rotor total gain, make it as large as possible. \nIf the helicopter tail is hunting in flight, reduce this value")},
    {.at = TailGainP,        .label = QT_TRANSLATE_NOOP("ParameterTable", "Yaw P gain"),
     .help = QT_TRANSLATE_NOOP("ParameterTable", "It is equivalent to the \nyaw rate gain, make it as \nlarge as possible. If \nthe helicopter tail is hunting \n"
             "in flight, reduce this value \nor the tail rotor total gain.")},
    {.at = TailGainI,        .label = QT_TRANSLATE_NOOP("ParameterTable", "Yaw I gain"),
     .help = QT_TRANSLATE_NOOP("ParameterTable", "It is equivalent to the \nheading hold gain, increase \nthis value can enhance \nthe heading hold performance. \n"
             "If the helicopter tail is \nwagging or bouncing in \nflight, reduce this value.")},
    {.at = TailGainD,        .label = QT_TRANSLATE_NOOP("ParameterTable", "Yaw D gain"),
     .help = QT_TRANSLATE_NOOP("ParameterTable", "It is equivalent to the \nbrake gain, increase this value \ncan enhance the brake \nperformance. If the helicopter \n"
             "tail is shaking when stop \npirouette in flight, \nreduce this value.")},
    {.at = RollGain,         .label = QT_TRANSLATE_NOOP("ParameterTable", "Roll gain"),
     .help = QT_TRANSLATE_NOOP("ParameterTable", "This is the roll \ntotal gain, make it \nas large as possible. \nIf the helicopter is \nshaking in the roll \n"
             "direction, reduce this value")},
    {.at = RollGainP,        .label = QT_TRANSLATE_NOOP("ParameterTable", "Roll P gain"),
     .help = QT_TRANSLATE_NOOP("ParameterTable", "It is equivalent to \nthe roll rate gain, \nmake it as large \nas possible. If the \nhelicopter is shaking in \n"
             "the roll direction, reduce \nthis value or the \nroll total gain.")},
    {.at = RollGainI,        .label = QT_TRANSLATE_NOOP("ParameterTable", "Roll I gain"),
     .help = QT_TRANSLATE_NOOP("ParameterTable", "It is equivalent to \nthe roll angle hold \ngain, increase this value \ncan enhance the roll \nangle hold performance. If \n"
             "the helicopter is wagging \nor bouncing in the roll \ndirection, reduce this value.")},
    {.at = RollGainD,        .label = QT_TRANSLATE_NOOP("ParameterTable", "Roll D gain"),
     .help = QT_TRANSLATE_NOOP("ParameterTable", "It is equivalent to \nthe brake gain, increase \nthis value can enhance \nthe brake performance of \nroll. If the helicopter \n"
             "is shaking when stop \nrolling in flight, \nreduce this value.")},
    {.at = PitchGain,        .label = QT_TRANSLATE_NOOP("ParameterTable", "Pitch gain"),
     .help = QT_TRANSLATE_NOOP("ParameterTable", "This is the pitch \ntotal gain, make it \nas large as possible. \nIf the helicopter is \nshaking in the pitch \n"
             "direction, reduce this value")},
    {.at = PitchGainP,       .label = QT_TRANSLATE_NOOP("ParameterTable", "Pitch P gain"),
     .help = QT_TRANSLATE_NOOP("ParameterTable", "It is equivalent to \nthe pitch rate gain, \nmake it as large as possible. \nIf the helicopter is shaking \nin the pitch direction, \n"
             "reduce this value \nor the pitch total gain.")},
    {.at = PitchGainI,       .label = QT_TRANSLATE_NOOP("ParameterTable", "Pitch I gain"),
     .help = QT_TRANSLATE_NOOP("ParameterTable", "It is equivalent to \nthe pitch angle hold \ngain, increase this value can \nenhance the pitch angle hold \nperformance. If the \n"
             "helicopter is wagging \nor bouncing in the pitch direction, \nreduce this value.")},
    {.at = PitchGainD,       .label = QT_TRANSLATE_NOOP("ParameterTable", "Pitch D gain"),
     .help = QT_TRANSLATE_NOOP("ParameterTable", "It is equivalent to \nthe brake gain, increase \nthis value can enhance the \nbrake performance of pitch. \nIf the helicopter is \n"
             "shaking when stop pitching \nin flight, reduce this value.")},
    {.at = Acc3,             .label = QT_TRANSLATE_NOOP("ParameterTable", "Tail rotor acceleration L"),      .help = QT_TRANSLATE_NOOP("ParameterTable", "Increase this value can \nincrease the acceleration \nof left pirouette.")},
    {.at = Acc4,             .label = QT_TRANSLATE_NOOP("ParameterTable", "Tail rotor acceleration R"),      .help = QT_TRANSLATE_NOOP("ParameterTable", "Increase this value can \nincrease the acceleration \nof right pirouette")},
    {.at = Acc5,             .label = QT_TRANSLATE_NOOP("ParameterTable", "Tail rotor deceleration R"),      .help = QT_TRANSLATE_NOOP("ParameterTable", "Increase this value can \nincrease the deceleration \nof right pirouette")},
    {.at = Acc6,             .label = QT_TRANSLATE_NOOP("ParameterTable", "Tail rotor deceleration L"),      .help = QT_TRANSLATE_NOOP("ParameterTable", "Increase this value can \nincrease the deceleration \nof left pirouette")},
    {.at = Acc1,             .label = QT_TRANSLATE_NOOP("ParameterTable", "Main rotor acceleration"),        .help = QT_TRANSLATE_NOOP("ParameterTable", "Increase this value can increase \nthe acceleration of roll and pitch.")},
    {.at = Acc2,             .label = QT_TRANSLATE_NOOP("ParameterTable", "Main rotor deceleration"),        .help = QT_TRANSLATE_NOOP("ParameterTable", "Increase this value can increase \nthe deceleration of roll and pitch.")},
    {.at = RPMGainP,         .label = QT_TRANSLATE_NOOP("ParameterTable", "Governor P gain"),                .help = kGovernorGainHelp},
    {.at = RPMGainI,         .label = QT_TRANSLATE_NOOP("ParameterTable", "Governor I gain"),
     .help = QT_TRANSLATE_NOOP("ParameterTable", "Increase this value can enhance governor performance, \nif the rotor speed is wagging in low frequence, \nreduce this value")},
    {.at = RPMGainD,         .label = QT_TRANSLATE_NOOP("ParameterTable", "Governor D gain"),                .help = kGovernorGainHelp},
    {.at = DeadBand3,        .label = QT_TRANSLATE_NOOP("ParameterTable", "Tail rotor RC dead band"),
     .help = QT_TRANSLATE_NOOP("ParameterTable", "Defines a range around \nthe rudder stick neutral position \nwhere the rudder stick \ninput will be ignored. ")},
    {.at = DeadBand4,        .label = QT_TRANSLATE_NOOP("ParameterTable", "Tail rotor gyro dead band"),      .help = QT_TRANSLATE_NOOP("ParameterTable", "If the helicopter vibration is \nlow, set a small value")},
    {.at = DeadBand1,        .label = QT_TRANSLATE_NOOP("ParameterTable", "Main rotor RC dead band"),
     .help = QT_TRANSLATE_NOOP("ParameterTable", "Defines a range around the \naileron and elevator sticks \nneutral position where the \naileron and elevator sticks \n"
             "input will be ignored.")},
    {.at = DeadBand2,        .label = QT_TRANSLATE_NOOP("ParameterTable", "Main rotor gyro dead band"),      .help = QT_TRANSLATE_NOOP("ParameterTable", "If the helicopter vibration \nis low, set a small value")},
    {.at = YawAgility,       .label = QT_TRANSLATE_NOOP("ParameterTable", "Yaw rate L")},
    {.at = YawRight,         .label = QT_TRANSLATE_NOOP("ParameterTable", "Yaw rate R")},
    {.at = PitchAgility,     .label = QT_TRANSLATE_NOOP("ParameterTable", "Pitch agility"),
     .help = QT_TRANSLATE_NOOP("ParameterTable", "This value limits \nthe maximum pitch \nrate of helicopter, \nthe larger the faster.")},
    {.at = RollAgility,      .label = QT_TRANSLATE_NOOP("ParameterTable", "Roll agility"),
     .help = QT_TRANSLATE_NOOP("ParameterTable", "This value limits \nthe maximum roll \nrate of helicopter, \nthe larger the faster.")},
    {.at = HardCoef,         .label = QT_TRANSLATE_NOOP("ParameterTable", "Burst Coefficient"),
     .help = QT_TRANSLATE_NOOP("ParameterTable", "Increase this value can enhance response speed of stick, \nif the main rotor is shaking when move the aileron \n"
             "and elevator sticks, reduce this value")},
    {.at = TotalCoefficient, .label = QT_TRANSLATE_NOOP("ParameterTable", "Collective pitch")},
    {.at = ZeroPitch,        .label = QT_TRANSLATE_NOOP("ParameterTable", "Zero pitch"),
     .kept = QT_TRANSLATE_NOOP("ParameterTable", "the zero point is measured by the Orvex itself; only \"Reset zero\" changes it")},
    {.at = TailCompsate1,    .label = QT_TRANSLATE_NOOP("ParameterTable", "Collective to tail"),
     .help = QT_TRANSLATE_NOOP("ParameterTable", "Static torque compensation for \ncollective pitch. It can enhance \nthe heading hold performance \nwhen change the collective pitch \n"
             "quickly. Larger value can enhance \nthe compensation. Change the sign \nof the value can change \nthe compensation direction.")},
    {.at = TailCompsate2,    .label = QT_TRANSLATE_NOOP("ParameterTable", "Cyclic to tail"),
     .help = QT_TRANSLATE_NOOP("ParameterTable", "Static torque compensation for \ncyclic pitch. It can enhance the \nheading hold performance when \n"
             "move the aileron and elevator sticks \nquickly. Larger value can \nenhance the compensation. Change the sign \nof the value can change \n"
             "the compensation direction.")},
    {.at = RPMCompensate1,   .label = QT_TRANSLATE_NOOP("ParameterTable", "Governor collective compensate"),
     .help = QT_TRANSLATE_NOOP("ParameterTable", "Increase this value can enhance governor performance \nwhen change the collective pitch quickly")},
    {.at = RPMCompensate2,   .label = QT_TRANSLATE_NOOP("ParameterTable", "Governor cyclic compensate"),
     .help = QT_TRANSLATE_NOOP("ParameterTable", "Increase this value can enhance governor performance \nwhen move the aileron and elevator sticks quickly")},
    {.at = TuningByte44,                                                .kept = kNeverWritten},
    {.at = RPMTotalGain,     .label = QT_TRANSLATE_NOOP("ParameterTable", "Governor total gain")},
};
// clang-format on

const ValueText* TextOf(DeviceByte b) {
    for (const ValueText& t : kValueTexts)
        if (t.at == b) return &t;
    return nullptr;
}

}  // namespace

const char* Label(DeviceByte b) {
    const ValueText* t = TextOf(b);
    return t && t->label ? t->label : ByteOf(b).name;
}

const char* Label(CV id) { return Label(Def(id).device); }

CoreText CoreLabel(DeviceByte b) { return CoreText::Of("ParameterTable", Label(b)); }
CoreText CoreLabel(CV id) { return CoreLabel(Def(id).device); }

const char* Help(DeviceByte b) {
    const ValueText* t = TextOf(b);
    return t ? t->help : nullptr;
}

const char* Help(CV id) { return Help(Def(id).device); }

const char* KeptReason(DeviceByte b) {
    const ValueText* t = TextOf(b);
    return t ? t->kept : nullptr;
}

const ByteDef* FindByteByName(std::string_view name) {
    for (const ByteDef& b : kSetupBytes)
        if (name == b.name) return &b;
    for (const TuningByteDef& b : kTuningBytes)
        if (name == b.def.name) return &b.def;
    return nullptr;
}

// ---- values by name: the file keys and the labels --------------------------------

namespace {
bool SameName(std::string_view typed, const char* name) {
    return typed.size() == std::strlen(name) && strncasecmp(typed.data(), name, typed.size()) == 0;
}

// Every key a configuration file holds, in file order, with the byte it sets.
template <typename Visit>
void ForEachFileKey(Visit visit) {
    for (const ConfigDef& d : kConfigDefs)
        if (d.section != Section::None) visit(d.key, d.device);
    for (const DirectKeyDef& d : kDirectKeys) visit(d.key, d.at);
}
}  // namespace

const char* FileKeyOf(DeviceByte byte) {
    for (const ConfigDef& d : kConfigDefs)
        if (d.section != Section::None && d.toImage && d.device == byte) return d.key;
    for (const DirectKeyDef& d : kDirectKeys)
        if (d.at == byte) return d.key;
    return nullptr;
}

std::optional<NamedValue> FindValueByName(std::string_view name) {
    std::optional<NamedValue> byKey, byLabel;
    ForEachFileKey([&](const char* key, DeviceByte at) {
        if (!byKey && SameName(name, key)) byKey = NamedValue{at, key};
        const char* sending = FileKeyOf(at);
        if (!byLabel && SameName(name, Label(at))) byLabel = NamedValue{at, sending ? sending : key};
    });
    return byKey ? byKey : byLabel;
}

std::vector<const char*> ValueNames() {
    std::vector<const char*> names;
    const auto add = [&names](const char* name) {
        for (const char* known : names)
            if (SameName(name, known)) return;
        names.push_back(name);
    };
    ForEachFileKey([&](const char* key, DeviceByte) { add(key); });
    ForEachFileKey([&](const char*, DeviceByte at) { add(Label(at)); });
    return names;
}
