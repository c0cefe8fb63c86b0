#include "airframe/CQuadAirplaneDialog.h"

#include "params/SwashTrimMixer.h"
#include "widgets/AppLog.h"
#include "widgets/CIconButton.h"
#include "widgets/CTrimBar.h"
#include "widgets/CVisualTheme.h"
#include "widgets/ControlNaming.h"
#include "widgets/DialogUnits.h"
#include "widgets/FocusOrder.h"
#include "widgets/GroupNesting.h"
#include "widgets/Pictures.h"
#include "widgets/ScreenFit.h"
#include "widgets/Skin.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>

namespace {
constexpr QSize kDialogSize(455, 275);  // dialog units
constexpr uint8_t kNormal = 1, kReverse = 255;
constexpr int kFirstAirframeType = 6;

// The airframe types 6..9 in radio order: radio id, caption, the name a
// screen reader speaks, picture, where it is drawn (client pixels) and what it shows.
struct AirframeDef {
    int radioId;
    const char* caption;
    const char* spoken;
    int png;
    QPoint at;
    const char* layout;
};
// clang-format off
constexpr AirframeDef kAirframes[4] = {
    // clang-format off
    {.radioId = QuadAirplaneIds::PlusQuad,     .caption = QT_TRANSLATE_NOOP("CQuadAirplaneDialog", "\'+\'Quadrotor"), .spoken = QT_TRANSLATE_NOOP("CQuadAirplaneDialog", "Plus quadrotor"),        .png = 259, .at = {10, 25},
     .layout = QT_TRANSLATE_NOOP("CQuadAirplaneDialog", "Seen from above, front up: CH1 front motor, CH2 right, CH3 rear, CH4 left.")},
    {.radioId = QuadAirplaneIds::XQuad,        .caption = QT_TRANSLATE_NOOP("CQuadAirplaneDialog", "\'X\'Quadrotor"), .spoken = QT_TRANSLATE_NOOP("CQuadAirplaneDialog", "X quadrotor"),           .png = 258, .at = {230, 25},
     .layout = QT_TRANSLATE_NOOP("CQuadAirplaneDialog", "Seen from above, front up: CH1 front right motor, CH2 rear right, CH3 rear left, CH4 front left.")},
    {.radioId = QuadAirplaneIds::Conventional, .caption = QT_TRANSLATE_NOOP("CQuadAirplaneDialog", "Conventional"),   .spoken = QT_TRANSLATE_NOOP("CQuadAirplaneDialog", "Conventional airplane"), .png = 256, .at = {460, 30},
     .layout = QT_TRANSLATE_NOOP("CQuadAirplaneDialog", "Seen from above: CH1 both ailerons, CH2 elevator, CH3 throttle, CH4 rudder.")},
    {.radioId = QuadAirplaneIds::Delta,        .caption = QT_TRANSLATE_NOOP("CQuadAirplaneDialog", "Delta"),          .spoken = QT_TRANSLATE_NOOP("CQuadAirplaneDialog", "Delta wing"),            .png = 257, .at = {670, 20},
     .layout = QT_TRANSLATE_NOOP("CQuadAirplaneDialog", "Seen from above: CH1 left elevon, CH2 right elevon, CH3 throttle, CH4 rudder.")},
    // clang-format on
};
// clang-format on
constexpr int kRadioTop = 200;  // pixels, under the pictures

struct GroupDef {
    const char* title;
    int x, y, w, h;
};
constexpr GroupDef kGroups[] = {
    {.title = QT_TRANSLATE_NOOP("CQuadAirplaneDialog", "Configuration"), .x = 5, .y = 0, .w = 445, .h = 140},
    {.title = QT_TRANSLATE_NOOP("CQuadAirplaneDialog", "Servo Dir"), .x = 6, .y = 149, .w = 74, .h = 120},
    {.title = QT_TRANSLATE_NOOP("CQuadAirplaneDialog", "Servo adjust"), .x = 101, .y = 149, .w = 135, .h = 120},
    {.title = QT_TRANSLATE_NOOP("CQuadAirplaneDialog", "Compensate dir"), .x = 275, .y = 149, .w = 65, .h = 120},
};

// Servo 1..4: direction button and its place, direction value.
struct ServoDef {
    int id;
    int y;
    CV direction;
};
constexpr ServoDef kServos[4] = {
    {.id = QuadAirplaneIds::Servo1, .y = 164, .direction = CV::ServoDirCH1},
    {.id = QuadAirplaneIds::Servo2, .y = 190, .direction = CV::ServoDirCH2},
    {.id = QuadAirplaneIds::Servo3, .y = 216, .direction = CV::ServoDirCH3},
    {.id = QuadAirplaneIds::Servo4, .y = 242, .direction = CV::ServoDirCH4},
};
constexpr int kServoButtonX = 15, kServoButtonW = 60, kButtonH = 14;

// Roll, pitch, yaw: compensation button, its place, value and caption word.
struct CompensationDef {
    int id;
    int y;
    CV direction;
    const char* word;
};
constexpr CompensationDef kCompensations[3] = {
    {.id = QuadAirplaneIds::Roll,
     .y = 164,
     .direction = CV::RollDir,
     .word = QT_TRANSLATE_NOOP("CQuadAirplaneDialog", "Roll")},
    {.id = QuadAirplaneIds::Pitch,
     .y = 204,
     .direction = CV::PitchDir,
     .word = QT_TRANSLATE_NOOP("CQuadAirplaneDialog", "Pitch")},
    {.id = QuadAirplaneIds::Yaw,
     .y = 244,
     .direction = CV::YawDir,
     .word = QT_TRANSLATE_NOOP("CQuadAirplaneDialog", "Yaw")},
};
constexpr int kCompensationX = 282, kCompensationW = 50;

// Trim CH1..CH4: value, bar, arrows and their column (dialog units). The
// fourth servo's trim is kept in TailPoint.
struct TrimDef {
    CV trim;
    int barId, upId, downId;
    int x, labelX;
};
// clang-format off
constexpr TrimDef kTrims[4] = {
    {.trim = CV::ServoAdjustCH1, .barId = QuadAirplaneIds::Ch1Bar, .upId = QuadAirplaneIds::Ch1Up, .downId = QuadAirplaneIds::Ch1Down, .x = 116, .labelX = 114},
    {.trim = CV::ServoAdjustCH2, .barId = QuadAirplaneIds::Ch2Bar, .upId = QuadAirplaneIds::Ch2Up, .downId = QuadAirplaneIds::Ch2Down, .x = 149, .labelX = 146},
    {.trim = CV::ServoAdjustCH3, .barId = QuadAirplaneIds::Ch3Bar, .upId = QuadAirplaneIds::Ch3Up, .downId = QuadAirplaneIds::Ch3Down, .x = 182, .labelX = 178},
    {.trim = CV::TailPoint,      .barId = QuadAirplaneIds::Ch4Bar, .upId = QuadAirplaneIds::Ch4Up, .downId = QuadAirplaneIds::Ch4Down, .x = 215, .labelX = 210},
};
// clang-format on
constexpr int kLabelY = 163, kUpY = 174, kBarY = 184, kDownY = 246;
constexpr int kBarW = 10, kBarH = 60, kArrowW = 10, kArrowH = 9;
constexpr int kUpIcon = 206, kDownIcon = 205;
constexpr int kHoverLightening = 30;

QString DirectionCaption(const QString& word, uint8_t direction) {
    return word + (direction == kNormal ? CQuadAirplaneDialog::tr("(Norm)") : CQuadAirplaneDialog::tr("(Reverse)"));
}

// The parameter table's label in the language in use.
QString LabelText(CV value) { return QCoreApplication::translate("ParameterTable", Label(value)); }

uint8_t Toggled(uint8_t direction) { return direction == kNormal ? kReverse : kNormal; }
}  // namespace

