// The configuration-file commands of the main window: open, save and
// transmit, with real files on disk.

#include "test_main_support.h"

#include "FileBytes.h"
#include "params/Orvex.h"
#include "widgets/Dialogs.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QSlider>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace mainwin;

namespace {

Dialogs::Request OnlyRequest() {
    const QList<Dialogs::Request> requests = Dialogs::TakeRequests();
    EXPECT_EQ(requests.size(), 1);
    return requests.isEmpty() ? Dialogs::Request{} : requests.front();
}

}  // namespace

using ConfigMenu = MainWindowTest;

TEST_F(ConfigMenu, OpenShowsTheFileValuesOnSlidersAndBoxes) {
    OpenFrame();
    const std::string file = runtime_.file("mine.ini");
    std::ofstream(file) << "[section1]\nPitchAgility=50\nPitchGain=100\nRollAgility=20\nRollGain=30\n"
                           "YawAgility=25\nYawRight=44\nYawGain=77\n[section2]\nServoDirCH1=-1\n";
    Dialogs::QueueAnswer(QString::fromStdString(file));
    frame().openAction()->trigger();
    const QList<Dialogs::Request> requests = Dialogs::TakeRequests();
    ASSERT_EQ(requests.size(), 2);
    // The keys the file lacks are named; they keep the factory values (no unit yet).
    EXPECT_TRUE(requests[1].text.contains(QStringLiteral("SwashPlateType"))) << requests[1].text.toStdString();
    EXPECT_EQ(TheOrvex().config[CV::SwashPlateType], 2);
    const Dialogs::Request asked = requests[0];
    EXPECT_EQ(asked.kind, Dialogs::Kind::OpenFile);
    EXPECT_EQ(asked.title, QStringLiteral("Select Config File"));
    EXPECT_EQ(asked.filter, QStringLiteral("conif file (*.ini)"));

    const int table[7][3] = {{MainFormIds::PitchAgility, MainFormIds::PitchAgilityEdit, 50},
                             {MainFormIds::PitchGain, MainFormIds::PitchGainEdit, 100},
                             {MainFormIds::RollAgility, MainFormIds::RollAgilityEdit, 20},
                             {MainFormIds::RollGain, MainFormIds::RollGainEdit, 30},
                             {MainFormIds::YawRateL, MainFormIds::YawRateLEdit, 25},
                             {MainFormIds::YawRateR, MainFormIds::YawRateREdit, 44},
                             {MainFormIds::TailGain, MainFormIds::TailGainEdit, 77}};
    for (const auto& row : table) {
        SCOPED_TRACE(row[0]);
        EXPECT_EQ(Edit(row[1])->text(), QString::number(row[2]));
        EXPECT_EQ(Slider(row[0])->value(), row[2]);
    }
    EXPECT_EQ(TheOrvex().config[CV::YawRight], 44);
    EXPECT_EQ(TheOrvex().config[CV::ServoDirCH1], -1);
}

TEST_F(ConfigMenu, FileThatCannotBeReadChangesNothing) {
    OpenFrame();
    const QString before = Edit(MainFormIds::PitchGainEdit)->text();
    const ConfigValues config = TheOrvex().config;
    const std::string missing = runtime_.file("missing.ini");
    Dialogs::QueueAnswer(QString::fromStdString(missing));
    frame().openAction()->trigger();
    const QList<Dialogs::Request> requests = Dialogs::TakeRequests();
    ASSERT_EQ(requests.size(), 2);
    EXPECT_EQ(requests[1].kind, Dialogs::Kind::Message);
    EXPECT_FALSE(requests[1].text.isEmpty());
    EXPECT_EQ(Edit(MainFormIds::PitchGainEdit)->text(), before);
    EXPECT_TRUE(TheOrvex().config == config);
}

TEST_F(ConfigMenu, ShortNameIsRefused) {
    OpenFrame();
    Dialogs::QueueAnswer(QStringLiteral("/a.i"));
    frame().openAction()->trigger();
    QList<Dialogs::Request> requests = Dialogs::TakeRequests();
    ASSERT_EQ(requests.size(), 2);
    EXPECT_EQ(requests[1].text, QStringLiteral("File name is too short!"));

    Dialogs::QueueAnswer(QStringLiteral("/a.i"));
    frame().saveAction()->trigger();
    requests = Dialogs::TakeRequests();
    ASSERT_EQ(requests.size(), 2);
    EXPECT_EQ(requests[1].text, QStringLiteral("File name is too short!"));
    EXPECT_FALSE(QFile::exists(QStringLiteral("/a.i.ini")));
}

