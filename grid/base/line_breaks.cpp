#include "grid/base/line_breaks.h"

namespace {
constexpr QChar kCr(13);
constexpr QChar kLf(10);
constexpr QChar kFileCr(9);
constexpr QChar kFileLf(8);
constexpr QChar kFileNul(1);
constexpr QChar kNul(0);
}  // namespace

QString EncodeCellLineBreaks(const QString& Text) {
  if (!Text.contains(kCr)) return Text;
  QString result = Text;
  for (QChar& c : result) {
    if (c == kCr) c = kFileCr;
    else if (c == kLf) c = kFileLf;
    else if (c == kNul) c = kFileNul;
  }
  return result;
}

QString DecodeCellLineBreaks(const QString& Text, bool MultiLine) {
  QString result = Text;
  if (result.contains(kFileLf)) {
    for (QChar& c : result) {
      if (c == kFileCr) c = kCr;
      else if (c == kFileLf) c = kLf;
      else if (c == kFileNul) c = kNul;
    }
  }
  if (MultiLine) return result;
  return CutFirstLine(result, false);
}

QString CutFirstLine(QString& Text, bool KeepRest) {
  const qsizetype cr = Text.indexOf(kCr);
  if (cr < 0) {
    QString line = Text;
    Text.clear();
    return line;
  }
  QString line = Text.left(cr);
  qsizetype restStart = cr + 1;
  if (restStart < Text.size() && Text[restStart] == kLf) ++restStart;
  if (KeepRest) Text.remove(0, restStart);
  else Text.clear();
  return line;
}

int CountLines(const QString& Text, bool MultiLine) {
  if (!MultiLine) return 1;
  return 1 + static_cast<int>(Text.count(kCr));
}

QString EscapeToLineBreaks(const QString& Text) {
  QString result = Text;
  return result.replace(QStringLiteral("\\n"), QString(kCr));
}

QString LineBreaksToEscape(const QString& Text) {
  QString result = Text;
  result.remove(kLf);
  return result.replace(kCr, QStringLiteral("\\n"));
}

QString LineBreaksToTilde(const QString& Text) {
  QString result = Text;
  result.remove(kLf);
  return result.replace(kCr, u'~');
}

QString TildeToLineBreaks(const QString& Text) {
  if (Text == QStringLiteral("^")) return {};
  QString result = Text;
  return result.replace(u'~', QStringLiteral("\r\n"));
}

void CrLfToLf(QString& Text) { Text.replace(QStringLiteral("\r\n"), QString(kLf)); }

QString RemoveCarriageReturns(const QString& Text) {
  QString result = Text;
  return result.remove(kCr);
}

QString CrToLf(const QString& Text) {
  QString result = Text;
  return result.replace(kCr, kLf);
}

QString LineBreaksToHtml(const QString& Text) {
  if (!Text.contains(kCr)) return Text;
  QString result = Text;
  return result.replace(kCr, QStringLiteral("<br>"));
}
