// The bitmap strikes a TrueType font file carries beside its outlines. Some of the
// free stand-ins for Windows' fonts hold the real face only as bitmaps at the usual
// screen sizes; their outlines merely approximate it.
#pragma once

#include <QByteArray>
#include <vector>

// The pixel sizes (ems in pixels) of the file's embedded bitmap strikes, ascending
// and without repeats; empty when the file has none or is not a font file that can
// be read. Reads only within the given bytes.
std::vector<int> EmbeddedBitmapSizes(const QByteArray& fontFile);
