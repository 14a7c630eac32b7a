#include "platform/ui/edit_mask_text.h"

#include <algorithm>

#include <QStringList>

#include "platform/rtl/locale_settings.h"

namespace {

// Characters the line edit's mask syntax reads as codes.
bool IsQtMaskCode(QChar c) { return QStringLiteral("AaNnXx90Dd#HhBb><![]{}\\").contains(c); }

// The line edit ends its mask at the first ';', escaped or not: a literal ';'
// cannot be shown and is left out.
void AddLiteral(TEditMaskParts& p, QChar c) {
  if (c == u';') return;
  if (IsQtMaskCode(c)) p.QtMask += u'\\';
  p.QtMask += c;
  p.LiteralAt.push_back(true);
}

void AddCode(TEditMaskParts& p, QChar code) {
  p.QtMask += code;
  p.LiteralAt.push_back(false);
}

}  // namespace

TEditMaskParts TranslateEditMask(const QString& EditMask) {
  TEditMaskParts p;
  // The mask runs to the first ';' that no backslash escapes.
  qsizetype end = 0;
  while (end < EditMask.size() && EditMask[end] != u';') end += EditMask[end] == u'\\' ? 2 : 1;
  end = std::min(end, EditMask.size());
  const QStringList rest = EditMask.mid(end + 1).split(u';');
  if (end < EditMask.size() && !rest.isEmpty() && !rest[0].isEmpty()) p.SaveLiterals = rest[0][0] != u'0';
  if (rest.size() > 1 && !rest[1].isEmpty()) p.Blank = rest[1][0];
  const TFormatSettings fs = FormatSettings();
  for (qsizetype i = 0; i < end; ++i) {
    const QChar c = EditMask[i];
    switch (c.unicode()) {
      case u'\\':
        if (i + 1 < end) AddLiteral(p, EditMask[++i]);
        break;
      case u'!': break;
      case u'>':
        if (i + 1 < end && EditMask[i + 1] == u'<') {
          p.QtMask += u'!';
          ++i;
        } else {
          p.QtMask += u'>';
        }
        break;
      case u'<':
        if (i + 1 < end && EditMask[i + 1] == u'>') {
          p.QtMask += u'!';
          ++i;
        } else {
          p.QtMask += u'<';
        }
        break;
      case u'L': AddCode(p, u'A'); break;
      case u'l': AddCode(p, u'a'); break;
      case u'A': AddCode(p, u'N'); break;
      case u'a': AddCode(p, u'n'); break;
      case u'C': AddCode(p, u'X'); break;
      case u'c': AddCode(p, u'x'); break;
      case u'0': AddCode(p, u'9'); break;
      case u'9': AddCode(p, u'0'); break;
      case u'#': AddCode(p, u'#'); break;
      case u':': AddLiteral(p, fs.TimeSeparator); break;
      case u'/': AddLiteral(p, fs.DateSeparator); break;
      case u'_': AddLiteral(p, u' '); break;
      default: AddLiteral(p, c); break;
    }
  }
  if (!p.QtMask.isEmpty()) {
    p.QtMask += u';';
    p.QtMask += p.Blank;
  }
  return p;
}

QString TextOfMaskedDisplay(const TEditMaskParts& Parts, const QString& Shown) {
  QString out;
  for (qsizetype i = 0; i < Shown.size(); ++i) {
    const bool literal = i < static_cast<qsizetype>(Parts.LiteralAt.size()) && Parts.LiteralAt[static_cast<size_t>(i)];
    if (literal) {
      if (Parts.SaveLiterals) out += Shown[i];
      continue;
    }
    out += Shown[i] == Parts.Blank ? u' ' : Shown[i];
  }
  while (out.endsWith(u' ')) out.chop(1);
  return out;
}
