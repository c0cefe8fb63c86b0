// The Installation page: three picture buttons for the mounting direction,
// the message before anything is stored, FixMode (SetupBlock byte 29) sent at
// once, and the selection following FixMode.

#include "params/Orvex.h"
#include "test_wizard_support.h"
#include "widgets/CPngButton.h"
#include "widgets/Dialogs.h"
#include "wizard/CStep4.h"

#include <QTest>
#include <cstdio>

namespace {
constexpr int kButtons[3] = {InstallationPageIds::Direction1, InstallationPageIds::Direction2,
                             InstallationPageIds::Direction3};
}  // namespace

class InstallationPage : public WizardTest {
protected:
    CStep4& Page() { return *static_cast<CStep4*>(wizard_->page(4)); }
    CPngButton* Button(int d) { return Page().findChild<CPngButton*>(ControlName(kButtons[d - 1])); }
    // The chosen directions, 1..3.
    std::vector<int> Chosen() {
        std::vector<int> c;
        for (int d = 1; d <= 3; ++d)
            if (Button(d)->chosen()) c.push_back(d);
        return c;
    }
    void OpenOnInstallationPage(bool answered = false) {
        OpenWizard();
        for (int i = 0; i < 3; ++i) answered ? ClickAndWaitForAnswer(WizardIds::Next) : Click(WizardIds::Next);
        ASSERT_EQ(wizard_->currentPage(), 4);
    }
};

TEST_F(InstallationPage, AClickShowsItsMessageThenStoresAndSends) {
    SimProcess sim({.args = {"--baud", "0"}});
    ASSERT_TRUE(ConnectLink(sim.portPath()));
    TheOrvex().config[CV::FixMode] = 1;
    OpenOnInstallationPage();
    ASSERT_TRUE(sim.waitForFrames(3, kWaitMs));
    EXPECT_EQ(Chosen(), std::vector<int>{1});

    const int clicks[] = {2, 2, 3};  // the chosen button again sends again
    for (size_t i = 0; i < std::size(clicks); ++i) {
        const int d = clicks[i];
        QTest::mouseClick(Button(d), Qt::LeftButton);
        const auto asked = Dialogs::TakeRequests();
        ASSERT_EQ(asked.size(), 1);
        EXPECT_EQ(asked[0].text, QStringLiteral("Direction %1").arg(d));
        EXPECT_EQ(Chosen(), std::vector<int>{d});
        EXPECT_EQ(TheOrvex().config[CV::FixMode], d);
        EXPECT_EQ(TheOrvex().image.SetupBlock[29], d);
        ASSERT_TRUE(sim.waitForFrames(4 + i, kWaitMs));
        const SimFrame last = sim.frames().back();
        EXPECT_EQ(last.code, 30);
        EXPECT_EQ(last.payload.at(29), d);
        EXPECT_EQ(last.req, 0);
    }
}

TEST_F(InstallationPage, ADirectionOutsideOneToThreeLeavesTheButtonsAsTheyAre) {
    TheOrvex().config[CV::FixMode] = 0;
    OpenOnInstallationPage();
    EXPECT_TRUE(Chosen().empty());
    TheOrvex().config[CV::FixMode] = 7;
    ASSERT_TRUE(WaitFor([&] { return Page().direction() == 7; }));
    EXPECT_TRUE(Chosen().empty());
    TheOrvex().config[CV::FixMode] = 2;
    ASSERT_TRUE(WaitFor([&] { return Chosen() == std::vector<int>{2}; }));
    TheOrvex().config[CV::FixMode] = 0;
    ASSERT_TRUE(WaitFor([&] { return Page().direction() == 0; }));
    EXPECT_EQ(Chosen(), std::vector<int>{2});
}

TEST_F(InstallationPage, TheSelectionFollowsTheDevice) {
    TempDir dir;
    std::vector<uint8_t> image(78, 0);
    image[29] = 3;  // mounted in direction 3, as the device knows
    const std::string imagePath = dir.file("image.bin");
    FILE* f = std::fopen(imagePath.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(image.data(), 1, image.size(), f);
    std::fclose(f);
    SimProcess sim({.args = {"--baud", "0", "--image", imagePath}});
    ASSERT_TRUE(ConnectLink(sim.portPath()));
    TheOrvex().config[CV::FixMode] = 1;
    OpenOnInstallationPage(true);
    EXPECT_EQ(Chosen(), std::vector<int>{1});
    Command::RequestParameters(TheOrvex());
    EXPECT_TRUE(WaitFor([&] { return Chosen() == std::vector<int>{3}; }));
    EXPECT_EQ(TheOrvex().config[CV::FixMode], 3);
}
