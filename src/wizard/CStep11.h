#pragma once
// Page 10 of the setup wizard, "Collective pitch": TotalCoefficient
// (the sign chooses which way the collective moves) on one slider
// with an edit box, sent when the slider is let go or Enter is pressed in the
// box. Unlike its neighbours the page has no refresh: after it is set up its
// controls change only through the user.

#include "wizard/CWizardPage.h"

class ValueSlider;

// Control ids of the collective pitch page.
namespace CollectivePitchIds {
constexpr int PitchSlider = 1025, PitchEdit = 1110;
}  // namespace CollectivePitchIds

class CStep11 : public CWizardPage {
    Q_OBJECT
public:
    CStep11(Orvex& orvex, int pageNumber, const QString& title, QWidget* parent = nullptr);

    int collectivePitch() const;

protected:
    void InitPage() override;
    void RetranslatePage() override;

private:
    ValueSlider* field_ = nullptr;
};
