#include "wizard/CStep13.h"

#include "widgets/ValueSlider.h"
#include "wizard/PageParts.h"
#include "wizard/PageSliders.h"

#include <QPushButton>

#include <QCoreApplication>
#include <QGroupBox>

namespace {
enum Field { Trim, LimitA, LimitB };
// clang-format off
constexpr PageSliderDef kFields[3] = {
    {.name = CV::TailPoint,  .sliderId = TailSetupIds::TrimSlider,   .editId = TailSetupIds::TrimEdit,
     .x = 296, .y = 136, .w = 25, .h = 85, .editX = 296, .editY = 222, .tickFrequency = 50, .caption = QT_TRANSLATE_NOOP("CStep13", "Servo trim")},
    {.name = CV::TailLimitA, .sliderId = TailSetupIds::LimitASlider, .editId = TailSetupIds::LimitAEdit,
     .x = 349, .y = 136, .w = 25, .h = 85, .editX = 348, .editY = 222, .tickFrequency = 15, .caption = QT_TRANSLATE_NOOP("CStep13", "Tail limit A")},
    {.name = CV::TailLimitB, .sliderId = TailSetupIds::LimitBSlider, .editId = TailSetupIds::LimitBEdit,
     .x = 400, .y = 135, .w = 25, .h = 85, .editX = 399, .editY = 221, .tickFrequency = 15, .caption = QT_TRANSLATE_NOOP("CStep13", "Tail limit B")},
};
// clang-format on

// clang-format off
constexpr CWizardPage::StaticText kStatics[] = {
    {.id = 0, .x =   2, .y =   5, .w = 498, .h = 14,
     .text = QT_TRANSLATE_NOOP("CStep13", "1.Move the rudder stick, adjust the \"Servo reverse\" to make sure the tail servo adds same direction rotation pitch to the tail rotor blades.")},
    {.id = 0, .x =   2, .y =  20, .w = 498, .h = 25,
     .text = QT_TRANSLATE_NOOP("CStep13", "2. Adjust the value of \"servo trim\" and the horn position to make it perpendicular to the linkage, then set the tail pitch to be approximately "
             "8 degree in the direction that compensates the main rotor torque by adjusting the linkage length.")},
    {.id = 0, .x =   2, .y =  46, .w = 498, .h = 25,
     .text = QT_TRANSLATE_NOOP("CStep13", "3. Dial the switch to AVCS mode, move rudder stick to left and right end positions, adjust the values of \"Tail limit A\" and \"Tail limit B\" "
             "until no binding occurs in each direction.")},
    {.id = 0, .x = 286, .y = 124, .w =  45, .h = 10, .text = QT_TRANSLATE_NOOP("CStep13", "Servo trim")},
    {.id = 0, .x = 339, .y = 124, .w =  45, .h = 10, .text = QT_TRANSLATE_NOOP("CStep13", "Tail limit A")},
    {.id = 0, .x = 390, .y = 124, .w =  45, .h = 10, .text = QT_TRANSLATE_NOOP("CStep13", "Tail limit B")},
};
// clang-format on

constexpr QRect kDirectionPlace(75, 191, 70, 50);  // dialog units
constexpr uint8_t kNormal = 1, kReverse = 255;

constexpr int kTailRotor = 224, kServoHorn = 225;
constexpr QPoint kTailRotorAt(30, 100), kServoHornAt(265, 365);

QString DirectionCaption(uint8_t direction) {
    return direction == kNormal ? QCoreApplication::translate("CStep13", "Tail servo(Normal)")
                                : QCoreApplication::translate("CStep13", "Tail servo(Reverse)");
}
}  // namespace

CStep13::CStep13(Orvex& unit, int pageNumber, const QString& title, QWidget* parent)
    : CWizardPage(unit, pageNumber, title, parent), direction_(static_cast<uint8_t>(orvex().config[CV::ServoDirCH4])) {
    for (size_t i = 0; i < fields_.size(); ++i) fields_[i] = PageSliders::Add(this, kFields[i]);
}

int CStep13::trim() const { return fields_[Trim]->number(); }
int CStep13::limitA() const { return fields_[LimitA]->number(); }
int CStep13::limitB() const { return fields_[LimitB]->number(); }

void CStep13::InitPage() {
    // The template's frame is 140 high and would reach past the page's bottom edge.
    group_ = PageParts::AddGroup(this, QString(), QString(), 270, 109, 185, 138);
    AddPicture(kTailRotor, kTailRotorAt, QT_TR_NOOP("Tail rotor from above"),
               QT_TR_NOOP("The pushrod from the tail servo moves the pitch slider in and out on the tail boom and "
                          "the blade pitch changes; tail blade at about 8 degrees."));
    AddPicture(kServoHorn, kServoHornAt, QT_TR_NOOP("Tail servo horn"),
               QT_TR_NOOP("The servo horn stands at 90 degrees to the linkage to the tail pitch slider."));
    AddStatics(kStatics);
    for (size_t i = 0; i < fields_.size(); ++i) PageSliders::Initialise(fields_[i], kFields[i]);

    directionButton_ = PageParts::AddButton(this, TailSetupIds::Direction, kDirectionPlace.x(), kDirectionPlace.y(),
                                            kDirectionPlace.width(), kDirectionPlace.height());
    MarkValueControl(directionButton_, ByteOf(CV::ServoDirCH4).name);
    connect(directionButton_, &QPushButton::clicked, this, &CStep13::ToggleDirection);
    ShowDirection();
}

void CStep13::ShowDirection() {
    const QString caption = DirectionCaption(direction_);
    if (PageParts::Caption(directionButton_) == caption) return;
    PageParts::SetCaption(
        directionButton_, caption,
        tr("%1: %2").arg(PageParts::LabelText(CV::ServoDirCH4), direction_ == kNormal ? tr("Normal") : tr("Reverse")));
}

void CStep13::RetranslatePage() {
    group_->setAccessibleName(tr("Tail servo travel"));
    for (size_t i = 0; i < fields_.size(); ++i) PageSliders::Retranslate(fields_[i], kFields[i]);
    ShowDirection();
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
    for (size_t i = 0; i < fields_.size(); ++i) fields_[i]->Refresh(orvex().config[kFields[i].name]);
    ShowDirection();
}

void CStep13::UpdateControls() {
    for (ValueSlider* f : fields_) f->RefreshEdit();
}
