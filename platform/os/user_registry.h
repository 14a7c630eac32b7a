// The registry under the current user, as this platform keeps it: each key is an
// initialisation file in the "registry" folder of the per-user configuration
// folder, its sub-keys the file's sections and its values the section's keys
// (read and written with TMemIniFile). The key path's parts ("Software\Firm\Program") become folders and
// the file name; parts that would leave the folder ("..", ".") are dropped.
#pragma once

#include <QString>

// The folder the keys live in: the override when one is set, else the per-user
// configuration folder of the program.
QString UserRegistryFolder();

// The file that holds Key; empty when the key names no part at all.
QString UserRegistryFile(const QString& Key);

// Tests point the registry at a folder of their own; an empty text removes the
// override.
void SetUserRegistryFolderOverride(const QString& folder);
