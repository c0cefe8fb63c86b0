// The Advance Menu against the simulated Orvex: what OK, Cancel and the
// immediate controls send, how received parameters show, that a number being
// typed survives the refresh, and what a field out of range does.

#include "SimProcess.h"
#include "params/Orvex.h"
#include "params/WindowReceiver.h"
#include "params_ui/CAdvanceMenuDialog.h"
#include "protocol/FrameParser.h"
#include "widgets/CBalloonTip.h"
#include "widgets/ControlNaming.h"
#include "widgets/Dialogs.h"
#include "widgets/Pictures.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kPortNumber = 1;
constexpr int kWaitMs = 15000;  // generous: the machine may be loaded

// Device bytes of the fields, from the parameter image's layout: TuningBlock
// index of every numeric field of the dialog.
struct FieldByte {
    int id;
    int tuningIndex;
};
const FieldByte kFieldBytes[] = {
    {CAdvanceMenuDialog::IdRollP, 7},
    {CAdvanceMenuDialog::IdRollI, 8},
    {CAdvanceMenuDialog::IdRollD, 9},
    {CAdvanceMenuDialog::IdPitchP, 13},
    {CAdvanceMenuDialog::IdPitchI, 14},
    {CAdvanceMenuDialog::IdPitchD, 15},
    {CAdvanceMenuDialog::IdAcceleration, 22},
    {CAdvanceMenuDialog::IdDeceleration, 23},
    {CAdvanceMenuDialog::IdRcDeadBand, 29},
    {CAdvanceMenuDialog::IdGyroDeadBand, 30},
    {CAdvanceMenuDialog::IdYawP, 1},
    {CAdvanceMenuDialog::IdYawI, 2},
    {CAdvanceMenuDialog::IdYawD, 3},
    {CAdvanceMenuDialog::IdAccelerationL, 18},
    {CAdvanceMenuDialog::IdAccelerationR, 19},
    {CAdvanceMenuDialog::IdDecelerationL, 21},
    {CAdvanceMenuDialog::IdDecelerationR, 20},
    {CAdvanceMenuDialog::IdTailRcDeadBand, 27},
    {CAdvanceMenuDialog::IdTailGyroDeadBand, 28},
    {CAdvanceMenuDialog::IdCollectiveToTail, 40},
    {CAdvanceMenuDialog::IdCyclicToTail, 41},
    {CAdvanceMenuDialog::IdGovernorP, 24},
    {CAdvanceMenuDialog::IdGovernorI, 25},
    {CAdvanceMenuDialog::IdGovernorD, 26},
    {CAdvanceMenuDialog::IdCollectiveCompensate, 42},
    {CAdvanceMenuDialog::IdCyclicCompensate, 43},
    {CAdvanceMenuDialog::IdGovernorTotal, 45},
    {CAdvanceMenuDialog::IdBurst, 36},
};

// A ParameterFrame's payload: frame offsets 2..79, SetupBlock first.
int SentSetup(const SimFrame& f, int index) { return static_cast<int8_t>(f.payload.at(index)); }
int SentTuning(const SimFrame& f, int index) { return static_cast<int8_t>(f.payload.at(32 + index)); }

std::vector<SimFrame> WithCode(const std::vector<SimFrame>& frames, int code) {
    std::vector<SimFrame> out;
    for (const SimFrame& f : frames)
        if (f.code == code) out.push_back(f);
    return out;
}

class AdvanceMenu : public ::testing::Test {
protected:
    void SetUp() override {
        ResetOrvex();
        sim_ = std::make_unique<SimProcess>(SimProcess::Options{.args = SimArgs()});
        Orvex& o = TheOrvex();
        o.LinkPort.AddFlags(PortRxQueue);
        ASSERT_TRUE(OpenLinkPort(o.LinkPort, kPortNumber, sim_->portPath()));
        // As after a connect: the image from the device, the names from the
        // image, and the device told that nothing more is wanted.
        Command::RequestParameters(o);
        ASSERT_TRUE(AwaitAnswer());
        ImageToConfig(o, CopyForm::MainView);
        Command::Acknowledge(o);
        ASSERT_TRUE(AwaitAnswer());
    }

