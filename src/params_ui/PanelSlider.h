#pragma once
// A vertical slider of the parameter panel. Its value is the number in its
// box (what assistive technology reads and sets); larger values sit higher,
// as on any upright slider. It draws its tick marks itself, counted down from
// the top, because a style counts them up from the bottom and a skin style
// sheet leaves them out.

#include <QSlider>

class PanelSlider : public QSlider {
    Q_OBJECT
public:
    explicit PanelSlider(QWidget* parent = nullptr);

    // Where the handle's centre is at a position, in slider coordinates.
    int HandleCentreY(int position) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void DrawTicks();
};