CQuadAirplaneDialog::CQuadAirplaneDialog(Orvex& orvex, QWidget* parent)
    : QDialog(parent), orvex_(orvex), theme_(new CVisualTheme(this)) {
    setObjectName(QStringLiteral("id253"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(DluSize(kDialogSize.width(), kDialogSize.height()));
    LoadValues();
    Skin::SkinWindow(this, Skin::Style::Form);
    BuildGroups();
    BuildAirframes();
    BuildDirectionButtons();
    BuildTrims();
    BuildCloseButtons();
    RetranslateUi();
    NestInGroupFrames(this);
    FocusOrder::Apply(this);
}

void CQuadAirplaneDialog::RetranslateUi() {
    setWindowTitle(tr("Quadrotor and Airplane setup"));
    for (size_t i = 0; i < std::size(kGroups); ++i) {
        groups_[i]->setTitle(tr(kGroups[i].title));
        groups_[i]->setAccessibleName(groups_[i]->title());
    }
    for (size_t i = 0; i < std::size(kAirframes); ++i) {
        const QString caption = tr(kAirframes[i].caption);
        const QString spoken = tr(kAirframes[i].spoken);
        pictures_[i]->setAccessibleName(tr("%1 layout").arg(spoken));
        pictures_[i]->setAccessibleDescription(tr(kAirframes[i].layout));
        QAbstractButton* radio = airframes_->button(static_cast<int>(i));
        radio->setText(caption);
        radio->setAccessibleName(spoken);
        // Centred under its picture, as wide as its caption.
        const QSize hint = radio->sizeHint();
        const int centre = pictures_[i]->x() + pictures_[i]->width() / 2;
        radio->setGeometry(QRect(QPoint(centre - hint.width() / 2, kRadioTop), hint));
    }
    for (size_t i = 0; i < std::size(kTrims); ++i) {
        const QString name = tr("CH%1").arg(i + 1);
        trimLabels_[i]->setText(name);
        bars_[i]->setAccessibleName(LabelText(kTrims[i].trim));
        // Tied only while the label says what the bar's name says (in every language).
        trimLabels_[i]->setBuddy(nullptr);
        LabelFor(trimLabels_[i], bars_[i]);
        for (const bool up : {true, false}) {
            CIconButton* arrow = arrows_[i][up ? 0 : 1];
            arrow->setAccessibleName(name + (up ? tr(" up") : tr(" down")));
            arrow->SetHelpText(name);
        }
    }
    quit_->setText(tr("Quit"));
    quit_->setAccessibleName(quit_->text());
    cancel_->setText(tr("Cancel"));
    cancel_->setAccessibleName(cancel_->text());
    ShowCaptions();
}

void CQuadAirplaneDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && quit_) RetranslateUi();
    QDialog::changeEvent(event);
}

