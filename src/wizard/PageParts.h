#pragma once
// Small pieces several wizard pages share: group boxes that frame part of a
// page without hiding the pictures drawn under them, and push buttons that
// keep the size of their template place and break a caption that does not
// fit on one line.

#include "params/ParameterTable.h"

#include <QString>

class QGroupBox;
class QPushButton;
class QWidget;

namespace PageParts {

// A group box (title may be empty) at a place in dialog units, behind the
// page's controls; its inside stays see-through so pictures show. Assistive
// tools call it by its name: what the controls inside it set.
QGroupBox* AddGroup(QWidget* page, const QString& title, const QString& name, int x, int y, int w, int h);

// A push button named after its control id at a place in dialog units. It
// keeps that size whatever minimum width the skin gives buttons, and Enter
// never presses it.
QPushButton* AddButton(QWidget* page, int id, int x, int y, int w, int h);

// Sets the caption, broken into lines at spaces where it is too wide for the
// button. The accessible name is the caption.
// The caption is also the accessible name unless one is given.
void SetCaption(QPushButton* button, const QString& caption, const QString& accessibleName = QString());
// The caption as set, on one line.
QString Caption(const QPushButton* button);

// A value's label from the parameter table in the language shown.
QString LabelText(CV value);

}  // namespace PageParts
