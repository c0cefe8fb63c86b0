// Pages 5 to 8 of the setup wizard against the simulated Orvex: Servo type,
// Swashplate type (with the quadrotor and airplane dialog on top of it),
// Servo reverse and Servo trim. Each choice must reach the device at once in
// a ParameterFrame; the pages follow the parameters the device reports.

#include "TempDir.h"
#include "airframe/CQuadAirplaneDialog.h"
#include "params/Orvex.h"
#include "test_wizard_support.h"
#include "widgets/Announcer.h"
#include "widgets/CIconButton.h"
#include "widgets/CPngButton.h"
#include "widgets/CTrimBar.h"
#include "widgets/Pictures.h"
#include "wizard/CStep6.h"
#include "wizard/CStep7.h"
#include "wizard/CStep8.h"
#include "wizard/CStep9.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <optional>

namespace {
constexpr int kParameterCode = 30, kActionCode = 50;

constexpr int kServoTypeButtons[6] = {ServoTypeIds::Type1, ServoTypeIds::Type2, ServoTypeIds::Type3,
                                      ServoTypeIds::Type4, ServoTypeIds::Type5, ServoTypeIds::Type6};
// Swashplate types 1..5.
constexpr int kSwashButtons[5] = {SwashplateTypeIds::Mix, SwashplateTypeIds::Ccpm120, SwashplateTypeIds::Ccpm135,
                                  SwashplateTypeIds::Ccpm140, SwashplateTypeIds::Ccpm90};

// Sets a value the way the device and the program both hold it, so that the
// copy after an answered frame keeps it.
void SetValue(CV name, int value) {
    TheOrvex().config[name] = static_cast<int8_t>(value);
    *BytePtr(TheOrvex().image, Def(name).device) = static_cast<int8_t>(value);
}

int Signed(uint8_t b) { return static_cast<int8_t>(b); }

// Runs fn on the quadrotor and airplane dialog from inside its modal loop,
// then makes sure the dialog is closed so the test never hangs on it.
void WhenDialogOpens(std::function<void(CQuadAirplaneDialog&)> fn) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, fn] {
        auto* dialog = qobject_cast<CQuadAirplaneDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        fn(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
    poll->start();
}

template <class T>
T* Find(QWidget* in, int id) {
    return in->findChild<T*>(ControlName(id));
}
}  // namespace

