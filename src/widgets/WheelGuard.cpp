#include "widgets/WheelGuard.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QScrollBar>

namespace {

// A control whose value the wheel changes (scroll bars only move a view).
bool ChangesValueOnWheel(const QWidget* w) {
    if (qobject_cast<const QScrollBar*>(w)) return false;
    return qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QAbstractSlider*>(w);
}

const QWidget* ValueControlAt(const QWidget* w) {
    for (; w && !w->isWindow(); w = w->parentWidget())
        if (ChangesValueOnWheel(w)) return w;
    return nullptr;
}

// The control, or a part of it, has the keyboard focus of its window.
bool HasFocusInWindow(const QWidget* control) {
    const QWidget* focus = control->window()->focusWidget();
    return focus && (focus == control || control->isAncestorOf(focus));
}

}  // namespace

void WheelGuard::Install() {
    static WheelGuard* guard = nullptr;
    if (guard || !qApp) return;
    guard = new WheelGuard(qApp);
    qApp->installEventFilter(guard);
}

bool WheelGuard::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::Polish) {
        // Focus comes from a click or Tab, never from the wheel.
        if (widget->focusPolicy() == Qt::WheelFocus) widget->setFocusPolicy(Qt::StrongFocus);
    } else if (event->type() == QEvent::Wheel) {
        const QWidget* control = ValueControlAt(widget);
        if (control && !HasFocusInWindow(control)) return true;
    }
    return false;
}
