// The setup wizard's frame: navigation and its buttons, what each page change
// tells the device, Finish, Cancel, Escape and Enter, and how the pages share
// the link.

#include "params/Orvex.h"
#include "test_wizard_support.h"
#include "widgets/CPngButton.h"
#include "widgets/Dialogs.h"
#include "widgets/PortEvents.h"
#include "wizard/CStep4.h"

#include <QApplication>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

namespace {

const char* const kTitles[13] = {
    "Transmitter",
    "Receiver",
    "Monitor",
    "Installation",
    "Servo type",
    "Swashplate type",
    "Servo reverse",
    "Servo trim",
    "Swashplate travel",
    "Collective pitch",
    "Tail setup",
    "Gyro dir",
    "Pirouette optimization",
};

std::vector<int> QueryRequests(const std::vector<SimFrame>& frames) {
    std::vector<int> req;
    for (const SimFrame& f : FramesWithCode(frames, 10)) req.push_back(f.req);
    return req;
}

std::vector<int> Codes(const std::vector<SimFrame>& frames) {
    std::vector<int> codes;
    for (const SimFrame& f : frames) codes.push_back(f.code);
    return codes;
}
}  // namespace

class WizardFrame : public WizardTest {
protected:
    QPushButton* Button(int id) {
        return wizard_->findChild<QPushButton*>(ControlName(id), Qt::FindDirectChildrenOnly);
    }
    void ExpectOnPage(int k) {
        EXPECT_EQ(wizard_->currentPage(), k);
        EXPECT_EQ(VisiblePage(), k);
        EXPECT_EQ(wizard_->tabBar()->currentIndex(), k - 1);
        EXPECT_EQ(TheOrvex().session.listener(), wizard_->page(k));
        EXPECT_EQ(Button(WizardIds::Previous)->isEnabled(), k > 1);
        EXPECT_EQ(Button(WizardIds::Next)->isEnabled(), k < 13);
        EXPECT_TRUE(Button(WizardIds::Finish)->isEnabled());
        EXPECT_TRUE(Button(WizardIds::Cancel)->isEnabled());
    }
};

TEST_F(WizardFrame, OpensOnTheTransmitterPageWithoutSendingAnything) {
    CSetupWizard& w = OpenWizard();
    EXPECT_EQ(w.windowTitle(), "Setup");
    ASSERT_EQ(w.tabBar()->count(), 13);
    for (int i = 0; i < 13; ++i) EXPECT_EQ(w.tabBar()->tabText(i), kTitles[i]);
    ExpectOnPage(1);
    EXPECT_EQ(TheOrvex().link.SequenceCounter, 0) << "a frame was built";
}

TEST_F(WizardFrame, NextAndPreviousWalkAllThirteenPages) {
    OpenWizard();
    for (int k = 2; k <= 13; ++k) {
        Click(WizardIds::Next);
        ExpectOnPage(k);
        EXPECT_EQ(wizard_->page(k)->title(), kTitles[k - 1]);
    }
    Click(WizardIds::Next);  // disabled on the last page
    ExpectOnPage(13);
    for (int k = 12; k >= 1; --k) {
        Click(WizardIds::Previous);
        ExpectOnPage(k);
    }
    Click(WizardIds::Previous);  // disabled on the first page
    ExpectOnPage(1);
}

TEST_F(WizardFrame, ClickingATabOnlyMovesTheHighlight) {
    CSetupWizard& w = OpenWizard();
    Click(WizardIds::Next);
    Click(WizardIds::Next);
    const uint8_t sent = TheOrvex().link.SequenceCounter;
    QTest::mouseClick(w.tabBar(), Qt::LeftButton, {}, w.tabBar()->tabRect(0).center());
    EXPECT_EQ(w.tabBar()->currentIndex(), 0);
    EXPECT_EQ(w.currentPage(), 3);
    EXPECT_EQ(VisiblePage(), 3);
    EXPECT_EQ(TheOrvex().session.listener(), w.page(3));
    EXPECT_EQ(TheOrvex().link.SequenceCounter, sent) << "a tab click sent a frame";
    Click(WizardIds::Next);
    ExpectOnPage(4);
    QTest::mouseClick(w.tabBar(), Qt::LeftButton, {}, w.tabBar()->tabRect(1).center());
    Click(WizardIds::Previous);
    ExpectOnPage(3);
}

