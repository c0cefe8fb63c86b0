#include "wizard/CStep10.h"

#include "widgets/ValueSlider.h"
#include "wizard/PageParts.h"
#include "wizard/PageSliders.h"

#include <QGroupBox>

namespace {
// clang-format off
constexpr PageSliderDef kFields[2] = {
    {.name = CV::AileronLimit,  .sliderId = SwashplateTravelIds::AileronSlider,  .editId = SwashplateTravelIds::AileronEdit,
     .x = 196, .y = 90, .w = 25, .h = 95, .editX = 193, .editY = 185, .tickFrequency = 15, .caption = QT_TRANSLATE_NOOP("CStep10", "Aileron travel")},
    {.name = CV::ElevatorLimit, .sliderId = SwashplateTravelIds::ElevatorSlider, .editId = SwashplateTravelIds::ElevatorEdit,
     .x = 450, .y = 90, .w = 25, .h = 95, .editX = 449, .editY = 185, .tickFrequency = 15, .caption = QT_TRANSLATE_NOOP("CStep10", "Elevator travel")},
};
// clang-format on

// clang-format off
constexpr CWizardPage::StaticText kStatics[] = {
    {.id = 0, .x =   5, .y = 10, .w = 495, .h = 12,
     .text = QT_TRANSLATE_NOOP("CStep10", "Move the aileron stick to end position, adjust the \"Aileron travel\" to make sure no binding occurs.")},
    {.id = 0, .x =   5, .y = 25, .w = 495, .h = 12,
     .text = QT_TRANSLATE_NOOP("CStep10", "Move the elevator stick to end position, adjust the \"Elevator travel\" to make sure no binding occurs.")},
    {.id = 0, .x = 180, .y = 75, .w =  60, .h = 10, .text = QT_TRANSLATE_NOOP("CStep10", "Aileron travel")},
    {.id = 0, .x = 435, .y = 75, .w =  60, .h = 10, .text = QT_TRANSLATE_NOOP("CStep10", "Elevator travel")},
};
// clang-format on

struct GroupPlace {
    const char* name;
    int x, y, w, h;
};
// clang-format off
constexpr GroupPlace kGroups[] = {
    {.name = QT_TRANSLATE_NOOP("CStep10", "Aileron travel, front view"), .x =   5, .y = 40, .w = 240, .h = 175},
    {.name = QT_TRANSLATE_NOOP("CStep10", "Elevator travel, side view"), .x = 250, .y = 40, .w = 250, .h = 175},
};
// clang-format on

constexpr int kFrontView = 250, kSideView = 214;
constexpr QPoint kFrontViewAt(10, 180), kSideViewAt(450, 180);
}  // namespace

CStep10::CStep10(Orvex& unit, int pageNumber, const QString& title, QWidget* parent)
    : CWizardPage(unit, pageNumber, title, parent) {
    for (size_t i = 0; i < fields_.size(); ++i) fields_[i] = PageSliders::Add(this, kFields[i]);
}

int CStep10::aileronTravel() const { return fields_[0]->number(); }
int CStep10::elevatorTravel() const { return fields_[1]->number(); }

void CStep10::InitPage() {
    for (size_t i = 0; i < groups_.size(); ++i) {
        const GroupPlace& g = kGroups[i];
        groups_[i] = PageParts::AddGroup(this, QString(), Tr(g.name), g.x, g.y, g.w, g.h);
    }
    AddPicture(kSideView, kSideViewAt, QT_TR_NOOP("Helicopter seen from the side"),
               QT_TR_NOOP("The swashplate tilts forward and back: elevator stick to both ends, no binding."));
    AddPicture(kFrontView, kFrontViewAt, QT_TR_NOOP("Helicopter seen from the front"),
               QT_TR_NOOP("The swashplate tilts left and right: aileron stick to both ends, no binding."));
    AddStatics(kStatics);
    for (size_t i = 0; i < fields_.size(); ++i) PageSliders::Initialise(fields_[i], kFields[i]);
}

void CStep10::RetranslatePage() {
    for (size_t i = 0; i < groups_.size(); ++i) groups_[i]->setAccessibleName(Tr(kGroups[i].name));
    for (size_t i = 0; i < fields_.size(); ++i) PageSliders::Retranslate(fields_[i], kFields[i]);
}

void CStep10::Refresh() {
    for (size_t i = 0; i < fields_.size(); ++i) fields_[i]->Refresh(orvex().config[kFields[i].name]);
}

void CStep10::UpdateControls() {
    for (ValueSlider* f : fields_) f->RefreshEdit();
}
