#include "wizard/CStep11.h"

#include "widgets/ValueSlider.h"
#include "wizard/PageSliders.h"

namespace {
constexpr PageSliderDef kField = {.name = CV::TotalCoefficient,
                                  .sliderId = CollectivePitchIds::PitchSlider,
                                  .editId = CollectivePitchIds::PitchEdit,
                                  .x = 365,
                                  .y = 90,
                                  .w = 25,
                                  .h = 95,
                                  .editX = 365,
                                  .editY = 185,
                                  .tickFrequency = 50,
                                  .caption = QT_TRANSLATE_NOOP("CStep11", "Collective pitch")};

// clang-format off
constexpr CWizardPage::StaticText kStatics[] = {
    {.id = 0, .x =   5, .y = 12, .w = 445, .h = 15,
     .text = QT_TRANSLATE_NOOP("CStep11", "Move the collective stick to up and down position, adjust the \"Collective pitch\" to meet your request. Change the sign of \"Collective pitch\" "
             "can change the moving direction of collective pitch.")},
    {.id = 0, .x = 355, .y = 75, .w =  60, .h = 10, .text = QT_TRANSLATE_NOOP("CStep11", "Collective pitch")},
};
// clang-format on

constexpr int kRotorHead = 218;
constexpr QPoint kRotorHeadAt(60, 80);
}  // namespace

CStep11::CStep11(Orvex& unit, int pageNumber, const QString& title, QWidget* parent)
    : CWizardPage(unit, pageNumber, title, parent), field_(PageSliders::Add(this, kField)) {}

int CStep11::collectivePitch() const { return field_->number(); }

void CStep11::InitPage() {
    AddPicture(kRotorHead, kRotorHeadAt, QT_TR_NOOP("Main rotor head"),
               QT_TR_NOOP("Collective stick full up: blade pitch +11 degrees. Collective stick full down: blade pitch "
                          "-11 degrees."));
    AddStatics(kStatics);
    PageSliders::Initialise(field_, kField);
}

void CStep11::RetranslatePage() { PageSliders::Retranslate(field_, kField); }
