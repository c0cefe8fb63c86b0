#include "widgets/Skin.h"

#include "widgets/AppLog.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QHash>
#include <QList>
#include <QPalette>
#include <QPointer>
#include <QWidget>

#include <cstring>

// The embedded skin "IDR_MYTYPE1" of type "MYTYPE" is the folder of style
// sheets in the resources: application.qss for the whole program (menus,
// status bar, message boxes, tooltips) and one sheet per style.
namespace Skin {
namespace {

constexpr const char* kSkinResource = "IDR_MYTYPE1";
constexpr const char* kSkinType = "MYTYPE";

struct StyleFile {
    Style style;
    const char* file;
};

constexpr StyleFile kStyleFiles[] = {
    {Style::Form, "form.qss"},
    {Style::Tabs, "tabs.qss"},
    {Style::Slider, "slider.qss"},
    {Style::AccentButton, "button.qss"},
};

// The skin's own colours for everything its sheets leave to the palette
// (labels, radio and check marks, item views, Qt's own file dialog), so a
// dark desktop palette never mixes with the light sheets.
struct PaletteColour {
    QPalette::ColorRole role;
    QRgb active;  // also the inactive group
    QRgb disabled;
};

constexpr PaletteColour kPalette[] = {
    {QPalette::WindowText, 0x2b3a4a, 0x7b8a99},
    {QPalette::Window, 0xf4f6f9, 0xf4f6f9},
    {QPalette::Base, 0xffffff, 0xeef1f4},
    {QPalette::AlternateBase, 0xf4f6f9, 0xf4f6f9},
    {QPalette::Text, 0x2b3a4a, 0x7b8a99},
    {QPalette::Button, 0xe9eef4, 0xeef1f4},
    {QPalette::ButtonText, 0x2b3a4a, 0x7b8a99},
    {QPalette::BrightText, 0xffffff, 0xffffff},
    {QPalette::Light, 0xffffff, 0xffffff},
    {QPalette::Midlight, 0xf4f6f9, 0xf4f6f9},
    {QPalette::Mid, 0xc3ceda, 0xd0d9e3},
    {QPalette::Dark, 0x9aa8b6, 0xb9c6d3},
    {QPalette::Shadow, 0x5a6978, 0x9aa8b6},
    {QPalette::Highlight, 0x2a70c2, 0xc3ceda},
    {QPalette::HighlightedText, 0xffffff, 0x5a6978},
    {QPalette::Link, 0x1f5fa8, 0x7b8a99},
    {QPalette::LinkVisited, 0x5b3f9e, 0x7b8a99},
    {QPalette::ToolTipBase, 0xffffff, 0xffffff},
    {QPalette::ToolTipText, 0x2b3a4a, 0x2b3a4a},
    {QPalette::PlaceholderText, 0x5a6978, 0x7b8a99},
};

QPalette LightPalette() {
    QPalette palette;
    for (const PaletteColour& c : kPalette) {
        palette.setColor(QPalette::Active, c.role, QColor(c.active));
        palette.setColor(QPalette::Inactive, c.role, QColor(c.active));
        palette.setColor(QPalette::Disabled, c.role, QColor(c.disabled));
    }
    return palette;
}

struct State {
    bool started = false;
    QPalette desktopPalette;  // given back when the skin stops
    QFont desktopFont;        // likewise
    QString applicationSheet;
    QHash<int, QString> sheets;  // by style number
    QList<QPointer<QWidget>> skinned;
};

// Kept apart from State: the language sets it, whether the skin runs or not.
QFont::HintingPreference& Hinting() {
    static QFont::HintingPreference hinting = QFont::PreferDefaultHinting;
    return hinting;
}

State& TheState() {
    static State state;
    return state;
}

QString ReadSheet(const QString& name) {
    QFile file(QStringLiteral(":/skin/") + name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qCWarning(lcAppSkin) << "skin sheet" << name << "is missing";
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

void Apply(QWidget* widget, Style style) {
    State& s = TheState();
    if (!s.started || !widget) return;
    widget->setStyleSheet(s.sheets.value(int(style)));
    s.skinned.removeIf([](const QPointer<QWidget>& w) { return w.isNull(); });
    if (!s.skinned.contains(widget)) s.skinned.append(widget);
}

}  // namespace

void Start(const char* resourceName, int a, int b, int c, const char* resourceType) {
    State& s = TheState();
    if (s.started) return;
    if (!resourceName || !resourceType || std::strcmp(resourceName, kSkinResource) != 0 ||
        std::strcmp(resourceType, kSkinType) != 0) {
        qCWarning(lcAppSkin) << "no skin resource" << resourceName << "of type" << resourceType;
        return;
    }
    qCDebug(lcAppSkin) << "skin start" << resourceName << a << b << c << resourceType;
    for (const StyleFile& f : kStyleFiles) s.sheets.insert(int(f.style), ReadSheet(QString::fromLatin1(f.file)));
    s.applicationSheet = ReadSheet(QStringLiteral("application.qss"));
    if (qApp) {
        s.desktopPalette = QApplication::palette();
        QApplication::setPalette(LightPalette());
        s.desktopFont = QApplication::font();
        QApplication::setFont(LayoutFont());
        qApp->setStyleSheet(s.applicationSheet);
    }
    s.started = true;
}

QFont LayoutFont() {
    QFont font(QStringLiteral("DejaVu Sans"), kLayoutPointSize);
    font.setStyleHint(QFont::SansSerif);
    font.setHintingPreference(Hinting());
    return font;
}

void SetLayoutHinting(QFont::HintingPreference hinting) {
    if (hinting == Hinting()) return;
    Hinting() = hinting;
    if (TheState().started && qApp) QApplication::setFont(LayoutFont());
}

void SkinWindow(QWidget* window, Style style) { Apply(window, style); }

void SkinControl(QWidget* control, Style style, int o1, int o2, int o3, int o4, int o5) {
    qCDebug(lcAppSkin) << "skin control" << int(style) << o1 << o2 << o3 << o4 << o5;
    Apply(control, style);
}

void Stop() {
    State& s = TheState();
    if (!s.started) return;
    for (const QPointer<QWidget>& w : s.skinned)
        if (w) w->setStyleSheet(QString());
    if (qApp) {
        qApp->setStyleSheet(QString());
        QApplication::setPalette(s.desktopPalette);
        QApplication::setFont(s.desktopFont);
    }
    s = State{};
    qCDebug(lcAppSkin) << "skin stopped";
}

bool Started() { return TheState().started; }

}  // namespace Skin
