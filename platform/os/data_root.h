// The program's data root: stands for the folder of the program file, where the
// program keeps its folders, settings and updater job. When that folder cannot be
// written (an installed program), the per-user data folder takes its place.
#pragma once

#include <QString>

// Folder of the running program file, without a trailing separator.
QString ProgramFolder();

// The data root: the override when one is set; else the program's folder when it
// is writable; else the per-user data folder (created when missing).
QString DataRoot();
// The same rule for a given program folder (no override).
QString DataRootFor(const QString& programFolder);

// Tests point the data root at a folder of their own; an empty text removes the
// override.
void SetDataRootOverride(const QString& folder);
