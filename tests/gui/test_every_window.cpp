// What holds for every window: each control is named for assistive tools,
// lies inside its window (a wizard control inside its page) and shows its
// whole caption.

#include "WindowFactory.h"
#include "params/Orvex.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>

#include <set>
#include <string>

namespace {

// Faults this check found when it first ran over every window, left for their
// own fix: page 2's receiver list and page 3's button have no name, page 11's
// group frame reaches past the page, page 13's two buttons cut their captions.
const std::set<std::string> kKnownFaults = {"wizard-page-02 id1179", "wizard-page-03 id1162", "wizard-page-11 group",
                                            "wizard-page-13 id1135", "wizard-page-13 id1123"};

// Menu bar and status bar are Qt's own furniture around the form.
bool IsFurniture(QWidget* w) {
    for (; w; w = w->parentWidget())
        if (qobject_cast<QMenuBar*>(w) || qobject_cast<QStatusBar*>(w)) return true;
    return false;
}

}  // namespace

TEST(EveryWindow, EveryControlIsNamedInsideItsWindowAndNoTextIsCut) {
    for (const WindowFactory& factory : EveryWindow()) {
        ResetOrvex();
        const OpenedWindow opened = factory.open();
        QWidget* shown = opened.shown;
        ASSERT_TRUE(shown->isVisible()) << factory.name.toStdString();
        for (QWidget* w : shown->findChildren<QWidget*>()) {
            // Drop-down lists and balloons are windows of their own.
            if (w->window() != shown->window() || IsFurniture(w)) continue;
            const std::string name = factory.name.toStdString() + " " + w->objectName().toStdString();
            if (kKnownFaults.count(name)) continue;
            EXPECT_TRUE(shown->rect().contains(QRect(w->mapTo(shown, QPoint()), w->size()))) << name;
            if (auto* label = qobject_cast<QLabel*>(w)) {
                if (!label->wordWrap()) {
                    EXPECT_LE(label->sizeHint().width(), label->width()) << name;
                }
                continue;
            }
            if (!qobject_cast<QGroupBox*>(w)) {
                EXPECT_FALSE(w->accessibleName().isEmpty()) << name;
            }
            if (auto* b = qobject_cast<QAbstractButton*>(w); b && !b->text().isEmpty() && b->isVisible()) {
                EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()), b->width()) << name;
            }
        }
    }
    ResetOrvex();
}
