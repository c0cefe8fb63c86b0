#include "widgets/FocusFrame.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPainter>
#include <QWidget>

void FocusFrame::Install() {
    static FocusFrame* frame = nullptr;
    if (frame || !qApp) return;
    frame = new FocusFrame(qApp);
    qApp->installEventFilter(frame);
}

bool FocusFrame::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
        case QEvent::KeyPress:
            lastInputWasKey_ = true;
            return false;
        case QEvent::MouseButtonPress:
            lastInputWasKey_ = false;
            return false;
        case QEvent::FocusIn:
            // Per window, as Qt's styles keep it: the keyboard turns the frame on, a click turns it off.
            switch (static_cast<QFocusEvent*>(event)->reason()) {
                case Qt::TabFocusReason:
                case Qt::BacktabFocusReason:
                case Qt::ShortcutFocusReason:
                    // A window shown after a click gets its first focus with the Tab
                    // reason too; only a key press makes it the keyboard's.
                    if (lastInputWasKey_) widget->window()->setAttribute(Qt::WA_KeyboardFocusChange, true);
                    break;
                case Qt::MouseFocusReason:
                    widget->window()->setAttribute(Qt::WA_KeyboardFocusChange, false);
                    break;
                case Qt::ActiveWindowFocusReason:
                    // A dialog opened from the keyboard shows its focus at once.
                    if (QWidget* opener = widget->window()->parentWidget();
                        opener && opener->window()->testAttribute(Qt::WA_KeyboardFocusChange))
                        widget->window()->setAttribute(Qt::WA_KeyboardFocusChange, true);
                    break;
                default:
                    break;
            }
            widget->update();
            return false;
        case QEvent::FocusOut:
            widget->update();
            return false;
        case QEvent::Paint:
            // The focus widget itself, not a widget that reads as focused through its
            // focus proxy (a scroll area's viewport, which only its scroll area paints).
            return widget == QApplication::focusWidget() &&
                   widget->window()->testAttribute(Qt::WA_KeyboardFocusChange) && PaintWithFrame(widget, event);
        default:
            return false;
    }
}

bool FocusFrame::PaintWithFrame(QWidget* control, QEvent* paint) {
    // Popups (menus, drop-down lists) show their own current item.
    if (control->isWindow() || control->window()->windowType() == Qt::Popup) return false;
    // The control paints itself first (event filters are not asked again); the frame goes on top.
    static_cast<QObject*>(control)->event(paint);
    QPainter painter(control);
    QPen pen(control->palette().color(QPalette::Active, QPalette::Highlight), kWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const qreal inset = kWidth / 2.0;
    painter.drawRect(QRectF(control->rect()).adjusted(inset, inset, -inset, -inset));
    // A white line inside it: the highlight alone hardly shows on a red or blue face.
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(QRectF(control->rect()).adjusted(kWidth + 0.5, kWidth + 0.5, -kWidth - 0.5, -kWidth - 0.5));
    return true;
}
