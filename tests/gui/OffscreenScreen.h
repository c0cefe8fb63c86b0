#pragma once
// The offscreen platform's one screen is smaller than the main window unless
// told otherwise: the GUI tests and the screenshot tool give it a size of
// their choice through the platform's screen configuration file, before the
// application object exists.

#include <QByteArray>
#include <QFile>
#include <QSize>
#include <QString>
#include <QTemporaryDir>

inline void UseOffscreenScreen(const QSize& size) {
    if (qgetenv("QT_QPA_PLATFORM") != "offscreen") return;  // a real display, or a configuration given already
    static const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("screen.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return;
    file.write(QStringLiteral(R"({"screens": [{"name": "screen", "width": %1, "height": %2}]})")
                   .arg(size.width())
                   .arg(size.height())
                   .toUtf8());
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + path.toLocal8Bit());
}
