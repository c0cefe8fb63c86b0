#include "SimProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <pwd.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#ifndef ORVEX_SIM_PATH
#error "ORVEX_SIM_PATH must name the orvex-sim executable"
#endif

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPortLineTimeoutMs = 10000;
constexpr auto kPollStep = std::chrono::milliseconds(2);

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string DefaultRuntimeDir() {
    if (const char* dir = std::getenv("XDG_RUNTIME_DIR"); dir && *dir) return dir;
    const passwd* pw = getpwuid(getuid());
    return "/tmp/runtime-" + (pw && pw->pw_name ? std::string(pw->pw_name) : std::to_string(getuid()));
}

// Value of "--key value" or "--key=value" in args, or fallback.
std::string OptionValue(const std::vector<std::string>& args, const std::string& key, const std::string& fallback) {
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == key && i + 1 < args.size()) return args[i + 1];
        if (args[i].rfind(key + "=", 0) == 0) return args[i].substr(key.size() + 1);
    }
    return fallback;
}

std::vector<uint8_t> FromHex(const std::string& hex) {
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

// Calls ready() until it returns true or the time is up.
template <typename Ready>
bool WaitUntil(int timeoutMs, Ready ready) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (ready()) return true;
        if (Clock::now() >= deadline) return false;
        std::this_thread::sleep_for(kPollStep);
    }
}

}  // namespace

SimProcess::SimProcess(Options options) {
    std::vector<std::string> args = options.args;
    logPath_ = OptionValue(args, "--log", "");
    if (logPath_.empty()) {
        logPath_ = files_.file("sim.log");
        args.push_back("--log");
        args.push_back(logPath_);
    }
    stderrPath_ = files_.file("stderr.txt");
    if (options.registerInTempRuntime) {
        runtime_ = std::make_unique<TempDir>("orvex-runtime");
        runtimeDir_ = runtime_->path();
    } else {
        runtimeDir_ = DefaultRuntimeDir();
    }
    linkPath_ = runtimeDir_ + "/orvex/ports/" + OptionValue(args, "--name", "orvex-sim");
    start(args);
}

SimProcess::~SimProcess() { terminate(); }

void SimProcess::start(const std::vector<std::string>& args) {
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));

    std::vector<std::string> argStrings = {ORVEX_SIM_PATH};
    argStrings.insert(argStrings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : argStrings) argv.push_back(a.data());
    argv.push_back(nullptr);

    std::vector<std::string> envStrings;
    for (char** e = environ; *e; ++e)
        if (!runtime_ || std::strncmp(*e, "XDG_RUNTIME_DIR=", 16) != 0) envStrings.emplace_back(*e);
    if (runtime_) envStrings.push_back("XDG_RUNTIME_DIR=" + runtimeDir_);
    std::vector<char*> envp;
    for (auto& e : envStrings) envp.push_back(e.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, stderrPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int rc = posix_spawn(&pid_, ORVEX_SIM_PATH, &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    if (rc != 0) {
        ::close(out[0]);
        pid_ = -1;
        throw std::runtime_error(std::string("cannot start " ORVEX_SIM_PATH ": ") + std::strerror(rc));
    }
    try {
        readPortLine(out[0]);
    } catch (...) {
        ::close(out[0]);
        terminate();
        throw;
    }
    ::close(out[0]);
}

void SimProcess::readPortLine(int fd) {
    std::string text;
    const auto deadline = Clock::now() + std::chrono::milliseconds(kPortLineTimeoutMs);
    while (text.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd p{fd, POLLIN, 0};
        if (left <= 0 || poll(&p, 1, static_cast<int>(left)) == 0)
            throw std::runtime_error("orvex-sim printed no PORT line within 10 s; its errors: " + stderrText());
        char buffer[256];
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            reap(true);
            throw std::runtime_error("orvex-sim ended before its PORT line; its errors: " + stderrText());
        }
        text.append(buffer, static_cast<size_t>(n));
    }
    const std::string line = text.substr(0, text.find('\n'));
    if (line.rfind("PORT ", 0) != 0 || line.size() <= 5)
        throw std::runtime_error("orvex-sim's first line is not a PORT line: " + line);
    portPath_ = line.substr(5);
}

std::vector<SimFrame> SimProcess::ParseFrames(const std::string& logText) {
    std::vector<SimFrame> frames;
    std::istringstream lines(logText);
    std::string line;
    while (std::getline(lines, line)) {
        if (lines.eof()) break;  // a line still being written has no newline yet
        if (line.rfind("FRAME ", 0) != 0) continue;
        SimFrame frame;
        std::istringstream fields(line.substr(6));
        std::string field;
        while (fields >> field) {
            const auto eq = field.find('=');
            if (eq == std::string::npos) continue;
            const std::string key = field.substr(0, eq), value = field.substr(eq + 1);
            if (key == "code")
                frame.code = std::stoi(value);
            else if (key == "seq")
                frame.seq = std::stoi(value);
            else if (key == "req")
                frame.req = std::stoi(value);
            else if (key == "len")
                frame.len = std::stoi(value);
            else if (key == "payload")
                frame.payload = FromHex(value);
            else if (key == "raw")
                frame.raw = FromHex(value);
        }
        frames.push_back(std::move(frame));
    }
    return frames;
}

std::vector<SimFrame> SimProcess::frames() const { return ParseFrames(logText()); }

std::string SimProcess::logText() const { return ReadFile(logPath_); }

std::string SimProcess::stderrText() const { return ReadFile(stderrPath_); }

bool SimProcess::waitForFrames(size_t count, int timeoutMs) {
    return WaitUntil(timeoutMs, [&] { return frames().size() >= count; });
}

bool SimProcess::waitForLog(const std::string& text, int timeoutMs) {
    return WaitUntil(timeoutMs, [&] { return logText().find(text) != std::string::npos; });
}

bool SimProcess::reap(bool block) {
    if (pid_ < 0) return true;
    int status = 0;
    pid_t r;
    do {
        r = waitpid(pid_, &status, block ? 0 : WNOHANG);
    } while (r < 0 && errno == EINTR);
    if (r == pid_ || (r < 0 && errno == ECHILD)) {
        status_ = r == pid_ ? status : -1;
        pid_ = -1;
        return true;
    }
    return false;
}

bool SimProcess::running() { return !reap(false); }

bool SimProcess::waitForExit(int timeoutMs) {
    return WaitUntil(timeoutMs, [&] { return reap(false); });
}

void SimProcess::terminate() {
    if (pid_ < 0 || reap(false)) return;
    kill(pid_, SIGTERM);
    if (waitForExit(5000)) return;
    kill(pid_, SIGKILL);
    reap(true);
}
