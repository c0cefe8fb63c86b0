#pragma once
// What Quillon keeps between runs, in the user's configuration folder
// ($XDG_CONFIG_HOME/quillon/quillon.conf): the last connected port, by its
// stable name, and the folders the file dialogs were last left in.

#include <QString>

namespace UserSettings {

enum class Folder { Config, Firmware };

QString LastPort();
void SetLastPort(const QString& stableName);
// "" until a file has been chosen there.
QString LastFolder(Folder folder);
// Keeps the folder of a file the user chose; an empty path (cancelled) keeps nothing.
void RememberFolder(Folder folder, const QString& chosenFile);

}  // namespace UserSettings
