// Figures of the main window, printed (not checked):
//   1. start-up: from process start to the first painted main window
//      (offscreen), measured over fresh processes of this program, in English
//      and in Simplified Chinese taking turns, with their ratio;
//   2. resident memory (VmRSS, and of it the file-backed pages: libraries,
//      fonts, translations) of those processes once connected to orvex-sim,
//      per language and as a ratio;
//   3. the connect handshake through the window (Connect pressed until
//      "Orvex Connected!" shows) against orvex-sim paced at 9600 baud, beside
//      the line's own minimum: five 90-byte frames of 10 bits per byte
//      (request, reply, acknowledge and request, reply, acknowledge, with the
//      replies overlapping the requests), 469 ms; target ratio <= 1.15;
//   4. from sending a frame a silent unit never answers to the status bar
//      saying so;
//   5. CPU of the program with the wizard's Monitor page open while the
//      device streams its status reports;
//   6. Edit > Undo at 9600 baud: from the command to the unit's answer to the
//      undo's frame, beside the line's minimum: the parameter frame proper
//      out (87 bytes; its padding follows while the unit answers) and the
//      acknowledgement's 9 bytes back, 100 ms.
//
// Every run starts the program as its main() does: the application, its
// filters (wheel guard, focus frame, screen fit), then CUARTApp. Figures 3-6
// are taken in the language of the environment (LANG). The settings are a
// fresh folder of the run's own, so a language chosen in Help > Language
// does not override LANG.
//
//   bench_startup [runs]

#include "app/CMainFrame.h"
#include "app/CUARTApp.h"
#include "app/CUARTView.h"
#include "app/PortComboBox.h"
#include "params/Orvex.h"
#include "widgets/ApplicationFilters.h"
#include "widgets/ControlNaming.h"
#include "widgets/Skin.h"
#include "wizard/CSetupWizard.h"

#include <QApplication>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>

#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kChildFlag = "--child-startup";
constexpr double kLineMinimumMs = 5 * 90 * 10 * 1000.0 / 9600;
constexpr int kWaitMs = 20000;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Runs a program with its standard output on a pipe; returns the pid.
pid_t Spawn(const std::vector<std::string>& args, int& outFd, char** envp = environ) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    outFd = pipeFds[0];
    return pid;
}

// The lines a child prints, one at a time.
class Lines {
public:
    explicit Lines(int fd) : fd_(fd) {}

    // The next line, or "" after the time-out.
    std::string Next(int timeoutMs) {
        const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
        while (text_.find('\n') == std::string::npos) {
            const int left = static_cast<int>(
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count());
            pollfd p{fd_, POLLIN, 0};
            if (left <= 0 || poll(&p, 1, left) <= 0) return {};
            char buffer[256];
            const ssize_t n = read(fd_, buffer, sizeof buffer);
            if (n <= 0) return {};
            text_.append(buffer, static_cast<size_t>(n));
        }
        const size_t end = text_.find('\n');
        const std::string line = text_.substr(0, end);
        text_.erase(0, end + 1);
        return line;
    }

private:
    int fd_;
    std::string text_;
};

// ---- the simulator and the main window --------------------------------------

struct Sim {
    pid_t pid = -1;
    std::string link;

    bool Start(const std::string& runtime, const char* baud, std::vector<std::string> extra = {}) {
        int out = -1;
        std::vector<std::string> args{ORVEX_SIM_PATH, "--baud", baud};
        args.insert(args.end(), extra.begin(), extra.end());
        pid = Spawn(args, out);
        const std::string line = Lines(out).Next(kWaitMs);
        close(out);
        link = runtime + "/orvex/ports/orvex-sim";
        return pid > 0 && line.rfind("PORT ", 0) == 0;
    }
    ~Sim() {
        if (pid <= 0) return;
        kill(pid, SIGTERM);
        int status = 0;
        waitpid(pid, &status, 0);
    }
};

bool WaitUntil(const std::function<bool()>& done) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(kWaitMs);
    while (!done()) {
        if (Clock::now() > deadline) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    return true;
}

