#include "grid/base/text_positions.h"

#include "platform/rtl/strings.h"

#include <limits>

QString UpperKeepingPositions(const QString& Text) {
  QString r = Text;
  for (QChar& c : r) c = c.toUpper();
  return r;
}

int FindPos(const QString& Sub, const QString& Text, int& Pos) {
  Pos = ::Pos(Sub, Text);
  return Pos;
}

int FindPosInto(const QString& Sub, const QString& Text, int& Pos) { return FindPos(Sub, Text, Pos); }

int FindPosUpper(const QString& Sub, const QString& Text, int& Pos) {
  Pos = PosInUpperCase(Sub, Text);
  return Pos;
}

int PosInUpperCase(const QString& Sub, const QString& Text) { return Pos(Sub, UpperKeepingPositions(Text)); }

int PosIgnoreCase(const QString& Sub, const QString& Text) { return Pos(UpperCase(Sub), UpperCase(Text)); }

bool ReplaceFirstIgnoreCase(const QString& Sub, const QString& New, QString& Text) {
  const int at = PosIgnoreCase(Sub, Text);
  if (at == 0) return false;
  Text.replace(at - 1, Sub.size(), New);
  return true;
}

int FindTextFrom(const QString& Search, const QString& Text, int From, bool CaseSensitive, int& Pos) {
  Pos = 0;
  if (Search.isEmpty() || From < 0 || From >= Text.size()) return 0;
  const QString text = CaseSensitive ? Text : UpperKeepingPositions(Text);
  const QString search = CaseSensitive ? Search : UpperKeepingPositions(Search);
  Pos = ::Pos(search, text, From + 1);
  return Pos;
}

int CharPos(QChar Ch, const QString& Text) { return static_cast<int>(Text.indexOf(Ch)) + 1; }

int CharPosOut(QChar Ch, const QString& Text, int& Pos) {
  Pos = CharPos(Ch, Text);
  return Pos;
}

namespace {
int digitValue(QChar c, int base) {
  const char16_t u = c.unicode();
  int d = -1;
  if (u >= u'0' && u <= u'9') d = u - u'0';
  else if (u >= u'a' && u <= u'f') d = u - u'a' + 10;
  else if (u >= u'A' && u <= u'F') d = u - u'A' + 10;
  return d < base ? d : -1;
}
}  // namespace

int ValPartial(const QString& Text) {
  qsizetype i = 0;
  const qsizetype n = Text.size();
  while (i < n && Text[i] == u' ') ++i;
  bool negative = false;
  if (i < n && (Text[i] == u'+' || Text[i] == u'-')) negative = Text[i++] == u'-';
  int base = 10;
  if (i < n && (Text[i] == u'$' || Text[i] == u'x' || Text[i] == u'X')) {
    base = 16;
    ++i;
  } else if (i + 1 < n && Text[i] == u'0' && (Text[i + 1] == u'x' || Text[i + 1] == u'X')) {
    base = 16;
    i += 2;
  }
  int64_t value = 0;
  const int64_t limit = base == 16 ? std::numeric_limits<uint32_t>::max() : std::numeric_limits<int32_t>::max();
  for (; i < n; ++i) {
    const int d = digitValue(Text[i], base);
    if (d < 0 || value * base + d > limit) break;
    value = value * base + d;
  }
  // Hexadecimal digits are a 32-bit pattern, as the runtime reads them.
  const int32_t result = static_cast<int32_t>(static_cast<uint32_t>(value));
  return negative ? static_cast<int32_t>(0u - static_cast<uint32_t>(result)) : result;
}

void FillWithChar(QString& Text, QChar Ch) { Text.fill(Ch); }

QString MaskText(const QString& Text) {
  QString result = Text;
  FillWithChar(result, u'*');
  return result;
}
