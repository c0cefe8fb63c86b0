#include "widgets/Pictures.h"
#include "widgets/AppLog.h"

#include <QCoreApplication>
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

}  // namespace

QString PngPath(int id) { return QStringLiteral(":/png/%1.png").arg(id); }

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
