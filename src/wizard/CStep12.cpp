#include "wizard/CStep12.h"

#include "wizard/PageParts.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QPushButton>

namespace {
// One button per axis (in Axis order), inside its group; places in dialog units.
struct AxisDef {
    int id;
    CV direction;
    const char* group;
    int gx, gy, gw, gh;  // group box
    int bx, by;          // button, top-left of the template's place
};
// clang-format off
constexpr AxisDef kAxes[3] = {
    {.id = GyroDirIds::Roll,  .direction = CV::RollDir,  .group = QT_TRANSLATE_NOOP("CStep12", "Roll"),  .gx =   5, .gy = 132, .gw = 265, .gh = 115, .bx = 225, .by = 228},
    {.id = GyroDirIds::Pitch, .direction = CV::PitchDir, .group = QT_TRANSLATE_NOOP("CStep12", "Pitch"), .gx = 115, .gy =   0, .gw = 385, .gh = 130, .bx = 460, .by = 105},
    {.id = GyroDirIds::Yaw,   .direction = CV::YawDir,   .group = QT_TRANSLATE_NOOP("CStep12", "Yaw"),   .gx = 280, .gy = 132, .gw = 220, .gh = 115, .bx = 460, .by = 228},
};
// clang-format on
// The template's buttons are 30 wide; these grow 6 to the left so "Reverse"
// fits in the program's font beside the skin's padding.
constexpr int kButtonW = 36, kButtonH = 14, kButtonGrowth = 6;

constexpr CWizardPage::StaticText kStatics[] = {
    {.id = 0,
     .x = 5,
     .y = 10,
     .w = 105,
     .h = 30,
     .text = QT_TRANSLATE_NOOP("CStep12", "1.Check the gyro compensation direction of roll.")},
    {.id = 0,
     .x = 5,
     .y = 45,
     .w = 105,
     .h = 30,
     .text = QT_TRANSLATE_NOOP("CStep12", "2.Check the gyro compensation direction of pitch.")},
    {.id = 0,
     .x = 5,
     .y = 80,
     .w = 105,
     .h = 30,
     .text = QT_TRANSLATE_NOOP("CStep12", "3.Check the gyro compensation direction of yaw.")},
};

// Each axis's check as its picture draws and tells it.
struct PictureDef {
    int png;
    QPoint at;
    const char* name;
    const char* text;
};
// clang-format off
constexpr PictureDef kPictures[] = {
    {220, { 10, 270}, QT_TRANSLATE_NOOP("CStep12", "Roll check"), QT_TRANSLATE_NOOP("CStep12", "Seen from behind: tilt the helicopter to the right, the swashplate must tilt to the left.")},
    {221, {530, 275}, QT_TRANSLATE_NOOP("CStep12", "Yaw check"), QT_TRANSLATE_NOOP("CStep12", "Seen from above: swing the tail to the right, the tail rotor must push it back to the left.")},
    {222, {320,  10}, QT_TRANSLATE_NOOP("CStep12", "Pitch check"), QT_TRANSLATE_NOOP("CStep12", "Seen from the left side: push the nose down, the swashplate must tilt back (nose up).")},
};
// clang-format on

QString Caption(int direction) {
    return direction == 1 ? QCoreApplication::translate("CStep12", "Normal")
                          : QCoreApplication::translate("CStep12", "Reverse");
}
}  // namespace

CStep12::CStep12(Orvex& unit, int pageNumber, const QString& title, QWidget* parent)
    : CWizardPage(unit, pageNumber, title, parent) {
    for (size_t i = 0; i < directions_.size(); ++i) directions_[i] = orvex().config[kAxes[i].direction];
}

void CStep12::InitPage() {
    for (const PictureDef& p : kPictures) AddPicture(p.png, p.at, p.name, p.text);
    AddStatics(kStatics);
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const AxisDef& a = kAxes[i];
        const QString group = Tr(a.group);
        groups_[i] = PageParts::AddGroup(this, group, group, a.gx, a.gy, a.gw, a.gh);
        QPushButton* b = PageParts::AddButton(this, a.id, a.bx - kButtonGrowth, a.by, kButtonW, kButtonH);
        MarkValueControl(b, ByteOf(a.direction).name);
        connect(b, &QPushButton::clicked, this, [this, i] { Toggle(static_cast<Axis>(i)); });
        buttons_[i] = b;
    }
    ShowCaptions();
}

void CStep12::RetranslatePage() {
    for (size_t i = 0; i < groups_.size(); ++i) {
        groups_[i]->setTitle(Tr(kAxes[i].group));
        groups_[i]->setAccessibleName(groups_[i]->title());
    }
    ShowCaptions();
}

void CStep12::Toggle(Axis axis) {
    int& d = directions_[axis];
    d = d == 1 ? -1 : 1;
    ShowCaptions();
    const CV name = kAxes[axis].direction;
    orvex().config[name] = static_cast<int8_t>(d);
    *BytePtr(orvex().image, Def(name).device) = static_cast<int8_t>(d);
    SendParameters();
}

void CStep12::Refresh() {
    for (size_t i = 0; i < directions_.size(); ++i) directions_[i] = orvex().config[kAxes[i].direction];
    ShowCaptions();
}

void CStep12::ShowCaptions() {
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const QString caption = Caption(directions_[i]);
        if (buttons_[i]->text() == caption) continue;
        buttons_[i]->setText(caption);
        Rename(buttons_[i], tr("%1: %2").arg(PageParts::LabelText(kAxes[i].direction), caption));
    }
}
