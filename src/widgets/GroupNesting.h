#pragma once
// Group frames are laid out as siblings of the controls they surround, so a
// screen reader never names the group a focused control sits in. A QGroupBox
// cannot simply become their parent: Qt then offers its title as every
// child's label, which a reader speaks in place of the control's own name
// ("Roll" for "Roll gain"). NestInGroupFrames puts the widgets lying wholly
// inside a frame (the innermost, where frames nest) into an invisible holder
// over the frame, a grouping named after the frame's title whatever the
// language; every widget keeps its place on screen, its visibility and its
// stacking. Call it once the container has all its widgets and before
// FocusOrder::Apply.

class QWidget;

void NestInGroupFrames(QWidget* container);
