#include "widgets/CPngButton.h"
#include "widgets/Pictures.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace {
// What assistive tools may do with a picture button: press it, as a click
// does. The stock button interface also offers "toggle", which flips the
// checked state past the owner: a choice would read as made while the unit
// kept its own. The checked state is read-only; it follows SetChosen.
class PngButtonAccessible : public QAccessibleWidget {
public:
    explicit PngButtonAccessible(CPngButton* button) : QAccessibleWidget(button, QAccessible::Button) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = button()->isCheckable();
        s.checked = button()->isChecked();
        s.pressed = button()->isDown();
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && button()->isEnabled()) button()->click();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    CPngButton* button() const { return static_cast<CPngButton*>(object()); }
};

QAccessibleInterface* PngButtonFactory(const QString&, QObject* object) {
    if (auto* button = qobject_cast<CPngButton*>(object)) return new PngButtonAccessible(button);
    return nullptr;
}
}  // namespace

CPngButton::CPngButton(QWidget* parent) : QAbstractButton(parent) {
    static const bool factoryInstalled = (QAccessible::installFactory(PngButtonFactory), true);
    (void)factoryInstalled;
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
