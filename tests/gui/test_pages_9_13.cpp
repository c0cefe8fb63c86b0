// The last five setup wizard pages against a simulated Orvex: Swashplate
// travel, Collective pitch and Tail setup (sliders with edit boxes), Gyro dir
// (three direction buttons) and Pirouette optimization (the direction check).
// "Sends nothing" is shown by a later action whose frame is known: the next
// frame the device logs is that one.

#include "TempDir.h"
#include "params/Orvex.h"
#include "test_wizard_support.h"
#include "widgets/Dialogs.h"
#include "wizard/CStep10.h"
#include "wizard/CStep11.h"
#include "wizard/CStep12.h"
#include "wizard/CStep13.h"
#include "wizard/CStep14.h"
#include "wizard/PageParts.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include <cstdlib>
#include <fstream>

namespace {
// Frames the way to a page sends: the Receiver, Monitor and Installation
// pages each send one QueryFrame.
constexpr size_t kNavigationFrames = 3;

constexpr int kSwashTravelPage = 9, kCollectivePage = 10, kTailPage = 11, kGyroPage = 12, kPirouettePage = 13;

int8_t SetupByte(const SimFrame& f, size_t i) { return static_cast<int8_t>(f.payload.at(i)); }
int8_t TuningByte(const SimFrame& f, size_t j) { return static_cast<int8_t>(f.payload.at(32 + j)); }
constexpr size_t kDirectionCheckByte = 3;  // in an ActionFrame's payload

QStyleOptionSlider SliderOption(const QSlider* s, int position) {
    QStyleOptionSlider opt;
    opt.initFrom(s);
    opt.orientation = s->orientation();
    opt.minimum = s->minimum();
    opt.maximum = s->maximum();
    opt.sliderPosition = position;
    opt.sliderValue = position;
    opt.tickPosition = s->tickPosition();
    opt.tickInterval = s->tickInterval();
    opt.upsideDown = !s->invertedAppearance();
    opt.subControls = QStyle::SC_All;
    return opt;
}

// Where the handle's centre is when the slider stands at a position.
QPoint HandleCentre(const QSlider* s, int position) {
    const QStyleOptionSlider opt = SliderOption(s, position);
    return s->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, s).center();
}

// Presses the handle, moves the mouse in steps to the target and, unless
// told not to, lets go there.
void Drag(QSlider* s, QPoint target, bool release = true) {
    const QPoint start = HandleCentre(s, s->value());
    QTest::mousePress(s, Qt::LeftButton, {}, start);
    constexpr int kSteps = 6;
    for (int i = 1; i <= kSteps; ++i) QTest::mouseMove(s, start + (target - start) * i / kSteps);
    if (release) QTest::mouseRelease(s, Qt::LeftButton, {}, target);
}
QPoint Above(const QSlider* s) { return QPoint(s->width() / 2, -30); }
QPoint Below(const QSlider* s) { return QPoint(s->width() / 2, s->height() + 30); }

void Type(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
}

void Enter(QLineEdit* edit, const QString& text) {
    Type(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

QStringList Messages() {
    QStringList texts;
    for (const Dialogs::Request& r : Dialogs::TakeRequests()) texts << r.text;
    return texts;
}

// A parameter image file for the simulator: the program's start image with
// some SetupBlock and TuningBlock bytes changed.
std::string ImageFile(TempDir& dir,
                      const std::vector<std::pair<size_t, int8_t>>& setup,
                      const std::vector<std::pair<size_t, int8_t>>& tuning) {
    ParameterImage image = TheOrvex().image;
    for (auto [i, v] : setup) image.SetupBlock[i] = v;
    for (auto [j, v] : tuning) image.TuningBlock[j] = v;
    const std::string path = dir.file("image.bin");
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(image.SetupBlock), kSetupBlockSize);
    out.write(reinterpret_cast<const char*>(image.TuningBlock), kTuningBlockSize);
    return path;
}

}  // namespace

class LastPages : public WizardTest {
protected:
    void TearDown() override {
        wizard_.reset();
        sim_.reset();
        WizardTest::TearDown();
    }

    // Starts the simulator (with a parameter image file when given) and
    // connects the link to it.
    void Connect(const std::string& imagePath = {}) {
        std::vector<std::string> args{"--baud", "0"};
        if (!imagePath.empty()) args.insert(args.end(), {"--image", imagePath});
        sim_ = std::make_unique<SimProcess>(SimProcess::Options{.args = args});
        ASSERT_TRUE(ConnectLink(sim_->portPath()));
    }
    SimProcess& sim() { return *sim_; }

    // Opens the wizard and walks to page k with Next, as the user does; with
    // the link up, waits until the way there has been sent.
    void OpenOnPage(int k) {
        OpenWizard();
        for (int i = 1; i < k; ++i) Click(WizardIds::Next);
        ASSERT_EQ(wizard_->currentPage(), k);
        if (sim_) {
            ASSERT_TRUE(sim().waitForFrames(kNavigationFrames, kWaitMs));
            sent_ = kNavigationFrames;
        }
    }
    CWizardPage* Page() const { return wizard_->page(wizard_->currentPage()); }
    template <class T>
    T* On(int id) const {
        T* control = Page()->findChild<T*>(ControlName(id));
        EXPECT_NE(control, nullptr) << id;
        return control;
    }
    QSlider* Slider(int id) const { return On<QSlider>(id); }
    QLineEdit* Edit(int id) const { return On<QLineEdit>(id); }
    QPushButton* Button(int id) const { return On<QPushButton>(id); }

