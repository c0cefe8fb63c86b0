#pragma once
// A small push button showing a 16 x 16 icon. Its face lightens while the
// mouse is over it (the owner shifts the mouse-over background colour), it
// carries one help tooltip, and it draws with the visual style of an attached
// CVisualTheme, or flat in its own colours without one. Clicks arrive as
// ordinary clicked() signals.

#include "widgets/CVisualTheme.h"

#include <QColor>
#include <QIcon>
#include <QPointer>
#include <QPushButton>

#include <array>

class CIconButton : public QPushButton {
    Q_OBJECT
public:
    enum ColourSlot {
        HoverBackground = 0,
        HoverText = 1,
        NormalBackground = 2,
        NormalText = 3,
        FocusBackground = 4,
        FocusText = 5,
    };
    static constexpr int kColourSlots = 6;
    static constexpr int kIconSize = 16;

    // Results of the colour calls.
    enum ColourResult { ColourOk = 0, BadSlot = 3, BadOffset = 5 };

    explicit CIconButton(QWidget* parent = nullptr);
    ~CIconButton() override;

    // Shows picture id at 16 x 16 on the face (nothing when it is missing).
    void LoadFaceIcon(int id);
    void SetFaceIcon(const QIcon& icon);
    QIcon faceIcon() const { return faceIcon_; }

    int SetFaceColour(int slot, const QColor& colour, bool repaint = true);
    // Adds offset to red, green and blue alike, reduced where needed so that no
    // component leaves 0..255. Slot above 5: BadSlot; offset outside
    // -255..255: BadOffset; otherwise ColourOk.
    int ShiftFaceColour(int slot, int offset, bool repaint = true);
    QColor faceColour(int slot) const;

    // One tooltip tool for the whole button; a second call replaces the text.
    void SetHelpText(const QString& text);
    int toolCount() const { return hasTool_ ? 1 : 0; }

    // Not owned. Null, or a theme that does not theme the application, makes the button draw flat.
    void AttachTheme(CVisualTheme* theme);
    bool unthemed() const;
    bool hovered() const { return hover_; }
    // The background colour slot the flat drawing uses now.
    int currentBackgroundSlot() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void DrawFlatBackground(QPainter& painter);
    void DrawFace(QPainter& painter);
    int ThemeState() const;
    void DetachTheme();
    void SetHover(bool hover);

    QIcon faceIcon_;
    std::array<QColor, kColourSlots> colours_;
    bool hasTool_ = false;
    bool nameFromHelp_ = false;
    bool hover_ = false;
    QPointer<CVisualTheme> theme_;
    CVisualTheme::Handle themeData_ = nullptr;
};
