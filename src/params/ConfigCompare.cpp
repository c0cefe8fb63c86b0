#include "params/ConfigCompare.h"

#include "params/Orvex.h"
#include "params/UnitBackup.h"

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

CoreText ConfigComparison::ReportText() const {
    if (!result.ok) return result.text;
    std::vector<ByteChange> moves;
    for (const ConfigChange& ch : changes)
        moves.push_back({ch.byte, static_cast<int8_t>(ch.unitValue), static_cast<int8_t>(ch.fileValue)});
    std::vector<CoreText> parts{
        changes.empty() ? CoreText::Of("ConfigCompare", QT_TRANSLATE_NOOP("ConfigCompare",
                                                                          "Nothing would change: the Orvex "
                                                                          "already holds every value of this file."))
                        : ChangesText(moves)};
    if (!check.missing.empty() || check.Refused()) parts.push_back(check.MessageText());
    return CoreText::Joined(parts, "\n\n");
}
