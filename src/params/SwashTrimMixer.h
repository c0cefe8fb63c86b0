#pragma once
// Servo trims of the swashplate: single-servo steps, and whole-swashplate
// moves (collective, cyclic pitch, cyclic roll) turned into trims for all
// three servos by the geometry of the swashplate and each servo's direction.
// Qt-free, so the arithmetic can be checked on its own.

#include "params/ParameterTable.h"

#include <array>
#include <optional>

namespace ServoTrim {

// Every trim action keeps the trims inside the servo trim range of the
// parameter table (the bars show the whole ±kValueSpan). The airplane's fourth
// servo is trimmed the same way, though its byte (TailPoint) allows more.
int Clamp(int trim);

// One press of a servo's up or down arrow. direction is the servo's
// direction byte read as signed: 1 normal, -1 (255) reverse; up raises the
// servo, so a reversed servo's trim goes down. Any other direction leaves the
// trim as it is. The result is clamped.
int Step(int trim, int direction, bool up);

}  // namespace ServoTrim

class SwashTrimMixer {
public:
    enum class Axis { Collective, Pitch, Roll };

    // Mixing coefficients of a CCPM swashplate: roll, pitch on the two side
    // servos, pitch on the third servo, collective.
    struct Coefficients {
        float Kr = 0, Kp = 0, Kt = 0, Kc = 0;
    };
    // The swashplate position of the last move.
    struct Position {
        float roll = 0, pitch = 0, collective = 0;
    };
    using Trims = std::array<int, 3>;       // CH1, CH2, CH3
    using Directions = std::array<int, 3>;  // as signed bytes, 1 or -1

    // Coefficients of SwashPlateType 2..5 (120, 135, 140, 90 degree CCPM);
    // nothing for other types.
    static std::optional<Coefficients> CoefficientsOf(int swashPlateType);
    // Types whose servos are mixed; every other value (the mechanical mixer 1,
    // and values that are not swashplates at all) moves one servo per axis.

    // One press of a swashplate button: step units along axis. trims are the
    // page's trims, image holds the trims last stored (ServoAdjustCH1..CH3),
    // from which a CCPM swashplate's position is worked out. Returns the new,
    // clamped trims of all three servos.
    Trims Move(const Trims& trims,
               const ParameterImage& image,
               const Directions& directions,
               int swashPlateType,
               Axis axis,
               int step);

    // "Clean": the position goes back to the centre.
    void Clean() { position_ = {}; }

    const Coefficients& coefficients() const { return k_; }
    const Position& position() const { return position_; }

private:
    // The servo a mechanical mixer moves for each axis (0 = CH1).
    static int ServoOf(Axis axis);
    void ReadPosition(const ParameterImage& image, const Directions& s);
    Trims MixedTrims(const Directions& s) const;

    Coefficients k_;
    Position position_;
};
