// Firmware upgrade from the main window: "Open" and "Upgrade" pressed with
// the mouse, the image sent over a pty to orvex-sim acting as the boot
// loader, the loader's faults, and the status bar and progress bar.

#include "params_ui/MainFormLayout.h"
#include "test_main_support.h"

#include "FileBytes.h"
#include "app/FirmwareUpgrade.h"
#include "firmware/FirmwareImage.h"
#include "params/Orvex.h"
#include "widgets/Dialogs.h"

#include <QAction>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <cstdio>
#include <fstream>
#include <iterator>

using namespace mainwin;

namespace {

constexpr int kBlock = 128;

QString StatusFor(int blockNumber, int blocks) {
    return QStringLiteral("Firmware Update: transfered packets:%1/total packets:%2").arg(blockNumber).arg(blocks);
}

// Short limits, so that a silent loader ends a test in seconds; each test
// that waits for a time-out says which limit it relies on.
XmodemTimings TestTimings(int blockAnswerLimitMs) {
    XmodemTimings t;
    t.wakeIntervalMs = 200;
    t.handshakeLimitMs = 20000;
    t.blockAnswerLimitMs = blockAnswerLimitMs;
    t.eotAnswerLimitMs = 2000;
    return t;
}

}  // namespace

class FirmwareUpgradeTest : public MainWindowTest {
protected:
    // orvex-sim as the boot loader, unpaced, writing what it receives to
    // loader.bin; the window open with its port chosen.
    void StartLoader(std::vector<std::string> faults = {}, int blockAnswerLimitMs = 10000) {
        std::vector<std::string> args = {"--bootloader", "--baud", "0", "--firmware-out", received()};
        args.insert(args.end(), faults.begin(), faults.end());
        StartSim(args);
        OpenFrame();
        ChoosePort(sim().linkPath());
        ASSERT_NE(view().firmwareUpgrade(), nullptr);
        view().firmwareUpgrade()->SetTimings(TestTimings(blockAnswerLimitMs));
        QObject::connect(frame().progressBar(), &QProgressBar::valueChanged,
                         [this](int value) { progressSteps_.push_back(value); });
    }

    std::string received() const { return files_.file("loader.bin"); }

    // Waits for a line of the loader's log while the window goes on working.
    bool LoaderLogged(const std::string& text) {
        return Until([&] { return sim().logText().find(text) != std::string::npos; });
    }

    // Writes the firmware file and picks it with "Open".
    std::string ChooseFirmware(const std::vector<uint8_t>& bytes, const std::string& name = "orvex.bin") {
        const std::string path = files_.file(name);
        WriteFileBytes(path, bytes);
        Dialogs::QueueAnswer(QString::fromStdString(path));
        Click(MainFormIds::Open);
        const QList<Dialogs::Request> asked = Dialogs::TakeRequests();
        EXPECT_EQ(asked.size(), 1);
        if (!asked.isEmpty()) {
            EXPECT_EQ(asked[0].kind, Dialogs::Kind::OpenFile);
            EXPECT_EQ(asked[0].filter, QStringLiteral("Bin File (*.bin)"));
        }
        return path;
    }

    // Presses "Upgrade" and waits for the message box that ends it and the
    // button coming back; returns the messages shown.
    QStringList Upgrade() {
        Click(MainFormIds::Upgrade);
        return WaitForEnd();
    }

    QStringList WaitForEnd() {
        QStringList messages;
        const auto gather = [&] {
            for (const Dialogs::Request& r : Dialogs::TakeRequests()) {
                EXPECT_EQ(r.kind, Dialogs::Kind::Message) << r.text.toStdString();
                messages << r.text;
            }
        };
        EXPECT_TRUE(Until([&] {
            gather();
            return !messages.isEmpty() && Button(1024)->isEnabled();
        })) << "the upgrade did not end; status: "
            << frame().statusText().toStdString();
        // Anything still queued for the event loop has its turn: one box only.
        QCoreApplication::processEvents();
        QTest::qWait(50);
        gather();
        return messages;
    }

    TempDir files_{"quillon-firmware"};
    std::vector<int> progressSteps_;
};

