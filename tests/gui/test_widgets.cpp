// The reusable widgets driven as the user would: picture buttons, signal
// bars, icon buttons with and without a visual style, and the balloon tip.

#include "widgets/Announcer.h"
#include "widgets/CBalloonTip.h"
#include "widgets/CHorizontalTrimBar.h"
#include "widgets/CIconButton.h"
#include "widgets/CPngButton.h"
#include "widgets/CTrimBar.h"
#include "widgets/CVisualTheme.h"
#include "widgets/Pictures.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QColor kSentinel(1, 2, 3);

// What the widget paints by itself, over a sentinel colour instead of a background.
QImage RenderAlone(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(kSentinel);
    widget.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

QColor PixelAt(QWidget& widget, QPoint point) { return RenderAlone(widget).pixelColor(point); }

// A strip of four 60 x 60 frames, each one plain colour.
const QColor kFrameColours[4] = {QColor(200, 0, 0), QColor(0, 200, 0), QColor(0, 0, 200), QColor(200, 200, 0)};

QPixmap FourFrameStrip(int frameWidth, int frameHeight) {
    QPixmap strip(frameWidth * 4, frameHeight);
    QPainter painter(&strip);
    for (int frame = 0; frame < 4; ++frame)
        painter.fillRect(frame * frameWidth, 0, frameWidth, frameHeight, kFrameColours[frame]);
    return strip;
}

QPixmap Plain(QSize size, QColor colour) {
    QPixmap pixmap(size);
    pixmap.fill(colour);
    return pixmap;
}

// Background picture stretched over the client: what a bar at value 0 must show.
QImage BackgroundOnly(QSize client, int pictureId) {
    QImage image(client, QImage::Format_ARGB32);
    image.fill(kSentinel);
    QPainter painter(&image);
    const QPixmap background = LoadPng(pictureId);
    if (!background.isNull()) painter.drawPixmap(QRect(QPoint(0, 0), client), background);
    return image;
}

bool RowsAre(const QImage& image, int firstRow, int lastRow, int firstColumn, int lastColumn, QColor colour) {
    for (int y = firstRow; y <= lastRow; ++y)
        for (int x = firstColumn; x <= lastColumn; ++x)
            if (image.pixelColor(x, y) != colour) return false;
    return true;
}

bool SameRows(const QImage& a, const QImage& b, int firstRow, int lastRow) {
    for (int y = firstRow; y <= lastRow; ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) return false;
    return true;
}

// Every pixel that differs between before and after lies inside the repainted area.
bool ChangesInside(const QImage& before, const QImage& after, const QRegion& repainted) {
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y) && !repainted.contains(QPoint(x, y))) return false;
    return true;
}

}  // namespace

// ---- pictures -----------------------------------------------------------------

TEST(Pictures, MissingPictureIsNullAndLoadingAgainIsHarmless) {
    EXPECT_TRUE(LoadPng(987001).isNull());
    EXPECT_TRUE(LoadPng(987001).isNull());
    EXPECT_TRUE(LoadIcon(987001).isNull());
    EXPECT_EQ(PngPath(170), QStringLiteral(":/png/170.png"));
}

TEST(Pictures, EveryPictureInTheResourcesDecodes) {
    const QStringList names = QDir(QStringLiteral(":/png")).entryList({QStringLiteral("*.png")}, QDir::Files);
    for (const QString& name : names) {
        bool numeric = false;
        const int id = QFileInfo(name).baseName().toInt(&numeric);
        if (!numeric) continue;
        const QPixmap picture = LoadPng(id);
        EXPECT_FALSE(picture.isNull()) << name.toStdString();
        EXPECT_EQ(picture.size(), QImageReader(PngPath(id)).size()) << name.toStdString();
        EXPECT_FALSE(LoadIcon(id).isNull()) << name.toStdString();
    }
}

TEST(Pictures, EveryTranslatedPictureHasTheSizeOfTheEnglishOne) {
    const QDir translated(QStringLiteral(":/png/zh_CN"));
    const QStringList names = translated.entryList({QStringLiteral("*.png")}, QDir::Files);
    EXPECT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        const QSize english = QImageReader(QStringLiteral(":/png/") + name).size();
        EXPECT_TRUE(english.isValid()) << name.toStdString() << " has no English picture";
        EXPECT_EQ(QImageReader(translated.filePath(name)).size(), english) << name.toStdString();
    }
}

