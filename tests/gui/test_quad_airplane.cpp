// The quadrotor and airplane setup dialog against the simulated Orvex: the
// airframe types 6..9, servo and compensation directions, the four trims with
// their limits, and the direction-check stop on every way out.

#include "airframe/CQuadAirplaneDialog.h"
#include "params/Orvex.h"
#include "test_wizard_support.h"
#include "widgets/CIconButton.h"
#include "widgets/CTrimBar.h"

#include <QApplication>
#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <optional>

namespace {
constexpr int kParameterCode = 30, kActionCode = 50;
constexpr int kRadios[4] = {QuadAirplaneIds::PlusQuad, QuadAirplaneIds::XQuad, QuadAirplaneIds::Conventional,
                            QuadAirplaneIds::Delta};

void SetValue(CV name, int value) {
    TheOrvex().config[name] = static_cast<int8_t>(value);
    *BytePtr(TheOrvex().image, Def(name).device) = static_cast<int8_t>(value);
}

int Signed(uint8_t b) { return static_cast<int8_t>(b); }
}  // namespace

class QuadAirplaneDialog : public WizardTest {
protected:
    void TearDown() override {
        dialog_.reset();
        WizardTest::TearDown();
    }
    void Connect() {
        sim_.emplace(SimProcess::Options{.args = {"--baud", "0"}});
        ASSERT_TRUE(ConnectLink(sim_->portPath()));
    }
    CQuadAirplaneDialog& Open() {
        dialog_ = std::make_unique<CQuadAirplaneDialog>(TheOrvex());
        dialog_->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog_.get()));
        return *dialog_;
    }
    template <class T = QWidget>
    T* Control(int id) {
        return dialog_->findChild<T*>(ControlName(id));
    }
    void ClickOn(int id) {
        auto* b = Control<QAbstractButton>(id);
        ASSERT_NE(b, nullptr) << id;
        // A radio reacts to its indicator and text, not to the empty rest of its box.
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    }
    QString Caption(int id) { return Control<QPushButton>(id)->text(); }
    std::vector<int> Checked() {
        std::vector<int> checked;
        for (int id : kRadios)
            if (Control<QRadioButton>(id)->isChecked()) checked.push_back(id);
        return checked;
    }
    SimFrame Sent(size_t n) {
        EXPECT_TRUE(sim_->waitForFrames(n, kWaitMs)) << "frame " << n << " never came";
        const auto frames = sim_->frames();
        return frames.size() >= n ? frames[n - 1] : SimFrame{};
    }

    std::optional<SimProcess> sim_;
    std::unique_ptr<CQuadAirplaneDialog> dialog_;
};

TEST_F(QuadAirplaneDialog, OpenedWithAHelicopterSwashplateShowsNoRadio) {
    SetValue(CV::SwashPlateType, 2);
    Open();
    EXPECT_TRUE(Checked().empty());
    EXPECT_EQ(dialog_->airframeSelection(), -1);
    EXPECT_EQ(dialog_->windowTitle(), "Quadrotor and Airplane setup");
}

TEST_F(QuadAirplaneDialog, OpenedWithAnAirframeTypeShowsItsRadio) {
    for (int type = 6; type <= 9; ++type) {
        SetValue(CV::SwashPlateType, type);
        Open();
        EXPECT_EQ(Checked(), std::vector<int>{kRadios[type - 6]}) << type;
        EXPECT_EQ(dialog_->airframeSelection(), type - 6);
    }
    SetValue(CV::SwashPlateType, 12);  // no such airframe
    Open();
    EXPECT_TRUE(Checked().empty());
}

TEST_F(QuadAirplaneDialog, XQuadrotorSendsOneFrameWithByte27Seven) {
    Connect();
    SetValue(CV::SwashPlateType, 2);
    Open();
    ClickOn(QuadAirplaneIds::XQuad);
    EXPECT_EQ(Checked(), std::vector<int>{QuadAirplaneIds::XQuad});
    EXPECT_EQ(TheOrvex().config[CV::SwashPlateType], 7);
    const SimFrame f = Sent(1);
    EXPECT_EQ(f.code, kParameterCode);
    EXPECT_EQ(f.payload.at(27), 7);
    EXPECT_EQ(sim_->frames().size(), 1u);
    // Every airframe radio stores its own type.
    const int types[4] = {6, 7, 8, 9};
    for (size_t i = 0; i < 4; ++i) {
        ClickOn(kRadios[i]);
        EXPECT_EQ(Sent(2 + i).payload.at(27), types[i]);
    }
    // Arrow keys explore the choices without changing the unit; Space chooses.
    auto* delta = Control<QRadioButton>(kRadios[3]);
    dialog_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
    delta->setFocus(Qt::TabFocusReason);
    const uint8_t sequence = TheOrvex().link.SequenceCounter;
    QTest::keyClick(delta, Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), Control<QWidget>(kRadios[2]));
    EXPECT_EQ(TheOrvex().link.SequenceCounter, sequence);
    EXPECT_EQ(Checked(), std::vector<int>{kRadios[3]});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(Checked(), std::vector<int>{kRadios[2]});
    EXPECT_EQ(Sent(6).payload.at(27), 8);
}

