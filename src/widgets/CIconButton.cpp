#include "widgets/CIconButton.h"
#include "widgets/Pictures.h"

#include <qdrawutil.h>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace {

// The largest shift towards offset that keeps every component inside 0..255.
int ReducedShift(const QColor& colour, int offset) {
    const int high = std::max({colour.red(), colour.green(), colour.blue()});
    const int low = std::min({colour.red(), colour.green(), colour.blue()});
    return offset > 0 ? std::min(offset, 255 - high) : std::max(offset, -low);
}

// Each state's text colour slot follows its background slot.
constexpr int TextAfterBackground = CIconButton::HoverText - CIconButton::HoverBackground;

bool ValidSlot(int slot) { return slot >= 0 && slot < CIconButton::kColourSlots; }

}  // namespace

CIconButton::CIconButton(QWidget* parent) : QPushButton(parent) {
    const QPalette& colours = palette();
    const QColor face = colours.color(QPalette::Button);
    const QColor text = colours.color(QPalette::ButtonText);
    colours_ = {face, text, face, text, face, text};
}

CIconButton::~CIconButton() { DetachTheme(); }

void CIconButton::LoadFaceIcon(int id) { SetFaceIcon(LoadIcon(id)); }

void CIconButton::SetFaceIcon(const QIcon& icon) {
    faceIcon_ = icon;
    update();
}

int CIconButton::SetFaceColour(int slot, const QColor& colour, bool repaint) {
    if (!ValidSlot(slot)) return BadSlot;
    colours_[slot] = colour;
    if (repaint) update();
    return ColourOk;
}

int CIconButton::ShiftFaceColour(int slot, int offset, bool repaint) {
    if (!ValidSlot(slot)) return BadSlot;
    if (offset < -255 || offset > 255) return BadOffset;
    QColor& colour = colours_[slot];
    const int shift = ReducedShift(colour, offset);
    colour.setRgb(colour.red() + shift, colour.green() + shift, colour.blue() + shift, colour.alpha());
    if (repaint) update();
    return ColourOk;
}

QColor CIconButton::faceColour(int slot) const { return ValidSlot(slot) ? colours_[slot] : QColor(); }

void CIconButton::SetHelpText(const QString& text) {
    hasTool_ = true;
    setToolTip(text);
    // Arrow buttons have no caption; their help text is the best name they have.
    if (this->text().isEmpty() && (accessibleName().isEmpty() || nameFromHelp_)) {
        setAccessibleName(text);
        nameFromHelp_ = true;
    }
}

void CIconButton::AttachTheme(CVisualTheme* theme) {
    DetachTheme();
    theme_ = theme;
    if (theme && theme->IsAppThemed()) themeData_ = theme->OpenThemeData(this, QStringLiteral("BUTTON"));
    update();
}

bool CIconButton::unthemed() const { return !theme_ || !themeData_ || !theme_->IsAppThemed(); }

int CIconButton::currentBackgroundSlot() const {
    if (hover_) return HoverBackground;
    if (hasFocus()) return FocusBackground;
    return NormalBackground;
}

QSize CIconButton::sizeHint() const {
    const QSize caption = text().isEmpty() ? QSize() : fontMetrics().size(Qt::TextShowMnemonic, text());
    const int width = kIconSize + 8 + (caption.isValid() ? caption.width() + 4 : 0);
    const int height = std::max(kIconSize, caption.isValid() ? caption.height() : 0) + 8;
    return QSize(width, height);
}

QSize CIconButton::minimumSizeHint() const { return QSize(kIconSize + 4, kIconSize + 4); }

void CIconButton::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect clip = event->rect();
    const bool themed =
        !unthemed() && theme_->DrawBackground(themeData_, parentWidget(), &painter, CVisualTheme::PushButtonPart,
                                              ThemeState(), rect(), &clip) == CVisualTheme::Result::Ok;
    if (!themed) DrawFlatBackground(painter);
    DrawFace(painter);
}

void CIconButton::DrawFlatBackground(QPainter& painter) {
    painter.fillRect(rect(), colours_[currentBackgroundSlot()]);
    qDrawShadePanel(&painter, rect(), palette(), isDown() || isChecked(), 1);
    if (hasFocus()) {
        painter.setPen(QPen(colours_[currentBackgroundSlot() + TextAfterBackground], 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

void CIconButton::DrawFace(QPainter& painter) {
    const int push = isDown() ? 1 : 0;
    const QString caption = text();
    const int captionWidth = caption.isEmpty() ? 0 : fontMetrics().horizontalAdvance(caption) + 4;
    const int left = (width() - kIconSize - captionWidth) / 2 + push;
    const int top = (height() - kIconSize) / 2 + push;
    if (!faceIcon_.isNull()) {
        const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
        faceIcon_.paint(&painter, QRect(left, top, kIconSize, kIconSize), Qt::AlignCenter, mode);
    }
    if (!caption.isEmpty()) {
        const QColor ink = isEnabled() ? colours_[currentBackgroundSlot() + TextAfterBackground]
                                       : palette().color(QPalette::Disabled, QPalette::ButtonText);
        painter.setPen(ink);
        painter.drawText(QRect(left + kIconSize + 4, push, captionWidth, height()),
                         Qt::AlignVCenter | Qt::TextShowMnemonic, caption);
    }
}

int CIconButton::ThemeState() const {
    if (!isEnabled()) return CVisualTheme::DisabledState;
    if (isDown()) return CVisualTheme::PressedState;
    if (hover_) return CVisualTheme::HotState;
    if (isDefault()) return CVisualTheme::DefaultedState;
    return CVisualTheme::NormalState;
}

void CIconButton::DetachTheme() {
    if (theme_ && themeData_) theme_->CloseThemeData(themeData_);
    themeData_ = nullptr;
    theme_.clear();
}

void CIconButton::enterEvent(QEnterEvent* event) {
    SetHover(true);
    QPushButton::enterEvent(event);
}

void CIconButton::leaveEvent(QEvent* event) {
    SetHover(false);
    QPushButton::leaveEvent(event);
}

void CIconButton::SetHover(bool hover) {
    if (hover_ == hover) return;
    hover_ = hover;
    update();
}
