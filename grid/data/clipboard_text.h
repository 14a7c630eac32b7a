// Cell texts as the grid puts them on the clipboard and takes them back: TAB
// between the fields of a line, CR LF after the lines. A cell of several lines
// travels as one field in double quotes with one LF for each of its line breaks
// and gets its CR LF back when pasted, so that copy then paste keeps it as it was.
// Widget-free, so that the paste readers can be fuzzed.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// A cell's text ready for the clipboard: packed wide text unpacked, and a text
// with line breaks in double quotes with each break (CR LF, CR) as one LF. With
// ExcelFormat and MultiLine a text of several lines would have its CR LF turned
// into U+000B; the breaks are gone by then, so nothing more changes.
QString ClipboardFieldText(const QString& Text, bool ExcelFormat, bool MultiLine);

// One line of a pasted text: its fields (split at TAB) and whether a CR ended it.
struct TPasteLine {
  QStringList Fields;
  bool EndsWithBreak = false;
};
// The lines of a pasted text: a line ends at CR, an LF right after a CR is
// skipped, and the last line ends at the end of the text (so a text that ends
// with CR LF has an empty last line). Text after a zero character is not read.
std::vector<TPasteLine> SplitPasteText(const QString& Text);

// A pasted field made ready for its cell: a field holding an LF loses its
// leading double quote and its closing one (when that is the first quote left),
// gets CR LF back for each LF when it was quoted, and U+000B becomes CR LF.
QString PreparePastedField(const QString& Field);

// The size of a pasted text: the largest number of fields of a line, and the
// number of lines that end with a line break less the number of empty lines
// (k non-empty lines give k - 1, with or without a final line break).
void MeasureTextBlock(const QString& Text, int& Cols, int& RowsMinusOne);

// Rich text as the clipboard carries it: 8-bit RTF, characters above 255
// written as RTF Unicode escapes ("\uN?"); and read back up to its first zero
// byte, never beyond the data.
QByteArray RichTextToClipboard(const QString& Rtf);
QString RichTextFromClipboard(const QByteArray& Data);

// What a dropped file is taken for: its extension decides (".csv"; ".xls" or
// ".xlsx"; letter case ignored), not letters somewhere in its name.
enum TDroppedFileKind { dfkOther, dfkCsv, dfkSpreadsheet };
TDroppedFileKind DroppedFileKind(const QString& FileName);
