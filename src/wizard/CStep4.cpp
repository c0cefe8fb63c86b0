#include "wizard/CStep4.h"

#include "widgets/CPngButton.h"
#include "widgets/DialogUnits.h"
#include "widgets/Dialogs.h"

#include <QLabel>

namespace {
// clang-format off
constexpr CWizardPage::StaticText kStatics[] = {
    {.id = 1035, .x =   0, .y =   5, .w = 150, .h = 15, .text = QT_TRANSLATE_NOOP("CStep4", "1.Installation direction of gyro.")},
    {.id = 1038, .x =   0, .y =  20, .w = 200, .h = 15, .text = QT_TRANSLATE_NOOP("CStep4", "2.Click the button as your Quillon mounting, red is selected .")},
    {.id = 1044, .x =  47, .y = 100, .w = 110, .h = 10, .text = QT_TRANSLATE_NOOP("CStep4", "Installation direction 1")},
    {.id = 1045, .x = 207, .y = 100, .w = 110, .h = 10, .text = QT_TRANSLATE_NOOP("CStep4", "Installation direction 2")},
    {.id = 1046, .x = 370, .y = 100, .w = 110, .h = 10, .text = QT_TRANSLATE_NOOP("CStep4", "Installation direction 3")},
};
// clang-format on

// One button per direction 1..3: control id, place (dialog units), picture
// strip, the static naming it, and what its picture shows.
struct DirectionButtonDef {
    int id;
    int x, y;
    int strip;
    int labelId;
    const char* name;
};
// clang-format off
constexpr DirectionButtonDef kButtons[3] = {
    {.id = InstallationPageIds::Direction1, .x =  42, .y = 115, .strip = 187, .labelId = 1044,
     .name = QT_TRANSLATE_NOOP("CStep4", "Installation direction 1: flat, label up, connectors to the tail")},
    {.id = InstallationPageIds::Direction2, .x = 202, .y = 115, .strip = 188, .labelId = 1045,
     .name = QT_TRANSLATE_NOOP("CStep4", "Installation direction 2: flat, label up, connectors to the nose")},
    {.id = InstallationPageIds::Direction3, .x = 365, .y = 115, .strip = 189, .labelId = 1046,
     .name = QT_TRANSLATE_NOOP("CStep4", "Installation direction 3: upright on the side of the frame")},
};
// clang-format on
constexpr QSize kButtonFrame(198, 133);  // one frame of a 792 x 133 strip

bool IsDirection(int d) { return d >= 1 && d <= 3; }
}  // namespace

CStep4::CStep4(Orvex& unit, int pageNumber, const QString& title, QWidget* parent)
    : CWizardPage(unit, pageNumber, title, parent), direction_(orvex().config[CV::FixMode]) {}

void CStep4::InitPage() {
    AddStatics(kStatics);
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const DirectionButtonDef& b = kButtons[i];
        const int d = static_cast<int>(i) + 1;
        buttons_[i] = new CPngButton(QString::number(d), this);
        NameControl(buttons_[i], b.id);
        // The frame's size even when the strip is missing, so the button stays usable.
        buttons_[i]->setGeometry(QRect(DluPoint(b.x, b.y), kButtonFrame));
        buttons_[i]->SetImage(b.strip);
        buttons_[i]->setAccessibleName(Tr(b.name));
        buttons_[i]->setCheckable(true);  // one of three: the red frame is its checked state
        if (auto* label = findChild<QLabel*>(ControlName(b.labelId))) LabelFor(label, buttons_[i]);
        connect(buttons_[i], &CPngButton::clicked, this, [this, d] { ChooseDirection(d); });
    }
    SelectButton(direction_);
}

void CStep4::RetranslatePage() {
    for (size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->setAccessibleName(Tr(kButtons[i].name));
}

void CStep4::ChooseDirection(int d) {
    // The message comes first: nothing is stored or sent until it is closed.
    Dialogs::Message(this, tr("Direction %1").arg(d));
    SelectButton(d);
    direction_ = static_cast<int8_t>(d);
    orvex().config[CV::FixMode] = direction_;
    *BytePtr(orvex().image, Def(CV::FixMode).device) = direction_;
    SendParameters();
}

void CStep4::Refresh() {
    direction_ = orvex().config[CV::FixMode];
    SelectButton(direction_);
}

void CStep4::SelectButton(int d) {
    // Another value (from a configuration file, say) leaves the buttons alone.
    if (!IsDirection(d)) return;
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const bool chosen = static_cast<int>(i) + 1 == d;
        if (buttons_[i]->chosen() != chosen) buttons_[i]->SetChosen(chosen);
    }
}
