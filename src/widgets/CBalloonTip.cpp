#include "widgets/CBalloonTip.h"
#include "widgets/Announcer.h"

#include <QApplication>
#include <QChildEvent>
#include <QCursor>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPolygonF>
#include <QScreen>

#include <algorithm>

namespace {

// Body margins around the text, the pointer's size and the gap after an icon.
constexpr int kMarginX = 12;
constexpr int kWrapChars = 150;  // wider than any English help line
constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
constexpr int kMarginY = 10;
constexpr int kPointerDrop = 15;  // how far the pointer hangs below the body
constexpr int kPointerWidth = 25;
constexpr int kWindowExtra = 25;  // window height beyond the body
constexpr int kIconGap = 5;
constexpr qreal kCornerX = 6.0;  // corner ellipse 12 x 10
constexpr qreal kCornerY = 5.0;
constexpr int kOuterFrame = 3;
constexpr int kInnerFrame = 1;

const Qt::WindowFlags kBalloonFlags = Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput |
                                      Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint;

}  // namespace

CBalloonTip::CBalloonTip(QWidget* owner) : QWidget(nullptr, kBalloonFlags), cursor_([] { return QCursor::pos(); }) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    showTimer_.setSingleShot(true);
    showTimer_.setTimerType(Qt::PreciseTimer);  // never earlier than the show delay
    showTimer_.setInterval(kShowDelayMs);
    watchTimer_.setInterval(kWatchPeriodMs);
    connect(&showTimer_, &QTimer::timeout, this, &CBalloonTip::ShowAtAnchor);
    connect(&watchTimer_, &QTimer::timeout, this, &CBalloonTip::Watch);
    if (owner) Create(owner);
}

void CBalloonTip::Create(QWidget* owner) {
    owner_ = owner;
    setParent(owner, kBalloonFlags);
    setGeometry(0, 0, 0, 0);
    font_ = QApplication::font();
    setFont(font_);
}

void CBalloonTip::Attach(QWidget* owner) {
    if (owner_ != owner) Create(owner);
    InstallOn(owner);
}

void CBalloonTip::InstallOn(QWidget* widget) {
    // Windows the owner opens (dialogs, popups) have their own mouse; only the owner's controls are watched.
    if (!widget || widget == this || (widget != owner_ && widget->isWindow())) return;
    // Moves without a button reach a widget only when it tracks the mouse.
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
    const QList<QWidget*> children = widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) InstallOn(child);
}

void CBalloonTip::AddTool(QWidget* control, const QString& text, const QPixmap& icon) {
    if (!control) return;
    // Help the keyboard cannot reach is no help: a tool that takes no focus (a "?" marker) takes Tab.
    if (control->focusPolicy() == Qt::NoFocus) control->setFocusPolicy(Qt::TabFocus);
    if (!tools_.contains(control))
        connect(control, &QObject::destroyed, this, [this](QObject* gone) { tools_.remove(gone); });
    // Help given again (in another language) replaces what the balloon shows of it.
    const auto before = tools_.constFind(control);
    const bool shown = before != tools_.constEnd() && before->text == text_;
    tools_.insert(control, Tool{text, icon});
    if (shown) {
        Take(tools_[control]);
        if (isVisible()) ShowAtAnchor();
    }
    // The same help for assistive tools, as flowing text: the balloon's line breaks only shape the balloon.
    control->setAccessibleDescription(QString(text).simplified());
}

void CBalloonTip::SetCursorSource(std::function<QPoint()> source) {
    cursor_ = source ? std::move(source) : [] { return QCursor::pos(); };
}

bool CBalloonTip::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ChildAdded:
        case QEvent::ChildPolished: {
            QObject* child = static_cast<QChildEvent*>(event)->child();
            if (child->isWidgetType() && child != this) InstallOn(static_cast<QWidget*>(child));
            break;
        }
        case QEvent::Hide:
            // A balloon must not outlive the window it explains on screen.
            if (watched == owner_) HideBalloon();
            break;
        default:
            return RelayEvent(watched, event);
    }
    return false;
}

