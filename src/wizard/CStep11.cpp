#include "wizard/CStep11.h"

#include "wizard/SliderField.h"

namespace {
constexpr SliderFieldDef kField = {CV::TotalCoefficient, 1025, 1110, 365, 90, 25, 95, 365, 185, -125, 125, 50,
                                   "Collective pitch"};

constexpr CWizardPage::StaticText kStatics[] = {
    {0, 5, 12, 445, 15,
     "Move the collective stick to up and down position, adjust the \"Collective pitch\" to meet your request. "
     "Change the sign of \"Collective pitch\" can change the moving direction of collective pitch."},
    {0, 355, 75, 60, 10, "Collective pitch"},
};

constexpr int kRotorHead = 218;
constexpr QPoint kRotorHeadAt(60, 80);
}  // namespace

CStep11::CStep11(Orvex& unit, int pageNumber, const QString& title, QWidget* parent)
    : CWizardPage(unit, pageNumber, title, parent), field_(new SliderField(this, kField)) {}

int CStep11::collectivePitch() const { return field_->value(); }

void CStep11::InitPage() {
    AddPicture(kRotorHead, kRotorHeadAt);
    AddStatics(kStatics);
    field_->Initialise();
}
