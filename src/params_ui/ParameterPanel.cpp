#include "params_ui/ParameterPanel.h"

#include "params/Orvex.h"
#include "params_ui/FormControls.h"
#include "params_ui/MainFormLayout.h"
#include "params_ui/PanelSlider.h"
#include "widgets/AppLog.h"
#include "widgets/CPngButton.h"
#include "widgets/DataExchange.h"
#include "widgets/Dialogs.h"
#include "widgets/SliderSettle.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>
#include <span>

using namespace FormControls;
using namespace MainFormLayout;

namespace {

struct SliderDef {
    int sliderId;
    int editId;
    const char* title;
    bool gainScale;
};

// In panel order (kPanelDefs).
constexpr SliderDef kSliders[7] = {
    {.sliderId = MainFormIds::PitchAgility,
     .editId = MainFormIds::PitchAgilityEdit,
     .title = "Agility",
     .gainScale = false},
    {.sliderId = MainFormIds::PitchGain, .editId = MainFormIds::PitchGainEdit, .title = "Gain", .gainScale = true},
    {.sliderId = MainFormIds::RollAgility,
     .editId = MainFormIds::RollAgilityEdit,
     .title = "Agility",
     .gainScale = false},
    {.sliderId = MainFormIds::RollGain, .editId = MainFormIds::RollGainEdit, .title = "Gain", .gainScale = true},
    {.sliderId = MainFormIds::YawRateL, .editId = MainFormIds::YawRateLEdit, .title = "Yaw rate L", .gainScale = false},
    {.sliderId = MainFormIds::YawRateR, .editId = MainFormIds::YawRateREdit, .title = "Yaw rate R", .gainScale = false},
    {.sliderId = MainFormIds::TailGain, .editId = MainFormIds::TailGainEdit, .title = "Gain", .gainScale = true},
};

// The scale beside a slider names both ends of its range and these marks
// between them, from the top.
constexpr int kAgilityMarks[] = {45, 30};
constexpr int kGainMarks[] = {110, 95, 75, 60, 45, 30};

std::vector<int> ScaleOf(const ByteDef& range, std::span<const int> marks) {
    std::vector<int> scale{range.high};
    for (int v : marks)
        if (v > range.low && v < range.high) scale.push_back(v);
    scale.push_back(range.low);
    return scale;
}

const ByteDef& RangeOf(int index) { return ByteOf(kPanelDefs[index].name); }

struct PresetDef {
    Preset preset;
    int id;
    int picture;
    const char* caption;
};

// Top to bottom on the form.
constexpr PresetDef kPresets[PresetCount] = {
    {.preset = PresetBeginner, .id = MainFormIds::Beginner, .picture = 244, .caption = "Beginner"},
    {.preset = PresetF3C, .id = MainFormIds::F3C, .picture = 243, .caption = "F-3C"},
    {.preset = PresetSoft3D, .id = MainFormIds::Soft3D, .picture = 245, .caption = "Soft 3D"},
    {.preset = Preset3DHardcore, .id = MainFormIds::Hardcore3D, .picture = 246, .caption = "3D Hardcore"},
    {.preset = Preset3DExtreme, .id = MainFormIds::Extreme3D, .picture = 247, .caption = "3D Extreme"},
};

constexpr int kMainRotorIndexes[] = {0, 1, 2, 3};  // pitch agility, pitch gain, roll agility, roll gain
constexpr int kTailRotorIndexes[] = {4, 5, 6};     // yaw rate L, yaw rate R, tail gain

}  // namespace

ParameterPanel::ParameterPanel(QWidget* form, Orvex& orvex) : QObject(form), form_(form), o_(orvex) {
    setObjectName(QStringLiteral("parameterPanel"));
    CreateGroups(form);
    CreateSliders(form);
    CreateButtons(form);
}

void ParameterPanel::CreateGroups(QWidget* form) {
    MakeGroup(form, QStringLiteral("Main rotor"), kMainRotor);
    MakeGroup(form, QStringLiteral("Roll"), kRoll);
    MakeGroup(form, QStringLiteral("Pitch"), kPitch);
    MakeGroup(form, QStringLiteral("Tail rotor"), kTailRotor);
    MakeGroup(form, QStringLiteral("Preset parameters"), kPresetGroup);
}

