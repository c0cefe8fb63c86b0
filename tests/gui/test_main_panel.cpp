// The parameter panel of the main window against a simulated Orvex: slider
// drags and releases, typed values, presets, the Reset buttons and "All data
// reset". A later action whose frame is known (a tail Reset) shows that
// nothing else was sent in between.

#include "test_main_support.h"

#include "params/Orvex.h"
#include "widgets/CPngButton.h"
#include "widgets/Dialogs.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWheelEvent>

#include <fstream>

using namespace mainwin;

namespace {

QPoint HandleCentre(QSlider* s) {
    QStyleOptionSlider opt;
    opt.initFrom(s);
    opt.orientation = s->orientation();
    opt.minimum = s->minimum();
    opt.maximum = s->maximum();
    opt.sliderPosition = s->value();
    opt.sliderValue = s->value();
    opt.tickPosition = s->tickPosition();
    opt.tickInterval = s->tickInterval();
    opt.upsideDown = !s->invertedAppearance();
    opt.subControls = QStyle::SC_All;
    return s->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, s).center();
}

QList<Dialogs::Request> Messages() {
    QList<Dialogs::Request> messages;
    for (const Dialogs::Request& r : Dialogs::TakeRequests())
        if (r.kind == Dialogs::Kind::Message) messages << r;
    return messages;
}

struct PresetButton {
    int id;
    int column;
    const char* message;
};
constexpr PresetButton kPresets[] = {
    {MainFormIds::Beginner, 0, "Beginner Mode!"},    {MainFormIds::F3C, 1, "F-3C Mode!"},
    {MainFormIds::Soft3D, 2, "Soft 3D Mode!"},       {MainFormIds::Hardcore3D, 3, "3D Hardcore Mode!"},
    {MainFormIds::Extreme3D, 4, "3D Extreme Mode!"},
};

// Edit box and TuningBlock byte of the seven quantities.
constexpr std::pair<int, int> kBoxes[7] = {{MainFormIds::PitchAgilityEdit, 33}, {MainFormIds::PitchGainEdit, 12},
                                           {MainFormIds::RollAgilityEdit, 34},  {MainFormIds::RollGainEdit, 6},
                                           {MainFormIds::YawRateLEdit, 31},     {MainFormIds::YawRateREdit, 32},
                                           {MainFormIds::TailGainEdit, 0}};

}  // namespace

class Panel : public MainWindowTest {
protected:
    // Presses the tail Reset and returns all frames once its frame is in:
    // the last one is the Reset's. Its snapshot is still the start values,
    // so its frame carries tail gain 10 where the device had another.
    std::vector<SimFrame> FramesUpToTailReset() {
        const size_t before = sim().frames().size();
        Click(MainFormIds::TailReset);
        EXPECT_TRUE(WaitForFrames(before + 1));
        return sim().frames();
    }
};

TEST_F(Panel, SliderReleaseSendsOneFrameWithTheNewValue) {
    ConnectToSim();
    QSlider* slider = Slider(MainFormIds::RollGain);  // roll gain, TuningBlock byte 6
    const int oldValue = Edit(MainFormIds::RollGainEdit)->text().toInt();
    const QPoint start = HandleCentre(slider);
    QTest::mousePress(slider, Qt::LeftButton, {}, start);
    for (int dy = 10; dy <= 60; dy += 10) QTest::mouseMove(slider, start - QPoint(0, dy));
    const int newValue = Edit(MainFormIds::RollGainEdit)->text().toInt();
    EXPECT_GT(newValue, oldValue);
    EXPECT_EQ(newValue, slider->value());
    // Nothing written into the image while dragging.
    EXPECT_EQ(TheOrvex().image.TuningBlock[6], oldValue);
    QTest::mouseRelease(slider, Qt::LeftButton, {}, start - QPoint(0, 60));
    ASSERT_TRUE(WaitForFrames(5));

    const std::vector<SimFrame> frames = FramesUpToTailReset();
    ASSERT_EQ(frames.size(), 6u);
    EXPECT_EQ(frames[4].code, 30);
    EXPECT_EQ(frames[4].seq, 5);
    EXPECT_EQ(TuningByte(frames[4], 6), newValue);
    EXPECT_NE(TuningByte(frames[4], 0), 10);
    EXPECT_EQ(TuningByte(frames[5], 6), newValue);
    EXPECT_EQ(TuningByte(frames[5], 0), 10);  // the Reset's frame
}