TEST_F(WizardFrame, TheMonitorPageTurnsStatusReportsOnAndItsNeighboursOff) {
    SimProcess sim({.args = {"--baud", "0"}});
    ASSERT_TRUE(ConnectLink(sim.portPath()));
    OpenWizard();
    const int steps[] = {WizardIds::Next, WizardIds::Next, WizardIds::Next, WizardIds::Previous,
                         WizardIds::Next};  // 1>2>3>4>3>4
    for (size_t i = 0; i < std::size(steps); ++i) {
        Click(steps[i]);
        ASSERT_TRUE(sim.waitForFrames(i + 1, kWaitMs)) << "step " << i;
    }
    Click(WizardIds::Next);  // 4 > 5
    Click(WizardIds::Next);  // 5 > 6
    ExpectOnPage(6);
    Click(WizardIds::Finish);
    ASSERT_TRUE(sim.waitForFrames(7, kWaitMs));
    const auto frames = sim.frames();
    ASSERT_EQ(frames.size(), 7u) << sim.logText();
    EXPECT_EQ(Codes(frames), (std::vector<int>{10, 10, 10, 10, 10, 50, 10}));
    EXPECT_EQ(QueryRequests(frames), (std::vector<int>{0, 40, 0, 40, 0, 0}));
    for (size_t i = 0; i < frames.size(); ++i) EXPECT_EQ(frames[i].seq, static_cast<int>(i + 1));
    EXPECT_TRUE(sim.waitForLog("status-stream off", kWaitMs));
    EXPECT_EQ(Dialogs::TakeRequests().size(), 1);
}

TEST_F(WizardFrame, FinishOnTheFirstPageOnlyStopsTheDirectionCheckAndAcknowledges) {
    SimProcess sim({.args = {"--baud", "0"}});
    ASSERT_TRUE(ConnectLink(sim.portPath()));
    CSetupWizard& w = OpenWizard();
    Click(WizardIds::Finish);
    const auto asked = Dialogs::TakeRequests();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0].kind, Dialogs::Kind::Message);
    EXPECT_EQ(asked[0].text, "Setup finished!");
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Accepted);
    ASSERT_TRUE(sim.waitForFrames(2, kWaitMs));
    const auto frames = sim.frames();
    ASSERT_EQ(frames.size(), 2u) << sim.logText();
    EXPECT_EQ(frames[0].code, 50);
    EXPECT_EQ(frames[0].payload.at(3), 0) << "direction check still on";
    EXPECT_EQ(frames[1].code, 10);
    EXPECT_EQ(frames[1].req, 0);
    EXPECT_EQ(TheOrvex().link.ReplyRequest, 0);
}

TEST_F(WizardFrame, CancelStopsTheDirectionCheckAndAcknowledgesWithoutAMessage) {
    SimProcess sim({.args = {"--baud", "0"}});
    ASSERT_TRUE(ConnectLink(sim.portPath()));
    CSetupWizard& w = OpenWizard();
    Click(WizardIds::Next);
    Click(WizardIds::Next);  // the Monitor page: status reports on
    ASSERT_TRUE(sim.waitForLog("status-stream on", kWaitMs));
    Click(WizardIds::Cancel);
    EXPECT_TRUE(Dialogs::TakeRequests().isEmpty());
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Rejected);
    ASSERT_TRUE(sim.waitForFrames(4, kWaitMs));
    const auto frames = sim.frames();
    EXPECT_EQ(Codes(frames), (std::vector<int>{10, 10, 50, 10}));
    EXPECT_EQ(frames[2].payload.at(3), 0);
    EXPECT_EQ(frames[3].req, 0);
    EXPECT_TRUE(sim.waitForLog("status-stream off", kWaitMs));
}

