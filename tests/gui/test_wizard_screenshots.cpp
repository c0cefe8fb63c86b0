// Pictures of every wizard page as the user sees it, for looking at. Written
// to $QUILLON_SCREENSHOT_DIR; skipped when that is not set.

#include "params/Orvex.h"
#include "test_wizard_support.h"
#include "wizard/CStep3.h"

#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QTest>

namespace {

QString ShotDir() { return qEnvironmentVariable("QUILLON_SCREENSHOT_DIR"); }

void Save(QWidget& w, const QString& name) {
    const QString path = QDir(ShotDir()).filePath(name + ".png");
    EXPECT_TRUE(w.grab().save(path)) << path.toStdString();
}
}  // namespace

class WizardScreenshots : public WizardTest {
protected:
    void SetUp() override {
        if (ShotDir().isEmpty()) GTEST_SKIP() << "QUILLON_SCREENSHOT_DIR is not set";
        QDir().mkpath(ShotDir());
        WizardTest::SetUp();
    }
};

TEST_F(WizardScreenshots, EveryPage) {
    SimProcess sim({.args = {"--baud", "0"}});
    ASSERT_TRUE(ConnectLink(sim.portPath()));
    TheOrvex().config[CV::ReceiverType] = 2;
    TheOrvex().config[CV::FixMode] = 2;
    CSetupWizard& w = OpenWizard();
    for (int k = 1; k <= w.pageCount(); ++k) {
        if (k == 3) {
            // Wait for live values on the monitor.
            auto* aileron = w.page(3)->findChild<QLabel*>(ControlName(MonitorPageIds::AileronValue));
            ASSERT_TRUE(WaitFor([&] { return aileron->text().toInt() > 30; }));
        }
        Save(w, QStringLiteral("wizard-page-%1").arg(k, 2, 10, QLatin1Char('0')));
        Click(WizardIds::Next);
    }
}

TEST_F(WizardScreenshots, ReceiverSystems) {
    for (int code : {0, 1, 5}) {
        TheOrvex().config[CV::ReceiverType] = static_cast<int8_t>(code);
        CSetupWizard& w = OpenWizard();
        Click(WizardIds::Next);
        Save(w, QStringLiteral("wizard-receiver-%1").arg(code));
        wizard_.reset();
    }
}

TEST_F(WizardScreenshots, MonitorInConditionMode) {
    TheOrvex().config[CV::AuxFunction] = 1;
    CSetupWizard& w = OpenWizard();
    Click(WizardIds::Next);
    Click(WizardIds::Next);
    Save(w, QStringLiteral("wizard-monitor-condition"));
}
