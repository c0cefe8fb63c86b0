// quillon-cli: the command-line companion of Quillon. It shares the core
// (link, frames, parameter image, configuration files, firmware transfer)
// with the program.

#include "cli/BackupCommands.h"
#include "cli/CliSession.h"
#include "cli/ConfigCommands.h"
#include "cli/Doctor.h"
#include "cli/Flash.h"
#include "cli/Json.h"
#include "cli/Monitor.h"
#include "cli/StopSignals.h"
#include "cli/ValueCommands.h"
#include "link/PortList.h"
#include "params/ParameterTable.h"
#include "protocol/FrameTrace.h"

#include <CLI/CLI.hpp>

#include <fcntl.h>
#include <unistd.h>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {
bool g_json = false;  // --json: the answer as one JSON document

Json PortJson(const PortEntry& p) {
    Json item;
    PutName(item, "path", p.path);
    PutName(item, "label", p.label);
    PutName(item, "stable_name", p.stableName);
    item["simulated"] = p.simulated;
    item["product"] = p.product;
    item["maker"] = p.maker;
    item["serial"] = p.serial;
    item["usb_id"] = p.usbId;
    return item;
}

int Ports(const std::vector<std::string>&) {
    Json doc = JsonDocument();
    doc["ports"] = Json::array();
    for (const PortEntry& p : ListPorts()) {
        if (g_json)
            doc["ports"].push_back(PortJson(p));
        else
            std::printf("%s\n", p.label.c_str());
    }
    if (g_json) PrintJson(doc);
    return 0;
}

template <size_t N>
Json BlockJson(const int8_t (&block)[N], BlockId id) {
    Json items = Json::array();
    for (size_t i = 0; i < N; ++i) {
        const DeviceByte at(id, static_cast<uint8_t>(i));
        Json item{{"index", i}, {"name", ByteOf(at).name}};
        PutKeyAndLabel(item, at);
        item["value"] = block[i];
        items.push_back(item);
    }
    return items;
}

int Info(const std::vector<std::string>& args) {
    CliSession s;
    std::string error;
    if (!s.Connect(args[0], kCliConnectTimeoutMs, error)) {
        std::fprintf(stderr, "quillon-cli: %s\n", error.c_str());
        return 1;
    }
    if (!g_json) {
        std::printf("Orvex Connected! %s\nFirmware %s\n", s.path().c_str(), s.receiver().versionText().c_str());
        std::fputs(DescribeImage(s.orvex().image).c_str(), stdout);
        return 0;
    }
    const ParameterImage& image = s.orvex().image;
    Json doc = JsonDocument();
    PutPort(doc, s.path(), args[0]);
    doc["firmware"] = s.receiver().versionText();
    doc["setup"] = BlockJson(image.SetupBlock, BlockId::Setup);
    doc["tuning"] = BlockJson(image.TuningBlock, BlockId::Tuning);
    PrintJson(doc);
    return 0;
}

struct CommandDef {
    const char* name;
    std::vector<const char*> positionals;  // "[PORT]": may be left out; "NAME...": one or more, last
    const char* summary;
    std::function<int(const std::vector<std::string>&)> run;
    bool json = false;  // takes --json
};

// monitor --count N, checked by the monitor itself.
std::optional<std::string> g_count;

const std::vector<CommandDef>& Commands() {
    static const std::vector<CommandDef> commands = {
        {"ports", {}, "Lists the ports as the program's port list does.", Ports, true},
        {"info", {"PORT"}, "Connects and prints the firmware version and the parameter image.", Info, true},
        {"monitor",
         {"PORT"},
         "Prints the six receiver channels live until interrupted (or N reports).",
         [](std::vector<std::string> a) {
             if (g_count) a.insert(a.end(), {"--count", *g_count});
             return Monitor(a);
         }},
        {"get",
         {"PORT", "NAME..."},
         "Prints the Orvex's values, each NAME a configuration-file key or a label.",
         [](const auto& a) { return GetValues(a, g_json); },
         true},
        {"set",
         {"PORT", "NAME=VALUE..."},
         "Sets the values in one frame; succeeds only when the Orvex confirms and reads them back.",
         [](const auto& a) { return SetValues(a, g_json); },
         true},
        {"save", {"PORT", "FILE"}, "Writes the Orvex's parameters to the configuration FILE.", SaveConfig},
        {"load", {"PORT", "FILE"}, "Sends the configuration FILE to the Orvex.", LoadConfig},
        {"diff",
         {"PORT", "FILE"},
         "Lists every value that load would change, sending nothing.",
         [](const auto& a) { return DiffConfig(a, g_json); },
         true},
        {"flash", {"PORT", "FILE"}, "Sends the firmware FILE to the boot loader.", Flash},
        {"backup", {"PORT", "FILE"}, "Writes every byte of the Orvex's parameter image to FILE.", BackupUnit},
        {"restore", {"PORT", "FILE"}, "Sends a backup FILE back to the Orvex and verifies it.", RestoreUnit},
        {"history",
         {"[PORT]"},
         "Lists the parameter images kept after every completed connect.",
         [](const auto& a) { return ListUnitHistory(a, g_json); },
         true},
        {"doctor", {"[PORT]"}, "Checks what usually keeps a connect from working and says how to fix it.", Doctor},
    };
    return commands;
}

