// Connecting from the main window: the port list (following ports as they
// come and go, and the port of the last run), the handshake with its lamps and
// version text, the Connect button's time-out, a hang-up of the device, and a
// port that cannot be opened.

#include "test_main_support.h"

#include "app/PortComboBox.h"
#include "link/PortList.h"
#include "params/Orvex.h"
#include "widgets/Announcer.h"
#include "widgets/Dialogs.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

using namespace mainwin;

namespace {

QStringList Entries(QComboBox* combo) {
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i) entries << combo->itemData(i).toString();
    return entries;
}

void DropDownAndClose(QComboBox* combo) {
    QTest::mouseClick(combo, Qt::LeftButton);
    ASSERT_TRUE(Until([&] { return combo->view()->isVisible(); }));
    combo->hidePopup();
}

}  // namespace

using Connect = MainWindowTest;

TEST_F(Connect, HandshakeShowsConnectedVersionAndLitLamps) {
    StartSim();
    OpenFrame();
    ChoosePort(sim().linkPath());
    EXPECT_TRUE(LampsShow(view(), 241));
    Click(MainFormIds::Connect);
    ASSERT_TRUE(Until([&] { return frame().statusText() == QStringLiteral("Orvex Connected!"); }))
        << frame().statusDetail().toStdString();
    EXPECT_EQ(view().connectStage(), 2);
    EXPECT_EQ(Control<QLabel>(MainFormIds::Version)->text(), QStringLiteral("V1.05"));
    // Read where Tab reaches it, with what it says.
    EXPECT_EQ(Control<QLabel>(MainFormIds::Version)->accessibleName(), QStringLiteral("Firmware version: V1.05"));
    EXPECT_TRUE(Control<QLabel>(MainFormIds::Version)->focusPolicy() & Qt::TabFocus);
    EXPECT_TRUE(Button(MainFormIds::Connect)->isEnabled());
    EXPECT_TRUE(Until([&] { return LampsShow(view(), 242); }));
    EXPECT_TRUE(frame().statusDetail().isEmpty());
    // A screen reader speaks the new state: a notification shown with it as its name.
    Announcer* announcer = Announcer::Of(&frame());
    EXPECT_TRUE(Until([&] { return announcer->lastText() == QStringLiteral("Orvex Connected!"); }));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(announcer)->role(), QAccessible::Notification);
    EXPECT_TRUE(announcer->isVisible());

    // RequestParameters, Acknowledge, RequestStatus, Acknowledge.
    ASSERT_TRUE(WaitForFrames(4));
    const std::vector<SimFrame> frames = sim().frames();
    const int expected[4][3] = {{10, 1, 30}, {10, 2, 0}, {10, 3, 40}, {10, 4, 0}};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(frames[i].code, expected[i][0]);
        EXPECT_EQ(frames[i].seq, expected[i][1]);
        EXPECT_EQ(frames[i].req, expected[i][2]);
    }
    // The port number of the chosen entry is the link's.
    EXPECT_GE(view().portNumber(), 1);
    EXPECT_LE(view().portNumber(), 1024);
    EXPECT_EQ(TheOrvex().LinkPort.PortNumber(), view().portNumber());
}

TEST_F(Connect, ParametersFromTheDeviceReachTheSlidersAndBoxes) {
    ConnectToSim();
    const ParameterImage& image = TheOrvex().image;
    // slider, edit, TuningBlock byte, position base
    const int table[7][3] = {{MainFormIds::PitchAgility, MainFormIds::PitchAgilityEdit, 33},
                             {MainFormIds::PitchGain, MainFormIds::PitchGainEdit, 12},
                             {MainFormIds::RollAgility, MainFormIds::RollAgilityEdit, 34},
                             {MainFormIds::RollGain, MainFormIds::RollGainEdit, 6},
                             {MainFormIds::YawRateL, MainFormIds::YawRateLEdit, 31},
                             {MainFormIds::YawRateR, MainFormIds::YawRateREdit, 32},
                             {MainFormIds::TailGain, MainFormIds::TailGainEdit, 0}};
    for (const auto& row : table) {
        SCOPED_TRACE(row[0]);
        const int value = image.TuningBlock[row[2]];
        EXPECT_EQ(Edit(row[1])->text(), QString::number(value));
        EXPECT_EQ(Slider(row[0])->value(), value);
    }
}

