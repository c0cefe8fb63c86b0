#include "wizard/CStep10.h"

#include "wizard/PageParts.h"
#include "wizard/SliderField.h"

namespace {
constexpr SliderFieldDef kFields[2] = {
    {CV::AileronLimit, 1025, 1106, 196, 90, 25, 95, 193, 185, 20, 125, 15, "Aileron travel"},
    {CV::ElevatorLimit, 1105, 1107, 450, 90, 25, 95, 449, 185, 20, 125, 15, "Elevator travel"},
};

constexpr CWizardPage::StaticText kStatics[] = {
    {0, 5, 10, 495, 12,
     "Move the aileron stick to end position, adjust the \"Aileron travel\" to make sure no binding occurs."},
    {0, 5, 25, 495, 12,
     "Move the elevator stick to end position, adjust the \"Elevator travel\" to make sure no binding occurs."},
    {0, 180, 75, 60, 10, "Aileron travel"},
    {0, 435, 75, 60, 10, "Elevator travel"},
};

struct GroupPlace {
    int x, y, w, h;
};
constexpr GroupPlace kGroups[] = {{5, 40, 240, 175}, {250, 40, 250, 175}};

constexpr int kFrontView = 250, kSideView = 214;
constexpr QPoint kFrontViewAt(10, 180), kSideViewAt(450, 180);
}  // namespace

CStep10::CStep10(Orvex& unit, int pageNumber, const QString& title, QWidget* parent)
    : CWizardPage(unit, pageNumber, title, parent) {
    for (size_t i = 0; i < fields_.size(); ++i) fields_[i] = new SliderField(this, kFields[i]);
}

int CStep10::aileronTravel() const { return fields_[0]->value(); }
int CStep10::elevatorTravel() const { return fields_[1]->value(); }

void CStep10::InitPage() {
    for (const GroupPlace& g : kGroups) PageParts::AddGroup(this, QString(), g.x, g.y, g.w, g.h);
    AddPicture(kSideView, kSideViewAt);
    AddPicture(kFrontView, kFrontViewAt);
    AddStatics(kStatics);
    for (SliderField* f : fields_) f->Initialise();
}

void CStep10::Refresh() {
    for (SliderField* f : fields_) f->Refresh();
}

void CStep10::UpdateControls() {
    for (SliderField* f : fields_) f->RefreshEdit();
}
