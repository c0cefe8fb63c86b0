#include "widgets/ValueSlider.h"

#include "widgets/ControlNaming.h"
#include "widgets/DataExchange.h"
#include "widgets/DialogUnits.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionSlider>

#include <algorithm>

namespace {
constexpr int kTickLength = 4;
const QColor kTickColour(0x9a, 0xa8, 0xb6);
constexpr int kScaleH = 8, kScaleGap = 1;  // dialog units

// The buttons a slider takes: dragging, paging or setting the value.
constexpr Qt::MouseButtons kSliderButtons{Qt::LeftButton | Qt::MiddleButton};

bool IsEnter(const QKeyEvent* key) { return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter; }
}  // namespace

ValueSlider::ValueSlider(QWidget* parent, int sliderId, int editId, const QString& accessibleName, Policy policy)
    : QSlider(Qt::Vertical, parent), policy_(std::move(policy)), edit_(new QLineEdit(parent)) {
    NameControl(this, sliderId, accessibleName);
    setTickPosition(QSlider::TicksBothSides);
    connect(this, &QSlider::valueChanged, this, &ValueSlider::OnMoved);
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, &ValueSlider::Send);

    NameControl(edit_, editId);
    SetName(accessibleName);
    edit_->setAlignment(Qt::AlignCenter);
    edit_->installEventFilter(this);
}

void ValueSlider::SetName(const QString& accessibleName) {
    setAccessibleName(accessibleName);
    edit_->setAccessibleName(accessibleName + tr(" value"));
}

void ValueSlider::SetRange(int low, int high, int tickInterval) {
    const QSignalBlocker block(this);
    setRange(low, high);
    setPageStep(std::max(1, (high - low) / 5));
    setTickInterval(tickInterval);
    setValue(number_);
}

void ValueSlider::SetScale(const std::vector<int>& values, int widthDlu) {
    scaleWidthDlu_ = widthDlu;
    for (int v : values) {
        auto* label = new QLabel(QString::number(v), parentWidget());
        label->setObjectName(QStringLiteral("scale"));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setProperty("scaleValue", v);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        scale_.push_back(label);
    }
}

void ValueSlider::PlaceScale() {
    ensurePolished();
    const int right = x() - DluX(kScaleGap);
    const int width = DluX(scaleWidthDlu_), height = DluY(kScaleH);
    for (QLabel* label : scale_) {
        const int centre = y() + HandleCentreY(label->property("scaleValue").toInt());
        label->setGeometry(right - width, centre - height / 2, width, height);
    }
}

void ValueSlider::ShowNumber(int number) {
    number_ = number;
    const QSignalBlocker block(this);
    // The slider keeps the position inside its range, as a trackbar does.
    setValue(number);
}

int ValueSlider::Refresh(int unitValue) {
    // The range message is modal and the window refreshes meanwhile: the
    // typed number is held apart until the message is closed.
    if (confirming_) return number_;
    // The user's hand on the slider, or a move not sent yet, wins over the
    // unit's value (a reply meanwhile still holds the old one).
    if (!Unsent()) ShowNumber(unitValue);
    RefreshEdit();
    return number_;
}

void ValueSlider::RefreshEdit() { DataExchange::RefreshInt(edit_, number_); }

int ValueSlider::HandleCentreY(int position) const {
    QStyleOptionSlider opt;
    initStyleOption(&opt);
    opt.sliderPosition = position;
    opt.sliderValue = position;
    return style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, this).center().y();
}

// A drag, a key, the wheel or assistive technology moving the slider: the
// number and its box; it is sent when the mouse lets go or the move has settled.
void ValueSlider::OnMoved() {
    number_ = value();
    if (policy_.moved) policy_.moved(number_);
    DataExchange::WriteInt(edit_, number_);
    if (!held_) settle_.start();
}

void ValueSlider::Send() {
    settle_.stop();
    policy_.send(number_);
}

void ValueSlider::OnEnter() {
    int entered = number_;
    confirming_ = true;
    if (policy_.read)
        entered = policy_.read();
    else
        DataExchange::ReadInt(edit_, entered, minimum(), maximum(), parentWidget());
    confirming_ = false;
    ShowNumber(entered);
    number_ = std::clamp(entered, minimum(), maximum());
    policy_.entered(number_);
    DataExchange::WriteInt(edit_, number_);
}

void ValueSlider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionSlider opt;
    initStyleOption(&opt);
    opt.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
    style()->drawComplexControl(QStyle::CC_Slider, &opt, &painter, this);
    painter.end();
    if (tickPosition() != NoTicks && tickInterval() > 0) DrawTicks();
}

void ValueSlider::DrawTicks() {
    QPainter painter(this);
    painter.setPen(kTickColour);
    auto tick = [&](int position) {
        const int y = HandleCentreY(position);
        painter.drawLine(0, y, kTickLength - 1, y);
        painter.drawLine(width() - kTickLength, y, width() - 1, y);
    };
    for (int position = maximum(); position > minimum(); position -= tickInterval()) tick(position);
    tick(minimum());
}

void ValueSlider::Hold(const QMouseEvent* event) { held_ = (event->buttons() & kSliderButtons) != Qt::NoButton; }

// Held before the slider steps, so a press on the groove starts no settle;
// a move waiting to settle goes with the release instead.
void ValueSlider::mousePressEvent(QMouseEvent* event) {
    Hold(event);
    if (held_) settle_.stop();
    QSlider::mousePressEvent(event);
}

void ValueSlider::mouseReleaseEvent(QMouseEvent* event) {
    Hold(event);
    QSlider::mouseReleaseEvent(event);
    if ((event->button() & kSliderButtons) && !held_) Send();
}

void ValueSlider::changeEvent(QEvent* event) {
    QSlider::changeEvent(event);
    if (event->type() == QEvent::StyleChange) PlaceScale();                     // a skin changes where the handle sits
    if (event->type() == QEvent::EnabledChange && !isEnabled()) held_ = false;  // no release comes
}

bool ValueSlider::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsEnter(key)) {
            // One press is one entry: a held key's repeats are not new entries.
            if (!key->isAutoRepeat()) OnEnter();
            return true;
        }
    }
    return QSlider::eventFilter(watched, event);
}
