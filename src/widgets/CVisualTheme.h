#pragma once
// The platform's visual style, bound by name at run time, so the buttons can
// draw in the desktop's look where one is available and fall back to their
// own flat drawing where not. The style named by QT_STYLE_OVERRIDE, or else the
// application's running style, is bound; a name that no style answers to, or
// "none", leaves the theme unbound, and then every operation gives its
// fallback: no theme data, a failure result, no drawing, not themed.

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>
#include <vector>

class QPainter;
class QRect;
class QStyle;
class QWidget;

class CVisualTheme : public QObject {
    Q_OBJECT
public:
    enum class Result { Ok, Failed };
    enum Part { PushButtonPart = 1 };
    enum State { NormalState = 1, HotState = 2, PressedState = 3, DisabledState = 4, DefaultedState = 5 };

    // Theme data opened for one window; owned by the theme until closed.
    struct Data;
    using Handle = Data*;

    explicit CVisualTheme(QObject* parent = nullptr);
    // Binds the style of that name ("none" binds nothing).
    explicit CVisualTheme(const QString& styleName, QObject* parent = nullptr);
    ~CVisualTheme() override;

    // Lets the style go; afterwards every operation gives its fallback.
    void Release();
    bool IsLoaded() const;
    QString styleName() const { return styleName_; }

    Handle OpenThemeData(QWidget* window, const QString& classList);
    Result CloseThemeData(Handle data);
    // Draws the parent's background behind rect first when a parent is given,
    // then the part in the given state; clip limits the drawing when given.
    Result DrawBackground(Handle data,
                          QWidget* parentWindow,
                          QPainter* painter,
                          int part,
                          int state,
                          const QRect& rect,
                          const QRect* clip);
    bool IsAppThemed() const;

private:
    void Bind(const QString& name);
    QStyle* style() const;
    bool IsOpen(Handle data) const;

    QString styleName_;
    QPointer<QStyle> boundStyle_;       // the application's own style (not owned)
    std::unique_ptr<QStyle> ownStyle_;  // a style created by name
    std::vector<std::unique_ptr<Data>> open_;
};
