#pragma once
// Page 9 of the setup wizard, "Swashplate travel": the cyclic travel limits
// AileronLimit and ElevatorLimit, each on a slider with an edit
// box. A value goes to the device when the slider is let go or Enter is
// pressed in its box, so the user can hold the stick at its end and watch for
// binding. The page follows ConfigValues every 100 ms.

#include "wizard/CWizardPage.h"

#include <array>

class QGroupBox;
class ValueSlider;

// Control ids of the swashplate travel page.
namespace SwashplateTravelIds {
constexpr int AileronSlider = 1025, AileronEdit = 1106, ElevatorSlider = 1105, ElevatorEdit = 1107;
}  // namespace SwashplateTravelIds

class CStep10 : public CWizardPage {
    Q_OBJECT
public:
    CStep10(Orvex& orvex, int pageNumber, const QString& title, QWidget* parent = nullptr);

    int aileronTravel() const;
    int elevatorTravel() const;

protected:
    void InitPage() override;
    void RetranslatePage() override;
    bool HasRefreshTimer() const override { return true; }
    void Refresh() override;
    void UpdateControls() override;

private:
    std::array<ValueSlider*, 2> fields_{};  // aileron, elevator
    std::array<QGroupBox*, 2> groups_{};    // front and side view
};