TEST(Pictures, TheLoaderTakesThePictureOfTheLanguageAndFallsBackToEnglish) {
    constexpr int kWithText = 170, kWithoutText = 241;
    SetPictureLanguage(QStringLiteral("zh_CN"));
    const auto loads = [](int id, const char* path) {
        return LoadPng(id).toImage() == QPixmap(QString::fromLatin1(path)).toImage();
    };
    SetPictureLanguage(QStringLiteral("zh_CN"));
    EXPECT_EQ(PngPath(kWithText), QStringLiteral(":/png/zh_CN/170.png"));
    EXPECT_TRUE(loads(kWithText, ":/png/zh_CN/170.png"));
    EXPECT_EQ(PngPath(kWithoutText), QStringLiteral(":/png/241.png"));
    EXPECT_TRUE(loads(kWithoutText, ":/png/241.png"));
    SetPictureLanguage(QStringLiteral("en"));
    EXPECT_EQ(PngPath(kWithText), QStringLiteral(":/png/170.png"));
    EXPECT_TRUE(loads(kWithText, ":/png/170.png"));
}

// ---- CPngButton ----------------------------------------------------------------

class PngButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        host.resize(200, 120);
        button = new CPngButton(QStringLiteral("Sport"), &host);
        button->move(10, 10);
        button->SetPicture(FourFrameStrip(60, 60));
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    }

    QColor Face() { return PixelAt(*button, QPoint(30, 30)); }

    QWidget host;
    CPngButton* button = nullptr;
};

TEST_F(PngButtonTest, PictureOfFourFramesSizesTheButtonToOneFrame) {
    EXPECT_EQ(button->size(), QSize(60, 60));
    EXPECT_EQ(button->sizeHint(), QSize(60, 60));
    EXPECT_EQ(button->pos(), QPoint(10, 10));
    EXPECT_EQ(Face(), kFrameColours[CPngButton::NormalFrame]);
}

TEST_F(PngButtonTest, CaptionIsTooltipAndAccessibleNameNotFace) {
    EXPECT_EQ(button->toolTip(), QStringLiteral("Sport"));
    EXPECT_EQ(button->accessibleName(), QStringLiteral("Sport"));
    // The face is the picture alone: every pixel belongs to the normal frame.
    const QImage face = RenderAlone(*button);
    EXPECT_TRUE(RowsAre(face, 0, 59, 0, 59, kFrameColours[0]));
}

TEST_F(PngButtonTest, ChosenButtonShowsHoverThenPressedThenChosenAgain) {
    button->SetChosen(true);
    EXPECT_EQ(button->currentFrame(), CPngButton::ChosenFrame);
    EXPECT_EQ(Face(), kFrameColours[CPngButton::ChosenFrame]);

    QTest::mouseMove(button, QPoint(30, 30));
    EXPECT_TRUE(button->hovered());
    EXPECT_EQ(button->currentFrame(), CPngButton::HoverFrame);
    EXPECT_EQ(Face(), kFrameColours[CPngButton::HoverFrame]);

    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_EQ(button->currentFrame(), CPngButton::PressedFrame);
    EXPECT_EQ(Face(), kFrameColours[CPngButton::PressedFrame]);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_EQ(button->currentFrame(), CPngButton::HoverFrame);

    QTest::mouseMove(&host, QPoint(150, 100));
    EXPECT_FALSE(button->hovered());
    EXPECT_EQ(button->currentFrame(), CPngButton::ChosenFrame);
    EXPECT_EQ(Face(), kFrameColours[CPngButton::ChosenFrame]);

    button->SetChosen(false);
    EXPECT_EQ(Face(), kFrameColours[CPngButton::NormalFrame]);
}

TEST_F(PngButtonTest, DoubleClickCountsAsTwoClicks) {
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    // Through the window system, so the second press really arrives as a double click.
    QTest::mouseDClick(host.windowHandle(), Qt::LeftButton, {}, button->mapTo(&host, QPoint(30, 30)));
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_FALSE(button->isDown());
}

TEST(PngButton, MissingPictureDrawsNothingAndKeepsTheButton) {
    CPngButton button(QStringLiteral("Missing"));
    button.resize(40, 30);
    button.SetImage(987654);
    EXPECT_EQ(button.size(), QSize(40, 30));
    EXPECT_EQ(button.toolTip(), QStringLiteral("Missing"));
    const QImage face = RenderAlone(button);
    EXPECT_TRUE(RowsAre(face, 0, 29, 0, 39, kSentinel));
}

// ---- signal bars ---------------------------------------------------------------

TEST(TrimBarRange, ValueOutsideRangeIsClampedAndReported) {
    CTrimBar bar;
    bar.SetRange(-125, 125);
    EXPECT_EQ(bar.SetValue(130), 0);
    EXPECT_EQ(bar.value(), 125);
    EXPECT_EQ(bar.SetValue(-126), 0);
    EXPECT_EQ(bar.value(), -125);
    EXPECT_EQ(bar.SetValue(125), 1);
    EXPECT_EQ(bar.SetValue(-3), 1);
    EXPECT_EQ(bar.value(), -3);
}

