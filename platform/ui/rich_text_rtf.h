// The rich text the rich edit loads and saves, without its window: runs of
// text, each raised or lowered by a vertical offset in twips (sub- and
// superscript), with '\n' between paragraphs.
//
// Saving writes RTF 1 in 7-bit text: a font table with the one font, the font
// size, then the runs; a changed offset as \upN or \dnN (half-points), a
// paragraph end as \par (one after the last paragraph too), a tab as \tab, the
// characters 0x80 to 0xFF as \'hh, others beyond as \uN with '?' for readers
// that cannot take it. Characters below 0x20 other than tab and line break are
// left out.
//
// Reading takes a text that starts with "{\rtf" as RTF and reads of it the text,
// \par and \line (paragraph ends), \tab, \'hh (the byte as a Latin-1
// character), \uN with \ucN and its fallback characters skipped, the escaped
// \\ \{ \}, \~ and \_, the named characters (\emdash, \bullet, quotes
// and spaces), \sect and \page as paragraph ends too, and the offsets \upN,
// \dnN, \super, \sub, \nosupersub and \plain; groups keep their offset to
// themselves. Destinations (fonts, colours, styles, information, pictures,
// headers and footers, \* groups and the like) are skipped, \binN skips its
// N bytes, and every other control word is passed over. The paragraph end
// that closes the document is dropped. A broken text (unbalanced braces, a cut
// control word) gives what could be read. Any other text is plain text: its
// bytes are Latin-1 characters and CR LF, CR and LF end paragraphs.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

struct TRichRun {
  QString Text;
  int Offset = 0;  // twips, positive raised
  bool operator==(const TRichRun&) const = default;
};

using TRichRuns = std::vector<TRichRun>;

// Adjacent runs of one offset joined, empty runs left out.
TRichRuns NormalizeRichRuns(const TRichRuns& Runs);
TRichRuns ReadRichText(const QByteArray& Bytes);
// Any text read as RTF (no check of its start), as ReadRichText reads RTF.
TRichRuns ReadRtf(const QString& Rtf);
QByteArray WriteRichText(const TRichRuns& Runs, const QString& FontName, int FontSize);
bool IsRtfText(const QByteArray& Bytes);