TEST_F(FirmwareUpgradeTest, ImageReachesTheLoaderPaddedWithFF) {
    StartLoader();
    const std::vector<uint8_t> firmware = FirmwarePattern(1000, 1);
    ChooseFirmware(firmware);

    EXPECT_EQ(Upgrade(), QStringList{QStringLiteral("Firmware update complete!")});
    ASSERT_TRUE(LoaderLogged("BOOT complete blocks=8")) << sim().logText();
    EXPECT_EQ(ReadFileBytes(received()), PaddedToBlocks(firmware));

    // One status text per block, the last one left standing.
    EXPECT_EQ(frame().statusText(), StatusFor(8, 8));
    // One progress step per percent, up to 100.
    std::vector<int> expected;
    for (int p = 1; p <= 100; ++p) expected.push_back(p);
    EXPECT_EQ(progressSteps_, expected);
    EXPECT_EQ(frame().progressBar()->value(), 100);
    // The link stays open for the next try.
    EXPECT_TRUE(TheOrvex().LinkPort.IsOpen());
}

TEST_F(FirmwareUpgradeTest, BlockNumbersWrapAfter255AndWholeBlocksGetNoExtraBlock) {
    StartLoader();
    const std::vector<uint8_t> firmware = FirmwarePattern(300 * kBlock, 2);
    ChooseFirmware(firmware);

    EXPECT_EQ(Upgrade(), QStringList{QStringLiteral("Firmware update complete!")});
    ASSERT_TRUE(LoaderLogged("BOOT complete blocks=300")) << sim().logText();
    EXPECT_EQ(ReadFileBytes(received()), firmware);
    // Block 256 went out as number 0; the 300th as 44.
    EXPECT_NE(sim().logText().find("BOOT block 256 number=0 ok"), std::string::npos);
    EXPECT_EQ(frame().statusText(), StatusFor(300 % 256, 300));
}

TEST_F(FirmwareUpgradeTest, CancelledOpenKeepsTheChosenFile) {
    StartLoader();
    const std::vector<uint8_t> firmware = FirmwarePattern(3 * kBlock + 1, 3);
    const std::string path = ChooseFirmware(firmware);
    Dialogs::QueueAnswer(QString());
    Click(MainFormIds::Open);
    ASSERT_EQ(Dialogs::TakeRequests().size(), 1);
    EXPECT_EQ(view().firmwareUpgrade()->firmwarePath(), QString::fromStdString(path));

    EXPECT_EQ(Upgrade(), QStringList{QStringLiteral("Firmware update complete!")});
    ASSERT_TRUE(LoaderLogged("BOOT complete blocks=4")) << sim().logText();
    EXPECT_EQ(ReadFileBytes(received()), PaddedToBlocks(firmware));
}

TEST_F(FirmwareUpgradeTest, WithoutAFileNothingIsSentAndUpgradeComesBack) {
    StartLoader();
    EXPECT_EQ(Upgrade(), QStringList{QStringLiteral("Please open firmware file!")});
    EXPECT_TRUE(Button(1024)->isEnabled());
    // The file is looked at before the port: nothing was opened or sent.
    EXPECT_FALSE(TheOrvex().LinkPort.IsOpen());

    // A chosen file that has gone since is the same case.
    const std::string path = ChooseFirmware(FirmwarePattern(10, 4));
    std::remove(path.c_str());
    EXPECT_EQ(Upgrade(),
              QStringList{
                  QStringLiteral("Cannot read \"%1\": No such file or directory.").arg(QString::fromStdString(path))});
    EXPECT_FALSE(TheOrvex().LinkPort.IsOpen());
    EXPECT_EQ(sim().logText().find("BOOT"), std::string::npos) << sim().logText();
}

TEST_F(FirmwareUpgradeTest, OversizedFileIsRefusedBeforeAnythingIsSent) {
    StartLoader();
    ChooseFirmware(std::vector<uint8_t>(kMaxFirmwareBytes + 1, 0x5A), "huge.bin");
    EXPECT_EQ(Upgrade(), QStringList{QString::fromLatin1(XmodemOutcomeMessage(XmodemOutcome::TooLarge))});
    EXPECT_TRUE(Button(1024)->isEnabled());
    EXPECT_FALSE(TheOrvex().LinkPort.IsOpen());
    EXPECT_EQ(sim().logText().find("BOOT"), std::string::npos) << sim().logText();
}

