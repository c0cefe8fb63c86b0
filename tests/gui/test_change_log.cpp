// Edit's Undo, Redo and "Revert to the Orvex as connected" against the
// simulated Orvex: what the unit holds afterwards is read from its image file.

#include "params_ui/MainFormLayout.h"
#include "test_main_support.h"

#include "FileBytes.h"
#include "app/CChangesWindow.h"
#include "app/UnitBackupCommands.h"
#include "widgets/Announcer.h"
#include "widgets/Dialogs.h"
#include "wizard/CSetupWizard.h"
#include "wizard/CStep6.h"
#include "wizard/CWizardPage.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using namespace mainwin;

namespace {
std::string ImageBytes(const ParameterImage& image) {
    return std::string(reinterpret_cast<const char*>(image.SetupBlock), kSetupBlockSize) +
           std::string(reinterpret_cast<const char*>(image.TuningBlock), kTuningBlockSize);
}

// A shortcut reaches the active window only: a closed modal dialog hands that back.
void PressCtrl(QWidget& w, Qt::Key key, Qt::KeyboardModifiers more = {}) {
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, key, Qt::ControlModifier | more);
}
}  // namespace

class ChangeLogMenu : public MainWindowTest {
protected:
    // The simulator saves its image at the first change; until then it holds the connect's.
    void Connect(std::vector<std::string> more = {}) {
        imagePath_ = runtime_.file("unit.img");
        std::vector<std::string> args{"--baud", "0", "--image", imagePath_};
        args.insert(args.end(), more.begin(), more.end());
        ConnectToSim(args);
        atConnect_ = ImageBytes(TheOrvex().unitImage);
    }
    std::string Unit() const { return ReadBytes(imagePath_); }
    bool UnitHolds(const std::string& bytes) const {
        return Until([&] { return Unit() == bytes; });
    }
    bool AllConfirmed() const {
        return Until([&] {
            for (const ChangeEntry& e : TheOrvex().changes.entries())
                if (e.confirmation != Confirmation::Confirmed) return false;
            return true;
        });
    }

    std::string imagePath_;
    std::string atConnect_;
};

TEST_F(ChangeLogMenu, UndoAndRedoOfAPanelMoveAndAPresetPutTheUnitsBytesBack) {
    Connect();
    const QString rollGain = Edit(MainFormIds::RollGainEdit)->text();
    Enter(MainFormIds::RollGainEdit, QStringLiteral("63"));
    ASSERT_TRUE(Until([&] { return Unit().size() == 78 && Unit()[32 + 6] == 63; }));
    const std::string afterMove = Unit();
    Click(MainFormIds::F3C);
    ASSERT_TRUE(Until([&] { return Unit() != afterMove; }));
    Dialogs::TakeRequests();
    const ChangeEntry& preset = TheOrvex().changes.entries().back();
    EXPECT_EQ(preset.origin.English(), "Preset F-3C");
    EXPECT_EQ(frame().undoAction()->text(), QStringLiteral("&Undo ") + QString::fromStdString(DescribeEntry(preset)));

    PressCtrl(frame(), Qt::Key_Z);
    EXPECT_TRUE(UnitHolds(afterMove));
    EXPECT_EQ(frame().undoAction()->text(), QStringLiteral("&Undo Roll gain %1 → 63").arg(rollGain));
    PressCtrl(frame(), Qt::Key_Z);
    EXPECT_TRUE(UnitHolds(atConnect_));
    EXPECT_EQ(Edit(MainFormIds::RollGainEdit)->text(), rollGain) << "the panel shows the undone value";
    EXPECT_FALSE(frame().undoAction()->isEnabled());

    PressCtrl(frame(), Qt::Key_Y);
    EXPECT_TRUE(UnitHolds(afterMove));
    EXPECT_EQ(Edit(MainFormIds::RollGainEdit)->text(), QStringLiteral("63"));
    EXPECT_TRUE(AllConfirmed());
    EXPECT_TRUE(Until([&] {
        return Announcer::Of(&frame())->lastText().endsWith(QStringLiteral("confirmed by the Orvex."));
    })) << "a screen reader hears the answer";
    EXPECT_EQ(TheOrvex().changes.entries().size(), 5u) << "two changes, two undos and a redo";
}