    // The next frame sent from a timer of the program: the event loop runs meanwhile.
    SimFrame NextTimedFrame() {
        EXPECT_TRUE(WaitFor([this] { return FramesSince() > 0; })) << "no frame after frame " << sent_;
        return NextFrame();
    }
    // The next frame the device logged since the last one taken.
    SimFrame NextFrame() {
        EXPECT_TRUE(sim().waitForFrames(sent_ + 1, kWaitMs)) << "no frame after frame " << sent_;
        const std::vector<SimFrame> frames = sim().frames();
        if (frames.size() <= sent_) return {};
        return frames[sent_++];
    }
    // How many frames came in after the ones taken so far.
    size_t FramesSince() const { return sim_->frames().size() - sent_; }

    // Waits until a page refresh has shown these ConfigValues. A reply still
    // on its way from the page changes copies the unit's values back over
    // them, so they are set again at every look until the page shows them.
    void WaitForRefresh(std::initializer_list<std::pair<CV, int8_t>> values, const std::function<bool()>& shown) {
        const std::vector<std::pair<CV, int8_t>> wanted(values);
        const bool refreshed = WaitFor([&] {
            for (const auto& [name, value] : wanted) TheOrvex().config[name] = value;
            return shown();
        });
        ASSERT_TRUE(refreshed) << "the page did not refresh";
    }

    // Asks the device for its parameters until the page shows that it took
    // them. Replies still on their way from the page changes may share one
    // read with the answer, and a read is scanned for one frame only; a new
    // request gets a new answer.
    bool RequestParametersUntil(const std::function<bool()>& taken) {
        for (int attempt = 0; attempt < 5; ++attempt) {
            Command::RequestParameters(TheOrvex());
            if (WaitFor(taken, kWaitMs / 5)) return true;
        }
        return false;
    }

    std::unique_ptr<SimProcess> sim_;
    size_t sent_ = 0;
};

// ---------------------------------------------------------------- page 9

class SwashplateTravel : public LastPages {
protected:
    void SetUp() override {
        LastPages::SetUp();
        TheOrvex().config[CV::AileronLimit] = 80;
        TheOrvex().config[CV::ElevatorLimit] = 70;
        TheOrvex().image.SetupBlock[14] = 80;
        TheOrvex().image.SetupBlock[15] = 70;
    }
};

TEST_F(SwashplateTravel, ShowsBothLimitsOnSlidersAndInTheBoxes) {
    OpenOnPage(kSwashTravelPage);
    EXPECT_NE(dynamic_cast<CStep10*>(Page()), nullptr);
    EXPECT_EQ(Slider(SwashplateTravelIds::AileronSlider)->minimum(), 20);
    EXPECT_EQ(Slider(SwashplateTravelIds::AileronSlider)->maximum(), 125);
    EXPECT_EQ(Slider(SwashplateTravelIds::AileronSlider)->tickInterval(), 15);
    EXPECT_EQ(Slider(SwashplateTravelIds::AileronSlider)->value(), 80);
    EXPECT_EQ(Slider(SwashplateTravelIds::ElevatorSlider)->value(), 70);
    EXPECT_EQ(Edit(SwashplateTravelIds::AileronEdit)->text(), "80");
    EXPECT_EQ(Edit(SwashplateTravelIds::ElevatorEdit)->text(), "70");
    EXPECT_TRUE(Page()->refreshTimerActive());
}

TEST_F(SwashplateTravel, TopOfTheSliderIs125AndBottomIs20) {
    Connect();
    OpenOnPage(kSwashTravelPage);
    QSlider* aileron = Slider(SwashplateTravelIds::AileronSlider);
    Drag(aileron, Above(aileron));
    EXPECT_EQ(Edit(SwashplateTravelIds::AileronEdit)->text(), "125");
    EXPECT_EQ(TheOrvex().config[CV::AileronLimit], 125);
    SimFrame f = NextFrame();
    EXPECT_EQ(f.code, ParameterFrame);
    EXPECT_EQ(SetupByte(f, 14), 125);
    EXPECT_EQ(SetupByte(f, 15), 70);

    Drag(aileron, Below(aileron));
    EXPECT_EQ(Edit(SwashplateTravelIds::AileronEdit)->text(), "20");
    EXPECT_EQ(SetupByte(NextFrame(), 14), 20);

    QSlider* elevator = Slider(SwashplateTravelIds::ElevatorSlider);
    Drag(elevator, Above(elevator));
    EXPECT_EQ(Edit(SwashplateTravelIds::ElevatorEdit)->text(), "125");
    EXPECT_EQ(TheOrvex().config[CV::ElevatorLimit], 125);
    f = NextFrame();
    EXPECT_EQ(SetupByte(f, 15), 125);
    EXPECT_EQ(SetupByte(f, 14), 20);
}