    virtual std::vector<std::string> SimArgs() const { return {"--baud", "0"}; }

    void TearDown() override {
        dialog_.reset();
        ResetOrvex();
    }

    // Reads the link until the last frame sent is answered (earlier answers
    // still waiting are read past).
    bool AwaitAnswer() {
        ReceiveStage stage;
        FrameParser parser;
        return QTest::qWaitFor([&] { return ReceiveEveryFrame(TheOrvex(), stage, parser, kPortNumber).answered; },
                               kWaitMs);
    }

    CAdvanceMenuDialog& Open() {
        dialog_ = std::make_unique<CAdvanceMenuDialog>(TheOrvex());
        dialog_->show();
        dialog_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
        return *dialog_;
    }
    // Closes the dialog as the main view does after exec(): the dialog goes
    // and the link no longer reports to it.
    void Close() { dialog_.reset(); }

    template <class T = QWidget>
    T* Control(int id) const {
        T* w = dialog_->findChild<T*>(ControlName(id));
        EXPECT_NE(w, nullptr) << "control " << id;
        return w;
    }
    QLineEdit* Field(int id) const { return Control<QLineEdit>(id); }

    void Click(int id) { QTest::mouseClick(Control(id), Qt::LeftButton); }
    void Type(int id, const QString& text) {
        QLineEdit* edit = Field(id);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    // Picks the next (or previous) entry of a combo box with the keyboard.
    void Choose(int id, Qt::Key key) {
        auto* combo = Control<QComboBox>(id);
        combo->setFocus();
        QTest::keyClick(combo, key);
    }

    size_t FrameCount() const { return sim_->frames().size(); }
    std::vector<SimFrame> FramesSince(size_t start) const {
        const std::vector<SimFrame> all = sim_->frames();
        return {all.begin() + static_cast<long>(std::min(start, all.size())), all.end()};
    }
    bool WaitForFrames(size_t count) {
        return QTest::qWaitFor([&] { return FrameCount() >= count; }, kWaitMs);
    }
    // Sends a frame of the test's own after everything the dialog may have
    // sent; once the simulator logged it, whatever the dialog sent before is
    // logged too. Returns the frames before the marker.
    std::vector<SimFrame> FramesBeforeMarker(size_t start) {
        Orvex& o = TheOrvex();
        Command::Acknowledge(o);
        const int markerSeq = o.link.SequenceCounter;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                const auto frames = FramesSince(start);
                return !frames.empty() && frames.back().seq == markerSeq && frames.back().code == QueryFrame;
            },
            kWaitMs));
        std::vector<SimFrame> frames = FramesSince(start);
        if (!frames.empty()) frames.pop_back();
        return frames;
    }

    std::unique_ptr<SimProcess> sim_;
    std::unique_ptr<CAdvanceMenuDialog> dialog_;
};

}  // namespace

// ---- opening --------------------------------------------------------------------------------

TEST_F(AdvanceMenu, OpeningShowsTheDeviceValuesAndSendsNothing) {
    const size_t start = FrameCount();
    const ParameterImage image = TheOrvex().image;
    Open();
    for (const FieldByte& f : kFieldBytes)
        EXPECT_EQ(Field(f.id)->text().toInt(), image.TuningBlock[f.tuningIndex]) << "field " << f.id;
    EXPECT_EQ(Field(CAdvanceMenuDialog::IdZeroPitch)->text().toInt(), image.TuningBlock[39]);
    EXPECT_FALSE(Field(CAdvanceMenuDialog::IdZeroPitch)->isEnabled());
    EXPECT_EQ(Control<QComboBox>(CAdvanceMenuDialog::IdCondition)->currentIndex(), image.SetupBlock[31] - 1);
    EXPECT_EQ(Control<QComboBox>(CAdvanceMenuDialog::IdAuxFunction)->currentIndex(), image.SetupBlock[28]);
    EXPECT_EQ(TheOrvex().session.listener(), static_cast<LinkListener*>(dialog_.get()));
    // The first box has the focus with its value selected: a number typed replaces it.
    auto* first = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->selectedText(), first->text());
    Close();
    EXPECT_TRUE(FramesBeforeMarker(start).empty());
}

