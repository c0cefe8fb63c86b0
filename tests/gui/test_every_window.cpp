// What holds for every window: each control is named for assistive tools,
// lies inside its window (a wizard control inside its page) and shows its
// whole caption; what assistive tools read of names, values, choices and help.

#include "TempDir.h"
#include "WindowFactory.h"
#include "app/LanguageChoice.h"
#include "params/ConfigCompare.h"
#include "params/Orvex.h"
#include "params/UnitBackup.h"
#include "widgets/Announcer.h"
#include "widgets/CBalloonTip.h"
#include "widgets/CPngButton.h"
#include "widgets/CSignalBar.h"
#include "widgets/ControlNaming.h"
#include "widgets/Skin.h"
#include "wizard/CWizardPage.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {
// The innermost group frame drawn around w in its window.
const QGroupBox* FrameAround(QWidget* window, const QWidget* w) {
    const QRect place(w->mapTo(window, QPoint()), w->size());
    const QGroupBox* inner = nullptr;
    for (const QGroupBox* frame : window->findChildren<QGroupBox*>()) {
        const QRect around(frame->mapTo(window, QPoint()), frame->size());
        if (frame->isVisible() && around.contains(place) && (!inner || around.width() < inner->width())) inner = frame;
    }
    return inner;
}

bool ReadWithin(QAccessibleInterface* a, const QString& group) {
    for (QAccessibleInterface* up = a->parent(); up; up = up->parent())
        if (up->role() == QAccessible::Grouping && up->text(QAccessible::Name) == group) return true;
    return false;
}

// Menu bar and status bar are Qt's own furniture around the form.
bool IsFurniture(QWidget* w) {
    for (; w; w = w->parentWidget())
        if (qobject_cast<QMenuBar*>(w) || qobject_cast<QStatusBar*>(w)) return true;
    return false;
}

QAccessibleInterface* Accessible(QWidget* w) { return QAccessible::queryAccessibleInterface(w); }

// The objects a reader's flat review reaches: the accessible tree of the
// window, not entering what it says is invisible.
void Reach(QAccessibleInterface* a, std::set<QObject*>& reached) {
    if (!a || a->state().invisible) return;
    reached.insert(a->object());
    for (int i = 0; i < a->childCount(); ++i) Reach(a->child(i), reached);
}

// The window's own controls that are on show.
std::vector<QWidget*> ShownControls(QWidget* shown) {
    std::vector<QWidget*> controls;
    for (QWidget* w : shown->findChildren<QWidget*>())
        if (w->window() == shown->window() && !IsFurniture(w) && w->isVisibleTo(shown)) controls.push_back(w);
    return controls;
}

// The name Compare gives every byte a transmit changes: a unit with every
// ranged byte at the bottom of its range, a file with each one step higher.
// Bytes no file changes (the receiver type, the AUX function, the condition)
// go by the restore summary's name.
std::map<std::string, std::string> CompareNames() {
    ParameterImage unit, file;
    for (DeviceByte b : AllImageBytes()) {
        const ByteDef& row = ByteOf(b);
        *BytePtr(unit, b) = static_cast<int8_t>(row.low);
        *BytePtr(file, b) = static_cast<int8_t>(row.high > row.low ? row.low + 1 : row.low);
    }
    ConfigValues cv;
    ImageToConfig(file, cv, CopyForm::MainView);
    const TempDir dir("quillon-names");
    EXPECT_TRUE(WriteConfigFile(dir.file("file.ini"), cv, file, PanelFromImage(file)).ok);
    std::map<std::string, std::string> names;
    for (DeviceByte b : AllImageBytes()) {
        const std::string line = DescribeChanges({{b, 0, 1}});
        names[ByteName(b)] = line.substr(0, line.find(": "));
    }
    for (const ConfigChange& c : CompareConfigFile(dir.file("file.ini"), unit).changes)
        names[ByteName(c.byte)] = c.name;
    return names;
}

}  // namespace

