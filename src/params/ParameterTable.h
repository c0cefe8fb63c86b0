#pragma once
// The one table of the parameter image: every byte's name, factory value,
// range and preset values, and every named value (ConfigValues) with its file
// key, section, device byte and start value. Layout, file keys, factory values
// and presets are all read from here.

#include "protocol/LinkFrame.h"
#include "text/CoreText.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

enum class BlockId : uint8_t { Setup, Tuning };

// Byte positions in the image: each enumerator's value is its byte's index in
// its block. This is the only place positions are written down.
enum class SetupIndex : uint8_t {
    ServoAdjustCH1,
    ServoAdjustCH2,
    ServoAdjustCH3,
    TailPoint,
    SetupByte4,
    SetupByte5,
    ServoDirCH1,
    ServoDirCH2,
    ServoDirCH3,
    ServoDirCH4,
    SetupByte10,
    SetupByte11,
    TailLimitA,
    TailLimitB,
    AileronLimit,
    ElevatorLimit,
    YawDir,
    RollDir,
    PitchDir,
    ServoType,
    SetupByte20,
    SetupByte21,
    SetupByte22,
    SetupByte23,
    SetupByte24,
    ReceiverType,
    GovernorMode,
    SwashPlateType,
    AuxFunction,
    FixMode,
    OptimizationDir,
    Condition,
};
enum class TuningIndex : uint8_t {
    YawGain,
    TailGainP,
    TailGainI,
    TailGainD,
    TuningByte4,
    TuningByte5,
    RollGain,
    RollGainP,
    RollGainI,
    RollGainD,
    TuningByte10,
    TuningByte11,
    PitchGain,
    PitchGainP,
    PitchGainI,
    PitchGainD,
    TuningByte16,
    TuningByte17,
    Acc3,
    Acc4,
    Acc5,
    Acc6,
    Acc1,
    Acc2,
    RPMGainP,
    RPMGainI,
    RPMGainD,
    DeadBand3,
    DeadBand4,
    DeadBand1,
    DeadBand2,
    YawAgility,
    YawRight,
    PitchAgility,
    RollAgility,
    TuningByte35,
    HardCoef,
    TuningByte37,
    TotalCoefficient,
    ZeroPitch,
    TailCompsate1,
    TailCompsate2,
    RPMCompensate1,
    RPMCompensate2,
    TuningByte44,
    RPMTotalGain,
};

// Every image byte by name, for bytes that have no named value (the governor,
// the burst coefficient) as much as for those that do: Bytes::GovernorMode.
namespace Bytes {
using enum SetupIndex;
using enum TuningIndex;
}  // namespace Bytes

struct DeviceByte {
    BlockId block = BlockId::Setup;
    uint8_t index = 0;

    constexpr DeviceByte() = default;
    constexpr DeviceByte(SetupIndex b) : block(BlockId::Setup), index(static_cast<uint8_t>(b)) {}
    constexpr DeviceByte(TuningIndex b) : block(BlockId::Tuning), index(static_cast<uint8_t>(b)) {}
    // A byte by its position, for code that walks a whole block.
    constexpr DeviceByte(BlockId inBlock, uint8_t at) : block(inBlock), index(at) {}
    bool operator==(const DeviceByte&) const = default;
};

// Every range the program enforces lies within -kValueSpan..kValueSpan; the
// trim bars show that whole span.
constexpr int kValueSpan = 125;

// Marks a factory or preset value that is not written ("keeps its value").
constexpr int16_t kKeep = 1000;

enum Preset : uint8_t { PresetBeginner, PresetF3C, PresetSoft3D, Preset3DHardcore, Preset3DExtreme, PresetCount };

struct ByteDef {
    DeviceByte at;
    const char* name;
    int16_t factory;    // kKeep: factory reset leaves it
    int16_t low, high;  // range enforced by the editing control (0, 0: none)
};

struct TuningByteDef {
    ByteDef def;
    std::array<int16_t, PresetCount> preset;  // kKeep: the preset leaves it
};

extern const std::array<ByteDef, kSetupBlockSize> kSetupBytes;
extern const std::array<TuningByteDef, kTuningBlockSize> kTuningBytes;

