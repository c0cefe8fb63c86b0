// The Monitor page: the live receiver channels from the device's status
// reports (display value, 8-bit wrap, bars that leave values from 125 up
// alone), the gain channel's names in condition mode, and "Set failsafe".

#include "params/Orvex.h"
#include "test_wizard_support.h"
#include "widgets/CSignalBar.h"
#include "widgets/Dialogs.h"
#include "wizard/CStep3.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <map>
#include <set>

namespace {
// Bars and number labels in the order of the status report: aileron,
// elevator, rudder, collective pitch, gain channel, throttle.
using namespace MonitorPageIds;
constexpr int kBars[6] = {AileronBar, ElevatorBar, RudderBar, PitchBar, GainBar, ThrottleBar};
constexpr int kValues[6] = {AileronValue, ElevatorValue, RudderValue, PitchValue, GainValue, ThrottleValue};
}  // namespace

class MonitorPage : public WizardTest {
protected:
    CWizardPage& Page() { return *wizard_->page(3); }
    CSignalBar* Bar(int i) { return Page().findChild<CSignalBar*>(ControlName(kBars[i])); }
    QString Text(int id) {
        auto* l = Page().findChild<QLabel*>(ControlName(id));
        return l ? l->text() : QStringLiteral("<missing>");
    }
    QString Value(int i) { return Text(kValues[i]); }
    std::vector<int> BarValues() {
        std::vector<int> v;
        for (int i = 0; i < 6; ++i) v.push_back(Bar(i)->value());
        return v;
    }
    std::vector<QString> Values() {
        std::vector<QString> v;
        for (int i = 0; i < 6; ++i) v.push_back(Value(i));
        return v;
    }
    void OpenOnMonitorPage() {
        OpenWizard();
        Click(WizardIds::Next);
        Click(WizardIds::Next);
        ASSERT_EQ(wizard_->currentPage(), 3);
    }
    // A report as the answer to the last frame sent, and the page has shown it.
    void Report(PtyPeer& device, const int (&words)[6], uint8_t seq) {
        const uint32_t before = TheOrvex().LinkPort.BytesRead();
        device.Send(DeviceReply(40, seq, StatusPayload(words)));
        ASSERT_TRUE(WaitFor([&] {
            return TheOrvex().LinkPort.BytesRead() >= before + 90 && TheOrvex().LinkPort.RxQueue().Size() == 0 &&
                   Page().stage().Queue().Size() == 0;
        }));
    }
};

TEST_F(MonitorPage, StartsAtZeroWithTheTailGainNames) {
    OpenOnMonitorPage();
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(Bar(i)->value(), 0);
        EXPECT_EQ(Bar(i)->minimum(), -125);
        EXPECT_EQ(Bar(i)->maximum(), 125);
        EXPECT_EQ(Value(i), "0");
    }
    EXPECT_EQ(Text(GainName), "Tail Gain");
    EXPECT_EQ(Text(GainEnd1), "Normal");
    EXPECT_EQ(Text(GainEnd2), "AVCS");
    EXPECT_EQ(TheOrvex().link.ReplyRequest, 40);
}

TEST_F(MonitorPage, ShowsTheDisplayValuesWithTheirEdgeCases) {
    PtyPeer device;
    ASSERT_TRUE(ConnectLink(device.path()));
    OpenOnMonitorPage();
    const uint8_t seq = TheOrvex().link.SequenceCounter;

    Report(device, {4850, 4850, 4850, 2750, 4850, 3800}, seq);
    EXPECT_EQ(Values(), (std::vector<QString>{"100", "100", "100", "-100", "100", "0"}));
    // Aileron, elevator, rudder and the gain channel are shown negated.
    EXPECT_EQ(BarValues(), (std::vector<int>{-100, -100, -100, -100, -100, 0}));

    // 3830 and 3770 truncate toward zero; 5113 and 5143 (125, 127) are shown
    // but leave their bars; 5144 wraps to -128; 2450 gives -128 as well.
    Report(device, {3830, 3770, 5113, 5143, 5144, 2450}, seq);
    EXPECT_EQ(Values(), (std::vector<QString>{"2", "-2", "125", "127", "-128", "-128"}));
    EXPECT_EQ(BarValues(), (std::vector<int>{-2, 2, -100, -100, 125, -125}));
}

