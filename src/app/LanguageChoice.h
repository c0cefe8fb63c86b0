#pragma once
// The language of the windows: the desktop's (the first of QLocale::system()'s
// UI languages, which follow LANGUAGE and LANG) unless Help > Language chose
// one, which the settings keep.
//
// Process-wide state: from Apply() on, the program's translator and Qt's own
// (qtbase, for the file dialog and the message box buttons) are installed in
// QCoreApplication, for every window at once. Installing or removing them sends
// every widget QEvent::LanguageChange; a window that has been converted sets
// its texts again in its RetranslateUi(), the others keep their texts until the
// program starts again.

#include <QFont>
#include <QString>

#include <array>

class QLocale;

namespace LanguageChoice {

enum class Language { English, SimplifiedChinese };

struct LanguageDef {
    Language language;
    const char* code;  // the settings' value and the .qm files' suffix
    const char* name;  // in its own language, so a pilot finds it in any language
    // Hinting the many distinct ideographs of a CJK text costs start-up time
    // and memory (FreeType's auto-hinter surveys the whole font first) and
    // gains little at 9 points, so a language written in them goes unhinted.
    QFont::HintingPreference hinting;
};
inline constexpr std::array<LanguageDef, 2> kLanguages = {{
    {Language::English, "en", "English", QFont::PreferDefaultHinting},
    {Language::SimplifiedChinese, "zh_CN", "简体中文", QFont::PreferNoHinting},
}};

// The language a desktop in this locale asks for; English for any we do not have.
Language FromLocale(const QLocale& locale);
// The settings' choice, else the desktop's.
Language Preferred();
// Installs the translators of `language` (none for English).
void Apply(Language language);
Language Current();
// Help > Language: remembers the choice and applies it.
void Choose(Language language);

}  // namespace LanguageChoice
