#include "CliRunner.h"

#include "TestDataHome.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>

CliResult RunCli(const std::string& args, const std::string& runtimeDir, const std::string& runner) {
    UseTestDataHome();
    std::string cmd;
    if (!runtimeDir.empty()) cmd = "XDG_RUNTIME_DIR='" + runtimeDir + "' ";
    cmd += runner + QUILLON_CLI_PATH + " " + args + " 2>&1";
    CliResult r;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return r;
    std::array<char, 4096> buf;
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) r.out.append(buf.data(), n);
    const int st = pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return r;
}

namespace {
void AppendAvailable(int fd, std::string& text) {
    char buf[1024];
    ssize_t n;
    while ((n = read(fd, buf, sizeof buf)) > 0) text.append(buf, static_cast<size_t>(n));
}
}  // namespace

InterruptedCli RunCliUntilInterrupted(const std::vector<std::string>& argv,
                                      const std::function<bool(const std::string&)>& interruptWhen,
                                      int timeoutMs,
                                      int signal) {
    InterruptedCli r;
    UseTestDataHome();
    int out[2];
    if (pipe(out) != 0) return r;
    std::vector<char*> args;
    args.push_back(const_cast<char*>(QUILLON_CLI_PATH));
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    const pid_t pid = fork();
    if (pid < 0) {
        close(out[0]);
        close(out[1]);
        return r;
    }
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execv(QUILLON_CLI_PATH, args.data());
        _exit(127);
    }
    close(out[1]);
    fcntl(out[0], F_SETFL, O_NONBLOCK);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!interruptWhen(r.out) && std::chrono::steady_clock::now() < deadline) {
        const size_t before = r.out.size();
        AppendAvailable(out[0], r.out);
        if (r.out.size() == before) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (!interruptWhen(r.out)) ADD_FAILURE() << "quillon-cli did not print what was awaited in time:\n" << r.out;
    kill(pid, signal);
    while (waitpid(pid, &r.waitStatus, 0) < 0 && errno == EINTR) {}
    close(out[0]);
    return r;
}