TEST_F(AdvanceMenu, GovernorRadiosFollowTheMode) {
    struct Case {
        int mode;
        bool off, on;
        const char* text;
    };
    for (const Case& c : {Case{0, true, false, "Calibrate RPM"}, Case{1, false, true, "Calibrate RPM"},
                          Case{2, false, true, "Governor On"}}) {
        TheOrvex().image.SetupBlock[26] = static_cast<int8_t>(c.mode);
        Open();
        EXPECT_EQ(Control<QRadioButton>(CAdvanceMenuDialog::IdGovernorOff)->isChecked(), c.off) << c.mode;
        EXPECT_EQ(Control<QRadioButton>(CAdvanceMenuDialog::IdGovernorCalibrate)->isChecked(), c.on) << c.mode;
        EXPECT_EQ(Control<QRadioButton>(CAdvanceMenuDialog::IdGovernorCalibrate)->text(), QString::fromLatin1(c.text))
            << c.mode;
        Close();
    }
}

// ---- OK and Cancel ------------------------------------------------------------------------------

TEST_F(AdvanceMenu, OkWritesTheFieldsAndSendsOneParameterFrame) {
    const size_t start = FrameCount();
    Open();
    // A value per field that differs from what the device holds.
    std::vector<std::pair<FieldByte, int>> typed;
    int next = 11;
    for (const FieldByte& f : kFieldBytes) {
        int value = next++;
        if (value == TheOrvex().image.TuningBlock[f.tuningIndex]) value = next++;
        Type(f.id, QString::number(value));
        typed.push_back({f, value});
    }
    Type(CAdvanceMenuDialog::IdCollectiveToTail, QStringLiteral("-90"));
    for (auto& [f, value] : typed)
        if (f.id == CAdvanceMenuDialog::IdCollectiveToTail) value = -90;
    Click(CAdvanceMenuDialog::IdGovernorOff);        // governor off
    Click(CAdvanceMenuDialog::IdGovernorCalibrate);  // calibrate RPM
    Click(CAdvanceMenuDialog::IdOk);
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);

    const ParameterImage& image = TheOrvex().image;
    for (const auto& [f, value] : typed) EXPECT_EQ(image.TuningBlock[f.tuningIndex], value) << "field " << f.id;
    EXPECT_EQ(image.SetupBlock[26], 1);
    EXPECT_EQ(TheOrvex().config[CV::RollGainP], typed[0].second);
    EXPECT_EQ(TheOrvex().config[CV::TailCompsate1], -90);

    Close();
    const std::vector<SimFrame> sent = WithCode(FramesBeforeMarker(start), ParameterFrame);
    ASSERT_EQ(sent.size(), 1u);
    for (const auto& [f, value] : typed) EXPECT_EQ(SentTuning(sent[0], f.tuningIndex), value) << "field " << f.id;
    EXPECT_EQ(SentSetup(sent[0], 26), 1);
}

TEST_F(AdvanceMenu, CancelSendsNothingAndChangesNothing) {
    const size_t start = FrameCount();
    const ParameterImage image = TheOrvex().image;
    const ConfigValues config = TheOrvex().config;
    Open();
    Type(CAdvanceMenuDialog::IdRollP, QStringLiteral("99"));
    Type(CAdvanceMenuDialog::IdGovernorTotal, QStringLiteral("99"));
    Click(CAdvanceMenuDialog::IdGovernorOff);
    Click(CAdvanceMenuDialog::IdCancel);
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(dialog_->result(), QDialog::Rejected);
    Close();
    EXPECT_TRUE(FramesBeforeMarker(start).empty());
    EXPECT_EQ(TheOrvex().image, image);
    EXPECT_EQ(TheOrvex().config, config);
}

