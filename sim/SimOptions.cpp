#include "SimOptions.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>
#include <vector>

namespace orvexsim {

namespace {

bool ParseLong(const std::string& text, long low, long high, long& out) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    long value = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || value < low || value > high) return false;
    out = value;
    return true;
}

bool ParseSeconds(const std::string& text, double& out) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    double value = std::strtod(text.c_str(), &end);
    if (errno != 0 || *end != '\0' || !std::isfinite(value) || value < 0 || value > 1e6) return false;
    out = value;
    return true;
}

bool ValidPortName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos && name.size() < 200;
}

// One option: whether it takes a value, and how it stores it (false: bad value).
struct OptionDef {
    bool takesValue;
    std::string valueHint;  // shown in the error message for a bad value
    std::function<bool(SimOptions&, const std::string&)> apply;
    bool bootOnly = false;
    bool frameOnly = false;
};

std::function<bool(SimOptions&, const std::string&)> IntInto(int SimOptions::*field, long low, long high) {
    return [field, low, high](SimOptions& o, const std::string& v) {
        long value = 0;
        if (!ParseLong(v, low, high, value)) return false;
        o.*field = static_cast<int>(value);
        return true;
    };
}

std::function<bool(SimOptions&, const std::string&)> TextInto(std::string SimOptions::*field) {
    return [field](SimOptions& o, const std::string& v) {
        if (v.empty()) return false;
        o.*field = v;
        return true;
    };
}

std::function<bool(SimOptions&, const std::string&)> FlagInto(bool SimOptions::*field) {
    return [field](SimOptions& o, const std::string&) {
        o.*field = true;
        return true;
    };
}

const std::map<std::string, OptionDef>& OptionTable() {
    // clang-format off
    static const std::map<std::string, OptionDef> table = {
        {"--help",             {false, "",                          FlagInto(&SimOptions::help)}},
        {"--name",             {true,  "a name without '/'",        [](SimOptions& o, const std::string& v) {
                                                                        if (!ValidPortName(v)) return false;
                                                                        o.name = v;
                                                                        return true;
                                                                    }}},
        {"--baud",             {true,  "a baud rate 0..4000000",    [](SimOptions& o, const std::string& v) { return ParseLong(v, 0, 4000000, o.baud); }}},
        {"--log",              {true,  "a file path",               TextInto(&SimOptions::logPath)}},
        {"--image",            {true,  "a file path",               TextInto(&SimOptions::imagePath),                  false, true}},
        {"--version",          {true,  "a number -32768..32767",    IntInto(&SimOptions::version, -32768, 32767)}},
        {"--drop-reply",       {true,  "a count 1..1000000",        IntInto(&SimOptions::dropEvery, 1, 1000000),       false, true}},
        {"--corrupt-checksum", {true,  "a count 1..1000000",        IntInto(&SimOptions::corruptEvery, 1, 1000000),    false, true}},
        {"--split-replies",    {true,  "milliseconds 0..60000",     IntInto(&SimOptions::splitGapMs, 0, 60000),        false, true}},
        {"--noise",            {false, "",                          FlagInto(&SimOptions::noise),                      false, true}},
        {"--stale-seq",        {false, "",                          FlagInto(&SimOptions::staleSeq),                   false, true}},
        {"--no-status",        {false, "",                          FlagInto(&SimOptions::noStatus),                   false, true}},
        {"--stop-reports",     {true,  "a report count 1..1000000", IntInto(&SimOptions::stopReportsAfter, 1, 1000000), false, true}},
        {"--stop-answering",   {true,  "a frame count 1..1000000",  IntInto(&SimOptions::stopAnsweringAt, 1, 1000000), false, true}},
        {"--answer-again",     {true,  "a frame count 1..1000000",  IntInto(&SimOptions::answerAgainAt, 1, 1000000),   false, true}},
        {"--hangup-after",     {true,  "seconds, e.g. 2 or 0.5",    [](SimOptions& o, const std::string& v) { return ParseSeconds(v, o.hangupAfterSeconds); }}},
        {"--bootloader",       {false, "",                          FlagInto(&SimOptions::bootloader)}},
        {"--firmware-out",     {true,  "a file path",               TextInto(&SimOptions::firmwareOut),                true}},
        {"--unprompted-c",     {false, "",                          FlagInto(&SimOptions::unpromptedC),                true}},
        {"--nak-block",        {true,  "a block number 1..1000000", IntInto(&SimOptions::nakBlock, 1, 1000000),        true}},
        {"--cancel-block",     {true,  "a block number 1..1000000", IntInto(&SimOptions::cancelBlock, 1, 1000000),     true}},
        {"--silent-block",     {true,  "a block number 1..1000000", IntInto(&SimOptions::silentBlock, 1, 1000000),     true}},
        {"--bad-handshake",    {false, "",                          FlagInto(&SimOptions::badHandshake),               true}},
        {"--hangup-block",     {true,  "a block number 1..1000000", IntInto(&SimOptions::hangupBlock, 1, 1000000),     true}},
    };
    // clang-format on
    return table;
}

}  // namespace

