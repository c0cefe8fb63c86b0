#include "params_ui/CAdvanceMenuDialog.h"

#include "params/WindowReceiver.h"
#include "widgets/AppLog.h"
#include "widgets/CBalloonTip.h"
#include "widgets/ControlNaming.h"
#include "widgets/DataExchange.h"
#include "widgets/DialogUnits.h"
#include "widgets/FocusOrder.h"
#include "widgets/GroupNesting.h"
#include "widgets/Pictures.h"
#include "widgets/ScreenFit.h"
#include "widgets/Skin.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include <array>
#include <iterator>

namespace {

// ---- template: groups, fields and their places (dialog units) -------------------

enum GroupId { MainRotor, TailRotor, AuxChannel, ConditionGroup, Governor, GroupCount };

struct GroupDef {
    const char* title;
    const char* objectName;
    int x, y, w, h;
};

constexpr std::array<GroupDef, GroupCount> kGroups = {{
    {.title = QT_TRANSLATE_NOOP("CAdvanceMenuDialog", "Main rotor"),
     .objectName = "groupMainRotor",
     .x = 7,
     .y = 5,
     .w = 208,
     .h = 160},
    {.title = QT_TRANSLATE_NOOP("CAdvanceMenuDialog", "Tail rotor"),
     .objectName = "groupTailRotor",
     .x = 222,
     .y = 5,
     .w = 208,
     .h = 160},
    {.title = QT_TRANSLATE_NOOP("CAdvanceMenuDialog", "AUX channel function"),
     .objectName = "groupAuxChannel",
     .x = 7,
     .y = 174,
     .w = 188,
     .h = 36},
    {.title = QT_TRANSLATE_NOOP("CAdvanceMenuDialog", "Condition"),
     .objectName = "groupCondition",
     .x = 7,
     .y = 214,
     .w = 188,
     .h = 36},
    {.title = QT_TRANSLATE_NOOP("CAdvanceMenuDialog", "Governor"),
     .objectName = "groupGovernor",
     .x = 222,
     .y = 174,
     .w = 208,
     .h = 76},
}};

// A column of label and edit box inside a group, relative to the group.
struct ColumnDef {
    int labelX, labelW, editX, editW;
};
// Rows of a group: first row and row pitch, relative to the group.
struct RowDef {
    int firstY, pitch;
};

constexpr int kEditHeight = 12;
constexpr int kButtonHeight = 14;

constexpr ColumnDef kRotorColumns[2] = {
    {.labelX = 8, .labelW = 62, .editX = 72, .editW = 26},
    {.labelX = 106, .labelW = 62, .editX = 170, .editW = 26},
};
constexpr ColumnDef kGovernorColumns[2] = {
    {.labelX = 8, .labelW = 40, .editX = 50, .editW = 26},
    {.labelX = 90, .labelW = 80, .editX = 172, .editW = 26},
};
constexpr RowDef kRotorRows{.firstY = 17, .pitch = 20};
constexpr RowDef kGovernorRows{.firstY = 28, .pitch = 15};

const ColumnDef& Column(GroupId g, int column) {
    return g == Governor ? kGovernorColumns[column] : kRotorColumns[column];
}
const RowDef& Rows(GroupId g) { return g == Governor ? kGovernorRows : kRotorRows; }
int RowY(GroupId g, int row) { return kGroups[g].y + Rows(g).firstY + row * Rows(g).pitch; }

// Where a field's value lives: a named value (which also refreshes after every
// answered frame) or a TuningBlock byte that only this dialog edits. Range and
// factory value are those of the table entry.
struct Source {
    CV name = CV::Count;
    DeviceByte direct{};
    constexpr bool named() const { return name != CV::Count; }
};
constexpr Source Named(CV name) { return {.name = name}; }
constexpr Source Unnamed(TuningIndex b) { return {.direct = b}; }

DeviceByte DeviceOf(const Source& s) { return s.named() ? Def(s.name).device : s.direct; }
const ByteDef& DefOf(const Source& s) { return ByteOf(DeviceOf(s)); }

struct FieldDef {
    int id;
    const char* label;
    Source source;
    GroupId group;
    int column, row;
};

// clang-format off
constexpr FieldDef kFields[] = {
    {.id = CAdvanceMenuDialog::IdRollP,                .label = QT_TRANSLATE_NOOP("CAdvanceMenuDialog", "Roll P gain"),           .source = Named(CV::RollGainP),           .group = MainRotor,
     .column = 0, .row = 0},
    {.id = CAdvanceMenuDialog::IdRollI,                .label = QT_TRANSLATE_NOOP("CAdvanceMenuDialog", "Roll I gain"),           .source = Named(CV::RollGainI),           .group = MainRotor,
     .column = 0, .row = 1},
    {.id = CAdvanceMenuDialog::IdRollD,                .label = QT_TRANSLATE_NOOP("CAdvanceMenuDialog", "Roll D gain"),           .source = Named(CV::RollGainD),           .group = MainRotor,
     .column = 0, .row = 2},
    {.id = CAdvanceMenuDialog::IdPitchP,               .label = QT_TRANSLATE_NOOP("CAdvanceMenuDialog", "Pitch P gain"),          .source = Named(CV::PitchGainP),          .group = MainRotor,
     .column = 1, .row = 0},
    {.id = CAdvanceMenuDialog::IdPitchI,               .label = QT_TRANSLATE_NOOP("CAdvanceMenuDialog", "Pitch I gain"),          .source = Named(CV::PitchGainI),          .group = MainRotor,
     .column = 1, .row = 1},
    {.id = CAdvanceMenuDialog::IdPitchD,               .label = QT_TRANSLATE_NOOP("CAdvanceMenuDialog", "Pitch D gain"),          .source = Named(CV::PitchGainD),          .group = MainRotor,
     .column = 1, .row = 2},
    {.id = CAdvanceMenuDialog::IdAcceleration,         .label = QT_TRANSLATE_NOOP("CAdvanceMenuDialog", "Acceleration"),          .source = Named(CV::Acc1),                .group = MainRotor,
     .column = 0, .row = 3},
    {.id = CAdvanceMenuDialog::IdDeceleration,         .label = QT_TRANSLATE_NOOP("CAdvanceMenuDialog", "Deceleration"),          .source = Named(CV::Acc2),                .group = MainRotor,
     .column = 1, .row = 3},
    {.id = CAdvanceMenuDialog::IdRcDeadBand,           .label = QT_TRANSLATE_NOOP("CAdvanceMenuDialog", "RC dead band"),          .source = Named(CV::DeadBand1),           .group = MainRotor,
     .column = 0, .row = 4},
    {.id = CAdvanceMenuDialog::IdGyroDeadBand,         .label = QT_TRANSLATE_NOOP("CAdvanceMenuDialog", "Gyro dead band"),        .source = Named(CV::DeadBand2),           .group = MainRotor,
     .column = 1, .row = 4},
    {.id = CAdvanceMenuDialog::IdBurst,                .label = QT_TRANSLATE_NOOP("CAdvanceMenuDialog", "Burst Coefficient"),     .source = Unnamed(Bytes::HardCoef),       .group = MainRotor,
     .column = 0, .row = 5},
    {.id = CAdvanceMenuDialog::IdYawP,                 .label = QT_TRANSLATE_NOOP("CAdvanceMenuDialog", "Yaw P gain"),            .source = Named(CV::TailGainP),           .group = TailRotor,
     .column = 0, .row = 0},
    {.id = CAdvanceMenuDialog::IdYawI,                 .label = QT_TRANSLATE_NOOP("CAdvanceMenuDialog", "Yaw I gain"),            .source = Named(CV::TailGainI),           .group = TailRotor,
     .column = 0, .row = 1},
    {.id = CAdvanceMenuDialog::IdYawD,                 .label = QT_TRANSLATE_NOOP("CAdvanceMenuDialog", "Yaw D gain"),            .source = Named(CV::TailGainD),           .group = TailRotor,
     .column = 0, .row = 2},
    {.id = CAdvanceMenuDialog::IdAccelerationL,        .label = QT_TRANSLATE_NOOP("CAdvanceMenuDialog", "Acceleration L"),        .source = Named(CV::Acc3),                .group = TailRotor,
     .column = 1, .row = 0},
    {.id = CAdvanceMenuDialog::IdAccelerationR,        .label = QT_TRANSLATE_NOOP("CAdvanceMenuDialog", "Acceleration R"),        .source = Named(CV::Acc4),                .group = TailRotor,
     .column = 1, .row = 1},
    {.id = CAdvanceMenuDialog::IdDecelerationL,        .label = QT_TRANSLATE_NOOP("CAdvanceMenuDialog", "Deceleration L"),        .source = Named(CV::Acc6),                .group = TailRotor,
     .column = 1, .row = 2},
    {.id = CAdvanceMenuDialog::IdDecelerationR,        .label = QT_TRANSLATE_NOOP("CAdvanceMenuDialog", "Deceleration R"),        .source = Named(CV::Acc5),                .group = TailRotor,
     .column = 1, .row = 3},
    {.id = CAdvanceMenuDialog::IdTailRcDeadBand,       .label = QT_TRANSLATE_NOOP("CAdvanceMenuDialog", "RC dead band"),          .source = Named(CV::DeadBand3),           .group = TailRotor,
     .column = 0, .row = 3},
    {.id = CAdvanceMenuDialog::IdTailGyroDeadBand,     .label = QT_TRANSLATE_NOOP("CAdvanceMenuDialog", "Gyro dead band"),        .source = Named(CV::DeadBand4),           .group = TailRotor,
     .column = 0, .row = 4},
    {.id = CAdvanceMenuDialog::IdCollectiveToTail,     .label = QT_TRANSLATE_NOOP("CAdvanceMenuDialog", "Collective to tail"),    .source = Named(CV::TailCompsate1),       .group = TailRotor,
     .column = 0, .row = 6},
    {.id = CAdvanceMenuDialog::IdCyclicToTail,         .label = QT_TRANSLATE_NOOP("CAdvanceMenuDialog", "Cyclic to tail"),        .source = Named(CV::TailCompsate2),       .group = TailRotor,
     .column = 1, .row = 6},
    {.id = CAdvanceMenuDialog::IdGovernorP,            .label = QT_TRANSLATE_NOOP("CAdvanceMenuDialog", "P gain"),                .source = Unnamed(Bytes::RPMGainP),       .group = Governor,
     .column = 0, .row = 0},
    {.id = CAdvanceMenuDialog::IdGovernorI,            .label = QT_TRANSLATE_NOOP("CAdvanceMenuDialog", "I gain"),                .source = Unnamed(Bytes::RPMGainI),       .group = Governor,
     .column = 0, .row = 1},
    {.id = CAdvanceMenuDialog::IdGovernorD,            .label = QT_TRANSLATE_NOOP("CAdvanceMenuDialog", "D gain"),                .source = Unnamed(Bytes::RPMGainD),       .group = Governor,
     .column = 0, .row = 2},
    {.id = CAdvanceMenuDialog::IdGovernorTotal,        .label = QT_TRANSLATE_NOOP("CAdvanceMenuDialog", "Total gain"),            .source = Unnamed(Bytes::RPMTotalGain),   .group = Governor,
     .column = 1, .row = 0},
    {.id = CAdvanceMenuDialog::IdCollectiveCompensate, .label = QT_TRANSLATE_NOOP("CAdvanceMenuDialog", "Collective compensate"), .source = Unnamed(Bytes::RPMCompensate1), .group = Governor,
     .column = 1, .row = 1},
    {.id = CAdvanceMenuDialog::IdCyclicCompensate,     .label = QT_TRANSLATE_NOOP("CAdvanceMenuDialog", "Cyclic compensate"),     .source = Unnamed(Bytes::RPMCompensate2), .group = Governor,
     .column = 1, .row = 2},
};
// clang-format on

// "Zero pitch": shown only, in the main rotor group beside "Burst Coefficient".
constexpr int kZeroPitchColumn = 1, kZeroPitchRow = 5;
// "Tail compensate" heads the two compensation fields of the tail group.
constexpr int kTailCompensateRow = 5;

// ---- balloon help ------------------------------------------------------------------

// The help markers beside the two selections explain the value chosen there;
// each field's balloon is its value's help text.
struct HelpMarkerDef {
    int id;
    CV value;
};
constexpr HelpMarkerDef kHelpMarkers[] = {
    {CAdvanceMenuDialog::IdAuxHelp, CV::AuxFunction},
    {CAdvanceMenuDialog::IdConditionHelp, CV::Condition},
};

// ---- small helpers -------------------------------------------------------------------

const char* const kCalibrateRpm = QT_TRANSLATE_NOOP("CAdvanceMenuDialog", "Calibrate RPM");
const char* const kGovernorOn = QT_TRANSLATE_NOOP("CAdvanceMenuDialog", "Governor On");

constexpr int kDialogWidth = 437, kDialogHeight = 280;
constexpr QSize kHelpMarkerSize{24, 24};

// Static texts are drawn over the dialog's (or group's) background.
QLabel* AddDialogStatic(QWidget* parent, const QString& text, const QRect& rect) {
    QLabel* label = AddStatic(parent, text, rect);
    label->setAttribute(Qt::WA_TranslucentBackground);
    // Beside an edit box of the same height, centred on its text.
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

int SourceValue(const Orvex& o, const Source& s) { return s.named() ? o.config[s.name] : *BytePtr(o.image, s.direct); }

}  // namespace

const QPoint CAdvanceMenuDialog::kHelpPicturePoints[2] = {QPoint(350, 380), QPoint(350, 460)};

CAdvanceMenuDialog::CAdvanceMenuDialog(Orvex& orvex, QWidget* parent) : QDialog(parent), orvex_(orvex) {
    setObjectName(QStringLiteral("id248"));
    setFixedSize(DluSize(kDialogWidth, kDialogHeight));
    helpPicture_ = LoadPng(kHelpPictureId);
    LoadValues();
    BuildControls();
    InitDialog();
    RetranslateUi();
    NestInGroupFrames(this);
    FocusOrder::Apply(this);
    // The first box opens selected, so a number typed replaces its value ("90", not "8090").
    if (QWidget* first = FocusOrder::First(this, this)) {
        first->setFocus(Qt::OtherFocusReason);
        if (auto* box = qobject_cast<QLineEdit*>(first)) box->selectAll();
    }
}

CAdvanceMenuDialog::~CAdvanceMenuDialog() { orvex_.session.Remove(this); }

QString CAdvanceMenuDialog::LabelText(CV value) { return QCoreApplication::translate("ParameterTable", Label(value)); }

void CAdvanceMenuDialog::RetranslateUi() {
    setWindowTitle(tr("Advance Menu"));
    for (int g = 0; g < GroupCount; ++g) groups_[g]->setTitle(tr(kGroups[g].title));
    for (const Field& f : fields_) {
        const FieldDef& d = kFields[f.def];
        f.label->setText(tr(d.label));
        f.edit->setAccessibleName(QCoreApplication::translate("ParameterTable", Label(DeviceOf(d.source))));
        LabelFor(f.label, f.edit);
    }
    zeroPitchLabel_->setText(tr("Zero pitch"));
    zeroPitchEdit_->setAccessibleName(LabelText(CV::ZeroPitch));
    LabelFor(zeroPitchLabel_, zeroPitchEdit_);
    tailCompensate_->setText(tr("Tail compensate"));
    const QString items[2][2] = {{tr("Switch yaw gain"), tr("Switch condition")}, {tr("Condition1"), tr("Condition2")}};
    QComboBox* const combos[2] = {auxCombo_, conditionCombo_};
    const CV values[2] = {CV::AuxFunction, CV::Condition};
    const GroupId groups[2] = {AuxChannel, ConditionGroup};
    for (int i = 0; i < 2; ++i) {
        for (int k = 0; k < 2; ++k) combos[i]->setItemText(k, items[i][k]);
        NameWithChoice(combos[i], LabelText(values[i]));
        helpMarkers_[i]->setAccessibleName(tr("Help: %1").arg(tr(kGroups[groups[i]].title)));
    }
    const std::pair<QAbstractButton*, QString> buttons[] = {
        {governorOff_, tr("Governor Off")}, {resetZero_, tr("Reset zero")}, {ok_, tr("OK")}, {cancel_, tr("Cancel")}};
    for (const auto& [button, text] : buttons) {
        button->setText(text);
        button->setAccessibleName(text);
    }
    governorReset_->setText(tr("Reset"));
    governorReset_->setAccessibleName(tr("Reset governor"));
    SetCalibrateText(calibrateText_ ? calibrateText_ : kCalibrateRpm);
    AddBalloonHelp();
}

void CAdvanceMenuDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && cancel_) RetranslateUi();
    QDialog::changeEvent(event);
}

