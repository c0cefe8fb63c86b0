// orvex-sim: a simulated Orvex flight controller (or its boot loader) on a
// pseudo terminal, for tests and for trying the program without hardware.

#include "BootLoader.h"
#include "DeviceImage.h"
#include "OrvexDevice.h"
#include "PacedLine.h"
#include "PortRegistration.h"
#include "SimLog.h"
#include "SimOptions.h"
#include "SimRunner.h"

#include <sys/prctl.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>

using namespace orvexsim;

namespace {

int Fail(const std::string& message) {
    std::fprintf(stderr, "orvex-sim: %s\n", message.c_str());
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    // "--version N" sets the firmware version; alone it asks for the program's.
    if (argc == 2 && std::string(argv[1]) == "--version") {
        std::printf("orvex-sim %s\n", QUILLON_VERSION);
        return 0;
    }
    std::string error;
    const auto parsed = ParseSimOptions(argc, argv, error);
    if (!parsed) {
        Fail(error);
        std::fputs("Try 'orvex-sim --help'.\n", stderr);
        return 2;
    }
    const SimOptions& options = *parsed;
    if (options.help) {
        std::fputs(SimUsage(), stdout);
        return 0;
    }

    SimLog log;
    if (!options.logPath.empty() && !log.open(options.logPath))
        return Fail("cannot open log " + options.logPath + ": " + std::strerror(errno));

    DeviceImage image;
    if (!options.imagePath.empty() && !image.load(options.imagePath, error)) return Fail(error);

    // Wake-ups at the due times matter more than power here: 1 us slack.
    prctl(PR_SET_TIMERSLACK, 1000UL, 0, 0, 0);

    std::unique_ptr<PacedLine> line;
    try {
        line = std::make_unique<PacedLine>(options.baud);
    } catch (const std::exception& e) {
        return Fail(std::string("cannot create the pseudo terminal: ") + e.what());
    }
    if (!SimRunner::InstallSignalHandlers()) return Fail(std::string("cannot set up signals: ") + std::strerror(errno));

    PortRegistration registration;
    if (!registration.add(options.name, line->slavePath(), error)) return Fail(error);

    const Nanos start = Now();
    std::unique_ptr<LineHandler> handler;
    if (options.bootloader)
        handler = std::make_unique<BootLoader>(options, *line, log, start);
    else
        handler = std::make_unique<OrvexDevice>(options, image, *line, log, start);
    log.event(std::string(options.bootloader ? "bootloader" : "device") + " ready port=" + line->slavePath() +
              " baud=" + std::to_string(options.baud));

    std::printf("PORT %s\n", line->slavePath().c_str());
    std::fflush(stdout);

    const Nanos hangupAt =
        options.hangupAfterSeconds >= 0 ? start + static_cast<Nanos>(options.hangupAfterSeconds * kSecond) : kNever;
    SimRunner runner(*line, *handler, log, hangupAt);
    const int status = runner.run();
    registration.remove();
    return status;
}