TEST_F(MonitorPage, AReportThatAnswersAnOlderFrameIsNotShown) {
    PtyPeer device;
    ASSERT_TRUE(ConnectLink(device.path()));
    OpenOnMonitorPage();
    const uint8_t seq = TheOrvex().link.SequenceCounter;
    Report(device, {4010, 4010, 4010, 4010, 4010, 4010}, static_cast<uint8_t>(seq - 1));
    EXPECT_EQ(Value(0), "0");
    EXPECT_EQ(Bar(0)->value(), 0);
    Report(device, {4010, 4010, 4010, 4010, 4010, 4010}, seq);
    EXPECT_EQ(Value(0), "20");
}

TEST_F(MonitorPage, ConditionModeRenamesTheGainChannel) {
    TheOrvex().config[CV::AuxFunction] = 1;
    OpenOnMonitorPage();
    EXPECT_EQ(Text(GainName), "Condition");
    EXPECT_EQ(Text(GainEnd1), "Condition1");
    EXPECT_EQ(Text(GainEnd2), "Condition2");
}

TEST_F(MonitorPage, ADeviceThatSwitchesToConditionModeRenamesAtTheNextUpdate) {
    PtyPeer device;
    ASSERT_TRUE(ConnectLink(device.path()));
    OpenOnMonitorPage();
    ASSERT_EQ(Text(GainName), "Tail Gain");
    device.Send(DeviceReply(30, TheOrvex().link.SequenceCounter, ParameterPayload({{28, 1}})));
    EXPECT_TRUE(WaitFor([&] { return Text(GainName) == "Condition"; }));
    EXPECT_EQ(Text(GainEnd1), "Condition1");
    EXPECT_EQ(Text(GainEnd2), "Condition2");
    EXPECT_EQ(TheOrvex().config[CV::AuxFunction], 1);
}

TEST_F(MonitorPage, SetFailsafeSendsElevenOnceAndKeepsZero) {
    SimProcess sim({.args = {"--baud", "0"}});
    ASSERT_TRUE(ConnectLink(sim.portPath()));
    OpenOnMonitorPage();
    ASSERT_TRUE(sim.waitForFrames(2, kWaitMs));
    auto* button = Page().findChild<QPushButton*>(ControlName(Failsafe));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), "Set failsafe");
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(TheOrvex().link.FailsafeCommand, 0);
    ASSERT_TRUE(sim.waitForFrames(3, kWaitMs));
    EXPECT_TRUE(sim.waitForLog("failsafe set", kWaitMs));
    Click(WizardIds::Cancel);
    ASSERT_TRUE(sim.waitForFrames(5, kWaitMs));
    const auto actions = FramesWithCode(sim.frames(), 50);
    ASSERT_EQ(actions.size(), 2u);
    EXPECT_EQ(actions[0].payload.at(2), 11);
    EXPECT_EQ(actions[0].req, 40);
    EXPECT_EQ(actions[1].payload.at(2), 0) << "the failsafe command was sent again";
    EXPECT_TRUE(Dialogs::TakeRequests().isEmpty());
}

TEST_F(MonitorPage, BarsFollowTheSticksLive) {
    SimProcess sim({.args = {"--baud", "0"}});
    ASSERT_TRUE(ConnectLink(sim.portPath()));
    OpenOnMonitorPage();
    std::set<int> seen;
    bool consistent = true;
    const bool moved = WaitFor([&] {
        const int v = Value(0).toInt();
        seen.insert(v);
        consistent = consistent && Bar(0)->value() == -v && v >= -100 && v <= 100;
        return seen.size() >= 6;
    });
    EXPECT_TRUE(moved) << seen.size() << " values seen";
    EXPECT_TRUE(consistent);
    Click(WizardIds::Next);
    EXPECT_TRUE(sim.waitForLog("status-stream off", kWaitMs));
}

TEST_F(MonitorPage, BarsGoBackToZeroWhenTheAdapterGoes) {
    SimProcess sim({.args = {"--baud", "0"}});
    ASSERT_TRUE(ConnectLink(sim.portPath()));
    OpenOnMonitorPage();
    ASSERT_TRUE(WaitFor([&] { return BarValues() != std::vector<int>(6, 0); }));
    sim.terminate();
    EXPECT_TRUE(
        WaitFor([&] { return BarValues() == std::vector<int>(6, 0) && Values() == std::vector<QString>(6, "0"); }));
}

