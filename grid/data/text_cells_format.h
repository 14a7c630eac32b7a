// The grid's simple text format, free of the grid: a first line with the
// column and row counts, "cw <column>,<width>" lines, and one
// "<column>,<row>,<text>" line per non-empty cell, texts with their line breaks
// encoded. The file variant reads its numbers leniently (the leading integer of
// a text); the stream variant strictly, and stops at the first line that is not
// one of its own.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// The leading integer of a text as the runtime's Val reads it, the error
// position ignored: leading blanks, a sign, decimal digits or "$"/"0x" and hex
// digits; "12ab" gives 12, "" and "x" give 0. Values beyond 32 bits are cut to
// the nearest 32-bit value.
int ValInteger(const QString& Text);
// The runtime's Val for a floating-point text with "." as decimal separator:
// 0 when the whole text is a number, else the 1-based position where reading
// stopped (Value is then 0).
int ValFloat(const QString& Text, double& Value);

struct TTextCell {
  int Col = 0;
  int Row = 0;
  QString Text;  // as stored in the line (line breaks still encoded)
};

struct TTextCellsContent {
  bool HasSize = false;
  int ColCount = 0;
  int RowCount = 0;
  std::vector<std::pair<int, int>> Widths;  // column, width
  std::vector<TTextCell> Cells;
};

// The file variant's lines (the first one holds the counts).
TTextCellsContent ParseTextCellFile(const QStringList& Lines);

// The stream variant: UTF-16LE lines from the start of Bytes, up to the first
// line that is not the grid's own. Used receives the bytes that belong to the
// grid's lines. A number that is no integer raises EConvertError.
TTextCellsContent ParseTextCellStream(const QByteArray& Bytes, qsizetype& Used);
// Lines of the stream variant: UTF-16LE, each followed by CR LF.
QByteArray EncodeTextCellStream(const QStringList& Lines);
