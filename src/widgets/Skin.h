#pragma once
// The skin library: one coherent look for every window. Start loads the
// embedded skin resource ("IDR_MYTYPE1", type "MYTYPE": the style sheets in
// :/skin/); skinning a window or control applies the style sheet of its
// `Style`. Start also gives the application the skin's own light palette and
// the font the fixed layout is measured for (LayoutFont), whatever the
// desktop's, so no desktop font can cut a text; Stop gives both back. No result
// of these calls is used: the program behaves the same with the skin left out (for
// example when Start was never called, as in most tests).

#include <QFont>

class QWidget;

namespace Skin {
// The fixed layout's font: DejaVu Sans (a dependency of the program) at 9 points.
constexpr int kLayoutPointSize = 9;
QFont LayoutFont();
// How the layout font's glyphs are hinted; the language chooses (see
// LanguageChoice). Once started, the skin gives the application the font again.
void SetLayoutHinting(QFont::HintingPreference hinting);

// The skin's style numbers.
enum class Style {
    None = 0,            // self-drawn buttons: no skin
    AccentButton = 208,  // an accented push button (the failsafe button)
    Slider = 210,
    Tabs = 214,  // the wizard's tab strip
    Form = 218,  // forms, dialogs, wizard pages
};

void Start(const char* resourceName, int a, int b, int c, const char* resourceType);
void SkinWindow(QWidget* window, Style style);
void SkinControl(QWidget* control, Style style, int o1, int o2, int o3, int o4, int o5);
void Stop();
bool Started();
}  // namespace Skin