TEST_F(SwashplateTravel, TypingAboveTheRangeShowsTheRangeMessageAndSends125Once) {
    Connect();
    OpenOnPage(kSwashTravelPage);
    Type(Edit(SwashplateTravelIds::AileronEdit), "200");
    // One press: key down, two repeats of a held key, key up.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(Edit(SwashplateTravelIds::AileronEdit), &press);
    for (int i = 0; i < 2; ++i) {
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
        QApplication::sendEvent(Edit(SwashplateTravelIds::AileronEdit), &repeat);
    }
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(Edit(SwashplateTravelIds::AileronEdit), &release);

    EXPECT_EQ(Messages(), QStringList{"Please enter an integer between 20 and 125."});
    EXPECT_EQ(Slider(SwashplateTravelIds::AileronSlider)->value(),
              Slider(SwashplateTravelIds::AileronSlider)->maximum())
        << "the slider stands at its top";
    EXPECT_EQ(Edit(SwashplateTravelIds::AileronEdit)->text(), "125");
    EXPECT_EQ(TheOrvex().image.SetupBlock[14], 125);
    const SimFrame f = NextFrame();
    EXPECT_EQ(f.code, ParameterFrame);
    EXPECT_EQ(SetupByte(f, 14), 125);

    Enter(Edit(SwashplateTravelIds::ElevatorEdit), "90");
    const SimFrame next = NextFrame();
    EXPECT_EQ(SetupByte(next, 15), 90) << "the held Enter sent more than once";
    EXPECT_EQ(SetupByte(next, 14), 125);
}

TEST_F(SwashplateTravel, TextThatIsNoNumberKeepsTheValue) {
    Connect();
    OpenOnPage(kSwashTravelPage);
    Enter(Edit(SwashplateTravelIds::ElevatorEdit), "abc");
    EXPECT_EQ(Messages(), QStringList{"Please enter an integer."});
    EXPECT_EQ(Edit(SwashplateTravelIds::ElevatorEdit)->text(), "70");
    EXPECT_EQ(SetupByte(NextFrame(), 15), 70);
}

TEST_F(SwashplateTravel, DraggingSendsNothingAndTheReleaseSendsTheLastValue) {
    Connect();
    OpenOnPage(kSwashTravelPage);
    QSlider* aileron = Slider(SwashplateTravelIds::AileronSlider);
    Drag(aileron, HandleCentre(aileron, 110), false);
    const int shown = Edit(SwashplateTravelIds::AileronEdit)->text().toInt();
    EXPECT_GT(shown, 80);
    EXPECT_EQ(TheOrvex().config[CV::AileronLimit], shown);
    EXPECT_EQ(TheOrvex().image.SetupBlock[14], 80) << "the image changed while dragging";
    QTest::mouseRelease(aileron, Qt::LeftButton, {}, HandleCentre(aileron, aileron->value()));
    const SimFrame f = NextFrame();
    EXPECT_EQ(SetupByte(f, 14), shown);

    Enter(Edit(SwashplateTravelIds::ElevatorEdit), "60");
    EXPECT_EQ(SetupByte(NextFrame(), 15), 60) << "the drag sent a frame";
    EXPECT_EQ(FramesSince(), 0u);
}

// A press held on the groove steps the slider while the button is down and
// sends nothing until it lets go, then one frame.
TEST_F(SwashplateTravel, AHeldGroovePressSendsOnceOnRelease) {
    Connect();
    OpenOnPage(kSwashTravelPage);
    QSlider* aileron = Slider(SwashplateTravelIds::AileronSlider);
    const QPoint groove(aileron->width() / 2, 2);
    ASSERT_GT(HandleCentre(aileron, 80).y(), aileron->height() / 3) << "the press must miss the handle";
    QTest::mousePress(aileron, Qt::LeftButton, {}, groove);
    QTest::qWait(1500);  // past the settle time and the groove's repeat delay
    EXPECT_GT(aileron->value(), 80);
    EXPECT_EQ(FramesSince(), 0u) << "sent while the button was down";
    QTest::mouseRelease(aileron, Qt::LeftButton, {}, groove);
    EXPECT_EQ(SetupByte(NextFrame(), 14), aileron->value());

    Enter(Edit(SwashplateTravelIds::ElevatorEdit), "60");
    EXPECT_EQ(SetupByte(NextFrame(), 15), 60) << "the release sent more than once";
    EXPECT_EQ(FramesSince(), 0u);
}

TEST_F(SwashplateTravel, EnterOutsideTheTwoEditBoxesSendsNothing) {
    Connect();
    OpenOnPage(kSwashTravelPage);
    Slider(SwashplateTravelIds::ElevatorSlider)->setFocus();
    QTest::keyClick(Slider(SwashplateTravelIds::ElevatorSlider), Qt::Key_Return);
    QTest::keyClick(wizard_.get(), Qt::Key_Return);
    EXPECT_TRUE(wizard_->isVisible());
    Enter(Edit(SwashplateTravelIds::AileronEdit), "100");
    EXPECT_EQ(SetupByte(NextFrame(), 14), 100) << "Enter outside the boxes sent a frame";
}

TEST_F(SwashplateTravel, KeyboardMovesAreSentOnceTheySettle) {
    Connect();
    OpenOnPage(kSwashTravelPage);
    QSlider* aileron = Slider(SwashplateTravelIds::AileronSlider);
    aileron->setFocus();
    for (int i = 0; i < 3; ++i) QTest::keyClick(aileron, Qt::Key_Up);
    EXPECT_EQ(Edit(SwashplateTravelIds::AileronEdit)->text(), "83");
    EXPECT_EQ(TheOrvex().config[CV::AileronLimit], 83);
    QTest::keyClick(aileron, Qt::Key_PageDown);
    const int afterPage = Edit(SwashplateTravelIds::AileronEdit)->text().toInt();
    EXPECT_LT(afterPage, 83);
    EXPECT_EQ(TheOrvex().config[CV::AileronLimit], afterPage);

    // A reply before the move is sent copies the unit's old value back into
    // ConfigValues; the page's refresh must not take it over the move.
    TheOrvex().config[CV::AileronLimit] = 80;

    // One frame for the whole move, with what the box shows.
    EXPECT_EQ(SetupByte(NextTimedFrame(), 14), afterPage);
    Enter(Edit(SwashplateTravelIds::ElevatorEdit), "75");
    const SimFrame f = NextFrame();
    EXPECT_EQ(SetupByte(f, 15), 75) << "the move was sent more than once";
    EXPECT_EQ(SetupByte(f, 14), afterPage);
}