// A value has one name: the control that edits it is called what Compare
// calls the value (an edit box beside a slider adds " value", a toggle ": "
// and its state). Option buttons name their option instead.
TEST(EveryWindow, ControlsAreNamedAsCompareNamesTheValueTheyEdit) {
    const std::map<std::string, std::string> compare = CompareNames();
    std::set<std::string> edited;
    for (const WindowFactory& factory : EveryWindow()) {
        ResetOrvex();
        OpenedWindow opened = factory.open();
        for (QWidget* w : opened.shown->findChildren<QWidget*>()) {
            const QString value = w->property(kEditsValueProperty).toString();
            if (value.isEmpty()) continue;
            SCOPED_TRACE(factory.name.toStdString() + " " + w->objectName().toStdString());
            ASSERT_TRUE(compare.contains(value.toStdString())) << value.toStdString();
            const QString name = QString::fromStdString(compare.at(value.toStdString()));
            const QString spoken = w->accessibleName();
            EXPECT_TRUE(spoken == name || spoken == name + QStringLiteral(" value") ||
                        spoken.startsWith(name + QStringLiteral(": ")))
                << spoken.toStdString() << " edits " << name.toStdString();
            edited.insert(value.toStdString());
        }
    }
    ResetOrvex();
    // Every value a file holds has its control, but for the choices made with option buttons.
    const std::set<CV> options = {CV::FixMode, CV::ServoType, CV::SwashPlateType};
    for (const ConfigDef& d : kConfigDefs) {
        if (d.section != Section::None && !options.contains(d.id)) {
            EXPECT_TRUE(edited.contains(ByteOf(d.id).name)) << d.key;
        }
    }
    for (const DirectKeyDef& k : kDirectKeys) EXPECT_TRUE(edited.contains(k.key)) << k.key;
}

TEST(EveryWindow, AssistiveToolsReadNamesValuesChoicesAndHelp) {
    for (const WindowFactory& factory : EveryWindow()) {
        ResetOrvex();
        const OpenedWindow opened = factory.open();
        const std::vector<QWidget*> controls = ShownControls(opened.shown);
        std::map<QString, int> focusableNames, boxes;
        std::map<QObject*, int> chosen;  // chosen picture buttons per parent
        int described = 0;
        for (QWidget* w : controls) {
            const std::string where = factory.name.toStdString() + " " + w->objectName().toStdString();
            QAccessibleInterface* a = Accessible(w);
            ASSERT_NE(a, nullptr) << where;
            // A control's own description, not a tooltip read in its place nor a picture's text.
            const QString description = a->text(QAccessible::Description);
            if (!description.isEmpty() && description != w->toolTip() && w->objectName() != QStringLiteral("picture"))
                ++described;
            if (w->focusPolicy() & Qt::TabFocus) {
                EXPECT_FALSE(a->text(QAccessible::Name).isEmpty()) << where;
                ++focusableNames[a->text(QAccessible::Name)];
                // A control inside a titled frame is read within that group.
                if (const QGroupBox* frame = FrameAround(opened.window.get(), w); frame && !frame->title().isEmpty()) {
                    EXPECT_TRUE(ReadWithin(a, frame->title().remove(QLatin1Char('&')))) << where;
                }
            }
            // A combo box's name says what it chooses and carries its choice; no label is read in its place.
            if (auto* combo = qobject_cast<QComboBox*>(w)) {
                EXPECT_TRUE(a->text(QAccessible::Name).endsWith(combo->currentText())) << where;
                EXPECT_NE(a->text(QAccessible::Name), combo->currentText()) << where;
                EXPECT_TRUE(a->relations(QAccessible::Label).isEmpty()) << where;
            }
            // A label read in place of a control's name says what the name says.
            for (const auto& [label, relation] : a->relations(QAccessible::Label)) {
                EXPECT_EQ(label->text(QAccessible::Name).compare(a->text(QAccessible::Name), Qt::CaseInsensitive), 0)
                    << where << " " << label->text(QAccessible::Name).toStdString();
            }
            if (auto* edit = qobject_cast<QLineEdit*>(w)) boxes[edit->accessibleName()] = edit->text().toInt();
            if (auto* b = qobject_cast<CPngButton*>(w)) {
                EXPECT_EQ(a->state().checked, b->chosen()) << where;
                if (b->chosen()) {
                    EXPECT_TRUE(a->state().checkable) << where;
                }
                chosen[b->parent()] += b->chosen();
            }
            if (auto* bar = qobject_cast<CSignalBar*>(w)) {
                ASSERT_NE(a->valueInterface(), nullptr) << where;
                EXPECT_EQ(a->valueInterface()->currentValue().toInt(), bar->value()) << where;
            }
        }
        for (const auto& [name, count] : focusableNames)
            EXPECT_EQ(count, 1) << factory.name.toStdString() << " " << name.toStdString();
        for (const auto& [parent, count] : chosen) EXPECT_LE(count, 1) << factory.name.toStdString();
        // Each slider reads as the number in its box ("Roll agility" and "Roll agility value").
        for (QWidget* w : controls)
            if (auto* slider = qobject_cast<QAbstractSlider*>(w)) {
                const auto box = boxes.find(slider->accessibleName() + QStringLiteral(" value"));
                ASSERT_NE(box, boxes.end()) << slider->accessibleName().toStdString();
                EXPECT_EQ(Accessible(w)->valueInterface()->currentValue().toInt(), box->second)
                    << slider->accessibleName().toStdString();
            }
        // The wizard's tabs say which one is selected.
        for (QTabBar* tabs : opened.window->findChildren<QTabBar*>())
            for (int i = 0; i < tabs->count(); ++i)
                EXPECT_EQ(Accessible(tabs)->child(i)->state().selected, i == tabs->currentIndex())
                    << factory.name.toStdString() << " tab " << i;
        // Every text and picture on show is reached by a reader, with its words.
        std::set<QObject*> reached;
        Reach(Accessible(opened.window.get()), reached);
        for (QWidget* w : controls)
            if (auto* label = qobject_cast<QLabel*>(w); label && label->isVisible()) {
                const std::string where = factory.name.toStdString() + " " + w->objectName().toStdString();
                EXPECT_TRUE(reached.contains(label)) << where;
                if (!label->text().isEmpty()) {
                    EXPECT_FALSE(Accessible(label)->text(QAccessible::Name).isEmpty()) << where;
                }
            }
        // A page shown is announced by its title.
        if (auto* page = qobject_cast<CWizardPage*>(opened.shown)) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return Announcer::Of(page)->lastText().startsWith(page->title()); }))
                << factory.name.toStdString();
            // And so is the tab list, whatever tab is highlighted.
            QTabBar* tabs = opened.window->findChild<QTabBar*>();
            EXPECT_TRUE(Accessible(tabs)->text(QAccessible::Name).contains(page->title()));
        }
        // Every balloon's text is also some control's description.
        for (CBalloonTip* balloon : opened.shown->findChildren<CBalloonTip*>())
            EXPECT_GE(described, balloon->toolCount()) << factory.name.toStdString();
    }
    ResetOrvex();
}

