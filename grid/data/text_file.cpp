#include "grid/data/text_file.h"

#include <algorithm>
#include <cstdint>

#include "grid/data/file_limits.h"
#include "platform/os/files.h"
#include "platform/rtl/codepage.h"
#include "platform/rtl/strings.h"

QStringList SplitTextLines(const QString& Text) {
  QStringList lines;
  qsizetype start = 0;
  const qsizetype n = Text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = Text[i];
    if (c != u'\r' && c != u'\n') continue;
    lines.append(Text.mid(start, i - start));
    if (c == u'\r' && i + 1 < n && Text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  if (start < n) lines.append(Text.mid(start));
  return lines;
}

QByteArray EncodeTextLines(const QStringList& Lines, TTextEncoding Encoding) {
  QString text;
  for (const QString& line : Lines) text += line + QStringLiteral("\r\n");
  switch (Encoding) {
    case teAnsi: return EncodeWindows1252(text);
    case teUtf8Bom: return "\xEF\xBB\xBF" + text.toUtf8();
    case teUtf8: return text.toUtf8();
    case teUtf16Bom:
    case teUtf16: {
      QByteArray out = Encoding == teUtf16Bom ? QByteArray("\xFF\xFE", 2) : QByteArray();
      out.reserve(out.size() + text.size() * 2);
      for (QChar c : text) {
        out.append(static_cast<char>(c.unicode() & 0xFF));
        out.append(static_cast<char>(c.unicode() >> 8));
      }
      return out;
    }
  }
  return {};
}

QStringList ReadTextFileLines(const QString& FileName) {
  return SplitTextLines(DecodeTextFile(ReadFileWhole(FileName, kMaxGridFileSize)));
}

QStringList FixedWidthFields(const QString& Line, const std::vector<int>& Positions, bool DoTrim) {
  QStringList fields;
  for (size_t k = 0; k + 1 < Positions.size(); ++k) {
    // Copy clamps a start before the line and a count past its end.
    const int64_t count = int64_t(Positions[k + 1]) - Positions[k];
    const QString field = Copy(Line, Positions[k], static_cast<int>(std::min<int64_t>(count, INT32_MAX)));
    fields.append(DoTrim ? Trim(field) : field);
  }
  return fields;
}