TEST_F(SwashplateTravel, TheRefreshFollowsConfigValuesButLeavesATypedNumberAlone) {
    Connect();
    OpenOnPage(kSwashTravelPage);
    Type(Edit(SwashplateTravelIds::AileronEdit), "99");
    WaitForRefresh({{CV::AileronLimit, 50}, {CV::ElevatorLimit, 40}},
                   [&] { return Edit(SwashplateTravelIds::ElevatorEdit)->text() == "40"; });
    EXPECT_EQ(Slider(SwashplateTravelIds::AileronSlider)->value(), 50);
    EXPECT_EQ(Slider(SwashplateTravelIds::ElevatorSlider)->value(), 40);
    EXPECT_EQ(Edit(SwashplateTravelIds::AileronEdit)->text(), "99") << "the refresh overwrote the number being typed";
    QTest::keyClick(Edit(SwashplateTravelIds::AileronEdit), Qt::Key_Return);
    EXPECT_EQ(SetupByte(NextFrame(), 14), 99);
    EXPECT_EQ(Slider(SwashplateTravelIds::AileronSlider)->value(), 99);
}

TEST_F(SwashplateTravel, AnEnteredValueStaysShownWhileTheDeviceIsSilent) {
    // No link: nothing is answered, so the image is never copied back.
    OpenOnPage(kSwashTravelPage);
    Enter(Edit(SwashplateTravelIds::AileronEdit), "95");
    EXPECT_EQ(TheOrvex().image.SetupBlock[14], 95);
    EXPECT_EQ(TheOrvex().config[CV::AileronLimit], 95);
    WaitForRefresh({{CV::ElevatorLimit, 45}}, [&] { return Edit(SwashplateTravelIds::ElevatorEdit)->text() == "45"; });
    EXPECT_EQ(Edit(SwashplateTravelIds::AileronEdit)->text(), "95");
    EXPECT_EQ(Slider(SwashplateTravelIds::AileronSlider)->value(), 95);
}

TEST_F(SwashplateTravel, TheRefreshLeavesAHeldSliderAlone) {
    Connect();
    OpenOnPage(kSwashTravelPage);
    QSlider* aileron = Slider(SwashplateTravelIds::AileronSlider);
    Drag(aileron, HandleCentre(aileron, 100), false);
    const int held = Edit(SwashplateTravelIds::AileronEdit)->text().toInt();
    const int position = aileron->value();
    // AileronLimit as an answered frame would copy it
    WaitForRefresh({{CV::AileronLimit, 30}, {CV::ElevatorLimit, 35}},
                   [&] { return Edit(SwashplateTravelIds::ElevatorEdit)->text() == "35"; });
    EXPECT_EQ(aileron->value(), position);
    QTest::mouseRelease(aileron, Qt::LeftButton, {}, HandleCentre(aileron, position));
    EXPECT_EQ(SetupByte(NextFrame(), 14), held);
}

// ---------------------------------------------------------------- page 10

class CollectivePitch : public LastPages {
protected:
    void SetUp() override {
        LastPages::SetUp();
        TheOrvex().config[CV::TotalCoefficient] = 70;
        TheOrvex().image.TuningBlock[38] = 70;
    }
};

TEST_F(CollectivePitch, ShowsTheValueWithTheSignUpAndNoTimer) {
    OpenOnPage(kCollectivePage);
    EXPECT_NE(dynamic_cast<CStep11*>(Page()), nullptr);
    EXPECT_EQ(Slider(CollectivePitchIds::PitchSlider)->minimum(), -125);
    EXPECT_EQ(Slider(CollectivePitchIds::PitchSlider)->maximum(), 125);
    EXPECT_EQ(Slider(CollectivePitchIds::PitchSlider)->tickInterval(), 50);
    EXPECT_EQ(Slider(CollectivePitchIds::PitchSlider)->value(), 70);
    EXPECT_EQ(Edit(CollectivePitchIds::PitchEdit)->text(), "70");
    EXPECT_FALSE(Page()->refreshTimerActive());
}

