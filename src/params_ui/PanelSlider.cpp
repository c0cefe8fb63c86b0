#include "params_ui/PanelSlider.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

namespace {
constexpr int kTickLength = 4;
const QColor kTickColour(0x9a, 0xa8, 0xb6);
}  // namespace

PanelSlider::PanelSlider(QWidget* parent) : QSlider(Qt::Vertical, parent) {
    setInvertedAppearance(true);
    setInvertedControls(true);
    setTickPosition(QSlider::TicksBothSides);
}

int PanelSlider::HandleCentreY(int position) const {
    QStyleOptionSlider opt;
    initStyleOption(&opt);
    opt.sliderPosition = position;
    opt.sliderValue = position;
    return style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, this).center().y();
}

void PanelSlider::paintEvent(QPaintEvent* event) {
    QSlider::paintEvent(event);
    if (!styleSheet().isEmpty() && tickPosition() != NoTicks && tickInterval() > 0) DrawTicks();
}

void PanelSlider::DrawTicks() {
    QPainter painter(this);
    painter.setPen(kTickColour);
    auto tick = [&](int position) {
        const int y = HandleCentreY(position);
        painter.drawLine(0, y, kTickLength - 1, y);
        painter.drawLine(width() - kTickLength, y, width() - 1, y);
    };
    for (int position = minimum(); position < maximum(); position += tickInterval()) tick(position);
    tick(maximum());
}
