#pragma once
// The everyday flight tuning on the main form: seven vertical sliders with
// their edit boxes and scales (groups "Main rotor" with "Roll" and "Pitch",
// and "Tail rotor"), the two Reset buttons, the five preset buttons and "All
// data reset". Every change is written into TuningBlock and sent at once;
// dragging a slider sends nothing until the mouse button is released.
//
// The controls are children of the form; this object owns the values and
// handles the controls' signals and events.

#include "params/ConfigValues.h"
#include "params/ParameterTable.h"

#include <QObject>

#include <array>

class CPngButton;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QWidget;
class ValueSlider;
struct Orvex;

class ParameterPanel : public QObject {
    Q_OBJECT
public:
    static constexpr int kTickFrequency = 15;
    enum ResetGroup { MainRotorReset, TailRotorReset };

    ParameterPanel(QWidget* form, Orvex& orvex);

    // Ranges, tick frequency and positions, in the order 1002, 1003, 1010,
    // 1013, 1011, 1025, 1012; then the scales beside them.
    void InitSliders();
    // Every text in the language in use (the form calls it on a language change).
    void RetranslateUi();
    // Lines the scale labels up with the slider positions they name; again
    // after a skin has changed the slider's metrics.
    void PlaceScales();

    // After a parameter reply (or "All data reset"): the panel from the image,
    // then sliders and edit boxes. A box the user is typing in is left alone.
    void ShowImage();
    // After opening a configuration file: these values, sliders and edits.
    void ShowValues(const PanelValues& values);

    const PanelValues& values() const { return panel_; }
    const PanelValues& snapshot() const { return snapshot_; }

    // Controls in kPanelDefs order (pitch agility, pitch gain, roll agility,
    // roll gain, yaw rate L, yaw rate R, tail gain).
    QSlider* slider(int index) const;
    QLineEdit* edit(int index) const;
    CPngButton* presetButton(Preset preset) const { return presets_[preset]; }

private:
    void CreateGroups(QWidget* form);
    void CreateSliders(QWidget* form);
    void CreateButtons(QWidget* form);

    void OnDrag(int index);
    void OnRelease(int index);
    void OnEnter(int index, int value);
    void OnPreset(Preset preset);
    void OnReset(ResetGroup group);
    void OnAllDataReset();

    void SetSliderPosition(int index);
    void SetSliderPositions();
    void WriteEdits();
    void ReadEdits();
    void WriteTuningByte(int index);

    QWidget* form_;
    Orvex& o_;
    PanelValues panel_;
    PanelValues snapshot_;
    std::array<ValueSlider*, 7> sliders_{};
    std::array<QLabel*, 7> titles_{};
    std::array<QGroupBox*, 5> groups_{};
    std::array<CPngButton*, PresetCount> presets_{};
    std::array<QPushButton*, 2> resets_{};
    QPushButton* allDataReset_ = nullptr;
};