TEST_F(CollectivePitch, TopIsPlus125BottomMinus125AndTheCentreZero) {
    Connect();
    OpenOnPage(kCollectivePage);
    QSlider* s = Slider(CollectivePitchIds::PitchSlider);
    Drag(s, Above(s));
    EXPECT_EQ(Edit(CollectivePitchIds::PitchEdit)->text(), "125");
    EXPECT_EQ(TuningByte(NextFrame(), 38), 125);
    Drag(s, Below(s));
    EXPECT_EQ(Edit(CollectivePitchIds::PitchEdit)->text(), "-125");
    EXPECT_EQ(TheOrvex().config[CV::TotalCoefficient], -125);
    EXPECT_EQ(TuningByte(NextFrame(), 38), -125);
    // The middle of the track: the mouse lands next to 0 (251 positions share
    // fewer pixels), the arrow keys bring it to 0, a click on the handle sends.
    Drag(s, QPoint(s->width() / 2, s->height() / 2));
    EXPECT_LE(std::abs(s->value()), 2);
    EXPECT_EQ(Edit(CollectivePitchIds::PitchEdit)->text().toInt(), s->value());
    EXPECT_EQ(TuningByte(NextFrame(), 38), s->value());
    s->setFocus();
    while (s->value() > 0) QTest::keyClick(s, Qt::Key_Down);
    while (s->value() < 0) QTest::keyClick(s, Qt::Key_Up);
    EXPECT_EQ(Edit(CollectivePitchIds::PitchEdit)->text(), "0");
    QTest::mouseClick(s, Qt::LeftButton, {}, HandleCentre(s, 0));
    EXPECT_EQ(s->value(), 0);
    EXPECT_EQ(TuningByte(NextFrame(), 38), 0);
}

TEST_F(CollectivePitch, MinusThreeHundredShowsTheRangeMessageAndSendsMinus125) {
    Connect();
    OpenOnPage(kCollectivePage);
    Enter(Edit(CollectivePitchIds::PitchEdit), "-300");
    EXPECT_EQ(Messages(), QStringList{"Please enter an integer between -125 and 125."});
    EXPECT_EQ(Slider(CollectivePitchIds::PitchSlider)->value(), Slider(CollectivePitchIds::PitchSlider)->minimum())
        << "the slider stands at its bottom";
    EXPECT_EQ(Edit(CollectivePitchIds::PitchEdit)->text(), "-125");
    EXPECT_EQ(TheOrvex().config[CV::TotalCoefficient], -125);
    const SimFrame f = NextFrame();
    EXPECT_EQ(f.code, ParameterFrame);
    EXPECT_EQ(TuningByte(f, 38), -125);
}

TEST_F(CollectivePitch, AssistiveTechnologyMovesAreSentOnceTheySettle) {
    Connect();
    OpenOnPage(kCollectivePage);
    QAccessibleValueInterface* value =
        QAccessible::queryAccessibleInterface(Slider(CollectivePitchIds::PitchSlider))->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toInt(), Edit(CollectivePitchIds::PitchEdit)->text().toInt());
    value->setCurrentValue(value->currentValue().toInt() + 1);
    EXPECT_EQ(Edit(CollectivePitchIds::PitchEdit)->text(), "71");
    EXPECT_EQ(TheOrvex().config[CV::TotalCoefficient], 71);
    EXPECT_EQ(static_cast<int8_t>(TuningByte(NextTimedFrame(), 38)), 71);
    Enter(Edit(CollectivePitchIds::PitchEdit), "50");
    EXPECT_EQ(TuningByte(NextFrame(), 38), 50) << "the move was sent more than once";
}

TEST_F(CollectivePitch, ADeviceReplyDoesNotMoveTheSlider) {
    TempDir dir;
    Connect(ImageFile(dir, {}, {{38, -40}}));
    OpenOnPage(kCollectivePage);
    ASSERT_TRUE(RequestParametersUntil([] { return TheOrvex().config[CV::TotalCoefficient] == -40; }))
        << "the page did not take the reply";
    EXPECT_EQ(Slider(CollectivePitchIds::PitchSlider)->value(), 70);
    EXPECT_EQ(Edit(CollectivePitchIds::PitchEdit)->text(), "70");
    EXPECT_EQ(static_cast<CStep11*>(Page())->collectivePitch(), 70);
}

// ---------------------------------------------------------------- page 11

class TailSetup : public LastPages {
protected:
    void SetUp() override {
        LastPages::SetUp();
        Orvex& o = TheOrvex();
        o.config[CV::TailPoint] = 10;
        o.config[CV::TailLimitA] = 90;
        o.config[CV::TailLimitB] = 80;
        o.config[CV::ServoDirCH4] = 1;
        o.image.SetupBlock[3] = 10;
        o.image.SetupBlock[12] = 90;
        o.image.SetupBlock[13] = 80;
        o.image.SetupBlock[9] = 1;
    }
    CStep13& Tail() { return *static_cast<CStep13*>(Page()); }
};

TEST_F(TailSetup, ShowsTrimLimitsAndDirection) {
    OpenOnPage(kTailPage);
    EXPECT_NE(dynamic_cast<CStep13*>(Page()), nullptr);
    EXPECT_EQ(Slider(TailSetupIds::TrimSlider)->value(), 10);
    EXPECT_EQ(Slider(TailSetupIds::LimitASlider)->value(), 90);
    EXPECT_EQ(Slider(TailSetupIds::LimitBSlider)->value(), 80);
    EXPECT_EQ(Slider(TailSetupIds::LimitASlider)->tickInterval(), 15);
    EXPECT_EQ(Slider(TailSetupIds::TrimSlider)->tickInterval(), 50);
    EXPECT_EQ(Edit(TailSetupIds::TrimEdit)->text(), "10");
    EXPECT_EQ(Edit(TailSetupIds::LimitAEdit)->text(), "90");
    EXPECT_EQ(Edit(TailSetupIds::LimitBEdit)->text(), "80");
    EXPECT_EQ(PageParts::Caption(Button(TailSetupIds::Direction)), "Tail servo(Normal)");
}

