#pragma once
// Page 5 of the setup wizard, "Servo type": which pulse centre and which kind
// (analog, digital) the tail and swashplate servos are, one of six picture
// buttons. The choice is written to the device at once; the selection
// follows ServoType every 100 ms and after every device reply.

#include "wizard/CWizardPage.h"

#include <array>

class CPngButton;

// Control ids of the servo type page, its buttons top to bottom (the fourth lies outside the run).
namespace ServoTypeIds {
constexpr int Type1 = 1130, Type2 = 1131, Type3 = 1132, Type4 = 1009, Type5 = 1133, Type6 = 1134;
}  // namespace ServoTypeIds

class CStep6 : public CWizardPage {
    Q_OBJECT
public:
    CStep6(Orvex& orvex, int pageNumber, const QString& title, QWidget* parent = nullptr);

    int servoType() const { return servoType_; }

protected:
    void InitPage() override;
    void RetranslatePage() override;
    bool HasRefreshTimer() const override { return true; }
    void Refresh() override;

private:
    void ChooseServoType(int t);
    void SelectButton(int t);

    int8_t servoType_;
    std::array<CPngButton*, 6> buttons_{};
};
