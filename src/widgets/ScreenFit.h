#pragma once
// Windows keep their fixed size and place wherever the screen has room for
// them. On a smaller or scaled screen (a laptop with panels, 2x scaling) a
// window is placed and sized to fit the screen's available area and its
// fixed-size content scrolls, while the status bar and the buttons that close
// a dialog stay in view below the scrolling part. One application filter
// fits every window at its first show; Install() once after the application
// object exists.

#include <QRect>

class QWidget;

namespace ScreenFit {

// The available area of the screen the window opens on.
QRect AvailableGeometry(const QWidget* window);
// Makes every window fit this area instead of its screen's (an empty rect
// gives the screens back), as on a smaller or scaled screen.
void SetAvailableGeometryForTests(const QRect& area);

// Marks a button that closes or moves through a dialog: it stays in view
// below the scrolling content when the dialog does not fit its screen.
void KeepInView(QWidget* button);

// Fits the window to its screen now (the filter does it at the first show).
void Fit(QWidget* window);

void Install();

}  // namespace ScreenFit