TEST_F(AdvanceMenu, OutOfRangeFieldShowsTheRangeAndNothingIsWrittenOrSent) {
    const size_t start = FrameCount();
    const ParameterImage image = TheOrvex().image;
    Open();
    Type(CAdvanceMenuDialog::IdRollP, QStringLiteral("50"));  // passes, and is read before the failing field
    Type(CAdvanceMenuDialog::IdYawP, QStringLiteral("5"));    // Yaw P gain: 10..125
    Click(CAdvanceMenuDialog::IdOk);
    const QList<Dialogs::Request> asked = Dialogs::TakeRequests();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0].text, QStringLiteral("Please enter an integer between 10 and 125."));
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_TRUE(Field(CAdvanceMenuDialog::IdYawP)->hasFocus());
    EXPECT_EQ(TheOrvex().image, image);

    // Text that is no number at all is refused the same way.
    Type(CAdvanceMenuDialog::IdYawP, QStringLiteral("4x"));
    Click(CAdvanceMenuDialog::IdOk);
    const QList<Dialogs::Request> again = Dialogs::TakeRequests();
    ASSERT_EQ(again.size(), 1);
    EXPECT_EQ(again[0].text, QStringLiteral("Please enter an integer."));
    EXPECT_TRUE(dialog_->isVisible());

    // Negative limits of the tail compensation are accepted, beyond them not.
    Type(CAdvanceMenuDialog::IdYawP, QStringLiteral("60"));
    Type(CAdvanceMenuDialog::IdCyclicToTail, QStringLiteral("-126"));
    Click(CAdvanceMenuDialog::IdOk);
    const QList<Dialogs::Request> third = Dialogs::TakeRequests();
    ASSERT_EQ(third.size(), 1);
    EXPECT_EQ(third[0].text, QStringLiteral("Please enter an integer between -125 and 125."));
    EXPECT_EQ(TheOrvex().image, image);

    Close();
    EXPECT_TRUE(FramesBeforeMarker(start).empty());
}

// ---- immediate controls ------------------------------------------------------------------------

TEST_F(AdvanceMenu, Condition2SendsAnActionFrameWithCondition2) {
    ASSERT_EQ(TheOrvex().image.SetupBlock[31], 1);
    const size_t start = FrameCount();
    const ParameterImage before = TheOrvex().image;
    Open();
    Choose(CAdvanceMenuDialog::IdCondition, Qt::Key_Down);
    EXPECT_EQ(Control<QComboBox>(CAdvanceMenuDialog::IdCondition)->currentText(), QStringLiteral("Condition2"));
    EXPECT_EQ(TheOrvex().config[CV::Condition], 2);
    ASSERT_TRUE(sim_->waitForLog("EVENT condition 2", kWaitMs));
    Close();
    const std::vector<SimFrame> frames = FramesBeforeMarker(start);
    const std::vector<SimFrame> actions = WithCode(frames, ActionFrame);
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_EQ(actions[0].payload.at(1), 2);  // condition
    EXPECT_EQ(actions[0].payload.at(0), 0);  // no zero reset
    EXPECT_TRUE(WithCode(frames, ParameterFrame).empty());
    ParameterImage expected = before;
    expected.SetupBlock[31] = 2;
    EXPECT_EQ(TheOrvex().image, expected);
}

TEST_F(AdvanceMenu, ResetZeroSendsTwoActionFramesAndShowsTheNewZeroPitch) {
    const size_t start = FrameCount();
    Open();
    const QString oldZero = Field(CAdvanceMenuDialog::IdZeroPitch)->text();
    Click(CAdvanceMenuDialog::IdResetZero);
    ASSERT_TRUE(sim_->waitForLog("EVENT zero-reset zero-pitch=", kWaitMs));
    const std::string log = sim_->logText();
    const size_t at = log.find("zero-pitch=") + 11;
    const QString measured = QString::fromStdString(log.substr(at, log.find('\n', at) - at));
    ASSERT_NE(measured, oldZero);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Field(CAdvanceMenuDialog::IdZeroPitch)->text() == measured; }, kWaitMs))
        << Field(CAdvanceMenuDialog::IdZeroPitch)->text().toStdString() << " != " << measured.toStdString();

    const std::vector<SimFrame> actions = WithCode(FramesSince(start), ActionFrame);
    ASSERT_GE(actions.size(), 2u);
    EXPECT_EQ(actions[0].payload.at(0), 101);
    EXPECT_EQ(actions[1].payload.at(0), 0);
    EXPECT_EQ(actions[1].req, RequestParameterReply);
    // The answered reply is acknowledged.
    ASSERT_TRUE(WaitForFrames(start + 3));
    const std::vector<SimFrame> after = FramesSince(start);
    EXPECT_EQ(after[2].code, QueryFrame);
    EXPECT_EQ(after[2].req, RequestNone);
}

