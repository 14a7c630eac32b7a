#include "app/language/lng_file.h"

#include "platform/rtl/codepage.h"
#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"

namespace {

constexpr char16_t kPilcrow = u'\u00B6';  // marks the ends of a text that keeps its blanks

}  // namespace

QString Decode_Language_File(const QByteArray& bytes) { return DecodeTextFile(bytes); }

bool TLanguage_Lines::Next(QString& line) {
  const qsizetype n = text_.size();
  if (start_ >= n) return false;
  qsizetype i = start_;
  while (i < n && text_[i] != u'\r' && text_[i] != u'\n') ++i;
  line = text_.mid(start_, i - start_);
  if (i < n && text_[i] == u'\r' && i + 1 < n && text_[i + 1] == u'\n') ++i;
  start_ = i + 1;
  return true;
}

QStringList Split_Language_Lines(const QString& text) {
  QStringList lines;
  TLanguage_Lines walk(text);
  QString line;
  while (walk.Next(line)) lines.append(line);
  return lines;
}

bool Read_Language_Line(const QString& line, int maxIndex, int& index, QString& value) {
  // 1. The line without blanks and control characters at its ends.
  const QString s = Trim(line);
  // 2. Only lines that begin with "STR".
  if (!s.startsWith(QStringLiteral("STR"))) return false;
  // 3. The index: the text between "STR" and the first "=", trimmed.
  const int e = Pos(QStringLiteral("="), s);
  if (e == 0) return false;
  index = StrToIntDef(Trim(Copy(s, 4, e - 4)), -1);
  // 4. Only indexes of the list.
  if (index < 0 || index >= maxIndex) return false;
  // 5. The value: everything after the first "=", trimmed.
  QString v = Trim(Copy(s, e + 1, s.size()));
  // 6. An empty value sets nothing.
  if (v.isEmpty()) return false;
  // 7. "/#/" starts a comment.
  const int comment = Pos(QStringLiteral("/#/"), v);
  if (comment > 0) {
    v = Trim(Copy(v, 1, comment - 1));
    if (v.isEmpty()) return false;
  }
  // 8. A leading pilcrow is dropped ...
  if (v[0] == kPilcrow) v.remove(0, 1);
  // 9. ... and the text ends before the next one, keeping its blanks.
  const qsizetype pilcrow = v.indexOf(kPilcrow);
  if (pilcrow >= 0) v.truncate(pilcrow);
  // 10. The caller stores it; a later line for the same index wins.
  value = v;
  return true;
}
