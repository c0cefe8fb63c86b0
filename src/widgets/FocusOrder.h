#pragma once
// The keyboard's way through a window: Tab visits the controls group by group
// (group frames, whether parents of their controls or frames drawn around
// them, and the widgets that hold controls, such as wizard pages), and inside
// each group from top to bottom, left to right, as the eye reads the window.
// The scroll arrows of tab strips never take focus; FocusFrame shows where
// focus is. Apply once, after the window has all its controls in place.

class QWidget;

namespace FocusOrder {
void Apply(QWidget* window);
// The first control in window's Tab chain inside `within` (a page, or the
// window itself) that Tab can reach now; null when there is none.
QWidget* First(QWidget* window, QWidget* within);
}  // namespace FocusOrder
