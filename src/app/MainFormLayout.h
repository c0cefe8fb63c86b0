#pragma once
// Where everything sits on the main form, in dialog units (DialogUnits.h);
// the pictures and lamps are placed at fixed pixel points.

#include "DialogUnits.h"

#include <QPoint>
#include <QRect>

namespace MainFormLayout {

struct Box {
    int x, y, w, h;
    QRect px() const { return DluRect(x, y, w, h); }
};

// Pictures (pixels).
inline constexpr QPoint kPicturePoint{765, 390};
inline constexpr QPoint kLampPoints[3] = {{820, 15}, {850, 15}, {880, 15}};
inline constexpr QRect kLampRect{QPoint(820, 15), QPoint(909, 44)};  // (820, 15)-(910, 45)

// Connection strip along the top.
inline constexpr Box kPortLabel{8, 10, 22, 10};
inline constexpr Box kPortCombo{30, 8, 150, 14};
inline constexpr Box kConnect{186, 8, 58, 14};
inline constexpr Box kVersion{521, 10, 44, 10};

// Parameter groups.
inline constexpr Box kMainRotor{8, 30, 258, 262};
inline constexpr Box kRoll{14, 42, 121, 212};
inline constexpr Box kPitch{139, 42, 121, 212};
inline constexpr Box kMainReset{107, 266, 56, 16};
inline constexpr Box kTailRotor{272, 30, 160, 262};
inline constexpr Box kTailReset{324, 266, 56, 16};

// One slider column: title, scale, slider and edit box, laid out around the
// slider's centre line.
struct Column {
    int x, width;
};
inline constexpr int kColumnTitleY = 58, kColumnTitleH = 10;
inline constexpr int kSliderY = 70, kSliderH = 160, kSliderW = 18;
inline constexpr int kScaleW = 17, kScaleH = 8;
inline constexpr int kEditY = 236, kEditW = 28, kEditH = 13;
// Columns in panel order: pitch agility, pitch gain, roll agility, roll gain,
// yaw rate L, yaw rate R, tail gain.
inline constexpr Column kColumns[7] = {{142, 58}, {201, 58}, {17, 58}, {76, 58}, {277, 50}, {328, 50}, {379, 50}};
// The slider's centre sits right of the column's middle, leaving room for the scale.
constexpr int SliderCentre(const Column& c) { return c.x + c.width / 2 + 6; }

// Presets.
inline constexpr Box kPresetGroup{437, 30, 126, 186};
inline constexpr int kPresetX = 457, kPresetY = 46, kPresetStep = 33;

// Firmware upgrade and the dialog buttons along the bottom.
inline constexpr Box kFirmwareGroup{8, 300, 200, 56};
inline constexpr Box kOpen{20, 320, 80, 18};
inline constexpr Box kUpgrade{114, 320, 80, 18};
inline constexpr Box kSetup{222, 320, 64, 18};
inline constexpr Box kAdvance{294, 320, 64, 18};
inline constexpr Box kAllDataReset{366, 320, 66, 18};

}  // namespace MainFormLayout
