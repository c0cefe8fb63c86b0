#pragma once
// A vertical slider of the parameter panel. Positions grow downwards, so
// larger values sit higher, and the arrow keys follow the handle. It draws
// its tick marks itself when a skin style sheet is in effect, because a
// styled slider leaves them out.

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
