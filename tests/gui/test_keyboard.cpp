// Keyboard-only use of every window: Tab reaches every control, group by
// group and in reading order inside a group, and the control with focus
// looks different from the same control without it.

#include "WindowFactory.h"
#include "app/CMainFrame.h"
#include "params/Orvex.h"

#include <gtest/gtest.h>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QGroupBox>
#include <QTabBar>
#include <QTest>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

QRect PlaceIn(const QWidget* window, const QWidget* w) { return QRect(w->mapTo(window, QPoint()), w->size()); }

std::string Describe(const QWidget* w) {
    const QString caption = w->accessibleName().isEmpty() ? w->property("text").toString() : w->accessibleName();
    return (w->objectName() + QStringLiteral(" \"") + caption + QStringLiteral("\"")).toStdString();
}

// The group frames around w on screen, outermost first.
std::vector<QRect> FramesAround(QWidget* window, QWidget* w) {
    const QRect place = PlaceIn(window, w);
    std::vector<QRect> frames;
    for (QGroupBox* frame : window->findChildren<QGroupBox*>())
        if (frame->isVisible() && PlaceIn(window, frame).contains(place)) frames.push_back(PlaceIn(window, frame));
    std::sort(frames.begin(), frames.end(),
              [](const QRect& a, const QRect& b) { return a.width() * a.height() > b.width() * b.height(); });
    return frames;
}

// Reading order broken: the later block lies wholly above the earlier one, or
// in the same row (each starts above the other's middle) wholly to its left.
bool ReadsBefore(const QRect& later, const QRect& earlier) {
    if (later.bottom() < earlier.top()) return true;
    const bool sameRow = later.top() < earlier.center().y() && earlier.top() < later.center().y();
    return sameRow && later.right() < earlier.left();
}

// Compares a and b at the first level where their groups part (a group, or the control itself).
bool OutOfOrder(QWidget* window, QWidget* earlier, QWidget* later) {
    const std::vector<QRect> a = FramesAround(window, earlier), b = FramesAround(window, later);
    size_t level = 0;
    while (level < a.size() && level < b.size() && a[level] == b[level]) ++level;
    const QRect blockA = level < a.size() ? a[level] : PlaceIn(window, earlier);
    const QRect blockB = level < b.size() ? b[level] : PlaceIn(window, later);
    return ReadsBefore(blockB, blockA);
}

bool Reachable(QWidget* window, QWidget* w) {
    return w->window() == window && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
           !w->focusProxy();
}

}  // namespace

TEST(Keyboard, TabVisitsEveryControlInReadingOrderAndFocusIsSeen) {
    for (const WindowFactory& factory : EveryWindow()) {
        ResetOrvex();
        const OpenedWindow opened = factory.open();
        QWidget* window = opened.window.get();
        const std::string name = factory.name.toStdString();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window)) << name;

        std::vector<QWidget*> visits;
        for (size_t step = 0; step < 200; ++step) {
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, Qt::Key_Tab);
            QWidget* now = QApplication::focusWidget();
            ASSERT_NE(now, nullptr) << name;
            if (!visits.empty() && now == visits.front()) break;
            visits.push_back(now);
            const QImage focused = now->grab().toImage();
            if (auto* area = qobject_cast<QAbstractScrollArea*>(now)) {
                // The frame goes around a list, not over it: its rows are still drawn.
                const QImage inside = area->viewport()->grab().toImage();
                std::set<QRgb> colours;
                for (int y = 0; y < inside.height(); ++y)
                    for (int x = 0; x < inside.width(); ++x) colours.insert(inside.pixel(x, y));
                EXPECT_GT(colours.size(), 4u) << name << " nothing drawn in " << Describe(now);
            }
            now->clearFocus();
            EXPECT_NE(now->grab().toImage(), focused) << name << " no focus shown on " << Describe(now);
            now->setFocus(Qt::TabFocusReason);
        }
        ASSERT_EQ(QApplication::focusWidget(), visits.front()) << name << ": Tab does not come round";
        // The walk began wherever the window put focus: start the round where it turns back to the top.
        for (size_t i = 0; i + 1 < visits.size(); ++i) {
            if (OutOfOrder(window, visits[i], visits[i + 1])) {
                std::rotate(visits.begin(), visits.begin() + static_cast<std::ptrdiff_t>(i + 1), visits.end());
                break;
            }
        }
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (Reachable(window, w)) {
                EXPECT_NE(std::find(visits.begin(), visits.end(), w), visits.end()) << name << " " << Describe(w);
            }
        }
        for (size_t i = 0; i < visits.size(); ++i) {
            EXPECT_FALSE(qobject_cast<QTabBar*>(visits[i]->parentWidget())) << name << " tab strip arrow takes focus";
            for (size_t j = i + 1; j < visits.size(); ++j)
                EXPECT_FALSE(OutOfOrder(window, visits[i], visits[j]))
                    << name << ": " << Describe(visits[j]) << " comes after " << Describe(visits[i]);
        }
    }
    ResetOrvex();
}

// The standard keys work beside the menu's Alt accelerators.
TEST(Keyboard, QuitKeyClosesTheMainWindow) {
    ResetOrvex();
    CMainFrame frame(TheOrvex());
    frame.show();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QTest::keyClick(&frame, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(frame.isVisible());
}
