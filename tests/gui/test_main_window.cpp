// The main window: frame, status bar, form layout, start state, About box,
// balloon help and closing.

#include "test_main_support.h"

#include "app/CAboutBox.h"
#include "app/LanguageChoice.h"
#include "app/UserSettings.h"
#include "params/Orvex.h"
#include "params_ui/ParameterPanel.h"
#include "widgets/CBalloonTip.h"
#include "widgets/Skin.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

using namespace mainwin;

namespace {

QStringList MenuTexts(QMenu* menu) {
    QStringList texts;
    for (QAction* a : menu->actions()) texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}

// Every control of the form with an id, except the group frames.
QList<QWidget*> FormControls(CUARTView& view) {
    QList<QWidget*> controls;
    const auto partOfAControl = [&](const QWidget* w) {
        for (const QWidget* up = w->parentWidget(); up != &view; up = up->parentWidget())
            if (up->objectName().startsWith(QStringLiteral("id"))) return true;
        return false;
    };
    for (QWidget* w : view.findChildren<QWidget*>())
        if (w->objectName().startsWith(QStringLiteral("id")) && !partOfAControl(w)) controls << w;
    return controls;
}

}  // namespace

using MainFrame = MainWindowTest;

TEST_F(MainFrame, OpensWhereItWasLastClosedWhenThatFitsTheScreen) {
    OpenFrame().move(300, 200);
    frame().close();
    EXPECT_EQ(OpenFrame().pos(), QPoint(300, 200));
    frame().move(100, 100);
    frame().close();
}

