#include "cli/ConfigCommands.h"

#include "cli/CliSession.h"
#include "cli/Json.h"
#include "link/LinkError.h"
#include "link/LinkTrace.h"
#include "params/ConfigCompare.h"
#include "params/ConfigFile.h"

#include <cstdio>
#include <filesystem>

namespace {

// The menu's dialogs always give a full path: a name typed here is measured as
// the full path it stands for, so "cfg1" in the current folder is accepted.
bool NameLongEnough(const std::string& name) {
    std::error_code failed;
    const std::string full = std::filesystem::absolute(name, failed).string();
    return PathLongEnough(failed ? name : full);
}

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
    if (s.WaitForAnswer(LinkSession::kCommandAnswerMs) != AnswerOutcome::Answered) {
        error = s.path() + ": the config file was sent, but the Orvex did not confirm it";
        return false;
    }
    return true;
}
}  // namespace

int SaveConfig(const std::vector<std::string>& args) {
    const std::string& port = args[0];
    const std::string& chosen = args[1];
    if (!NameLongEnough(chosen)) return CliFail(kFileNameTooShort);
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
    if (!NameLongEnough(path)) {
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
Json ComparisonJson(const std::string& port, const CliSession& s, const std::string& path, const ConfigComparison& c) {
    Json doc = JsonDocument();
    PutPort(doc, s.path(), port);
    PutName(doc, "file", path);
    Json changes = Json::array(), missing = Json::array();
    for (const ConfigChange& change : c.changes) {
        Json item;
        PutKeyAndLabel(item, change.byte);
        item["unit"] = change.unitValue;
        item["file"] = change.fileValue;
        changes.push_back(item);
    }
    for (const std::string& key : c.check.missing) {
        Json item;
        PutKeyAndLabel(item, key);
        missing.push_back(item);
    }
    doc["changes"] = changes;
    doc["missing"] = missing;
    return doc;
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
    if (json)
        PrintJson(ComparisonJson(port, s, path, comparison));
    else
        std::printf("%s\n", comparison.Text().c_str());
    return 0;
}
