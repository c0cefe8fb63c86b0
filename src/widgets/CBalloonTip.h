#pragma once
// A yellow speech-balloon popup with a pointer at its lower right, a thin
// frame, an optional icon and multi-line help text ("\r\n" starts a new line).
// It appears when the mouse has rested on a registered control for half a
// second and disappears when the mouse moves on or a button is pressed. For
// the keyboard the same: a control reached by Tab, Backtab or a shortcut
// shows its balloon after the same rest, F1 shows it at once (Space too on a
// control that does nothing with Space, such as a "?" marker), and it goes
// when focus leaves. Registered controls take Tab focus, so every help is
// within reach of the keyboard. The window is opaque: around the balloon's
// outline it draws what lay beneath it when it opened, so it needs neither a
// compositor nor a mask (which a bare X server fills black).
//
// The owner creates it, registers its controls with AddTool and either relays
// its mouse events through RelayEvent or simply calls Attach once, which
// watches the owner and all its children (present and future).

#include <QFont>
#include <QHash>
#include <QPainterPath>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

class CBalloonTip : public QWidget {
    Q_OBJECT
public:
    static constexpr int kShowDelayMs = 500;
    static constexpr int kWatchPeriodMs = 500;

    explicit CBalloonTip(QWidget* owner = nullptr);

    // Makes the balloon a hidden popup belonging to owner and takes the application font.
    void Create(QWidget* owner);
    // Create, then relay the mouse events of owner and every child of it.
    void Attach(QWidget* owner);
    // Enters or replaces the control's text and icon; the text is also the control's accessible description.
    void AddTool(QWidget* control, const QString& text, const QPixmap& icon = QPixmap());
    // Called with every event the owner sees: mouse moves and keyboard focus
    // arm or hide the balloon, button presses hide it, F1 shows it at once.
    // True when the event was used up (a help key).
    bool RelayEvent(QObject* watched, QEvent* event);
    // Where the cursor is; QCursor::pos() unless replaced (the tests drive a cursor of their own).
    void SetCursorSource(std::function<QPoint()> source);

    QWidget* owner() const { return owner_; }
    int toolCount() const { return int(tools_.size()); }
    QString text() const { return text_; }
    QPixmap icon() const { return icon_; }
    // The control whose balloon keyboard focus shows, while one does.
    QWidget* focusTool() const { return focusTool_; }
    // The cursor position (or, for focus, the point on the control) the balloon belongs to, in global coordinates.
    std::optional<QPoint> anchor() const { return anchor_; }
    bool showPending() const { return showTimer_.isActive(); }

    // Width and height of the body for the current text and icon (the window is 25 higher).
    QSize BodySize() const;
    int WrapWidth() const;
    QRect TextRect() const;
    // Outline of body and pointer, in window coordinates.
    QPainterPath BalloonShape() const;
    // Where the text starts, in window coordinates.
    QPoint TextOrigin() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Tool {
        QString text;
        QPixmap icon;
    };

    void OnMouseMove();
    void OnFocusIn(QWidget* control, Qt::FocusReason reason);
    bool OnHelpKey(QWidget* control, int key);
    QWidget* ToolFor(QWidget* widget) const;
    const Tool* ToolAt(const QPoint& global) const;
    void Take(const Tool& tool);
    void ShowAtAnchor();
    void Watch();
    void HideBalloon();
    void InstallOn(QWidget* widget);
    QString DisplayText() const;
    QSize IconSize() const;

    QPointer<QWidget> owner_;
    QPointer<QWidget> focusTool_;
    bool askedFor_ = false;  // shown by F1 (or Space on a help label), not by the focus alone
    QHash<const QObject*, Tool> tools_;
    std::function<QPoint()> cursor_;
    std::optional<QPoint> anchor_;
    QString text_;
    QPixmap icon_;
    QPixmap backdrop_;  // what lies under the window, drawn around the outline
    QFont font_;
    QTimer showTimer_;
    QTimer watchTimer_;
};
