#include "wizard/CStep7.h"

#include "airframe/CQuadAirplaneDialog.h"
#include "widgets/CPngButton.h"
#include "widgets/DialogUnits.h"

#include <QLabel>

namespace {
// clang-format off
constexpr CWizardPage::StaticText kStatics[] = {
    {.id = 1035, .x =   6, .y =   5, .w = 400, .h = 10, .text = "Select the swashplate type of your helicopter , red is selected"},
    {.id =    0, .x = 275, .y = 120, .w =  60, .h = 10, .text = "Longitudinal axis"},
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
    {.id = SwashplateTypeIds::Mix,     .x =  95, .y =  20, .caption = "MIX",     .strip = 191, .label = "Mechanical mixer"},
    {.id = SwashplateTypeIds::Ccpm120, .x = 217, .y =  20, .caption = "120CCPM", .strip = 192, .label = "120 degree CCPM"},
    {.id = SwashplateTypeIds::Ccpm135, .x = 339, .y =  20, .caption = "135CCPM", .strip = 193, .label = "135 degree CCPM"},
    {.id = SwashplateTypeIds::Ccpm140, .x =  95, .y = 115, .caption = "140CCPM", .strip = 194, .label = "140 degree CCPM"},
    {.id = SwashplateTypeIds::Ccpm90,  .x = 340, .y = 115, .caption = "90CCPM",  .strip = 195, .label = "90 degree CCPM"},
};
// clang-format on
constexpr QSize kButtonFrame(133, 133);  // one frame of a 532 x 133 strip
constexpr int kLabelGap = 4;             // pixels between a button and its label

constexpr const char* kQuadAirplaneText = "Quadrotor and Airplane";
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
        buttons_[i] = new CPngButton(QString::fromLatin1(b.caption), this);
        NameControl(buttons_[i], b.id);
        buttons_[i]->setGeometry(QRect(DluPoint(b.x, b.y), kButtonFrame));
        buttons_[i]->SetImage(b.strip);
        // The label under the picture names the type; the caption stays the tooltip.
        buttons_[i]->setAccessibleName(QString::fromLatin1(b.label));
        buttons_[i]->setCheckable(true);  // one of five: the red frame is its checked state
        connect(buttons_[i], &CPngButton::clicked, this, [this, t] { ChooseSwashPlateType(t); });
        const QPoint under(DluX(b.x), DluY(b.y) + kButtonFrame.height() + kLabelGap);
        QLabel* label = AddStatic(QString::fromLatin1(b.label), QRect(under, QSize(kButtonFrame.width(), DluY(10))));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        LabelFor(label, buttons_[i]);
    }
    quadAirplane_ = new CPngButton(QString::fromLatin1(kQuadAirplaneText), this);
    NameControl(quadAirplane_, SwashplateTypeIds::QuadAirplane);
    quadAirplane_->setGeometry(QRect(DluPoint(kQuadAirplaneX, kQuadAirplaneY), kQuadAirplaneFrame));
    quadAirplane_->SetImage(kQuadAirplaneStrip);
    connect(quadAirplane_, &CPngButton::clicked, this, &CStep7::OpenQuadAirplaneSetup);
    AddStatics({&kQuadAirplaneLabel, 1});
    AddPicture(kArrowPicture, kArrowAt, QStringLiteral("Forward direction of the helicopter"));
    SelectButton(swashPlateType_);
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
