// Reading of language files (.lng): translators write them by hand; each line
// "STR<index> = <text>" replaces one text of the language text list.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The file's text: UTF-8, UTF-16 LE or UTF-16 BE by its byte-order mark (which is
// dropped); without a mark the ANSI code page, Windows-1252.
QString Decode_Language_File(const QByteArray& bytes);

// Walks the lines of a text one at a time, so that a file of many short lines
// never becomes a list of them; a line ends at CR LF, LF or CR.
class TLanguage_Lines {
public:
  explicit TLanguage_Lines(const QString& text) : text_(text) {}
  // The next line; false after the last one.
  bool Next(QString& line);

private:
  const QString& text_;
  qsizetype start_ = 0;
};

// The lines of a text, as TLanguage_Lines walks them.
QStringList Split_Language_Lines(const QString& text);

// One line of a language file. True when it sets a text: then `index` (0 <= index
// < maxIndex) and `value` hold what it sets. Lines that break the format are
// skipped (false).
bool Read_Language_Line(const QString& line, int maxIndex, int& index, QString& value);