CQuadAirplaneDialog::~CQuadAirplaneDialog() = default;

void CQuadAirplaneDialog::LoadValues() {
    const ConfigValues& c = orvex_.config;
    const int type = c[CV::SwashPlateType];
    airframeSelection_ = type >= kFirstAirframeType ? type - kFirstAirframeType : -1;
    for (size_t i = 0; i < std::size(kServos); ++i) servoDirections_[i] = static_cast<uint8_t>(c[kServos[i].direction]);
    for (size_t i = 0; i < std::size(kCompensations); ++i)
        compensation_[i] = static_cast<uint8_t>(c[kCompensations[i].direction]);
    for (size_t i = 0; i < std::size(kTrims); ++i) trims_[i] = c[kTrims[i].trim];
}

void CQuadAirplaneDialog::BuildGroups() {
    for (size_t i = 0; i < std::size(kGroups); ++i) {
        const GroupDef& g = kGroups[i];
        groups_[i] = new QGroupBox(this);
        groups_[i]->setObjectName(QStringLiteral("group %1").arg(QLatin1String(g.title)));
        groups_[i]->setGeometry(DluRect(g.x, g.y, g.w, g.h));
    }
}

void CQuadAirplaneDialog::BuildAirframes() {
    airframes_ = new QButtonGroup(this);
    airframes_->setExclusive(true);
    for (size_t i = 0; i < std::size(kAirframes); ++i) {
        const AirframeDef& a = kAirframes[i];
        // Pictures lie over the group's face, under the radios.
        const QPixmap picture = LoadPng(a.png);
        if (picture.isNull()) qCWarning(lcAirframe) << "no picture" << a.png;
        auto* shown = new QLabel(this);
        shown->setObjectName(QStringLiteral("picture%1").arg(a.png));
        shown->setPixmap(picture);
        // Without its picture, a place of the usual width keeps the radio under where it would be.
        shown->setGeometry(QRect(a.at, picture.isNull() ? QSize(200, 0) : picture.deviceIndependentSize().toSize()));
        shown->setStyleSheet(QStringLiteral("background: transparent;"));
        pictures_[i] = shown;

        auto* radio = new QRadioButton(this);
        NameControl(radio, a.radioId);
        radio->installEventFilter(this);
        radio->setChecked(static_cast<int>(i) == airframeSelection_);
        const int index = static_cast<int>(i);
        airframes_->addButton(radio, index);
        connect(radio, &QRadioButton::clicked, this, [this, index] { ChooseAirframe(index); });
    }
}

