#include "test_wizard_support.h"

#include "params/Orvex.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>
#include <chrono>
#include <stdexcept>

bool WaitFor(const std::function<bool()>& cond, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!cond()) {
        if (std::chrono::steady_clock::now() > deadline) return cond();
        QTest::qWait(5);
    }
    return true;
}

bool ConnectLink(const std::string& path) {
    Orvex& o = TheOrvex();
    o.LinkPort.AddFlags(PortRxQueue);
    return OpenLinkPort(o.LinkPort, kTestPortNumber, path);
}

PtyPeer::PtyPeer() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) throw std::runtime_error("no pty");
    path_ = ptsname(master_);
    termios t{};
    tcgetattr(master_, &t);
    cfmakeraw(&t);
    tcsetattr(master_, TCSANOW, &t);
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
}

PtyPeer::~PtyPeer() {
    if (master_ >= 0) close(master_);
}

void PtyPeer::Send(const std::vector<uint8_t>& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(master_, bytes.data() + done, bytes.size() - done);
        if (n > 0)
            done += static_cast<size_t>(n);
        else if (n < 0 && errno != EAGAIN && errno != EINTR)
            throw std::runtime_error("pty write failed");
    }
}

std::vector<std::vector<uint8_t>> PtyPeer::ReadFrames() {
    uint8_t buf[4096];
    ssize_t n;
    while ((n = read(master_, buf, sizeof buf)) > 0) pending_.insert(pending_.end(), buf, buf + n);
    std::vector<std::vector<uint8_t>> frames;
    while (pending_.size() >= 90) {
        frames.emplace_back(pending_.begin(), pending_.begin() + 90);
        pending_.erase(pending_.begin(), pending_.begin() + 90);
    }
    return frames;
}

std::vector<uint8_t> ParameterPayload(const std::vector<std::pair<int, int8_t>>& setupBytes) {
    std::vector<uint8_t> p(78, 0);
    for (auto [index, value] : setupBytes) p[static_cast<size_t>(index)] = static_cast<uint8_t>(value);
    return p;
}

std::vector<uint8_t> StatusPayload(const int (&words)[6], uint8_t condition) {
    // Body offsets 3..39; the channels are at body 3, 5, 7, 9, 11 and 14.
    std::vector<uint8_t> body(40, 0);
    const size_t at[6] = {3, 5, 7, 9, 11, 14};
    for (int i = 0; i < 6; ++i) {
        body[at[i]] = static_cast<uint8_t>((words[i] >> 8) & 0xFF);
        body[at[i] + 1] = static_cast<uint8_t>(words[i] & 0xFF);
    }
    body[13] = condition;
    body[38] = 105;  // firmware 1.05
    return {body.begin() + 3, body.end()};
}

std::vector<SimFrame> FramesWithCode(const std::vector<SimFrame>& frames, int code) {
    std::vector<SimFrame> out;
    for (const SimFrame& f : frames)
        if (f.code == code) out.push_back(f);
    return out;
}

void WizardTest::SetUp() { ResetOrvex(); }

void WizardTest::TearDown() {
    wizard_.reset();
    ResetOrvex();
}

CSetupWizard& WizardTest::OpenWizard(QWidget* parent) {
    wizard_ = std::make_unique<CSetupWizard>(TheOrvex(), parent);
    wizard_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(wizard_.get()));
    return *wizard_;
}

QWidget* WizardTest::Control(QWidget* in, int id) const { return in->findChild<QWidget*>(ControlName(id)); }

void WizardTest::Click(int buttonId) {
    auto* b = wizard_->findChild<QPushButton*>(ControlName(buttonId), Qt::FindDirectChildrenOnly);
    ASSERT_NE(b, nullptr) << buttonId;
    QTest::mouseClick(b, Qt::LeftButton);
}

int WizardTest::VisiblePage() const {
    int shown = 0;
    for (int n = 1; n <= wizard_->pageCount(); ++n) {
        if (!wizard_->page(n)->isVisible()) continue;
        if (shown) return -1;  // two pages on screen
        shown = n;
    }
    return shown;
}

void WizardTest::ClickAndWaitForAnswer(int buttonId) {
    Click(buttonId);
    EXPECT_TRUE(WaitFor([] { return TheOrvex().link.ReplyPending == 0; })) << "no answer after " << buttonId;
}
