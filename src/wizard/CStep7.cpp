#include "wizard/CStep7.h"

#include "airframe/CQuadAirplaneDialog.h"
#include "widgets/CPngButton.h"
#include "widgets/DialogUnits.h"

#include <QLabel>

namespace {
// clang-format off
constexpr CWizardPage::StaticText kStatics[] = {
    {.id = 1035, .x =   6, .y =   5, .w = 400, .h = 10, .text = QT_TRANSLATE_NOOP("CStep7", "Select the swashplate type of your helicopter , red is selected")},
    {.id =    0, .x = 275, .y = 120, .w =  60, .h = 10, .text = QT_TRANSLATE_NOOP("CStep7", "Longitudinal axis")},
};
// clang-format on

// One button per swashplate type 1..5 (the row is the type - 1): control id,
// place (dialog units), caption (the tooltip), strip and the label under it.
// 140 degree CCPM is 1079 and 90 degree CCPM is 1078.
struct SwashButtonDef {
    int id;
    int x, y;
    const char* caption;
    int strip;
    const char* label;
};
// clang-format off
constexpr SwashButtonDef kButtons[5] = {
    {.id = SwashplateTypeIds::Mix,     .x =  95, .y =  20, .caption = QT_TRANSLATE_NOOP("CStep7", "MIX"),     .strip = 191, .label = QT_TRANSLATE_NOOP("CStep7", "Mechanical mixer")},
    {.id = SwashplateTypeIds::Ccpm120, .x = 217, .y =  20, .caption = QT_TRANSLATE_NOOP("CStep7", "120CCPM"), .strip = 192, .label = QT_TRANSLATE_NOOP("CStep7", "120 degree CCPM")},
    {.id = SwashplateTypeIds::Ccpm135, .x = 339, .y =  20, .caption = QT_TRANSLATE_NOOP("CStep7", "135CCPM"), .strip = 193, .label = QT_TRANSLATE_NOOP("CStep7", "135 degree CCPM")},
    {.id = SwashplateTypeIds::Ccpm140, .x =  95, .y = 115, .caption = QT_TRANSLATE_NOOP("CStep7", "140CCPM"), .strip = 194, .label = QT_TRANSLATE_NOOP("CStep7", "140 degree CCPM")},
    {.id = SwashplateTypeIds::Ccpm90,  .x = 340, .y = 115, .caption = QT_TRANSLATE_NOOP("CStep7", "90CCPM"),  .strip = 195, .label = QT_TRANSLATE_NOOP("CStep7", "90 degree CCPM")},
};
// clang-format on
constexpr QSize kButtonFrame(133, 133);  // one frame of a 532 x 133 strip
constexpr int kLabelGap = 4;             // pixels between a button and its label

constexpr const char* kQuadAirplaneText = QT_TRANSLATE_NOOP("CStep7", "Quadrotor and Airplane");
constexpr int kQuadAirplaneStrip = 263;
constexpr QSize kQuadAirplaneFrame(198, 133);
constexpr int kQuadAirplaneX = 199, kQuadAirplaneY = 165;
constexpr CWizardPage::StaticText kQuadAirplaneLabel =
    {.id = 0, .x = 212, .y = 233, .w = 100, .h = 10, .text = kQuadAirplaneText};

constexpr int kArrowPicture = 196;
constexpr QPoint kArrowAt(410, 220);

constexpr int kFirstType = 1;
bool IsSwashPlateType(int t) { return t >= kFirstType && t < kFirstType + static_cast<int>(std::size(kButtons)); }
}  // namespace

CStep7::CStep7(Orvex& unit, int pageNumber, const QString& title, QWidget* parent)
    : CWizardPage(unit, pageNumber, title, parent), swashPlateType_(orvex().config[CV::SwashPlateType]) {}

void CStep7::InitPage() {
    AddStatics(kStatics);
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const SwashButtonDef& b = kButtons[i];
        const int t = kFirstType + static_cast<int>(i);
        buttons_[i] = new CPngButton(Tr(b.caption), this);
        NameControl(buttons_[i], b.id);
        buttons_[i]->setGeometry(QRect(DluPoint(b.x, b.y), kButtonFrame));
        buttons_[i]->SetImage(b.strip);
        // The label under the picture names the type; the caption stays the tooltip.
        buttons_[i]->setCheckable(true);  // one of five: the red frame is its checked state
        connect(buttons_[i], &CPngButton::clicked, this, [this, t] { ChooseSwashPlateType(t); });
        const QPoint under(DluX(b.x), DluY(b.y) + kButtonFrame.height() + kLabelGap);
        labels_[i] = AddStatic(Tr(b.label), QRect(under, QSize(kButtonFrame.width(), DluY(10))));
        QLabel* label = labels_[i];
        buttons_[i]->setAccessibleName(Tr(b.label));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        LabelFor(label, buttons_[i]);
    }
    quadAirplane_ = new CPngButton(this);
    NameControl(quadAirplane_, SwashplateTypeIds::QuadAirplane);
    quadAirplane_->setGeometry(QRect(DluPoint(kQuadAirplaneX, kQuadAirplaneY), kQuadAirplaneFrame));
    quadAirplane_->SetImage(kQuadAirplaneStrip);
    connect(quadAirplane_, &CPngButton::clicked, this, &CStep7::OpenQuadAirplaneSetup);
    AddStatics({&kQuadAirplaneLabel, 1});
    AddPicture(kArrowPicture, kArrowAt, QT_TR_NOOP("Forward direction of the helicopter"));
    SelectButton(swashPlateType_);
}

void CStep7::RetranslatePage() {
    for (size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i]->setText(Tr(kButtons[i].caption));
        buttons_[i]->setToolTip(buttons_[i]->text());
        buttons_[i]->setAccessibleName(Tr(kButtons[i].label));
        labels_[i]->setText(Tr(kButtons[i].label));
    }
    quadAirplane_->setText(Tr(kQuadAirplaneText));
    quadAirplane_->setToolTip(quadAirplane_->text());
    quadAirplane_->setAccessibleName(quadAirplane_->text());
}

void CStep7::ChooseSwashPlateType(int t) {
    SelectButton(t);
    swashPlateType_ = static_cast<int8_t>(t);
    orvex().config[CV::SwashPlateType] = swashPlateType_;
    *BytePtr(orvex().image, Def(CV::SwashPlateType).device) = swashPlateType_;
    SendParameters();
}

void CStep7::Refresh() {
    swashPlateType_ = orvex().config[CV::SwashPlateType];
    SelectButton(swashPlateType_);
}

void CStep7::SelectButton(int t) {
    // 0, or an airframe type of 6 and above, leaves the buttons alone.
    if (!IsSwashPlateType(t)) return;
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const bool chosen = kFirstType + static_cast<int>(i) == t;
        if (buttons_[i]->chosen() != chosen) buttons_[i]->SetChosen(chosen);
    }
}

void CStep7::DeselectAll() {
    for (CPngButton* b : buttons_) b->SetChosen(false);
}

void CStep7::OpenQuadAirplaneSetup() {
    // The dialog does not take the link: this page stays the notify window
    // and keeps reading the replies to the dialog's frames.
    {
        CQuadAirplaneDialog dialog(orvex(), this);
        dialog.exec();
    }
    // An airframe type has no button here; 90 degree CCPM comes back with the
    // next refresh.
    if (orvex().config[CV::SwashPlateType] > 4) DeselectAll();
}