void ParameterPanel::CreateSliders(QWidget* form) {
    for (int i = 0; i < 7; ++i) {
        const SliderDef& def = kSliders[i];
        const int centre = SliderCentre(kColumns[i]);

        auto* title = new QLabel(QString::fromLatin1(def.title), form);
        title->setAlignment(Qt::AlignCenter);
        title->setGeometry(DluRect(centre - 26, kColumnTitleY, 52, kColumnTitleH));

        const CV value = kPanelDefs[i].name;
        const QString name = QString::fromLatin1(Label(value));
        auto* slider = new PanelSlider(form);
        NameControl(slider, def.sliderId, name);
        MarkValueControl(slider, ByteOf(value).name);
        title->setBuddy(slider);
        slider->setGeometry(DluRect(centre - kSliderW / 2, kSliderY, kSliderW, kSliderH));
        sliders_[i] = slider;
        connect(slider, &QSlider::valueChanged, this, [this, i] { OnDrag(i); });
        settles_[i] = new SliderSettle(slider, [this, i] { OnRelease(i); });
        slider->installEventFilter(this);

        const std::span<const int> marks =
            def.gainScale ? std::span<const int>(kGainMarks) : std::span<const int>(kAgilityMarks);
        for (int value : ScaleOf(RangeOf(i), marks)) {
            auto* label = new QLabel(QString::number(value), form);
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            label->setProperty("scaleValue", value);
            label->setObjectName(QStringLiteral("scale"));
            scales_[i].push_back(label);
        }

        auto* edit = new QLineEdit(form);
        NameControl(edit, def.editId);
        edit->setAccessibleName(name + QStringLiteral(" value"));
        MarkValueControl(edit, ByteOf(value).name);
        edit->setAlignment(Qt::AlignCenter);
        edit->setGeometry(DluRect(centre - kEditW / 2, kEditY, kEditW, kEditH));
        edit->installEventFilter(this);
        edits_[i] = edit;
    }
    WriteEdits();
}

void ParameterPanel::CreateButtons(QWidget* form) {
    resets_[MainRotorReset] = MakeButton(form, QStringLiteral("Reset"), MainFormIds::MainReset, kMainReset);
    resets_[MainRotorReset]->setAccessibleName(QStringLiteral("Reset main rotor"));
    resets_[TailRotorReset] = MakeButton(form, QStringLiteral("Reset"), MainFormIds::TailReset, kTailReset);
    resets_[TailRotorReset]->setAccessibleName(QStringLiteral("Reset tail rotor"));
    allDataReset_ = MakeButton(form, QStringLiteral("All data reset"), MainFormIds::AllDataReset, kAllDataReset);
    connect(resets_[MainRotorReset], &QPushButton::clicked, this, [this] { OnReset(MainRotorReset); });
    connect(resets_[TailRotorReset], &QPushButton::clicked, this, [this] { OnReset(TailRotorReset); });
    connect(allDataReset_, &QPushButton::clicked, this, &ParameterPanel::OnAllDataReset);

    for (int k = 0; k < PresetCount; ++k) {
        const PresetDef& def = kPresets[k];
        auto* button = new CPngButton(QString::fromLatin1(def.caption), form);
        NameControl(button, def.id);
        button->SetImage(def.picture);
        button->setCheckable(true);  // one of five: the red frame is its checked state
        button->move(DluPoint(kPresetX, kPresetY + k * kPresetStep));
        presets_[def.preset] = button;
        connect(button, &CPngButton::clicked, this, [this, p = def.preset] { OnPreset(p); });
    }
}

void ParameterPanel::InitSliders() {
    for (int i = 0; i < 7; ++i) {
        QSlider* slider = sliders_[i];
        const ByteDef& range = RangeOf(i);
        const QSignalBlocker block(slider);
        slider->setRange(range.low, range.high);
        slider->setPageStep(std::max(1, (range.high - range.low) / 5));
        slider->setTickInterval(kTickFrequency);
        SetSliderPosition(i);
    }
    PlaceScales();
}

void ParameterPanel::PlaceScales() {
    for (int i = 0; i < 7; ++i) {
        PanelSlider* slider = sliders_[i];
        slider->ensurePolished();
        const int right = slider->x() - DluX(1);
        const int height = DluY(kScaleH);
        for (QLabel* label : scales_[i]) {
            const int y = slider->y() + slider->HandleCentreY(label->property("scaleValue").toInt());
            label->setGeometry(right - DluX(kScaleW), y - height / 2, DluX(kScaleW), height);
        }
    }
}

QSlider* ParameterPanel::slider(int index) const { return sliders_[index]; }

void ParameterPanel::SetSliderPosition(int index) {
    const QSignalBlocker block(sliders_[index]);
    // The slider keeps the position inside its range, as a trackbar does.
    sliders_[index]->setValue(panel_.value[index]);
}

