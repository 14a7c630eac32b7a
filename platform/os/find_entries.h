// Directory search with a file mask (stands for FindFirst / FindNext with
// every attribute): names of the entries of a folder that match a wildcard
// mask, folders (with "." and "..") included.
#pragma once

#include <QString>
#include <QStringList>

// `PathAndMask` is a folder followed by a mask ("/pictures/*.png"); the names
// (without folder) of the matching entries, sorted. The folder part of the
// path (up to and with the last "/") comes back in `Folder`.
QStringList FindEntries(const QString& PathAndMask, QString& Folder);