class WizardPages5to8 : public WizardTest {
protected:
    // Starts the simulated Orvex; the link to it opens once the wizard is on
    // its page (OpenOnPage).
    void Connect(std::vector<std::string> extra = {}) {
        std::vector<std::string> args{"--baud", "0"};
        args.insert(args.end(), extra.begin(), extra.end());
        sim_.emplace(SimProcess::Options{.args = args});
    }
    // Opens the wizard and goes to page k with Next, as a user does. The link
    // opens on arrival: the way there passes the Monitor page, whose status
    // stream is no part of these pages.
    void OpenOnPage(int k) {
        OpenWizard();
        for (int i = 1; i < k; ++i) Click(WizardIds::Next);
        ASSERT_EQ(wizard_->currentPage(), k);
        ASSERT_EQ(VisiblePage(), k);
        if (sim_) {
            ASSERT_TRUE(ConnectLink(sim_->portPath()));
        }
    }
    QWidget& Page(int k) { return *wizard_->page(k); }
    void ClickOn(int page, int id) {
        auto* b = Find<QAbstractButton>(&Page(page), id);
        ASSERT_NE(b, nullptr) << id;
        ASSERT_TRUE(b->isVisible()) << id;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    // The n-th frame the device got (1-based).
    SimFrame Sent(size_t n) {
        EXPECT_TRUE(sim_->waitForFrames(n, kWaitMs)) << "frame " << n << " never came";
        const auto frames = sim_->frames();
        return frames.size() >= n ? frames[n - 1] : SimFrame{};
    }
    size_t SentCount() { return sim_->frames().size(); }
    // Waits for the device's answer to the last frame and lets the page take it.
    void WaitAnswered() {
        ASSERT_TRUE(WaitFor([] { return TheOrvex().link.ReplyPending == 0; }));
    }

    std::vector<int> Chosen(int page, std::span<const int> ids, int first) {
        std::vector<int> chosen;
        for (size_t i = 0; i < ids.size(); ++i)
            if (Find<CPngButton>(&Page(page), ids[i])->chosen()) chosen.push_back(first + static_cast<int>(i));
        return chosen;
    }
    std::vector<int> ServoTypesChosen() { return Chosen(5, kServoTypeButtons, 0); }
    std::vector<int> SwashTypesChosen() { return Chosen(6, kSwashButtons, 1); }

    std::optional<SimProcess> sim_;
};

// ---- Servo type ---------------------------------------------------------------------

using ServoTypePage = WizardPages5to8;

TEST_F(ServoTypePage, EachButtonStoresItsRowAndSendsAtOnce) {
    Connect();
    SetValue(CV::ServoType, 0);
    OpenOnPage(5);
    EXPECT_EQ(ServoTypesChosen(), std::vector<int>{0});
    // Type4 is the fourth row although its id lies outside the run.
    const int order[] = {3, 5, 1, 0, 4, 2};
    for (size_t n = 0; n < std::size(order); ++n) {
        const int t = order[n];
        ClickOn(5, kServoTypeButtons[t]);
        EXPECT_EQ(ServoTypesChosen(), std::vector<int>{t});
        EXPECT_EQ(TheOrvex().config[CV::ServoType], t);
        EXPECT_EQ(TheOrvex().image.SetupBlock[19], t);
        const SimFrame f = Sent(n + 1);
        EXPECT_EQ(f.code, kParameterCode);
        EXPECT_EQ(f.payload.at(19), t);
        WaitAnswered();
    }
    EXPECT_EQ(SentCount(), std::size(order));
}

TEST_F(ServoTypePage, ClickingTheChosenButtonSendsAgain) {
    Connect();
    SetValue(CV::ServoType, 3);
    OpenOnPage(5);
    ASSERT_EQ(ServoTypesChosen(), std::vector<int>{3});
    ClickOn(5, ServoTypeIds::Type4);
    ClickOn(5, ServoTypeIds::Type4);
    EXPECT_EQ(Sent(1).payload.at(19), 3);
    EXPECT_EQ(Sent(2).payload.at(19), 3);
    EXPECT_EQ(Sent(2).code, kParameterCode);
    EXPECT_EQ(ServoTypesChosen(), std::vector<int>{3});
}

TEST_F(ServoTypePage, ATypeAboveFiveShowsNoneChosenUntilTheUserChooses) {
    SetValue(CV::ServoType, 7);
    OpenOnPage(5);
    auto& page = static_cast<CStep6&>(Page(5));
    EXPECT_TRUE(ServoTypesChosen().empty());
    // The refresh keeps reading the value but has no button for it.
    SetValue(CV::ServoType, 6);
    ASSERT_TRUE(WaitFor([&] { return page.servoType() == 6; }));
    EXPECT_TRUE(ServoTypesChosen().empty());
    ClickOn(5, ServoTypeIds::Type5);
    EXPECT_EQ(ServoTypesChosen(), std::vector<int>{4});
    EXPECT_EQ(TheOrvex().config[CV::ServoType], 4);
    // Going above five again leaves the last choice on screen.
    SetValue(CV::ServoType, 9);
    ASSERT_TRUE(WaitFor([&] { return page.servoType() == 9; }));
    EXPECT_EQ(ServoTypesChosen(), std::vector<int>{4});
}

TEST_F(ServoTypePage, ADeviceReplyMovesTheChoice) {
    TempDir dir;
    std::vector<uint8_t> image(78, 0);
    image[19] = 5;  // the device has 960us tail servos
    const std::string path = dir.file("image.bin");
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(image.data(), 1, image.size(), f);
    std::fclose(f);
    Connect({"--image", path});
    SetValue(CV::ServoType, 1);
    OpenOnPage(5);
    ASSERT_EQ(ServoTypesChosen(), std::vector<int>{1});
    Command::RequestParameters(TheOrvex());
    ASSERT_TRUE(WaitFor([&] { return ServoTypesChosen() == std::vector<int>{5}; }));
    EXPECT_EQ(TheOrvex().config[CV::ServoType], 5);
}

// ---- Swashplate type ----------------------------------------------------------------

using SwashplateTypePage = WizardPages5to8;

TEST_F(SwashplateTypePage, EachButtonStoresItsTypeAndTheCaptionIsItsTooltip) {
    Connect();
    SetValue(CV::SwashPlateType, 1);
    OpenOnPage(6);
    EXPECT_EQ(SwashTypesChosen(), std::vector<int>{1});
    struct Case {
        int id;
        const char* caption;
        int type;
    };
    // 140CCPM is 1079 and 90CCPM is 1078: the ids run the other way.
    const Case cases[] = {{SwashplateTypeIds::Ccpm140, "140CCPM", 4},
                          {SwashplateTypeIds::Ccpm90, "90CCPM", 5},
                          {SwashplateTypeIds::Ccpm120, "120CCPM", 2},
                          {SwashplateTypeIds::Ccpm135, "135CCPM", 3},
                          {SwashplateTypeIds::Mix, "MIX", 1}};
    for (size_t n = 0; n < std::size(cases); ++n) {
        const Case& c = cases[n];
        EXPECT_EQ(Find<CPngButton>(&Page(6), c.id)->toolTip(), c.caption);
        ClickOn(6, c.id);
        EXPECT_EQ(SwashTypesChosen(), std::vector<int>{c.type}) << c.caption;
        EXPECT_EQ(TheOrvex().config[CV::SwashPlateType], c.type);
        EXPECT_EQ(TheOrvex().image.SetupBlock[27], c.type);
        const SimFrame f = Sent(n + 1);
        EXPECT_EQ(f.code, kParameterCode);
        EXPECT_EQ(f.payload.at(27), c.type) << c.caption;
        WaitAnswered();
    }
}

TEST_F(SwashplateTypePage, ZeroShowsNoneChosen) {
    SetValue(CV::SwashPlateType, 0);
    OpenOnPage(6);
    EXPECT_TRUE(SwashTypesChosen().empty());
}

TEST_F(SwashplateTypePage, AfterAnAirframeTypeNoneIsChosenUntilAClick) {
    Connect();
    SetValue(CV::SwashPlateType, 2);
    OpenOnPage(6);
    auto& page = static_cast<CStep7&>(Page(6));
    ASSERT_EQ(SwashTypesChosen(), std::vector<int>{2});
    bool pageKeptTheLink = false;
    WhenDialogOpens([&](CQuadAirplaneDialog& dialog) {
        // The dialog runs on top; the page beneath still owns the link and
        // takes the device's answer to the dialog's frame.
        pageKeptTheLink = TheOrvex().session.listener() == &page;
        auto* x = dialog.findChild<QRadioButton*>(ControlName(QuadAirplaneIds::XQuad));
        QTest::mouseClick(x, Qt::LeftButton, {}, QPoint(5, x->height() / 2));
        EXPECT_TRUE(WaitFor([] { return TheOrvex().link.ReplyPending == 0; }));
        QTest::mouseClick(dialog.findChild<QPushButton*>(ControlName(WizardIds::Ok)), Qt::LeftButton);
    });
    ClickOn(6, SwashplateTypeIds::QuadAirplane);
    EXPECT_TRUE(pageKeptTheLink);
    EXPECT_EQ(TheOrvex().config[CV::SwashPlateType], 7);
    EXPECT_EQ(Sent(1).payload.at(27), 7);
    EXPECT_TRUE(SwashTypesChosen().empty());
    // Once a refresh has run since, there is still nothing to choose.
    SetValue(CV::SwashPlateType, 8);
    ASSERT_TRUE(WaitFor([&] { return page.swashPlateType() == 8; }));
    EXPECT_TRUE(SwashTypesChosen().empty());
    ClickOn(6, SwashplateTypeIds::Ccpm135);
    EXPECT_EQ(SwashTypesChosen(), std::vector<int>{3});
    EXPECT_EQ(Sent(3).payload.at(27), 3);  // after the direction-check stop
}

TEST_F(SwashplateTypePage, ClosingTheDialogWithNinetyClearsThenReselects) {
    Connect();
    SetValue(CV::SwashPlateType, 5);
    OpenOnPage(6);
    ASSERT_EQ(SwashTypesChosen(), std::vector<int>{5});
    WhenDialogOpens([](CQuadAirplaneDialog& dialog) {
        EXPECT_EQ(dialog.airframeSelection(), -1);
        QTest::mouseClick(dialog.findChild<QPushButton*>(ControlName(WizardIds::Ok)), Qt::LeftButton);
    });
    ClickOn(6, SwashplateTypeIds::QuadAirplane);
    EXPECT_TRUE(SwashTypesChosen().empty());
    EXPECT_TRUE(WaitFor([&] { return SwashTypesChosen() == std::vector<int>{5}; }));
    // Quit sent only the direction-check stop.
    const SimFrame stop = Sent(1);
    EXPECT_EQ(stop.code, kActionCode);
    EXPECT_EQ(stop.payload.at(3), 0);
    EXPECT_EQ(SentCount(), 1u);
}

// ---- Servo reverse ------------------------------------------------------------------

class ServoReversePage : public WizardPages5to8 {
protected:
    QString Caption(int id) { return Find<QPushButton>(&Page(7), id)->text(); }
    QString SwashLabel() { return Find<QLabel>(&Page(7), ServoReverseIds::SwashLabel)->text(); }
    // What the page shows where the swashplate picture is drawn.
    QImage SwashArea() {
        QApplication::processEvents();
        return Page(7).grab(QRect(QPoint(370, 170), LoadPng(198).size())).toImage();
    }
};

TEST_F(ServoReversePage, CaptionsFollowTheDirections) {
    SetValue(CV::ServoDirCH1, 1);
    SetValue(CV::ServoDirCH2, -1);
    SetValue(CV::ServoDirCH3, 1);
    OpenOnPage(7);
    EXPECT_EQ(Caption(ServoReverseIds::Ch1), "CH1(Normal)");
    EXPECT_EQ(Caption(ServoReverseIds::Ch2), "CH2(Reverse)");
    EXPECT_EQ(Caption(ServoReverseIds::Ch3), "CH3(Normal)");
    // A direction changed elsewhere shows within a refresh.
    SetValue(CV::ServoDirCH3, -1);
    EXPECT_TRUE(WaitFor([&] { return Caption(ServoReverseIds::Ch3) == "CH3(Reverse)"; }));
}

TEST_F(ServoReversePage, ZeroShowsReverseAndOneClickSetsNormal) {
    Connect();
    SetValue(CV::ServoDirCH2, 0);  // from a stored configuration
    OpenOnPage(7);
    EXPECT_EQ(Caption(ServoReverseIds::Ch2), "CH2(Reverse)");
    ClickOn(7, ServoReverseIds::Ch2);
    EXPECT_EQ(Caption(ServoReverseIds::Ch2), "CH2(Normal)");
    EXPECT_EQ(TheOrvex().config[CV::ServoDirCH2], 1);
    // A reader hears the new direction of the button just pressed.
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return Announcer::Of(&Page(7))->lastText().endsWith("CH2 servo direction: Normal");
    })) << Announcer::Of(&Page(7))->lastText().toStdString();
    const SimFrame f = Sent(1);
    EXPECT_EQ(f.code, kParameterCode);
    EXPECT_EQ(f.payload.at(7), 1);
}

