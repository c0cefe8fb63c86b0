#include "widgets/CVisualTheme.h"
#include "widgets/AppLog.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QWidget>

#include <algorithm>

struct CVisualTheme::Data {
    QPointer<QWidget> window;
    QString classList;
};

namespace {

QString RequestedStyleName() {
    const QString override = qEnvironmentVariable("QT_STYLE_OVERRIDE");
    if (!override.isEmpty()) return override;
    const QStyle* running = qApp ? QApplication::style() : nullptr;
    return running ? running->name() : QString();
}

QStyle::State StyleState(int state) {
    switch (state) {
        case CVisualTheme::HotState:
            return QStyle::State_Enabled | QStyle::State_Raised | QStyle::State_MouseOver;
        case CVisualTheme::PressedState:
            return QStyle::State_Enabled | QStyle::State_Sunken;
        case CVisualTheme::DisabledState:
            return QStyle::State_Raised;
        default:
            return QStyle::State_Enabled | QStyle::State_Raised;
    }
}

}  // namespace

CVisualTheme::CVisualTheme(QObject* parent) : CVisualTheme(RequestedStyleName(), parent) {}

CVisualTheme::CVisualTheme(const QString& styleName, QObject* parent) : QObject(parent) { Bind(styleName); }

CVisualTheme::~CVisualTheme() { Release(); }

void CVisualTheme::Bind(const QString& name) {
    styleName_ = name;
    if (name.isEmpty() || name.compare(QStringLiteral("none"), Qt::CaseInsensitive) == 0) {
        qCInfo(lcWidgets) << "no visual style; buttons draw flat";
        return;
    }
    QStyle* running = qApp ? QApplication::style() : nullptr;
    if (running && running->name().compare(name, Qt::CaseInsensitive) == 0) {
        boundStyle_ = running;
        return;
    }
    const QStringList keys = QStyleFactory::keys();
    const bool known = std::any_of(keys.begin(), keys.end(),
                                   [&](const QString& key) { return key.compare(name, Qt::CaseInsensitive) == 0; });
    if (known) ownStyle_.reset(QStyleFactory::create(name));
    if (!ownStyle_) qCInfo(lcWidgets) << "visual style" << name << "is not available; buttons draw flat";
}

void CVisualTheme::Release() {
    open_.clear();
    boundStyle_.clear();
    ownStyle_.reset();
}

QStyle* CVisualTheme::style() const { return ownStyle_ ? ownStyle_.get() : boundStyle_.data(); }

bool CVisualTheme::IsLoaded() const { return style() != nullptr; }

bool CVisualTheme::IsOpen(Handle data) const {
    return data && std::any_of(open_.begin(), open_.end(), [&](const auto& held) { return held.get() == data; });
}

CVisualTheme::Handle CVisualTheme::OpenThemeData(QWidget* window, const QString& classList) {
    if (!IsLoaded()) return nullptr;
    open_.push_back(std::make_unique<Data>(Data{window, classList}));
    return open_.back().get();
}

CVisualTheme::Result CVisualTheme::CloseThemeData(Handle data) {
    if (!IsLoaded() || !IsOpen(data)) return Result::Failed;
    open_.erase(std::remove_if(open_.begin(), open_.end(), [&](const auto& held) { return held.get() == data; }),
                open_.end());
    return Result::Ok;
}

CVisualTheme::Result CVisualTheme::DrawBackground(Handle data,
                                                  QWidget* parentWindow,
                                                  QPainter* painter,
                                                  int part,
                                                  int state,
                                                  const QRect& rect,
                                                  const QRect* clip) {
    QStyle* drawingStyle = style();
    if (!drawingStyle || !IsOpen(data) || !painter || part != PushButtonPart) return Result::Failed;
    painter->save();
    if (clip) painter->setClipRect(*clip, Qt::IntersectClip);
    if (parentWindow) painter->fillRect(rect, parentWindow->palette().brush(parentWindow->backgroundRole()));
    QStyleOptionButton option;
    option.rect = rect;
    option.state = StyleState(state);
    if (state == DefaultedState) option.features |= QStyleOptionButton::DefaultButton;
    QWidget* window = data->window.data();
    if (window) option.palette = window->palette();
    drawingStyle->drawControl(QStyle::CE_PushButtonBevel, &option, painter, window);
    painter->restore();
    return Result::Ok;
}

bool CVisualTheme::IsAppThemed() const { return IsLoaded(); }