// A press held on the groove steps the slider while the button is down and
// sends nothing until it lets go, then one frame.
TEST_F(Panel, AHeldGroovePressSendsOnceOnRelease) {
    ConnectToSim();
    QSlider* slider = Slider(MainFormIds::RollGain);  // roll gain, TuningBlock byte 6
    const int oldValue = slider->value();
    const QPoint groove(slider->width() / 2, 2);
    ASSERT_GT(HandleCentre(slider).y(), slider->height() / 2) << "the press must miss the handle";
    QTest::mousePress(slider, Qt::LeftButton, {}, groove);
    QTest::qWait(1500);  // past the settle time and the groove's repeat delay
    EXPECT_GT(slider->value(), oldValue);
    EXPECT_EQ(sim().frames().size(), 4u) << "sent while the button was down";
    QTest::mouseRelease(slider, Qt::LeftButton, {}, groove);
    ASSERT_TRUE(WaitForFrames(5));

    const std::vector<SimFrame> frames = FramesUpToTailReset();
    ASSERT_EQ(frames.size(), 6u);
    EXPECT_EQ(TuningByte(frames[4], 6), slider->value());
    EXPECT_EQ(TuningByte(frames[5], 0), 10);  // the Reset's frame
}

// The wheel moves only a slider that has the focus; keys and wheel together
// are one move, sent once it settles.
TEST_F(Panel, KeyAndWheelMovesAreSentOnceTheySettle) {
    ConnectToSim();
    QSlider* slider = Slider(MainFormIds::RollAgility);  // roll agility, byte 34
    const int oldValue = Edit(MainFormIds::RollAgilityEdit)->text().toInt();
    // Connect handed its focus on to the next control while it was disabled.
    view().setFocus();
    const auto wheelNotch = [slider] {
        const QPointF at(slider->width() / 2.0, slider->height() / 2.0);
        QWheelEvent wheel(at, slider->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(slider, &wheel);
    };
    wheelNotch();
    EXPECT_EQ(Edit(MainFormIds::RollAgilityEdit)->text().toInt(), oldValue);
    EXPECT_NE(slider->window()->focusWidget(), slider);

    slider->setFocus();
    for (int i = 0; i < 3; ++i) QTest::keyClick(slider, Qt::Key_Up);
    EXPECT_EQ(Edit(MainFormIds::RollAgilityEdit)->text().toInt(), oldValue + 3);
    wheelNotch();
    const int newValue = Edit(MainFormIds::RollAgilityEdit)->text().toInt();
    EXPECT_NE(newValue, oldValue + 3);
    EXPECT_EQ(newValue, slider->value());
    ASSERT_TRUE(WaitForFrames(5));
    const std::vector<SimFrame> frames = FramesUpToTailReset();
    ASSERT_EQ(frames.size(), 6u);
    EXPECT_EQ(TuningByte(frames[4], 34), newValue);
    EXPECT_EQ(TuningByte(frames[5], 0), 10);  // the Reset's frame
}

// Assistive technology reads and sets the number in the box, and raising it
// raises the box.
TEST_F(Panel, AssistiveTechnologyReadsAndSetsTheBoxValue) {
    OpenFrame();
    Enter(1004, QStringLiteral("40"));
    const std::pair<int, int> sliders[] = {{1002, 1004}, {1003, 1005}, {1010, 1014}, {1013, 1015},
                                           {1011, 1016}, {1025, 1128}, {1012, 1017}};
    for (auto [sliderId, editId] : sliders) {
        SCOPED_TRACE(sliderId);
        QAccessibleValueInterface* value = QAccessible::queryAccessibleInterface(Slider(sliderId))->valueInterface();
        ASSERT_NE(value, nullptr);
        const int shown = Edit(editId)->text().toInt();
        EXPECT_EQ(value->currentValue().toInt(), shown);
        value->setCurrentValue(shown + 1);
        EXPECT_EQ(Edit(editId)->text().toInt(), shown + 1);
    }
}

TEST_F(Panel, OutOfRangeEntryShowsTheRangeMessageAndSendsTheLimitOnce) {
    ConnectToSim();
    Enter(MainFormIds::PitchAgilityEdit, QStringLiteral("100"));  // pitch agility, 15..60
    const QList<Dialogs::Request> messages = Messages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, QStringLiteral("Please enter an integer between 15 and 60."));
    EXPECT_EQ(Edit(MainFormIds::PitchAgilityEdit)->text(), QStringLiteral("60"));
    EXPECT_EQ(Slider(MainFormIds::PitchAgility)->value(), Slider(MainFormIds::PitchAgility)->maximum());  // at the top
    EXPECT_EQ(TheOrvex().config[CV::PitchAgility], 60);
    ASSERT_TRUE(WaitForFrames(5));
    const std::vector<SimFrame> frames = FramesUpToTailReset();
    ASSERT_EQ(frames.size(), 6u);
    EXPECT_EQ(frames[4].code, 30);
    EXPECT_EQ(TuningByte(frames[4], 33), 60);
    EXPECT_NE(TuningByte(frames[4], 0), 10);
    EXPECT_EQ(TuningByte(frames[5], 0), 10);  // the Reset's frame
}

