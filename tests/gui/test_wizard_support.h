#pragma once
// What the setup wizard tests share: a clean device state per test, the link
// connected straight to a simulated Orvex or to a pty the test talks through,
// device replies built by hand, and waiting with a deadline.

#include "DeviceReply.h"
#include "SimProcess.h"
#include "wizard/CSetupWizard.h"
#include "wizard/CWizardPage.h"

#include <gtest/gtest.h>

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QWidget;

constexpr int kTestPortNumber = 7;
constexpr int kWaitMs = 10000;  // generous: the machine may be loaded

// Processes events until cond holds or timeoutMs passed; returns cond().
bool WaitFor(const std::function<bool()>& cond, int timeoutMs = kWaitMs);

// Opens the link to path the way a connect does, with the receive queue.
bool ConnectLink(const std::string& path);

// The master side of a pty: the test plays the device by hand.
class PtyPeer {
public:
    PtyPeer();
    ~PtyPeer();
    PtyPeer(const PtyPeer&) = delete;
    PtyPeer& operator=(const PtyPeer&) = delete;

    const std::string& path() const { return path_; }
    void Send(const std::vector<uint8_t>& bytes);
    // Frames the program wrote so far (each 90 bytes), read without waiting.
    std::vector<std::vector<uint8_t>> ReadFrames();

private:
    int master_ = -1;
    std::string path_;
    std::vector<uint8_t> pending_;
};

// A ParameterReply payload: SetupBlock then TuningBlock (78 bytes).
std::vector<uint8_t> ParameterPayload(const std::vector<std::pair<int, int8_t>>& setupBytes);
// A StatusReply payload (body 3..39) with the six channel words.
std::vector<uint8_t> StatusPayload(const int (&words)[6], uint8_t condition = 1);

// Frames the simulator received with that code.
std::vector<SimFrame> FramesWithCode(const std::vector<SimFrame>& frames, int code);

// Every test starts and ends with the shared device state at its start values
// and the link closed.
class WizardTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates and shows the wizard (the program runs it with exec(); the
    // tests drive it shown, which is the same window).
    CSetupWizard& OpenWizard(QWidget* parent = nullptr);
    void Click(int buttonId);
    // Clicks and lets the page on screen take the device's answer to the
    // frame the click sent. (A page scans only the first reply of what
    // arrives together, so a test that clicks faster than the device answers
    // would leave later pages without their answer.)
    void ClickAndWaitForAnswer(int buttonId);
    QWidget* Control(QWidget* in, int id) const;
    // The page on screen, by what is visible.
    int VisiblePage() const;

    std::unique_ptr<CSetupWizard> wizard_;
};