TEST(TrimBarRange, RangeEndsMayComeInEitherOrder) {
    CTrimBar forward;
    CHorizontalTrimBar backward;
    forward.SetRange(-125, 125);
    backward.SetRange(125, -125);
    EXPECT_EQ(backward.minimum(), forward.minimum());
    EXPECT_EQ(backward.maximum(), forward.maximum());
    for (int v : {-300, -125, 0, 77, 125, 300}) {
        EXPECT_EQ(backward.SetValue(v), forward.SetValue(v)) << v;
        EXPECT_EQ(backward.value(), forward.value()) << v;
    }
}

TEST(TrimBarRange, StartsAtZeroWithinMinus100To100) {
    CTrimBar bar;
    EXPECT_EQ(bar.value(), 0);
    EXPECT_EQ(bar.SetValue(100), 1);
    EXPECT_EQ(bar.SetValue(101), 0);
    EXPECT_EQ(bar.value(), 100);
}

TEST(TrimBarPaint, FullNegativeValueFillsTheLowerHalfExactly) {
    CTrimBar bar;
    bar.resize(20, 100);
    bar.SetRange(-125, 125);
    bar.SetValue(-125);
    EXPECT_EQ(CTrimBar::BarRect(bar.size(), -125, 125), QRect(1, 50, 18, 50));

    const QImage drawn = RenderAlone(bar);
    EXPECT_TRUE(RowsAre(drawn, 50, 99, 1, 18, CSignalBar::NegativeColour()));
    const QImage background = BackgroundOnly(bar.size(), 183);
    EXPECT_TRUE(SameRows(drawn, background, 0, 49));
    // The outer columns stay background.
    for (int y = 50; y < 100; ++y) {
        EXPECT_EQ(drawn.pixel(0, y), background.pixel(0, y));
        EXPECT_EQ(drawn.pixel(19, y), background.pixel(19, y));
    }
}

TEST(TrimBarPaint, FullPositiveValueFillsTheUpperHalf) {
    CTrimBar bar;
    bar.resize(20, 100);
    bar.SetRange(-125, 125);
    bar.SetValue(125);
    const QImage drawn = RenderAlone(bar);
    EXPECT_TRUE(RowsAre(drawn, 0, 49, 1, 18, CSignalBar::PositiveColour()));
    EXPECT_TRUE(SameRows(drawn, BackgroundOnly(bar.size(), 183), 51, 99));
    EXPECT_NE(CSignalBar::PositiveColour(), CSignalBar::NegativeColour());
}

TEST(TrimBarPaint, BarLengthFollowsTheValue) {
    // Half the range reaches about half way from the centre to the edge.
    const QRect half = CTrimBar::BarRect(QSize(20, 100), 50, 100);
    EXPECT_NEAR(half.top(), 25, 1);
    EXPECT_NEAR(half.bottom(), 50, 1);
    const QRect down = CTrimBar::BarRect(QSize(20, 100), -50, 100);
    EXPECT_NEAR(down.top(), 50, 1);
    EXPECT_NEAR(down.bottom(), 75, 1);
}

TEST(TrimBarPaint, ZeroShowsTheBackgroundAlone) {
    CTrimBar vertical;
    CHorizontalTrimBar horizontal;
    vertical.resize(20, 100);
    horizontal.resize(100, 20);
    vertical.SetValue(60);
    horizontal.SetValue(-60);
    vertical.SetValue(0);
    horizontal.SetValue(0);
    EXPECT_TRUE(CTrimBar::BarRect(vertical.size(), 0, 100).isEmpty());
    EXPECT_EQ(RenderAlone(vertical), BackgroundOnly(vertical.size(), 183));
    EXPECT_EQ(RenderAlone(horizontal), BackgroundOnly(horizontal.size(), 184));
}

TEST(TrimBarPaint, HorizontalBarGrowsLeftForPositiveAndRightForNegative) {
    CHorizontalTrimBar bar;
    bar.resize(100, 20);
    bar.SetRange(-100, 100);
    const QImage background = BackgroundOnly(bar.size(), 184);

    bar.SetValue(100);
    QImage drawn = RenderAlone(bar);
    EXPECT_TRUE(RowsAre(drawn, 1, 18, 0, 49, CSignalBar::PositiveColour()));
    EXPECT_EQ(drawn.pixel(70, 10), background.pixel(70, 10));
    EXPECT_EQ(drawn.pixel(20, 0), background.pixel(20, 0));  // inset from the top edge

    bar.SetValue(-100);
    drawn = RenderAlone(bar);
    EXPECT_TRUE(RowsAre(drawn, 1, 18, 50, 97, CSignalBar::NegativeColour()));
    EXPECT_EQ(drawn.pixel(30, 10), background.pixel(30, 10));
    EXPECT_EQ(drawn.pixel(70, 19), background.pixel(70, 19));  // inset from the bottom edge
}