TEST_F(Panel, HeldEnterSendsOnce) {
    ConnectToSim();
    QLineEdit* edit = Edit(MainFormIds::TailGainEdit);  // tail gain, byte 0
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, QStringLiteral("77"));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), false);
    QApplication::sendEvent(edit, &press);
    for (int i = 0; i < 3; ++i) {
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
        QApplication::sendEvent(edit, &repeat);
    }
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), false);
    QApplication::sendEvent(edit, &release);
    EXPECT_EQ(Slider(MainFormIds::TailGain)->value(), 77);
    ASSERT_TRUE(WaitForFrames(5));
    // The next action's frame follows at once: one frame for the press.
    Enter(MainFormIds::PitchGainEdit, QStringLiteral("50"));
    ASSERT_TRUE(WaitForFrames(6));
    const std::vector<SimFrame> frames = sim().frames();
    ASSERT_EQ(frames.size(), 6u);
    EXPECT_EQ(TuningByte(frames[4], 0), 77);
    EXPECT_EQ(TuningByte(frames[5], 12), 50);
}

TEST_F(Panel, TextThatIsNoNumberKeepsTheValue) {
    ConnectToSim();
    const QString before = Edit(MainFormIds::PitchGainEdit)->text();
    Enter(MainFormIds::PitchGainEdit, QStringLiteral("abc"));
    const QList<Dialogs::Request> messages = Messages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, QStringLiteral("Please enter an integer."));
    EXPECT_EQ(Edit(MainFormIds::PitchGainEdit)->text(), before);
    ASSERT_TRUE(WaitForFrames(5));
    EXPECT_EQ(TuningByte(sim().frames()[4], 12), before.toInt());
}

TEST_F(Panel, EachPresetWritesItsColumnAndBecomesTheResetSnapshot) {
    ConnectToSim();
    // A TotalCoefficient of our own shows which presets leave it alone.
    const std::string file = runtime_.file("coefficient.ini");
    std::ofstream(file) << "[section2]\nTotalCoefficient=50\n";
    Dialogs::QueueAnswer(QString::fromStdString(file));
    frame().openAction()->trigger();
    Dialogs::TakeRequests();
    frame().transmitAction()->trigger();
    ASSERT_EQ(AwaitRequests().size(), 1);
    ASSERT_TRUE(WaitForFrames(5));
    ASSERT_EQ(TuningByte(sim().frames()[4], 38), 50);

    for (const PresetButton& preset : kPresets) {
        SCOPED_TRACE(preset.message);
        const ParameterImage before = TheOrvex().image;
        const size_t sent = sim().frames().size();
        Click(preset.id);
        const QList<Dialogs::Request> messages = Messages();
        ASSERT_EQ(messages.size(), 1);
        EXPECT_EQ(messages[0].text, QString::fromLatin1(preset.message));
        for (const PresetButton& other : kPresets)
            EXPECT_EQ(Control<CPngButton>(other.id)->chosen(), other.id == preset.id) << other.id;

        ASSERT_TRUE(WaitForFrames(sent + 1));
        const SimFrame frame = sim().frames().back();
        ASSERT_EQ(frame.code, 30);
        for (int k = 0; k < 46; ++k) {
            const int want = kPresetColumns[k][preset.column];
            EXPECT_EQ(static_cast<int8_t>(TuningByte(frame, k)), want == kKept ? before.TuningBlock[k] : want)
                << "TuningBlock byte " << k;
        }
        for (int k = 0; k < 31; ++k) EXPECT_EQ(static_cast<int8_t>(SetupByte(frame, k)), before.SetupBlock[k]) << k;
        for (auto [box, byte] : kBoxes)
            EXPECT_EQ(Edit(box)->text(), QString::number(kPresetColumns[byte][preset.column])) << box;
        EXPECT_EQ(TheOrvex().config[CV::TotalCoefficient], preset.column == 4 ? 70 : 50);

        // Change every quantity, then both Resets bring the preset's values back.
        for (auto [box, byte] : kBoxes) Enter(box, QStringLiteral("55"));
        Click(MainFormIds::MainReset);
        Click(MainFormIds::TailReset);
        const size_t afterResets = sent + 1 + 7 + 2;
        ASSERT_TRUE(WaitForFrames(afterResets));
        ASSERT_EQ(sim().frames().size(), afterResets);
        const SimFrame restored = sim().frames().back();
        for (auto [box, byte] : kBoxes) {
            EXPECT_EQ(Edit(box)->text(), QString::number(kPresetColumns[byte][preset.column])) << box;
            EXPECT_EQ(TuningByte(restored, byte), kPresetColumns[byte][preset.column]) << box;
        }
    }
}