void CAdvanceMenuDialog::done(int result) {
    orvex_.session.Remove(this);
    QDialog::done(result);
}

// ---- construction -------------------------------------------------------------------

void CAdvanceMenuDialog::LoadValues() {
    for (int i = 0; i < int(std::size(kFields)); ++i)
        fields_.push_back({i, nullptr, SourceValue(orvex_, kFields[i].source)});
    zeroPitch_ = orvex_.config[CV::ZeroPitch];
    conditionIndex_ = orvex_.config[CV::Condition] - 1;
    auxIndex_ = orvex_.config[CV::AuxFunction];
    governorMode_ = *BytePtr(orvex_.image, Bytes::GovernorMode);
}

void CAdvanceMenuDialog::BuildControls() {
    BuildGroups();
    BuildFields();
    BuildSelections();
    BuildGovernor();
    BuildButtons();
}

void CAdvanceMenuDialog::BuildGroups() {
    for (int g = 0; g < GroupCount; ++g) {
        auto* box = new QGroupBox(this);
        groups_[g] = box;
        box->setObjectName(QString::fromLatin1(kGroups[g].objectName));
        box->setGeometry(DluRect(kGroups[g].x, kGroups[g].y, kGroups[g].w, kGroups[g].h));
        box->lower();  // behind the statics and controls that sit on it
    }
}