TEST_F(MainFrame, OpensAtFixedPlaceAndSizeWithItsCaption) {
    // A place left on a screen that has gone counts for nothing.
    UserSettings::SetMainWindowPlace(QPoint(5000, 5000));
    CMainFrame& f = OpenFrame();
    EXPECT_EQ(f.pos(), QPoint(100, 100));
    EXPECT_EQ(f.size(), QSize(1000, 700));
    EXPECT_EQ(f.minimumSize(), QSize(1000, 700));
    EXPECT_EQ(f.maximumSize(), QSize(1000, 700));
    EXPECT_FALSE(f.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(f.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Quillon 2.0"));
    EXPECT_FALSE(f.windowIcon().isNull());

    // Resizing is refused.
    f.resize(1200, 800);
    EXPECT_EQ(f.size(), QSize(1000, 700));

    // The form is the whole client area between menu and status bar.
    EXPECT_EQ(f.centralWidget(), &view());
    EXPECT_EQ(view().width(), 1000);
    EXPECT_EQ(view().geometry().top(), f.menuBar()->geometry().bottom() + 1);
    EXPECT_EQ(view().geometry().bottom() + 1, f.statusBar()->geometry().top());
}

TEST_F(MainFrame, MenusHoldTheFileEditAndHelpCommands) {
    CMainFrame& f = OpenFrame();
    const QList<QAction*> top = f.menuBar()->actions();
    ASSERT_EQ(top.size(), 3);
    EXPECT_EQ(top[0]->text(), QStringLiteral("File(&F)"));
    EXPECT_EQ(top[1]->text(), QStringLiteral("Edit(&E)"));
    EXPECT_EQ(top[2]->text(), QStringLiteral("Help(&H)"));
    EXPECT_EQ(
        MenuTexts(top[0]->menu()),
        (QStringList{QStringLiteral("Open conifg file"), QStringLiteral("Save Config file"),
                     QStringLiteral("Transmit Conifg file"), QStringLiteral("Compare config file with Orvex\u2026"),
                     QStringLiteral("-"), QStringLiteral("Back up Orvex…"),
                     QStringLiteral("Restore Orvex from backup…"), QStringLiteral("-"), QStringLiteral("Exit(&X)")}));
    EXPECT_EQ(MenuTexts(top[1]->menu()),
              (QStringList{QStringLiteral("&Undo"), QStringLiteral("&Redo"), QStringLiteral("-"),
                           QStringLiteral("Revert to the Orvex as connected"), QStringLiteral("&Changes...")}));
    EXPECT_EQ(MenuTexts(top[2]->menu()), (QStringList{QStringLiteral("About Quillon2.0"),
                                                      QStringLiteral("Save Link Log..."), QStringLiteral("Language")}));
    EXPECT_EQ(MenuTexts(top[2]->menu()->actions()[2]->menu()),
              (QStringList{QStringLiteral("English"), QStringLiteral("简体中文")}));
}

// Help > Language: the menus change at once and the choice is kept.
TEST_F(MainFrame, HelpLanguageTranslatesTheMenusAtOnceAndIsRemembered) {
    CMainFrame& f = OpenFrame();
    // The windows hear of a new translator through posted events.
    f.languageAction(LanguageChoice::Language::SimplifiedChinese)->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    const QString chinese = f.openAction()->text();
    const QString kept = UserSettings::Language();
    f.languageAction(LanguageChoice::Language::English)->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(chinese, QStringLiteral("打开配置文件"));
    EXPECT_EQ(kept, QStringLiteral("zh_CN"));
    EXPECT_EQ(f.openAction()->text(), QStringLiteral("Open conifg file"));
    EXPECT_EQ(UserSettings::Language(), QStringLiteral("en"));
    UserSettings::SetLanguage(QString());
}

TEST_F(MainFrame, StatusBarCarriesTextPaneAndProgressBarOverTheSecondPane) {
    CMainFrame& f = OpenFrame();
    EXPECT_EQ(f.statusText(), QStringLiteral("Orvex not connected!"));
    QProgressBar* progress = f.progressBar();
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(progress->parentWidget(), f.statusBar());
    EXPECT_EQ(progress->minimum(), 0);
    EXPECT_EQ(progress->maximum(), 100);
    EXPECT_EQ(progress->value(), 0);

    auto* pane1 = f.statusBar()->findChild<QLabel*>(QStringLiteral("statusPane1"));
    ASSERT_NE(pane1, nullptr);
    ASSERT_TRUE(Until([&] { return progress->isVisible(); }));
    EXPECT_EQ(progress->geometry().left(), pane1->geometry().left() - 300);
    EXPECT_EQ(progress->geometry().right(), pane1->geometry().right());
    EXPECT_EQ(progress->geometry().top(), pane1->geometry().top());
    // The text pane stays readable beside it.
    auto* pane0 = f.statusBar()->findChild<QLabel*>(QStringLiteral("statusPane0"));
    ASSERT_NE(pane0, nullptr);
    EXPECT_LT(pane0->geometry().left() + pane0->fontMetrics().horizontalAdvance(pane0->text()),
              progress->geometry().left());
}

TEST_F(MainFrame, FormControlsLieInsideTheFormAndApart) {
    OpenFrame();
    const QRect form = view().rect();
    const QRect picture(QPoint(765, 390), QSize(220, 250));
    const QRect lamps(QPoint(820, 15), QPoint(909, 44));
    const QList<QWidget*> controls = FormControls(view());
    ASSERT_GE(controls.size(), 29);
    const auto place = [&](const QWidget* w) { return QRect(w->mapTo(&view(), QPoint()), w->size()); };
    for (QWidget* w : controls) {
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_TRUE(w->isVisible());
        EXPECT_TRUE(form.contains(place(w))) << "outside the form";
        EXPECT_FALSE(place(w).intersects(picture)) << "covers the picture";
        EXPECT_FALSE(place(w).intersects(lamps)) << "covers the lamps";
        for (QWidget* other : controls) {
            if (other == w) continue;
            EXPECT_FALSE(place(w).intersects(place(other))) << "overlaps " << other->objectName().toStdString();
        }
    }
}

TEST_F(MainFrame, EveryControlOfTheFormIsThere) {
    OpenFrame();
    EXPECT_NE(Control<QComboBox>(MainFormIds::PortList), nullptr);
    for (int id : {MainFormIds::Connect, MainFormIds::Setup, MainFormIds::Advance, MainFormIds::MainReset,
                   MainFormIds::TailReset, MainFormIds::AllDataReset, MainFormIds::Open, MainFormIds::Upgrade})
        EXPECT_NE(Button(id), nullptr) << id;
    for (int id : {MainFormIds::PitchAgility, MainFormIds::PitchGain, MainFormIds::RollAgility, MainFormIds::RollGain,
                   MainFormIds::YawRateL, MainFormIds::YawRateR, MainFormIds::TailGain}) {
        QSlider* s = Slider(id);
        ASSERT_NE(s, nullptr) << id;
        EXPECT_EQ(s->orientation(), Qt::Vertical);
        EXPECT_EQ(s->tickPosition(), QSlider::TicksBothSides);
        EXPECT_EQ(s->tickInterval(), 15);
    }
    for (int id :
         {MainFormIds::PitchAgilityEdit, MainFormIds::PitchGainEdit, MainFormIds::RollAgilityEdit,
          MainFormIds::RollGainEdit, MainFormIds::YawRateLEdit, MainFormIds::YawRateREdit, MainFormIds::TailGainEdit})
        EXPECT_NE(Edit(id), nullptr) << id;
    for (int id : {MainFormIds::Beginner, MainFormIds::F3C, MainFormIds::Soft3D, MainFormIds::Hardcore3D,
                   MainFormIds::Extreme3D})
        EXPECT_NE(Control<QAbstractButton>(id), nullptr) << id;
    EXPECT_NE(Control<QLabel>(MainFormIds::Version), nullptr);
    for (const char* title : {"Main rotor", "Roll", "Pitch", "Tail rotor", "Preset parameters", "Firmware upgrade"})
        EXPECT_NE(view().findChild<QWidget*>(QStringLiteral("group ") + QLatin1String(title)), nullptr) << title;
}

TEST_F(MainFrame, LargerValuesSitHigherOnEverySlider) {
    OpenFrame();
    const std::pair<int, int> sliders[] = {{MainFormIds::PitchAgility, MainFormIds::PitchAgilityEdit},
                                           {MainFormIds::PitchGain, MainFormIds::PitchGainEdit},
                                           {MainFormIds::RollAgility, MainFormIds::RollAgilityEdit},
                                           {MainFormIds::RollGain, MainFormIds::RollGainEdit},
                                           {MainFormIds::YawRateL, MainFormIds::YawRateLEdit},
                                           {MainFormIds::YawRateR, MainFormIds::YawRateREdit},
                                           {MainFormIds::TailGain, MainFormIds::TailGainEdit}};
    for (auto [sliderId, editId] : sliders) {
        SCOPED_TRACE(sliderId);
        QSlider* s = Slider(sliderId);
        s->setValue((s->minimum() + s->maximum()) / 2);
        const int middle = Edit(editId)->text().toInt();
        // A click near the top of the groove moves the handle up: a larger value.
        QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(s->width() / 2, 3));
        const int afterClick = Edit(editId)->text().toInt();
        EXPECT_GT(afterClick, middle);
        // So does the Up key.
        s->setFocus();
        QTest::keyClick(s, Qt::Key_Up);
        EXPECT_EQ(Edit(editId)->text().toInt(), afterClick + 1);
    }
}

TEST_F(MainFrame, SetupAndAdvanceMenuHandTheLinkBackToTheView) {
    OpenFrame();
    for (int id : {MainFormIds::Setup, MainFormIds::Advance}) {
        SCOPED_TRACE(id);
        QPushButton* button = Button(id);
        if (!button->isEnabled()) continue;  // that dialog is not part of this build
        LinkListener* whileOpen = nullptr;
        QWidget* dialog = nullptr;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                dialog = modal;
                whileOpen = TheOrvex().session.listener();
                watch.stop();
                QTest::keyClick(modal, Qt::Key_Escape);
            }
        });
        watch.start(10);
        QTest::mouseClick(button, Qt::LeftButton);  // returns once the modal dialog has closed
        ASSERT_NE(dialog, nullptr) << "no modal dialog opened";
        EXPECT_NE(whileOpen, static_cast<LinkListener*>(&view())) << "the dialog did not take the link";
        EXPECT_EQ(TheOrvex().session.listener(), static_cast<LinkListener*>(&view()));
    }
}

