#include "grid/base/mixed_case.h"

namespace {

bool startsWord(QChar c) {
  return c == u' ' || c == u'\'' || c == u',' || c == u'-' || c == u'.';
}

// After the character at 1-based position i of the result so far: the next letter
// starts a word after "Mc" at the start, after the "c" of the first " Mc", and,
// within the last three characters, after " I" and " II". `mcSeen` remembers that
// the first " Mc" has passed, so each step looks only at the end of the result.
bool capitalNext(const QString& result, int i, int length, bool& mcSeen) {
  if (result.size() == 2 && result == QStringLiteral("Mc")) return true;
  if (!mcSeen && result.endsWith(QStringLiteral(" Mc"))) {
    mcSeen = true;
    if (i > 2) return true;
  }
  if (i > length - 3)
    return result.endsWith(QStringLiteral(" I")) || result.endsWith(QStringLiteral(" II"));
  return false;
}

}  // namespace

QString ToMixedCase(const QString& Text) {
  const int n = static_cast<int>(Text.size());
  QString result;
  result.reserve(n);
  bool wordStart = true;
  bool mcSeen = false;
  for (int i = 1; i <= n; ++i) {
    const QChar c = Text[i - 1];
    if (startsWord(c)) {
      wordStart = true;
      result += c;
    } else if (wordStart) {
      result += c.toUpper();
      wordStart = false;
    } else {
      result += c.toLower();
    }
    if (capitalNext(result, i, n, mcSeen)) wordStart = true;
  }
  return result;
}
