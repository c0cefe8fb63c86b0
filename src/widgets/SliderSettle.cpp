#include "widgets/SliderSettle.h"

#include <QSlider>

SliderSettle::SliderSettle(QSlider* slider, std::function<void()> settled) : QObject(slider), slider_(slider) {
    timer_.setSingleShot(true);
    timer_.setInterval(kSettleMs);
    connect(&timer_, &QTimer::timeout, this, [settled = std::move(settled)] { settled(); });
    // A drag is sent when the mouse lets go.
    connect(slider, &QSlider::valueChanged, this, [this] {
        if (!slider_->isSliderDown()) timer_.start();
    });
}