TEST_F(ConfigMenu, CancelDoesNothing) {
    OpenFrame();
    Dialogs::QueueAnswer(QString());
    frame().openAction()->trigger();
    Dialogs::QueueAnswer(QString());
    frame().saveAction()->trigger();
    EXPECT_EQ(Dialogs::TakeRequests().size(), 2);
}

TEST_F(ConfigMenu, SaveAddsTheExtensionAndWritesThePanel) {
    // Connected: before that the program holds start values no unit takes
    // (FixMode and SwashPlateType 0), and a file holding them is refused.
    ConnectToSim();
    Enter(MainFormIds::YawRateREdit, QStringLiteral("44"));  // yaw rate R
    const std::string chosen = runtime_.file("saved");
    Dialogs::QueueAnswer(QString::fromStdString(chosen));
    frame().saveAction()->trigger();
    const Dialogs::Request asked = OnlyRequest();
    EXPECT_EQ(asked.kind, Dialogs::Kind::SaveFile);
    EXPECT_EQ(asked.title, QStringLiteral("Save Config File"));
    EXPECT_EQ(asked.filter, QStringLiteral("config file (*.ini)"));
    const std::string text = ReadBytes(chosen + ".ini");
    EXPECT_NE(text.find("[section1]"), std::string::npos) << text;
    EXPECT_NE(text.find("YawRight=44"), std::string::npos) << text;

    // Reading it back moves slider 1025 to that value.
    Enter(MainFormIds::YawRateREdit, QStringLiteral("20"));
    Dialogs::QueueAnswer(QString::fromStdString(chosen + ".ini"));
    frame().openAction()->trigger();
    Dialogs::TakeRequests();
    EXPECT_EQ(Slider(MainFormIds::YawRateR)->value(), 44);
    EXPECT_EQ(Edit(MainFormIds::YawRateREdit)->text(), QStringLiteral("44"));
}

TEST_F(ConfigMenu, SaveAsksBeforeReplacingTheFileWithTheExtensionAdded) {
    OpenFrame();
    const std::string chosen = runtime_.file("kept");
    std::ofstream(chosen + ".ini") << "[other]\nkey=1\n";
    Dialogs::QueueAnswer(QString::fromStdString(chosen));
    Dialogs::QueueAnswer(QStringLiteral("no"));
    frame().saveAction()->trigger();
    const QList<Dialogs::Request> requests = Dialogs::TakeRequests();
    ASSERT_EQ(requests.size(), 2);
    EXPECT_EQ(requests[1].kind, Dialogs::Kind::Question);
    EXPECT_EQ(ReadBytes(chosen + ".ini"), "[other]\nkey=1\n");

    Dialogs::QueueAnswer(QString::fromStdString(chosen));
    Dialogs::QueueAnswer(QStringLiteral("yes"));
    frame().saveAction()->trigger();
    Dialogs::TakeRequests();
    const std::string text = ReadBytes(chosen + ".ini");
    EXPECT_NE(text.find("[other]\nkey=1\n"), std::string::npos) << text;  // other sections stay
    EXPECT_NE(text.find("YawGain=10"), std::string::npos) << text;
}

TEST_F(ConfigMenu, FailedSaveIsReported) {
    OpenFrame();
    Dialogs::QueueAnswer(QString::fromStdString(runtime_.file("no-such-folder/x.ini")));
    frame().saveAction()->trigger();
    const QList<Dialogs::Request> requests = Dialogs::TakeRequests();
    ASSERT_EQ(requests.size(), 2);
    EXPECT_EQ(requests[1].kind, Dialogs::Kind::Message);
    EXPECT_FALSE(requests[1].text.isEmpty());
    EXPECT_FALSE(std::filesystem::exists(runtime_.file("no-such-folder")));
}

