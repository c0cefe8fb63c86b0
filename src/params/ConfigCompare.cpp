#include "params/ConfigCompare.h"

#include "params/Orvex.h"

namespace {

void CompareBlock(BlockId block,
                  const int8_t* unit,
                  const int8_t* sent,
                  size_t size,
                  std::vector<ConfigChange>& changes) {
    for (size_t i = 0; i < size; ++i) {
        const DeviceByte b(block, static_cast<uint8_t>(i));
        if (unit[i] != sent[i]) changes.push_back({b, Label(b), unit[i], sent[i]});
    }
}

}  // namespace

ConfigComparison CompareConfigFile(const std::string& path, const ParameterImage& unit) {
    ConfigComparison c;
    ConfigValues config;
    ImageToConfig(unit, config, CopyForm::MainView);
    PanelValues panel = PanelFromImage(unit);
    ParameterImage sent = unit;
    c.result = OpenConfigFile(path, config, sent, panel, c.check);
    if (!c.result.ok) return c;
    ConfigToImageForTransmit(config, sent);
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