TEST(TrimBarRepaint, OnlyTheStripBetweenOldAndNewBarEndIsInvalidated) {
    CTrimBar bar;
    bar.resize(20, 100);
    bar.SetRange(-125, 125);
    const int centre = 50;
    // Row where a bar ends away from the centre line.
    const auto outerEnd = [&] {
        const QRect drawn = bar.currentBar();
        if (bar.value() == 0) return centre;
        return bar.value() > 0 ? drawn.top() : drawn.bottom();
    };
    struct Step {
        int value;
        bool sameSide;  // old and new bar on the same side of the centre
    };
    const Step steps[] = {{50, false}, {100, true}, {40, true}, {-60, false}, {-125, true}, {0, false}};
    for (const Step& step : steps) {
        const QImage before = RenderAlone(bar);
        const int oldEnd = outerEnd();
        bar.SetValue(step.value);
        const int newEnd = outerEnd();
        const QRect strip = bar.lastInvalidated();
        EXPECT_TRUE(ChangesInside(before, RenderAlone(bar), bar.lastInvalidatedRegion())) << step.value;
        EXPECT_TRUE(strip.contains(0, oldEnd) && strip.contains(19, oldEnd)) << step.value;
        EXPECT_TRUE(strip.contains(0, newEnd) && strip.contains(19, newEnd)) << step.value;
        if (step.sameSide) {  // the part both bars share is left alone
            const int shared = step.value > 0 ? centre - 3 : centre + 3;
            EXPECT_FALSE(bar.lastInvalidatedRegion().contains(QPoint(10, shared))) << step.value;
        }
    }
    bar.SetValue(0);
    EXPECT_TRUE(bar.lastInvalidated().isEmpty());  // nothing changed, nothing repainted
}

TEST(TrimBarRepaint, HorizontalStripCoversTheChangedColumns) {
    CHorizontalTrimBar bar;
    bar.resize(100, 20);
    for (int value : {30, 90, -20, -100, 10}) {
        const QImage before = RenderAlone(bar);
        bar.SetValue(value);
        const QRect strip = bar.lastInvalidated();
        EXPECT_TRUE(ChangesInside(before, RenderAlone(bar), bar.lastInvalidatedRegion())) << value;
        EXPECT_EQ(strip.height(), bar.height()) << value;
    }
}

// ---- CIconButton and CVisualTheme ------------------------------------------------------

TEST(IconButtonColour, ShiftIsReducedToKeepComponentsInRange) {
    CIconButton button;
    ASSERT_EQ(button.SetFaceColour(CIconButton::HoverBackground, QColor(240, 200, 100)), CIconButton::ColourOk);
    EXPECT_EQ(button.ShiftFaceColour(CIconButton::HoverBackground, 30, true), CIconButton::ColourOk);
    EXPECT_EQ(button.faceColour(CIconButton::HoverBackground), QColor(255, 215, 115));

    button.SetFaceColour(CIconButton::NormalBackground, QColor(20, 100, 200));
    EXPECT_EQ(button.ShiftFaceColour(CIconButton::NormalBackground, -30, false), CIconButton::ColourOk);
    EXPECT_EQ(button.faceColour(CIconButton::NormalBackground), QColor(0, 80, 180));

    button.SetFaceColour(CIconButton::FocusText, QColor(10, 20, 30));
    EXPECT_EQ(button.ShiftFaceColour(CIconButton::FocusText, 30, false), CIconButton::ColourOk);
    EXPECT_EQ(button.faceColour(CIconButton::FocusText), QColor(40, 50, 60));
}

TEST(IconButtonColour, BadSlotAndBadOffsetAreRefusedUnchanged) {
    CIconButton button;
    button.SetFaceColour(CIconButton::HoverBackground, QColor(100, 100, 100));
    EXPECT_EQ(button.ShiftFaceColour(6, 30, true), CIconButton::BadSlot);
    EXPECT_EQ(button.ShiftFaceColour(-1, 30, true), CIconButton::BadSlot);
    EXPECT_EQ(button.ShiftFaceColour(CIconButton::HoverBackground, 300, true), CIconButton::BadOffset);
    EXPECT_EQ(button.ShiftFaceColour(CIconButton::HoverBackground, -256, true), CIconButton::BadOffset);
    EXPECT_EQ(button.SetFaceColour(6, Qt::red), CIconButton::BadSlot);
    EXPECT_EQ(button.faceColour(CIconButton::HoverBackground), QColor(100, 100, 100));
    EXPECT_EQ(button.ShiftFaceColour(CIconButton::HoverBackground, 255, false), CIconButton::ColourOk);
    EXPECT_EQ(button.faceColour(CIconButton::HoverBackground), QColor(255, 255, 255));
}

