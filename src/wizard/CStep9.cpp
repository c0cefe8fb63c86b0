#include "wizard/CStep9.h"

#include "widgets/CIconButton.h"
#include "widgets/CTrimBar.h"
#include "widgets/CVisualTheme.h"
#include "widgets/DialogUnits.h"
#include "wizard/CStep8.h"
#include "wizard/PageParts.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {
using Axis = SwashTrimMixer::Axis;

enum Icon {
    Down = 205,
    Up = 206,
    DoubleDown = 207,
    Left = 208,
    DoubleLeft = 209,
    Right = 210,
    DoubleRight = 211,
    DoubleUp = 212
};
constexpr int kHoverLightening = 30;

// The three servos: trim value, direction, trim bar and its place (dialog
// units), the up and down arrows above and below it.
struct ChannelDef {
    CV trim;
    CV direction;
    int barId;
    int barX;
    int upId, downId;
    int arrowX;
};
// clang-format off
constexpr ChannelDef kChannels[3] = {
    {.trim = CV::ServoAdjustCH1, .direction = CV::ServoDirCH1, .barId = ServoTrimIds::Ch1Bar, .barX =  79, .upId = ServoTrimIds::Ch1Up,
     .downId = ServoTrimIds::Ch1Down, .arrowX =  77},
    {.trim = CV::ServoAdjustCH2, .direction = CV::ServoDirCH2, .barId = ServoTrimIds::Ch2Bar, .barX = 123, .upId = ServoTrimIds::Ch2Up,
     .downId = ServoTrimIds::Ch2Down, .arrowX = 120},
    {.trim = CV::ServoAdjustCH3, .direction = CV::ServoDirCH3, .barId = ServoTrimIds::Ch3Bar, .barX = 168, .upId = ServoTrimIds::Ch3Up,
     .downId = ServoTrimIds::Ch3Down, .arrowX = 166},
};
// clang-format on
constexpr int kBarY = 127, kBarWidth = 10, kBarHeight = 60;
constexpr int kUpY = 115, kDownY = 189, kArrowWidth = 15, kArrowHeight = 10;
constexpr int kChannelLabelY = 201;

// The swashplate buttons: id, place and size (dialog units), icon, axis and
// step. Pitch runs the other way round from the arrows: up is pitch forward.
struct SwashButtonDef {
    int id;
    int x, y, w, h;
    int icon;
    Axis axis;
    int step;
    const char* name;
};
// clang-format off
constexpr SwashButtonDef kSwashButtons[12] = {
    {.id = ServoTrimIds::CollectivePlus5,  .x = 293, .y = 105, .w = 15, .h = 10, .icon = DoubleUp,    .axis = Axis::Collective, .step = +5, .name = QT_TRANSLATE_NOOP("CStep9", "Collective +5")},
    {.id = ServoTrimIds::CollectivePlus1,  .x = 293, .y = 125, .w = 15, .h = 10, .icon = Up,          .axis = Axis::Collective, .step = +1, .name = QT_TRANSLATE_NOOP("CStep9", "Collective +1")},
    {.id = ServoTrimIds::CollectiveMinus1, .x = 293, .y = 150, .w = 15, .h = 10, .icon = Down,        .axis = Axis::Collective, .step = -1, .name = QT_TRANSLATE_NOOP("CStep9", "Collective -1")},
    {.id = ServoTrimIds::CollectiveMinus5, .x = 293, .y = 170, .w = 15, .h = 10, .icon = DoubleDown,  .axis = Axis::Collective, .step = -5, .name = QT_TRANSLATE_NOOP("CStep9", "Collective -5")},
    {.id = ServoTrimIds::PitchMinus5,      .x = 365, .y = 107, .w = 15, .h = 10, .icon = DoubleUp,    .axis = Axis::Pitch,      .step = -5, .name = QT_TRANSLATE_NOOP("CStep9", "Pitch -5")},
    {.id = ServoTrimIds::PitchMinus1,      .x = 365, .y = 122, .w = 15, .h = 10, .icon = Up,          .axis = Axis::Pitch,      .step = -1, .name = QT_TRANSLATE_NOOP("CStep9", "Pitch -1")},
    {.id = ServoTrimIds::PitchPlus1,       .x = 365, .y = 157, .w = 15, .h = 10, .icon = Down,        .axis = Axis::Pitch,      .step = +1, .name = QT_TRANSLATE_NOOP("CStep9", "Pitch +1")},
    {.id = ServoTrimIds::PitchPlus5,       .x = 365, .y = 172, .w = 15, .h = 10, .icon = DoubleDown,  .axis = Axis::Pitch,      .step = +5, .name = QT_TRANSLATE_NOOP("CStep9", "Pitch +5")},
    {.id = ServoTrimIds::RollMinus5,       .x = 335, .y = 137, .w = 10, .h = 15, .icon = DoubleLeft,  .axis = Axis::Roll,       .step = -5, .name = QT_TRANSLATE_NOOP("CStep9", "Roll -5")},
    {.id = ServoTrimIds::RollMinus1,       .x = 350, .y = 137, .w = 10, .h = 15, .icon = Left,        .axis = Axis::Roll,       .step = -1, .name = QT_TRANSLATE_NOOP("CStep9", "Roll -1")},
    {.id = ServoTrimIds::RollPlus1,        .x = 385, .y = 137, .w = 10, .h = 15, .icon = Right,       .axis = Axis::Roll,       .step = +1, .name = QT_TRANSLATE_NOOP("CStep9", "Roll +1")},
    {.id = ServoTrimIds::RollPlus5,        .x = 400, .y = 137, .w = 10, .h = 15, .icon = DoubleRight, .axis = Axis::Roll,       .step = +5, .name = QT_TRANSLATE_NOOP("CStep9", "Roll +5")},
};
// clang-format on