TEST_F(Panel, EachResetSendsOnceAndRestoresOnlyItsGroup) {
    ConnectToSim();
    Click(MainFormIds::Hardcore3D);  // 3D Hardcore
    Messages();
    ASSERT_TRUE(WaitForFrames(5));
    Enter(MainFormIds::PitchAgilityEdit, QStringLiteral("20"));  // pitch agility
    Enter(MainFormIds::TailGainEdit, QStringLiteral("20"));      // tail gain
    ASSERT_TRUE(WaitForFrames(7));
    Click(MainFormIds::MainReset);
    ASSERT_TRUE(WaitForFrames(8));
    SimFrame frame = sim().frames().back();
    EXPECT_EQ(TuningByte(frame, 33), 45);
    EXPECT_EQ(TuningByte(frame, 0), 20);  // the tail keeps its entry
    EXPECT_EQ(TheOrvex().config[CV::PitchAgility], 45);
    Click(MainFormIds::TailReset);
    ASSERT_TRUE(WaitForFrames(9));
    frame = sim().frames().back();
    EXPECT_EQ(TuningByte(frame, 0), 100);
    EXPECT_EQ(sim().frames().size(), 9u);
}

TEST_F(Panel, ResetRightAfterStartRestoresTheStartValues) {
    OpenFrame();
    Enter(MainFormIds::PitchAgilityEdit, QStringLiteral("40"));
    Enter(MainFormIds::RollGainEdit, QStringLiteral("90"));
    Click(MainFormIds::MainReset);
    EXPECT_EQ(Edit(MainFormIds::PitchAgilityEdit)->text(), QStringLiteral("15"));
    EXPECT_EQ(Edit(MainFormIds::RollGainEdit)->text(), QStringLiteral("10"));
    EXPECT_EQ(TheOrvex().image.TuningBlock[33], 15);
    EXPECT_EQ(TheOrvex().image.TuningBlock[6], 10);
    EXPECT_EQ(Slider(MainFormIds::PitchAgility)->value(), Slider(MainFormIds::PitchAgility)->minimum());
}

TEST_F(Panel, PresetWithoutDeviceChangesPanelAndImage) {
    OpenFrame();
    Click(MainFormIds::F3C);  // F-3C
    EXPECT_EQ(Messages().size(), 1);
    EXPECT_TRUE(Control<CPngButton>(MainFormIds::F3C)->chosen());
    EXPECT_EQ(Edit(MainFormIds::PitchGainEdit)->text(), QStringLiteral("40"));
    EXPECT_EQ(TheOrvex().image.TuningBlock[31], 35);
    EXPECT_FALSE(TheOrvex().LinkPort.IsOpen());
}

TEST_F(Panel, AllDataResetSendsTheFactoryImage) {
    ConnectToSim();
    Click(MainFormIds::Extreme3D);  // 3D Extreme first, so the reset has something to undo
    Messages();
    ASSERT_TRUE(WaitForFrames(5));
    Click(MainFormIds::AllDataReset);
    ASSERT_TRUE(WaitForFrames(6));
    const SimFrame frame = sim().frames().back();
    ASSERT_EQ(frame.code, 30);
    EXPECT_EQ(SetupByte(frame, 6), 255);  // ServoDirCH1 reversed
    EXPECT_EQ(SetupByte(frame, 9), 255);  // ServoDirCH4 reversed
    for (int k = 0; k < 46; ++k) {
        const int want = k == 38 ? 70 : kPresetColumns[k][1];
        if (want != kKept) {
            EXPECT_EQ(static_cast<int8_t>(TuningByte(frame, k)), want) << "TuningBlock byte " << k;
        }
    }
    for (auto [box, byte] : kBoxes) EXPECT_EQ(Edit(box)->text(), QString::number(kPresetColumns[byte][1])) << box;
    // The preset buttons keep their chosen state.
    EXPECT_TRUE(Control<CPngButton>(MainFormIds::Extreme3D)->chosen());
}

TEST_F(Panel, AssistiveToolsPressAPresetAsAClickDoesAndCannotFlipItsChoice) {
    ConnectToSim();
    auto* f3c = Control<CPngButton>(MainFormIds::F3C);
    QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(f3c)->actionInterface();
    ASSERT_NE(actions, nullptr);
    // "Toggle" would flip the checked state past the panel: the unit would keep its values.
    actions->doAction(QAccessibleActionInterface::toggleAction());
    for (const PresetButton& preset : kPresets) EXPECT_FALSE(Control<CPngButton>(preset.id)->isChecked()) << preset.id;
    EXPECT_TRUE(Messages().isEmpty());

    const size_t sent = sim().frames().size();
    actions->doAction(QAccessibleActionInterface::pressAction());
    const QList<Dialogs::Request> messages = Messages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].text, QStringLiteral("F-3C Mode!"));
    EXPECT_TRUE(f3c->isChecked());
    EXPECT_TRUE(WaitForFrames(sent + 1));
}