TEST(IconButtonFace, FaceLightensWhileTheMouseIsOver) {
    QWidget host;
    host.resize(200, 100);
    auto* button = new CIconButton(&host);
    button->setGeometry(20, 20, 40, 30);
    button->AttachTheme(nullptr);
    for (int slot : {CIconButton::NormalBackground, CIconButton::FocusBackground, CIconButton::HoverBackground})
        button->SetFaceColour(slot, QColor(120, 120, 120));
    button->ShiftFaceColour(CIconButton::HoverBackground, 30, true);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    const QPoint face(5, 15);
    EXPECT_EQ(PixelAt(*button, face), QColor(120, 120, 120));

    QTest::mouseMove(button, QPoint(20, 15));
    EXPECT_TRUE(button->hovered());
    EXPECT_EQ(PixelAt(*button, face), QColor(150, 150, 150));

    QTest::mouseMove(&host, QPoint(150, 80));
    EXPECT_FALSE(button->hovered());
    EXPECT_EQ(PixelAt(*button, face), QColor(120, 120, 120));
}

TEST(IconButtonFace, IconSitsInTheMiddleAndClicksArriveAsSignals) {
    QWidget host;
    auto* button = new CIconButton(&host);
    button->setGeometry(0, 0, 40, 30);
    button->AttachTheme(nullptr);
    button->SetFaceIcon(QIcon(Plain(QSize(16, 16), QColor(0, 0, 255))));
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    EXPECT_EQ(PixelAt(*button, QPoint(20, 15)), QColor(0, 0, 255));
    EXPECT_NE(PixelAt(*button, QPoint(5, 15)), QColor(0, 0, 255));

    QSignalSpy clicks(button, &QAbstractButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);

    button->LoadFaceIcon(987654);  // missing: the face shows no icon, nothing fails
    EXPECT_NE(PixelAt(*button, QPoint(20, 15)), QColor(0, 0, 255));
}

TEST(IconButtonHelp, HelpTextSetTwiceReplacesTheOnlyTool) {
    CIconButton button;
    EXPECT_EQ(button.toolCount(), 0);
    button.SetHelpText(QStringLiteral("Trim up"));
    button.SetHelpText(QStringLiteral("Move the servo up"));
    EXPECT_EQ(button.toolCount(), 1);
    EXPECT_EQ(button.toolTip(), QStringLiteral("Move the servo up"));
    EXPECT_EQ(button.accessibleName(), QStringLiteral("Move the servo up"));
}

TEST(VisualTheme, MissingStyleGivesEveryFallback) {
    CVisualTheme missing(QStringLiteral("none"));
    EXPECT_FALSE(missing.IsLoaded());
    EXPECT_FALSE(missing.IsAppThemed());
    EXPECT_EQ(missing.OpenThemeData(nullptr, QStringLiteral("BUTTON")), nullptr);
    EXPECT_EQ(missing.CloseThemeData(nullptr), CVisualTheme::Result::Failed);
    QImage image(10, 10, QImage::Format_ARGB32);
    image.fill(kSentinel);
    QPainter painter(&image);
    const QRect area(0, 0, 10, 10);
    EXPECT_EQ(missing.DrawBackground(nullptr, nullptr, &painter, CVisualTheme::PushButtonPart,
                                     CVisualTheme::NormalState, area, &area),
              CVisualTheme::Result::Failed);
    painter.end();
    EXPECT_TRUE(RowsAre(image, 0, 9, 0, 9, kSentinel));

    CVisualTheme unknown(QStringLiteral("no-such-style"));
    EXPECT_FALSE(unknown.IsAppThemed());
}

TEST(VisualTheme, StyleOverrideNamesTheStyleToBind) {
    const QByteArray saved = qgetenv("QT_STYLE_OVERRIDE");
    qputenv("QT_STYLE_OVERRIDE", "none");
    CVisualTheme switchedOff;
    qputenv("QT_STYLE_OVERRIDE", "Fusion");
    CVisualTheme fusion;
    if (saved.isEmpty())
        qunsetenv("QT_STYLE_OVERRIDE");
    else
        qputenv("QT_STYLE_OVERRIDE", saved);
    EXPECT_FALSE(switchedOff.IsAppThemed());
    EXPECT_TRUE(fusion.IsAppThemed());
    EXPECT_EQ(fusion.styleName(), QStringLiteral("Fusion"));
}

TEST(VisualTheme, ButtonsWithoutThemeDrawFlatAndNothingFails) {
    CVisualTheme missing(QStringLiteral("none"));
    CIconButton button;
    button.resize(30, 24);
    button.SetFaceColour(CIconButton::NormalBackground, QColor(90, 60, 30));
    button.AttachTheme(&missing);
    EXPECT_TRUE(button.unthemed());
    EXPECT_EQ(PixelAt(button, QPoint(4, 12)), QColor(90, 60, 30));
    button.AttachTheme(nullptr);
    EXPECT_TRUE(button.unthemed());
    EXPECT_EQ(PixelAt(button, QPoint(4, 12)), QColor(90, 60, 30));
}

