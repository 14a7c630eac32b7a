#include "grid/data/clipboard_text.h"

#include <algorithm>

#include "grid/base/text_kinds.h"

QString ClipboardFieldText(const QString& Text, bool ExcelFormat, bool MultiLine) {
  QString t = Text;
  // 1.
  if (t.startsWith(QStringLiteral("|\\"))) t = DecodeWideCellText(t);
  // 2. One LF for each line break, the field quoted.
  if (t.contains(u'\r')) {
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    t = u'"' + t + u'"';
  }
  // 4. (Step 3, the rich-text and mini-HTML texts, needs the grid.)
  if (ExcelFormat && MultiLine && t.count(u'\r') > 0) {
    t.replace(QStringLiteral("\r\n"), QString(QChar(0x0B)));
    t = u'"' + t + u'"';
  }
  return t;
}

std::vector<TPasteLine> SplitPasteText(const QString& Text) {
  QString text = Text;
  const qsizetype zero = text.indexOf(QChar(0));
  if (zero >= 0) text.truncate(zero);
  std::vector<TPasteLine> lines;
  qsizetype start = 0;
  while (true) {
    const qsizetype cr = text.indexOf(u'\r', start);
    TPasteLine line;
    const QString body = cr < 0 ? text.mid(start) : text.mid(start, cr - start);
    line.Fields = body.split(u'\t');
    line.EndsWithBreak = cr >= 0;
    lines.push_back(std::move(line));
    if (cr < 0) break;
    start = cr + 1;
    if (start < text.size() && text[start] == u'\n') ++start;
  }
  return lines;
}

QString PreparePastedField(const QString& Field) {
  if (!Field.contains(u'\n')) return Field;
  QString f = Field;
  const bool quoted = f.startsWith(u'"');
  if (quoted) f.remove(0, 1);
  if (!f.isEmpty() && f.back() == u'"' && f.indexOf(u'"') == f.size() - 1) f.chop(1);
  if (quoted) {
    // The line breaks of a multi-line cell, each one LF on the clipboard.
    f.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    f.replace(u'\n', QStringLiteral("\r\n"));
  }
  f.replace(QChar(0x0B), QStringLiteral("\r\n"));
  return f;
}

void MeasureTextBlock(const QString& Text, int& Cols, int& RowsMinusOne) {
  Cols = 0;
  int breaks = 0, empty = 0;
  for (const TPasteLine& line : SplitPasteText(Text)) {
    Cols = std::max(Cols, static_cast<int>(line.Fields.size()));
    if (line.EndsWithBreak) ++breaks;
    if (line.Fields.size() == 1 && line.Fields[0].isEmpty()) ++empty;
  }
  RowsMinusOne = std::max(0, breaks - empty);
}

QByteArray RichTextToClipboard(const QString& Rtf) {
  QByteArray out;
  out.reserve(Rtf.size());
  for (QChar c : Rtf) {
    const char16_t u = c.unicode();
    if (u == 0) break;
    if (u < 256) out += static_cast<char>(u);
    else out += "\\u" + QByteArray::number(static_cast<int16_t>(u)) + '?';
  }
  return out;
}

QString RichTextFromClipboard(const QByteArray& Data) {
  const qsizetype end = Data.indexOf('\0');
  return QString::fromLatin1(end < 0 ? Data : Data.left(end));
}

TDroppedFileKind DroppedFileKind(const QString& FileName) {
  const qsizetype slash = std::max(FileName.lastIndexOf(u'/'), FileName.lastIndexOf(u'\\'));
  const qsizetype dot = FileName.lastIndexOf(u'.');
  if (dot <= slash) return dfkOther;
  const QString ext = FileName.mid(dot).toUpper();
  if (ext == u".CSV") return dfkCsv;
  if (ext == u".XLS" || ext == u".XLSX") return dfkSpreadsheet;
  return dfkOther;
}