// A device on a 9600-baud line: the two answers to "Reset zero" arrive
// back to back, in pieces.
class AdvanceMenuPaced : public AdvanceMenu {
protected:
    std::vector<std::string> SimArgs() const override { return {"--baud", "9600"}; }
};

TEST_F(AdvanceMenuPaced, ResetZeroShowsTheNewZeroPitch) {
    Open();
    Click(CAdvanceMenuDialog::IdResetZero);
    ASSERT_TRUE(sim_->waitForLog("EVENT zero-reset zero-pitch=", kWaitMs));
    const std::string log = sim_->logText();
    const size_t at = log.find("zero-pitch=") + 11;
    const QString measured = QString::fromStdString(log.substr(at, log.find('\n', at) - at));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Field(CAdvanceMenuDialog::IdZeroPitch)->text() == measured; }, kWaitMs));
}

TEST_F(AdvanceMenu, AuxSwitchConditionDisablesTheConditionChoice) {
    const size_t start = FrameCount();
    Open();
    auto* condition = Control<QComboBox>(CAdvanceMenuDialog::IdCondition);
    ASSERT_TRUE(condition->isEnabled());
    Choose(CAdvanceMenuDialog::IdAuxFunction, Qt::Key_Down);
    EXPECT_EQ(Control<QComboBox>(CAdvanceMenuDialog::IdAuxFunction)->currentText(), QStringLiteral("Switch condition"));
    EXPECT_FALSE(condition->isEnabled());
    EXPECT_EQ(TheOrvex().image.SetupBlock[28], 1);
    EXPECT_EQ(TheOrvex().config[CV::AuxFunction], 1);
    Choose(CAdvanceMenuDialog::IdAuxFunction, Qt::Key_Up);
    EXPECT_TRUE(condition->isEnabled());
    Close();
    const std::vector<SimFrame> sent = WithCode(FramesBeforeMarker(start), ParameterFrame);
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(SentSetup(sent[0], 28), 1);
    EXPECT_EQ(SentSetup(sent[1], 28), 0);
}

TEST_F(AdvanceMenu, DialogOpensWithConditionDisabledInConditionMode) {
    TheOrvex().config[CV::AuxFunction] = 1;
    Open();
    EXPECT_FALSE(Control<QComboBox>(CAdvanceMenuDialog::IdCondition)->isEnabled());
    EXPECT_EQ(Control<QComboBox>(CAdvanceMenuDialog::IdAuxFunction)->currentIndex(), 1);
}

TEST_F(AdvanceMenu, GovernorResetThenCancelLeavesTheDeviceUnchanged) {
    // Governor values on the device that differ from those Reset brings.
    Orvex& o = TheOrvex();
    const int device[] = {50, 51, 52, 53, 54, 55};
    const int indexes[] = {24, 25, 26, 42, 43, 45};
    for (int i = 0; i < 6; ++i) o.image.TuningBlock[indexes[i]] = static_cast<int8_t>(device[i]);
    SendParameters(o);
    ASSERT_TRUE(AwaitAnswer());
    const size_t start = FrameCount();

    Open();
    EXPECT_EQ(Field(CAdvanceMenuDialog::IdGovernorP)->text(), QStringLiteral("50"));
    const QString burst = Field(CAdvanceMenuDialog::IdBurst)->text();
    Click(CAdvanceMenuDialog::IdGovernorReset);
    const std::pair<int, const char*> reset[] = {
        {CAdvanceMenuDialog::IdGovernorP, "20"},        {CAdvanceMenuDialog::IdGovernorI, "80"},
        {CAdvanceMenuDialog::IdGovernorD, "20"},        {CAdvanceMenuDialog::IdCollectiveCompensate, "60"},
        {CAdvanceMenuDialog::IdCyclicCompensate, "40"}, {CAdvanceMenuDialog::IdGovernorTotal, "30"}};
    for (const auto& [id, text] : reset) EXPECT_EQ(Field(id)->text(), QString::fromLatin1(text)) << id;
    EXPECT_EQ(Field(CAdvanceMenuDialog::IdBurst)->text(), burst);  // the burst coefficient is not the governor's
    Click(CAdvanceMenuDialog::IdCancel);
    Close();
    EXPECT_TRUE(FramesBeforeMarker(start).empty());

    // Ask the device itself.
    o.image = ParameterImage{};
    Command::RequestParameters(o);
    ASSERT_TRUE(AwaitAnswer());
    for (int i = 0; i < 6; ++i) EXPECT_EQ(o.image.TuningBlock[indexes[i]], device[i]) << indexes[i];
}

