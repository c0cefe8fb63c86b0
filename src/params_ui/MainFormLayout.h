#pragma once
// Where everything sits on the main form, in dialog units (DialogUnits.h:
// 1.75 px across, 2 px down);
// the pictures and lamps are placed at fixed pixel points.

#include "widgets/DialogUnits.h"

#include <QPoint>
#include <QRect>

// Control ids of the main form (the view and its parameter panel); each
// control is named after its id (widgets/ControlNaming.h).
namespace MainFormIds {
constexpr int Connect = 1000, Setup = 1001, Advance = 1009, Open = 1023, Upgrade = 1024;
constexpr int PortList = 1169, Version = 1208;
constexpr int PitchAgility = 1002, PitchGain = 1003, RollAgility = 1010, RollGain = 1013;
constexpr int YawRateL = 1011, YawRateR = 1025, TailGain = 1012;
constexpr int PitchAgilityEdit = 1004, PitchGainEdit = 1005, RollAgilityEdit = 1014, RollGainEdit = 1015;
constexpr int YawRateLEdit = 1016, YawRateREdit = 1128, TailGainEdit = 1017;
constexpr int Beginner = 1006, F3C = 1007, Soft3D = 1008, Hardcore3D = 1018, Extreme3D = 1019;
constexpr int MainReset = 1020, TailReset = 1021, AllDataReset = 1164;
}  // namespace MainFormIds

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
inline constexpr Box kPortLabel{8, 9, 22, 10};
inline constexpr Box kPortCombo{30, 8, 212, 12};
inline constexpr Box kConnect{248, 7, 60, 14};
inline constexpr Box kVersion{521, 9, 44, 10};

// Parameter groups.
inline constexpr Box kMainRotor{8, 26, 258, 234};
inline constexpr Box kRoll{14, 36, 121, 189};
inline constexpr Box kPitch{139, 36, 121, 189};
inline constexpr Box kMainReset{107, 234, 56, 15};
inline constexpr Box kTailRotor{272, 26, 160, 234};
inline constexpr Box kTailReset{324, 234, 56, 15};

// One slider column: title, scale, slider and edit box, laid out around the
// slider's centre line.
struct Column {
    int x, width;
};
inline constexpr int kColumnTitleY = 49, kColumnTitleH = 8;
inline constexpr int kSliderY = 59, kSliderH = 140, kSliderW = 18;
inline constexpr int kScaleW = 17, kScaleH = 8;
inline constexpr int kEditY = 205, kEditW = 28, kEditH = 12;
// Columns in panel order: pitch agility, pitch gain, roll agility, roll gain,
// yaw rate L, yaw rate R, tail gain.
inline constexpr Column kColumns[7] = {{142, 58}, {201, 58}, {17, 58}, {76, 58}, {277, 50}, {328, 50}, {379, 50}};
// The slider's centre sits right of the column's middle, leaving room for the scale.
constexpr int SliderCentre(const Column& c) { return c.x + c.width / 2 + 6; }

// Presets.
inline constexpr Box kPresetGroup{437, 26, 126, 162};
inline constexpr int kPresetX = 457, kPresetY = 40, kPresetStep = 29;

// Firmware upgrade and the dialog buttons along the bottom.
inline constexpr Box kFirmwareGroup{8, 268, 200, 52};
inline constexpr Box kOpen{20, 286, 80, 15};
inline constexpr Box kUpgrade{114, 286, 80, 15};
inline constexpr Box kSetup{222, 286, 64, 15};
inline constexpr Box kAdvance{294, 286, 64, 15};
inline constexpr Box kAllDataReset{366, 286, 66, 15};

}  // namespace MainFormLayout