TEST_F(ServoReversePage, TwoQuickClicksSendTwoFramesAndEndWhereTheyStarted) {
    Connect();
    SetValue(CV::ServoDirCH1, 1);
    SetValue(CV::ServoDirCH3, 1);
    OpenOnPage(7);
    ClickOn(7, ServoReverseIds::Ch1);
    ClickOn(7, ServoReverseIds::Ch1);
    EXPECT_EQ(Caption(ServoReverseIds::Ch1), "CH1(Normal)");
    EXPECT_EQ(Sent(1).payload.at(6), 255);
    EXPECT_EQ(Sent(2).payload.at(6), 1);
    EXPECT_EQ(Sent(2).payload.at(8), 1);  // CH3 untouched
    EXPECT_EQ(TheOrvex().config[CV::ServoDirCH1], 1);
    EXPECT_EQ(TheOrvex().image.SetupBlock[6], 1);
    EXPECT_EQ(SentCount(), 2u);
}

TEST_F(ServoReversePage, EachChannelWritesItsOwnByte) {
    Connect();
    for (CV c : {CV::ServoDirCH1, CV::ServoDirCH2, CV::ServoDirCH3}) SetValue(c, 1);
    OpenOnPage(7);
    const int buttons[3] = {ServoReverseIds::Ch1, ServoReverseIds::Ch2, ServoReverseIds::Ch3};
    for (int n = 0; n < 3; ++n) {
        ClickOn(7, buttons[n]);
        const SimFrame f = Sent(static_cast<size_t>(n) + 1);
        for (int ch = 0; ch < 3; ++ch) EXPECT_EQ(f.payload.at(6 + ch), ch <= n ? 255 : 1) << n << ch;
        WaitAnswered();
    }
}

