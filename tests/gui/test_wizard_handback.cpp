// The wizard as the main window opens it: Setup runs it modally, the page on
// screen holds the link while it is open, and the main view takes the link
// back when it ends.

#include "params/Orvex.h"
#include "test_main_support.h"
#include "wizard/CSetupWizard.h"
#include "wizard/CStep3.h"
#include "wizard/CWizardPage.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

void ClickIn(CSetupWizard& w, int id) {
    auto* b = w.findChild<QPushButton*>(ControlName(id), Qt::FindDirectChildrenOnly);
    ASSERT_NE(b, nullptr) << id;
    QTest::mouseClick(b, Qt::LeftButton);
}
}  // namespace

class WizardHandBack : public MainWindowTest {};

TEST_F(WizardHandBack, TheMainViewReceivesAgainAfterTheWizard) {
    ConnectToSim();
    bool ranInside = false;
    QTimer::singleShot(0, [&] {
        auto* w = view().findChild<CSetupWizard*>();
        ASSERT_NE(w, nullptr);
        ranInside = true;
        EXPECT_TRUE(w->isModal());
        EXPECT_EQ(TheOrvex().session.listener(), w->page(1));
        ClickIn(*w, WizardIds::Next);
        ClickIn(*w, WizardIds::Next);
        // The Monitor page, not the main view, shows the status reports now.
        auto* aileron = w->page(3)->findChild<QLabel*>(ControlName(MonitorPageIds::AileronValue));
        ASSERT_NE(aileron, nullptr);
        EXPECT_TRUE(mainwin::Until([&] { return aileron->text() != "0"; }));
        ClickIn(*w, WizardIds::Cancel);
    });
    Click(MainFormIds::Setup);  // returns when the wizard has ended
    ASSERT_TRUE(ranInside);
    EXPECT_EQ(TheOrvex().session.listener(), static_cast<LinkListener*>(&view()));
    EXPECT_EQ(TheOrvex().link.ReplyRequest, 0);

    // A status report asked for now reaches the main view's receiver.
    const uint32_t before = view().receiver().lastStatus().statusValue;
    Command::RequestStatus(TheOrvex());
    EXPECT_TRUE(mainwin::Until([&] { return view().receiver().lastStatus().statusValue > before; }));
    Command::Acknowledge(TheOrvex());
}
