#include "widgets/CHorizontalTrimBar.h"

#include <algorithm>

namespace {
constexpr int kBackgroundPicture = 184;
}

CHorizontalTrimBar::CHorizontalTrimBar(QWidget* parent) : CSignalBar(Qt::Horizontal, kBackgroundPicture, parent) {}

QRect CHorizontalTrimBar::BarRect(QSize client, int value, int maximum) {
    const float ratio = BarRatio(value, maximum);
    if (ratio == 0.0f) return {};
    const int half = (client.width() + 1) / 2;
    const int height = client.height() - 2;
    QRect bar;
    if (ratio > 0.0f)  // ends at the centre, grows to the left
        bar = QRect(int(half * (1.0f - ratio)), 1, int(half * ratio + 1.0f), height);
    else  // starts at the centre, grows to the right
        bar = QRect(half, 1, std::max(0, int(-ratio * half - 1.0f)), height);
    return bar.intersected(QRect(QPoint(0, 0), client));
}

QRect CHorizontalTrimBar::Bar(QSize client, int value, int maximum) const { return BarRect(client, value, maximum); }
