#pragma once

#include <QString>

// The folder that holds everything Billcraft stores: Accounts.mdb, the <identity>.dat layout
// files, Layout.set, Help.set, logos, and the Temp and downloads working folders.
namespace DataFolder {

// QStandardPaths::AppDataLocation, e.g. ~/.local/share/Billcraft.
QString defaultPath();

// Creates the folder when missing and checks that files can be written in it (a folder marked
// read-only is refused even where the user could write to it). Returns an empty
// string on success, else a message for the user.
QString prepare(const QString& path);

} // namespace DataFolder