bool ChoosePort(CUARTView& view, const std::string& path) {
    PortComboBox* combo = view.portList();
    combo->showPopup();  // the drop-down fills the list afresh
    combo->hidePopup();
    const int row = combo->findData(QString::fromStdString(path));
    if (row < 0) return false;
    combo->setCurrentIndex(row);
    emit combo->activated(row);
    return true;
}

// Presses Connect and returns the time until "Orvex Connected!" shows; < 0 on failure.
double Handshake(CMainFrame& frame) {
    const auto start = Clock::now();
    frame.view()->connectButton()->click();
    // In the language the program shows.
    const QString connected = QCoreApplication::translate("CUARTView", "Orvex Connected!");
    const bool ok = WaitUntil([&] { return frame.statusText() == connected; });
    return ok ? Ms(Clock::now() - start) : -1;
}

// A figure of /proc/self/status in kB ("VmRSS:", "RssFile:").
long StatusKb(const std::string& wanted) {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == wanted) {
            long kb = 0;
            status >> kb;
            return kb;
        }
        status.ignore(1 << 16, '\n');
    }
    return -1;
}

// ---- 1 and 2: start-up and memory, in fresh processes, per language ----------

struct StartLanguage {
    const char* name;
    const char* lang;  // the child's LANG
};
constexpr StartLanguage kStartLanguages[] = {{"English", "en_US.UTF-8"}, {"Simplified Chinese", "zh_CN.UTF-8"}};

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted_ = true;
        return QObject::eventFilter(watched, event);
    }
    bool painted() const { return painted_; }

private:
    bool painted_ = false;
};

void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

// Says "painted" once the main window has painted (the paint has finished when
// the event loop returns), then, connected to the simulator's port argv[2],
// "memory <VmRSS> <RssFile>" in kB.
int ChildStartup(int argc, char** argv) {
    const std::string link = argc > 2 ? argv[2] : "";
    QApplication application(argc, argv);
    InstallApplicationFilters();
    CUARTApp app;
    if (!app.InitInstance()) return 1;
    CMainFrame& frame = *app.mainFrame();
    FirstPaint watch;
    frame.view()->installEventFilter(&watch);
    if (!WaitUntil([&] { return watch.painted(); })) return 1;
    Say("painted");
    if (ChoosePort(*frame.view(), link) && Handshake(frame) >= 0)
        Say("memory " + std::to_string(StatusKb("VmRSS:")) + " " + std::to_string(StatusKb("RssFile:")));
    frame.close();
    app.ExitInstance();
    return 0;
}

// This process's environment with LANG set to `lang` and nothing that would override it.
std::vector<std::string> EnvironmentIn(const char* lang) {
    std::vector<std::string> env{std::string("LANG=") + lang};
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const std::string key = entry.substr(0, entry.find('='));
        if (key != "LANG" && key != "LANGUAGE" && key != "LC_ALL" && key != "LC_MESSAGES") env.push_back(entry);
    }
    return env;
}

struct StartFigures {
    std::vector<double> ms, residentKb, fileKb;
};

// One start of the program in `lang`, connected to a simulator of its own.
bool StartOnce(const std::string& self, const std::string& runtime, const char* lang, StartFigures& figures) {
    Sim sim;
    if (!sim.Start(runtime, "0")) return false;
    std::vector<std::string> env = EnvironmentIn(lang);
    std::vector<char*> envp;
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    int out = -1;
    const auto start = Clock::now();
    const pid_t pid = Spawn({self, kChildFlag, sim.link}, out, envp.data());
    Lines lines(out);
    const std::string painted = lines.Next(kWaitMs);
    const double ms = Ms(Clock::now() - start);
    const std::string memory = lines.Next(kWaitMs);
    close(out);
    int status = 0;
    waitpid(pid, &status, 0);
    long resident = 0, file = 0;
    if (painted != "painted" || std::sscanf(memory.c_str(), "memory %ld %ld", &resident, &file) != 2) return false;
    figures.ms.push_back(ms);
    figures.residentKb.push_back(static_cast<double>(resident));
    figures.fileKb.push_back(static_cast<double>(file));
    return true;
}