const char* SimUsage() {
    return "Usage: orvex-sim [options]\n"
           "A simulated Orvex on a pseudo terminal. Prints 'PORT <path>' as its first line\n"
           "and registers the port as <runtime>/orvex/ports/<name>, where <runtime> is\n"
           "$XDG_RUNTIME_DIR or /tmp/runtime-<user>. Ends on SIGINT or SIGTERM.\n"
           "\n"
           "  --name NAME             name of the port link (default orvex-sim)\n"
           "  --baud N                pace the line at 10 bits per byte (default 9600; 0 = unpaced)\n"
           "  --log FILE              write FRAME/BAD/EVENT/BOOT lines to FILE\n"
           "  --image FILE            parameter image (78 bytes): loaded if present, saved on change\n"
           "  --version N             firmware version x 100 (default 105); alone: the program's version\n"
           "  --hangup-after SECONDS  close the line and exit after this time\n"
           "  --help                  this text\n"
           "\n"
           "Faults of the framed protocol:\n"
           "  --drop-reply N          do not send every Nth reply\n"
           "  --corrupt-checksum N    send every Nth reply with a wrong checksum\n"
           "  --split-replies MS      send each reply as two chunks MS milliseconds apart\n"
           "  --noise                 put noise bytes between replies\n"
           "  --stale-seq             echo a wrong sequence number\n"
           "  --no-status             never send a status reply\n"
           "  --stop-reports N        the status stream falls silent after N reports in all\n"
           "  --stop-answering N      answer nothing from the Nth valid frame on (status reports stop too)\n"
           "  --answer-again M        ... and answer again from the Mth frame on\n"
           "\n"
           "Boot loader (XMODEM-CRC receiver):\n"
           "  --bootloader            act as the boot loader instead of the flight controller\n"
           "  --firmware-out FILE     write the received image here\n"
           "  --unprompted-c          send 'C' every second instead of waiting for 'd'\n"
           "  --bad-handshake         answer the wake-up byte with NAK\n"
           "  --nak-block K           answer NAK to block K (once)\n"
           "  --cancel-block K        answer CAN to block K (once)\n"
           "  --silent-block K        never answer block K or anything after it\n"
           "  --hangup-block K        close the line when block K arrives\n";
}

std::optional<SimOptions> ParseSimOptions(int argc, char** argv, std::string& error) {
    SimOptions options;
    std::vector<std::string> given;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        std::string value;
        bool inlineValue = false;
        if (auto eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = arg.substr(eq + 1);
            arg = arg.substr(0, eq);
            inlineValue = true;
        }
        auto it = OptionTable().find(arg);
        if (it == OptionTable().end()) {
            error = "unknown option '" + arg + "' (see --help)";
            return std::nullopt;
        }
        const OptionDef& option = it->second;
        if (option.takesValue && !inlineValue) {
            if (i + 1 >= argc) {
                error = "option '" + arg + "' needs " + option.valueHint;
                return std::nullopt;
            }
            value = argv[++i];
        } else if (!option.takesValue && inlineValue) {
            error = "option '" + arg + "' takes no value";
            return std::nullopt;
        }
        if (!option.apply(options, value)) {
            error = "bad value '" + value + "' for " + arg + ": expected " + option.valueHint;
            return std::nullopt;
        }
        given.push_back(arg);
    }
    for (const auto& arg : given) {
        const OptionDef& option = OptionTable().at(arg);
        if (option.bootOnly && !options.bootloader) {
            error = "option '" + arg + "' only applies with --bootloader";
            return std::nullopt;
        }
        if (option.frameOnly && options.bootloader) {
            error = "option '" + arg + "' does not apply with --bootloader";
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace orvexsim