using MainStart = MainWindowTest;

TEST_F(MainStart, ShowsNotConnectedWithLampsOffAndStartValues) {
    OpenFrame();
    EXPECT_EQ(frame().statusText(), QStringLiteral("Orvex not connected!"));
    EXPECT_EQ(view().connectStage(), 0);
    EXPECT_TRUE(LampsShow(view(), 241));
    EXPECT_FALSE(LampsShow(view(), 242));
    EXPECT_TRUE(Control<QLabel>(MainFormIds::Version)->text().isEmpty());
    EXPECT_TRUE(Button(MainFormIds::Connect)->isEnabled());
    // Agility and yaw rates start at 15, gains at 10: each slider at its bottom.
    const std::pair<int, int> startValues[] = {{MainFormIds::PitchAgilityEdit, 15}, {MainFormIds::PitchGainEdit, 10},
                                               {MainFormIds::RollAgilityEdit, 15},  {MainFormIds::RollGainEdit, 10},
                                               {MainFormIds::YawRateLEdit, 15},     {MainFormIds::YawRateREdit, 15},
                                               {MainFormIds::TailGainEdit, 10}};
    for (auto [id, value] : startValues) EXPECT_EQ(Edit(id)->text(), QString::number(value)) << id;
    for (int id : {MainFormIds::PitchAgility, MainFormIds::PitchGain, MainFormIds::RollAgility, MainFormIds::RollGain,
                   MainFormIds::YawRateL, MainFormIds::YawRateR, MainFormIds::TailGain})
        EXPECT_EQ(Slider(id)->value(), Slider(id)->minimum()) << id;
    // The view has taken the link.
    EXPECT_EQ(TheOrvex().session.listener(), static_cast<LinkListener*>(&view()));
    EXPECT_TRUE(TheOrvex().LinkPort.Flags() & PortRxQueue);
}