// The languages take turns, so a busy moment of the machine falls on both alike.
int MeasureStartup(const std::string& self, const std::string& runtime, int runs) {
    StartFigures figures[std::size(kStartLanguages)];
    for (int i = 0; i < runs; ++i)
        for (size_t l = 0; l < std::size(kStartLanguages); ++l)
            if (!StartOnce(self, runtime, kStartLanguages[l].lang, figures[l])) {
                std::printf("start-up: run %d in %s failed\n", i + 1, kStartLanguages[l].name);
                return 1;
            }
    std::printf("start-up to first painted window, resident memory once connected (%d runs each, taking turns):\n",
                runs);
    for (size_t l = 0; l < std::size(kStartLanguages); ++l) {
        const StartFigures& f = figures[l];
        std::printf("  %-18s median %.1f ms, best %.1f ms; median %.0f kB resident, %.0f kB of it file-backed\n",
                    kStartLanguages[l].name, Median(f.ms), *std::min_element(f.ms.begin(), f.ms.end()),
                    Median(f.residentKb), Median(f.fileKb));
    }
    const StartFigures &english = figures[0], &chinese = figures[1];
    std::printf("  %s against %s: start-up %.3f, resident memory %.3f (target <= 1.10 each)\n", kStartLanguages[1].name,
                kStartLanguages[0].name, Median(chinese.ms) / Median(english.ms),
                Median(chinese.residentKb) / Median(english.residentKb));
    return 0;
}

// 4. A unit that stops answering: from sending the frame it never answers
// to the status bar saying so.
int MeasureSilence(CMainFrame& frame, const std::string& runtime) {
    const QString notAnswering = QCoreApplication::translate(
        "CUARTView", "Orvex is not answering \u2014 the last change may not have reached it");
    std::vector<double> times;
    for (int i = 0; i < 3; ++i) {
        Sim sim;
        // The handshake is frames 1-4; the fifth goes unanswered.
        if (!sim.Start(runtime, "9600", {"--stop-answering", "5"}) || !ChoosePort(*frame.view(), sim.link) ||
            Handshake(frame) < 0)
            break;
        const auto start = Clock::now();
        Command::WriteParameters(TheOrvex());
        if (!WaitUntil([&] { return frame.statusText() == notAnswering; })) break;
        times.push_back(Ms(Clock::now() - start));
    }
    if (times.size() != 3) {
        std::printf("silence: not noticed (%s)\n", qPrintable(frame.statusText()));
        return 1;
    }
    std::printf("unit silent to status bar saying so: median %.1f ms, best %.1f ms (3 runs at 9600 baud)\n",
                Median(times), *std::min_element(times.begin(), times.end()));
    return 0;
}

// 6. Undo of a change the unit has confirmed, until it confirms the undo.
int MeasureUndo(CMainFrame& frame, const std::string& runtime) {
    constexpr double kMinimumMs = (87 + 9) * 10 * 1000 / 9600.0;
    Sim sim;
    if (!sim.Start(runtime, "9600") || !ChoosePort(*frame.view(), sim.link) || Handshake(frame) < 0) {
        std::printf("undo: could not connect\n");
        return 1;
    }
    Orvex& o = TheOrvex();
    const auto lastConfirmed = [&o] {
        return !o.changes.entries().empty() && o.changes.entries().back().confirmation == Confirmation::Confirmed;
    };
    std::vector<double> times;
    for (int i = 0; i < 5; ++i) {
        *BytePtr(o.image, Bytes::RollGain) = static_cast<int8_t>(50 + i);
        SendParameters(o);
        if (!WaitUntil(lastConfirmed)) break;
        const auto start = Clock::now();
        frame.undoAction()->trigger();
        if (!WaitUntil(lastConfirmed) || o.changes.entries().back().kind != ChangeKind::Undo) break;
        times.push_back(Ms(Clock::now() - start));
    }
    if (times.size() != 5) {
        std::printf("undo: not confirmed (%s)\n", qPrintable(frame.statusDetail()));
        return 1;
    }
    std::printf(
        "undo to the unit's confirmation at 9600 baud: median %.1f ms, best %.1f ms (5 runs); line minimum "
        "%.1f ms; ratio %.3f\n",
        Median(times), *std::min_element(times.begin(), times.end()), kMinimumMs, Median(times) / kMinimumMs);
    return 0;
}

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// 5. CPU of the whole program while the wizard's Monitor page shows the
// status reports the device streams (ten a second).
int MeasureMonitorCpu(CMainFrame& frame, const std::string& runtime) {
    constexpr int kSeconds = 30;
    Sim sim;
    if (!sim.Start(runtime, "9600") || !ChoosePort(*frame.view(), sim.link) || Handshake(frame) < 0) {
        std::printf("monitor CPU: could not connect\n");
        return 1;
    }
    CSetupWizard wizard(TheOrvex(), frame.view());
    wizard.show();
    for (int i = 0; i < 2; ++i)
        if (auto* next = wizard.findChild<QPushButton*>(ControlName(WizardIds::Next), Qt::FindDirectChildrenOnly))
            next->click();
    const uint32_t before = TheOrvex().LinkPort.BytesRead();
    WaitUntil([&] { return TheOrvex().LinkPort.BytesRead() > before + 10 * 90; });  // reports are streaming
    const uint32_t bytesBefore = TheOrvex().LinkPort.BytesRead();
    const double cpuBefore = CpuSeconds();
    const auto start = Clock::now();
    QEventLoop idle;  // waits for events without spinning, unlike processEvents with a time limit
    QTimer::singleShot(kSeconds * 1000, &idle, &QEventLoop::quit);
    idle.exec();
    const double cpu = CpuSeconds() - cpuBefore, wall = Ms(Clock::now() - start) / 1000;
    const double reports = (TheOrvex().LinkPort.BytesRead() - bytesBefore) / 90.0;
    std::printf("Monitor page open, %.1f reports/s: %.2f %% of a core over %d s (target < 2 %%)\n", reports / wall,
                100 * cpu / wall, kSeconds);
    wizard.reject();
    return 0;
}

