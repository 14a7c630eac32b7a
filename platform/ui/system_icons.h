// The desktop's file-type icons (stands for the shell's system image lists and its
// icon lookup): every distinct icon gets an index in one list shared by the small
// and the large size, so an index stays valid for both.
#pragma once

#include <QString>

class TBitmap;

// The index of the icon for a path: for an existing file or folder the icon of that
// entry, otherwise the icon of its file type as told by the name alone (so an
// extension is enough).
int SystemIconIndex(const QString& path);
// Icon edge in pixels: 32 for the large list, 16 for the small one.
int SystemIconSize(bool large);
// Paints icon `index` into `bitmap` (resized to the icon size, transparent
// background); false for an index that is not in the list.
bool SystemIconBitmap(int index, bool large, TBitmap& bitmap);