void CAdvanceMenuDialog::BuildFields() {
    for (Field& f : fields_) {
        const FieldDef& d = kFields[f.def];
        const ColumnDef& c = Column(d.group, d.column);
        const int x = kGroups[d.group].x, y = RowY(d.group, d.row);
        QLabel* text = AddDialogStatic(this, QString(), DluRect(x + c.labelX, y, c.labelW, kEditHeight));
        text->setObjectName(QStringLiteral("label%1").arg(d.id));
        f.label = text;
        f.edit = new QLineEdit(this);
        f.edit->setGeometry(DluRect(x + c.editX, y, c.editW, kEditHeight));
        f.edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        f.edit->setMaxLength(6);
        NameControl(f.edit, d.id);
        MarkValueControl(f.edit, DefOf(d.source).name);
        DataExchange::WriteInt(f.edit, f.value);
    }

    const ColumnDef& c = Column(MainRotor, kZeroPitchColumn);
    const int x = kGroups[MainRotor].x, y = RowY(MainRotor, kZeroPitchRow);
    zeroPitchLabel_ = AddDialogStatic(this, QString(), DluRect(x + c.labelX, y, c.labelW, kEditHeight));
    zeroPitchLabel_->setObjectName(QStringLiteral("label%1").arg(IdZeroPitch));
    zeroPitchEdit_ = new QLineEdit(this);
    zeroPitchEdit_->setGeometry(DluRect(x + c.editX, y, c.editW, kEditHeight));
    zeroPitchEdit_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    zeroPitchEdit_->setEnabled(false);
    NameControl(zeroPitchEdit_, IdZeroPitch);
    DataExchange::WriteInt(zeroPitchEdit_, zeroPitch_);

    resetZero_ = new QPushButton(this);
    const int resetWidth = 60;
    resetZero_->setGeometry(
        DluRect(x + c.editX + c.editW - resetWidth, RowY(MainRotor, kZeroPitchRow + 1) - 1, resetWidth, kButtonHeight));
    resetZero_->setAutoDefault(false);
    NameControl(resetZero_, IdResetZero);
    connect(resetZero_, &QPushButton::clicked, this, &CAdvanceMenuDialog::OnResetZero);

    const ColumnDef& t = Column(TailRotor, 0);
    tailCompensate_ = AddDialogStatic(this, QString(),
                                      DluRect(kGroups[TailRotor].x + t.labelX, RowY(TailRotor, kTailCompensateRow) + 8,
                                              kGroups[TailRotor].w - 2 * t.labelX, kEditHeight));
    tailCompensate_->setObjectName(QStringLiteral("tailCompensate"));
    QFont bold = tailCompensate_->font();
    bold.setBold(true);
    tailCompensate_->setFont(bold);
}