TEST_F(Connect, PressingConnectAgainStartsOverWithSequenceOne) {
    ConnectToSim();
    ASSERT_EQ(sim().frames().size(), 4u);
    Click(MainFormIds::Connect);
    // At once: not connected, lamps off, until the new handshake completes.
    ASSERT_TRUE(Until([&] { return frame().statusText() == QStringLiteral("Orvex Connected!"); }));
    ASSERT_TRUE(WaitForFrames(8));
    const std::vector<SimFrame> frames = sim().frames();
    EXPECT_EQ(frames[4].seq, 1);
    EXPECT_EQ(frames[4].req, 30);
    EXPECT_EQ(frames[7].seq, 4);
    EXPECT_TRUE(LampsShow(view(), 242));
}

TEST_F(Connect, ConnectShowsNotConnectedAndDarkLampsWhileItStartsOver) {
    ConnectToSim();
    QPushButton* connect = Button(MainFormIds::Connect);
    // Checked before the window has read any answer to the new request.
    QTest::mouseClick(connect, Qt::LeftButton);
    EXPECT_EQ(frame().statusText(), QStringLiteral("Orvex not connected!"));
    EXPECT_FALSE(connect->isEnabled());
    EXPECT_EQ(view().connectStage(), 0);
    EXPECT_TRUE(LampsShow(view(), 241));
    EXPECT_EQ(Control<QLabel>(MainFormIds::Version)->text(), QString()) << "no version of a unit not connected";
    ASSERT_TRUE(Until([&] { return frame().statusText() == QStringLiteral("Orvex Connected!"); }));
    EXPECT_TRUE(connect->isEnabled());
    EXPECT_EQ(Control<QLabel>(MainFormIds::Version)->text(), QStringLiteral("V1.05"));
}

TEST_F(Connect, WithoutAnswerTheButtonComesBackAfterTheTimeOut) {
    StartSim({"--baud", "0", "--no-status"});
    OpenFrame();
    ChoosePort(sim().linkPath());
    Click(MainFormIds::Connect);
    QPushButton* connect = Button(MainFormIds::Connect);
    EXPECT_FALSE(connect->isEnabled());
    // Parameters arrive, the status report never does: stage 1, lamps off.
    ASSERT_TRUE(Until([&] { return view().connectStage() == 1; }));
    ASSERT_TRUE(Until([&] { return connect->isEnabled(); }, 30000));
    EXPECT_EQ(frame().statusText(), QStringLiteral("Orvex not connected!"));
    EXPECT_TRUE(LampsShow(view(), 241));
    EXPECT_TRUE(Until([&] { return frame().statusDetail().contains(QStringLiteral("did not answer")); }))
        << frame().statusDetail().toStdString();
}

TEST_F(Connect, AUnitLeftInItsBootLoaderIsRecognised) {
    StartSim({"--baud", "0", "--bootloader", "--unprompted-c"});
    OpenFrame();
    ChoosePort(sim().linkPath());
    Click(MainFormIds::Connect);
    EXPECT_TRUE(Until([&] {
        return frame().statusDetail().endsWith(
            QStringLiteral("the Orvex is in its boot loader: choose a firmware file and press Upgrade"));
    })) << frame().statusDetail().toStdString();
    EXPECT_EQ(view().connectStage(), 0);
}

TEST_F(Connect, ConnectFromTheKeyboardLeavesTheFocusOnThePortList) {
    StartSim();
    OpenFrame();
    ChoosePort(sim().linkPath());
    frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
    Button(MainFormIds::Connect)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Button(MainFormIds::Connect), Qt::Key_Space);
    // Never a slider, whose arrow keys would change the unit.
    EXPECT_EQ(QApplication::focusWidget(), view().portList());
    ASSERT_TRUE(Until([&] { return frame().statusText() == QStringLiteral("Orvex Connected!"); }));
}

