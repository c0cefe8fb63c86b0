#pragma once
// Small pieces several wizard pages share: group boxes that frame part of a
// page without hiding the pictures drawn under them, and push buttons whose
// caption breaks into two lines when it does not fit on one.

#include <QString>

class QGroupBox;
class QPushButton;
class QWidget;

namespace PageParts {

// A group box (title may be empty) at a place in dialog units, behind the
// page's controls; its inside stays see-through so pictures show.
QGroupBox* AddGroup(QWidget* page, const QString& title, int x, int y, int w, int h);

// Sets the caption; a caption too wide for the button is broken at the space
// that gives the two most even lines. The accessible name is the caption.
void SetCaption(QPushButton* button, const QString& caption);
// The caption as set, on one line.
QString Caption(const QPushButton* button);

}  // namespace PageParts