TEST_F(MainStart, VersionTextIsDrawnWithoutBackground) {
    OpenFrame();
    QLabel* version = Control<QLabel>(MainFormIds::Version);
    EXPECT_FALSE(version->autoFillBackground());
    EXPECT_TRUE(version->testAttribute(Qt::WA_TranslucentBackground));
}

TEST_F(MainStart, SkinChangesTheLookButNotTheControls) {
    OpenFrame();
    const QRect plainGeometry = Slider(MainFormIds::RollGain)->geometry();
    const QString plainText = Edit(MainFormIds::RollGainEdit)->text();
    frame_.reset();
    // A desktop font the fixed layout was not made for (a GTK desktop gives "Sans 10").
    const QFont before = QApplication::font();
    const QFont desktop(QStringLiteral("Sans"), 10);
    QApplication::setFont(desktop);
    Skin::Start("IDR_MYTYPE1", 1, 6, 0, "MYTYPE");
    ASSERT_TRUE(Skin::Started());
    EXPECT_EQ(QApplication::font(), Skin::LayoutFont());
    OpenFrame();
    EXPECT_FALSE(view().styleSheet().isEmpty());
    EXPECT_FALSE(Slider(MainFormIds::RollGain)->styleSheet().isEmpty());
    EXPECT_EQ(Slider(MainFormIds::RollGain)->geometry(), plainGeometry);
    EXPECT_EQ(Edit(MainFormIds::RollGainEdit)->text(), plainText);
    // Closing the frame stops the skin.
    frame().close();
    EXPECT_FALSE(Skin::Started());
    EXPECT_TRUE(qApp->styleSheet().isEmpty());
    EXPECT_EQ(QApplication::font(), desktop);
    QApplication::setFont(before);
}

