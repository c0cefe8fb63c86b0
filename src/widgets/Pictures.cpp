#include "widgets/Pictures.h"
#include "widgets/AppLog.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QPainter>
#include <QWidget>

namespace {

constexpr QRgb kLightGround = 0xf4f6f9;  // the skin's window colour

QHash<int, QPixmap>& Cache() {
    // Pixmaps must not outlive the application object, so the cache empties
    // itself when the application goes away.
    static QHash<int, QPixmap> cache;
    static const bool cleanupRegistered = [] {
        qAddPostRoutine([] { Cache().clear(); });
        return true;
    }();
    Q_UNUSED(cleanupRegistered);
    return cache;
}

QString& Language() {
    static QString code;
    return code;
}

}  // namespace

void SetPictureLanguage(const QString& code) {
    const QString chosen = code == QLatin1String("en") ? QString() : code;
    if (chosen == Language()) return;
    Language() = chosen;
    Cache().clear();  // loaded again in the new language as they are asked for
}

QString PngPath(int id) {
    if (!Language().isEmpty()) {
        const QString translated = QStringLiteral(":/png/%1/%2.png").arg(Language()).arg(id);
        if (QFile::exists(translated)) return translated;
    }
    return QStringLiteral(":/png/%1.png").arg(id);
}

QPixmap LoadPng(int id) {
    // Pixmaps are implicitly shared, so handing out copies of the cached one is cheap.
    // Missing pictures are cached as null too, so the warning appears once per id.
    QHash<int, QPixmap>& cache = Cache();
    auto it = cache.constFind(id);
    if (it != cache.constEnd()) return *it;
    QPixmap picture(PngPath(id), "PNG");
    if (picture.isNull()) qCWarning(lcWidgets) << "picture" << id << "is missing from the resources";
    cache.insert(id, picture);
    return picture;
}

QIcon LoadIcon(int id) {
    const QPixmap picture = LoadPng(id);
    return picture.isNull() ? QIcon() : QIcon(picture);
}

void DrawPictureGround(QPainter& painter, const QRect& area, const QWidget* on) {
    if (on && on->palette().color(on->backgroundRole()).lightnessF() < 0.5)
        painter.fillRect(area, QColor(kLightGround));
}
