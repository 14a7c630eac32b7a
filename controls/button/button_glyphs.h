// The pictures of the push button: the glyph strips of the predefined kinds
// ("LBOK", "LBCANCEL", "LBHELP", "LBYES", "LBNO", "LBCLOSE", "LBABORT", "LBRETRY",
// "LBIGNORE", "LBALL"; two 16 x 16 cells, enabled and disabled) and the pop-up
// arrow "LBARROW". Our own artwork, drawn in code on a fuchsia background that
// the bottom-left pixel makes transparent.
#pragma once

#include <QString>

class TBitmap;

// Loads the named picture into `target`; false (and an empty bitmap) for an
// unknown name.
bool LoadButtonGlyph(const QString& name, TBitmap* target);