// Named values (ConfigValues). Order of the enumerators is the file order of
// sections one to three, then the values without a file key.
enum class CV : uint8_t {
    // section1
    PitchAgility,
    PitchGain,
    RollAgility,
    RollGain,
    YawAgility,
    YawRight,
    YawGain,
    // section2
    FixMode,
    ServoType,
    SwashPlateType,
    ServoDirCH1,
    ServoDirCH2,
    ServoDirCH3,
    ServoDirCH4,
    ServoAdjustCH1,
    ServoAdjustCH2,
    ServoAdjustCH3,
    AileronLimit,
    ElevatorLimit,
    TotalCoefficient,
    PitchDir,
    RollDir,
    YawDir,
    TailPoint,
    TailLimitA,
    TailLimitB,
    OptimizationDir,
    // section3
    Acc1,
    Acc2,
    Acc3,
    Acc4,
    Acc5,
    Acc6,
    DeadBand1,
    DeadBand2,
    DeadBand3,
    DeadBand4,
    PitchGainD,
    PitchGainI,
    PitchGainP,
    RollGainD,
    RollGainI,
    RollGainP,
    SpinSpeed1,
    SpinSpeed2,
    SpinSpeed3,
    SpinSpeed4,
    TailCompsate1,
    TailCompsate2,
    TailGainD,
    TailGainI,
    TailGainP,
    ReceiverType,
    // no file key
    ZeroPitch,
    Condition,
    AuxFunction,
    Count
};
constexpr size_t kConfigCount = static_cast<size_t>(CV::Count);

enum class Section : uint8_t { None, One, Two, Three };

struct ConfigDef {
    CV id;
    const char* key;  // file key; also the value's name
    Section section;
    DeviceByte device;  // the device byte it stands for
    int8_t start;       // start value when the main view is created
    bool toImage;       // copied back by ConfigToImage
};

extern const std::array<ConfigDef, kConfigCount> kConfigDefs;
const ConfigDef& Def(CV id);

// The range, factory value and name of an image byte, or of the byte a named
// value stands for.
const ByteDef& ByteOf(DeviceByte b);
const ByteDef& ByteOf(CV id);

// Keys read and written straight from and to TuningBlock (no named copy),
// in file order after "receiver type". The key is the byte's name.
struct DirectKeyDef {
    const char* key;
    DeviceByte at;
};
extern const std::array<DirectKeyDef, 7> kDirectKeys;

// The seven panel quantities in panel order: pitch agility, pitch gain, roll
// agility, roll gain, yaw rate L, yaw rate R, tail gain. Device byte, range
// and factory value are those of the named value.
struct PanelDef {
    CV name;
};
extern const std::array<PanelDef, 7> kPanelDefs;
// The panel starts with every slider at the bottom of its range.
std::array<int, 7> PanelStartValues();

extern const char* const kPresetMessages[PresetCount];
extern const char* const kReceiverTypeNames[9];

// What the user reads about a value. The label is how the panels, dialogs,
// pages, Compare and the restore summary all name it ("Tail rotor RC dead
// band"); a byte no window shows goes by its table name. The help is its
// balloon text (nullptr: none).
struct ValueText {
    DeviceByte at;
    const char* label = nullptr;
    const char* help = nullptr;
    const char* kept = nullptr;  // the unit's own byte: why a restore keeps it
};
const char* Label(DeviceByte b);
const char* Label(CV id);
// The label as a message's argument, translated where a window shows it.
CoreText CoreLabel(DeviceByte b);
CoreText CoreLabel(CV id);
const char* Help(DeviceByte b);
const char* Help(CV id);
// Why a restore keeps the unit's value of a byte; nullptr for a byte it writes.
const char* KeptReason(DeviceByte b);
// The row of the byte with this table name, nullptr for none.
const ByteDef* FindByteByName(std::string_view name);

const int8_t* BytePtr(const ParameterImage& image, DeviceByte b);
int8_t* BytePtr(ParameterImage& image, DeviceByte b);

// A value a configuration file holds (a named value's or a direct key), by
// the name a user gives it: its file key or its label, in any letter case.
// key is the file key it goes by: the one named, or for a label the key that
// sends its byte.
struct NamedValue {
    DeviceByte at;
    const char* key;
};
std::optional<NamedValue> FindValueByName(std::string_view name);
// Every name FindValueByName takes, each once whatever its letter case: the
// file keys in file order, then the labels.
std::vector<const char*> ValueNames();
// The file key that sets the byte: the named value that goes out to the unit,
// else a key read straight into the image; nullptr for a byte no file holds.
const char* FileKeyOf(DeviceByte byte);