namespace {
void ExpectEveryControlNamedInsideAndUncut() {
    for (const WindowFactory& factory : EveryWindow()) {
        ResetOrvex();
        const OpenedWindow opened = factory.open();
        QWidget* shown = opened.shown;
        ASSERT_TRUE(shown->isVisible()) << factory.name.toStdString();
        for (QWidget* w : shown->findChildren<QWidget*>()) {
            // Drop-down lists and balloons are windows of their own.
            if (w->window() != shown->window() || IsFurniture(w)) continue;
            const std::string name = factory.name.toStdString() + " " + w->objectName().toStdString();
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
                for (const QString& line : b->text().split(QLatin1Char('\n')))
                    EXPECT_LE(b->fontMetrics().horizontalAdvance(line), b->width()) << name;
            }
        }
    }
    ResetOrvex();
}
}  // namespace

TEST(EveryWindow, EveryControlIsNamedInsideItsWindowAndNoTextIsCut) {
    ExpectEveryControlNamedInsideAndUncut();
    // As the program runs on a desktop whose font is larger (a GTK desktop gives
    // "Sans 10", a low-vision one more): the skin brings the layout's own font.
    const QFont before = QApplication::font();
    QApplication::setFont(QFont(QStringLiteral("Sans"), 12));
    Skin::Start("IDR_MYTYPE1", 1, 6, 0, "MYTYPE");
    ExpectEveryControlNamedInsideAndUncut();
    Skin::Stop();
    QApplication::setFont(before);
}

// The translated windows in Simplified Chinese; the others keep English until they are converted.
TEST(EveryWindow, InSimplifiedChineseEveryControlIsNamedAndNoTextIsCut) {
    LanguageChoice::Apply(LanguageChoice::Language::SimplifiedChinese);
    const bool loaded = QApplication::translate("CMainFrame", "Open conifg file") == QStringLiteral("打开配置文件");
    if (loaded) ExpectEveryControlNamedInsideAndUncut();
    LanguageChoice::Apply(LanguageChoice::Language::English);
    EXPECT_TRUE(loaded);
}