bool CBalloonTip::RelayEvent(QObject* watched, QEvent* event) {
    QWidget* widget = watched && watched->isWidgetType() ? static_cast<QWidget*>(watched) : nullptr;
    switch (event->type()) {
        case QEvent::MouseMove:
            OnMouseMove();
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            HideBalloon();
            break;
        case QEvent::FocusIn:
            if (widget) OnFocusIn(widget, static_cast<QFocusEvent*>(event)->reason());
            break;
        case QEvent::FocusOut:
            if (focusTool_ && widget && ToolFor(widget) == focusTool_) HideBalloon();
            break;
        case QEvent::KeyPress:
            return widget && OnHelpKey(widget, static_cast<QKeyEvent*>(event)->key());
        default:
            break;
    }
    return false;
}

void CBalloonTip::OnMouseMove() {
    const QPoint cursor = cursor_();
    if (anchor_ == cursor) return;
    // What is on screen belongs to the old point; a new point on a tool starts
    // the delay again, anywhere else the balloon just goes.
    HideBalloon();
    if (const Tool* tool = ToolAt(cursor)) {
        Take(*tool);
        anchor_ = cursor;
        showTimer_.start();
    }
}

void CBalloonTip::OnFocusIn(QWidget* control, Qt::FocusReason reason) {
    // Only the keyboard asks for help by focus; a click or a window opening does not.
    if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason && reason != Qt::ShortcutFocusReason) return;
    QWidget* tool = ToolFor(control);
    if (!tool) return;
    HideBalloon();
    Take(tools_.value(tool));
    focusTool_ = tool;
    askedFor_ = false;
    // The pointer reaches into the control from above its middle.
    anchor_ = tool->mapToGlobal(QPoint(tool->width() / 2, 0));
    showTimer_.start();
}

bool CBalloonTip::OnHelpKey(QWidget* control, int key) {
    // Space belongs to buttons and the like; only a control without an action of its own gives it to help.
    if (key != Qt::Key_F1 && !(key == Qt::Key_Space && qobject_cast<QLabel*>(control))) return false;
    QWidget* tool = ToolFor(control);
    if (!tool) return false;
    OnFocusIn(tool, Qt::ShortcutFocusReason);
    showTimer_.stop();
    askedFor_ = true;
    ShowAtAnchor();
    return true;
}

QWidget* CBalloonTip::ToolFor(QWidget* widget) const {
    for (; widget; widget = widget->parentWidget()) {
        if (tools_.contains(widget)) return widget;
        if (widget == owner_ || widget->isWindow()) break;
    }
    return nullptr;
}

const CBalloonTip::Tool* CBalloonTip::ToolAt(const QPoint& global) const {
    if (!owner_ || !owner_->isVisible()) return nullptr;
    const QPoint local = owner_->mapFromGlobal(global);
    QWidget* widget = owner_->childAt(local);
    if (!widget && owner_->rect().contains(local)) widget = owner_;
    for (; widget; widget = widget->parentWidget()) {
        const auto it = tools_.constFind(widget);
        if (it != tools_.constEnd()) return &*it;
        if (widget == owner_) break;
    }
    return nullptr;
}

void CBalloonTip::Take(const Tool& tool) {
    text_ = tool.text;
    icon_ = tool.icon;
    setAccessibleName(DisplayText());
    if (isVisible()) update();
}

void CBalloonTip::ShowAtAnchor() {
    if (!anchor_) return;
    const QSize body = BodySize();
    resize(body.width(), body.height() + kWindowExtra);
    QPoint at(anchor_->x() - body.width() + kMarginX, anchor_->y() - body.height() + kMarginY);
    // Kept on the screen: above a control near its left or top edge the balloon would lie beyond it.
    const QScreen* screen = QGuiApplication::screenAt(*anchor_);
    if (!screen && owner_) screen = owner_->screen();  // the control itself lies beyond the screen's edge
    if (screen) {
        const QRect room = screen->availableGeometry();
        at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() + 1 - width())));
        at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() + 1 - height())));
    }
    move(at);
    // Cut to the outline: without a compositor a see-through window would show a black box.
    // Around the outline the window shows what lies beneath it. Neither a
    // see-through window (black without a compositor) nor a mask (which a
    // bare X server was seen to leave black) draws that everywhere.
    backdrop_ = QPixmap();
    if (QWidget* beneath = owner_ ? owner_->window() : nullptr)
        backdrop_ = beneath->grab(QRect(beneath->mapFromGlobal(pos()), size()));
    show();
    raise();
    update();
    // A balloon for the focus stays until focus leaves; the cursor has nothing to
    // do with it. A reader hears it (its own window takes no focus) when asked
    // for it, or when the control's own description did not already say it.
    if (!focusTool_)
        watchTimer_.start();
    else if (owner_ && (askedFor_ || focusTool_->accessibleDescription() != DisplayText().simplified()))
        Announcer::Of(owner_)->Announce(DisplayText());
}

