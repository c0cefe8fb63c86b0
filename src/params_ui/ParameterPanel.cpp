#include "params_ui/ParameterPanel.h"

#include "params/Orvex.h"
#include "params_ui/FormControls.h"
#include "params_ui/MainFormLayout.h"
#include "widgets/AppLog.h"
#include "widgets/CPngButton.h"
#include "widgets/DataExchange.h"
#include "widgets/Dialogs.h"
#include "widgets/ValueSlider.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <span>
#include <tuple>

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
// clang-format off
constexpr SliderDef kSliders[7] = {
    {.sliderId = MainFormIds::PitchAgility, .editId = MainFormIds::PitchAgilityEdit, .title = QT_TRANSLATE_NOOP("ParameterPanel", "Agility"),    .gainScale = false},
    {.sliderId = MainFormIds::PitchGain,    .editId = MainFormIds::PitchGainEdit,    .title = QT_TRANSLATE_NOOP("ParameterPanel", "Gain"),       .gainScale = true},
    {.sliderId = MainFormIds::RollAgility,  .editId = MainFormIds::RollAgilityEdit,  .title = QT_TRANSLATE_NOOP("ParameterPanel", "Agility"),    .gainScale = false},
    {.sliderId = MainFormIds::RollGain,     .editId = MainFormIds::RollGainEdit,     .title = QT_TRANSLATE_NOOP("ParameterPanel", "Gain"),       .gainScale = true},
    {.sliderId = MainFormIds::YawRateL,     .editId = MainFormIds::YawRateLEdit,     .title = QT_TRANSLATE_NOOP("ParameterPanel", "Yaw rate L"), .gainScale = false},
    {.sliderId = MainFormIds::YawRateR,     .editId = MainFormIds::YawRateREdit,     .title = QT_TRANSLATE_NOOP("ParameterPanel", "Yaw rate R"), .gainScale = false},
    {.sliderId = MainFormIds::TailGain,     .editId = MainFormIds::TailGainEdit,     .title = QT_TRANSLATE_NOOP("ParameterPanel", "Gain"),       .gainScale = true},
};
// clang-format on

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
    {.preset = PresetBeginner,
     .id = MainFormIds::Beginner,
     .picture = 244,
     .caption = QT_TRANSLATE_NOOP("ParameterPanel", "Beginner")},
    {.preset = PresetF3C,
     .id = MainFormIds::F3C,
     .picture = 243,
     .caption = QT_TRANSLATE_NOOP("ParameterPanel", "F-3C")},
    {.preset = PresetSoft3D,
     .id = MainFormIds::Soft3D,
     .picture = 245,
     .caption = QT_TRANSLATE_NOOP("ParameterPanel", "Soft 3D")},
    {.preset = Preset3DHardcore,
     .id = MainFormIds::Hardcore3D,
     .picture = 246,
     .caption = QT_TRANSLATE_NOOP("ParameterPanel", "3D Hardcore")},
    {.preset = Preset3DExtreme,
     .id = MainFormIds::Extreme3D,
     .picture = 247,
     .caption = QT_TRANSLATE_NOOP("ParameterPanel", "3D Extreme")},
};

// The group frames, named after their English titles.
struct GroupDef {
    const char* title;
    const Box* box;
};
const GroupDef kGroups[] = {
    {QT_TRANSLATE_NOOP("ParameterPanel", "Main rotor"), &kMainRotor},
    {QT_TRANSLATE_NOOP("ParameterPanel", "Roll"), &kRoll},
    {QT_TRANSLATE_NOOP("ParameterPanel", "Pitch"), &kPitch},
    {QT_TRANSLATE_NOOP("ParameterPanel", "Tail rotor"), &kTailRotor},
    {QT_TRANSLATE_NOOP("ParameterPanel", "Preset parameters"), &kPresetGroup},
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
    for (size_t g = 0; g < std::size(kGroups); ++g)
        groups_[g] = MakeGroup(form, QString::fromLatin1(kGroups[g].title), *kGroups[g].box);
}

void ParameterPanel::RetranslateUi() {
    for (size_t g = 0; g < std::size(kGroups); ++g) {
        groups_[g]->setTitle(tr(kGroups[g].title));
        groups_[g]->setAccessibleName(groups_[g]->title());
    }
    for (int i = 0; i < 7; ++i) {
        titles_[i]->setText(tr(kSliders[i].title));
        sliders_[i]->SetName(QCoreApplication::translate("ParameterTable", Label(kPanelDefs[i].name)));
        LabelFor(titles_[i], sliders_[i]);
    }
    const std::tuple<QPushButton*, QString, QString> buttons[] = {
        {resets_[MainRotorReset], tr("Reset"), tr("Reset main rotor")},
        {resets_[TailRotorReset], tr("Reset"), tr("Reset tail rotor")},
        {allDataReset_, tr("All data reset"), tr("All data reset")},
    };
    for (const auto& [button, caption, name] : buttons) {
        button->setText(caption);
        button->setAccessibleName(name);
    }
    for (int k = 0; k < PresetCount; ++k) {
        presets_[kPresets[k].preset]->setText(tr(kPresets[k].caption));
        presets_[kPresets[k].preset]->setAccessibleName(presets_[kPresets[k].preset]->text());
    }
}