TEST_F(ServoReversePage, AirframeTypesShowTheMechanicalMixer) {
    SetValue(CV::SwashPlateType, 1);
    OpenOnPage(7);
    EXPECT_EQ(SwashLabel(), "Swashplate type:Mechanical mixer");
    const QImage mechanical = SwashArea();
    SetValue(CV::SwashPlateType, 2);
    ASSERT_TRUE(WaitFor([&] { return SwashLabel() == "Swashplate type:120 CCPM"; }));
    EXPECT_NE(SwashArea(), mechanical);
    for (int type : {6, 7, 8, 9}) {
        SetValue(CV::SwashPlateType, type);
        ASSERT_TRUE(WaitFor([&] { return SwashLabel() == "Swashplate type:Mechanical mixer"; })) << type;
        EXPECT_EQ(SwashArea(), mechanical) << type;
        SetValue(CV::SwashPlateType, 5);
        ASSERT_TRUE(WaitFor([&] { return SwashLabel() == "Swashplate type:90 CCPM"; }));
    }
}

// ---- Servo trim ---------------------------------------------------------------------

class ServoTrimPage : public WizardPages5to8 {
protected:
    void SetUpTrims(int type, std::array<int, 3> trims, std::array<int, 3> directions) {
        SetValue(CV::SwashPlateType, type);
        const CV trimNames[3] = {CV::ServoAdjustCH1, CV::ServoAdjustCH2, CV::ServoAdjustCH3};
        const CV dirNames[3] = {CV::ServoDirCH1, CV::ServoDirCH2, CV::ServoDirCH3};
        for (int i = 0; i < 3; ++i) {
            SetValue(trimNames[i], trims[static_cast<size_t>(i)]);
            SetValue(dirNames[i], directions[static_cast<size_t>(i)]);
        }
    }
    // Presses a button and returns the trims CH1..CH3 the device got.
    std::array<int, 3> Press(int id) {
        ClickOn(8, id);
        const SimFrame f = Sent(++pressed_);
        EXPECT_EQ(f.code, kParameterCode);
        WaitAnswered();
        if (f.payload.size() < 3) return {};
        return {Signed(f.payload[0]), Signed(f.payload[1]), Signed(f.payload[2])};
    }
    std::array<int, 3> Bars() {
        const int ids[3] = {ServoTrimIds::Ch1Bar, ServoTrimIds::Ch2Bar, ServoTrimIds::Ch3Bar};
        std::array<int, 3> v{};
        for (size_t i = 0; i < 3; ++i) v[i] = Find<CTrimBar>(&Page(8), ids[i])->value();
        return v;
    }
    using T = std::array<int, 3>;
    size_t pressed_ = 0;
};

