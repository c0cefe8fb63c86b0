#pragma once
// Page 13 of the setup wizard, "Pirouette optimization": the sign of the
// controller's pirouette optimization (OptimizationDir). "Check optimization
// direction" starts a check in the device, in which the tilted swashplate
// acts as a compass while the user turns the helicopter by hand; the
// direction button works only while the check runs. The wizard's Finish and
// Cancel end the check through StopDirectionCheck().

#include "wizard/CWizardPage.h"

#include <cstdint>

class QPushButton;

// Control ids of the pirouette optimization page.
namespace PirouetteIds {
constexpr int Check = 1135, Direction = 1123;
}  // namespace PirouetteIds

class CStep14 : public CWizardPage {
    Q_OBJECT
public:
    CStep14(Orvex& orvex, int pageNumber, const QString& title, QWidget* parent = nullptr);

    static constexpr uint8_t kCheckIdle = 0, kCheckRunning = 102;

    // Finish and Cancel: the device is told to stop the direction check even
    // when none was started here. Captions stay as they are: the wizard is
    // closing.
    void StopDirectionCheck() override;

    uint8_t checkState() const { return checkState_; }
    // 1 normal, -1 reverse; another stored value is kept as it is.
    int direction() const { return direction_; }

protected:
    void InitPage() override;
    void RetranslatePage() override;
    bool HasRefreshTimer() const override { return true; }
    void Refresh() override;

private:
    void ToggleCheck();
    void ToggleDirection();
    void ShowDirection();

    int direction_;
    uint8_t checkState_ = kCheckIdle;
    QPushButton* checkButton_ = nullptr;
    QPushButton* directionButton_ = nullptr;
    // The captions shown, in English: each is shown again in a new language.
    const char* checkCaption_;
    const char* directionCaption_;
};
