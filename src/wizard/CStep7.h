#pragma once
// Page 6 of the setup wizard, "Swashplate type": the swashplate mixing of the
// helicopter (mechanical mixer, 120, 135, 140 or 90 degree CCPM), one of five
// picture buttons, written to the device at once. A sixth button opens the
// quadrotor and airplane setup, which runs on top of this page while the page
// keeps the link and its timer.

#include "wizard/CWizardPage.h"

#include <array>

class CPngButton;

// Control ids of the swashplate type page (140 and 90 degree CCPM run the other way).
namespace SwashplateTypeIds {
constexpr int Mix = 1075, Ccpm120 = 1076, Ccpm135 = 1077, Ccpm140 = 1079, Ccpm90 = 1078, QuadAirplane = 1170;
}  // namespace SwashplateTypeIds

class QLabel;

class CStep7 : public CWizardPage {
    Q_OBJECT
public:
    CStep7(Orvex& orvex, int pageNumber, const QString& title, QWidget* parent = nullptr);

    int swashPlateType() const { return swashPlateType_; }

protected:
    void InitPage() override;
    void RetranslatePage() override;
    bool HasRefreshTimer() const override { return true; }
    void Refresh() override;

private:
    void ChooseSwashPlateType(int t);
    void SelectButton(int t);
    void DeselectAll();
    void OpenQuadAirplaneSetup();

    int8_t swashPlateType_;
    std::array<CPngButton*, 5> buttons_{};
    std::array<QLabel*, 5> labels_{};  // the names under the buttons
    CPngButton* quadAirplane_ = nullptr;
};