void CAdvanceMenuDialog::BuildSelections() {
    struct ComboDef {
        int id;
        CV value;
        GroupId group;
        int items;
        QComboBox* CAdvanceMenuDialog::*member;
        void (CAdvanceMenuDialog::*chosen)(int);
        int helpId;
    };
    // clang-format off
    const ComboDef combos[] = {
        {IdAuxFunction, CV::AuxFunction, AuxChannel,     2,
         &CAdvanceMenuDialog::auxCombo_,       &CAdvanceMenuDialog::OnAuxFunctionChosen, IdAuxHelp},
        {IdCondition,   CV::Condition,   ConditionGroup, 2,
         &CAdvanceMenuDialog::conditionCombo_, &CAdvanceMenuDialog::OnConditionChosen,   IdConditionHelp},
    };
    // clang-format on
    for (size_t i = 0; i < std::size(combos); ++i) {
        const ComboDef& d = combos[i];
        const GroupDef& g = kGroups[d.group];
        // Drawn in its group but not its child: a reader would take the group's
        // title for the box's name and drop its value.
        auto* combo = new QComboBox(this);
        for (int k = 0; k < d.items; ++k) combo->addItem(QString());
        combo->setGeometry(DluRect(g.x + 8, g.y + 15, 120, kButtonHeight));
        NameControl(combo, d.id);
        MarkValueControl(combo, ByteOf(d.value).name);
        // Only the user's choice acts on the device; refreshes set the index quietly.
        connect(combo, &QComboBox::activated, this, d.chosen);
        this->*d.member = combo;

        // The help marker: picture 262 is painted by the dialog, this static
        // over it carries the balloon text.
        helpMarkers_[i] = AddDialogStatic(this, QString(), QRect(kHelpPicturePoints[i], kHelpMarkerSize));
        NameControl(helpMarkers_[i], d.helpId);
    }
    auxCombo_->setCurrentIndex(auxIndex_);
    conditionCombo_->setCurrentIndex(conditionIndex_);
}