namespace {
// The direction captions only just fit the template's buttons.
void Tighten(QPushButton* b) {
    b->setAutoDefault(false);
    b->setStyleSheet(QStringLiteral("min-width: 0px; padding: 1px 1px;"));
}
}  // namespace

void CQuadAirplaneDialog::BuildDirectionButtons() {
    for (size_t i = 0; i < servoButtons_.size(); ++i) {
        const ServoDef& s = kServos[i];
        const int servo = static_cast<int>(i) + 1;
        auto* b = new QPushButton(this);
        NameControl(b, s.id);
        MarkValueControl(b, ByteOf(s.direction).name);
        b->setGeometry(DluRect(kServoButtonX, s.y, kServoButtonW, kButtonH));
        Tighten(b);
        connect(b, &QPushButton::clicked, this, [this, servo] { ToggleServo(servo); });
        servoButtons_[i] = b;
    }
    for (size_t i = 0; i < compensationButtons_.size(); ++i) {
        const CompensationDef& c = kCompensations[i];
        const int axis = static_cast<int>(i);
        auto* b = new QPushButton(this);
        NameControl(b, c.id);
        MarkValueControl(b, ByteOf(c.direction).name);
        b->setGeometry(DluRect(kCompensationX, c.y, kCompensationW, kButtonH));
        Tighten(b);
        connect(b, &QPushButton::clicked, this, [this, axis] { ToggleCompensation(axis); });
        compensationButtons_[i] = b;
    }
}

void CQuadAirplaneDialog::BuildTrims() {
    for (size_t i = 0; i < std::size(kTrims); ++i) {
        const TrimDef& t = kTrims[i];
        const int channel = static_cast<int>(i) + 1;
        QLabel* label = AddStatic(this, QString(), DluRect(t.labelX - 2, kLabelY, 18, 9));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        trimLabels_[i] = label;

        bars_[i] = new CTrimBar(this);
        NameControl(bars_[i], t.barId);
        MarkValueControl(bars_[i], ByteOf(t.trim).name);
        bars_[i]->setGeometry(DluRect(t.x, kBarY, kBarW, kBarH));
        bars_[i]->SetRange(-kValueSpan, kValueSpan);
        bars_[i]->SetValue(trims_[i]);

        struct Arrow {
            int id, y, icon;
            bool up;
        };
        for (const Arrow& a : {Arrow{t.upId, kUpY, kUpIcon, true}, Arrow{t.downId, kDownY, kDownIcon, false}}) {
            auto* b = new CIconButton(this);
            NameControl(b, a.id);
            arrows_[i][a.up ? 0 : 1] = b;
            b->setGeometry(DluRect(t.x, a.y, kArrowW, kArrowH));
            b->setAutoDefault(false);
            // The arrows are smaller than the skin's smallest push button.
            b->setStyleSheet(QStringLiteral("min-width: 0px; min-height: 0px; padding: 0px;"));
            b->LoadFaceIcon(a.icon);
            b->AttachTheme(theme_);
            b->ShiftFaceColour(CIconButton::HoverBackground, kHoverLightening, false);
            const bool up = a.up;
            connect(b, &CIconButton::clicked, this, [this, channel, up] { StepTrim(channel, up); });
        }
    }
}

