// Entities and plain text of mini-HTML texts: encoding and decoding the HTML
// entities, stripping tags, and the small rewrites the renderer and the grid
// apply before drawing or exporting a text.
#pragma once

#include <QString>

// "&lt;", "&gt;", "&amp;" and "&quot;" (lower case as written) and, WithSpecial,
// the accented-letter entities of the table ("&Eacute;" and "&eacute;" differ).
// One pass from the left: each entity is decoded once, so "&amp;lt;" gives "&lt;".
QString HtmlDecodeEntities(const QString& Text, bool WithSpecial);
// "&" -> "&amp;", '"' -> "&quot;", "<" -> "&lt;", ">" -> "&gt;" and, WithSpecial,
// every character of the table to its entity. One pass: every "&" is encoded once.
QString HtmlEncodeEntities(const QString& Text, bool WithSpecial);

QString SpacesToNbsp(const QString& Text);  // every blank -> "&nbsp;"

// "<BR>" and "<HR>" in any case -> CR LF; then every run from "<" to the next ">"
// is removed; a "<" without a later ">" ends the scan and the rest stays.
QString StripHtmlToText(const QString& Text);
// From the front: keeps the text before the next "<" and removes that "<", the
// next ">" and what lies between; stops, keeping the rest, when there is no "<"
// or ">", or the next ">" comes before the next "<".
QString StripHtmlTagsSimple(const QString& Text);

// Removes line feeds and carriage returns; WithBr turns each CR into "<BR>".
QString LineBreaksToBrTags(const QString& Text, bool WithBr);
// Each "<#" loses its "<" and the next ">" after it is removed.
QString UnwrapHashMarkers(const QString& Text);