void CAdvanceMenuDialog::BuildGovernor() {
    const GroupDef& g = kGroups[Governor];
    const int y = g.y + 13;
    governorOff_ = new QRadioButton(this);
    governorOff_->setGeometry(DluRect(g.x + 8, y, 62, kEditHeight));
    NameControl(governorOff_, IdGovernorOff);
    governorCalibrate_ = new QRadioButton(this);
    governorCalibrate_->setGeometry(DluRect(g.x + 74, y, 74, kEditHeight));
    NameControl(governorCalibrate_, IdGovernorCalibrate);

    governorReset_ = new QPushButton(this);
    governorReset_->setGeometry(DluRect(g.x + 152, y - 1, 46, kButtonHeight));
    governorReset_->setAutoDefault(false);
    NameControl(governorReset_, IdGovernorReset);
    connect(governorReset_, &QPushButton::clicked, this, &CAdvanceMenuDialog::OnGovernorReset);
}

void CAdvanceMenuDialog::BuildButtons() {
    ok_ = new QPushButton(this);
    ok_->setGeometry(DluRect(kDialogWidth - 7 - 50 - 6 - 50, kDialogHeight - 7 - kButtonHeight, 50, kButtonHeight));
    ok_->setDefault(true);
    NameControl(ok_, IdOk);
    connect(ok_, &QPushButton::clicked, this, &CAdvanceMenuDialog::accept);
    ScreenFit::KeepInView(ok_);

    cancel_ = new QPushButton(this);
    cancel_->setGeometry(DluRect(kDialogWidth - 7 - 50, kDialogHeight - 7 - kButtonHeight, 50, kButtonHeight));
    cancel_->setAutoDefault(false);
    NameControl(cancel_, IdCancel);
    connect(cancel_, &QPushButton::clicked, this, &CAdvanceMenuDialog::reject);
    ScreenFit::KeepInView(cancel_);
}

