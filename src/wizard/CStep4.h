#pragma once
// Page 4 of the setup wizard, "Installation": how the Orvex is mounted, one of
// three directions chosen with picture buttons. The choice is written to the
// device at once; the selection follows FixMode every 100 ms.

#include "wizard/CWizardPage.h"

#include <array>

class CPngButton;

// Control ids of the installation page's direction buttons 1..3.
namespace InstallationPageIds {
constexpr int Direction1 = 1066, Direction2 = 1067, Direction3 = 1068;
}  // namespace InstallationPageIds

class CStep4 : public CWizardPage {
    Q_OBJECT
public:
    CStep4(Orvex& orvex, int pageNumber, const QString& title, QWidget* parent = nullptr);

    int direction() const { return direction_; }

protected:
    void InitPage() override;
    void RetranslatePage() override;
    bool HasRefreshTimer() const override { return true; }
    void Refresh() override;

private:
    void ChooseDirection(int d);
    void SelectButton(int d);

    int8_t direction_;
    std::array<CPngButton*, 3> buttons_{};
};
