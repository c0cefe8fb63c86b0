#pragma once
// Common part of the two signal bars: a signed value drawn as a bar that grows
// from the centre of a stretched background picture. CTrimBar grows up and
// down, CHorizontalTrimBar left and right; each supplies its own geometry.
// Assistive tools read the value, minimum and maximum as a read-only meter.

#include <QColor>
#include <QPixmap>
#include <QRect>
#include <QRegion>
#include <QWidget>

class CSignalBar : public QWidget {
    Q_OBJECT
public:
    // Smaller end becomes the minimum, larger the maximum; nothing is redrawn.
    void SetRange(int a, int b);
    // Shows v, or the nearer end of the range when v lies outside it.
    // Returns 1 when v was inside the range, 0 when it was clamped.
    // Only the strip between the old and the new bar end is repainted.
    int SetValue(int v);

    int value() const { return value_; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    // A bar drawn mirrored (-1) shows the negative of the number the page
    // prints beside it; assistive tools read that number, not the drawing's.
    void SetReadSign(int sign) { readSign_ = sign < 0 ? -1 : 1; }
    int readValue() const { return readSign_ * value_; }
    int readMinimum() const { return readSign_ < 0 ? -maximum_ : minimum_; }
    int readMaximum() const { return readSign_ < 0 ? -minimum_ : maximum_; }
    // A bar that moves with every one of ten reports a second would flood a
    // screen reader: a paced bar tells assistive tools only the value its
    // owner publishes with TellValue(), which raises one event when it changed.
    void SetPaced(bool paced) { paced_ = paced; }
    void TellValue();
    // What assistive tools read: readValue() as last told.
    int toldValue() const { return toldValue_; }
    // The strip from the old to the new bar end that SetValue last repainted (empty: none).
    QRect lastInvalidated() const { return lastInvalidated_; }
    // That strip plus the rows (or columns) at the centre where the two bars' inner ends differ.
    QRegion lastInvalidatedRegion() const { return lastRegion_; }
    // The bar as drawn now, in client coordinates (empty for value 0).
    QRect currentBar() const { return Bar(size(), value_, maximum_); }

    static QColor PositiveColour() { return QColor(255, 0, 0); }
    static QColor NegativeColour() { return QColor(0, 255, 0); }

    QSize sizeHint() const override;

protected:
    CSignalBar(Qt::Orientation growth, int backgroundId, QWidget* parent);

    // The bar for value in a client of that size.
    virtual QRect Bar(QSize client, int value, int maximum) const = 0;

    void paintEvent(QPaintEvent* event) override;

private:
    // The rows (or columns) from the old bar end to the new one, both included.
    QRect ChangedStrip(const QRect& oldBar, int oldValue, const QRect& newBar, int newValue) const;
    // Bars on the same side may end one pixel apart at the centre (the bar
    // length is truncated); that sliver needs repainting too.
    QRect CentreSliver(const QRect& oldBar, int oldValue, const QRect& newBar, int newValue) const;

    const Qt::Orientation growth_;
    int minimum_ = -100;
    int maximum_ = 100;
    int value_ = 0;
    int readSign_ = 1;
    bool paced_ = false;
    int toldValue_ = 0;
    QPixmap background_;
    QRect lastInvalidated_;
    QRegion lastRegion_;
};

// value / maximum as the bars compute it; 0 when the range has no positive end.
float BarRatio(int value, int maximum);
