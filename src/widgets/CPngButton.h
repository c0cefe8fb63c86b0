#pragma once
// A push button whose whole face is one frame of a picture strip of four
// equal frames: normal, mouse over, pressed, chosen. The caption is not drawn;
// it becomes the tooltip and the accessible name. A double click counts as two
// clicks. A button that is one of a set of choices is made checkable by its
// owner; its checked state then follows SetChosen alone, so assistive tools
// read the choice the red frame shows and a click still only reports itself.

#include <QAbstractButton>
#include <QPixmap>

class CPngButton : public QAbstractButton {
    Q_OBJECT
public:
    enum Frame { NormalFrame = 0, HoverFrame = 1, PressedFrame = 2, ChosenFrame = 3 };

    explicit CPngButton(QWidget* parent = nullptr);
    CPngButton(const QString& caption, QWidget* parent = nullptr);

    // Takes picture id from the resources as the face and sizes the button to one frame.
    void SetImage(int id);
    // The same with a picture at hand.
    void SetPicture(const QPixmap& strip);
    void SetChosen(bool chosen);

    bool chosen() const { return chosen_; }
    bool hovered() const { return hover_; }
    // The frame the next paint draws (pressed, then hover, then chosen, then normal).
    int currentFrame() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void nextCheckState() override {}

private:
    void TakeCaption();
    void SetHover(bool hover);

    QPixmap image_;
    bool hover_ = false;
    bool chosen_ = false;
    int frameWidth_ = 0;
    int frameHeight_ = 0;
};
