#pragma once
// Layout scale of the whole program: a dialog unit is 1.75 pixels across and
// 2 pixels down (the proportions of an 8-point dialog font, large enough for
// the pictures that the wizard pages draw at fixed pixel points). Pictures are
// placed at fixed pixel points; controls laid out in dialog units are
// converted here, and only here.

#include <QPoint>
#include <QRect>
#include <QSize>

constexpr double kDialogUnitX = 1.75;
constexpr double kDialogUnitY = 2.0;

constexpr int DluX(int dlu) { return static_cast<int>(dlu * kDialogUnitX + 0.5); }
constexpr int DluY(int dlu) { return static_cast<int>(dlu * kDialogUnitY + 0.5); }
inline QRect DluRect(int x, int y, int w, int h) { return QRect(DluX(x), DluY(y), DluX(w), DluY(h)); }
inline QPoint DluPoint(int x, int y) { return QPoint(DluX(x), DluY(y)); }
inline QSize DluSize(int w, int h) { return QSize(DluX(w), DluY(h)); }