TEST_F(WizardFrame, EnterDoesNothingAndEscapeActsAsCancel) {
    SimProcess sim({.args = {"--baud", "0"}});
    ASSERT_TRUE(ConnectLink(sim.portPath()));
    CSetupWizard& w = OpenWizard();
    Click(WizardIds::Next);
    ASSERT_TRUE(sim.waitForFrames(1, kWaitMs));
    const uint8_t sent = TheOrvex().link.SequenceCounter;
    for (int id : {WizardIds::Next, WizardIds::Finish, WizardIds::Cancel}) {
        Button(id)->setFocus();
        QTest::keyClick(Button(id), Qt::Key_Return);
        QTest::keyClick(Button(id), Qt::Key_Enter);
    }
    QTest::keyClick(&w, Qt::Key_Return);
    auto* ok = w.findChild<QPushButton*>(ControlName(WizardIds::Ok));
    ASSERT_NE(ok, nullptr);
    EXPECT_FALSE(ok->isVisible());
    ok->click();
    EXPECT_TRUE(w.isVisible());
    ExpectOnPage(2);
    EXPECT_EQ(TheOrvex().link.SequenceCounter, sent);
    EXPECT_TRUE(Dialogs::TakeRequests().isEmpty());

    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Rejected);
    ASSERT_TRUE(sim.waitForFrames(3, kWaitMs));
    EXPECT_EQ(Codes(sim.frames()), (std::vector<int>{10, 50, 10}));
}

TEST_F(WizardFrame, TheCloseBoxActsAsCancel) {
    SimProcess sim({.args = {"--baud", "0"}});
    ASSERT_TRUE(ConnectLink(sim.portPath()));
    CSetupWizard& w = OpenWizard();
    EXPECT_TRUE(w.close());
    EXPECT_EQ(w.result(), QDialog::Rejected);
    ASSERT_TRUE(sim.waitForFrames(2, kWaitMs));
    const auto frames = sim.frames();
    EXPECT_EQ(Codes(frames), (std::vector<int>{50, 10}));
    EXPECT_EQ(frames[1].req, 0);
}

TEST_F(WizardFrame, EveryPageLiesInTheTabAreaBelowTheTitles) {
    CSetupWizard& w = OpenWizard();
    QWidget* tabs = Control(&w, WizardIds::Tabs);
    ASSERT_NE(tabs, nullptr);
    const int titlesBottom = tabs->mapTo(&w, w.tabBar()->geometry().bottomLeft()).y();
    for (int k = 1; k <= w.pageCount(); ++k) {
        const QRect g = w.page(k)->geometry();
        EXPECT_TRUE(tabs->geometry().contains(g)) << k;
        EXPECT_GT(g.top(), titlesBottom) << k;
        EXPECT_GT(g.width(), 800) << k;
        EXPECT_GT(g.height(), 380) << k;
        for (int id : {WizardIds::Cancel, WizardIds::Previous, WizardIds::Next, WizardIds::Finish})
            EXPECT_FALSE(g.intersects(Button(id)->geometry()));
    }
}

TEST_F(WizardFrame, FewerThanNinetyBytesWaitInThePagesQueue) {
    PtyPeer device;
    ASSERT_TRUE(ConnectLink(device.path()));
    CSetupWizard& w = OpenWizard();
    const auto reply = DeviceReply(30, TheOrvex().link.SequenceCounter, ParameterPayload({{29, 3}}));
    ASSERT_NE(TheOrvex().config[CV::FixMode], 3);
    device.Send({reply.begin(), reply.begin() + 40});
    ASSERT_TRUE(WaitFor([&] { return w.page(1)->stage().Queue().Size() == 40; }));
    EXPECT_EQ(TheOrvex().LinkPort.RxQueue().Size(), 0u);
    EXPECT_NE(TheOrvex().image.SetupBlock[29], 3) << "scanned before 90 bytes gathered";
    device.Send({reply.begin() + 40, reply.end()});
    ASSERT_TRUE(WaitFor([] { return TheOrvex().config[CV::FixMode] == 3; }));
    EXPECT_EQ(w.page(1)->stage().Queue().Size(), 0u);
}

