#pragma once
// Page 7 of the setup wizard, "Servo reverse": the running direction of the
// three swashplate servos, one button per channel, each click written to the
// device at once so the user can watch the servo. A picture of the current
// swashplate type with its channels marked shows which servo is which.

#include "wizard/CWizardPage.h"

#include <array>

class QLabel;
class QPushButton;

// Control ids of the servo reverse page.
namespace ServoReverseIds {
constexpr int Ch1 = 1080, Ch2 = 1081, Ch3 = 1082, SwashLabel = 1035;
}  // namespace ServoReverseIds

class CStep8 : public CWizardPage {
    Q_OBJECT
public:
    CStep8(Orvex& orvex, int pageNumber, const QString& title, QWidget* parent = nullptr);

    // The swashplate picture and its label for a SwashPlateType; any value
    // outside 1..5 shows the mechanical mixer. The Servo trim page shows the
    // same.
    struct SwashPicture {
        int png;
        const char* label;
        const char* servos;  // where the servos sit, for assistive tools
    };
    static SwashPicture SwashPictureOf(int swashPlateType);
    // Shows the picture and label of the unit's swashplate type on a page
    // (this one and the Servo trim page); repaints only when the picture changes.
    static void ShowSwashType(CWizardPage* page, QLabel* label, int& shownPicture);
    // Adds the five swashplate pictures to a page, each described to assistive tools.
    static void AddSwashPictures(CWizardPage* page, QPoint at);

    // 1 normal, 255 reverse (other values show as reverse).
    uint8_t direction(int channel) const { return directions_.at(static_cast<size_t>(channel - 1)); }

protected:
    void InitPage() override;
    void RetranslatePage() override;
    bool HasRefreshTimer() const override { return true; }
    void Refresh() override;
    bool PictureShown(int pngId) const override;
    void showEvent(QShowEvent* e) override;

private:
    void Toggle(int channel);
    void ShowCaptions();
    void ShowSwashType();

    std::array<uint8_t, 3> directions_{};
    std::array<QPushButton*, 3> buttons_{};
    QLabel* swashLabel_ = nullptr;
    int shownSwashPicture_ = 0;
};
