#include "grid/base/text_kinds.h"

#include "platform/rtl/strings.h"

namespace {
const QString kPackedMarker = QStringLiteral("|\\");
}  // namespace

int ClassifyCellText(const QString& Text, bool HtmlEnabled) {
  // Read as the text with a blank appended (every non-empty text at least two
  // characters long); no mark below ends in a blank, so the text itself is searched.
  if (Text.isEmpty()) return ctkPlain;
  if (Text[0] == u'=') return ctkFormula;
  if (Text.startsWith(kPackedMarker)) {
    // A packed formula: the first packed character is "=" (high byte 0, low "=").
    if (Text.size() >= 5 && Text[3] == u'=' && Text[4] == QChar(0)) return ctkFormula;
    return ctkPackedWide;
  }
  if (Text.startsWith(QLatin1StringView("{\\"))) return ctkRichText;
  if (!HtmlEnabled) return ctkPlain;
  // HTML holds one of "</", "<B", "<I" or "<C".
  for (qsizetype i = Text.indexOf(u'<'); i >= 0 && i + 1 < Text.size(); i = Text.indexOf(u'<', i + 1)) {
    const char16_t next = Text[i + 1].unicode();
    if (next == u'/' || next == u'B' || next == u'I' || next == u'C') return ctkHtml;
  }
  return ctkPlain;
}

QString DecodeWideCellText(const QString& Text) {
  if (!Text.startsWith(kPackedMarker)) return Text;
  QString result;
  result.reserve((Text.size() - 2) / 2);
  for (qsizetype i = 2; i + 1 < Text.size(); i += 2)
    result += QChar(static_cast<char16_t>((Text[i].unicode() & 0xFF) << 8 | (Text[i + 1].unicode() & 0xFF)));
  return result;
}

QString EncodeWideCellText(const QString& WideText) {
  QString result = kPackedMarker;
  result.reserve(2 + WideText.size() * 2);
  for (QChar c : WideText) {
    result += QChar(static_cast<char16_t>(c.unicode() >> 8));
    result += QChar(static_cast<char16_t>(c.unicode() & 0xFF));
  }
  return result;
}

int WidePos(const QString& Sub, const QString& Text) { return Pos(Sub, Text); }