// A change made in the wizard is undone from the main window once the wizard
// has closed; a revert then gives the unit the image it had at the connect.
TEST_F(ChangeLogMenu, AWizardChangeIsUndoneAfterwardsAndARevertGivesTheConnectImage) {
    Connect();
    QTimer::singleShot(0, [&] {
        auto* w = view().findChild<CSetupWizard*>();
        ASSERT_NE(w, nullptr);
        for (int i = 0; i < 4; ++i)
            QTest::mouseClick(w->findChild<QPushButton*>(ControlName(WizardIds::Next)), Qt::LeftButton);
        QWidget* type = w->page(5)->findChild<QWidget*>(ControlName(ServoTypeIds::Type3));
        ASSERT_NE(type, nullptr);
        QTest::mouseClick(type, Qt::LeftButton);
        EXPECT_TRUE(Until([&] { return Unit().size() == 78 && Unit()[19] == 2; }));
        QTest::mouseClick(w->findChild<QPushButton*>(ControlName(WizardIds::Cancel)), Qt::LeftButton);
    });
    Click(MainFormIds::Setup);
    ASSERT_EQ(TheOrvex().changes.entries().size(), 1u);
    EXPECT_EQ(TheOrvex().changes.entries()[0].origin.English(), "Setup: Servo type");
    PressCtrl(frame(), Qt::Key_Z);
    EXPECT_TRUE(UnitHolds(atConnect_));

    Click(MainFormIds::Soft3D);
    Enter(MainFormIds::RollGainEdit, QStringLiteral("41"));
    Enter(MainFormIds::PitchGainEdit, QStringLiteral("31"));
    Dialogs::TakeRequests();
    EXPECT_TRUE(AllConfirmed());
    QSignalSpy finished(frame().backupCommands(), &UnitBackupCommands::finished);
    Dialogs::QueueAnswer(QStringLiteral("yes"));
    frame().revertAction()->trigger();
    ASSERT_TRUE(Until([&] { return finished.count() == 1; }));
    const QList<Dialogs::Request> asked = Dialogs::TakeRequests();
    ASSERT_EQ(asked.size(), 2);
    EXPECT_TRUE(asked[0].text.contains(QStringLiteral("Roll gain: 41 → "))) << asked[0].text.toStdString();
    EXPECT_TRUE(asked[1].text.startsWith(QStringLiteral("The Orvex has been reverted"))) << asked[1].text.toStdString();
    EXPECT_EQ(Unit(), atConnect_);
}

// An unanswered change is marked so; while the unit is silent an undo sends nothing.
TEST_F(ChangeLogMenu, AnUnansweredChangeIsMarkedAndASilentUnitRefusesUndo) {
    Connect({"--stop-answering", "5"});
    Enter(MainFormIds::RollGainEdit, QStringLiteral("50"));
    ASSERT_TRUE(Until([&] {
        return TheOrvex().changes.entries().size() == 1 &&
               TheOrvex().changes.entries()[0].confirmation == Confirmation::NotConfirmed;
    }));
    frame().changesAction()->trigger();
    QTableWidget* table = frame().changesWindow()->table();
    ASSERT_EQ(table->rowCount(), 1);
    EXPECT_EQ(table->item(0, 4)->text(), QStringLiteral("not confirmed"));
    const uint8_t sequence = TheOrvex().link.SequenceCounter;
    PressCtrl(frame(), Qt::Key_Z);
    const QList<Dialogs::Request> asked = Dialogs::TakeRequests();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0].text, QStringLiteral("The Orvex is not answering. Nothing was undone."));
    EXPECT_EQ(TheOrvex().link.SequenceCounter, sequence) << "no frame was built";
}
