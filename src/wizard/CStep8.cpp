#include "wizard/CStep8.h"

#include "wizard/PageParts.h"

#include "widgets/DialogUnits.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

namespace {
// One button per channel: control id, place (dialog units), the direction's
// named value.
struct ChannelButtonDef {
    int id;
    int x, y;
    CV direction;
};
constexpr ChannelButtonDef kButtons[3] = {
    {.id = ServoReverseIds::Ch1, .x = 310, .y = 45, .direction = CV::ServoDirCH1},
    {.id = ServoReverseIds::Ch2, .x = 130, .y = 45, .direction = CV::ServoDirCH2},
    {.id = ServoReverseIds::Ch3, .x = 130, .y = 150, .direction = CV::ServoDirCH3},
};
constexpr QSize kButtonSize(60, 50);  // dialog units
constexpr uint8_t kNormal = 1, kReverse = 255;

// Wider than the template's box, which the longest label overruns in this font.
constexpr CWizardPage::StaticText kSwashLabel = {
    .id = ServoReverseIds::SwashLabel,
    .x = 290,
    .y = 175,
    .w = 160,
    .h = 10,
    .text = QT_TRANSLATE_NOOP("CStep8", "Swashplate type:Mechanical mixer")};
constexpr QPoint kSwashPictureAt(370, 170);

constexpr int kServoPicture = 203;
constexpr QPoint kServoAt[3] = {{135, 90}, {670, 90}, {135, 300}};

// clang-format off
constexpr CStep8::SwashPicture kMechanicalMixer = {198, QT_TRANSLATE_NOOP("CStep8", "Swashplate type:Mechanical mixer"),
    QT_TRANSLATE_NOOP("CStep8", "Seen from above, front up: CH1 aileron servo on the right, CH2 elevator servo on the left, CH3 pitch servo at the "
    "rear, the mechanical mixer in the middle.")};
constexpr CStep8::SwashPicture kSwashPictureTable[5] = {
    kMechanicalMixer,
    {200, QT_TRANSLATE_NOOP("CStep8", "Swashplate type:120 CCPM"), QT_TRANSLATE_NOOP("CStep8", "Seen from above, front up: CH1 front right, CH2 front left, CH3 at the rear, 120 degrees apart.")},
    {201, QT_TRANSLATE_NOOP("CStep8", "Swashplate type:135 CCPM"), QT_TRANSLATE_NOOP("CStep8", "Seen from above, front up: CH1 front right, CH2 front left, CH3 at the rear, 135 degrees from each.")},
    {202, QT_TRANSLATE_NOOP("CStep8", "Swashplate type:140 CCPM"), QT_TRANSLATE_NOOP("CStep8", "Seen from above, front up: CH1 front right, CH2 front left, CH3 at the rear, 140 degrees from each.")},
    {199, QT_TRANSLATE_NOOP("CStep8", "Swashplate type:90 CCPM"), QT_TRANSLATE_NOOP("CStep8", "Seen from above, front up: CH1 on the right, CH2 on the left, CH3 at the rear, 90 degrees from each.")},
};
// clang-format on

QString Text(const char* source) { return QCoreApplication::translate("CStep8", source); }

QString DirectionWord(uint8_t direction) {
    return direction == kNormal ? QCoreApplication::translate("CStep8", "Normal")
                                : QCoreApplication::translate("CStep8", "Reverse");
}

QString Caption(int channel, uint8_t direction) {
    return QCoreApplication::translate("CStep8", "CH%1(%2)").arg(channel).arg(DirectionWord(direction));
}
}  // namespace

CStep8::SwashPicture CStep8::SwashPictureOf(int swashPlateType) {
    if (swashPlateType >= 1 && swashPlateType <= static_cast<int>(std::size(kSwashPictureTable)))
        return kSwashPictureTable[swashPlateType - 1];
    return kMechanicalMixer;
}

CStep8::CStep8(Orvex& unit, int pageNumber, const QString& title, QWidget* parent)
    : CWizardPage(unit, pageNumber, title, parent) {
    for (size_t i = 0; i < directions_.size(); ++i)
        directions_[i] = static_cast<uint8_t>(orvex().config[kButtons[i].direction]);
}

void CStep8::AddSwashPictures(CWizardPage* page, QPoint at) {
    for (const SwashPicture& p : kSwashPictureTable)
        page->AddPicture(p.png, at, QT_TRANSLATE_NOOP("CStep8", "Servo positions"), p.servos, "CStep8");
}

void CStep8::InitPage() {
    AddSwashPictures(this, kSwashPictureAt);
    for (QPoint at : kServoAt) AddPicture(kServoPicture, at);
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const ChannelButtonDef& b = kButtons[i];
        const int channel = static_cast<int>(i) + 1;
        buttons_[i] = new QPushButton(this);
        NameControl(buttons_[i], b.id);
        MarkValueControl(buttons_[i], ByteOf(b.direction).name);
        buttons_[i]->setGeometry(QRect(DluPoint(b.x, b.y), DluSize(kButtonSize.width(), kButtonSize.height())));
        connect(buttons_[i], &QPushButton::clicked, this, [this, channel] { Toggle(channel); });
    }
    swashLabel_ = AddStatic(kSwashLabel.id, Text(kSwashLabel.text),
                            DluRect(kSwashLabel.x, kSwashLabel.y, kSwashLabel.w, kSwashLabel.h));
    swashLabel_->setWordWrap(false);
    ShowCaptions();
    ShowSwashType();
}

void CStep8::RetranslatePage() {
    ShowCaptions();
    ShowSwashType();
}

void CStep8::Toggle(int channel) {
    const size_t i = static_cast<size_t>(channel - 1);
    directions_[i] = directions_[i] == kNormal ? kReverse : kNormal;
    ShowCaptions();
    const CV name = kButtons[i].direction;
    orvex().config[name] = static_cast<int8_t>(directions_[i]);
    *BytePtr(orvex().image, Def(name).device) = static_cast<int8_t>(directions_[i]);
    SendParameters();
}

void CStep8::Refresh() {
    for (size_t i = 0; i < directions_.size(); ++i)
        directions_[i] = static_cast<uint8_t>(orvex().config[kButtons[i].direction]);
    ShowCaptions();
    ShowSwashType();
}

void CStep8::ShowCaptions() {
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const int channel = static_cast<int>(i) + 1;
        const QString caption = Caption(channel, directions_[i]);
        if (buttons_[i]->text() == caption) continue;
        buttons_[i]->setText(caption);
        Rename(buttons_[i],
               tr("%1: %2").arg(PageParts::LabelText(kButtons[i].direction), DirectionWord(directions_[i])));
    }
}

void CStep8::ShowSwashType() { ShowSwashType(this, swashLabel_, shownSwashPicture_); }

void CStep8::ShowSwashType(CWizardPage* page, QLabel* label, int& shownPicture) {
    const SwashPicture shown = SwashPictureOf(page->orvex().config[CV::SwashPlateType]);
    const QString text = Text(shown.label);
    if (label->text() != text) label->setText(text);
    if (shown.png != shownPicture) {
        shownPicture = shown.png;
        page->update();
    }
}

void CStep8::showEvent(QShowEvent* e) {
    ShowSwashType();
    CWizardPage::showEvent(e);
}

bool CStep8::PictureShown(int pngId) const {
    if (pngId == kServoPicture) return true;
    return pngId == SwashPictureOf(orvex().config[CV::SwashPlateType]).png;
}