TEST(AboutBox, ShowsTheProgramTextAndClosesWithOk) {
    CAboutBox about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("about Quillon2.0"));
    EXPECT_TRUE(about.isModal());
    auto* text = about.findChild<QLabel*>(QStringLiteral("aboutText"));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(), QStringLiteral("Quillon Softeware V2.0"));
    auto* icon = about.findChild<QLabel*>(QStringLiteral("aboutIcon"));
    ASSERT_NE(icon, nullptr);
    EXPECT_FALSE(icon->pixmap().isNull());
    about.show();
    auto* ok = about.findChild<QPushButton*>(QStringLiteral("id1"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST_F(MainFrame, AboutCommandAsksTheApplicationForTheAboutBox) {
    CMainFrame& f = OpenFrame();
    int asked = 0;
    QObject::connect(&f, &CMainFrame::aboutRequested, [&] { ++asked; });
    f.aboutAction()->trigger();
    EXPECT_EQ(asked, 1);
}

using BalloonHelp = MainWindowTest;

TEST_F(BalloonHelp, SevenControlsShowTheirHelpWhenTheMouseRests) {
    OpenFrame();
    CBalloonTip* balloon = view().balloon();
    ASSERT_NE(balloon, nullptr);
    EXPECT_EQ(balloon->toolCount(), 7);
    const std::pair<int, const char*> expected[] = {
        {MainFormIds::RollAgility,
         "This value limits \nthe maximum roll \nrate of helicopter, \nthe larger the faster."},
        {MainFormIds::PitchAgility,
         "This value limits \nthe maximum pitch \nrate of helicopter, \nthe larger the faster."},
        {MainFormIds::RollGain,
         "This is the roll \ntotal gain, make it \nas large as possible. \nIf the helicopter is \n"
         "shaking in the roll \ndirection, reduce this value"},
        {MainFormIds::PitchGain,
         "This is the pitch \ntotal gain, make it \nas large as possible. \nIf the helicopter is \n"
         "shaking in the pitch \ndirection, reduce this value"},
        {MainFormIds::TailGain,
         "This is the tail rotor total gain, make it as large as possible. \nIf the helicopter tail is "
         "hunting in flight, reduce this value"},
        {MainFormIds::Open,
         "1.Connect Orvex to PC by Orvex USB adapter, click 'Connect', or select the COM port by hand."},
        {MainFormIds::Connect, "Before connecting to PC software, the Orvex must pass the self-test."},
    };
    QPoint cursor;
    balloon->SetCursorSource([&] { return cursor; });
    for (auto [id, text] : expected) {
        SCOPED_TRACE(id);
        QWidget* control = view().findChild<QWidget*>(ControlName(id));
        ASSERT_NE(control, nullptr);
        const QPoint local = control->rect().center() + QPoint(1, 1);
        cursor = control->mapToGlobal(local);
        QTest::mouseMove(control, local);
        ASSERT_TRUE(Until([&] { return balloon->isVisible(); })) << "no balloon";
        EXPECT_TRUE(balloon->text().startsWith(QString::fromUtf8(text))) << balloon->text().toStdString();
        // Moving on hides it.
        cursor += QPoint(40, 40);
        QTest::mouseMove(&view(), view().mapFromGlobal(cursor));
        ASSERT_TRUE(Until([&] { return !balloon->isVisible(); }));
    }
    // The connect help keeps its typographic apostrophes.
    EXPECT_TRUE(balloon->text().contains(QString::fromUtf8("receiver\u2019s signals")));
}

using MainClose = MainWindowTest;

TEST_F(MainClose, ExitClosesTheWindowAndThePort) {
    ConnectToSim();
    ASSERT_TRUE(TheOrvex().LinkPort.IsOpen());
    frame().exitAction()->trigger();
    EXPECT_FALSE(frame().isVisible());
    EXPECT_FALSE(TheOrvex().LinkPort.IsOpen());
}
