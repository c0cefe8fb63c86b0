#include "wizard/SliderField.h"

#include "params/Orvex.h"
#include "widgets/DataExchange.h"
#include "widgets/DialogUnits.h"
#include "widgets/Skin.h"
#include "widgets/SliderSettle.h"
#include "wizard/CWizardPage.h"
#include "wizard/WizardPages.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>

#include <algorithm>

namespace {
constexpr int kEditW = 30, kEditH = 14;
constexpr int kScaleW = 18, kScaleH = 8, kScaleGap = 1;  // dialog units

// The vertical centre of the slider's handle at a position, in slider coordinates.
int HandleCentreY(const QSlider* slider, int position) {
    QStyleOptionSlider opt;
    opt.initFrom(slider);
    opt.subControls = QStyle::SC_None;
    opt.activeSubControls = QStyle::SC_None;
    opt.orientation = slider->orientation();
    opt.maximum = slider->maximum();
    opt.minimum = slider->minimum();
    opt.tickPosition = slider->tickPosition();
    opt.tickInterval = slider->tickInterval();
    opt.upsideDown = !slider->invertedAppearance();
    opt.sliderPosition = position;
    opt.sliderValue = position;
    opt.singleStep = slider->singleStep();
    opt.pageStep = slider->pageStep();
    return slider->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, slider).center().y();
}

bool IsEnter(const QKeyEvent* key) { return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter; }
}  // namespace

SliderField::SliderField(CWizardPage* page, const SliderFieldDef& def)
    : QObject(page),
      def_(def),
      orvex_(page->orvex()),
      range_(ByteOf(def.name)),
      value_(orvex_.config[def.name]),
      page_(page) {
    const QString name = QString::fromLatin1(def.accessibleName);
    slider_ = new QSlider(Qt::Vertical, page);
    NameControl(slider_, def.sliderId);
    slider_->setAccessibleName(name);
    slider_->setGeometry(DluRect(def.x, def.y, def.w, def.h));
    // The slider's value is the number in the box; an upright slider puts the larger values higher.
    slider_->setTickPosition(QSlider::TicksBothSides);
    slider_->installEventFilter(this);
    connect(slider_, &QSlider::valueChanged, this, &SliderField::OnDrag);
    settle_ = new SliderSettle(slider_, [this] { OnRelease(); });

    edit_ = new QLineEdit(page);
    NameControl(edit_, def.editId);
    edit_->setAccessibleName(name + QStringLiteral(" value"));
    edit_->setAlignment(Qt::AlignCenter);
    edit_->setGeometry(DluRect(def.editX, def.editY, kEditW, kEditH));
    edit_->installEventFilter(this);

    for (int v = range_.high; v >= range_.low; v -= def.tickFrequency) {
        auto* label = new QLabel(QString::number(v), page);
        label->setObjectName(QStringLiteral("scale"));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setProperty("scaleValue", v);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        scale_.push_back(label);
    }
}

void SliderField::Initialise() {
    {
        const QSignalBlocker block(slider_);
        slider_->setRange(range_.low, range_.high);
        slider_->setPageStep(std::max(1, (range_.high - range_.low) / 5));
        slider_->setTickInterval(def_.tickFrequency);
        slider_->setValue(value_);
    }
    Skin::SkinControl(slider_, Skin::Style::Slider, 5, 1, 0, 0, 0);
    // The page's static that names the slider is its label for assistive tools.
    for (QLabel* label : page_->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (label->text() == slider_->accessibleName()) label->setBuddy(slider_);
    DataExchange::WriteInt(edit_, value_);
    PlaceScale();
}

void SliderField::PlaceScale() {
    slider_->ensurePolished();
    const int right = slider_->x() - DluX(kScaleGap);
    const int width = DluX(kScaleW), height = DluY(kScaleH);
    for (QLabel* label : scale_) {
        const int y = slider_->y() + HandleCentreY(slider_, label->property("scaleValue").toInt());
        label->setGeometry(right - width, y - height / 2, width, height);
    }
}

void SliderField::ShowPosition() {
    const QSignalBlocker block(slider_);
    // The slider keeps the position inside its range, as a trackbar does.
    slider_->setValue(value_);
}

void SliderField::StoreByte() { *BytePtr(orvex_.image, Def(def_.name).device) = static_cast<int8_t>(value_); }

// A drag, a key or the wheel moving the slider: the value and its box; it is
// sent when the mouse lets go or the move has settled.
void SliderField::OnDrag() {
    value_ = slider_->value();
    orvex_.config[def_.name] = static_cast<int8_t>(value_);
    DataExchange::WriteInt(edit_, value_);
}

void SliderField::OnRelease() {
    qCDebug(lcWizard) << def_.accessibleName << "released at" << value_;
    settle_->Cancel();
    orvex_.config[def_.name] = static_cast<int8_t>(value_);
    StoreByte();
    SendParameters(orvex_);
}

void SliderField::OnEnter() {
    // The range message is modal and the page refreshes meanwhile: the typed
    // number is held apart until the message is closed.
    int entered = value_;
    confirming_ = true;
    DataExchange::ReadInt(edit_, entered, range_.low, range_.high, page_);
    confirming_ = false;
    value_ = entered;
    ShowPosition();
    value_ = std::clamp<int>(value_, range_.low, range_.high);
    // ConfigValues takes the number too, so the page's refresh keeps showing
    // what was sent instead of the number before it.
    orvex_.config[def_.name] = static_cast<int8_t>(value_);
    StoreByte();
    qCDebug(lcWizard) << def_.accessibleName << "entered as" << value_;
    SendParameters(orvex_);
    DataExchange::WriteInt(edit_, value_);
}

void SliderField::Refresh() {
    if (confirming_) return;
    // The user's hand on the slider, or a key move not sent yet, wins over
    // the stored value (a reply meanwhile copies the unit's old one into it).
    if (!slider_->isSliderDown() && !settle_->pending()) {
        value_ = orvex_.config[def_.name];
        ShowPosition();
    }
    RefreshEdit();
}

void SliderField::RefreshEdit() { DataExchange::RefreshInt(edit_, value_); }

bool SliderField::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsEnter(key)) {
            // One press is one entry: a held key's repeats are not new entries.
            if (!key->isAutoRepeat()) OnEnter();
            return true;
        }
    } else if (watched == slider_ && event->type() == QEvent::MouseButtonRelease) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) OnRelease();
    } else if (watched == slider_ && event->type() == QEvent::StyleChange) {
        PlaceScale();  // a skin changes where the handle sits
    }
    return QObject::eventFilter(watched, event);
}