TEST(VisualTheme, RunningStyleDrawsTheButtonAndItsLossFallsBackToFlat) {
    auto* theme = new CVisualTheme();
    ASSERT_TRUE(theme->IsLoaded()) << theme->styleName().toStdString();
    EXPECT_TRUE(theme->IsAppThemed());

    CIconButton button;
    button.resize(30, 24);
    button.SetFaceColour(CIconButton::NormalBackground, QColor(90, 60, 30));
    button.AttachTheme(theme);
    EXPECT_FALSE(button.unthemed());
    const QImage themed = RenderAlone(button);
    EXPECT_NE(themed.pixelColor(15, 12), kSentinel);          // the style drew the face
    EXPECT_NE(themed.pixelColor(4, 12), QColor(90, 60, 30));  // and not in the flat colours

    theme->Release();
    EXPECT_TRUE(button.unthemed());
    EXPECT_EQ(PixelAt(button, QPoint(4, 12)), QColor(90, 60, 30));
    delete theme;
    EXPECT_TRUE(button.unthemed());
    EXPECT_EQ(PixelAt(button, QPoint(4, 12)), QColor(90, 60, 30));
}

TEST(VisualTheme, ThemeDataOpensAndClosesOnce) {
    CVisualTheme theme;
    ASSERT_TRUE(theme.IsLoaded());
    QWidget window;
    const CVisualTheme::Handle data = theme.OpenThemeData(&window, QStringLiteral("BUTTON"));
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(theme.CloseThemeData(data), CVisualTheme::Result::Ok);
    EXPECT_EQ(theme.CloseThemeData(data), CVisualTheme::Result::Failed);
}

// ---- CBalloonTip ---------------------------------------------------------------

class BalloonTest : public ::testing::Test {
protected:
    void SetUp() override {
        host.resize(420, 260);
        host.move(300, 200);  // room for a balloon on every side
        tool = new QFrame(&host);
        tool->setGeometry(20, 20, 120, 60);
        inner = new QLabel(QStringLiteral("Gain"), tool);
        inner->setGeometry(10, 10, 60, 30);
        lines = new QPushButton(QStringLiteral("Lines"), &host);
        lines->setGeometry(160, 20, 100, 40);
        withIcon = new QPushButton(QStringLiteral("Icon"), &host);
        withIcon->setGeometry(160, 100, 100, 40);
        withoutIcon = new QPushButton(QStringLiteral("No icon"), &host);
        withoutIcon->setGeometry(280, 100, 100, 40);
        plain = new QPushButton(QStringLiteral("Plain"), &host);
        plain->setGeometry(20, 180, 100, 40);

        balloon.Attach(&host);
        balloon.SetCursorSource([this] { return cursor; });
        balloon.AddTool(tool, QStringLiteral("This is the tail rotor total gain"));
        balloon.AddTool(lines, QStringLiteral("one\r\ntwo\r\nthree"));
        balloon.AddTool(withIcon, QStringLiteral("Help"), Plain(QSize(20, 20), kIconColour));
        balloon.AddTool(withoutIcon, QStringLiteral("Help"));
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
        // The mouse may still rest where an earlier test left it; a move to
        // that same point would produce no event, so start from a neutral spot.
        MoveTo(&host, QPoint(410, 250));
    }

    // Puts the cursor on widget at point, the way the mouse would.
    void MoveTo(QWidget* widget, QPoint point) {
        cursor = widget->mapToGlobal(point);
        QTest::mouseMove(widget, point);
    }

    bool WaitShown(int timeoutMs = 5000) {
        return QTest::qWaitFor([this] { return balloon.isVisible(); }, timeoutMs);
    }

    bool WaitHidden(int timeoutMs = 5000) {
        return QTest::qWaitFor([this] { return !balloon.isVisible(); }, timeoutMs);
    }

    // Text pixels: dark, inside the frame.
    int LeftmostTextColumn() {
        const QImage image = balloon.grab().toImage();
        const QSize body = balloon.BodySize();
        for (int x = 5; x < body.width() - 5; ++x)
            for (int y = 8; y < body.height() - 5; ++y)
                if (qGray(image.pixel(x, y)) < 80) return x;
        return -1;
    }

    int TextLineCount() {
        const QImage image = balloon.grab().toImage();
        const QSize body = balloon.BodySize();
        int bands = 0;
        bool inBand = false;
        for (int y = 5; y < body.height() - 5; ++y) {
            bool dark = false;
            for (int x = 5; x < body.width() - 5 && !dark; ++x) dark = qGray(image.pixel(x, y)) < 80;
            if (dark && !inBand) ++bands;
            inBand = dark;
        }
        return bands;
    }