TEST_F(QuadAirplaneDialog, ServoDirectionsToggleAndAreSent) {
    Connect();
    SetValue(CV::ServoDirCH1, 1);
    SetValue(CV::ServoDirCH2, -1);
    SetValue(CV::ServoDirCH3, 0);  // neither way: shown as reverse
    SetValue(CV::ServoDirCH4, 1);
    Open();
    EXPECT_EQ(Caption(QuadAirplaneIds::Servo1), "Servo1(Norm)");
    EXPECT_EQ(Caption(QuadAirplaneIds::Servo2), "Servo2(Reverse)");
    EXPECT_EQ(Caption(QuadAirplaneIds::Servo3), "Servo3(Reverse)");
    EXPECT_EQ(Caption(QuadAirplaneIds::Servo4), "Servo4(Norm)");
    const int buttons[4] = {QuadAirplaneIds::Servo1, QuadAirplaneIds::Servo2, QuadAirplaneIds::Servo3,
                            QuadAirplaneIds::Servo4};
    const int expected[4] = {-1, 1, 1, -1};
    for (size_t i = 0; i < 4; ++i) {
        ClickOn(buttons[i]);
        const SimFrame f = Sent(i + 1);
        EXPECT_EQ(f.code, kParameterCode);
        EXPECT_EQ(Signed(f.payload.at(6 + i)), expected[i]) << i;
    }
    EXPECT_EQ(Caption(QuadAirplaneIds::Servo1), "Servo1(Reverse)");
    EXPECT_EQ(Caption(QuadAirplaneIds::Servo2), "Servo2(Norm)");
    EXPECT_EQ(Caption(QuadAirplaneIds::Servo3), "Servo3(Norm)");
    EXPECT_EQ(Caption(QuadAirplaneIds::Servo4), "Servo4(Reverse)");
    EXPECT_EQ(TheOrvex().config[CV::ServoDirCH4], -1);
}

TEST_F(QuadAirplaneDialog, CompensationDirectionsWriteTheirOwnBytes) {
    Connect();
    SetValue(CV::RollDir, 1);
    SetValue(CV::PitchDir, 1);
    SetValue(CV::YawDir, -1);
    Open();
    EXPECT_EQ(Caption(QuadAirplaneIds::Roll), "Roll(Norm)");
    EXPECT_EQ(Caption(QuadAirplaneIds::Pitch), "Pitch(Norm)");
    EXPECT_EQ(Caption(QuadAirplaneIds::Yaw), "Yaw(Reverse)");
    struct Case {
        int id;
        int byte;
        int value;
        const char* caption;
    };
    const Case cases[] = {{QuadAirplaneIds::Roll, 17, -1, "Roll(Reverse)"},
                          {QuadAirplaneIds::Pitch, 18, -1, "Pitch(Reverse)"},
                          {QuadAirplaneIds::Yaw, 16, 1, "Yaw(Norm)"}};
    for (size_t i = 0; i < std::size(cases); ++i) {
        ClickOn(cases[i].id);
        EXPECT_EQ(Caption(cases[i].id), cases[i].caption);
        EXPECT_EQ(Signed(Sent(i + 1).payload.at(static_cast<size_t>(cases[i].byte))), cases[i].value);
    }
}

TEST_F(QuadAirplaneDialog, ChannelFourReversedUpLowersTailPoint) {
    Connect();
    SetValue(CV::ServoDirCH4, -1);
    SetValue(CV::TailPoint, 10);
    Open();
    EXPECT_EQ(Control<CTrimBar>(QuadAirplaneIds::Ch4Bar)->value(), 10);
    ClickOn(QuadAirplaneIds::Ch4Up);
    EXPECT_EQ(TheOrvex().config[CV::TailPoint], 9);
    EXPECT_EQ(Control<CTrimBar>(QuadAirplaneIds::Ch4Bar)->value(), 9);
    EXPECT_EQ(Signed(Sent(1).payload.at(3)), 9);
    ClickOn(QuadAirplaneIds::Ch4Down);  // down raises it
    EXPECT_EQ(Signed(Sent(2).payload.at(3)), 10);
}

TEST_F(QuadAirplaneDialog, ATrimFollowsADirectionToggledHere) {
    Connect();
    SetValue(CV::ServoDirCH1, 1);
    SetValue(CV::ServoAdjustCH1, 0);
    Open();
    ClickOn(QuadAirplaneIds::Ch1Up);
    EXPECT_EQ(Signed(Sent(1).payload.at(0)), 1);
    ClickOn(QuadAirplaneIds::Servo1);  // servo 1 now reversed
    ClickOn(QuadAirplaneIds::Ch1Up);
    EXPECT_EQ(Signed(Sent(3).payload.at(0)), 0);
}