constexpr const char* kPortHelp =
    "PORT is a device path (/dev/ttyUSB0) or the name of a simulated port.\n"
    "--trace FILE logs every frame and every open and close of the port to FILE, -v to stderr;\n"
    "both may stand anywhere on the line. -- ends the options.\n"
    "Exit status: 0 success, 1 failure, 2 bad arguments.\n";

std::string Synopsis(const CommandDef& c) {
    std::string line = c.name;
    for (const char* p : c.positionals) line += std::string(" ") + p;
    if (c.json) line += " [--json]";
    if (std::strcmp(c.name, "monitor") == 0) line += " [--count N]";
    return line;
}

std::string Usage() {
    std::string text = "usage: quillon-cli [--trace FILE | -v] COMMAND ...\n";
    for (const CommandDef& c : Commands()) text += "       quillon-cli " + Synopsis(c) + "\n";
    text +=
        "       quillon-cli help [COMMAND] | COMMAND --help\n"
        "       quillon-cli --version | --help\n";
    return text + kPortHelp;
}

struct Parsed {
    std::string trace;
    bool verbose = false, version = false;
    std::string helpTopic;
    bool valueNames = false;
    // The positionals of each command, as given; the words of a last "NAME..." in more.
    std::map<std::string, std::vector<std::string>> values, more;
    std::map<std::string, std::vector<const CLI::Option*>> options;
};

const char* PositionalHelp(const std::string& name) {
    if (name == "PORT") return "device path or simulated port name";
    if (name == "FILE") return "file name";
    if (name == "NAME") return "a value's configuration-file key or label, in any letter case";
    return "a value's key or label, '=' and a whole number within its range";
}

void AddCommand(CLI::App& app, const CommandDef& c, Parsed& parsed) {
    CLI::App* sub = app.add_subcommand(c.name, c.summary);
    std::vector<std::string>& values = parsed.values[c.name];
    values.resize(c.positionals.size());
    for (size_t i = 0; i < c.positionals.size(); ++i) {
        const std::string name = c.positionals[i];
        const bool optional = name.front() == '[';
        const bool many = name.ends_with("...");
        const std::string bare = optional ? name.substr(1, name.size() - 2)
                                 : many   ? name.substr(0, name.size() - 3)
                                          : name;
        CLI::Option* o = many ? sub->add_option(bare, parsed.more[c.name], PositionalHelp(bare))
                              : sub->add_option(bare, values[i], PositionalHelp(bare));
        o->type_name("");
        if (!optional) o->required();
        parsed.options[c.name].push_back(o);
    }
    if (c.json) sub->add_flag("--json", g_json, "the answer as one JSON document (see quillon-cli(1))");
    if (std::strcmp(c.name, "monitor") == 0)
        sub->add_option("--count", g_count, "stop after N reports")->type_name("N");
    sub->footer(kPortHelp);
}

void BuildParser(CLI::App& app, Parsed& parsed) {
    app.allow_extras();          // unknown words are named by CheckExtras
    app.fallthrough();           // global options after the command
    app.require_subcommand(-1);  // at most one command
    app.add_option("--trace", parsed.trace, "append the link log to FILE")->type_name("FILE");
    app.add_flag("-v", parsed.verbose, "write the link log to stderr");
    app.add_flag("--version", parsed.version, "print the version");
    // For the shell's completion: every value name get and set take, one a line.
    app.add_flag("--value-names", parsed.valueNames)->group("");
    for (const CommandDef& c : Commands()) AddCommand(app, c, parsed);
    app.add_subcommand("help", "Describes one command, or all.")
        ->add_option("COMMAND", parsed.helpTopic, "the command to describe")
        ->type_name("");
}

const CommandDef* Selected(const CLI::App& app) {
    for (const CommandDef& c : Commands())
        if (app.got_subcommand(c.name)) return &c;
    return nullptr;
}