TEST_F(TailSetup, SliderEndsGiveTheRangeEnds) {
    Connect();
    OpenOnPage(kTailPage);
    struct Case {
        int slider, edit;
        size_t byte;
        int top, bottom;
    };
    const Case cases[] = {{TailSetupIds::LimitASlider, TailSetupIds::LimitAEdit, 12, 125, 20},
                          {TailSetupIds::LimitBSlider, TailSetupIds::LimitBEdit, 13, 125, 20},
                          {TailSetupIds::TrimSlider, TailSetupIds::TrimEdit, 3, 125, -125}};
    for (const Case& c : cases) {
        QSlider* s = Slider(c.slider);
        Drag(s, Above(s));
        EXPECT_EQ(Edit(c.edit)->text().toInt(), c.top) << c.slider;
        EXPECT_EQ(SetupByte(NextFrame(), c.byte), c.top) << c.slider;
        Drag(s, Below(s));
        EXPECT_EQ(Edit(c.edit)->text().toInt(), c.bottom) << c.slider;
        EXPECT_EQ(SetupByte(NextFrame(), c.byte), c.bottom) << c.slider;
    }
}

TEST_F(TailSetup, FiveForLimitBShowsTheRangeMessageAndSends20LeavingLimitA) {
    Connect();
    OpenOnPage(kTailPage);
    Enter(Edit(TailSetupIds::LimitBEdit), "5");
    EXPECT_EQ(Messages(), QStringList{"Please enter an integer between 20 and 125."});
    EXPECT_EQ(Edit(TailSetupIds::LimitBEdit)->text(), "20");
    EXPECT_EQ(Slider(TailSetupIds::LimitBSlider)->value(), Slider(TailSetupIds::LimitBSlider)->minimum())
        << "the slider stands at its bottom";
    const SimFrame f = NextFrame();
    EXPECT_EQ(SetupByte(f, 13), 20);
    EXPECT_EQ(SetupByte(f, 12), 90);
    EXPECT_EQ(Tail().limitA(), 90);
    EXPECT_EQ(Edit(TailSetupIds::LimitAEdit)->text(), "90");
}

TEST_F(TailSetup, TrimAndLimitAEntriesGoToTheirBytes) {
    Connect();
    OpenOnPage(kTailPage);
    Enter(Edit(TailSetupIds::TrimEdit), "-30");
    EXPECT_EQ(Slider(TailSetupIds::TrimSlider)->value(), -30);
    SimFrame f = NextFrame();
    EXPECT_EQ(SetupByte(f, 3), -30);
    EXPECT_EQ(SetupByte(f, 12), 90);
    Enter(Edit(TailSetupIds::LimitAEdit), "110");
    EXPECT_EQ(Slider(TailSetupIds::LimitASlider)->value(), 110);
    f = NextFrame();
    EXPECT_EQ(SetupByte(f, 12), 110);
    EXPECT_EQ(SetupByte(f, 3), -30);
}

TEST_F(TailSetup, ADirectionOtherThanNormalOrReverseShowsReverseAndOneClickMakesNormal) {
    Connect();
    TheOrvex().config[CV::ServoDirCH4] = 7;
    OpenOnPage(kTailPage);
    EXPECT_EQ(PageParts::Caption(Button(TailSetupIds::Direction)), "Tail servo(Reverse)");
    QTest::mouseClick(Button(TailSetupIds::Direction), Qt::LeftButton);
    EXPECT_EQ(PageParts::Caption(Button(TailSetupIds::Direction)), "Tail servo(Normal)");
    EXPECT_EQ(TheOrvex().config[CV::ServoDirCH4], 1);
    EXPECT_EQ(SetupByte(NextFrame(), 9), 1);
    QTest::mouseClick(Button(TailSetupIds::Direction), Qt::LeftButton);
    EXPECT_EQ(PageParts::Caption(Button(TailSetupIds::Direction)), "Tail servo(Reverse)");
    EXPECT_EQ(TheOrvex().config[CV::ServoDirCH4], -1);
    EXPECT_EQ(static_cast<uint8_t>(SetupByte(NextFrame(), 9)), 255);
}

TEST_F(TailSetup, ReleasingLimitBSendsTheLastValueShown) {
    Connect();
    OpenOnPage(kTailPage);
    QSlider* s = Slider(TailSetupIds::LimitBSlider);
    Drag(s, HandleCentre(s, 40), false);
    const QString shown = Edit(TailSetupIds::LimitBEdit)->text();
    EXPECT_LT(shown.toInt(), 80);
    EXPECT_EQ(TheOrvex().config[CV::TailLimitB], shown.toInt());
    EXPECT_EQ(TheOrvex().image.SetupBlock[13], 80);
    QTest::mouseRelease(s, Qt::LeftButton, {}, HandleCentre(s, s->value()));
    EXPECT_EQ(SetupByte(NextFrame(), 13), shown.toInt());
    EXPECT_EQ(FramesSince(), 0u);
}

TEST_F(TailSetup, KeyboardMovesAreSentOnceTheySettle) {
    Connect();
    OpenOnPage(kTailPage);
    Slider(TailSetupIds::LimitASlider)->setFocus();
    QTest::keyClick(Slider(TailSetupIds::LimitASlider), Qt::Key_Up);
    EXPECT_EQ(Edit(TailSetupIds::LimitAEdit)->text(), "91");
    EXPECT_EQ(TheOrvex().config[CV::TailLimitA], 91);
    EXPECT_EQ(SetupByte(NextTimedFrame(), 12), 91);
    QTest::mouseClick(Button(TailSetupIds::Direction), Qt::LeftButton);
    const SimFrame f = NextFrame();
    EXPECT_EQ(static_cast<uint8_t>(SetupByte(f, 9)), 255) << "the move was sent more than once";
    EXPECT_EQ(SetupByte(f, 12), 91);
}