TEST_F(AdvanceMenu, GovernorOnStaysOnWhenPressedAgain) {
    TheOrvex().image.SetupBlock[26] = 2;
    Open();
    Click(CAdvanceMenuDialog::IdGovernorCalibrate);
    EXPECT_EQ(dialog_->governorMode(), 2);
    EXPECT_EQ(Control<QRadioButton>(CAdvanceMenuDialog::IdGovernorCalibrate)->text(), QStringLiteral("Governor On"));
    Click(CAdvanceMenuDialog::IdGovernorOff);
    EXPECT_EQ(dialog_->governorMode(), 0);
    EXPECT_EQ(Control<QRadioButton>(CAdvanceMenuDialog::IdGovernorCalibrate)->text(), QStringLiteral("Calibrate RPM"));
    Click(CAdvanceMenuDialog::IdGovernorCalibrate);
    EXPECT_EQ(dialog_->governorMode(), 1);
}

// ---- refresh ------------------------------------------------------------------------------------

TEST_F(AdvanceMenu, TypedUnconfirmedNumberSurvivesTheRefresh) {
    Open();
    const int deviceRollP = TheOrvex().image.TuningBlock[7];
    ASSERT_NE(deviceRollP, 77);
    Type(CAdvanceMenuDialog::IdRollP, QStringLiteral("77"));
    // A field typed in and put back to the device's value by hand is still the user's.
    Type(CAdvanceMenuDialog::IdRollI, QStringLiteral("555"));
    // "Reset zero" brings a parameter reply, and from then on every answer
    // refreshes the dialog: wait until the new zero pitch shows and several
    // answers later still.
    const size_t start = FrameCount();
    Click(CAdvanceMenuDialog::IdResetZero);
    ASSERT_TRUE(sim_->waitForLog("zero-reset", kWaitMs));
    ASSERT_TRUE(WaitForFrames(start + 8));  // the exchange goes on, each answer refreshed
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return Field(CAdvanceMenuDialog::IdZeroPitch)->text().toInt() == TheOrvex().image.TuningBlock[39]; },
        kWaitMs));
    EXPECT_EQ(Field(CAdvanceMenuDialog::IdRollP)->text(), QStringLiteral("77"));
    EXPECT_EQ(Field(CAdvanceMenuDialog::IdRollI)->text(), QStringLiteral("555"));
    // Fields nobody typed in follow the device.
    EXPECT_EQ(Field(CAdvanceMenuDialog::IdPitchP)->text().toInt(), TheOrvex().image.TuningBlock[13]);

    // OK takes the typed number (after the out-of-range one is corrected).
    Type(CAdvanceMenuDialog::IdRollI, QStringLiteral("100"));
    const size_t beforeOk = FrameCount();
    Click(CAdvanceMenuDialog::IdOk);
    ASSERT_FALSE(dialog_->isVisible());
    Close();
    const std::vector<SimFrame> sent = WithCode(FramesBeforeMarker(beforeOk), ParameterFrame);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(SentTuning(sent[0], 7), 77);
    EXPECT_EQ(SentTuning(sent[0], 8), 100);
}

