#pragma once
// Shows where the keyboard focus is, on every control of every window,
// whatever the style or skin draws: once focus has moved by the keyboard
// (Tab, Backtab, a shortcut) in a window, its focused control gets a frame of
// the palette's highlight colour, 2 pixels wide, along the inside of its edge.
// A click in the window takes the frame away again, so the mouse user's look
// stays as it was. One filter on the application, installed with the others by
// InstallApplicationFilters().

#include <QObject>

class QPainter;
class QWidget;

class FocusFrame : public QObject {
    Q_OBJECT
public:
    static void Install();
    static constexpr int kWidth = 2;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
    bool PaintWithFrame(QWidget* control, QEvent* paint);
    bool lastInputWasKey_ = false;
};
