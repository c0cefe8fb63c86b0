#pragma once
// Page 12 of the setup wizard, "Gyro dir": the direction in which the
// controller corrects a rotation about each axis (RollDir, PitchDir,
// YawDir). The user tilts the helicopter by hand, compares the correction
// with the pictures and flips an axis with its button; every click goes to
// the device at once. The captions follow ConfigValues every 100 ms.

#include "wizard/CWizardPage.h"

#include <array>

class QGroupBox;
class QPushButton;

// Control ids of the gyro direction page, one button per axis.
namespace GyroDirIds {
constexpr int Roll = 1113, Pitch = 1115, Yaw = 1114;
}  // namespace GyroDirIds

class CStep12 : public CWizardPage {
    Q_OBJECT
public:
    CStep12(Orvex& orvex, int pageNumber, const QString& title, QWidget* parent = nullptr);

    enum Axis { Roll, Pitch, Yaw };
    // 1 normal, -1 reverse (other values show as reverse).
    int direction(Axis axis) const { return directions_[axis]; }

protected:
    void InitPage() override;
    void RetranslatePage() override;
    bool HasRefreshTimer() const override { return true; }
    void Refresh() override;

private:
    void Toggle(Axis axis);
    void ShowCaptions();

    std::array<int, 3> directions_{};
    std::array<QPushButton*, 3> buttons_{};
    std::array<QGroupBox*, 3> groups_{};
};