// While the loader keeps the first block waiting, the transfer owns the link:
// the controls that would send are disabled and a frame sent anyway is not
// written. "Cancel" tells the loader and ends the transfer.
TEST_F(FirmwareUpgradeTest, TheTransferOwnsTheLinkAndCanBeCancelled) {
    StartLoader({"--silent-block", "1"}, /*blockAnswerLimitMs=*/60000);
    ChooseFirmware(FirmwarePattern(1000, 5));
    // Started and cancelled by keys, the button keeps the focus (a reader hears "Cancel").
    Button(1024)->setFocus();
    QTest::keyClick(Button(1024), Qt::Key_Space);
    ASSERT_TRUE(LoaderLogged("BOOT silent from block 1")) << sim().logText();
    EXPECT_EQ(Button(1024)->window()->focusWidget(), Button(1024));

    EXPECT_EQ(frame().statusText(), StatusFor(1, 8));
    EXPECT_EQ(Button(1024)->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(frame().progressBar()->value(), 0);
    for (int id : {1000, 1001}) EXPECT_FALSE(Button(id)->isEnabled()) << id;
    EXPECT_FALSE(Slider(1002)->isEnabled());
    EXPECT_FALSE(frame().transmitAction()->isEnabled());
    const uint32_t written = TheOrvex().LinkPort.BytesWritten();
    SendParameters(TheOrvex());
    EXPECT_EQ(TheOrvex().LinkPort.BytesWritten(), written);
    // The event loop runs: a file dialog opens (and is cancelled) meanwhile.
    Dialogs::QueueAnswer(QString());
    Click(MainFormIds::Open);
    EXPECT_EQ(Dialogs::TakeRequests().size(), 1);

    Button(1024)->setFocus();
    QTest::keyClick(Button(1024), Qt::Key_Space);
    EXPECT_EQ(WaitForEnd(), QStringList{QStringLiteral("Update cancel!")});
    EXPECT_EQ(Button(1024)->window()->focusWidget(), Button(1024));
    EXPECT_TRUE(LoaderLogged("BOOT sender cancel")) << sim().logText();
    EXPECT_EQ(Button(1024)->text(), QStringLiteral("Upgrade"));
    for (int id : {1000, 1001}) EXPECT_TRUE(Button(id)->isEnabled()) << id;
    EXPECT_TRUE(Slider(1002)->isEnabled());
    EXPECT_TRUE(frame().transmitAction()->isEnabled());
    EXPECT_TRUE(progressSteps_.empty());
}

struct LoaderFault {
    const char* name;
    std::vector<std::string> args;
    XmodemOutcome outcome;
    const char* message;  // the text the user reads
    int blockAnswerLimitMs;
    bool retryCompletes;  // the fault happens once, so pressing Upgrade again works

    friend void PrintTo(const LoaderFault& fault, std::ostream* os) { *os << fault.name; }
};

class LoaderFaults : public FirmwareUpgradeTest, public ::testing::WithParamInterface<LoaderFault> {};

TEST_P(LoaderFaults, EndWithTheirMessageAndLeaveTheProgramUsable) {
    const LoaderFault& fault = GetParam();
    StartLoader(fault.args, fault.blockAnswerLimitMs);
    const std::vector<uint8_t> firmware = FirmwarePattern(5 * kBlock, 6);
    ChooseFirmware(firmware);

    const QString message = QString::fromLatin1(fault.message);
    EXPECT_EQ(message, QString::fromLatin1(XmodemOutcomeMessage(fault.outcome)));
    EXPECT_EQ(Upgrade(), QStringList{message});
    EXPECT_TRUE(Button(1024)->isEnabled());
    EXPECT_TRUE(Button(1000)->isEnabled());
    if (!fault.retryCompletes) return;

    EXPECT_EQ(Upgrade(), QStringList{QStringLiteral("Firmware update complete!")});
    ASSERT_TRUE(LoaderLogged("BOOT complete blocks=5")) << sim().logText();
    EXPECT_EQ(ReadFileBytes(received()), firmware);
}

// The hang-up waits two minutes for an answer, far beyond the test's wait: its
// message can only come from noticing the hang-up itself.
INSTANTIATE_TEST_SUITE_P(
    Upgrade,
    LoaderFaults,
    ::testing::Values(
        LoaderFault{"Nak",
                    {"--nak-block", "2"},
                    XmodemOutcome::ReceiveError,
                    "Receive error! Please try again!",
                    10000,
                    true},
        LoaderFault{"Cancel", {"--cancel-block", "3"}, XmodemOutcome::Cancelled, "Update cancel!", 10000, true},
        LoaderFault{"Silent",
                    {"--silent-block", "2"},
                    XmodemOutcome::Timeout,
                    "Update timeout! Please try again!",
                    2000,
                    false},
        LoaderFault{"BadHandshake",
                    {"--bad-handshake"},
                    XmodemOutcome::HandshakeFailed,
                    "Hand shake failed! Please try again!",
                    10000,
                    false},
        LoaderFault{"HangUp",
                    {"--hangup-block", "2"},
                    XmodemOutcome::LinkLost,
                    "Update failed: the Orvex adapter was unplugged!",
                    120000,
                    false}),
    [](const ::testing::TestParamInfo<LoaderFault>& info) { return std::string(info.param.name); });
