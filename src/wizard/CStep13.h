#pragma once
// Page 11 of the setup wizard, "Tail setup": the tail servo's direction
// (ServoDirCH4, one button, sent on every click), its centre trim (TailPoint)
// and its two end limits (TailLimitA, TailLimitB), each number in its table
// range on a slider with an edit box and sent when the slider is let go or
// Enter is pressed in the box. The page follows ConfigValues every 100 ms.

#include "wizard/CWizardPage.h"

#include <array>
#include <cstdint>

class QGroupBox;
class QPushButton;
class ValueSlider;

// Control ids of the tail setup page.
namespace TailSetupIds {
constexpr int TrimSlider = 1025, TrimEdit = 1119;
constexpr int LimitASlider = 1118, LimitAEdit = 1120, LimitBSlider = 1117, LimitBEdit = 1121;
constexpr int Direction = 1116;
}  // namespace TailSetupIds

class CStep13 : public CWizardPage {
    Q_OBJECT
public:
    CStep13(Orvex& orvex, int pageNumber, const QString& title, QWidget* parent = nullptr);

    int trim() const;
    int limitA() const;
    int limitB() const;
    // 1 normal, 255 reverse (other values show as reverse).

protected:
    void InitPage() override;
    void RetranslatePage() override;
    bool HasRefreshTimer() const override { return true; }
    void Refresh() override;
    void UpdateControls() override;

private:
    void ToggleDirection();
    void ShowDirection();

    std::array<ValueSlider*, 3> fields_{};  // trim, limit A, limit B
    uint8_t direction_;
    QPushButton* directionButton_ = nullptr;
    QGroupBox* group_ = nullptr;
};
