// The plain text of a rich-text cell (a cell text that starts with "{\"): the
// characters of the document without its control words, groups of tables and
// pictures, and ignorable destinations. Paragraph and line marks become CR LF,
// tab marks a tab, escaped characters (\'hh in Latin-1, \uN with its \ucN
// fallback characters skipped) their characters. A final paragraph mark (the
// end of the document) is dropped. Broken texts (unbalanced braces, a cut
// control word) give what could be read; nothing is refused.
#pragma once

#include <QString>

QString RtfToPlainText(const QString& Rtf);
