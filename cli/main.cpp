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
#include "link/PortList.h"
#include "params/ParameterTable.h"
#include "protocol/FrameTrace.h"

#include <fcntl.h>
#include <unistd.h>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {
bool g_json = false;  // --json: the answer as one JSON document

const char* const kUsage =
    "usage: quillon-cli [--trace FILE | -v] COMMAND ...\n"
    "       quillon-cli ports [--json]\n"
    "       quillon-cli info PORT [--json]\n"
    "       quillon-cli monitor PORT [--count N]\n"
    "       quillon-cli save PORT FILE\n"
    "       quillon-cli load PORT FILE\n"
    "       quillon-cli diff PORT FILE [--json]\n"
    "       quillon-cli flash PORT FILE\n"
    "       quillon-cli backup PORT FILE\n"
    "       quillon-cli restore PORT FILE\n"
    "       quillon-cli history [PORT]\n"
    "       quillon-cli doctor [PORT]\n"
    "       quillon-cli --version | --help\n"
    "PORT is a device path (/dev/ttyUSB0) or the name of a simulated port.\n"
    "--trace FILE logs every frame and every open and close of the port to FILE, -v to stderr.\n";

int Usage() {
    std::fputs(kUsage, stderr);
    return 2;
}

std::string PortJson(const PortEntry& p) {
    return JsonObject({{"path", JsonString(p.path)},
                       {"label", JsonString(p.label)},
                       {"stable_name", JsonString(p.stableName)},
                       {"simulated", p.simulated ? "true" : "false"},
                       {"product", JsonString(p.product)},
                       {"maker", JsonString(p.maker)},
                       {"serial", JsonString(p.serial)},
                       {"usb_id", JsonString(p.usbId)}});
}

int Ports(const std::vector<std::string>&) {
    std::vector<std::string> items;
    for (const PortEntry& p : ListPorts()) {
        if (g_json)
            items.push_back(PortJson(p));
        else
            std::printf("%s\n", p.label.c_str());
    }
    if (g_json) std::printf("%s\n", JsonArray(items).c_str());
    return 0;
}

template <size_t N, typename Name>
std::string BlockJson(const int8_t (&block)[N], Name name) {
    std::vector<std::string> items;
    for (size_t i = 0; i < N; ++i)
        items.push_back(JsonObject(
            {{"index", std::to_string(i)}, {"name", JsonString(name(i))}, {"value", std::to_string(block[i])}}));
    return JsonArray(items);
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
    std::printf(
        "%s\n",
        JsonObject({{"port", JsonString(s.path())},
                    {"firmware", JsonString(s.receiver().versionText())},
                    {"setup", BlockJson(image.SetupBlock, [](size_t i) { return kSetupBytes[i].name; })},
                    {"tuning", BlockJson(image.TuningBlock, [](size_t i) { return kTuningBytes[i].def.name; })}})
            .c_str());
    return 0;
}

struct CommandDef {
    const char* name;
    size_t minArgs, maxArgs;
    std::function<int(const std::vector<std::string>&)> run;
    bool json = false;  // takes --json
};
}  // namespace

namespace {
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
}  // namespace

int main(int argc, char** argv) {
    const CommandDef commands[] = {
        {"ports", 0, 0, Ports, true},
        {"info", 1, 1, Info, true},
        {"monitor", 1, 3, Monitor},
        {"save", 2, 2, SaveConfig},
        {"load", 2, 2, LoadConfig},
        {"diff", 2, 2, [](const auto& a) { return DiffConfig(a, g_json); }, true},
        {"flash", 2, 2, Flash},
        {"doctor", 0, 1, Doctor},
        {"backup", 2, 2, BackupUnit},
        {"restore", 2, 2, RestoreUnit},
        {"history", 0, 1, ListUnitHistory},
    };
    int first = 1;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> traceFile(nullptr, &std::fclose);
    std::atomic<int> traceFailed{0};
    for (; first < argc && argv[first][0] == '-'; ++first) {
        if (std::strcmp(argv[first], "--version") == 0) return std::printf("quillon-cli %s\n", QUILLON_VERSION) < 0;
        if (std::strcmp(argv[first], "--help") == 0) return std::fputs(kUsage, stdout) < 0;
        if (std::strcmp(argv[first], "-v") == 0) {
            TraceTo(stderr);
        } else if (std::strcmp(argv[first], "--trace") == 0 && first + 1 < argc) {
            std::string why;
            traceFile.reset(OpenTraceFile(argv[++first], why));
            if (!traceFile) {
                std::fprintf(stderr, "quillon-cli: cannot write the trace to '%s': %s\n", argv[first], why.c_str());
                return 2;
            }
            TraceTo(traceFile.get(), &traceFailed);
        } else {
            return Usage();
        }
    }
    if (argc <= first) return Usage();
    std::vector<std::string> args(argv + first + 1, argv + argc);
    for (const CommandDef& c : commands) {
        if (std::strcmp(argv[first], c.name) != 0) continue;
        if (const auto json = std::find(args.begin(), args.end(), "--json"); c.json && json != args.end()) {
            g_json = true;
            args.erase(json);
        }
        if (args.size() < c.minArgs || args.size() > c.maxArgs) return Usage();
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
    return Usage();
}
