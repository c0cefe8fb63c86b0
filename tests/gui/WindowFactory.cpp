#include "WindowFactory.h"

#include "airframe/CQuadAirplaneDialog.h"
#include "app/CAboutBox.h"
#include "app/CChangesWindow.h"
#include "app/CMainFrame.h"
#include "params/Orvex.h"
#include "params_ui/CAdvanceMenuDialog.h"
#include "widgets/ControlNaming.h"
#include "wizard/CSetupWizard.h"
#include "wizard/CWizardPage.h"

#include <QAction>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <type_traits>

namespace {

// Reversed directions and the first swashplate type have the longest captions.
void ShowLongestCaptions() {
    const std::pair<CV, int> values[] = {{CV::SwashPlateType, 0}, {CV::ServoDirCH1, -1}, {CV::ServoDirCH2, -1},
                                         {CV::ServoDirCH3, -1},   {CV::ServoDirCH4, -1}, {CV::RollDir, -1},
                                         {CV::PitchDir, -1},      {CV::YawDir, -1}};
    Orvex& o = TheOrvex();
    for (auto [name, value] : values) {
        o.config[name] = static_cast<int8_t>(value);
        *BytePtr(o.image, Def(name).device) = static_cast<int8_t>(value);
    }
}

template <class Window>
OpenedWindow Show() {
    ShowLongestCaptions();
    std::unique_ptr<Window> window;
    if constexpr (std::is_constructible_v<Window, Orvex&>)
        window = std::make_unique<Window>(TheOrvex());
    else
        window = std::make_unique<Window>();
    window->show();
    static_cast<void>(QTest::qWaitForWindowExposed(window.get()));  // the check sees whether it shows
    QWidget* shown = window.get();
    return {std::move(window), shown};
}

// The wizard on page k, reached with Next as a user does.
OpenedWindow WizardOn(int k) {
    OpenedWindow opened = Show<CSetupWizard>();
    auto& wizard = static_cast<CSetupWizard&>(*opened.window);
    for (int i = 1; i < k; ++i)
        QTest::mouseClick(wizard.findChild<QPushButton*>(ControlName(WizardIds::Next), Qt::FindDirectChildrenOnly),
                          Qt::LeftButton);
    opened.shown = wizard.page(k);
    return opened;
}

// Edit > Changes... after a preset, two slider moves and the undo of the second.
OpenedWindow ChangesWindow() {
    // The window belongs to a main frame, which stays hidden and lives until the next one.
    static std::unique_ptr<CMainFrame> owner;
    owner = std::make_unique<CMainFrame>(TheOrvex());
    Orvex& o = TheOrvex();
    ChangeLog& log = o.changes;
    log.Begin(o.image);
    const auto change = [&](const CoreText& origin, ChangeKind kind, const std::vector<std::pair<CV, int>>& values) {
        ChangeLog::Origin from(log, origin, kind);
        ParameterImage sent = o.image;
        for (auto [name, value] : values) *BytePtr(sent, Def(name).device) = static_cast<int8_t>(value);
        log.Answer(log.Record(o.image, sent, false), true);
        o.image = sent;
    };
    const auto named = [](const char* origin) { return CoreText::Of("ChangeLog", origin); };
    change(CoreText::Of("ChangeLog", "Preset %1", {CoreText::Of("ParameterPanel", "F-3C")}), ChangeKind::Change,
           {{CV::RollGain, 40}, {CV::PitchGain, 40}, {CV::YawGain, 45}, {CV::RollAgility, 50}});
    change(named("Main panel"), ChangeKind::Change, {{CV::RollGain, 63}});
    change(named("Main panel"), ChangeKind::Change, {{CV::PitchGain, 55}});
    CoreText why;
    const auto undo = log.PlanUndo(log.NextUndo()->id, o.image, &why);
    change(named("Undo"), ChangeKind::Undo, {{CV::PitchGain, 40}});
    if (undo) log.Taken(*undo);
    owner->changesAction()->trigger();
    OpenedWindow opened{std::unique_ptr<QWidget>(owner->changesWindow()), owner->changesWindow()};
    static_cast<void>(QTest::qWaitForWindowExposed(opened.shown));
    return opened;
}

std::vector<WindowFactory> Build() {
    std::vector<WindowFactory> windows = {
        {QStringLiteral("main"), Show<CMainFrame>},
        {QStringLiteral("advance-menu"), Show<CAdvanceMenuDialog>},
        {QStringLiteral("quad-airplane"), Show<CQuadAirplaneDialog>},
        {QStringLiteral("about"), Show<CAboutBox>},
        {QStringLiteral("changes"), ChangesWindow},
    };
    const int pages = CSetupWizard(TheOrvex()).pageCount();
    for (int k = 1; k <= pages; ++k)
        windows.push_back(
            {QStringLiteral("wizard-page-%1").arg(k, 2, 10, QLatin1Char('0')), [k] { return WizardOn(k); }});
    return windows;
}

}  // namespace

const std::vector<WindowFactory>& EveryWindow() {
    static const std::vector<WindowFactory> windows = Build();
    return windows;
}
