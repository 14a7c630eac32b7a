// The HTML text the grid puts on the clipboard: an HTML table fragment wrapped
// into the clipboard's HTML format (version 1.0, with the character offsets of
// the document and of the fragment in its header), and colours written as HTML
// hexadecimal colours.
#pragma once

#include <QString>

#include "platform/ui/graphics.h"

// Replaces Fragment by the whole clipboard text: the header with its offsets,
// the HTML 4.0 document type, the document start, the fragment between its
// markers and the document end. Offsets count characters (one byte each once
// the text is stored in ISO-8859-1, as it declares).
void BuildClipboardHtml(QString& Fragment);