TEST_F(AdvanceMenu, RefreshFollowsTheDeviceAndLeavesGovernorFieldsAlone) {
    Open();
    // Another window's frame changes the device behind the dialog and asks
    // for the parameters back; the dialog holds the link and sees the reply.
    Orvex& o = TheOrvex();
    const ParameterImage shown = o.image;
    o.image.TuningBlock[13] = 33;  // pitch P gain: refreshed
    o.image.TuningBlock[24] = 44;  // governor P gain: not refreshed
    o.link.ReplyRequest = RequestParameterReply;
    SendParameters(o);
    o.image = shown;
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return Field(CAdvanceMenuDialog::IdPitchP)->text() == QStringLiteral("33"); }, kWaitMs));
    EXPECT_EQ(o.image.TuningBlock[24], 44);
    EXPECT_EQ(Field(CAdvanceMenuDialog::IdGovernorP)->text().toInt(), shown.TuningBlock[24]);
    // And the answered reply was acknowledged.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            const auto frames = sim_->frames();
            return !frames.empty() && frames.back().code == QueryFrame && frames.back().req == RequestNone;
        },
        kWaitMs));
}

// ---- balloon help and look ------------------------------------------------------------------------

TEST_F(AdvanceMenu, BalloonHelpExplainsTheEntries) {
    Open();
    CBalloonTip* balloon = dialog_->balloon();
    ASSERT_NE(balloon, nullptr);
    QPoint cursor(-1000, -1000);
    balloon->SetCursorSource([&] { return cursor; });
    const auto restOn = [&](int id) {
        QWidget* w = Control(id);
        cursor = w->mapToGlobal(w->rect().center());
        QTest::mouseMove(w, w->rect().center());
    };
    const auto shown = [&] { return QTest::qWaitFor([&] { return balloon->isVisible(); }, kWaitMs); };

    restOn(CAdvanceMenuDialog::IdGovernorP);
    ASSERT_TRUE(shown());
    const QString governorP = balloon->text();
    EXPECT_TRUE(governorP.startsWith(QStringLiteral("Increase this value can enhance governor performance, \n")));
    EXPECT_EQ(balloon->icon().size(), LoadPng(CAdvanceMenuDialog::kBalloonIconId).size());
    EXPECT_FALSE(balloon->icon().isNull());

    // The D gain explains itself with the P gain's text.
    restOn(CAdvanceMenuDialog::IdGovernorD);
    EXPECT_FALSE(balloon->isVisible());
    ASSERT_TRUE(shown());
    EXPECT_EQ(balloon->text(), governorP);

    // The help marker beside the AUX choice.
    restOn(CAdvanceMenuDialog::IdAuxHelp);
    ASSERT_TRUE(shown());
    EXPECT_TRUE(balloon->text().startsWith(QStringLiteral("Switch yaw gain: switch the tail \n")));

    restOn(CAdvanceMenuDialog::IdRollP);
    ASSERT_TRUE(shown());
    EXPECT_TRUE(balloon->text().startsWith(QStringLiteral("It is equivalent to \nthe roll rate gain")));

    // The governor's total gain has no help: the balloon goes and nothing is pending.
    restOn(CAdvanceMenuDialog::IdGovernorTotal);
    EXPECT_FALSE(balloon->isVisible());
    EXPECT_FALSE(balloon->showPending());
}

TEST_F(AdvanceMenu, HelpMarkersSitOnTheirPictures) {
    Open();
    for (int i = 0; i < 2; ++i) {
        QWidget* marker = Control(CAdvanceMenuDialog::IdAuxHelp + i);
        const QRect picture(CAdvanceMenuDialog::kHelpPicturePoints[i],
                            LoadPng(CAdvanceMenuDialog::kHelpPictureId).size());
        EXPECT_EQ(marker->geometry(), picture);
        // Beside its choice, on the same height.
        QWidget* combo = Control(i == 0 ? CAdvanceMenuDialog::IdAuxFunction : CAdvanceMenuDialog::IdCondition);
        const QRect place(combo->mapTo(dialog_.get(), QPoint()), combo->size());  // the combo sits in its group
        EXPECT_GT(marker->geometry().left(), place.right());
        EXPECT_NEAR(marker->geometry().center().y(), place.center().y(), 3);
    }
    // The picture is painted where the markers are.
    const QImage shot = dialog_->grab().toImage();
    const QImage picture = LoadPng(CAdvanceMenuDialog::kHelpPictureId).toImage();
    for (const QPoint& at : CAdvanceMenuDialog::kHelpPicturePoints) {
        int differing = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (qAlpha(picture.pixel(x, y)) == 255 && shot.pixel(at + QPoint(x, y)) != picture.pixel(x, y))
                    ++differing;
        EXPECT_EQ(differing, 0) << at.x() << "," << at.y();
    }
}

