#pragma once
// Every window names its controls after their template ids ("id1179"), so that
// tests, the skin and help pictures find a control by id alone.

#include <QString>

class QLabel;
class QRect;
class QWidget;

QString ControlName(int id);
void NameControl(QWidget* control, int id);
// The same, with the name a screen reader speaks.
void NameControl(QWidget* control, int id, const QString& accessibleName);
// A static text drawn over its parent's background and pictures, never on a
// box of its own; rect in client pixels.
QLabel* AddStatic(QWidget* parent, const QString& text, const QRect& rect);