TEST_F(ServoTrimPage, UpAtTheLimitKeeps124AndStillSends) {
    Connect();
    SetUpTrims(2, {124, 0, -124}, {1, 1, 1});
    OpenOnPage(8);
    EXPECT_EQ(Bars(), (T{124, 0, -124}));
    EXPECT_EQ(Press(ServoTrimIds::Ch1Up), (T{124, 0, -124}));
    EXPECT_EQ(Press(ServoTrimIds::Ch3Down), (T{124, 0, -124}));  // CH3 down at -124
    EXPECT_EQ(Bars(), (T{124, 0, -124}));
    EXPECT_EQ(Press(ServoTrimIds::Ch1Down), (T{123, 0, -124}));
}

TEST_F(ServoTrimPage, ReversedChannelTwoRunsTheOtherWay) {
    Connect();
    SetUpTrims(2, {7, 0, -3}, {1, -1, 1});
    OpenOnPage(8);
    EXPECT_EQ(Press(ServoTrimIds::Ch2Up), (T{7, -1, -3}));  // CH2 up lowers the stored trim
    EXPECT_EQ(Press(ServoTrimIds::Ch2Down), (T{7, 0, -3}));
    EXPECT_EQ(Press(ServoTrimIds::Ch2Down), (T{7, 1, -3}));
    EXPECT_EQ(TheOrvex().config[CV::ServoAdjustCH2], 1);
    EXPECT_EQ(Bars(), (T{7, 1, -3}));
}

