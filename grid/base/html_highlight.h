// Marking search hits in mini-HTML texts: the hits are found in the plain text and
// the marking tags inserted at the matching positions of the mini-HTML text, so
// that they survive the formatting tags around the hits.
#pragma once

#include <QString>

// Wraps every occurrence of Search in the plain text in <TagName> and </TagName>.
// An empty Search leaves the text unchanged.
QString HighlightHtmlText(const QString& Text, const QString& Search, const QString& TagName, bool CaseSensitive);
// Removes every opening and closing tag of that name (letter case ignored) and
// turns "&lt;" and "&gt;" back into "<" and ">".
QString UnHighlightHtmlText(const QString& Text, const QString& TagName);
// The 1-based position in the mini-HTML text at which the N-th character of its
// plain text (as StripHtmlTagsSimple gives it) begins; tags directly before that
// character count to it (the position of the first one's "<" is returned). N one
// past the plain length gives the text length plus 1; any other N gives 0.
int PlainToHtmlPos(const QString& Text, int N);