TEST_F(TailSetup, TheRefreshFollowsConfigValuesButLeavesATypedNumberAlone) {
    OpenOnPage(kTailPage);
    Type(Edit(TailSetupIds::LimitAEdit), "100");
    WaitForRefresh({{CV::TailLimitA, 60}, {CV::TailPoint, -20}, {CV::ServoDirCH4, -1}},
                   [&] { return PageParts::Caption(Button(TailSetupIds::Direction)) == "Tail servo(Reverse)"; });
    EXPECT_EQ(Slider(TailSetupIds::LimitASlider)->value(), 60);
    EXPECT_EQ(Slider(TailSetupIds::TrimSlider)->value(), -20);
    EXPECT_EQ(Edit(TailSetupIds::TrimEdit)->text(), "-20");
    EXPECT_EQ(Edit(TailSetupIds::LimitAEdit)->text(), "100");
}

// ---------------------------------------------------------------- page 12

class GyroDirection : public LastPages {
protected:
    void SetUp() override {
        LastPages::SetUp();
        Orvex& o = TheOrvex();
        for (CV name : {CV::RollDir, CV::PitchDir, CV::YawDir}) {
            o.config[name] = 1;
            *BytePtr(o.image, Def(name).device) = 1;
        }
    }
};

TEST_F(GyroDirection, AStoredZeroShowsReverseAndOneClickMakesNormal) {
    Connect();
    TheOrvex().config[CV::PitchDir] = 0;
    OpenOnPage(kGyroPage);
    EXPECT_NE(dynamic_cast<CStep12*>(Page()), nullptr);
    EXPECT_EQ(Button(GyroDirIds::Pitch)->text(), "Reverse");
    EXPECT_EQ(Button(GyroDirIds::Roll)->text(), "Normal");
    EXPECT_EQ(Button(GyroDirIds::Yaw)->text(), "Normal");
    QTest::mouseClick(Button(GyroDirIds::Pitch), Qt::LeftButton);
    EXPECT_EQ(Button(GyroDirIds::Pitch)->text(), "Normal");
    EXPECT_EQ(TheOrvex().config[CV::PitchDir], 1);
    EXPECT_EQ(SetupByte(NextFrame(), 18), 1);
}

TEST_F(GyroDirection, EachClickSendsOneFrameWithOnlyItsAxisChanged) {
    Connect();
    OpenOnPage(kGyroPage);
    struct Case {
        int button;
        size_t byte;
        CV name;
    };
    const Case cases[] = {{GyroDirIds::Roll, 17, CV::RollDir},
                          {GyroDirIds::Pitch, 18, CV::PitchDir},
                          {GyroDirIds::Yaw, 16, CV::YawDir},
                          {GyroDirIds::Roll, 17, CV::RollDir}};
    for (const Case& c : cases) {
        const ParameterImage before = TheOrvex().image;
        const int8_t expected = before.SetupBlock[c.byte] == 1 ? -1 : 1;
        QTest::mouseClick(Button(c.button), Qt::LeftButton);
        EXPECT_EQ(Button(c.button)->text(), expected == 1 ? "Normal" : "Reverse");
        EXPECT_EQ(TheOrvex().config[c.name], expected);
        const SimFrame f = NextFrame();
        ASSERT_EQ(f.code, ParameterFrame);
        for (size_t i = 0; i < kConditionByte; ++i)
            EXPECT_EQ(SetupByte(f, i), i == c.byte ? expected : before.SetupBlock[i]) << c.button << " byte " << i;
        for (size_t j = 0; j < kTuningBlockSize; ++j) EXPECT_EQ(TuningByte(f, j), before.TuningBlock[j]);
    }
    EXPECT_EQ(FramesSince(), 0u);
}

TEST_F(GyroDirection, ADeviceReplyReversingYawChangesItsButton) {
    TempDir dir;
    Connect(ImageFile(dir, {{16, -1}, {17, 1}, {18, 1}}, {}));
    OpenOnPage(kGyroPage);
    EXPECT_EQ(Button(GyroDirIds::Yaw)->text(), "Normal");
    EXPECT_TRUE(RequestParametersUntil([&] { return Button(GyroDirIds::Yaw)->text() == "Reverse"; }));
    EXPECT_EQ(TheOrvex().config[CV::YawDir], -1);
    EXPECT_EQ(Button(GyroDirIds::Roll)->text(), "Normal");
    EXPECT_EQ(Button(GyroDirIds::Pitch)->text(), "Normal");
}

// ---------------------------------------------------------------- page 13

class PirouetteOptimization : public LastPages {
protected:
    CStep14& Pirouette() { return *static_cast<CStep14*>(wizard_->page(kPirouettePage)); }
    QPushButton* Check() { return Button(PirouetteIds::Check); }
    QPushButton* Direction() { return Button(PirouetteIds::Direction); }
};