// ---- initialisation ------------------------------------------------------------------

void CAdvanceMenuDialog::InitDialog() {
    Skin::SkinWindow(this, Skin::Style::Form);
    orvex_.session.Push(this);
    conditionCombo_->setEnabled(orvex_.config[CV::AuxFunction] == 0);
    ShowGovernorMode();
    // Connected after the first display, so that showing the mode is not taken for a choice.
    connect(governorOff_, &QRadioButton::toggled, this, &CAdvanceMenuDialog::OnGovernorOff);
    connect(governorCalibrate_, &QRadioButton::toggled, this, &CAdvanceMenuDialog::OnGovernorCalibrate);
}

void CAdvanceMenuDialog::ShowGovernorMode() {
    switch (governorMode_) {
        case 0:
            governorOff_->setChecked(true);
            SetCalibrateText(kCalibrateRpm);
            break;
        case 1:
            governorCalibrate_->setChecked(true);
            SetCalibrateText(kCalibrateRpm);
            break;
        case 2:
            governorCalibrate_->setChecked(true);
            SetCalibrateText(kGovernorOn);
            break;
        default:  // an unknown mode leaves both radios off
            break;
    }
}

void CAdvanceMenuDialog::SetCalibrateText(const char* source) {
    calibrateText_ = source;
    governorCalibrate_->setText(tr(source));
    governorCalibrate_->setAccessibleName(governorCalibrate_->text());
}

