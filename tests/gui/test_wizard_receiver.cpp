// The Receiver page: the receiver system list, what a choice stores and
// sends (list items 5 and 6 exchanged against the device's codes), the
// instruction texts and the wiring picture of each system.

#include "params/Orvex.h"
#include "test_wizard_support.h"
#include "wizard/CStep2.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QWheelEvent>

namespace {
using namespace ReceiverPageIds;
constexpr int kLineIds[14] = {Line1, Line2, Line3,  Line4,  Line5,  Line6,  Line7,
                              Line8, Line9, Line10, Line11, Line12, Line13, Line14};
const char* const kItems[9] = {
    "Conventional receiver", "Futaba S-BUS", "DSM2-1", "DSM2-2", "DSM2-3", "DSM2-4", "DSMJ", "DSMX-1", "DSMX-2"};
}  // namespace

class ReceiverPage : public WizardTest {
protected:
    CStep2& Page() { return *static_cast<CStep2*>(wizard_->page(2)); }
    QComboBox* List() { return Page().findChild<QComboBox*>(ControlName(ReceiverPageIds::List)); }
    QString Line(int id) {
        auto* l = Page().findChild<QLabel*>(ControlName(id));
        return l ? l->text() : QStringLiteral("<missing>");
    }
    int EmptyLines() {
        int n = 0;
        for (int id : kLineIds) n += Line(id).isEmpty();
        return n;
    }
    void OpenOnReceiverPage(bool answered = false) {
        OpenWizard();
        answered ? ClickAndWaitForAnswer(WizardIds::Next) : Click(WizardIds::Next);
        List()->setFocus();
    }
};

TEST_F(ReceiverPage, ChoicesAreStoredAndSentWithDsm2And4AndDsmjExchanged) {
    SimProcess sim({.args = {"--baud", "0"}});
    ASSERT_TRUE(ConnectLink(sim.portPath()));
    OpenOnReceiverPage();
    ASSERT_EQ(List()->count(), 9);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(List()->itemText(i), kItems[i]);
    const int expected[] = {1, 2, 3, 4, 6, 5, 7, 8};  // for list items 1..8
    for (int i = 1; i <= 8; ++i) {
        QTest::keyClick(List(), Qt::Key_Down);
        ASSERT_EQ(List()->currentIndex(), i);
        EXPECT_EQ(TheOrvex().config[CV::ReceiverType], expected[i - 1]) << List()->currentText().toStdString();
        EXPECT_EQ(TheOrvex().image.SetupBlock[25], expected[i - 1]);
    }
    ASSERT_TRUE(sim.waitForFrames(9, kWaitMs));
    const auto uploads = FramesWithCode(sim.frames(), 30);
    ASSERT_EQ(uploads.size(), 8u);
    for (size_t i = 0; i < uploads.size(); ++i) EXPECT_EQ(uploads[i].payload.at(25), expected[i]) << i;
}