TEST_F(MonitorPage, ValuesAreMarkedNotLiveWhenTheReportsStop) {
    // One report answers the connect; the stream gives twenty more, then falls silent.
    SimProcess sim({.args = {"--baud", "0", "--stop-reports", "21"}});
    ASSERT_TRUE(ConnectLink(sim.portPath()));
    OpenOnMonitorPage();
    auto& page = static_cast<CStep3&>(Page());
    auto* note = page.findChild<QLabel*>(ControlName(Silence));
    ASSERT_TRUE(WaitFor([&] { return Value(0) != "0"; }));
    EXPECT_FALSE(note->isVisible()) << "live values marked not live";
    ASSERT_TRUE(WaitFor([&] { return page.stale(); }));
    EXPECT_TRUE(note->isVisible());
    EXPECT_FALSE(page.findChild<QLabel*>(ControlName(kValues[0]))->isEnabled());
}

namespace {
// What a screen reader is told of each object of a window; Qt sends the reader
// an event for every change of these (the offscreen platform sends none, so
// the test compares what the tree says instead).
std::map<QObject*, QString> WhatIsTold(QWidget* window) {
    std::map<QObject*, QString> told;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        const QAccessible::State s = a->state();
        told[w] = QStringList{a->text(QAccessible::Name), a->text(QAccessible::Description),
                              a->text(QAccessible::Value), QString::number(s.invisible), QString::number(s.disabled)}
                      .join(QLatin1Char('\n'));
    }
    return told;
}
}  // namespace

// A screen reader falls behind when the page tells every report: the page
// changes what it tells fewer than ten times a second, measured over three
// seconds of the simulator's ten reports a second with every stick moving.
TEST_F(MonitorPage, TellsAssistiveToolsFewerThanTenChangesASecond) {
    SimProcess sim({.args = {"--baud", "0"}});
    ASSERT_TRUE(ConnectLink(sim.portPath()));
    OpenOnMonitorPage();
    // From the second second on: what opening the page tells is not a flood.
    const uint32_t opened = TheOrvex().LinkPort.BytesRead();
    ASSERT_TRUE(WaitFor([&] { return TheOrvex().LinkPort.BytesRead() >= opened + 10 * 90; }));
    std::map<QObject*, QString> told = WhatIsTold(wizard_.get());
    int changes = 0;
    const uint32_t start = TheOrvex().LinkPort.BytesRead();
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(WaitFor([&] {
        const std::map<QObject*, QString> now = WhatIsTold(wizard_.get());
        for (const auto& [object, text] : now) changes += told.contains(object) && told[object] != text;
        told = now;
        return TheOrvex().LinkPort.BytesRead() >= start + 30 * 90;
    }));
    const double rate = changes / (double(clock.elapsed()) / 1000.0);
    RecordProperty("AccessibleChangesPerSecond", QString::number(rate, 'f', 1).toStdString());
    EXPECT_LT(rate, 10.0) << changes << " changes in " << clock.elapsed() << " ms";
    // What is told is what is shown, with the sign of the number and the channel's name.
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(WaitFor([&] {
            auto* label = Page().findChild<QLabel*>(ControlName(kValues[i]));
            return QAccessible::queryAccessibleInterface(Bar(i))->valueInterface()->currentValue().toInt() ==
                       Value(i).toInt() &&
                   label->accessibleName().endsWith(QStringLiteral(": ") + Value(i));
        })) << i;
    }
}

TEST(MonitorDisplayValue, TruncatesTowardZeroAndWrapsToEightBits) {
    EXPECT_EQ(CStep3::DisplayValue(3800), 0);
    EXPECT_EQ(CStep3::DisplayValue(4850), 100);
    EXPECT_EQ(CStep3::DisplayValue(2750), -100);
    EXPECT_EQ(CStep3::DisplayValue(3830), 2);
    EXPECT_EQ(CStep3::DisplayValue(3770), -2);
    EXPECT_EQ(CStep3::DisplayValue(5143), 127);
    EXPECT_EQ(CStep3::DisplayValue(5144), -128);
}