// Words the parser did not take: the first is named.
int CheckExtras(const CLI::App& app) {
    std::vector<std::string> extras = app.remaining(true);
    // The parser keeps the "--" that ended the options among them.
    std::erase(extras, "--");
    if (extras.empty()) return 0;
    const std::string& word = extras.front();
    const CommandDef* c = Selected(app);
    const std::string command = c ? c->name : "";
    if (word.size() > 1 && word[0] == '-')
        return CliUsageError("unknown option '" + word.substr(0, word.find('=')) + "'", command);
    if (!c && !app.got_subcommand("help")) return CliUsageError("unknown command '" + word + "'");
    return CliUsageError("unexpected argument '" + word + "'", command);
}

int PrintHelp(const CLI::App& app, const std::string& topic) {
    if (topic.empty()) return std::fputs(Usage().c_str(), stdout) < 0;
    for (const CommandDef& c : Commands())
        if (topic == c.name) return std::fputs(app.get_subcommand(c.name)->help("quillon-cli").c_str(), stdout) < 0;
    return CliUsageError("unknown command '" + topic + "'");
}

// Appends to the trace file. A FIFO that nobody reads is refused at once
// rather than blocking the command for ever.
std::FILE* OpenTraceFile(const char* path, std::string& why) {
    const int fd = ::open(path, O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) {
        why = errno == ENXIO ? "no program is reading that FIFO" : std::strerror(errno);
        return nullptr;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::FILE* file = ::fdopen(fd, "a");
    if (!file) {
        why = std::strerror(errno);
        ::close(fd);
    }
    return file;
}

int RunCommand(const CommandDef& c, std::vector<std::string> args, const Parsed& parsed) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> traceFile(nullptr, &std::fclose);
    std::atomic<int> traceFailed{0};
    if (parsed.verbose) TraceTo(stderr);
    if (!parsed.trace.empty()) {
        std::string why;
        traceFile.reset(OpenTraceFile(parsed.trace.c_str(), why));
        if (!traceFile) {
            std::fprintf(stderr, "quillon-cli: cannot write the trace to '%s': %s\n", parsed.trace.c_str(),
                         why.c_str());
            return 2;
        }
        TraceTo(traceFile.get(), &traceFailed);
    }
    CatchStopSignals();
    const int status = c.run(args);
    // The session's last close is logged before the file goes.
    SetTraceHandler({});
    if (traceFile && std::fclose(traceFile.release()) != 0 && traceFailed == 0) {
        traceFailed = errno;
        std::fprintf(stderr, "quillon-cli: the trace could not be written: %s\n", std::strerror(errno));
    }
    if (const int signal = StopSignal()) return 128 + signal;
    return status != 0 ? status : traceFailed != 0 ? 1 : 0;
}

int RunCommandLine(int argc, char** argv) {
    CLI::App app("The command-line companion of Quillon for the Orvex.", "quillon-cli");
    Parsed parsed;
    BuildParser(app, parsed);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        const CommandDef* c = Selected(app);
        return PrintHelp(app, c ? c->name : "");
    } catch (const CLI::ParseError& e) {
        const CommandDef* c = Selected(app);
        return CliUsageError(e.what(), c ? c->name : "");
    }
    if (const int status = CheckExtras(app)) return status;
    if (parsed.version) return std::printf("quillon-cli %s\n", QUILLON_VERSION) < 0;
    if (parsed.valueNames) {
        for (const char* name : ValueNames()) std::printf("%s\n", name);
        return 0;
    }
    if (app.got_subcommand("help")) return PrintHelp(app, parsed.helpTopic);
    const CommandDef* c = Selected(app);
    if (!c) return CliUsageError("no command given");
    std::vector<std::string> args;
    for (size_t i = 0; i < c->positionals.size(); ++i)
        if (parsed.options[c->name][i]->count() > 0 && !std::string_view(c->positionals[i]).ends_with("..."))
            args.push_back(parsed.values[c->name][i]);
    args.insert(args.end(), parsed.more[c->name].begin(), parsed.more[c->name].end());
    return RunCommand(*c, args, parsed);
}

// Output that could not be written (a full disk, a closed pipe) is a failure.
int CheckStdout(int status) {
    const bool flushed = std::fflush(stdout) == 0;
    const int error = errno;
    if (flushed && !std::ferror(stdout)) return status;
    std::fprintf(stderr, "quillon-cli: the output could not be written: %s\n", std::strerror(flushed ? EIO : error));
    return status != 0 ? status : 1;
}
}  // namespace

int main(int argc, char** argv) { return CheckStdout(RunCommandLine(argc, argv)); }
