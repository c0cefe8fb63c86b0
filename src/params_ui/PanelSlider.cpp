#include "params_ui/PanelSlider.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

namespace {
constexpr int kTickLength = 4;
const QColor kTickColour(0x9a, 0xa8, 0xb6);
}  // namespace

PanelSlider::PanelSlider(QWidget* parent) : QSlider(Qt::Vertical, parent) { setTickPosition(QSlider::TicksBothSides); }

int PanelSlider::HandleCentreY(int position) const {
    QStyleOptionSlider opt;
    initStyleOption(&opt);
    opt.sliderPosition = position;
    opt.sliderValue = position;
    return style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, this).center().y();
}

void PanelSlider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionSlider opt;
    initStyleOption(&opt);
    opt.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
    style()->drawComplexControl(QStyle::CC_Slider, &opt, &painter, this);
    painter.end();
    if (tickPosition() != NoTicks && tickInterval() > 0) DrawTicks();
}

void PanelSlider::DrawTicks() {
    QPainter painter(this);
    painter.setPen(kTickColour);
    auto tick = [&](int position) {
        const int y = HandleCentreY(position);
        painter.drawLine(0, y, kTickLength - 1, y);
        painter.drawLine(width() - kTickLength, y, width() - 1, y);
    };
    for (int position = maximum(); position > minimum(); position -= tickInterval()) tick(position);
    tick(minimum());
}
