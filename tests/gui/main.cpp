// Entry point of the GUI tests: one QApplication on the offscreen platform,
// dialogs in test mode, and a check after every test that it took (and so
// looked at) every dialog the program asked for.

#include "OffscreenScreen.h"
#include "TestDataHome.h"
#include "params/Orvex.h"
#include "widgets/ApplicationFilters.h"
#include "widgets/Dialogs.h"
#include "widgets/QtLinkAdapter.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QTemporaryDir>

namespace {

class UnexpectedDialogCheck : public ::testing::EmptyTestEventListener {
    // gtest reports end-of-test events in reverse order, so this runs before
    // the result is printed and the failure counts for the test that ends.
    void OnTestEnd(const ::testing::TestInfo&) override {
        if (Dialogs::PendingUnexpected() > 0 || Dialogs::UnusedAnswers() > 0)
            ADD_FAILURE() << "unexpected dialogs:\n" << Dialogs::DescribeUnexpected().toStdString();
        Dialogs::ResetForTests();
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    UseOffscreenScreen(QSize(1920, 1200));  // a desktop with room for every window as it is made
    // Every connect keeps the unit's image in the history: never in the user's own folder.
    UseTestDataHome();
    ::testing::InitGoogleTest(&argc, argv);
    // What the program remembers between runs goes to a folder of the tests' own.
    const QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    Dialogs::SetTestMode(true);
    InstallApplicationFilters();
    // Windows tested on their own find the link session driven, as in the program.
    const QtLinkAdapter link(TheOrvex().session);
    ::testing::UnitTest::GetInstance()->listeners().Append(new UnexpectedDialogCheck);
    return RUN_ALL_TESTS();
}
