// Every desktop: text stays readable under a dark desktop palette, and on a
// small or scaled screen the status bar and the buttons that close or move
// through a dialog stay on the screen.

#include "DarkDesktopPalette.h"
#include "WindowFactory.h"
#include "airframe/CQuadAirplaneDialog.h"
#include "app/CMainFrame.h"
#include "params/Orvex.h"
#include "params_ui/CAdvanceMenuDialog.h"
#include "widgets/ControlNaming.h"
#include "widgets/ScreenFit.h"
#include "widgets/Skin.h"
#include "wizard/CSetupWizard.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyleOptionButton>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

// WCAG relative luminance and contrast ratio.
double Luminance(QRgb c) {
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double Contrast(QRgb a, QRgb b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The window's pixels under part of w (all of it by default).
QImage Rendered(QWidget* w, QRect part = QRect()) {
    QWidget* window = w->window();
    if (part.isEmpty()) part = w->rect();
    return window->grab(part.translated(w->mapTo(window, QPoint()))).toImage();
}

QRect RadioPart(QRadioButton* radio, QStyle::SubElement element) {
    QStyleOptionButton option;
    option.initFrom(radio);
    return radio->style()->subElementRect(element, &option, radio);
}

// The text as drawn (a radio's caption without its mark): the commonest
// colour is the background, the pixel that stands out most from it the ink.
double RenderedTextContrast(QWidget* w) {
    auto* radio = qobject_cast<QRadioButton*>(w);
    const QImage image = Rendered(w, radio ? RadioPart(radio, QStyle::SE_RadioButtonContents) : QRect());
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y) | 0xff000000];
    QRgb background = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) most = it.value(), background = it.key();
    double best = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) best = std::max(best, Contrast(background, it.key()));
    return best;
}

QRgb IndicatorCentre(QRadioButton* radio) {
    return Rendered(radio).pixel(RadioPart(radio, QStyle::SE_RadioButtonIndicator).center());
}

// The buttons that close or move through each dialog.
const std::map<QString, std::vector<int>> kDialogButtons = {
    {QStringLiteral("advance-menu"), {CAdvanceMenuDialog::IdOk, CAdvanceMenuDialog::IdCancel}},
    {QStringLiteral("quad-airplane"), {QuadAirplaneIds::Quit}},
    {QStringLiteral("about"), {1}},
    {QStringLiteral("wizard-page-01"), {WizardIds::Cancel, WizardIds::Previous, WizardIds::Next, WizardIds::Finish}},
};

bool WhollyOnScreen(QWidget* w, const QRect& area) {
    const QRect global(w->mapToGlobal(QPoint()), w->size());
    return w->isVisible() && area.contains(global) && w->visibleRegion().boundingRect() == w->rect();
}

}  // namespace

TEST(EveryDesktop, DarkDesktopPaletteLeavesTextAndChoicesReadable) {
    const QPalette desktop = QApplication::palette();
    QApplication::setPalette(DarkDesktopPalette());
    Skin::Start("IDR_MYTYPE1", 1, 6, 0, "MYTYPE");
    for (const WindowFactory& factory : EveryWindow()) {
        if (!kDialogButtons.count(factory.name) && factory.name != QStringLiteral("main")) continue;
        ResetOrvex();
        const OpenedWindow opened = factory.open();
        if (auto* frame = qobject_cast<CMainFrame*>(opened.window.get()))
            frame->SetStatusText(QStringLiteral("Orvex Connected!"));
        // Text is measured without the keyboard's focus frame around it.
        opened.shown->window()->setAttribute(Qt::WA_KeyboardFocusChange, false);
        QList<QRadioButton*> radios = opened.shown->findChildren<QRadioButton*>();
        if (!radios.isEmpty()) radios.front()->setChecked(true);
        for (QWidget* w : opened.shown->findChildren<QWidget*>()) {
            auto* label = qobject_cast<QLabel*>(w);
            const bool text = (label && !label->text().isEmpty()) || qobject_cast<QRadioButton*>(w);
            if (!text || !w->isVisible() || !w->isEnabled()) continue;
            EXPECT_GE(RenderedTextContrast(w), 4.5)
                << factory.name.toStdString() << " " << w->objectName().toStdString();
        }
        // The chosen radio is told from the others by more than colour shades.
        for (QRadioButton* r : radios) {
            if (r != radios.front() && r->isVisible()) {
                EXPECT_GE(Contrast(IndicatorCentre(radios.front()), IndicatorCentre(r)), 3.0)
                    << factory.name.toStdString() << " " << r->objectName().toStdString();
            }
        }
    }
    ResetOrvex();
    Skin::Stop();
    EXPECT_EQ(QApplication::palette(), DarkDesktopPalette());
    QApplication::setPalette(desktop);
}

TEST(EveryDesktop, StatusBarAndDialogButtonsStayOnSmallAndScaledScreens) {
    // A 1366 x 768 laptop and a 1280 x 1024 screen at scale 2, each less a 32-pixel panel.
    for (const QRect area : {QRect(0, 0, 1366, 736), QRect(0, 0, 640, 496)}) {
        ScreenFit::SetAvailableGeometryForTests(area);
        for (const WindowFactory& factory : EveryWindow()) {
            const bool main = factory.name == QStringLiteral("main");
            if (!main && !kDialogButtons.count(factory.name)) continue;
            SCOPED_TRACE(factory.name.toStdString() + " on " + std::to_string(area.width()));
            ResetOrvex();
            const OpenedWindow opened = factory.open();
            QWidget* window = opened.window.get();
            EXPECT_TRUE(area.contains(window->frameGeometry()));
            if (main) {
                EXPECT_TRUE(WhollyOnScreen(static_cast<CMainFrame*>(window)->statusBar(), area));
            }
            for (int id : main ? std::vector<int>{} : kDialogButtons.at(factory.name)) {
                auto* button = window->findChild<QWidget*>(ControlName(id));
                ASSERT_NE(button, nullptr) << id;
                EXPECT_TRUE(WhollyOnScreen(button, area)) << id;
            }
        }
    }
    ScreenFit::SetAvailableGeometryForTests(QRect());
    ResetOrvex();
}
