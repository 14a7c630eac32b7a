#include "grid/data/text_file.h"

#include "grid/data/file_limits.h"
#include "platform/os/files.h"
#include "platform/rtl/codepage.h"

QString DecodeTextFile(const QByteArray& Bytes) {
  if (Bytes.startsWith("\xEF\xBB\xBF")) return QString::fromUtf8(Bytes.mid(3));
  if (Bytes.startsWith("\xFF\xFE") || Bytes.startsWith("\xFE\xFF")) {
    const bool little = Bytes[0] == '\xFF';
    const qsizetype units = (Bytes.size() - 2) / 2;
    QString s(units, Qt::Uninitialized);
    for (qsizetype i = 0; i < units; ++i) {
      const auto a = static_cast<uint8_t>(Bytes[2 + 2 * i]), b = static_cast<uint8_t>(Bytes[3 + 2 * i]);
      s[i] = QChar(static_cast<char16_t>(little ? a | (b << 8) : (a << 8) | b));
    }
    return s;
  }
  return DecodeWindows1252(Bytes);
}

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
