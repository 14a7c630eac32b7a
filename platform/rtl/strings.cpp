#include "platform/rtl/strings.h"

namespace {
bool isBlank(QChar c) { return c.unicode() <= 0x20; }
}  // namespace

QString Trim(const QString& s) {
  const QStringView trimmed = TrimView(s);
  return trimmed.size() == s.size() ? s : trimmed.toString();
}

QStringView TrimView(QStringView s) {
  qsizetype first = 0;
  qsizetype last = s.size() - 1;
  while (first <= last && isBlank(s[first])) ++first;
  while (last >= first && isBlank(s[last])) --last;
  return s.mid(first, last - first + 1);
}

QString TrimLeft(const QString& s) {
  qsizetype first = 0;
  while (first < s.size() && isBlank(s[first])) ++first;
  return s.mid(first);
}

QString TrimRight(const QString& s) {
  qsizetype last = s.size() - 1;
  while (last >= 0 && isBlank(s[last])) --last;
  return s.left(last + 1);
}

QString UpperCase(const QString& s) {
  QString r = s;
  for (QChar& c : r)
    if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - 32);
  return r;
}

QString LowerCase(const QString& s) {
  QString r = s;
  for (QChar& c : r)
    if (c >= u'A' && c <= u'Z') c = QChar(c.unicode() + 32);
  return r;
}

QString AnsiUpperCase(const QString& s) { return s.toUpper(); }

bool SameText(const QString& a, const QString& b) { return UpperCase(a) == UpperCase(b); }

int Pos(const QString& sub, const QString& s, int offset) {
  if (sub.isEmpty() || offset < 1 || offset > s.size()) return 0;
  return static_cast<int>(s.indexOf(sub, offset - 1)) + 1;
}

QString Copy(const QString& s, int index, int count) {
  if (index < 1) index = 1;
  if (count <= 0 || index > s.size()) return {};
  return s.mid(index - 1, count);
}

QString StringOfChar(QChar c, int count) { return count > 0 ? QString(count, c) : QString(); }

QString IntToStr(int64_t value) { return QString::number(value); }

QString IntToHex(uint64_t value, int digits) {
  return QString::number(static_cast<quint64>(value), 16).toUpper().rightJustified(digits, u'0');
}