int MeasureLink(int argc, char** argv, int runs, const std::string& runtime) {
    QApplication application(argc, argv);
    InstallApplicationFilters();
    CUARTApp app;
    if (!app.InitInstance()) return 1;
    CMainFrame& frame = *app.mainFrame();
    int result = 0;
    {
        // A first connection, untimed: the handshakes below find the link's code warm.
        Sim sim;
        if (!sim.Start(runtime, "0") || !ChoosePort(*frame.view(), sim.link) || Handshake(frame) < 0) {
            std::printf("link: could not connect to orvex-sim\n");
            result = 1;
        }
    }
    if (result == 0) {
        // A fresh paced device for every run: each handshake starts on a quiet line.
        std::vector<double> times;
        for (int i = 0; i < runs; ++i) {
            Sim sim;
            if (!sim.Start(runtime, "9600") || !ChoosePort(*frame.view(), sim.link)) break;
            const double ms = Handshake(frame);
            if (ms < 0) break;
            times.push_back(ms);
        }
        if (static_cast<int>(times.size()) != runs) {
            std::printf("handshake: failed after %zu runs (%s; %s)\n", times.size(), qPrintable(frame.statusText()),
                        qPrintable(frame.statusDetail()));
            result = 1;
        } else {
            const double median = Median(times);
            std::printf(
                "handshake at 9600 baud: median %.1f ms, best %.1f ms (%d runs); line minimum %.1f ms; "
                "ratio %.3f (target <= 1.15)\n",
                median, *std::min_element(times.begin(), times.end()), runs, kLineMinimumMs, median / kLineMinimumMs);
        }
    }
    if (result == 0)
        result = MeasureSilence(frame, runtime) | MeasureMonitorCpu(frame, runtime) | MeasureUndo(frame, runtime);
    frame.close();
    app.ExitInstance();
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (argc > 1 && std::strcmp(argv[1], kChildFlag) == 0) return ChildStartup(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    char self[4096] = {};
    if (readlink("/proc/self/exe", self, sizeof self - 1) <= 0) return 1;
    // A private runtime folder: the simulator registers its port there, and
    // the user's own simulators stay out of the list.
    char runtimeTemplate[] = "/tmp/quillon-bench-XXXXXX";
    if (!mkdtemp(runtimeTemplate)) return 1;
    const std::string runtime = runtimeTemplate;
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (runtime + "/config").c_str(), 1);
    const int result = MeasureStartup(self, runtime, runs) | MeasureLink(1, argv, runs, runtime);
    std::system(("rm -rf '" + runtime + "'").c_str());
    return result;
}
