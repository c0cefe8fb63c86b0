// The pseudo-translation check: a translator that marks every text it is asked
// for (⟦…⟧). Installed over an open window, it shows that the window takes
// its texts from tr() again on a language change; a visible text, accessible
// name or description without the mark did not come through tr(). Removed, the
// texts are English again.

#include "WindowFactory.h"
#include "firmware/FirmwareImage.h"
#include "link/LinkError.h"
#include "params/ChangeLog.h"
#include "params/ConfigFile.h"
#include "params/Orvex.h"
#include "params/UnitBackup.h"
#include "widgets/Translated.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTranslator>

#include <algorithm>
#include <vector>

namespace {

class MarkingTranslator : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override {
        return QStringLiteral("⟦") + QString::fromUtf8(source) + QStringLiteral("⟧");
    }
    bool isEmpty() const override { return false; }
};

// The windows whose texts are translated, and the parts of them (object or
// class names) that are not yet, or that are never translated: each language
// is named in its own words. The next window converted is added here.
struct TranslatedWindow {
    const char* name;  // as in EveryWindow()
    QStringList untranslated;
};
const TranslatedWindow kTranslated[] = {
    {"main", {"language_en", "language_zh_CN", "scale"}},
    {"advance-menu", {}},
    {"about", {}},
    {"changes", {}},
    {"quad-airplane", {}},
    {"wizard-page-01", {}},
    {"wizard-page-02", {}},
    {"wizard-page-03", {}},
    {"wizard-page-04", {}},
    {"wizard-page-05", {}},
    {"wizard-page-06", {}},
    {"wizard-page-07", {}},
    {"wizard-page-08", {}},
    {"wizard-page-09", {}},
    {"wizard-page-10", {}},
    {"wizard-page-11", {}},
    {"wizard-page-12", {}},
    {"wizard-page-13", {}},
};

bool Untranslated(const QObject* o, const QStringList& parts) {
    for (; o; o = o->parent())
        if (parts.contains(o->objectName()) || parts.contains(QLatin1String(o->metaObject()->className()))) return true;
    return false;
}

// Every text a pilot sees or hears of the window, as "object: text". A
// number, a value or a button's "1", has no words to translate.
QStringList Texts(QWidget* window, const QStringList& untranslated) {
    static const QRegularExpression word(QStringLiteral("\\p{L}"));
    QStringList texts;
    const auto add = [&](const QObject* o, const QString& text) {
        if (text.contains(word) && !Untranslated(o, untranslated))
            texts << o->objectName() + QStringLiteral(": ") + text;
    };
    add(window, window->windowTitle());
    for (QWidget* w : window->findChildren<QWidget*>()) {
        add(w, w->accessibleName());
        add(w, w->accessibleDescription());
        add(w, w->toolTip());
        if (auto* label = qobject_cast<QLabel*>(w)) add(w, label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w)) add(w, button->text());
        if (auto* box = qobject_cast<QGroupBox*>(w)) add(w, box->title());
        if (auto* menu = qobject_cast<QMenu*>(w)) add(w, menu->title());
        if (auto* table = qobject_cast<QTableWidget*>(w))
            for (int c = 0; c < table->columnCount(); ++c) add(w, table->horizontalHeaderItem(c)->text());
    }
    for (QAction* action : window->findChildren<QAction*>())
        if (!action->isSeparator()) add(action, action->text());
    return texts;
}

void SetTranslator(QTranslator* translator, bool on) {
    on ? QApplication::installTranslator(translator) : QApplication::removeTranslator(translator);
    QApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

}  // namespace

TEST(Translations, EveryTextOfATranslatedWindowComesThroughTrAgainOnALanguageChange) {
    MarkingTranslator marking;
    for (const TranslatedWindow& row : kTranslated) {
        const auto factory = std::find_if(EveryWindow().begin(), EveryWindow().end(),
                                          [&](const WindowFactory& f) { return f.name == QLatin1String(row.name); });
        ASSERT_NE(factory, EveryWindow().end()) << row.name;
        ResetOrvex();
        const OpenedWindow opened = factory->open();
        SetTranslator(&marking, true);
        const QStringList marked = Texts(opened.shown, row.untranslated);
        SetTranslator(&marking, false);
        const QStringList english = Texts(opened.shown, row.untranslated);
        EXPECT_GT(marked.size(), 3) << row.name;
        for (const QString& text : marked) EXPECT_TRUE(text.contains(QStringLiteral("⟦"))) << text.toStdString();
        for (const QString& text : english) EXPECT_FALSE(text.contains(QStringLiteral("⟦"))) << text.toStdString();
    }
    ResetOrvex();
}

// The messages the core composes, as a window shows them: the text and each
// marked part of it (a label, a reason) translated, the values as they are.
TEST(Translations, TheCoreMessagesAWindowShowsAreTranslatedPartByPart) {
    ConfigFileCheck check;
    check.missing = {"roll"};
    const struct {
        CoreText text;
        const char* shown;
    } rows[] = {
        {check.MessageText(), "⟦The config file lacks these keys; they keep their present values: roll.⟧"},
        {TextFile::Read("/", QT_TRANSLATE_NOOP("TextFile", "backup file")).status.text,
         "⟦\"/\" is a folder, not a ⟦backup file⟧.⟧"},
        {ParseBackup("x").text,
         "⟦⟦This⟧ is not a backup file: it does not begin with \"# Orvex backup written by Quillon\".⟧"},
        {KeptText({{DeviceByte(Bytes::Condition), 1, 3}}),
         "⟦⟦Condition⟧: unit value 1 kept (backup 3): ⟦the condition can only be set to 1 or 2⟧⟧"},
        {ValuesText({{DeviceByte(Def(CV::RollGain).device), 40, 63}}), "⟦⟦Roll gain⟧ 40 → 63⟧"},
        {LinkFailureText("/dev/ttyX", {LinkError::Gone}), "⟦/dev/ttyX: ⟦the adapter was unplugged⟧⟧"},
        {XmodemOutcomeText(XmodemOutcome::Timeout), "⟦Update timeout! Please try again!⟧"},
        {ReadFirmwareFile("/").text, "⟦\"/\" is not a regular file.⟧"},
    };
    MarkingTranslator marking;
    SetTranslator(&marking, true);
    for (const auto& row : rows) EXPECT_EQ(Translated(row.text), QString::fromUtf8(row.shown));
    SetTranslator(&marking, false);
    for (const auto& row : rows) EXPECT_EQ(Translated(row.text), QString::fromStdString(row.text.English()));
}
