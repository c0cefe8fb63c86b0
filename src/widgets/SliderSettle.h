#pragma once
// Sends a slider's value once a move that no mouse drag ends has settled: the
// keys, the wheel, assistive technology or a click beside the handle. Every
// step shows at once; the owner's settled() runs once per move, however many
// steps it took. A move made by the program with the slider's signals blocked
// does not count.

#include <QObject>
#include <QTimer>

#include <functional>

class QSlider;

class SliderSettle : public QObject {
    Q_OBJECT
public:
    // Steps closer together than this are one move.
    static constexpr int kSettleMs = 250;

    SliderSettle(QSlider* slider, std::function<void()> settled);

    // The value has just been sent another way (the mouse let go).
    void Cancel() { timer_.stop(); }
    // A move is waiting to be sent: what the slider shows is newer than the unit's value.
    bool pending() const { return timer_.isActive(); }

private:
    QSlider* slider_;
    QTimer timer_;
};
