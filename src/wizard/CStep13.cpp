#include "wizard/CStep13.h"

#include "wizard/PageParts.h"
#include "wizard/SliderField.h"

#include <QPushButton>

namespace {
enum Field { Trim, LimitA, LimitB };
constexpr SliderFieldDef kFields[3] = {
    {CV::TailPoint, 1025, 1119, 296, 136, 25, 85, 296, 222, -125, 125, 50, "Servo trim"},
    {CV::TailLimitA, 1118, 1120, 349, 136, 25, 85, 348, 222, 20, 125, 15, "Tail limit A"},
    {CV::TailLimitB, 1117, 1121, 400, 135, 25, 85, 399, 221, 20, 125, 15, "Tail limit B"},
};

constexpr CWizardPage::StaticText kStatics[] = {
    {0, 2, 5, 498, 14,
     "1.Move the rudder stick, adjust the \"Servo reverse\" to make sure the tail servo adds same direction "
     "rotation pitch to the tail rotor blades."},
    {0, 2, 20, 498, 25,
     "2. Adjust the value of \"servo trim\" and the horn position to make it perpendicular to the linkage, then "
     "set the tail pitch to be approximately 8 degree in the direction that compensates the main rotor torque by "
     "adjusting the linkage length."},
    {0, 2, 46, 498, 25,
     "3. Dial the switch to AVCS mode, move rudder stick to left and right end positions, adjust the values of "
     "\"Tail limit A\" and \"Tail limit B\" until no binding occurs in each direction."},
    {0, 286, 124, 45, 10, "Servo trim"},
    {0, 339, 124, 45, 10, "Tail limit A"},
    {0, 390, 124, 45, 10, "Tail limit B"},
};

constexpr int kDirectionButton = 1116;
constexpr QRect kDirectionPlace(75, 191, 70, 50);  // dialog units
constexpr uint8_t kNormal = 1, kReverse = 255;

constexpr int kTailRotor = 224, kServoHorn = 225;
constexpr QPoint kTailRotorAt(30, 100), kServoHornAt(265, 365);

QString DirectionCaption(uint8_t direction) {
    return direction == kNormal ? QStringLiteral("Tail servo(Normal)") : QStringLiteral("Tail servo(Reverse)");
}
}  // namespace

CStep13::CStep13(Orvex& unit, int pageNumber, const QString& title, QWidget* parent)
    : CWizardPage(unit, pageNumber, title, parent), direction_(static_cast<uint8_t>(orvex().config[CV::ServoDirCH4])) {
    for (size_t i = 0; i < fields_.size(); ++i) fields_[i] = new SliderField(this, kFields[i]);
}

int CStep13::trim() const { return fields_[Trim]->value(); }
int CStep13::limitA() const { return fields_[LimitA]->value(); }
int CStep13::limitB() const { return fields_[LimitB]->value(); }

void CStep13::InitPage() {
    PageParts::AddGroup(this, QString(), 270, 109, 185, 140);
    AddPicture(kTailRotor, kTailRotorAt);
    AddPicture(kServoHorn, kServoHornAt);
    AddStatics(kStatics);
    for (SliderField* f : fields_) f->Initialise();

    directionButton_ = PageParts::AddButton(this, kDirectionButton, kDirectionPlace.x(), kDirectionPlace.y(),
                                            kDirectionPlace.width(), kDirectionPlace.height());
    connect(directionButton_, &QPushButton::clicked, this, &CStep13::ToggleDirection);
    ShowDirection();
}

void CStep13::ShowDirection() {
    const QString caption = DirectionCaption(direction_);
    if (PageParts::Caption(directionButton_) != caption) PageParts::SetCaption(directionButton_, caption);
}

void CStep13::ToggleDirection() {
    direction_ = direction_ == kNormal ? kReverse : kNormal;
    ShowDirection();
    orvex().config[CV::ServoDirCH4] = static_cast<int8_t>(direction_);
    *BytePtr(orvex().image, Def(CV::ServoDirCH4).device) = static_cast<int8_t>(direction_);
    SendParameters();
}

void CStep13::Refresh() {
    direction_ = static_cast<uint8_t>(orvex().config[CV::ServoDirCH4]);
    for (SliderField* f : fields_) f->Refresh();
    ShowDirection();
}

void CStep13::UpdateControls() {
    for (SliderField* f : fields_) f->RefreshEdit();
}