// Again after a language change: the same tools take the help in the new language.
void CAdvanceMenuDialog::AddBalloonHelp() {
    if (!balloon_) {
        balloon_ = new CBalloonTip();
        balloon_->setObjectName(QStringLiteral("balloon"));
        balloon_->Attach(this);
    }
    const QPixmap icon = LoadPng(kBalloonIconId);
    const auto help = [](const char* text) { return QCoreApplication::translate("ParameterTable", text); };
    for (const Field& f : fields_)
        if (const char* text = Help(DeviceOf(kFields[f.def].source))) balloon_->AddTool(f.edit, help(text), icon);
    for (const HelpMarkerDef& h : kHelpMarkers) {
        QWidget* control = findChild<QWidget*>(ControlName(h.id));
        if (!control) {
            qCWarning(lcAdvanceMenu) << "no control for help" << h.id;
            continue;
        }
        balloon_->AddTool(control, help(Help(h.value)), icon);
    }
}

// ---- immediate actions ------------------------------------------------------------------

void CAdvanceMenuDialog::OnAuxFunctionChosen(int index) {
    auxIndex_ = index;
    *BytePtr(orvex_.image, Def(CV::AuxFunction).device) = static_cast<int8_t>(index);
    SendParameters(orvex_);
    orvex_.config[CV::AuxFunction] = static_cast<int8_t>(index);
    conditionCombo_->setEnabled(index == 0);
    qCInfo(lcAdvanceMenu) << "AUX channel function" << index;
}

void CAdvanceMenuDialog::OnConditionChosen(int index) {
    conditionIndex_ = index;
    Command::SetCondition(orvex_, index + 1);
    qCInfo(lcAdvanceMenu) << "condition" << index + 1;
}

