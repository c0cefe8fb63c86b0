#include "widgets/CSignalBar.h"
#include "widgets/Pictures.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace {

// Position along the growth axis of the bar's end next to the centre.
int InnerEnd(const QRect& bar, int value, Qt::Orientation growth) {
    const bool vertical = growth == Qt::Vertical;
    if (value > 0) return vertical ? bar.bottom() : bar.right();
    return vertical ? bar.top() : bar.left();
}

// Position along the growth axis where the bar for value ends: both bars
// grow from the centre towards lower coordinates for positive values and
// higher ones for negative values; no bar ends at the centre.
int OuterEnd(const QRect& bar, int value, Qt::Orientation growth, QSize client) {
    const bool vertical = growth == Qt::Vertical;
    if (value == 0 || bar.isEmpty()) return ((vertical ? client.height() : client.width()) + 1) / 2;
    if (value > 0) return vertical ? bar.top() : bar.left();
    return vertical ? bar.bottom() : bar.right();
}

// What assistive tools see of a bar: a read-only level with its name and value.
// Not a progress bar: screen readers announce every progress bar on screen by
// number ("Progress bar 1, -21 percent") at intervals, without its name.
class SignalBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SignalBarAccessible(CSignalBar* bar) : QAccessibleWidget(bar, QAccessible::Slider) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return QString::number(bar()->toldValue());
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return bar()->toldValue(); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return bar()->readMaximum(); }
    QVariant minimumValue() const override { return bar()->readMinimum(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    CSignalBar* bar() const { return static_cast<CSignalBar*>(object()); }
};

QAccessibleInterface* SignalBarFactory(const QString&, QObject* object) {
    if (auto* bar = qobject_cast<CSignalBar*>(object)) return new SignalBarAccessible(bar);
    return nullptr;
}

}  // namespace

float BarRatio(int value, int maximum) {
    if (maximum <= 0) return 0.0f;
    return float(value) / float(maximum);
}

CSignalBar::CSignalBar(Qt::Orientation growth, int backgroundId, QWidget* parent)
    : QWidget(parent), growth_(growth), background_(LoadPng(backgroundId)) {
    static const bool factoryInstalled = (QAccessible::installFactory(SignalBarFactory), true);
    static_cast<void>(factoryInstalled);
}

void CSignalBar::SetRange(int a, int b) {
    minimum_ = std::min(a, b);
    maximum_ = std::max(a, b);
}

int CSignalBar::SetValue(int v) {
    const QRect oldBar = currentBar();
    const int oldValue = value_;
    const int inRange = (v >= minimum_ && v <= maximum_) ? 1 : 0;
    value_ = std::clamp(v, minimum_, maximum_);
    const QRect newBar = currentBar();
    lastInvalidated_ = ChangedStrip(oldBar, oldValue, newBar, value_);
    lastRegion_ = QRegion(lastInvalidated_) + CentreSliver(oldBar, oldValue, newBar, value_);
    if (!lastRegion_.isEmpty()) update(lastRegion_);
    if (!paced_) TellValue();
    return inRange;
}

void CSignalBar::TellValue() {
    if (toldValue_ == readValue()) return;
    toldValue_ = readValue();
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent changed(this, toldValue_);
        QAccessible::updateAccessibility(&changed);
    }
}

QSize CSignalBar::sizeHint() const {
    if (!background_.isNull()) return background_.deviceIndependentSize().toSize();
    return growth_ == Qt::Vertical ? QSize(16, 100) : QSize(100, 16);
}

void CSignalBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!background_.isNull()) painter.drawPixmap(rect(), background_);
    const QRect bar = currentBar();
    if (!bar.isEmpty()) painter.fillRect(bar, value_ > 0 ? PositiveColour() : NegativeColour());
}

QRect CSignalBar::ChangedStrip(const QRect& oldBar, int oldValue, const QRect& newBar, int newValue) const {
    if (oldBar == newBar) return {};
    const int oldEnd = OuterEnd(oldBar, oldValue, growth_, size());
    const int newEnd = OuterEnd(newBar, newValue, growth_, size());
    const int first = std::min(oldEnd, newEnd);
    const int length = std::max(oldEnd, newEnd) - first + 1;
    if (growth_ == Qt::Vertical) return QRect(0, first, width(), length).intersected(rect());
    return QRect(first, 0, length, height()).intersected(rect());
}

QRect CSignalBar::CentreSliver(const QRect& oldBar, int oldValue, const QRect& newBar, int newValue) const {
    const bool sameSide = (oldValue > 0 && newValue > 0) || (oldValue < 0 && newValue < 0);
    if (!sameSide || oldBar.isEmpty() || newBar.isEmpty())
        return {};  // the strip between the outer ends already crosses the centre
    const int oldInner = InnerEnd(oldBar, oldValue, growth_);
    const int newInner = InnerEnd(newBar, newValue, growth_);
    if (oldInner == newInner) return {};
    const int first = std::min(oldInner, newInner);
    const int length = std::abs(oldInner - newInner) + 1;
    if (growth_ == Qt::Vertical) return QRect(0, first, width(), length).intersected(rect());
    return QRect(first, 0, length, height()).intersected(rect());
}