    QWidget host;
    QFrame* tool = nullptr;
    QLabel* inner = nullptr;
    QPushButton* lines = nullptr;
    QPushButton* withIcon = nullptr;
    QPushButton* withoutIcon = nullptr;
    QPushButton* plain = nullptr;
    CBalloonTip balloon;
    QPoint cursor{-1000, -1000};
    const QColor kIconColour{0, 200, 255};  // light, so it never passes for text
};

TEST_F(BalloonTest, AppearsOnlyAfterTheCursorRestsHalfASecond) {
    // A ground of its own, so what the balloon shows beside its pointer can only come from the host.
    QPalette ground = host.palette();
    ground.setColor(QPalette::Window, QColor(0x12, 0x34, 0x56));
    host.setPalette(ground);
    host.setAutoFillBackground(true);
    QElapsedTimer resting;
    resting.start();
    MoveTo(tool, QPoint(100, 50));
    EXPECT_FALSE(balloon.isVisible());
    EXPECT_TRUE(balloon.showPending());
    ASSERT_TRUE(WaitShown());
    EXPECT_GE(resting.elapsed(), CBalloonTip::kShowDelayMs);
    EXPECT_EQ(balloon.text(), QStringLiteral("This is the tail rotor total gain"));

    // The pointer's corner sits at the cursor: window at (anchor - body + (12, 10)), 25 taller than the body.
    const QSize body = balloon.BodySize();
    ASSERT_TRUE(balloon.anchor().has_value());
    EXPECT_EQ(*balloon.anchor(), cursor);
    EXPECT_EQ(balloon.pos(), cursor - QPoint(body.width() - 12, body.height() - 10));
    EXPECT_EQ(balloon.size(), QSize(body.width(), body.height() + 25));
    EXPECT_EQ(balloon.BalloonShape().boundingRect(), QRectF(0, 0, body.width(), body.height() + 15));
    // Beside the pointer the window shows what lies beneath it: no box around it, composited or not.
    const QPoint beside(body.width() - 9, body.height() + 5);
    EXPECT_EQ(balloon.grab().toImage().pixel(beside), QColor(0x12, 0x34, 0x56).rgb());
}

TEST_F(BalloonTest, TabShowsTheBalloonAfterTheRestF1AtOnceAndLeavingHidesIt) {
    host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    plain->setFocus();
    QTest::keyClick(plain, Qt::Key_Tab);  // on to the frame, which takes focus because it has help
    ASSERT_EQ(QApplication::focusWidget(), tool);
    EXPECT_FALSE(balloon.isVisible());
    EXPECT_TRUE(balloon.showPending());
    ASSERT_TRUE(WaitShown());
    EXPECT_EQ(balloon.text(), QStringLiteral("This is the tail rotor total gain"));

    QTest::keyClick(tool, Qt::Key_Tab);
    EXPECT_FALSE(balloon.isVisible());
    // A reader spoke the help of several lines as the control's description: not again when Tab shows it.
    const int spoken = Announcer::Of(&host)->count();
    ASSERT_TRUE(WaitShown());
    QApplication::processEvents();
    EXPECT_EQ(Announcer::Of(&host)->count(), spoken);
    host.move(-100, -100);  // the control near the screen's corner: the balloon stays on the screen
    QTest::keyClick(lines, Qt::Key_F1);
    EXPECT_TRUE(balloon.isVisible());
    EXPECT_EQ(balloon.text(), QStringLiteral("one\r\ntwo\r\nthree"));
    EXPECT_TRUE(host.screen()->availableGeometry().contains(balloon.frameGeometry()))
        << balloon.frameGeometry().x() << "," << balloon.frameGeometry().y();
    // And a reader hears it.
    QApplication::processEvents();
    EXPECT_TRUE(Announcer::Of(&host)->lastText().contains(QStringLiteral("two")));
    QTest::keyClick(lines, Qt::Key_Tab);
    EXPECT_FALSE(balloon.isVisible());
}

TEST_F(BalloonTest, ChildOfAToolShowsTheToolsText) {
    MoveTo(inner, QPoint(5, 5));
    ASSERT_TRUE(WaitShown());
    EXPECT_EQ(balloon.text(), QStringLiteral("This is the tail rotor total gain"));
}

TEST_F(BalloonTest, EveryNewPointRestartsTheDelay) {
    for (int x = 10; x <= 60; x += 10) MoveTo(tool, QPoint(x, 30));
    QElapsedTimer sinceLastMove;
    sinceLastMove.start();
    const QPoint last = cursor;
    ASSERT_TRUE(WaitShown());
    EXPECT_GE(sinceLastMove.elapsed(), CBalloonTip::kShowDelayMs);
    EXPECT_EQ(*balloon.anchor(), last);
}

