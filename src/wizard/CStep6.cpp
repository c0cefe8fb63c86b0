#include "wizard/CStep6.h"

#include "widgets/CPngButton.h"
#include "widgets/DialogUnits.h"

namespace {
// clang-format off
constexpr CWizardPage::StaticText kStatics[] = {
    {.id = 1035, .x = 0, .y =  5, .w = 400, .h = 10, .text = QT_TRANSLATE_NOOP("CStep6", "1.Select the servo type of your helicopter , red is selected")},
    {.id =    0, .x = 0, .y = 20, .w = 400, .h = 10, .text = QT_TRANSLATE_NOOP("CStep6", "2.If your aircraft is a quadrotor, please select 1 or 3 item.")},
};
// clang-format on

// One button per servo type 0..5 (the row is the type): control id, picture
// strip with the button's line of text, and that text for screen readers.
// The fourth row's id lies outside the run of the others.
struct ServoTypeButtonDef {
    int id;
    int strip;
    const char* text;
};
// clang-format off
constexpr ServoTypeButtonDef kButtons[6] = {
    {.id = ServoTypeIds::Type1, .strip = 231, .text = QT_TRANSLATE_NOOP("CStep6", "All the tail and swashplate servos are 1520us analog")},
    {.id = ServoTypeIds::Type2, .strip = 232, .text = QT_TRANSLATE_NOOP("CStep6", "Tail servo is 1520us digital, swashplate servos are 1520us analog")},
    {.id = ServoTypeIds::Type3, .strip = 233, .text = QT_TRANSLATE_NOOP("CStep6", "Tail servo is 1520us digital, swashplate servos are 1520us digital")},
    {.id = ServoTypeIds::Type4, .strip = 234, .text = QT_TRANSLATE_NOOP("CStep6", "Tail servo is 760us digital, swashplate servos are 1520us analog")},
    {.id = ServoTypeIds::Type5, .strip = 235, .text = QT_TRANSLATE_NOOP("CStep6", "Tail servo is 760us digital, swashplate servos are 1520us digital")},
    {.id = ServoTypeIds::Type6, .strip = 236, .text = QT_TRANSLATE_NOOP("CStep6", "Tail servo is 960us digital, swashplate servos are 1520us digital")},
};
// clang-format on
constexpr int kButtonX = 130, kFirstButtonY = 33, kButtonPitchY = 31;  // dialog units
constexpr QSize kButtonFrame(454, 35);                                 // one frame of a 1816 x 35 strip
constexpr int kCautionPicture = 239;
constexpr QPoint kCautionAt(10, 420);

bool IsServoType(int t) { return t >= 0 && t < static_cast<int>(std::size(kButtons)); }
}  // namespace

CStep6::CStep6(Orvex& unit, int pageNumber, const QString& title, QWidget* parent)
    : CWizardPage(unit, pageNumber, title, parent), servoType_(orvex().config[CV::ServoType]) {}

void CStep6::InitPage() {
    AddStatics(kStatics);
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const ServoTypeButtonDef& b = kButtons[i];
        const int t = static_cast<int>(i);
        buttons_[i] = new CPngButton(this);
        NameControl(buttons_[i], b.id);
        // The frame's size even when the strip is missing, so the button stays usable.
        buttons_[i]->setGeometry(QRect(DluPoint(kButtonX, kFirstButtonY + t * kButtonPitchY), kButtonFrame));
        buttons_[i]->SetImage(b.strip);
        // The text is part of the picture: no caption and so no tooltip, but a name.
        buttons_[i]->setCheckable(true);  // one of six: the red frame is its checked state
        connect(buttons_[i], &CPngButton::clicked, this, [this, t] { ChooseServoType(t); });
    }
    AddPicture(kCautionPicture, kCautionAt, QT_TR_NOOP("Servo type caution"),
               QT_TR_NOOP("Caution: a digital or narrow-pulse (760us / 960us) setting can burn servos that are not "
                          "made for it. If unsure, choose the first item (1520us analog) and check the servo "
                          "makers' data before changing it."));
    SelectButton(servoType_);
}

void CStep6::RetranslatePage() {
    for (size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->setAccessibleName(Tr(kButtons[i].text));
}

void CStep6::ChooseServoType(int t) {
    SelectButton(t);
    servoType_ = static_cast<int8_t>(t);
    orvex().config[CV::ServoType] = servoType_;
    *BytePtr(orvex().image, Def(CV::ServoType).device) = servoType_;
    SendParameters();
}

void CStep6::Refresh() {
    servoType_ = orvex().config[CV::ServoType];
    SelectButton(servoType_);
}

void CStep6::SelectButton(int t) {
    // Another value (from a configuration file, say) leaves the buttons alone.
    if (!IsServoType(t)) return;
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const bool chosen = static_cast<int>(i) == t;
        if (buttons_[i]->chosen() != chosen) buttons_[i]->SetChosen(chosen);
    }
}
