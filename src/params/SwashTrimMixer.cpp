#include "params/SwashTrimMixer.h"

#include <algorithm>
#include <cmath>

namespace ServoTrim {

int Clamp(int trim) {
    const ByteDef& range = ByteOf(Bytes::ServoAdjustCH1);
    return std::clamp<int>(trim, range.low, range.high);
}

int Step(int trim, int direction, bool up) {
    if (direction != 1 && direction != -1) return Clamp(trim);
    return Clamp(trim + (up ? direction : -direction));
}

}  // namespace ServoTrim

namespace {

struct CcpmRow {
    int swashPlateType;
    SwashTrimMixer::Coefficients k;
};
// Single-precision values, as the device's own mixer uses them.
constexpr CcpmRow kCcpm[] = {
    {2, {1.09375f, 0.625f, 1.25f, 1.0f}},  // 120 degree
    {3, {0.875f, 0.875f, 1.234f, 1.0f}},   // 135 degree
    {4, {0.8125f, 0.969f, 1.266f, 1.0f}},  // 140 degree
    {5, {1.25f, 0.0f, 1.25f, 1.0f}},       // 90 degree: pitch moves the third servo only
};

int Truncated(float v) { return static_cast<int>(std::trunc(v)); }

}  // namespace

std::optional<SwashTrimMixer::Coefficients> SwashTrimMixer::CoefficientsOf(int swashPlateType) {
    for (const CcpmRow& row : kCcpm)
        if (row.swashPlateType == swashPlateType) return row.k;
    return std::nullopt;
}

int SwashTrimMixer::ServoOf(Axis axis) {
    switch (axis) {
        case Axis::Roll:
            return 0;
        case Axis::Pitch:
            return 1;
        case Axis::Collective:
            return 2;
    }
    return 2;
}

SwashTrimMixer::Trims SwashTrimMixer::Move(const Trims& trims,
                                           const ParameterImage& image,
                                           const Directions& s,
                                           int swashPlateType,
                                           Axis axis,
                                           int step) {
    Trims out = trims;
    if (const auto k = CoefficientsOf(swashPlateType)) {
        k_ = *k;
        ReadPosition(image, s);
        float& moved = axis == Axis::Roll    ? position_.roll
                       : axis == Axis::Pitch ? position_.pitch
                                             : position_.collective;
        moved += static_cast<float>(step);
        out = MixedTrims(s);
    } else {
        // A mechanical mixer has one servo per axis. Values that are not a
        // swashplate at all (an airframe type, 0) show the mechanical mixer's
        // picture on the page, so the buttons act as that picture says.
        const int servo = ServoOf(axis);
        out[servo] += step * s[servo];
    }
    for (int& t : out) t = ServoTrim::Clamp(t);
    return out;
}

void SwashTrimMixer::ReadPosition(const ParameterImage& image, const Directions& s) {
    const int e1 = *BytePtr(image, Bytes::ServoAdjustCH1) * s[0];
    const int e2 = *BytePtr(image, Bytes::ServoAdjustCH2) * s[1];
    const int e3 = *BytePtr(image, Bytes::ServoAdjustCH3) * s[2];
    position_.roll = static_cast<float>(e2 - e1) / (2 * k_.Kr);
    position_.pitch = static_cast<float>(e1 + e2 - 2 * e3) / (2 * (k_.Kp + k_.Kt));
    position_.collective = (static_cast<float>(e3) + k_.Kt * position_.pitch) / k_.Kc;
}

SwashTrimMixer::Trims SwashTrimMixer::MixedTrims(const Directions& s) const {
    const Position& p = position_;
    return {
        Truncated(k_.Kp * p.pitch + k_.Kc * p.collective - k_.Kr * p.roll) * s[0],
        Truncated(k_.Kp * p.pitch + k_.Kc * p.collective + k_.Kr * p.roll) * s[1],
        Truncated(k_.Kc * p.collective - k_.Kt * p.pitch) * s[2],
    };
}