TEST_F(BalloonTest, CrossingAToolWithoutRestingShowsNothing) {
    MoveTo(tool, QPoint(30, 30));
    MoveTo(tool, QPoint(60, 30));
    MoveTo(plain, QPoint(10, 10));  // not a tool: the pending balloon is dropped
    EXPECT_FALSE(balloon.showPending());
    EXPECT_FALSE(WaitShown(3 * CBalloonTip::kShowDelayMs));
}

TEST_F(BalloonTest, OnePixelMoveHidesTheBalloon) {
    MoveTo(tool, QPoint(50, 30));
    ASSERT_TRUE(WaitShown());
    MoveTo(tool, QPoint(51, 30));
    EXPECT_TRUE(WaitHidden(2 * CBalloonTip::kWatchPeriodMs + 2000));
    // Resting at the new point brings it back there.
    ASSERT_TRUE(WaitShown());
    EXPECT_EQ(*balloon.anchor(), tool->mapToGlobal(QPoint(51, 30)));
}

TEST_F(BalloonTest, WatchHidesTheBalloonWhenTheCursorLeavesUnseen) {
    MoveTo(tool, QPoint(50, 30));
    ASSERT_TRUE(WaitShown());
    cursor += QPoint(0, 1);  // the owner sees no event, only the watch notices
    EXPECT_TRUE(WaitHidden());
}

TEST_F(BalloonTest, ButtonPressHidesTheBalloon) {
    MoveTo(tool, QPoint(50, 30));
    ASSERT_TRUE(WaitShown());
    QTest::mousePress(inner, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(balloon.isVisible());
    QTest::mouseRelease(inner, Qt::LeftButton, {}, QPoint(5, 5));
}

TEST_F(BalloonTest, LineBreaksGiveSeveralLinesAndATallerBalloon) {
    MoveTo(tool, QPoint(50, 30));
    ASSERT_TRUE(WaitShown());
    const int oneLineHeight = balloon.BodySize().height();
    EXPECT_EQ(TextLineCount(), 1);

    MoveTo(lines, QPoint(50, 20));
    ASSERT_TRUE(WaitShown());
    EXPECT_EQ(TextLineCount(), 3);
    const int lineSpacing = QFontMetrics(balloon.font()).lineSpacing();
    EXPECT_GE(balloon.BodySize().height() - oneLineHeight, 2 * lineSpacing - 1);
    EXPECT_EQ(balloon.height(), balloon.BodySize().height() + 25);
}

TEST_F(BalloonTest, IconShiftsTheTextByItsWidthAndFive) {
    MoveTo(withoutIcon, QPoint(50, 20));
    ASSERT_TRUE(WaitShown());
    const int plainText = LeftmostTextColumn();
    const int plainWidth = balloon.BodySize().width();
    ASSERT_GE(plainText, 0);

    MoveTo(withIcon, QPoint(50, 20));
    ASSERT_TRUE(WaitShown());
    const int shiftedText = LeftmostTextColumn();
    EXPECT_EQ(shiftedText - plainText, 20 + 5);
    EXPECT_EQ(balloon.BodySize().width() - plainWidth, 20 + 5);
    EXPECT_EQ(balloon.grab().toImage().pixelColor(12 + 10, 10 + 10), kIconColour);
}

TEST_F(BalloonTest, ControlsAddedLaterAreWatchedToo) {
    auto* late = new QPushButton(QStringLiteral("Late"), &host);
    late->setGeometry(300, 180, 80, 40);
    late->show();
    balloon.AddTool(late, QStringLiteral("Added later"));
    MoveTo(late, QPoint(40, 20));
    ASSERT_TRUE(WaitShown());
    EXPECT_EQ(balloon.text(), QStringLiteral("Added later"));

    const int tools = balloon.toolCount();
    delete late;  // its entry goes with it
    EXPECT_EQ(balloon.toolCount(), tools - 1);
}

TEST_F(BalloonTest, HidingTheOwnerHidesTheBalloon) {
    MoveTo(tool, QPoint(50, 30));
    ASSERT_TRUE(WaitShown());
    host.hide();
    EXPECT_FALSE(balloon.isVisible());
}

TEST_F(BalloonTest, AddingAToolTwiceReplacesItsText) {
    const int tools = balloon.toolCount();
    balloon.AddTool(tool, QStringLiteral("Replaced"));
    EXPECT_EQ(balloon.toolCount(), tools);
    MoveTo(tool, QPoint(50, 30));
    ASSERT_TRUE(WaitShown());
    EXPECT_EQ(balloon.text(), QStringLiteral("Replaced"));
    EXPECT_EQ(balloon.accessibleName(), QStringLiteral("Replaced"));
}
