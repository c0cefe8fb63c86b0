#pragma once
// What Quillon keeps between runs, in the user's configuration folder
// ($XDG_CONFIG_HOME/quillon/quillon.conf): the last connected port, by its
// stable name, the folders the file dialogs were last left in, where the
// main window was last closed and the language chosen in Help > Language.

#include <QPoint>
#include <QString>

#include <optional>

namespace UserSettings {

enum class Folder { Config, Firmware };

QString LastPort();
void SetLastPort(const QString& stableName);
// "" until a file has been chosen there.
QString LastFolder(Folder folder);
// Keeps the folder of a file the user chose; an empty path (cancelled) keeps nothing.
void RememberFolder(Folder folder, const QString& chosenFile);
// The main window's place when it was last closed; nothing before the first close.
std::optional<QPoint> MainWindowPlace();
void SetMainWindowPlace(const QPoint& place);
// The code of the chosen language ("en", "zh_CN"); "" follows the desktop.
QString Language();
void SetLanguage(const QString& code);

}  // namespace UserSettings
