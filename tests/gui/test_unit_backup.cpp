// "Back up Orvex…" and "Restore Orvex from backup…" of the File menu against
// the simulated Orvex, and the history kept on connect.

#include "params_ui/MainFormLayout.h"
#include "test_main_support.h"

#include "FileBytes.h"
#include "app/UnitBackupCommands.h"
#include "params/UnitHistory.h"
#include "widgets/Dialogs.h"

#include <QAction>
#include <QSignalSpy>

using namespace mainwin;

using UnitBackupMenu = MainWindowTest;

TEST_F(UnitBackupMenu, BacksUpTheUnitAndRestoresAnotherImageVerified) {
    std::string image;
    for (int i = 0; i < 78; ++i) image.push_back(static_cast<char>(i * 3 - 60));
    image[31] = 1;
    const std::string imagePath = runtime_.file("unit.img");
    WriteBytes(imagePath, image);
    // A name of its own: the history is shared by every test of this process.
    StartSim({"--baud", "0", "--image", imagePath, "--name", "backup-unit"});
    OpenFrame();
    EXPECT_FALSE(frame().backupAction()->isEnabled());
    ChoosePort(sim().linkPath());
    Click(MainFormIds::Connect);
    ASSERT_TRUE(Until([&] { return frame().statusText() == QStringLiteral("Orvex Connected!"); }));
    ASSERT_TRUE(frame().backupAction()->isEnabled());
    ASSERT_TRUE(frame().restoreAction()->isEnabled());
    EXPECT_EQ(ListHistory(sim().linkPath()).size(), 1u) << "the connect keeps the unit's image";

    QSignalSpy finished(frame().backupCommands(), &UnitBackupCommands::finished);
    const std::string file = runtime_.file("unit.orvex");
    Dialogs::QueueAnswer(QString::fromStdString(file));
    frame().backupAction()->trigger();
    ASSERT_TRUE(Until([&] { return finished.count() == 1; }));
    Dialogs::TakeRequests();
    const BackupParse written = ReadBackupFile(file);
    ASSERT_TRUE(written.ok) << written.message;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&written.backup.image), image.size()), image);

    // Another image: every restorable byte one higher, the condition 2.
    UnitBackup other = written.backup;
    for (DeviceByte d : AllImageBytes()) ++*BytePtr(other.image, d);
    other.image.SetupBlock[31] = 2;
    const std::string otherFile = runtime_.file("other.orvex");
    ASSERT_TRUE(WriteBackupFile(otherFile, other).ok);
    Dialogs::QueueAnswer(QString::fromStdString(otherFile));
    Dialogs::QueueAnswer(QStringLiteral("yes"));
    frame().restoreAction()->trigger();
    ASSERT_TRUE(Until([&] { return finished.count() == 2; }));
    const QList<Dialogs::Request> asked = Dialogs::TakeRequests();
    ASSERT_EQ(asked.size(), 3);
    EXPECT_EQ(asked[0].dir, QString::fromStdString(HistoryFolder()));
    EXPECT_TRUE(
        asked[1].text.contains(QStringLiteral("Aileron travel: %1 → %2").arg(int(image[14])).arg(image[14] + 1)))
        << asked[1].text.toStdString();
    EXPECT_TRUE(asked[1].text.contains(QStringLiteral("Zero pitch: unit value"))) << asked[1].text.toStdString();
    EXPECT_TRUE(asked[2].text.startsWith(QStringLiteral("The Orvex has been restored"))) << asked[2].text.toStdString();

    const std::string stored = ReadBytes(imagePath);
    ASSERT_EQ(stored.size(), image.size());
    for (DeviceByte d : AllImageBytes()) {
        const size_t at = (d.block == BlockId::Setup ? 0 : 32) + d.index;
        const int8_t wanted = WayOf(d) == RestoreWay::Kept ? image[at] : *BytePtr(other.image, d);
        EXPECT_EQ(static_cast<int8_t>(stored[at]), wanted) << ByteName(d);
    }
}

// The link ends at three moments of a restore; the message says what the unit holds.
struct RestoreStop {
    const char* lastAnswered;  // the unit answers no frame from this one on
    const char* said;
};

class RestoreOutcome : public MainWindowTest, public ::testing::WithParamInterface<RestoreStop> {};

TEST_P(RestoreOutcome, SaysWhatTheUnitHolds) {
    // Frames 1-4 are the connect; then the restore's read (5), its parameters (6) and the read-back (7).
    ConnectToSim({"--baud", "0", "--stop-answering", GetParam().lastAnswered});
    UnitBackup backup{TheOrvex().image, 105, 0, BackupDateNow(), sim().linkPath()};
    ++*BytePtr(backup.image, Def(CV::AileronLimit).device);
    const std::string file = runtime_.file("outcome.orvex");
    ASSERT_TRUE(WriteBackupFile(file, backup).ok);
    QSignalSpy finished(frame().backupCommands(), &UnitBackupCommands::finished);
    Dialogs::QueueAnswer(QString::fromStdString(file));
    if (std::string(GetParam().lastAnswered) != "5") Dialogs::QueueAnswer(QStringLiteral("yes"));
    frame().restoreAction()->trigger();
    ASSERT_TRUE(Until([&] { return finished.count() == 1; }));
    Dialogs::TakeRequests();
    const QString message = finished[0][0].toString();
    EXPECT_TRUE(message.contains(QString::fromLatin1(GetParam().said))) << message.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Restore,
                         RestoreOutcome,
                         ::testing::Values(RestoreStop{"5", "nothing was sent, the Orvex is unchanged"},
                                           RestoreStop{"6", "the Orvex did not confirm it and may hold part of it"},
                                           RestoreStop{"7",
                                                       "after it confirmed the restore: it could not be read back"}));
