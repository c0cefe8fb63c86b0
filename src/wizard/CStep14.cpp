#include "wizard/CStep14.h"

#include "wizard/PageParts.h"
#include "wizard/WizardPages.h"

#include <QPushButton>

namespace {
// clang-format off
constexpr CWizardPage::StaticText kStatics[] = {
    {.id = 0, .x = 5, .y =  10, .w = 220, .h = 25,
     .text = QT_TRANSLATE_NOOP("CStep14", "1.Click \"Check optimization direction\",the swashplate tilts to a direction. Now you can consider the swashplate to be a compass, the direction "
             "of tilt is the compass orientation.")},
    {.id = 0, .x = 5, .y =  41, .w = 225, .h = 20,
     .text = QT_TRANSLATE_NOOP("CStep14", "2.Pick up helicopter and rotate it around its main shaft for 90 degrees, check the swashplate compass orientation.")},
    {.id = 0, .x = 5, .y =  67, .w = 215, .h = 20, .text = QT_TRANSLATE_NOOP("CStep14", "3.If it maintains it's orientation, the sign of \"Optimization direction\" is right.")},
    {.id = 0, .x = 5, .y =  93, .w = 195, .h = 20, .text = QT_TRANSLATE_NOOP("CStep14", "4.If it goes to the opposite orientation, reverse the sign of \"Optimization direction\".")},
    {.id = 0, .x = 5, .y = 119, .w = 190, .h =  8, .text = QT_TRANSLATE_NOOP("CStep14", "5.Click\"Quit check\" when complete.")},
};
// clang-format on

constexpr QRect kCheckPlace(52, 143, 75, 40), kDirectionPlace(137, 143, 75, 40);  // dialog units

constexpr const char* kStartCheck = QT_TRANSLATE_NOOP("CStep14", "Check optimization direction");
constexpr const char* kQuitCheck = QT_TRANSLATE_NOOP("CStep14", "Quit check");
constexpr const char* kNormalCaption = QT_TRANSLATE_NOOP("CStep14", "Optimization direction(Normal)");
constexpr const char* kReverseCaption = QT_TRANSLATE_NOOP("CStep14", "Optimization direction(Reverse)");

constexpr int kRotation = 229, kWarning = 240;
constexpr QPoint kRotationAt(500, 10), kWarningAt(10, 420);

QPushButton* MakeButton(QWidget* page, int id, const QRect& place, const QString& caption) {
    QPushButton* b = PageParts::AddButton(page, id, place.x(), place.y(), place.width(), place.height());
    PageParts::SetCaption(b, caption);
    return b;
}
}  // namespace

CStep14::CStep14(Orvex& unit, int pageNumber, const QString& title, QWidget* parent)
    : CWizardPage(unit, pageNumber, title, parent),
      direction_(orvex().config[CV::OptimizationDir]),
      checkCaption_(kStartCheck),
      directionCaption_(kNormalCaption) {}

void CStep14::InitPage() {
    AddPicture(kRotation, kRotationAt, QT_TR_NOOP("How the check works"),
               QT_TR_NOOP("1. The swashplate tilts: it is a compass. 2. Turn the helicopter 90° around its main "
                          "shaft. 3. Tilt keeps its compass direction: sign is right. Tilt turns to the opposite "
                          "side: reverse “Optimization direction”."));
    AddPicture(kWarning, kWarningAt, QT_TR_NOOP("Direction check warning"),
               QT_TR_NOOP("Warning: if the check is not completed within 40 seconds, the swashplate returns to "
                          "level. Then click “Quit check” and “Check optimization direction” "
                          "to enter the check again."));
    AddStatics(kStatics);
    checkButton_ = MakeButton(this, PirouetteIds::Check, kCheckPlace, Tr(checkCaption_));
    connect(checkButton_, &QPushButton::clicked, this, &CStep14::ToggleCheck);
    // The template's caption stands until a direction of 1 or -1 is known.
    directionButton_ = MakeButton(this, PirouetteIds::Direction, kDirectionPlace, Tr(directionCaption_));
    MarkValueControl(directionButton_, ByteOf(CV::OptimizationDir).name);
    connect(directionButton_, &QPushButton::clicked, this, &CStep14::ToggleDirection);
    ShowDirection();
    directionButton_->setEnabled(false);
}

void CStep14::RetranslatePage() {
    PageParts::SetCaption(checkButton_, Tr(checkCaption_));
    PageParts::SetCaption(directionButton_, Tr(directionCaption_));
    ShowDirection();
}

void CStep14::ToggleCheck() {
    const bool start = checkState_ == kCheckIdle;
    if (!start && checkState_ != kCheckRunning) return;
    checkState_ = start ? kCheckRunning : kCheckIdle;
    qCDebug(lcWizard) << "direction check" << (start ? "on" : "off");
    if (start)
        Command::DirectionCheckOn(orvex());
    else
        Command::DirectionCheckOff(orvex());
    checkCaption_ = start ? kQuitCheck : kStartCheck;
    PageParts::SetCaption(checkButton_, Tr(checkCaption_));
    directionButton_->setEnabled(start);
}

void CStep14::ToggleDirection() {
    direction_ = direction_ == 1 ? -1 : 1;
    ShowDirection();
    orvex().config[CV::OptimizationDir] = static_cast<int8_t>(direction_);
    *BytePtr(orvex().image, Def(CV::OptimizationDir).device) = static_cast<int8_t>(direction_);
    SendParameters();
}

void CStep14::StopDirectionCheck() {
    checkState_ = kCheckIdle;
    Command::DirectionCheckOff(orvex());
}

void CStep14::Refresh() {
    direction_ = orvex().config[CV::OptimizationDir];
    ShowDirection();
}

void CStep14::ShowDirection() {
    // Any other value leaves the caption as it is.
    if (direction_ != 1 && direction_ != -1) return;
    directionCaption_ = direction_ == 1 ? kNormalCaption : kReverseCaption;
    const QString caption = Tr(directionCaption_);
    const QString name =
        tr("%1: %2").arg(PageParts::LabelText(CV::OptimizationDir), direction_ == 1 ? tr("Normal") : tr("Reverse"));
    if (PageParts::Caption(directionButton_) != caption) PageParts::SetCaption(directionButton_, caption, name);
    Rename(directionButton_, name);
}