TEST_F(ConfigMenu, TransmitWithoutDeviceSaysNothingWasSent) {
    OpenFrame();
    frame().transmitAction()->trigger();
    const Dialogs::Request said = OnlyRequest();
    EXPECT_EQ(said.kind, Dialogs::Kind::Message);
    EXPECT_EQ(said.text, QStringLiteral("Orvex not connected! Nothing was transmitted."));
    EXPECT_EQ(frame().progressBar()->value(), 0);
}

TEST_F(ConfigMenu, TransmitToAUnitThatDoesNotAnswerClaimsNothing) {
    // Frames 1-4 are the connect; the transmitted fifth is never answered.
    ConnectToSim({"--baud", "0", "--stop-answering", "5"});
    frame().transmitAction()->trigger();
    const QList<Dialogs::Request> said = AwaitRequests();
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0].text.startsWith(QStringLiteral("The config file was sent, but the Orvex did not confirm it")))
        << said[0].text.toStdString();
}

TEST_F(ConfigMenu, TransmitSendsTheOpenedFileOnce) {
    ConnectToSim();
    const std::string file = runtime_.file("send.ini");
    std::ofstream(file) << "[section2]\nServoDirCH2=-1\nAileronLimit=90\n[section3]\nSpinSpeed4=44\nRPMTotalGain=33\n";
    Dialogs::QueueAnswer(QString::fromStdString(file));
    frame().openAction()->trigger();
    Dialogs::TakeRequests();
    // Opening alone sends nothing: the next frame is the transmitted one.
    frame().transmitAction()->trigger();
    const QList<Dialogs::Request> said = AwaitRequests();
    ASSERT_EQ(said.size(), 1);
    EXPECT_EQ(said[0].text, QStringLiteral("The config file has been Transmitted to Orvex!"));
    EXPECT_EQ(frame().progressBar()->value(), 0);
    ASSERT_TRUE(WaitForFrames(5));
    const SimFrame sent = sim().frames()[4];
    EXPECT_EQ(sent.code, 30);
    EXPECT_EQ(SetupByte(sent, 7), 255);   // ServoDirCH2
    EXPECT_EQ(SetupByte(sent, 14), 90);   // AileronLimit
    EXPECT_EQ(TuningByte(sent, 32), 44);  // yaw rate R from SpinSpeed4
    EXPECT_EQ(TuningByte(sent, 45), 33);  // RPMTotalGain
}

TEST_F(ConfigMenu, CompareListsWhatTheTransmitWouldChange) {
    ConnectToSim();
    const std::string file = runtime_.file("plan.ini");
    Dialogs::QueueAnswer(QString::fromStdString(file));
    frame().saveAction()->trigger();
    Dialogs::TakeRequests();
    const auto compare = [&] {
        Dialogs::QueueAnswer(QString::fromStdString(file));
        frame().compareAction()->trigger();
        const QList<Dialogs::Request> requests = Dialogs::TakeRequests();
        EXPECT_EQ(requests.size(), 2);
        return requests.size() == 2 ? requests[1].text : QString();
    };
    EXPECT_TRUE(compare().startsWith(QStringLiteral("Nothing would change")));

    std::string text = ReadBytes(file);
    const auto set = [&text](const std::string& key, int value) {
        const size_t at = text.find("\n" + key + "=") + key.size() + 2;
        text.replace(at, text.find('\n', at) - at, std::to_string(value));
    };
    const ParameterImage& unit = TheOrvex().unitImage;
    set("PitchGain", 88);
    set("ServoType", 3);
    set("AileronLimit", 90);
    set("SpinSpeed4", 44);
    set("RPMTotalGain", 33);
    std::ofstream(file, std::ios::trunc) << text;
    const ParameterImage image = TheOrvex().image;
    const ConfigValues config = TheOrvex().config;
    const QString expected = QStringLiteral(
                                 "Aileron travel: %1 → 90\nServo type: %2 → 3\nPitch gain: %3 → 88\n"
                                 "Yaw rate R: %4 → 44\nGovernor total gain: %5 → 33")
                                 .arg(unit.SetupBlock[14])
                                 .arg(unit.SetupBlock[19])
                                 .arg(unit.TuningBlock[12])
                                 .arg(unit.TuningBlock[32])
                                 .arg(unit.TuningBlock[45]);
    EXPECT_EQ(compare(), expected);
    // Comparing reads nothing into the program.
    EXPECT_EQ(TheOrvex().image, image);
    EXPECT_TRUE(TheOrvex().config == config);
}