TEST_F(ServoTrimPage, ADirectionThatIsNeitherWayLeavesTheTrimButSends) {
    Connect();
    SetUpTrims(2, {0, 9, 0}, {1, 0, 1});
    OpenOnPage(8);
    EXPECT_EQ(Press(ServoTrimIds::Ch2Up), (T{0, 9, 0}));
    EXPECT_EQ(Press(ServoTrimIds::Ch1Up), (T{1, 9, 0}));
}

TEST_F(ServoTrimPage, CollectiveThenRollOn120Ccpm) {
    Connect();
    SetUpTrims(2, {0, 0, 0}, {1, 1, 1});
    OpenOnPage(8);
    EXPECT_EQ(Press(ServoTrimIds::CollectivePlus5), (T{5, 5, 5}));  // collective +5
    // roll 5 * 1.09375 = 5.46875 on the side servos, truncated toward zero
    EXPECT_EQ(Press(ServoTrimIds::RollPlus5), (T{0, 10, 5}));
    EXPECT_EQ(Bars(), (T{0, 10, 5}));
    EXPECT_EQ(TheOrvex().config[CV::ServoAdjustCH2], 10);
}

TEST_F(ServoTrimPage, CollectiveFollowsEachServosDirection) {
    Connect();
    SetUpTrims(2, {0, 0, 0}, {-1, 1, -1});
    OpenOnPage(8);
    EXPECT_EQ(Press(ServoTrimIds::CollectivePlus5), (T{-5, 5, -5}));
    EXPECT_EQ(Press(ServoTrimIds::CollectivePlus5), (T{-10, 10, -10}));
    EXPECT_EQ(Press(ServoTrimIds::CollectiveMinus1), (T{-9, 9, -9}));
}

