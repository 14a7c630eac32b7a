// Files and folders (stands for the runtime's file routines over the OS).
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

bool FileExists(const QString& path);
bool DirectoryExists(const QString& path);
// Creates one folder level; false when it cannot (the parent must exist).
bool CreateDir(const QString& path);
// Creates the folder and every missing parent; false when it cannot.
bool ForceDirectories(const QString& path);

// Names (not paths) of the sub-folders of `path`, without "." and "..",
// sorted case-insensitively so listings are stable.
QStringList ListSubFolders(const QString& path);
// Names of the regular files in `path` whose name ends with `suffix`
// (compared case-insensitively), sorted case-insensitively.
QStringList ListFiles(const QString& path, const QString& suffix);

// Reads a whole file; raises EFileError when it cannot.
QByteArray ReadFileWhole(const QString& path);

// Files that come from outside (project, settings and language files, which people
// mail each other) are refused beyond this size, so that a hostile or broken file
// cannot make a reader grow without bound. The largest file the program writes
// stays well below 1 MB.
inline constexpr qsizetype kMax_Input_File_Size = 8 * 1024 * 1024;
// Reads a whole file of at most `maxSize` bytes; raises EFileError naming the file
// when it cannot, or when the file is larger (then no more than maxSize + 1 bytes
// are read).
QByteArray ReadFileWhole(const QString& path, qsizetype maxSize);
// Writes a whole file through a temporary file in the same folder and a rename, so
// a failed write never leaves a half-written file. Raises EFileError when it cannot.
void WriteFileWhole(const QString& path, const QByteArray& data);

// Copies a whole file over `to` (replaced whole through a temporary file, so a
// failed copy leaves the old file as it was). Raises EFileError naming the file
// when `from` cannot be read or `to` cannot be written.
void CopyFileWhole(const QString& from, const QString& to);

// True for a name that is one plain entry of a folder: false for "." and "..", and
// for a name holding "/", "\" or a control character, which would lead elsewhere.
bool IsPlainFileName(const QString& name);

// Joins a folder and a name with "/".
QString PathJoin(const QString& folder, const QString& name);
