#include "wizard/CStep9.h"

#include "widgets/CIconButton.h"
#include "widgets/CTrimBar.h"
#include "widgets/CVisualTheme.h"
#include "widgets/DialogUnits.h"
#include "wizard/CStep8.h"

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
constexpr ChannelDef kChannels[3] = {
    {CV::ServoAdjustCH1, CV::ServoDirCH1, 1085, 79, 1089, 1092, 77},
    {CV::ServoAdjustCH2, CV::ServoDirCH2, 1084, 123, 1087, 1088, 120},
    {CV::ServoAdjustCH3, CV::ServoDirCH3, 1086, 168, 1091, 1090, 166},
};
constexpr int kBarY = 127, kBarWidth = 10, kBarHeight = 60;
constexpr int kUpY = 115, kDownY = 189, kArrowWidth = 15, kArrowHeight = 10;
constexpr int kChannelLabelY = 201;
constexpr int kBarRange = 125;

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
constexpr SwashButtonDef kSwashButtons[12] = {
    {1097, 293, 105, 15, 10, DoubleUp, Axis::Collective, +5, "Collective +5"},
    {1098, 293, 125, 15, 10, Up, Axis::Collective, +1, "Collective +1"},
    {1099, 293, 150, 15, 10, Down, Axis::Collective, -1, "Collective -1"},
    {1100, 293, 170, 15, 10, DoubleDown, Axis::Collective, -5, "Collective -5"},
    {1102, 365, 107, 15, 10, DoubleUp, Axis::Pitch, -5, "Pitch -5"},
    {1093, 365, 122, 15, 10, Up, Axis::Pitch, -1, "Pitch -1"},
    {1103, 365, 157, 15, 10, Down, Axis::Pitch, +1, "Pitch +1"},
    {1104, 365, 172, 15, 10, DoubleDown, Axis::Pitch, +5, "Pitch +5"},
    {1101, 335, 137, 10, 15, DoubleLeft, Axis::Roll, -5, "Roll -5"},
    {1095, 350, 137, 10, 15, Left, Axis::Roll, -1, "Roll -1"},
    {1094, 385, 137, 10, 15, Right, Axis::Roll, +1, "Roll +1"},
    {1096, 400, 137, 10, 15, DoubleRight, Axis::Roll, +5, "Roll +5"},
};

struct GroupDef {
    const char* title;
    int x, y, w, h;
};
constexpr int kNarrowGroup = 60;  // dialog units
constexpr GroupDef kGroups[] = {
    {"swash", 270, 75, 160, 133},
    {"Collective", 280, 88, 40, 110},
    {"Cyclic", 325, 88, 95, 110},
};

constexpr int kCleanId = 1125;
// Wider than the template's box, which the longest label overruns in this font.
constexpr CWizardPage::StaticText kSwashLabel = {1035, 300, 35, 160, 11, "Swashplate type:Mechanical mixer"};
constexpr QPoint kSwashPictureAt(160, 50);
}  // namespace

CStep9::CStep9(Orvex& unit, int pageNumber, const QString& title, QWidget* parent)
    : CWizardPage(unit, pageNumber, title, parent), theme_(new CVisualTheme(this)) {
    for (size_t i = 0; i < trims_.size(); ++i) trims_[i] = orvex().config[kChannels[i].trim];
}

void CStep9::InitPage() {
    for (int png : CStep8::kSwashPictures) AddPicture(png, kSwashPictureAt);
    // Frames first, so the buttons lie on top of them.
    BuildGroups();
    BuildChannelControls();
    BuildSwashButtons();
    auto* clean = new QPushButton(QStringLiteral("Clean"), this);
    NameControl(clean, kCleanId);
    clean->setAccessibleName(QStringLiteral("Clean"));
    clean->setGeometry(DluRect(325, 60, 50, 14));
    connect(clean, &QPushButton::clicked, this, &CStep9::Clean);
    swashLabel_ = AddStatic(kSwashLabel.id, QString::fromLatin1(kSwashLabel.text),
                            DluRect(kSwashLabel.x, kSwashLabel.y, kSwashLabel.w, kSwashLabel.h));
    swashLabel_->setWordWrap(false);
    ShowTrims();
    ShowSwashType();
}

void CStep9::BuildGroups() {
    for (const GroupDef& g : kGroups) {
        auto* box = new QGroupBox(QString::fromLatin1(g.title), this);
        box->setObjectName(QStringLiteral("group %1").arg(QLatin1String(g.title)));
        box->setAccessibleName(QString::fromLatin1(g.title));
        box->setGeometry(DluRect(g.x, g.y, g.w, g.h));
        box->setAttribute(Qt::WA_TransparentForMouseEvents);
        // "Collective" is longer than its narrow frame leaves room for at the skin's title indent.
        if (g.w < kNarrowGroup) box->setStyleSheet(QStringLiteral("QGroupBox::title { left: 3px; padding: 0px 1px; }"));
    }
}

CIconButton* CStep9::AddArrow(int id, const QRect& place, int icon, const QString& name) {
    auto* b = new CIconButton(this);
    NameControl(b, id);
    b->setAccessibleName(name);
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
        const QString name = QStringLiteral("CH%1").arg(channel);
        bars_[i] = new CTrimBar(this);
        NameControl(bars_[i], c.barId);
        bars_[i]->setAccessibleName(name + QStringLiteral(" trim"));
        bars_[i]->setGeometry(DluRect(c.barX, kBarY, kBarWidth, kBarHeight));
        bars_[i]->SetRange(-kBarRange, kBarRange);
        struct Arrow {
            int id, y, icon;
            bool up;
        };
        for (const Arrow& a : {Arrow{c.upId, kUpY, Up, true}, Arrow{c.downId, kDownY, Down, false}}) {
            CIconButton* b = AddArrow(a.id, DluRect(c.arrowX, a.y, kArrowWidth, kArrowHeight), a.icon,
                                      name + (a.up ? QStringLiteral(" up") : QStringLiteral(" down")));
            b->SetHelpText(name);
            const bool up = a.up;
            connect(b, &CIconButton::clicked, this, [this, channel, up] { StepChannel(channel, up); });
        }
        QLabel* label = AddStatic(name, DluRect(c.arrowX - 5, kChannelLabelY, kArrowWidth + 10, 10));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
}

void CStep9::BuildSwashButtons() {
    for (const SwashButtonDef& s : kSwashButtons) {
        CIconButton* b = AddArrow(s.id, DluRect(s.x, s.y, s.w, s.h), s.icon, QString::fromLatin1(s.name));
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
