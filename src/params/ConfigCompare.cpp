#include "params/ConfigCompare.h"

#include "params/Orvex.h"

#include <string_view>

namespace {

struct NamedValue {
    CV id;
    const char* name;
};

// The labels of the main panel, the setup wizard's pages and the Advance Menu;
// which byte each value is comes from the parameter table.
constexpr NamedValue kPanelNames[] = {
    {CV::PitchAgility, "Pitch agility"},
    {CV::PitchGain, "Pitch gain"},
    {CV::RollAgility, "Roll agility"},
    {CV::RollGain, "Roll gain"},
    {CV::YawAgility, "Yaw rate L"},
    {CV::YawRight, "Yaw rate R"},
    {CV::YawGain, "Tail gain"},
    {CV::FixMode, "Installation"},
    {CV::ServoType, "Servo type"},
    {CV::SwashPlateType, "Swashplate type"},
    {CV::ServoDirCH1, "Servo reverse CH1"},
    {CV::ServoDirCH2, "Servo reverse CH2"},
    {CV::ServoDirCH3, "Servo reverse CH3"},
    {CV::ServoDirCH4, "Tail servo reverse"},
    {CV::ServoAdjustCH1, "Servo trim CH1"},
    {CV::ServoAdjustCH2, "Servo trim CH2"},
    {CV::ServoAdjustCH3, "Servo trim CH3"},
    {CV::AileronLimit, "Aileron travel"},
    {CV::ElevatorLimit, "Elevator travel"},
    {CV::TotalCoefficient, "Collective pitch"},
    {CV::PitchDir, "Pitch gyro direction"},
    {CV::RollDir, "Roll gyro direction"},
    {CV::YawDir, "Yaw gyro direction"},
    {CV::TailPoint, "Tail servo trim"},
    {CV::TailLimitA, "Tail limit A"},
    {CV::TailLimitB, "Tail limit B"},
    {CV::OptimizationDir, "Pirouette optimization"},
    {CV::Acc1, "Main rotor acceleration"},
    {CV::Acc2, "Main rotor deceleration"},
    {CV::Acc3, "Tail acceleration L"},
    {CV::Acc4, "Tail acceleration R"},
    {CV::Acc5, "Tail deceleration R"},
    {CV::Acc6, "Tail deceleration L"},
    {CV::DeadBand1, "Main rotor RC dead band"},
    {CV::DeadBand2, "Main rotor gyro dead band"},
    {CV::DeadBand3, "Tail RC dead band"},
    {CV::DeadBand4, "Tail gyro dead band"},
    {CV::PitchGainD, "Pitch D gain"},
    {CV::PitchGainI, "Pitch I gain"},
    {CV::PitchGainP, "Pitch P gain"},
    {CV::RollGainD, "Roll D gain"},
    {CV::RollGainI, "Roll I gain"},
    {CV::RollGainP, "Roll P gain"},
    {CV::TailCompsate1, "Collective to tail"},
    {CV::TailCompsate2, "Cyclic to tail"},
    {CV::TailGainD, "Yaw D gain"},
    {CV::TailGainI, "Yaw I gain"},
    {CV::TailGainP, "Yaw P gain"},
    {CV::ReceiverType, "Receiver type"},
};

// The Advance Menu's names of the values a file holds by TuningBlock byte.
struct NamedDirectKey {
    const char* key;
    const char* name;
};
constexpr NamedDirectKey kDirectKeyNames[] = {
    {"HardCoef", "Burst Coefficient"},
    {"RPMTotalGain", "Governor total gain"},
    {"RPMGainP", "Governor P gain"},
    {"RPMGainI", "Governor I gain"},
    {"RPMGainD", "Governor D gain"},
    {"RPMCompensate1", "Governor collective compensate"},
    {"RPMCompensate2", "Governor cyclic compensate"},
};

const char* NamedValueName(DeviceByte b) {
    for (const NamedValue& n : kPanelNames)
        if (Def(n.id).device == b) return n.name;
    return nullptr;
}

const char* DirectKeyName(DeviceByte b) {
    for (const DirectKeyDef& k : kDirectKeys)
        if (k.at == b)
            for (const NamedDirectKey& n : kDirectKeyNames)
                if (std::string_view(n.key) == k.key) return n.name;
    return nullptr;
}

void CompareBlock(BlockId block,
                  const int8_t* unit,
                  const int8_t* sent,
                  size_t size,
                  std::vector<ConfigChange>& changes) {
    for (size_t i = 0; i < size; ++i)
        if (unit[i] != sent[i]) changes.push_back({PanelName({block, static_cast<uint8_t>(i)}), unit[i], sent[i]});
}

}  // namespace

std::string PanelName(DeviceByte b) {
    if (const char* name = NamedValueName(b)) return name;
    if (const char* name = DirectKeyName(b)) return name;
    return ByteOf(b).name;
}

ConfigComparison CompareConfigFile(const std::string& path, const ParameterImage& unit) {
    ConfigComparison c;
    ConfigValues config;
    ImageToConfig(unit, config, CopyForm::MainView);
    PanelValues panel = PanelFromImage(unit);
    ParameterImage sent = unit;
    c.result = OpenConfigFile(path, config, sent, panel, c.check);
    if (!c.result.ok) return c;
    ConfigToImage(config, sent);
    CompareBlock(BlockId::Setup, unit.SetupBlock, sent.SetupBlock, kSetupBlockSize, c.changes);
    CompareBlock(BlockId::Tuning, unit.TuningBlock, sent.TuningBlock, kTuningBlockSize, c.changes);
    return c;
}

std::string ConfigComparison::Text() const {
    if (!result.ok) return result.message;
    std::string out;
    for (const ConfigChange& ch : changes)
        out += ch.name + ": " + std::to_string(ch.unitValue) + " \u2192 " + std::to_string(ch.fileValue) + "\n";
    if (changes.empty()) out = "Nothing would change: the Orvex already holds every value of this file.\n";
    const std::string note = check.Message();
    if (!note.empty()) out += "\n" + note + "\n";
    out.pop_back();
    return out;
}