TEST_F(ServoTrimPage, NinetyCcpmPitchMovesOnlyChannelThreeAndRollOnlyTheOthers) {
    Connect();
    SetUpTrims(5, {0, 0, 0}, {1, 1, 1});
    OpenOnPage(8);
    EXPECT_EQ(Press(ServoTrimIds::PitchPlus5), (T{0, 0, -6}));  // pitch +5: CH3 by -1.25 * 5, truncated
    EXPECT_EQ(Press(ServoTrimIds::Clean), (T{0, 0, 0}));        // Clean
    EXPECT_EQ(Press(ServoTrimIds::PitchPlus1), (T{0, 0, -1}));  // pitch +1
    EXPECT_EQ(Press(ServoTrimIds::Clean), (T{0, 0, 0}));
    EXPECT_EQ(Press(ServoTrimIds::RollPlus5), (T{-6, 6, 0}));  // roll +5: the side servos by 6.25
}

TEST_F(ServoTrimPage, SwashMovesStopAtTheLimit) {
    Connect();
    SetUpTrims(2, {122, 122, 122}, {1, 1, 1});
    OpenOnPage(8);
    EXPECT_EQ(Press(ServoTrimIds::CollectivePlus5), (T{124, 124, 124}));
    SetUpTrims(2, {-120, -120, -120}, {1, 1, 1});
    ASSERT_TRUE(WaitFor([&] { return Bars() == T{-120, -120, -120}; }));
    EXPECT_EQ(Press(ServoTrimIds::CollectiveMinus5), (T{-124, -124, -124}));
}

TEST_F(ServoTrimPage, MechanicalMixerWithChannelThreeReversed) {
    Connect();
    SetUpTrims(1, {0, 0, 0}, {1, 1, -1});
    OpenOnPage(8);
    EXPECT_EQ(Press(ServoTrimIds::CollectivePlus5), (T{0, 0, -5}));  // collective +5 lowers CH3
    EXPECT_EQ(Press(ServoTrimIds::RollPlus1), (T{1, 0, -5}));        // roll +1 moves CH1
    EXPECT_EQ(Press(ServoTrimIds::PitchMinus5), (T{1, -5, -5}));     // pitch -5 moves CH2
    EXPECT_EQ(Bars(), (T{1, -5, -5}));
}

TEST_F(ServoTrimPage, AnAirframeTypeMovesOneServoPerAxisLikeTheMechanicalMixer) {
    Connect();
    SetUpTrims(2, {0, 0, 0}, {1, 1, 1});
    OpenOnPage(8);
    EXPECT_EQ(Press(ServoTrimIds::CollectivePlus5), (T{5, 5, 5}));  // leaves 120 CCPM coefficients behind
    SetValue(CV::SwashPlateType, 7);
    ASSERT_TRUE(WaitFor([&] {
        return Find<QLabel>(&Page(8), ServoTrimIds::SwashLabel)->text() == "Swashplate type:Mechanical mixer";
    }));
    EXPECT_EQ(Press(ServoTrimIds::RollPlus5), (T{10, 5, 5}));
    EXPECT_EQ(Press(ServoTrimIds::CollectivePlus1), (T{10, 5, 6}));
}

TEST_F(ServoTrimPage, CleanSendsOneFrameWithZeros) {
    Connect();
    SetUpTrims(3, {30, -40, 124}, {1, -1, 1});
    OpenOnPage(8);
    EXPECT_EQ(Bars(), (T{30, -40, 124}));
    EXPECT_EQ(Press(ServoTrimIds::Clean), (T{0, 0, 0}));
    EXPECT_EQ(Bars(), (T{0, 0, 0}));
    for (CV c : {CV::ServoAdjustCH1, CV::ServoAdjustCH2, CV::ServoAdjustCH3}) EXPECT_EQ(TheOrvex().config[c], 0);
    EXPECT_EQ(SentCount(), 1u);
}