struct GroupDef {
    const char* title;
    const char* name;  // for assistive tools
    int x, y, w, h;
};
constexpr int kNarrowGroup = 60;  // dialog units
constexpr GroupDef kGroups[] = {
    {.title = QT_TRANSLATE_NOOP("CStep9", "swash"),
     .name = QT_TRANSLATE_NOOP("CStep9", "Swashplate trim"),
     .x = 270,
     .y = 75,
     .w = 160,
     .h = 133},
    {.title = QT_TRANSLATE_NOOP("CStep9", "Collective"),
     .name = QT_TRANSLATE_NOOP("CStep9", "Collective trim"),
     .x = 280,
     .y = 88,
     .w = 40,
     .h = 110},
    {.title = QT_TRANSLATE_NOOP("CStep9", "Cyclic"),
     .name = QT_TRANSLATE_NOOP("CStep9", "Cyclic trim"),
     .x = 325,
     .y = 88,
     .w = 95,
     .h = 110},
};

// Wider than the template's box, which the longest label overruns in this font.
constexpr CWizardPage::StaticText kSwashLabel = {
    .id = ServoTrimIds::SwashLabel,
    .x = 300,
    .y = 35,
    .w = 160,
    .h = 11,
    .text = QT_TRANSLATE_NOOP("CStep8", "Swashplate type:Mechanical mixer")};
constexpr QPoint kSwashPictureAt(160, 50);
}  // namespace

CStep9::CStep9(Orvex& unit, int pageNumber, const QString& title, QWidget* parent)
    : CWizardPage(unit, pageNumber, title, parent), theme_(new CVisualTheme(this)) {
    for (size_t i = 0; i < trims_.size(); ++i) trims_[i] = orvex().config[kChannels[i].trim];
}

void CStep9::InitPage() {
    CStep8::AddSwashPictures(this, kSwashPictureAt);
    // Frames first, so the buttons lie on top of them.
    BuildGroups();
    BuildChannelControls();
    BuildSwashButtons();
    clean_ = new QPushButton(this);
    NameControl(clean_, ServoTrimIds::Clean);
    clean_->setGeometry(DluRect(325, 60, 50, 14));
    connect(clean_, &QPushButton::clicked, this, &CStep9::Clean);
    swashLabel_ = AddStatic(kSwashLabel.id, QCoreApplication::translate("CStep8", kSwashLabel.text),
                            DluRect(kSwashLabel.x, kSwashLabel.y, kSwashLabel.w, kSwashLabel.h));
    swashLabel_->setWordWrap(false);
    ShowTrims();
    ShowSwashType();
}

void CStep9::RetranslatePage() {
    for (size_t i = 0; i < groups_.size(); ++i) {
        groups_[i]->setTitle(Tr(kGroups[i].title));
        groups_[i]->setAccessibleName(Tr(kGroups[i].name));
    }
    for (size_t i = 0; i < std::size(kChannels); ++i) {
        const QString name = tr("CH%1").arg(i + 1);
        bars_[i]->setAccessibleName(PageParts::LabelText(kChannels[i].trim));
        channelLabels_[i]->setText(name);
        channelArrows_[i][0]->setAccessibleName(tr("%1 up").arg(name));
        channelArrows_[i][1]->setAccessibleName(tr("%1 down").arg(name));
        for (CIconButton* b : channelArrows_[i]) b->SetHelpText(name);
    }
    for (size_t i = 0; i < swashButtons_.size(); ++i) swashButtons_[i]->setAccessibleName(Tr(kSwashButtons[i].name));
    clean_->setText(tr("Clean"));
    clean_->setAccessibleName(tr("Clean trims"));
    ShowSwashType();
}

void CStep9::BuildGroups() {
    for (size_t i = 0; i < groups_.size(); ++i) {
        const GroupDef& g = kGroups[i];
        auto* box = new QGroupBox(this);
        groups_[i] = box;
        box->setObjectName(QStringLiteral("group %1").arg(QLatin1String(g.title)));
        box->setGeometry(DluRect(g.x, g.y, g.w, g.h));
        box->setAttribute(Qt::WA_TransparentForMouseEvents);
        // "Collective" is longer than its narrow frame leaves room for at the skin's title indent.
        if (g.w < kNarrowGroup) box->setStyleSheet(QStringLiteral("QGroupBox::title { left: 3px; padding: 0px 1px; }"));
    }
}