void CQuadAirplaneDialog::BuildCloseButtons() {
    auto* quit = new QPushButton(this);
    NameControl(quit, QuadAirplaneIds::Quit);
    quit->setGeometry(DluRect(369, 189, 71, 45));
    quit->setDefault(true);
    connect(quit, &QPushButton::clicked, this, &CQuadAirplaneDialog::accept);
    ScreenFit::KeepInView(quit);

    // The template's Cancel: never shown; Esc and the close box reach it.
    auto* cancel = new QPushButton(this);
    NameControl(cancel, QuadAirplaneIds::Cancel);
    cancel->setGeometry(DluRect(385, 219, 50, 14));
    cancel->setAutoDefault(false);
    cancel->hide();
    connect(cancel, &QPushButton::clicked, this, &CQuadAirplaneDialog::reject);
    quit_ = quit;
    cancel_ = cancel;
}

void CQuadAirplaneDialog::ShowCaptions() {
    // The accessible name carries the direction as a word, where the caption abbreviates it.
    const auto show = [](QPushButton* b, const QString& word, CV value, uint8_t direction) {
        b->setText(DirectionCaption(word, direction));
        Rename(b, tr("%1: %2").arg(LabelText(value), direction == kNormal ? tr("Normal") : tr("Reverse")));
    };
    for (size_t i = 0; i < servoButtons_.size(); ++i)
        show(servoButtons_[i], tr("Servo%1").arg(i + 1), kServos[i].direction, servoDirections_[i]);
    for (size_t i = 0; i < compensationButtons_.size(); ++i)
        show(compensationButtons_[i], tr(kCompensations[i].word), kCompensations[i].direction, compensation_[i]);
}

void CQuadAirplaneDialog::StoreAndSend(CV name, int8_t value) {
    orvex_.config[name] = value;
    *BytePtr(orvex_.image, Def(name).device) = value;
    SendParameters(orvex_);
}

// The arrow keys only move among the airframe choices, which a screen reader
// explores with them; a click or Space chooses one, and that is sent.
bool CQuadAirplaneDialog::eventFilter(QObject* watched, QEvent* event) {
    auto* radio = qobject_cast<QAbstractButton*>(watched);
    if (event->type() != QEvent::KeyPress || !radio || airframes_->id(radio) < 0)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    const int step = key == Qt::Key_Left || key == Qt::Key_Up      ? -1
                     : key == Qt::Key_Right || key == Qt::Key_Down ? 1
                                                                   : 0;
    if (step == 0) return false;
    if (QAbstractButton* next = airframes_->button(airframes_->id(radio) + step)) next->setFocus(Qt::TabFocusReason);
    return true;
}

void CQuadAirplaneDialog::ChooseAirframe(int index) {
    airframeSelection_ = index;
    airframeType_ = static_cast<int8_t>(kFirstAirframeType + index);
    StoreAndSend(CV::SwashPlateType, airframeType_);
}

void CQuadAirplaneDialog::ToggleServo(int servo) {
    const size_t i = static_cast<size_t>(servo - 1);
    servoDirections_[i] = Toggled(servoDirections_[i]);
    ShowCaptions();
    StoreAndSend(kServos[i].direction, static_cast<int8_t>(servoDirections_[i]));
}

void CQuadAirplaneDialog::ToggleCompensation(int axis) {
    const size_t i = static_cast<size_t>(axis);
    compensation_[i] = Toggled(compensation_[i]);
    ShowCaptions();
    StoreAndSend(kCompensations[i].direction, static_cast<int8_t>(compensation_[i]));
}

void CQuadAirplaneDialog::StepTrim(int channel, bool up) {
    const size_t i = static_cast<size_t>(channel - 1);
    // The direction as it is now: a servo toggled here counts at once.
    const int direction = orvex_.config[kServos[i].direction];
    trims_[i] = ServoTrim::Step(trims_[i], direction, up);
    bars_[i]->SetValue(trims_[i]);
    StoreAndSend(kTrims[i].trim, static_cast<int8_t>(trims_[i]));
}

void CQuadAirplaneDialog::accept() {
    Command::DirectionCheckOff(orvex_);
    airframeSelection_ = airframes_->checkedId();
    QDialog::accept();
}

void CQuadAirplaneDialog::reject() {
    Command::DirectionCheckOff(orvex_);
    QDialog::reject();
}