TEST_F(PirouetteOptimization, TwoClicksOnTheCheckButtonStartAndQuitTheCheck) {
    Connect();
    OpenOnPage(kPirouettePage);
    EXPECT_NE(dynamic_cast<CStep14*>(Page()), nullptr);
    EXPECT_EQ(PageParts::Caption(Check()), "Check optimization direction");
    EXPECT_FALSE(Direction()->isEnabled());

    QTest::mouseClick(Check(), Qt::LeftButton);
    EXPECT_EQ(PageParts::Caption(Check()), "Quit check");
    EXPECT_TRUE(Direction()->isEnabled());
    EXPECT_EQ(Pirouette().checkState(), 102);
    SimFrame f = NextFrame();
    EXPECT_EQ(f.code, ActionFrame);
    EXPECT_EQ(f.payload.at(kDirectionCheckByte), 102);

    QTest::mouseClick(Check(), Qt::LeftButton);
    EXPECT_EQ(PageParts::Caption(Check()), "Check optimization direction");
    EXPECT_FALSE(Direction()->isEnabled());
    EXPECT_EQ(Pirouette().checkState(), 0);
    f = NextFrame();
    EXPECT_EQ(f.code, ActionFrame);
    EXPECT_EQ(f.payload.at(kDirectionCheckByte), 0);
    EXPECT_TRUE(sim().waitForLog("direction-check off", kWaitMs));
}

TEST_F(PirouetteOptimization, TheDirectionButtonWorksOnlyDuringACheck) {
    Connect();
    TheOrvex().config[CV::OptimizationDir] = 0;
    OpenOnPage(kPirouettePage);
    EXPECT_EQ(PageParts::Caption(Direction()), "Optimization direction(Normal)") << "the template's caption";
    QTest::mouseClick(Direction(), Qt::LeftButton);  // disabled: nothing happens
    EXPECT_EQ(TheOrvex().config[CV::OptimizationDir], 0);

    QTest::mouseClick(Check(), Qt::LeftButton);
    EXPECT_EQ(NextFrame().code, ActionFrame) << "the disabled button sent a frame";
    QTest::mouseClick(Direction(), Qt::LeftButton);
    EXPECT_EQ(TheOrvex().config[CV::OptimizationDir], 1);
    EXPECT_EQ(PageParts::Caption(Direction()), "Optimization direction(Normal)");
    SimFrame f = NextFrame();
    EXPECT_EQ(f.code, ParameterFrame);
    EXPECT_EQ(SetupByte(f, 30), 1);

    QTest::mouseClick(Direction(), Qt::LeftButton);
    EXPECT_EQ(TheOrvex().config[CV::OptimizationDir], -1);
    EXPECT_EQ(PageParts::Caption(Direction()), "Optimization direction(Reverse)");
    f = NextFrame();
    EXPECT_EQ(static_cast<uint8_t>(SetupByte(f, 30)), 255);
}

TEST_F(PirouetteOptimization, TheCaptionFollowsConfigValuesOnlyForOneOrMinusOne) {
    TheOrvex().config[CV::OptimizationDir] = -1;
    OpenOnPage(kPirouettePage);
    EXPECT_EQ(PageParts::Caption(Direction()), "Optimization direction(Reverse)");
    TheOrvex().config[CV::OptimizationDir] = 1;
    ASSERT_TRUE(WaitFor([&] { return PageParts::Caption(Direction()) == "Optimization direction(Normal)"; }));
    TheOrvex().config[CV::OptimizationDir] = 5;
    ASSERT_TRUE(WaitFor([&] { return Pirouette().direction() == 5; }));
    EXPECT_EQ(PageParts::Caption(Direction()), "Optimization direction(Normal)");
}

TEST_F(PirouetteOptimization, CancelDuringACheckEndsItBeforeTheClosingQueryFrame) {
    Connect();
    OpenOnPage(kPirouettePage);
    QTest::mouseClick(Check(), Qt::LeftButton);
    EXPECT_EQ(NextFrame().payload.at(kDirectionCheckByte), 102);
    Click(WizardIds::Cancel);
    EXPECT_FALSE(wizard_->isVisible());
    const SimFrame stop = NextFrame();
    EXPECT_EQ(stop.code, ActionFrame);
    EXPECT_EQ(stop.payload.at(kDirectionCheckByte), 0);
    const SimFrame last = NextFrame();
    EXPECT_EQ(last.code, QueryFrame);
    EXPECT_EQ(last.req, 0);
    EXPECT_EQ(Pirouette().checkState(), 0);
    EXPECT_TRUE(sim().waitForLog("direction-check off", kWaitMs));
}

TEST_F(PirouetteOptimization, LeavingThePageKeepsTheCheckRunningUntilFinish) {
    Connect();
    OpenOnPage(kPirouettePage);
    QTest::mouseClick(Check(), Qt::LeftButton);
    EXPECT_EQ(NextFrame().payload.at(kDirectionCheckByte), 102);
    Click(WizardIds::Previous);
    Click(WizardIds::Next);
    EXPECT_EQ(Pirouette().checkState(), 102);
    EXPECT_EQ(PageParts::Caption(Check()), "Quit check");
    Click(WizardIds::Finish);
    EXPECT_EQ(Messages(), QStringList{"Setup finished!"});
    const SimFrame stop = NextFrame();
    EXPECT_EQ(stop.code, ActionFrame) << "leaving the page sent a frame";
    EXPECT_EQ(stop.payload.at(kDirectionCheckByte), 0);
    EXPECT_EQ(NextFrame().code, QueryFrame);
}