TEST_F(AdvanceMenu, EveryControlIsThere) {
    Open();
    for (int id : {CAdvanceMenuDialog::IdOk,
                   CAdvanceMenuDialog::IdCancel,
                   CAdvanceMenuDialog::IdGovernorOff,
                   CAdvanceMenuDialog::IdGovernorCalibrate,
                   CAdvanceMenuDialog::IdGovernorReset,
                   CAdvanceMenuDialog::IdRollP,
                   CAdvanceMenuDialog::IdRollI,
                   CAdvanceMenuDialog::IdRollD,
                   CAdvanceMenuDialog::IdPitchP,
                   CAdvanceMenuDialog::IdPitchI,
                   CAdvanceMenuDialog::IdPitchD,
                   CAdvanceMenuDialog::IdAcceleration,
                   CAdvanceMenuDialog::IdDeceleration,
                   CAdvanceMenuDialog::IdRcDeadBand,
                   CAdvanceMenuDialog::IdGyroDeadBand,
                   CAdvanceMenuDialog::IdYawP,
                   CAdvanceMenuDialog::IdYawI,
                   CAdvanceMenuDialog::IdYawD,
                   CAdvanceMenuDialog::IdAccelerationL,
                   CAdvanceMenuDialog::IdAccelerationR,
                   CAdvanceMenuDialog::IdDecelerationL,
                   CAdvanceMenuDialog::IdDecelerationR,
                   CAdvanceMenuDialog::IdTailRcDeadBand,
                   CAdvanceMenuDialog::IdTailGyroDeadBand,
                   CAdvanceMenuDialog::IdCollectiveToTail,
                   CAdvanceMenuDialog::IdCyclicToTail,
                   CAdvanceMenuDialog::IdZeroPitch,
                   CAdvanceMenuDialog::IdResetZero,
                   CAdvanceMenuDialog::IdCondition,
                   CAdvanceMenuDialog::IdAuxFunction,
                   CAdvanceMenuDialog::IdAuxHelp,
                   CAdvanceMenuDialog::IdConditionHelp,
                   CAdvanceMenuDialog::IdBurst,
                   CAdvanceMenuDialog::IdGovernorP,
                   CAdvanceMenuDialog::IdGovernorI,
                   CAdvanceMenuDialog::IdGovernorD,
                   CAdvanceMenuDialog::IdCollectiveCompensate,
                   CAdvanceMenuDialog::IdCyclicCompensate,
                   CAdvanceMenuDialog::IdGovernorTotal}) {
        EXPECT_NE(Control(id), nullptr) << id;
    }
    EXPECT_EQ(dialog_->windowTitle(), QStringLiteral("Advance Menu"));
}

TEST_F(AdvanceMenu, TabGoesThroughTheFieldsInReadingOrder) {
    Open();
    Field(CAdvanceMenuDialog::IdRollP)->setFocus();
    const int expected[] = {
        CAdvanceMenuDialog::IdPitchP,       CAdvanceMenuDialog::IdRollI,      CAdvanceMenuDialog::IdPitchI,
        CAdvanceMenuDialog::IdRollD,        CAdvanceMenuDialog::IdPitchD,     CAdvanceMenuDialog::IdAcceleration,
        CAdvanceMenuDialog::IdDeceleration, CAdvanceMenuDialog::IdRcDeadBand, CAdvanceMenuDialog::IdGyroDeadBand,
        CAdvanceMenuDialog::IdBurst,        CAdvanceMenuDialog::IdResetZero,  CAdvanceMenuDialog::IdYawP,
        CAdvanceMenuDialog::IdAccelerationL};
    for (int id : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), Control(id))
            << "expected " << id << ", focus on " << QApplication::focusWidget()->objectName().toStdString();
    }
}