CIconButton* CStep9::AddArrow(int id, const QRect& place, int icon) {
    auto* b = new CIconButton(this);
    NameControl(b, id);
    b->setGeometry(place);
    b->setAutoDefault(false);
    // The arrows are smaller than the skin's smallest push button.
    b->setStyleSheet(QStringLiteral("min-width: 0px; min-height: 0px; padding: 0px;"));
    b->LoadFaceIcon(icon);
    b->AttachTheme(theme_);
    b->ShiftFaceColour(CIconButton::HoverBackground, kHoverLightening, false);
    return b;
}

void CStep9::BuildChannelControls() {
    for (size_t i = 0; i < std::size(kChannels); ++i) {
        const ChannelDef& c = kChannels[i];
        const int channel = static_cast<int>(i) + 1;
        const QString name = tr("CH%1").arg(channel);
        bars_[i] = new CTrimBar(this);
        NameControl(bars_[i], c.barId, PageParts::LabelText(c.trim));
        MarkValueControl(bars_[i], ByteOf(c.trim).name);
        bars_[i]->setGeometry(DluRect(c.barX, kBarY, kBarWidth, kBarHeight));
        bars_[i]->SetRange(-kValueSpan, kValueSpan);
        struct Arrow {
            int id, y, icon;
            bool up;
        };
        for (const Arrow& a : {Arrow{c.upId, kUpY, Up, true}, Arrow{c.downId, kDownY, Down, false}}) {
            CIconButton* b = AddArrow(a.id, DluRect(c.arrowX, a.y, kArrowWidth, kArrowHeight), a.icon);
            channelArrows_[i][a.up ? 0 : 1] = b;
            const bool up = a.up;
            connect(b, &CIconButton::clicked, this, [this, channel, up] { StepChannel(channel, up); });
        }
        QLabel* label = AddStatic(name, DluRect(c.arrowX - 5, kChannelLabelY, kArrowWidth + 10, 10));
        channelLabels_[i] = label;
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        LabelFor(label, bars_[i]);
    }
}

void CStep9::BuildSwashButtons() {
    for (size_t i = 0; i < swashButtons_.size(); ++i) {
        const SwashButtonDef& s = kSwashButtons[i];
        CIconButton* b = AddArrow(s.id, DluRect(s.x, s.y, s.w, s.h), s.icon);
        swashButtons_[i] = b;
        const Axis axis = s.axis;
        const int step = s.step;
        connect(b, &CIconButton::clicked, this, [this, axis, step] { MoveSwash(axis, step); });
    }
}

void CStep9::StepChannel(int channel, bool up) {
    const size_t i = static_cast<size_t>(channel - 1);
    const int direction = orvex().config[kChannels[i].direction];
    trims_[i] = ServoTrim::Step(trims_[i], direction, up);
    Commit({static_cast<int>(i)});
}

void CStep9::MoveSwash(SwashTrimMixer::Axis axis, int step) {
    const ConfigValues& config = orvex().config;
    const SwashTrimMixer::Directions directions{config[CV::ServoDirCH1], config[CV::ServoDirCH2],
                                                config[CV::ServoDirCH3]};
    trims_ = mixer_.Move(trims_, orvex().image, directions, config[CV::SwashPlateType], axis, step);
    Commit({0, 1, 2});
}

void CStep9::Clean() {
    trims_ = {};
    mixer_.Clean();
    Commit({0, 1, 2});
}

void CStep9::Commit(std::initializer_list<int> channels) {
    for (int i : channels) {
        const size_t c = static_cast<size_t>(i);
        bars_[c]->SetValue(trims_[c]);
        const auto low = static_cast<int8_t>(trims_[c]);
        orvex().config[kChannels[c].trim] = low;
        *BytePtr(orvex().image, Def(kChannels[c].trim).device) = low;
    }
    SendParameters();
}

void CStep9::Refresh() {
    for (size_t i = 0; i < trims_.size(); ++i) trims_[i] = orvex().config[kChannels[i].trim];
    ShowTrims();
    ShowSwashType();
}

void CStep9::ShowTrims() {
    for (size_t i = 0; i < bars_.size(); ++i)
        if (bars_[i]->value() != trims_[i]) bars_[i]->SetValue(trims_[i]);
}

void CStep9::ShowSwashType() { CStep8::ShowSwashType(this, swashLabel_, shownSwashPicture_); }

void CStep9::showEvent(QShowEvent* e) {
    ShowSwashType();
    CWizardPage::showEvent(e);
}

bool CStep9::PictureShown(int pngId) const {
    return pngId == CStep8::SwashPictureOf(orvex().config[CV::SwashPlateType]).png;
}
