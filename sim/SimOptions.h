#pragma once
// Command line of orvex-sim.

#include <optional>
#include <string>

namespace orvexsim {

struct SimOptions {
    std::string name = "orvex-sim";
    long baud = 9600;  // 0: unpaced
    std::string logPath;
    std::string imagePath;
    int version = 105;  // firmware version x 100

    // Faults of the framed protocol.
    int dropEvery = 0;     // drop every Nth reply
    int corruptEvery = 0;  // wrong checksum on every Nth reply
    int splitGapMs = -1;   // send each reply in two chunks, this far apart
    bool noise = false;
    bool staleSeq = false;
    bool noStatus = false;
    int stopReportsAfter = 0;  // the status stream falls silent after this many reports
    double hangupAfterSeconds = -1;
    int stopAnsweringAt = 0;  // this valid frame and the ones after it get no answer
    int answerAgainAt = 0;    // ... until this one

    // Boot loader.
    bool bootloader = false;
    std::string firmwareOut;
    bool unpromptedC = false;
    int nakBlock = 0;
    int cancelBlock = 0;
    int silentBlock = 0;
    bool badHandshake = false;
    int hangupBlock = 0;

    bool help = false;
};

// Parses argv; on a bad option returns nothing and sets error to a message
// that names the option.
std::optional<SimOptions> ParseSimOptions(int argc, char** argv, std::string& error);

const char* SimUsage();

}  // namespace orvexsim
