#pragma once
// Every window names its controls after their template ids ("id1179"), so that
// tests, the skin and help pictures find a control by id alone.

#include <QString>

class QComboBox;
class QLabel;
class QRect;
class QWidget;

QString ControlName(int id);
void NameControl(QWidget* control, int id);
// The same, with the name a screen reader speaks.
void NameControl(QWidget* control, int id, const QString& accessibleName);
// A reader does not speak the new name of a push button that has the focus
// ("CH1 servo direction: Reverse" after a press): Rename sets the name and,
// when it changed on the focused control, announces it.
void Rename(QWidget* control, const QString& accessibleName);
// A reader speaks a label related to a control in place of the control's own
// name ("Gain" for "Roll gain"): the relation is made only where the label
// says what the name says (called again after a language change, it drops a
// relation the texts no longer bear out).
void LabelFor(QLabel* label, QWidget* control);
// A reader hears every combo box as "name: choice" ("COM port: orvex-sim
// (simulated Orvex)"), with no label related in its place: installed once,
// before the first box is read.
void InstallComboBoxReading();
// Names a box; a reader also hears a choice an arrow key or the wheel makes
// on the closed box.
void NameWithChoice(QComboBox* combo, const QString& accessibleName);
// A control that edits a parameter value carries the value's table name
// ("FixMode") in this property, so the control is found by what it edits.
inline constexpr char kEditsValueProperty[] = "editsValue";
void MarkValueControl(QWidget* control, const char* valueName);
// A static text drawn over its parent's background and pictures, never on a
// box of its own; rect in client pixels.
QLabel* AddStatic(QWidget* parent, const QString& text, const QRect& rect);
// Stands over a picture its parent paints (rect in client pixels) and draws
// nothing: assistive tools read the picture's name and, as its description,
// the text drawn inside it.
QLabel* DescribePicture(QWidget* parent, const QRect& rect, const QString& name, const QString& text);
// A screen reader keeps the states it first read of an object, and Qt tells it
// "showing" but never "visible" when a hidden widget is shown: what it first
// read hidden (a wizard page behind the one on screen) would stay invisible to
// its flat review. Called as root is shown, this gives root and everything in
// it fresh accessible objects, which the reader reads anew; with no reader
// listening it does nothing.
void RenewForReaders(QWidget* root);
