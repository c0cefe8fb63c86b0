#pragma once
// The mouse wheel changes a value only on the control that has keyboard focus
// (clicked or tabbed to first): scrolling past a combo box, slider or spin box
// neither changes it nor gives it focus. One filter on the application covers
// every window; Install() once after the application object exists.

#include <QObject>

class WheelGuard : public QObject {
    Q_OBJECT
public:
    static void Install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
