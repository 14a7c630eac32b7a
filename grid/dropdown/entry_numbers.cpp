#include "grid/dropdown/entry_numbers.h"

#include <QLocale>
#include <cstdint>

#include "platform/rtl/locale_settings.h"

bool IsRangeSeparator(QChar Ch) { return Ch == u',' || Ch == u'-' || Ch == u';'; }

int GetTextNumberKind(const QString& Text) {
  if (Text.isEmpty()) return kTextKindText;
  const TFormatSettings fs = FormatSettings();
  bool isInteger = true, isFloat = true, isHex = true;
  int minus = 0, decimals = 0, lastThousand = 0;
  for (int i = 0; i < Text.size(); ++i) {
    const QChar c = Text[i];
    const int pos = i + 1;
    const bool digit = c >= u'0' && c <= u'9';
    if (c == u'-') ++minus;
    if (c == fs.DecimalSeparator) ++decimals;
    if (!digit && c != u'-') isInteger = false;
    if (c == fs.ThousandSeparator) {
      if (pos == 1 || (lastThousand > 0 && pos - lastThousand < 3)) isFloat = false;
      lastThousand = pos;
    } else if (!digit && c != u'-' && c != fs.DecimalSeparator) {
      isFloat = false;
    }
    const bool hexLetter = (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
    if (!digit && c != u'-' && !hexLetter) isHex = false;
  }
  if (minus > 1 || decimals > 1) return kTextKindText;
  if (isInteger) return kTextKindInteger;
  if (isFloat) return kTextKindFloat;
  if (isHex) return kTextKindHex;
  return kTextKindText;
}

QString StripThousandChars(const QString& Text) {
  QString out = Text;
  out.remove(FormatSettings().ThousandSeparator);
  return out;
}

int HexDigitValue(QChar Ch) {
  if (Ch >= u'0' && Ch <= u'9') return Ch.unicode() - u'0';
  if (Ch >= u'A' && Ch <= u'F') return Ch.unicode() - u'A' + 10;
  if (Ch >= u'a' && Ch <= u'f') return Ch.unicode() - u'a' + 10;
  return 0;
}

int HexToInt(const QString& Text) {
  uint32_t sum = 0, weight = 1;
  for (int i = Text.size() - 1; i >= 0; --i) {
    sum += static_cast<uint32_t>(HexDigitValue(Text[i])) * weight;
    weight *= 16;
  }
  return static_cast<int>(sum);
}

QString CaseText(const QString& Text, bool CaseSensitive) {
  return CaseSensitive ? Text : QLocale().toUpper(Text);
}