void ParameterPanel::SetSliderPositions() {
    for (int i = 0; i < 7; ++i) SetSliderPosition(i);
}

void ParameterPanel::WriteEdits() {
    for (int i = 0; i < 7; ++i) DataExchange::WriteInt(edits_[i], panel_.value[i]);
}

void ParameterPanel::RefreshEdits() {
    for (int i = 0; i < 7; ++i) DataExchange::RefreshInt(edits_[i], panel_.value[i]);
}

void ParameterPanel::ReadEdits() {
    for (int i = 0; i < 7; ++i)
        DataExchange::ReadInt(edits_[i], panel_.value[i], RangeOf(i).low, RangeOf(i).high, form_);
}

void ParameterPanel::WriteTuningByte(int index) {
    *BytePtr(o_.image, Def(kPanelDefs[index].name).device) = static_cast<int8_t>(panel_.value[index]);
}

void ParameterPanel::ShowImage() {
    const PanelValues shown = panel_;
    panel_ = PanelFromImage(o_.image);
    // A key move not sent yet wins over a reply that still holds the old value.
    for (size_t i = 0; i < settles_.size(); ++i)
        if (settles_[i]->pending()) panel_.value[i] = shown.value[i];
    SetSliderPositions();
    RefreshEdits();
}

void ParameterPanel::ShowValues(const PanelValues& values) {
    panel_ = values;
    SetSliderPositions();
    WriteEdits();
}

// A drag (or a key moving the slider) changes the value and the boxes; the
// value is sent when the mouse lets go or the move has settled. The box the
// user may be typing in elsewhere keeps its text.
void ParameterPanel::OnDrag(int index) {
    panel_.value[index] = sliders_[index]->value();
    for (int i = 0; i < 7; ++i) {
        if (i == index)
            DataExchange::WriteInt(edits_[i], panel_.value[i]);
        else
            DataExchange::RefreshInt(edits_[i], panel_.value[i]);
    }
}

void ParameterPanel::OnRelease(int index) {
    qCDebug(lcAppUi) << "slider" << Label(kPanelDefs[index].name) << "released at" << panel_.value[index];
    settles_[index]->Cancel();
    WriteTuningByte(index);
    SendParameters(o_);
}

void ParameterPanel::OnEnter(int index) {
    ReadEdits();
    SetSliderPosition(index);
    const ByteDef& range = RangeOf(index);
    int& value = panel_.value[index];
    value = std::clamp<int>(value, range.low, range.high);
    WriteTuningByte(index);
    o_.config[kPanelDefs[index].name] = static_cast<int8_t>(value);
    qCDebug(lcAppUi) << Label(kPanelDefs[index].name) << "entered as" << value;
    SendParameters(o_);
    WriteEdits();
    form_->update();
}

void ParameterPanel::OnPreset(Preset preset) {
    Dialogs::Message(form_, QString::fromLatin1(kPresetMessages[preset]));
    for (int k = 0; k < PresetCount; ++k) presets_[k]->SetChosen(k == preset);
    panel_ = ApplyPreset(o_, preset);
    snapshot_ = panel_;
    SetSliderPositions();
    WriteEdits();
}

void ParameterPanel::OnReset(ResetGroup group) {
    auto restore = [this](int i) {
        panel_.value[i] = snapshot_.value[i];
        o_.config[kPanelDefs[i].name] = static_cast<int8_t>(panel_.value[i]);
        WriteTuningByte(i);
        SetSliderPosition(i);
    };
    if (group == MainRotorReset)
        std::for_each(std::begin(kMainRotorIndexes), std::end(kMainRotorIndexes), restore);
    else
        std::for_each(std::begin(kTailRotorIndexes), std::end(kTailRotorIndexes), restore);
    WriteEdits();
    SendParameters(o_);
}

void ParameterPanel::OnAllDataReset() {
    ResetAllParameters(o_);
    panel_ = PanelFromImage(o_.image);
    SetSliderPositions();
    WriteEdits();
}

bool ParameterPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const auto it = std::find(edits_.begin(), edits_.end(), watched);
        if (it != edits_.end() && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            // One press is one entry: a held key's repeats are not new entries.
            if (!key->isAutoRepeat()) OnEnter(static_cast<int>(it - edits_.begin()));
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const auto it = std::find(sliders_.begin(), sliders_.end(), watched);
        if (it != sliders_.end() && mouse->button() == Qt::LeftButton)
            OnRelease(static_cast<int>(it - sliders_.begin()));
    }
    return QObject::eventFilter(watched, event);
}
