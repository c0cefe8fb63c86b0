#include "cli/ConfigCommands.h"

#include "cli/CliSession.h"
#include "cli/Json.h"
#include "link/LinkError.h"
#include "link/LinkTrace.h"
#include "params/ConfigCompare.h"
#include "params/ConfigFile.h"

#include <cstdio>

namespace {
// The device answers a parameter frame at once; at 9600 baud that takes well
// under a second.
constexpr int kAnswerTimeoutMs = 5000;

bool Connect(CliSession& s, const std::string& port, std::string& error) {
    return s.Connect(port, kCliConnectTimeoutMs, error);
}

// "Transmit Conifg file": the named values into the image, and the image to
// the device. Returns false with a message when the frame did not go out.
bool Transmit(CliSession& s, std::string& error) {
    Orvex& o = s.orvex();
    const std::string kept = ConfigToImageForTransmit(o.config, o.image);
    if (!kept.empty()) std::printf("%s\n", kept.c_str());
    if (SendParameters(o) != SendResult::Written) {
        error = "the config file could not be sent: " + DescribeLinkFailure(s.path(), o.LinkPort.LastFailure());
        return false;
    }
    o.LinkPort.Flush();
    if (s.WaitForAnswer(kAnswerTimeoutMs) != AnswerOutcome::Answered) {
        error = s.path() + ": the config file was sent, but the Orvex did not confirm it";
        return false;
    }
    return true;
}
}  // namespace

int SaveConfig(const std::vector<std::string>& args) {
    const std::string& port = args[0];
    const std::string& chosen = args[1];
    if (!PathLongEnough(chosen)) return CliFail(kFileNameTooShort);
    const std::string path = SavePathWithExtension(chosen);

    CliSession s;
    std::string error;
    if (!Connect(s, port, error)) return CliFail(error);
    // What the main view holds right after a connect: the named values and the
    // panel both taken from the device's image.
    Orvex& o = s.orvex();
    ImageToConfig(o, CopyForm::MainView);
    const PanelValues panel = PanelFromImage(o.image);
    const ConfigFileResult result = WriteConfigFile(path, o.config, o.image, panel);
    if (!result.ok) return CliFail(result.message);
    std::printf("Saved the Orvex's parameters to %s\n", path.c_str());
    return 0;
}

namespace {
// A file that cannot be read, or holds a value outside its range, stops
// everything before the device is touched.
bool FileAcceptable(const std::string& path, std::string& error) {
    ConfigValues cv;
    ParameterImage image;
    PanelValues panel;
    ConfigFileCheck check;
    const ConfigFileResult result = OpenConfigFile(path, cv, image, panel, check);
    error = result.message;
    return result.ok;
}

// What load and diff do first: the file is looked at before the device is touched.
bool CheckFileAndConnect(CliSession& s, const std::string& port, const std::string& path, std::string& error) {
    if (!PathLongEnough(path)) {
        error = kFileNameTooShort;
        return false;
    }
    return FileAcceptable(path, error) && Connect(s, port, error);
}
}  // namespace

int LoadConfig(const std::vector<std::string>& args) {
    const std::string& port = args[0];
    const std::string& path = args[1];
    CliSession s;
    std::string error;
    if (!CheckFileAndConnect(s, port, path, error)) return CliFail(error);
    // As the user would: connect, "Open conifg file", "Transmit Conifg file".
    // The file is opened after the connect because the device's parameter
    // reply replaces whatever was opened before it; keys the file lacks keep
    // the device's values.
    Orvex& o = s.orvex();
    PanelValues panel = PanelFromImage(o.image);
    ConfigFileCheck check;
    const ConfigFileResult opened = OpenConfigFile(path, o.config, o.image, panel, check);
    if (!opened.ok) return CliFail(opened.message);
    if (!check.missing.empty()) std::printf("%s\n", check.Message().c_str());
    if (!Transmit(s, error)) return CliFail(error);
    std::printf("The config file has been Transmitted to Orvex!\n");
    return 0;
}

namespace {
std::string ComparisonJson(const std::string& port, const std::string& path, const ConfigComparison& c) {
    std::vector<std::string> changes, missing;
    for (const ConfigChange& change : c.changes)
        changes.push_back(JsonObject({{"name", JsonString(change.name)},
                                      {"unit", std::to_string(change.unitValue)},
                                      {"file", std::to_string(change.fileValue)}}));
    for (const std::string& key : c.check.missing) missing.push_back(JsonString(key));
    return JsonObject({{"port", JsonString(port)},
                       {"file", JsonString(path)},
                       {"changes", JsonArray(changes)},
                       {"missing", JsonArray(missing)}});
}
}  // namespace

int DiffConfig(const std::vector<std::string>& args, bool json) {
    const std::string& port = args[0];
    const std::string& path = args[1];
    CliSession s;
    std::string error;
    if (!CheckFileAndConnect(s, port, path, error)) return CliFail(error);
    const ConfigComparison comparison = CompareConfigFile(path, s.orvex().image);
    if (!comparison.result.ok) return CliFail(comparison.result.message);
    const std::string text = json ? ComparisonJson(port, path, comparison) : comparison.Text();
    std::printf("%s\n", text.c_str());
    return 0;
}