void ParameterPanel::CreateSliders(QWidget* form) {
    for (int i = 0; i < 7; ++i) {
        const SliderDef& def = kSliders[i];
        const int centre = SliderCentre(kColumns[i]);

        auto* title = new QLabel(form);
        titles_[i] = title;
        title->setAlignment(Qt::AlignCenter);
        title->setGeometry(DluRect(centre - 26, kColumnTitleY, 52, kColumnTitleH));

        const ValueSlider::Policy policy{.moved = [this, i](int) { OnDrag(i); },
                                         .send = [this, i](int) { OnRelease(i); },
                                         .entered = [this, i](int value) { OnEnter(i, value); },
                                         .read =
                                             [this, i] {
                                                 ReadEdits();
                                                 return panel_.value[i];
                                             }};
        const CV value = kPanelDefs[i].name;
        auto* slider = new ValueSlider(form, def.sliderId, def.editId, QString(), policy);
        MarkValueControl(slider, ByteOf(value).name);
        MarkValueControl(slider->edit(), ByteOf(value).name);
        slider->setGeometry(DluRect(centre - kSliderW / 2, kSliderY, kSliderW, kSliderH));
        slider->edit()->setGeometry(DluRect(centre - kEditW / 2, kEditY, kEditW, kEditH));
        const std::span<const int> marks =
            def.gainScale ? std::span<const int>(kGainMarks) : std::span<const int>(kAgilityMarks);
        slider->SetScale(ScaleOf(RangeOf(i), marks), kScaleW);
        sliders_[i] = slider;
    }
    WriteEdits();
}

void ParameterPanel::CreateButtons(QWidget* form) {
    resets_[MainRotorReset] = MakeButton(form, QString(), MainFormIds::MainReset, kMainReset);
    resets_[TailRotorReset] = MakeButton(form, QString(), MainFormIds::TailReset, kTailReset);
    allDataReset_ = MakeButton(form, QString(), MainFormIds::AllDataReset, kAllDataReset);
    connect(resets_[MainRotorReset], &QPushButton::clicked, this, [this] { OnReset(MainRotorReset); });
    connect(resets_[TailRotorReset], &QPushButton::clicked, this, [this] { OnReset(TailRotorReset); });
    connect(allDataReset_, &QPushButton::clicked, this, &ParameterPanel::OnAllDataReset);

    for (int k = 0; k < PresetCount; ++k) {
        const PresetDef& def = kPresets[k];
        auto* button = new CPngButton(QString(), form);
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
        sliders_[i]->SetRange(RangeOf(i).low, RangeOf(i).high, kTickFrequency);
        SetSliderPosition(i);
    }
    PlaceScales();
}

void ParameterPanel::PlaceScales() {
    for (ValueSlider* slider : sliders_) slider->PlaceScale();
}

QSlider* ParameterPanel::slider(int index) const { return sliders_[index]; }
QLineEdit* ParameterPanel::edit(int index) const { return sliders_[index]->edit(); }

void ParameterPanel::SetSliderPosition(int index) { sliders_[index]->ShowNumber(panel_.value[index]); }

void ParameterPanel::SetSliderPositions() {
    for (int i = 0; i < 7; ++i) SetSliderPosition(i);
}

void ParameterPanel::WriteEdits() {
    for (int i = 0; i < 7; ++i) DataExchange::WriteInt(edit(i), panel_.value[i]);
}

void ParameterPanel::ReadEdits() {
    for (int i = 0; i < 7; ++i) DataExchange::ReadInt(edit(i), panel_.value[i], RangeOf(i).low, RangeOf(i).high, form_);
}

void ParameterPanel::WriteTuningByte(int index) {
    *BytePtr(o_.image, Def(kPanelDefs[index].name).device) = static_cast<int8_t>(panel_.value[index]);
}

void ParameterPanel::ShowImage() {
    const PanelValues unit = PanelFromImage(o_.image);
    // A held slider or a key move not sent yet wins over a reply that still holds the old value.
    for (int i = 0; i < 7; ++i) panel_.value[i] = sliders_[i]->Refresh(unit.value[i]);
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
    panel_.value[index] = sliders_[index]->number();
    for (int i = 0; i < 7; ++i)
        if (i != index) DataExchange::RefreshInt(edit(i), panel_.value[i]);
}

void ParameterPanel::OnRelease(int index) {
    qCDebug(lcAppUi) << "slider" << Label(kPanelDefs[index].name) << "released at" << panel_.value[index];
    WriteTuningByte(index);
    SendParameters(o_);
}

void ParameterPanel::OnEnter(int index, int value) {
    panel_.value[index] = value;
    WriteTuningByte(index);
    o_.config[kPanelDefs[index].name] = static_cast<int8_t>(value);
    qCDebug(lcAppUi) << Label(kPanelDefs[index].name) << "entered as" << value;
    SendParameters(o_);
    WriteEdits();
    form_->update();
}

void ParameterPanel::OnPreset(Preset preset) {
    Dialogs::Message(form_, QCoreApplication::translate("ParameterTable", kPresetMessages[preset]));
    for (int k = 0; k < PresetCount; ++k) presets_[k]->SetChosen(k == preset);
    ChangeLog::Origin origin(o_.changes, CoreText::Of("ChangeLog", QT_TRANSLATE_NOOP("ChangeLog", "Preset %1"),
                                                      {CoreText::Of("ParameterPanel", kPresets[preset].caption)}));
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
    ChangeLog::Origin origin(o_.changes, CoreText::Of("ChangeLog", QT_TRANSLATE_NOOP("ChangeLog", "All data reset")));
    ResetAllParameters(o_);
    panel_ = PanelFromImage(o_.image);
    SetSliderPositions();
    WriteEdits();
}
