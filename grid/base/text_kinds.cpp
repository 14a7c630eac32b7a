#include "grid/base/text_kinds.h"

#include "platform/rtl/strings.h"

namespace {
const QString kPackedMarker = QStringLiteral("|\\");
}  // namespace

int ClassifyCellText(const QString& Text, bool HtmlEnabled) {
  // The appended blank makes every non-empty text at least two characters long.
  const QString s = Text + u' ';
  if (s.size() < 2) return ctkPlain;
  if (s[0] == u'=') return ctkFormula;
  if (s.startsWith(kPackedMarker)) {
    // A packed formula: the first packed character is "=" (high byte 0, low "=").
    if (s.size() >= 5 && s[3] == u'=' && s[4] == QChar(0)) return ctkFormula;
    return ctkPackedWide;
  }
  if (s.startsWith(QStringLiteral("{\\"))) return ctkRichText;
  if (!HtmlEnabled) return ctkPlain;
  for (const char16_t* mark : {u"</", u"<B", u"<I", u"<C"})
    if (s.contains(QString::fromUtf16(mark))) return ctkHtml;
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
