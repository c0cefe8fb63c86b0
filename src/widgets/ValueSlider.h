#pragma once
// A number on an upright slider, with its edit box below it and its scale of
// labels beside it: the main window's gains, agilities and yaw rates, the
// wizard's travel, pitch and tail numbers. The slider's value is the number
// in its box (what assistive technology reads and sets); larger values sit
// higher. It draws its tick marks itself, counted down from the top, because
// a style counts them up from the bottom and a skin style sheet leaves them
// out.
//
// - Every step shows in the box at once and goes to the owner's moved().
// - A mouse press on the slider, on the handle or on the groove (where the
//   slider keeps stepping while the button is held), sends nothing while the
//   button is down and once when it lets go. A move made with the keys, the
//   wheel or assistive technology is sent once it settles: steps closer
//   together than kSettleMs are one move, sent once. Both go through the
//   owner's send(). A move the program makes (signals blocked) is not sent.
// - Enter in the box reads it (the owner's read(), or this box alone with its
//   range message on failure), moves the slider to the typed number (before
//   the clamp, so the slider sits at its end for a number beyond the range),
//   clamps it and hands it to the owner's entered(). One press is one entry:
//   a held key's repeats are not new entries.
// - Refresh() shows the unit's value unless the user's is newer: a held
//   slider, a move not sent yet, or an entry being confirmed.

#include <QSlider>
#include <QTimer>

#include <functional>
#include <vector>

class QLabel;
class QLineEdit;

class ValueSlider : public QSlider {
    Q_OBJECT
public:
    // Steps closer together than this are one move.
    static constexpr int kSettleMs = 250;

    // What differs between the windows: where the number is kept, written and sent.
    struct Policy {
        std::function<void(int)> moved;    // a step shown, not sent yet
        std::function<void(int)> send;     // the mouse let go or a move settled
        std::function<void(int)> entered;  // Enter: the number typed, clamped to the range
        std::function<int()> read;         // Enter: the number typed; unset: this box alone
    };

    // The slider and its box, on parent, named after their control ids; the
    // box's accessible name is the slider's with " value".
    ValueSlider(QWidget* parent, int sliderId, int editId, const QString& accessibleName, Policy policy);
    // The slider's spoken name, and its edit box's ("<name> value").
    void SetName(const QString& accessibleName);

    // Range (the top of the range at the top), page step, tick interval and
    // the number's position, without a signal.
    void SetRange(int low, int high, int tickInterval);
    // The scale's numbers, from the top; labels widthDlu dialog units wide.
    void SetScale(const std::vector<int>& values, int widthDlu);
    // Lines the scale up with the positions it names; again after a style change.
    void PlaceScale();

    QLineEdit* edit() const { return edit_; }
    // The number shown, which may lie beyond the range the slider can show.
    int number() const { return number_; }
    // Takes a number and puts the slider there, without a signal; the box is the caller's.
    void ShowNumber(int number);
    // Shows the unit's value unless the user's is newer; the box unless the
    // user is typing in it. Returns the number shown.
    int Refresh(int unitValue);
    // The number into the box unless the user is typing there.
    void RefreshEdit();
    // Where the handle's centre is at a position, in slider coordinates.
    int HandleCentreY(int position) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnMoved();
    void Send();
    void Hold(const QMouseEvent* event);
    // What the slider shows may be newer than the unit's value: the mouse
    // holds it or a move waits to settle.
    bool Unsent() const { return held_ || settle_.isActive(); }
    void OnEnter();
    void DrawTicks();

    Policy policy_;
    QLineEdit* edit_;
    QTimer settle_;
    bool held_ = false;  // a mouse button the slider takes is down on it
    std::vector<QLabel*> scale_;
    int scaleWidthDlu_ = 0;
    int number_ = 0;
    bool confirming_ = false;
};