TEST_F(QuadAirplaneDialog, TrimsStopAt124) {
    Connect();
    SetValue(CV::ServoDirCH1, 1);
    SetValue(CV::ServoDirCH2, 1);
    SetValue(CV::ServoDirCH3, -1);
    SetValue(CV::ServoAdjustCH1, 123);
    SetValue(CV::ServoAdjustCH2, -123);
    SetValue(CV::ServoAdjustCH3, 123);
    Open();
    struct Press {
        int id;
        size_t byte;
        int expected;
    };
    const Press presses[] = {
        {QuadAirplaneIds::Ch1Up, 0, 124},    {QuadAirplaneIds::Ch1Up, 0, 124},     // CH1 up
        {QuadAirplaneIds::Ch2Down, 1, -124}, {QuadAirplaneIds::Ch2Down, 1, -124},  // CH2 down
        {QuadAirplaneIds::Ch3Down, 2, 124},  {QuadAirplaneIds::Ch3Down, 2, 124},   // CH3 reversed: down raises
    };
    for (size_t i = 0; i < std::size(presses); ++i) {
        ClickOn(presses[i].id);
        // Every press is sent, also the one that changes nothing.
        EXPECT_EQ(Signed(Sent(i + 1).payload.at(presses[i].byte)), presses[i].expected) << i;
    }
    EXPECT_EQ(dialog_->trims()[0], 124);
    EXPECT_EQ(dialog_->trims()[1], -124);
    EXPECT_EQ(dialog_->trims()[2], 124);
    EXPECT_EQ(Control<CTrimBar>(QuadAirplaneIds::Ch2Bar)->value(), -124);
}

TEST_F(QuadAirplaneDialog, QuitSendsTheDirectionCheckStop) {
    Connect();
    Open();
    QTest::mouseClick(Control<QPushButton>(QuadAirplaneIds::Quit), Qt::LeftButton);
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
    const SimFrame f = Sent(1);
    EXPECT_EQ(f.code, kActionCode);
    EXPECT_EQ(f.payload.at(3), 0);
    EXPECT_EQ(sim_->frames().size(), 1u);
}

TEST_F(QuadAirplaneDialog, EscapeAndTheCloseBoxCancelAfterTheDirectionCheckStop) {
    Connect();
    Command::DirectionCheckOn(TheOrvex());
    ASSERT_TRUE(sim_->waitForLog("direction-check on", kWaitMs));
    Open();
    QTest::keyClick(dialog_.get(), Qt::Key_Escape);
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(dialog_->result(), QDialog::Rejected);
    EXPECT_TRUE(sim_->waitForLog("direction-check off", kWaitMs));
    const SimFrame f = Sent(2);
    EXPECT_EQ(f.code, kActionCode);
    EXPECT_EQ(f.payload.at(3), 0);

    Open();
    dialog_->close();
    EXPECT_EQ(dialog_->result(), QDialog::Rejected);
    EXPECT_EQ(Sent(3).code, kActionCode);
    EXPECT_EQ(Sent(3).payload.at(3), 0);
    // The template's Cancel is there for Esc but never on screen.
    EXPECT_FALSE(Control<QPushButton>(QuadAirplaneIds::Cancel)->isVisible());
}

TEST_F(QuadAirplaneDialog, ArrowButtonsCarryIconsTooltipsAndTheDialogsTheme) {
    Open();
    const QMap<int, QString> arrows{{QuadAirplaneIds::Ch1Up, "CH1"},   {QuadAirplaneIds::Ch2Up, "CH2"},
                                    {QuadAirplaneIds::Ch3Up, "CH3"},   {QuadAirplaneIds::Ch4Up, "CH4"},
                                    {QuadAirplaneIds::Ch1Down, "CH1"}, {QuadAirplaneIds::Ch2Down, "CH2"},
                                    {QuadAirplaneIds::Ch3Down, "CH3"}, {QuadAirplaneIds::Ch4Down, "CH4"}};
    ASSERT_EQ(dialog_->findChildren<CIconButton*>().size(), arrows.size());
    for (auto it = arrows.begin(); it != arrows.end(); ++it) {
        auto* b = Control<CIconButton>(it.key());
        ASSERT_NE(b, nullptr) << it.key();
        EXPECT_EQ(b->toolTip(), it.value());
        EXPECT_EQ(b->toolCount(), 1);
        EXPECT_FALSE(b->faceIcon().isNull());
        const int shift =
            b->faceColour(CIconButton::HoverBackground).red() - b->faceColour(CIconButton::NormalBackground).red();
        EXPECT_GT(shift, 0);
        EXPECT_LE(shift, 30);
    }
    EXPECT_NE(dialog_->theme(), nullptr);
}