TEST_F(Connect, ChoosingAPortEnablesConnectAtOnce) {
    StartSim({"--baud", "0", "--no-status"});
    OpenFrame();
    ChoosePort(sim().linkPath());
    Click(MainFormIds::Connect);
    ASSERT_FALSE(Button(MainFormIds::Connect)->isEnabled());
    ChoosePort(sim().linkPath());
    EXPECT_TRUE(Button(MainFormIds::Connect)->isEnabled());
}

TEST_F(Connect, HangUpOfTheDeviceTurnsTheLampsOff) {
    ConnectToSim();
    ASSERT_TRUE(LampsShow(view(), 242));
    sim().terminate();
    ASSERT_TRUE(Until([&] { return !TheOrvex().LinkPort.IsOpen(); })) << "the port was not closed";
    EXPECT_EQ(frame().statusText(), QStringLiteral("Orvex not connected!"));
    EXPECT_EQ(view().connectStage(), 0);
    EXPECT_TRUE(LampsShow(view(), 241));
    EXPECT_TRUE(frame().statusDetail().contains(QString::fromStdString(sim().linkPath())))
        << frame().statusDetail().toStdString();
    EXPECT_TRUE(Button(MainFormIds::Connect)->isEnabled());
    // Spoken once, state and reason together.
    EXPECT_TRUE(Until([&] {
        return Announcer::Of(&frame())->lastText().endsWith(QStringLiteral("Orvex not connected! ") +
                                                            frame().statusDetail());
    })) << Announcer::Of(&frame())->lastText().toStdString();
}

