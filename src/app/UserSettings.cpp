#include "app/UserSettings.h"

#include <QFileInfo>
#include <QSettings>

namespace UserSettings {

namespace {

QSettings Store() { return QSettings(QStringLiteral("quillon"), QStringLiteral("quillon")); }

QString FolderKey(Folder folder) {
    return folder == Folder::Config ? QStringLiteral("folders/config") : QStringLiteral("folders/firmware");
}

}  // namespace

QString LastPort() { return Store().value(QStringLiteral("ports/last")).toString(); }

void SetLastPort(const QString& stableName) { Store().setValue(QStringLiteral("ports/last"), stableName); }

std::optional<QPoint> MainWindowPlace() {
    const QVariant place = Store().value(QStringLiteral("window/place"));
    if (!place.canConvert<QPoint>()) return std::nullopt;
    return place.toPoint();
}

void SetMainWindowPlace(const QPoint& place) { Store().setValue(QStringLiteral("window/place"), place); }

QString Language() { return Store().value(QStringLiteral("ui/language")).toString(); }

void SetLanguage(const QString& code) { Store().setValue(QStringLiteral("ui/language"), code); }

QString LastFolder(Folder folder) { return Store().value(FolderKey(folder)).toString(); }

void RememberFolder(Folder folder, const QString& chosenFile) {
    if (!chosenFile.isEmpty()) Store().setValue(FolderKey(folder), QFileInfo(chosenFile).absolutePath());
}

}  // namespace UserSettings