void CBalloonTip::Watch() {
    if (cursor_() != anchor_) HideBalloon();
}

void CBalloonTip::HideBalloon() {
    showTimer_.stop();
    watchTimer_.stop();
    focusTool_.clear();
    hide();
}

QString CBalloonTip::DisplayText() const {
    QString shown = text_;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

QSize CBalloonTip::IconSize() const { return icon_.isNull() ? QSize(0, 0) : icon_.deviceIndependentSize().toSize(); }

// The help keeps the lines it was written with; a longer line (a translation
// flows without hard breaks) wraps at this width, or the screen's if narrower.
int CBalloonTip::WrapWidth() const {
    const QFontMetrics metrics(font_);
    int width = metrics.averageCharWidth() * kWrapChars;
    if (const QScreen* screen = owner_ ? owner_->screen() : nullptr)
        width = std::min(width, screen->availableGeometry().width() - 2 * kMarginX - kPointerWidth);
    return std::max(width, metrics.averageCharWidth());
}

QRect CBalloonTip::TextRect() const {
    return QFontMetrics(font_).boundingRect(QRect(0, 0, WrapWidth(), QWIDGETSIZE_MAX), kTextFlags, DisplayText());
}

QSize CBalloonTip::BodySize() const {
    const QRect textRect = TextRect();
    int width = textRect.width() + 2 * kMarginX;
    int height = textRect.height() + 2 * kMarginY;
    const QSize icon = IconSize();
    if (!icon_.isNull()) {
        width += icon.width() + kIconGap;
        // The icon sits inside the margins like the text, so the body keeps them around it too.
        height = std::max(height, icon.height() + 2 * kMarginY);
    }
    return QSize(width, height);
}

QPainterPath CBalloonTip::BalloonShape() const {
    const QSize body = BodySize();
    const qreal w = body.width();
    const qreal h = body.height();
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0, 0, w, h), kCornerX, kCornerY);
    QPainterPath pointer;
    pointer.addPolygon(QPolygonF({QPointF(w - kMarginX, h - kMarginY), QPointF(w - kMarginX, h + kPointerDrop),
                                  QPointF(w - kMarginX - kPointerWidth, h - kMarginY)}));
    pointer.closeSubpath();
    return outline.united(pointer);
}

QPoint CBalloonTip::TextOrigin() const {
    const int iconShift = icon_.isNull() ? 0 : IconSize().width() + kIconGap;
    return QPoint(kMarginX + iconShift, kMarginY);
}

void CBalloonTip::paintEvent(QPaintEvent*) {
    const QColor frame = QApplication::palette().color(QPalette::Mid);
    // The ground is always yellow, so the ink is always black: a dark
    // desktop's light window text would vanish on it.
    const QColor ink = Qt::black;
    const QPainterPath outline = BalloonShape();

    QPainter painter(this);
    if (!backdrop_.isNull()) painter.drawPixmap(0, 0, backdrop_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(outline, QColor(255, 255, 0));
    // Pens are centred on the outline; clipped to the inside, twice the width leaves a band of that width.
    painter.save();
    painter.setClipPath(outline);
    painter.strokePath(outline, QPen(frame, 2 * kOuterFrame));
    painter.strokePath(outline, QPen(ink, 2 * kInnerFrame));
    painter.restore();

    const QPoint origin = TextOrigin();
    painter.setFont(font_);
    painter.setPen(ink);
    painter.drawText(QRect(origin, TextRect().size()), kTextFlags, DisplayText());
    if (!icon_.isNull()) painter.drawPixmap(QRect(QPoint(kMarginX, kMarginY), IconSize()), icon_);
}
