#include "widgets/Skin.h"

#include "widgets/AppLog.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QWidget>

#include <cstring>

// The embedded skin "IDR_MYTYPE1" of type "MYTYPE" is the folder of style
// sheets in the resources: application.qss for the whole program (menus,
// status bar, message boxes, tooltips) and one sheet per style number.
namespace Skin {
namespace {

constexpr const char* kSkinResource = "IDR_MYTYPE1";
constexpr const char* kSkinType = "MYTYPE";

struct StyleFile {
    int style;
    const char* file;
};

constexpr StyleFile kStyleFiles[] = {
    {218, "form.qss"},    // forms, dialogs, wizard pages
    {214, "tabs.qss"},    // the wizard's tab strip
    {210, "slider.qss"},  // sliders
    {208, "button.qss"},  // an accented push button
};

struct State {
    bool started = false;
    QString applicationSheet;
    QHash<int, QString> sheets;
    QList<QPointer<QWidget>> skinned;
};

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

void Apply(QWidget* widget, int style) {
    State& s = TheState();
    if (!s.started || !widget) return;
    widget->setStyleSheet(style == 0 ? QString() : s.sheets.value(style));
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
    for (const StyleFile& f : kStyleFiles) s.sheets.insert(f.style, ReadSheet(QString::fromLatin1(f.file)));
    s.applicationSheet = ReadSheet(QStringLiteral("application.qss"));
    if (qApp) qApp->setStyleSheet(s.applicationSheet);
    s.started = true;
}

void SkinWindow(QWidget* window, int style) { Apply(window, style); }

void SkinControl(QWidget* control, int style, int o1, int o2, int o3, int o4, int o5) {
    qCDebug(lcAppSkin) << "skin control" << style << o1 << o2 << o3 << o4 << o5;
    Apply(control, style);
}

void Stop() {
    State& s = TheState();
    if (!s.started) return;
    for (const QPointer<QWidget>& w : s.skinned)
        if (w) w->setStyleSheet(QString());
    if (qApp) qApp->setStyleSheet(QString());
    s = State{};
    qCDebug(lcAppSkin) << "skin stopped";
}

bool Started() { return TheState().started; }

}  // namespace Skin
