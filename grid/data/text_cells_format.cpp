#include "grid/data/text_cells_format.h"

#include <limits>

#include "grid/base/csv_text.h"
#include "platform/rtl/numbers.h"

int ValInteger(const QString& Text) {
  qsizetype i = 0;
  const qsizetype n = Text.size();
  while (i < n && Text[i] == u' ') ++i;
  bool negative = false;
  if (i < n && (Text[i] == u'+' || Text[i] == u'-')) negative = Text[i++] == u'-';
  int base = 10;
  if (i < n && Text[i] == u'$') {
    base = 16;
    ++i;
  } else if (i + 1 < n && Text[i] == u'0' && (Text[i + 1] == u'x' || Text[i + 1] == u'X')) {
    base = 16;
    i += 2;
  }
  int64_t v = 0;
  constexpr int64_t kLimit = int64_t(std::numeric_limits<int32_t>::max()) + 1;
  for (; i < n; ++i) {
    const char16_t u = Text[i].unicode();
    const int d = u >= u'0' && u <= u'9'   ? u - u'0'
                  : u >= u'a' && u <= u'f' ? u - u'a' + 10
                  : u >= u'A' && u <= u'F' ? u - u'A' + 10
                                           : -1;
    if (d < 0 || d >= base) break;
    v = std::min(v * base + d, kLimit);
  }
  if (negative) v = -v;
  return static_cast<int>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

int ValFloat(const QString& Text, double& Value) {
  Value = 0;
  qsizetype i = 0;
  const qsizetype n = Text.size();
  auto digit = [&](qsizetype k) { return k < n && Text[k].unicode() >= u'0' && Text[k].unicode() <= u'9'; };
  while (i < n && Text[i] == u' ') ++i;
  if (i < n && (Text[i] == u'+' || Text[i] == u'-')) ++i;
  bool any = false;
  while (digit(i)) ++i, any = true;
  if (i < n && Text[i] == u'.') {
    ++i;
    while (digit(i)) ++i, any = true;
  }
  if (any && i < n && (Text[i] == u'e' || Text[i] == u'E')) {
    qsizetype k = i + 1;
    if (k < n && (Text[k] == u'+' || Text[k] == u'-')) ++k;
    if (digit(k)) {
      while (digit(k)) ++k;
      i = k;
    } else {
      return static_cast<int>(std::min<qsizetype>(k + 1, std::numeric_limits<int>::max()));
    }
  }
  if (!any || i < n) return static_cast<int>(std::min<qsizetype>(i + 1, std::numeric_limits<int>::max()));
  bool ok = false;
  Value = Text.trimmed().toDouble(&ok);
  if (!ok) Value = 0;
  return 0;
}

TTextCellsContent ParseTextCellFile(const QStringList& Lines) {
  TTextCellsContent c;
  if (Lines.isEmpty()) return c;
  if (!Lines[0].isEmpty()) {
    c.HasSize = true;
    const qsizetype comma = Lines[0].indexOf(u',');
    c.ColCount = ValInteger(comma < 0 ? Lines[0] : Lines[0].left(comma));
    c.RowCount = comma < 0 ? 0 : ValInteger(Lines[0].mid(comma + 1));
  }
  for (qsizetype i = 1; i < Lines.size(); ++i) {
    const QString& line = Lines[i];
    if (line.startsWith(QLatin1String("cw"))) {
      const qsizetype comma = line.indexOf(u',');
      const QString colText = comma < 0 ? line.mid(3) : line.mid(3, comma - 3);
      c.Widths.push_back({ValInteger(colText), comma < 0 ? 0 : ValInteger(line.mid(comma + 1, 255))});
      continue;
    }
    QString rest = line;
    TTextCell cell;
    cell.Col = ValInteger(CutFirstField(rest, QStringLiteral(",")));
    cell.Row = ValInteger(CutFirstField(rest, QStringLiteral(",")));
    cell.Text = rest;
    c.Cells.push_back(std::move(cell));
  }
  return c;
}

QByteArray EncodeTextCellStream(const QStringList& Lines) {
  QByteArray out;
  for (const QString& line : Lines) {
    for (QChar ch : line) {
      out.append(static_cast<char>(ch.unicode() & 0xFF));
      out.append(static_cast<char>(ch.unicode() >> 8));
    }
    out.append("\r\0\n\0", 4);
  }
  return out;
}

TTextCellsContent ParseTextCellStream(const QByteArray& Bytes, qsizetype& Used) {
  TTextCellsContent c;
  qsizetype pos = 0;
  const qsizetype units = Bytes.size() / 2;
  auto unit = [&](qsizetype k) {
    return QChar(static_cast<char16_t>(uint8_t(Bytes[2 * k]) | (uint8_t(Bytes[2 * k + 1]) << 8)));
  };
  // A line: units up to a CR or the end; the unit after the CR goes with it.
  auto readLine = [&](qsizetype& at) {
    QString line;
    while (at < units && unit(at) != u'\r') line += unit(at++);
    if (at < units) at += 2;  // the CR and the unit after it
    at = std::min(at, units);
    return line;
  };
  if (units == 0) {
    Used = 0;
    return c;
  }
  const QString first = readLine(pos);
  if (!first.isEmpty()) {
    const qsizetype comma = first.indexOf(u',');
    c.HasSize = true;
    c.ColCount = StrToInt(comma < 0 ? first : first.left(comma));
    c.RowCount = StrToInt(comma < 0 ? QString() : first.mid(comma + 1));
  }
  while (pos < units) {
    const qsizetype start = pos;
    const QString line = readLine(pos);
    if (line.startsWith(QLatin1String("cw"))) {
      const QString rest = line.mid(3);
      const qsizetype comma = rest.indexOf(u',');
      c.Widths.push_back({StrToInt(comma < 0 ? rest : rest.left(comma)), StrToInt(comma < 0 ? QString() : rest.mid(comma + 1))});
      continue;
    }
    QString rest = line;
    const QString colText = CutFirstField(rest, QStringLiteral(","));
    const QString rowText = colText.isEmpty() ? QString() : CutFirstField(rest, QStringLiteral(","));
    if (colText.isEmpty() || rowText.isEmpty()) {
      pos = start;
      break;
    }
    c.Cells.push_back({StrToInt(colText), StrToInt(rowText), rest});
  }
  Used = pos * 2;
  return c;
}
