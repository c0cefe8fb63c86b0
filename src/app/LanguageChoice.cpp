#include "app/LanguageChoice.h"

#include "app/UserSettings.h"
#include "widgets/AppLog.h"
#include "widgets/Pictures.h"
#include "widgets/Skin.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace LanguageChoice {

namespace {
// Owned here for the life of the process; QCoreApplication only points at them.
std::unique_ptr<QTranslator> ours, qts;
Language current = Language::English;

const LanguageDef& Def(Language language) {
    for (const LanguageDef& d : kLanguages)
        if (d.language == language) return d;
    return kLanguages.front();
}

void Remove(std::unique_ptr<QTranslator>& translator) {
    if (translator) QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

void Install(std::unique_ptr<QTranslator>& slot, const QString& file, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file, folder)) {
        qCWarning(lcAppUi) << "no translation" << file << "in" << folder;
        return;
    }
    QCoreApplication::installTranslator(translator.get());
    slot = std::move(translator);
}
}  // namespace

Language FromLocale(const QLocale& locale) {
    for (const QString& name : locale.uiLanguages()) {
        const QLocale::Language language = QLocale(name).language();
        if (language == QLocale::Chinese) return Language::SimplifiedChinese;
        if (language == QLocale::English) return Language::English;
    }
    return Language::English;
}

Language Preferred() {
    const QString chosen = UserSettings::Language();
    for (const LanguageDef& d : kLanguages)
        if (chosen == QLatin1String(d.code)) return d.language;
    return FromLocale(QLocale::system());
}

void Apply(Language language) {
    // The pictures first: a window that follows the LanguageChange event loads them again.
    const QString code = QString::fromLatin1(Def(language).code);
    SetPictureLanguage(code);
    Skin::SetLayoutHinting(Def(language).hinting);
    Remove(ours);
    Remove(qts);
    current = language;
    if (language == Language::English) return;
    Install(ours, QStringLiteral("quillon_") + code, QStringLiteral(":/i18n"));
    Install(qts, QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

Language Current() { return current; }

void Choose(Language language) {
    UserSettings::SetLanguage(QString::fromLatin1(Def(language).code));
    if (language != current) Apply(language);
}

}  // namespace LanguageChoice
