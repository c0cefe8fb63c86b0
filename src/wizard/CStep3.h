#pragma once
// Page 3 of the setup wizard, "Monitor": the receiver signals the Orvex sees,
// live, as six signal bars with their values, from the status reports the
// device sends while this page is on screen; and the "Set failsafe" button.

#include "wizard/CWizardPage.h"

#include <array>

class CSignalBar;
struct StatusReport;
class QLabel;
class QPushButton;

class CStep3 : public CWizardPage {
    Q_OBJECT
public:
    CStep3(Orvex& orvex, int pageNumber, const QString& title, QWidget* parent = nullptr);

    // A channel word as the page shows it: (w - 3800) x 2 / 21 truncated
    // toward zero, taken as a signed 8-bit number (5144 gives -128).
    static int DisplayValue(int word);

    bool conditionMode() const { return conditionMode_ != 0; }

protected:
    void InitPage() override;
    CopyForm copyForm() const override { return CopyForm::Monitor; }
    // The display update replaces the image copy and refresh of other pages.
    void OnAnswered() override;
    void OnLinkGone() override;

private:
    void ShowChannels(const StatusReport& report);
    void ShowGainLabels();
    void OnSetFailsafe();

    int conditionMode_;
    std::array<CSignalBar*, 6> bars_{};
    std::array<QLabel*, 6> values_{};
    std::array<QLabel*, 3> gainLabels_{};
    QPushButton* failsafe_ = nullptr;
};
