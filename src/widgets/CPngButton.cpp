#include "widgets/CPngButton.h"
#include "widgets/Pictures.h"

#include <QMouseEvent>
#include <QPainter>

CPngButton::CPngButton(QWidget* parent) : QAbstractButton(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

CPngButton::CPngButton(const QString& caption, QWidget* parent) : CPngButton(parent) {
    setText(caption);
    TakeCaption();
}

void CPngButton::SetImage(int id) { SetPicture(LoadPng(id)); }

void CPngButton::SetPicture(const QPixmap& strip) {
    image_ = strip;
    // Without a picture the button keeps its size, so it stays reachable; it draws nothing.
    if (!image_.isNull()) {
        const QSize size = image_.deviceIndependentSize().toSize();
        frameWidth_ = size.width() / 4;
        frameHeight_ = size.height();
        resize(frameWidth_, frameHeight_);
        updateGeometry();
    }
    TakeCaption();
    update();
}

void CPngButton::SetChosen(bool chosen) {
    chosen_ = chosen;
    if (isCheckable()) setChecked(chosen);
    update();
}

int CPngButton::currentFrame() const {
    if (isDown()) return PressedFrame;
    if (hover_) return HoverFrame;
    if (chosen_) return ChosenFrame;
    return NormalFrame;
}

QSize CPngButton::sizeHint() const {
    if (frameWidth_ > 0 && frameHeight_ > 0) return QSize(frameWidth_, frameHeight_);
    return size();
}

void CPngButton::paintEvent(QPaintEvent*) {
    // The background is never erased: parts of the picture left transparent show the parent.
    if (image_.isNull() || frameWidth_ <= 0) return;
    QPainter painter(this);
    const QRectF source(currentFrame() * frameWidth_, 0, frameWidth_, frameHeight_);
    const qreal ratio = image_.devicePixelRatio();
    const QRectF pixels(source.topLeft() * ratio, source.size() * ratio);
    painter.drawPixmap(QRectF(0, 0, frameWidth_, frameHeight_), image_, pixels);
}

void CPngButton::enterEvent(QEnterEvent* event) {
    SetHover(true);
    QAbstractButton::enterEvent(event);
}

void CPngButton::leaveEvent(QEvent* event) {
    SetHover(false);
    QAbstractButton::leaveEvent(event);
}

void CPngButton::mouseMoveEvent(QMouseEvent* event) {
    // Enter can be missed when the button appears under a resting mouse.
    if (!hover_ && rect().contains(event->position().toPoint())) SetHover(true);
    QAbstractButton::mouseMoveEvent(event);
}

void CPngButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click is a press like the first, so the owner sees two clicks.
    mousePressEvent(event);
}

void CPngButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled()) SetHover(false);
    QAbstractButton::changeEvent(event);
}

void CPngButton::TakeCaption() {
    setToolTip(text());
    setAccessibleName(text());
}

void CPngButton::SetHover(bool hover) {
    if (hover_ == hover) return;
    hover_ = hover;
    update();
}