TEST_F(ServoTrimPage, BarsFollowTheTrimsAndTheLabelTheSwashplate) {
    SetUpTrims(4, {10, -20, 30}, {1, 1, 1});
    OpenOnPage(8);
    EXPECT_EQ(Bars(), (T{10, -20, 30}));
    EXPECT_EQ(Find<QLabel>(&Page(8), ServoTrimIds::SwashLabel)->text(), "Swashplate type:140 CCPM");
    SetValue(CV::ServoAdjustCH2, 55);
    EXPECT_TRUE(WaitFor([&] { return Bars() == T{10, 55, 30}; }));
    const auto& trims = static_cast<CStep9&>(Page(8)).trims();
    EXPECT_EQ(trims, (T{10, 55, 30}));
}

TEST_F(ServoTrimPage, ArrowButtonsCarryIconsThemeTooltipsAndHoverLightening) {
    OpenOnPage(8);
    auto& page = static_cast<CStep9&>(Page(8));
    const auto buttons = page.findChildren<CIconButton*>();
    ASSERT_EQ(buttons.size(), 18);
    QMap<QString, QString> tooltips;
    for (auto [id, text] : {std::pair{ServoTrimIds::Ch1Up, "CH1"},
                            {ServoTrimIds::Ch1Down, "CH1"},
                            {ServoTrimIds::Ch2Up, "CH2"},
                            {ServoTrimIds::Ch2Down, "CH2"},
                            {ServoTrimIds::Ch3Up, "CH3"},
                            {ServoTrimIds::Ch3Down, "CH3"}})
        tooltips.insert(ControlName(id), QString::fromLatin1(text));
    for (CIconButton* b : buttons) {
        const QString id = b->objectName();
        EXPECT_FALSE(b->faceIcon().isNull()) << id.toStdString();
        EXPECT_FALSE(b->accessibleName().isEmpty()) << id.toStdString();
        EXPECT_EQ(b->toolTip(), tooltips.value(id)) << id.toStdString();
        EXPECT_EQ(b->toolCount(), tooltips.contains(id) ? 1 : 0) << id.toStdString();
        const QColor normal = b->faceColour(CIconButton::NormalBackground);
        const QColor hover = b->faceColour(CIconButton::HoverBackground);
        const int shift = hover.red() - normal.red();
        EXPECT_GT(shift, 0) << id.toStdString();
        EXPECT_LE(shift, 30) << id.toStdString();
        EXPECT_EQ(hover.green() - normal.green(), shift) << id.toStdString();
        EXPECT_EQ(hover.blue() - normal.blue(), shift) << id.toStdString();
    }
    // Hovering, pressing or the theme's state never break the page's work.
    EXPECT_NE(page.theme(), nullptr);
}

// The mixer on its own: the swashplate position is read back from the stored
// trims, so pressing one collective button again and again moves the
// swashplate along that axis only, for every CCPM geometry and every mix of
// servo directions.
TEST(SwashTrimMixerAlone, RepeatedCollectivePressesMoveEveryServoOneUnitAtATime) {
    for (int type = 2; type <= 5; ++type) {
        for (int mask = 0; mask < 8; ++mask) {
            const SwashTrimMixer::Directions s{mask & 1 ? -1 : 1, mask & 2 ? -1 : 1, mask & 4 ? -1 : 1};
            SwashTrimMixer mixer;
            ParameterImage image;
            SwashTrimMixer::Trims trims{};
            for (int n = 1; n <= 130; ++n) {
                trims = mixer.Move(trims, image, s, type, SwashTrimMixer::Axis::Collective, +1);
                for (int i = 0; i < 3; ++i) image.SetupBlock[i] = static_cast<int8_t>(trims[static_cast<size_t>(i)]);
                const int expected = std::min(n, 124);
                EXPECT_EQ(trims, (SwashTrimMixer::Trims{expected * s[0], expected * s[1], expected * s[2]}))
                    << "type " << type << " directions " << mask << " press " << n;
            }
        }
    }
}
