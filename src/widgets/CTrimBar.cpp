#include "widgets/CTrimBar.h"

namespace {
constexpr int kBackgroundPicture = 183;
}

CTrimBar::CTrimBar(QWidget* parent) : CSignalBar(Qt::Vertical, kBackgroundPicture, parent) {}

QRect CTrimBar::BarRect(QSize client, int value, int maximum) {
    const float ratio = BarRatio(value, maximum);
    if (ratio == 0.0f) return {};
    const int half = (client.height() + 1) / 2;
    const int width = client.width() - 2;
    QRect bar;
    if (ratio > 0.0f)  // ends at the centre line, grows upward
        bar = QRect(1, int(half * (1.0f - ratio)), width, int(half * ratio + 1.0f));
    else  // starts at the centre line, grows downward
        bar = QRect(1, half, width, int(-ratio * half + 1.0f));
    return bar.intersected(QRect(QPoint(0, 0), client));
}

QRect CTrimBar::Bar(QSize client, int value, int maximum) const { return BarRect(client, value, maximum); }
