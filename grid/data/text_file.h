// Text files of the grid's exports and imports: reading recognises a byte-order
// mark (UTF-8, UTF-16 little- or big-endian) and otherwise takes the ANSI code
// page (Windows-1252); lines end at CR LF, a lone CR or a lone LF. Writing ends
// every line with CR LF in the encoding asked for.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

#include "platform/rtl/codepage.h"  // DecodeTextFile

enum TTextEncoding {
  teAnsi,     // Windows-1252, no mark
  teUtf8Bom,  // UTF-8 after EF BB BF
  teUtf16Bom, // UTF-16LE after FF FE
  teUtf8,     // UTF-8 without a mark
  teUtf16,    // UTF-16LE without a mark
};

// The lines of a text; a final line break ends the last line and adds none.
QStringList SplitTextLines(const QString& Text);
// Each line followed by CR LF.
QByteArray EncodeTextLines(const QStringList& Lines, TTextEncoding Encoding);
// Reads a file's lines (raising EFileError when the file cannot be read or is
// larger than the grid's imports take).
QStringList ReadTextFileLines(const QString& FileName);
// The fields of a fixed-width line: field k runs from character position
// Positions[k] (1-based, ascending) up to, not including, Positions[k + 1];
// parts past the line's end are empty. With DoTrim blanks are cut on both sides.
QStringList FixedWidthFields(const QString& Line, const std::vector<int>& Positions, bool DoTrim);
