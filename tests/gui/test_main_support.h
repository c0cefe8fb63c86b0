#pragma once
// What the main window tests share: a fresh device state and an empty port
// registry per test, the main frame shown offscreen, a simulated Orvex on a
// pty, choosing a port the way a user does, and reading what the device got.

#include "SimProcess.h"
#include "TempDir.h"
#include "app/CMainFrame.h"
#include "app/CUARTView.h"
#include "params_ui/MainFormLayout.h"
#include "widgets/ControlNaming.h"
#include "widgets/Dialogs.h"

#include <gtest/gtest.h>

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QLineEdit;
class QPushButton;
class QSlider;

namespace mainwin {

constexpr int kWaitMs = 15000;  // generous: the machine may be loaded

// Processes events until cond holds or the time is up; returns cond().
bool Until(const std::function<bool()>& cond, int timeoutMs = kWaitMs);
// What the program has asked of the user, waiting until it asks something:
// an outcome that waits for the unit's answer comes after the command returns.
QList<Dialogs::Request> AwaitRequests();

// Byte k of the image as a ParameterFrame carried it (payload = frame bytes 2..79).
uint8_t SetupByte(const SimFrame& frame, int k);
uint8_t TuningByte(const SimFrame& frame, int k);

// The simulator's frames of one code (10 query, 30 parameters, 50 action).
std::vector<SimFrame> WithCode(const std::vector<SimFrame>& frames, int code);

// Whether the three lamps on the form show picture id (241 off, 242 on).
bool LampsShow(CUARTView& view, int id);

// TuningBlock values of the five presets, column by column, as the device
// must receive them; kKept where a preset leaves the byte as it was.
constexpr int kKept = -1000;
extern const std::array<std::array<int, 5>, 46> kPresetColumns;

}  // namespace mainwin

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    CMainFrame& OpenFrame();
    CMainFrame& frame() { return *frame_; }
    CUARTView& view() { return *frame_->view(); }
    template <typename T>
    T* Control(int id) {
        return view().findChild<T*>(ControlName(id));
    }
    QSlider* Slider(int id);
    QLineEdit* Edit(int id);
    QPushButton* Button(int id);
    void Click(int buttonId);

    // Starts orvex-sim (unpaced unless args say otherwise) and points the port
    // list at its runtime folder.
    SimProcess& StartSim(std::vector<std::string> args = {"--baud", "0"});
    SimProcess& sim() { return *sim_; }
    // Opens the COM list with the mouse and clicks the entry holding path.
    void ChoosePort(const std::string& path);
    // Start the simulator, open the window, choose its port, press Connect and
    // wait for the whole handshake (four frames).
    void ConnectToSim(std::vector<std::string> args = {"--baud", "0"});
    // Waits until the simulator has logged count frames.
    bool WaitForFrames(size_t count);
    // Types text into a box (replacing what it holds) and presses Enter.
    void Enter(int editId, const QString& text);
    // Points the port list at a folder of our own.
    void UseRuntimeDir(const std::string& dir);

    TempDir runtime_{"quillon-runtime"};
    std::unique_ptr<SimProcess> sim_;
    std::unique_ptr<CMainFrame> frame_;
    std::optional<std::string> savedRuntime_;
};