TEST_F(WizardFrame, BytesWaitingAsThePageChangesAreReadByThePageOnScreen) {
    PtyPeer device;
    ASSERT_TRUE(ConnectLink(device.path()));
    CSetupWizard& w = OpenWizard();
    // Hold the worker's own notices back, so that the one below is the only one.
    const NotifyHandle session = TheOrvex().LinkPort.GetNotifyWindow();
    TheOrvex().LinkPort.SetNotifyWindow(0);
    const auto reply = DeviceReply(20, 0, {});
    device.Send({reply.begin(), reply.begin() + 40});
    ASSERT_TRUE(WaitFor([] { return TheOrvex().LinkPort.RxQueue().Size() == 40; }));
    ASSERT_TRUE(NotifyRegistry::Post(session, {WM_PORT_RECEIVE, kTestPortNumber, 0}));
    Click(WizardIds::Next);
    ASSERT_TRUE(WaitFor([&] { return w.page(2)->stage().Queue().Size() == 40; }));
    EXPECT_EQ(w.page(1)->stage().Queue().Size(), 0u);
    EXPECT_EQ(TheOrvex().LinkPort.RxQueue().Size(), 0u);
    EXPECT_EQ(TheOrvex().session.listener(), w.page(2));
    TheOrvex().LinkPort.SetNotifyWindow(session);
}

TEST_F(WizardFrame, HiddenPagesKeepRefreshing) {
    TheOrvex().config[CV::FixMode] = 1;
    CSetupWizard& w = OpenWizard();
    auto* installation = w.page(4);
    EXPECT_FALSE(installation->isVisible());
    auto* direction3 = installation->findChild<CPngButton*>(ControlName(InstallationPageIds::Direction3));
    ASSERT_NE(direction3, nullptr);
    EXPECT_FALSE(direction3->chosen());
    TheOrvex().config[CV::FixMode] = 3;
    EXPECT_TRUE(WaitFor([&] { return direction3->chosen(); }));
}

namespace {
// Stands for the main view beneath the wizard: the bottom listener, which closes the port.
class LostRecorder : public LinkListener {
public:
    bool lost = false;
    void OnLinkReceive(int) override {}
    void OnLinkLost() override { lost = true; }
};
}  // namespace

TEST_F(WizardFrame, AVanishedAdapterIsReportedToTheWindowThatOpenedTheWizard) {
    auto device = std::make_unique<PtyPeer>();
    ASSERT_TRUE(ConnectLink(device->path()));
    LostRecorder beneath;
    TheOrvex().session.Push(&beneath);
    OpenWizard();
    device.reset();  // the adapter is pulled out
    EXPECT_TRUE(WaitFor([&] { return beneath.lost; }));
    wizard_.reset();
    TheOrvex().session.Remove(&beneath);
}

// Keys never land where they act by surprise: the wizard opens on its page,
// not on Cancel, and on the last page, where Next goes grey, Previous takes it.
TEST_F(WizardFrame, FocusStartsOnThePageAndStaysOffFinish) {
    CSetupWizard& w = OpenWizard();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    // The first page has no control of its own: Next, which only turns the page.
    EXPECT_EQ(QApplication::focusWidget(), Button(WizardIds::Next));
    for (int k = 1; k < w.pageCount(); ++k) {
        Button(WizardIds::Next)->setFocus();
        QTest::keyClick(Button(WizardIds::Next), Qt::Key_Space);
    }
    ExpectOnPage(w.pageCount());
    // Its first control would move the swashplate.
    EXPECT_EQ(QApplication::focusWidget(), Button(WizardIds::Previous));
}
