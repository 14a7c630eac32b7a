// What a cell text holds, and the packed form of wide text that the grid's stored
// files carry ("|\" followed by a high and a low byte character per character).
#pragma once

#include <QString>

// Result of ClassifyCellText.
enum TCellTextKind : int {
  ctkPlain = 0,
  ctkHtml = 1,
  ctkRichText = 2,
  ctkFormula = 3,
  ctkPackedWide = 5,
};

// 0 plain, 1 mini-HTML (only when HtmlEnabled), 2 rich text ("{\"), 3 formula
// ("=", also a packed text whose first character is "="), 5 packed wide text.
int ClassifyCellText(const QString& Text, bool HtmlEnabled);

// "|\" + pairs (high, low) -> one character per pair; an odd last character is
// ignored; a text without the marker comes back unchanged.
QString DecodeWideCellText(const QString& Text);
// "|\" + two characters per character: code shr 8, then code and 255.
QString EncodeWideCellText(const QString& WideText);
// 1-based position of Sub in Text, 0 when absent.
int WidePos(const QString& Sub, const QString& Text);
