// Line-break encodings of cell texts: the grid's text files, settings texts,
// single-line exports, HTML export and the clipboard each write carriage returns
// (character 13) and line feeds (character 10) their own way.
#pragma once

#include <QString>

// Grid text files: only when the text holds a carriage return, CR -> 9, LF -> 8,
// NUL -> 1; other texts unchanged.
QString EncodeCellLineBreaks(const QString& Text);
// The reverse, only when the text holds character 8; without MultiLine only the
// first line is returned.
QString DecodeCellLineBreaks(const QString& Text, bool MultiLine);

// Returns the text up to the first carriage return and removes it from Text with
// that carriage return and a line feed right after it; without KeepRest, or when
// the text has no carriage return, Text becomes empty.
QString CutFirstLine(QString& Text, bool KeepRest);
// 1 plus the number of carriage returns with MultiLine, else 1.
int CountLines(const QString& Text, bool MultiLine);

// Settings texts: backslash-n <-> carriage return (line feeds dropped on the way out).
QString EscapeToLineBreaks(const QString& Text);
QString LineBreaksToEscape(const QString& Text);

// Single-line export: CR -> "~" with line feeds dropped; back: "~" -> CR LF, and a
// result of exactly "^" becomes empty.
QString LineBreaksToTilde(const QString& Text);
QString TildeToLineBreaks(const QString& Text);

// Clipboard and HTML export.
void CrLfToLf(QString& Text);                        // CR LF -> LF
QString RemoveCarriageReturns(const QString& Text);  // drops every CR
QString CrToLf(const QString& Text);                 // CR -> LF, LF kept
QString LineBreaksToHtml(const QString& Text);       // CR -> "<br>", LF kept