void CAdvanceMenuDialog::OnResetZero() {
    Command::ResetZero(orvex_);
    qCInfo(lcAdvanceMenu) << "reset zero";
}

void CAdvanceMenuDialog::OnGovernorOff(bool checked) {
    if (!checked) return;
    governorMode_ = 0;
    SetCalibrateText(kCalibrateRpm);
}

void CAdvanceMenuDialog::OnGovernorCalibrate(bool checked) {
    // Only a change of choice counts: pressing "Governor On" again keeps the
    // running governor instead of quietly turning it into a calibration.
    if (checked) governorMode_ = 1;
}

// The governor's fields return to their factory values; nothing is sent until OK.
void CAdvanceMenuDialog::OnGovernorReset() {
    for (Field& f : fields_) {
        const FieldDef& d = kFields[f.def];
        if (d.group != Governor) continue;
        f.value = DefOf(d.source).factory;
        DataExchange::WriteInt(f.edit, f.value);
    }
}

// ---- OK -------------------------------------------------------------------------------

bool CAdvanceMenuDialog::ReadFields(std::vector<int>& values) {
    values.clear();
    for (const Field& f : fields_) {
        const FieldDef& d = kFields[f.def];
        int value = f.value;
        const ByteDef& range = DefOf(d.source);
        if (!DataExchange::ReadInt(f.edit, value, range.low, range.high, this)) return false;
        values.push_back(value);
    }
    return true;
}

void CAdvanceMenuDialog::WriteImage(const std::vector<int>& values) {
    for (size_t i = 0; i < fields_.size(); ++i) {
        fields_[i].value = values[i];
        *BytePtr(orvex_.image, DeviceOf(kFields[fields_[i].def].source)) = static_cast<int8_t>(values[i]);
    }
    *BytePtr(orvex_.image, Bytes::GovernorMode) = static_cast<int8_t>(governorMode_);
    SendParameters(orvex_);
    for (const Field& f : fields_) {
        const Source& s = kFields[f.def].source;
        if (s.named()) orvex_.config[s.name] = static_cast<int8_t>(f.value);
        DataExchange::Confirm(f.edit);
    }
}

void CAdvanceMenuDialog::accept() {
    // Nothing is written or sent unless every field passes its test: a
    // half-applied set of gains would reach the helicopter unseen.
    std::vector<int> values;
    if (!ReadFields(values)) return;
    WriteImage(values);
    qCInfo(lcAdvanceMenu) << "parameters sent";
    QDialog::accept();
}

// ---- link -------------------------------------------------------------------------------

void CAdvanceMenuDialog::OnLinkReceive(int portNumber) {
    if (ReceiveEveryFrame(orvex_, stage_, parser_, portNumber).answered) {
        RefreshFromImage();
        Command::Acknowledge(orvex_);
    }
}

void CAdvanceMenuDialog::RefreshFromImage() {
    ImageToConfig(orvex_, CopyForm::Page);
    for (Field& f : fields_) {
        const Source& s = kFields[f.def].source;
        if (!s.named()) continue;  // governor and burst fields keep what the dialog shows
        // A number being typed stays as it is until OK takes it.
        if (f.edit->isModified()) continue;
        f.value = orvex_.config[s.name];
        DataExchange::RefreshInt(f.edit, f.value);
    }
    zeroPitch_ = orvex_.config[CV::ZeroPitch];
    DataExchange::RefreshInt(zeroPitchEdit_, zeroPitch_);
    conditionIndex_ = orvex_.config[CV::Condition] - 1;
    conditionCombo_->setCurrentIndex(conditionIndex_);
    auxIndex_ = orvex_.config[CV::AuxFunction];
    auxCombo_->setCurrentIndex(auxIndex_);
}

// ---- painting ------------------------------------------------------------------------------

void CAdvanceMenuDialog::paintEvent(QPaintEvent* e) {
    QDialog::paintEvent(e);
    if (helpPicture_.isNull()) return;
    QPainter painter(this);
    for (const QPoint& at : kHelpPicturePoints) painter.drawPixmap(at, helpPicture_);
}
