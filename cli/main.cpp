// quillon-cli: the command-line companion of Quillon. It shares the core
// (link, frames, parameter image, configuration files, firmware transfer)
// with the program.

#include "cli/CliSession.h"
#include "cli/ConfigCommands.h"
#include "cli/Flash.h"
#include "cli/Monitor.h"
#include "link/PortList.h"

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {
constexpr int kConnectTimeoutMs = 5000;

int Usage() {
    std::fprintf(stderr,
                 "usage: quillon-cli ports\n"
                 "       quillon-cli info PORT\n"
                 "       quillon-cli monitor PORT [--count N]\n"
                 "       quillon-cli save PORT FILE\n"
                 "       quillon-cli load PORT FILE\n"
                 "       quillon-cli diff PORT FILE\n"
                 "       quillon-cli flash PORT FILE\n"
                 "PORT is a device path (/dev/ttyUSB0) or the name of a simulated port.\n");
    return 2;
}

int Ports(const std::vector<std::string>&) {
    for (const PortEntry& p : ListPorts()) std::printf("%s%s\n", p.label.c_str(), p.simulated ? "  (simulated)" : "");
    return 0;
}

int Info(const std::vector<std::string>& args) {
    CliSession s;
    std::string error;
    if (!s.Connect(args[0], kConnectTimeoutMs, error)) {
        std::fprintf(stderr, "quillon-cli: %s\n", error.c_str());
        return 1;
    }
    std::printf("Orvex Connected! %s\nFirmware %s\n", s.path().c_str(), s.receiver().versionText().c_str());
    std::fputs(DescribeImage(s.orvex().image).c_str(), stdout);
    return 0;
}

struct CommandDef {
    const char* name;
    size_t minArgs, maxArgs;
    std::function<int(const std::vector<std::string>&)> run;
};
}  // namespace

int main(int argc, char** argv) {
    const CommandDef commands[] = {
        {"ports", 0, 0, Ports},     {"info", 1, 1, Info},       {"monitor", 1, 3, Monitor}, {"save", 2, 2, SaveConfig},
        {"load", 2, 2, LoadConfig}, {"diff", 2, 2, DiffConfig}, {"flash", 2, 2, Flash},
    };
    if (argc < 2) return Usage();
    std::vector<std::string> args(argv + 2, argv + argc);
    for (const CommandDef& c : commands) {
        if (std::strcmp(argv[1], c.name) != 0) continue;
        return args.size() >= c.minArgs && args.size() <= c.maxArgs ? c.run(args) : Usage();
    }
    return Usage();
}