TEST_F(Connect, UnitThatStopsAnsweringIsShownUntilItAnswersAgainAndTheLinkLogKeepsIt) {
    // Frames 1-4 are the handshake; the fifth goes unanswered, the sixth is answered.
    ConnectToSim({"--baud", "0", "--stop-answering", "5", "--answer-again", "6"});
    const QString notAnswering =
        QStringLiteral("Orvex is not answering \u2014 the last change may not have reached it");
    Enter(MainFormIds::PitchAgilityEdit, QStringLiteral("20"));
    ASSERT_TRUE(Until([&] { return frame().statusText() == notAnswering; }));
    EXPECT_TRUE(LampsShow(view(), 241));
    ASSERT_TRUE(WaitForFrames(5));
    Enter(MainFormIds::PitchAgilityEdit, QStringLiteral("21"));
    ASSERT_TRUE(Until([&] { return frame().statusText() == QStringLiteral("Orvex Connected!"); }));
    EXPECT_TRUE(LampsShow(view(), 242));

    // Typed without its extension: the log gets it, as the dialog's filter shows.
    const std::string saved = runtime_.file("link.log");
    Dialogs::QueueAnswer(QString::fromStdString(runtime_.file("link")));
    frame().saveLinkLogAction()->trigger();
    ASSERT_EQ(Dialogs::TakeRequests().size(), 1);
    std::ifstream in(saved);
    const std::string log((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (const char* text : {"# program: quillon ", "# firmware: V1.05", " open ", "seq   5 parameters", "time-out",
                             "seq   6 acknowledgement"})
        EXPECT_NE(log.find(text), std::string::npos) << text << "\n" << log;
}

TEST_F(Connect, TheNotAnsweringWarningDoesNotRideOnTheLinkLog) {
    ConnectToSim({"--baud", "0", "--stop-answering", "5"});
    SetTraceHandler({});
    Enter(MainFormIds::PitchAgilityEdit, QStringLiteral("20"));
    EXPECT_TRUE(Until([&] {
        return frame().statusText() ==
               QStringLiteral("Orvex is not answering \u2014 the last change may not have reached it");
    }));
}

TEST_F(Connect, DeviceThatHangsUpByItselfIsShownAsGone) {
    ConnectToSim({"--baud", "0", "--hangup-after", "1"});
    ASSERT_TRUE(Until([&] { return frame().statusText() == QStringLiteral("Orvex not connected!"); }));
    EXPECT_FALSE(TheOrvex().LinkPort.IsOpen());
    EXPECT_TRUE(Until([&] { return LampsShow(view(), 241); }));
}

TEST_F(Connect, PortThatCannotBeOpenedShowsWhy) {
    // A registered "port" that is a plain file: it opens, but is no serial line.
    const std::filesystem::path ports = std::filesystem::path(runtime_.path()) / "orvex" / "ports";
    std::filesystem::create_directories(ports);
    const std::string file = runtime_.file("not-a-port");
    std::ofstream(file) << "x";
    std::filesystem::create_symlink(file, ports / "broken");
    OpenFrame();
    const std::string path = (ports / "broken").string();
    ChoosePort(path);
    Click(MainFormIds::Connect);
    EXPECT_FALSE(TheOrvex().LinkPort.IsOpen());
    EXPECT_EQ(frame().statusText(), QStringLiteral("Orvex not connected!"));
    const QString detail = frame().statusDetail();
    EXPECT_TRUE(detail.startsWith(QString::fromStdString(path))) << detail.toStdString();
    EXPECT_TRUE(detail.contains(QStringLiteral("not a serial port"))) << detail.toStdString();
    EXPECT_TRUE(LampsShow(view(), 241));
    EXPECT_FALSE(Button(MainFormIds::Connect)->isEnabled());
}

TEST_F(Connect, WithNoPortConnectSendsNothingAndComesBack) {
    // The last entry goes away: the drop-down keeps the old index, which now
    // selects nothing, so the port number is 0.
    StartSim();
    OpenFrame();
    ChoosePort(sim().linkPath());
    sim_.reset();
    DropDownAndClose(view().portList());
    ASSERT_EQ(view().portList()->currentIndex(), -1);
    ASSERT_EQ(view().portNumber(), 0);
    Click(MainFormIds::Connect);
    EXPECT_FALSE(TheOrvex().LinkPort.IsOpen());
    EXPECT_EQ(frame().statusText(), QStringLiteral("Orvex not connected!"));
    EXPECT_TRUE(frame().statusDetail().isEmpty());
    EXPECT_FALSE(Button(MainFormIds::Connect)->isEnabled());
    EXPECT_TRUE(Until([&] { return Button(MainFormIds::Connect)->isEnabled(); }, 30000));
}

TEST_F(Connect, HangUpNoticeOfAnEarlierSessionLeavesTheNewOneAlone) {
    // Both devices register under the same name, so they share path and port number.
    sim_ = std::make_unique<SimProcess>(SimProcess::Options{{"--baud", "0"}, false});
    OpenFrame();
    ChoosePort(sim().linkPath());
    Click(MainFormIds::Connect);
    ASSERT_TRUE(Until([&] { return frame().statusText() == QStringLiteral("Orvex Connected!"); }));
    const std::string path = sim().linkPath();

    // The first device goes away; its notice waits in the queue unread.
    sim().terminate();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kWaitMs);
    while (!TheOrvex().LinkPort.Gone() && std::chrono::steady_clock::now() < deadline) std::this_thread::yield();
    ASSERT_TRUE(TheOrvex().LinkPort.Gone());
    sim_ = std::make_unique<SimProcess>(SimProcess::Options{{"--baud", "0"}, false});
    ASSERT_EQ(sim().linkPath(), path);

    Click(MainFormIds::Connect);
    ASSERT_TRUE(Until([&] { return frame().statusText() == QStringLiteral("Orvex Connected!"); }))
        << frame().statusDetail().toStdString();
    EXPECT_TRUE(TheOrvex().LinkPort.IsOpen());
    EXPECT_TRUE(LampsShow(view(), 242));
}

using PortListing = MainWindowTest;

TEST_F(PortListing, RegisteredSimulatorFollowsTheRealPorts) {
    StartSim();
    OpenFrame();
    QComboBox* combo = view().portList();
    DropDownAndClose(combo);
    const QStringList entries = Entries(combo);
    const QString link = QString::fromStdString(sim().linkPath());
    const int at = entries.indexOf(link);
    ASSERT_GE(at, 0) << entries.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(combo->itemText(at), QStringLiteral("orvex-sim (simulated Orvex)"));
    for (int i = 0; i < entries.size(); ++i) {
        const bool simulated = entries[i].startsWith(QString::fromStdString(sim().runtimeDir()));
        if (i < at) {
            EXPECT_FALSE(simulated) << entries[i].toStdString();
        }
        if (simulated) {
            EXPECT_GE(i, at);
        }
    }
}

TEST_F(PortListing, WithoutSimulatorOnlyRealPortsAreListed) {
    OpenFrame();
    QComboBox* combo = view().portList();
    DropDownAndClose(combo);
    for (const QString& entry : Entries(combo)) {
        EXPECT_TRUE(entry.startsWith(QStringLiteral("/dev/"))) << entry.toStdString();
        EXPECT_FALSE(entry.startsWith(QString::fromStdString(runtime_.path())));
    }
}

TEST_F(PortListing, DropDownFindsASimulatorStartedLater) {
    OpenFrame();
    QComboBox* combo = view().portList();
    StartSim();
    EXPECT_EQ(combo->findData(QString::fromStdString(sim().linkPath())), -1);
    DropDownAndClose(combo);
    EXPECT_GE(combo->findData(QString::fromStdString(sim().linkPath())), 0);
}

TEST_F(PortListing, EachPathKeepsItsPortNumber) {
    StartSim();
    OpenFrame();
    ChoosePort(sim().linkPath());
    const int number = view().portNumber();
    EXPECT_EQ(number, ThePortNumbers().NumberFor(sim().linkPath()));
    DropDownAndClose(view().portList());
    EXPECT_EQ(view().portNumber(), number);
}

// Simulators registered in the folder the window watches while it runs: a
// newcomer is chosen while nothing is connected; once connected, others come
// and go without touching the choice or the connection.
TEST_F(PortListing, FollowsPortsComingAndGoingWhileItRuns) {
    OpenFrame();
    QComboBox* combo = view().portList();
    sim_ = std::make_unique<SimProcess>(SimProcess::Options{{"--baud", "0", "--name", "first"}, false});
    const QString first = QString::fromStdString(sim().linkPath());
    ASSERT_TRUE(Until([&] { return combo->currentData().toString() == first; }))
        << Entries(combo).join(' ').toStdString();
    EXPECT_EQ(combo->currentText(), QStringLiteral("first (simulated Orvex)"));
    EXPECT_EQ(view().portPath(), sim().linkPath());
    Click(MainFormIds::Connect);
    ASSERT_TRUE(Until([&] { return frame().statusText() == QStringLiteral("Orvex Connected!"); }));

    auto second = std::make_unique<SimProcess>(SimProcess::Options{{"--baud", "0", "--name", "second"}, false});
    const QString other = QString::fromStdString(second->linkPath());
    ASSERT_TRUE(Until([&] { return combo->findData(other) >= 0; })) << Entries(combo).join(' ').toStdString();
    EXPECT_EQ(combo->currentData().toString(), first);
    second.reset();
    ASSERT_TRUE(Until([&] { return combo->findData(other) < 0; })) << Entries(combo).join(' ').toStdString();
    EXPECT_EQ(combo->currentData().toString(), first);
    EXPECT_EQ(frame().statusText(), QStringLiteral("Orvex Connected!"));
    EXPECT_TRUE(TheOrvex().LinkPort.IsOpen());
}

// The next run starts on the port last connected (not the first entry) and
// opens the configuration dialogs in the folder last used.
TEST_F(PortListing, NextRunRemembersThePortAndTheConfigFolder) {
    SimProcess before({{"--baud", "0", "--name", "a-first"}, false});
    sim_ = std::make_unique<SimProcess>(SimProcess::Options{{"--baud", "0", "--name", "b-second"}, false});
    OpenFrame();
    ChoosePort(sim().linkPath());
    Click(MainFormIds::Connect);
    ASSERT_TRUE(Until([&] { return frame().statusText() == QStringLiteral("Orvex Connected!"); }));
    const TempDir folder{"quillon-config"};
    Dialogs::QueueAnswer(QString::fromStdString(folder.path() + "/kept.ini"));
    frame().saveAction()->trigger();
    Dialogs::TakeRequests();

    frame_.reset();
    ResetOrvex();
    OpenFrame();
    EXPECT_EQ(view().portList()->currentData().toString(), QString::fromStdString(sim().linkPath()));
    EXPECT_EQ(view().portPath(), sim().linkPath());
    Dialogs::QueueAnswer(QString());
    frame().openAction()->trigger();
    const QList<Dialogs::Request> asked = Dialogs::TakeRequests();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0].dir, QString::fromStdString(folder.path()));
}