TEST_F(ReceiverPage, ChoosingTheSameSystemAgainSendsAgain) {
    SimProcess sim({.args = {"--baud", "0"}});
    ASSERT_TRUE(ConnectLink(sim.portPath()));
    TheOrvex().config[CV::ReceiverType] = 6;
    OpenOnReceiverPage();
    ASSERT_EQ(List()->currentIndex(), 5);
    // Enter with the list open picks the item under the cursor: the same one.
    QTest::keyClick(List(), Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(WaitFor([&] { return List()->view()->isVisible(); }));
    QTest::keyClick(List()->view(), Qt::Key_Return);
    ASSERT_TRUE(sim.waitForFrames(2, kWaitMs));
    const auto uploads = FramesWithCode(sim.frames(), 30);
    ASSERT_EQ(uploads.size(), 1u);
    EXPECT_EQ(uploads[0].payload.at(25), 6);
}

// Scrolling past the list changes nothing; once it has the focus the wheel chooses.
TEST_F(ReceiverPage, TheWheelChoosesOnlyWhenTheListHasTheFocus) {
    SimProcess sim({.args = {"--baud", "0"}});
    ASSERT_TRUE(ConnectLink(sim.portPath()));
    OpenOnReceiverPage();
    List()->clearFocus();
    const int8_t before = TheOrvex().config[CV::ReceiverType];
    const auto notch = [this] {
        const QPointF at(List()->width() / 2.0, List()->height() / 2.0);
        QWheelEvent wheel(at, List()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(List(), &wheel);
    };
    notch();
    EXPECT_EQ(List()->currentIndex(), 0);
    EXPECT_NE(List()->window()->focusWidget(), List()) << "the wheel gave the list the focus";
    EXPECT_EQ(TheOrvex().config[CV::ReceiverType], before);

    List()->setFocus();
    notch();
    EXPECT_EQ(List()->currentIndex(), 1);
    ASSERT_TRUE(sim.waitForFrames(2, kWaitMs));
    const auto uploads = FramesWithCode(sim.frames(), 30);
    ASSERT_EQ(uploads.size(), 1u);
    EXPECT_EQ(uploads[0].payload.at(25), 1);
}

TEST_F(ReceiverPage, AStoredCodeOpensWithItsItem) {
    const std::pair<int, const char*> cases[] = {{5, "DSMJ"}, {6, "DSM2-4"}, {1, "Futaba S-BUS"}, {8, "DSMX-2"}};
    for (auto [code, item] : cases) {
        TheOrvex().config[CV::ReceiverType] = static_cast<int8_t>(code);
        OpenWizard();
        EXPECT_EQ(List()->currentText(), item) << code;
        EXPECT_EQ(TheOrvex().link.SequenceCounter, 0) << "opening sent a frame";
        wizard_.reset();
    }
}

TEST_F(ReceiverPage, ACodeOutsideTheListShowsNoItemAndTheSatelliteInstructions) {
    for (int code : {9, -1, 100}) {
        TheOrvex().config[CV::ReceiverType] = static_cast<int8_t>(code);
        OpenWizard();
        EXPECT_EQ(List()->currentIndex(), -1) << code;
        EXPECT_TRUE(List()->currentText().isEmpty()) << code;
        EXPECT_EQ(Page().wiringPicture(), 260) << code;
        EXPECT_EQ(Line(Line1), QString::fromUtf8("DSM2-1\uFF1Atransmitter is DX 7 etc.(can bind by Orvex-S)"));
        EXPECT_EQ(EmptyLines(), 0);
        wizard_.reset();
    }
}

TEST_F(ReceiverPage, EachSystemShowsItsTextSetAndPicture) {
    TheOrvex().config[CV::ReceiverType] = 2;
    OpenOnReceiverPage();
    EXPECT_EQ(Page().wiringPicture(), 260);
    EXPECT_EQ(Line(Line9),
              QString::fromUtf8("cable to the \u2018PIT/ELE/AUX\u2019 port and \u2018AIL\u2019 port, plug the"));
    EXPECT_EQ(Line(Line5), "DSMJ:      transmitter is DSMJ format.(can bind by Orvex-S)");
    EXPECT_EQ(Line(Line14), "the 'PIT/ELE/AUX' port and 'AIL' port.");

    QTest::keyClick(List(), Qt::Key_Up);  // Futaba S-BUS
    EXPECT_EQ(Page().wiringPicture(), 261);
    EXPECT_EQ(Line(Line1),
              "Enter the 'FUNCTION' menu of your transmitter, define the sequence of the channels as below:");
    EXPECT_EQ(Line(Line2), QString(24, ' ') + "Mode 2    Mode 1");
    EXPECT_EQ(Line(Line10), "S-Bus port,and plug the long end to the Orvex-S's RUD port.");
    for (int id : {Line11, Line12, Line13, Line14}) EXPECT_TRUE(Line(id).isEmpty()) << id;

    QTest::keyClick(List(), Qt::Key_Up);  // Conventional receiver
    EXPECT_EQ(Page().wiringPicture(), 182);
    EXPECT_EQ(EmptyLines(), 14);
}

TEST_F(ReceiverPage, DeviceRepliesLeaveTheChoiceAlone) {
    TempDir dir;
    std::vector<uint8_t> image(78, 0);
    image[25] = 3;  // the device believes in DSM2-2
    const std::string imagePath = dir.file("image.bin");
    FILE* f = std::fopen(imagePath.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(image.data(), 1, image.size(), f);
    std::fclose(f);
    SimProcess sim({.args = {"--baud", "0", "--image", imagePath}});
    ASSERT_TRUE(ConnectLink(sim.portPath()));
    TheOrvex().config[CV::ReceiverType] = 1;
    OpenOnReceiverPage(true);
    Command::RequestParameters(TheOrvex());
    ASSERT_TRUE(WaitFor([] { return TheOrvex().link.ReplyPending == 0 && TheOrvex().image.SetupBlock[25] == 3; }));
    EXPECT_EQ(List()->currentIndex(), 1);
    EXPECT_EQ(TheOrvex().config[CV::ReceiverType], 1);
}
