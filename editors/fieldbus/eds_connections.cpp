#include "editors/fieldbus/eds_connections.h"

#include "platform/rtl/codepage.h"
#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"

#include <vector>

namespace {

// --- Entry decoding -------------------------------------------------------------

// The position of the first `c` outside double quotes from `from`, -1 when none.
qsizetype Find_Unquoted(const QString& text, QChar c, qsizetype from = 0) {
  bool quoted = false;
  for (qsizetype i = from; i < text.size(); ++i) {
    if (text[i] == u'"') quoted = !quoted;
    else if (!quoted && text[i] == c) return i;
  }
  return -1;
}

// The entry's fields before its ";", split at commas outside quotes, trimmed.
QStringList Entry_Fields(const QString& entry) {
  QStringList fields;
  const QString body = entry.left(Find_Unquoted(entry, u';'));
  qsizetype start = 0;
  for (;;) {
    const qsizetype comma = Find_Unquoted(body, u',', start);
    if (comma < 0) break;
    fields.append(Trim(body.mid(start, comma - start)));
    start = comma + 1;
  }
  fields.append(Trim(body.mid(start)));
  return fields;
}

QString Field(const QStringList& fields, int number) {
  return number - 1 < fields.size() ? fields[number - 1] : QString();
}

// Step 6: the bytes of the path, each a hexadecimal token between single blanks;
// other tokens are skipped. Nothing when the path is longer than the decoder holds.
std::optional<std::vector<uint8_t>> Path_Bytes(QString path) {
  path.remove(u'"');
  std::vector<uint8_t> bytes;
  for (const QString& token : Trim(path).split(u' ')) {
    const int32_t value = StrToIntDef(QStringLiteral("0x") + token, -1);
    if (value < 0 || value > 255) continue;
    if (bytes.size() >= size_t(kEDS_Max_Path_Bytes)) return std::nullopt;
    bytes.push_back(uint8_t(value));
  }
  return bytes;
}

// The first byte at or after `from` that is one of the two values; -1 when none.
int Seek(const std::vector<uint8_t>& bytes, size_t from, uint8_t a, uint8_t b) {
  for (size_t i = from; i < bytes.size(); ++i)
    if (bytes[i] == a || bytes[i] == b) return int(i);
  return -1;
}

uint32_t Little_Endian(const std::vector<uint8_t>& bytes, size_t from, int count) {
  uint32_t value = 0;
  for (int k = count - 1; k >= 0; --k) value = (value << 8) | bytes[from + size_t(k)];
  return value;
}

// Steps 7 to 10 on the path's bytes.
bool Decode_Path(const std::vector<uint8_t>& bytes, TConnData& conn) {
  // 7. A class segment first, and room for the rest.
  if (bytes.size() < 6 || bytes[0] != 0x20) return false;
  // 8. The instance: an 8-bit, a 16-bit or a 32-bit segment (pad byte, value low
  // byte first), or none.
  uint32_t instance = 1;
  size_t next = 2;
  switch (bytes[2]) {
    case 0x24:
      instance = bytes[3];
      next = 4;
      break;
    case 0x25:
      instance = Little_Endian(bytes, 4, 2);
      next = 6;
      break;
    case 0x26:
      if (bytes.size() < 8) return false;
      instance = Little_Endian(bytes, 4, 4);
      next = 8;
      break;
    default: break;
  }
  conn.InstanceOT = instance;
  conn.InstanceTO = instance;
  // 9. The O > T connection point.
  const int ot = Seek(bytes, next, 0x2C, 0x2C);
  if (ot < 0 || size_t(ot) + 1 >= bytes.size()) return false;
  conn.ConnPointOT = bytes[size_t(ot) + 1];
  // 10. The T > O connection point, after its own instance where there is one.
  int to = Seek(bytes, size_t(ot) + 2, 0x24, 0x2C);
  if (to < 0 || size_t(to) + 1 >= bytes.size()) return false;
  if (bytes[size_t(to)] == 0x24) {
    conn.InstanceTO = bytes[size_t(to) + 1];
    to = Seek(bytes, size_t(to) + 2, 0x2C, 0x2C);
    if (to < 0 || size_t(to) + 1 >= bytes.size()) return false;
  }
  conn.ConnPointTO = bytes[size_t(to) + 1];
  return true;
}

// --- Reading the section --------------------------------------------------------

// The line without its comment: from the first "$" outside double quotes on.
QString Without_Comment(const QString& line) {
  const qsizetype dollar = Find_Unquoted(line, u'$');
  return dollar < 0 ? line : line.left(dollar);
}

// When the line begins an entry ("Connection", digits, blanks, "="): the text after
// the "=" in `rest`.
bool Entry_Start(const QString& line, QString& rest) {
  static const QString kKey = QStringLiteral("Connection");
  if (!line.startsWith(kKey)) return false;
  qsizetype i = kKey.size();
  const qsizetype digits = i;
  while (i < line.size() && line[i].isDigit() && line[i].unicode() < 128) ++i;
  if (i == digits) return false;
  while (i < line.size() && (line[i] == u' ' || line[i] == u'\t')) ++i;
  if (i >= line.size() || line[i] != u'=') return false;
  rest = Trim(line.mid(i + 1));
  return true;
}

class TSectionReader {
public:
  QList<TConnData> Connections;

  void Line(const QString& line);
  void Close_Entry();

private:
  // Reads one piece of a line; answers what follows an entry's ";" on it.
  QString Piece(const QString& piece);
  // Looks for the entry's ";" in its text from `from` on; when found the entry is
  // decoded and what followed the ";" is answered.
  QString Seek_End(qsizetype from);
  void Decode(const QString& entry);

  bool in_section_ = false;
  bool in_entry_ = false;
  bool quoted_ = false;  // the entry's text so far ends inside double quotes
  QString entry_;
};

void TSectionReader::Decode(const QString& entry) {
  std::optional<TConnData> conn = Decode_Conn_Str(entry);
  if (!conn) return;
  conn->ConnIndex = int(Connections.size()) + 1;
  Connections.append(*conn);
}

void TSectionReader::Close_Entry() {
  if (in_entry_ && !entry_.isEmpty()) Decode(entry_);
  in_entry_ = false;
  quoted_ = false;
  entry_.clear();
}

QString TSectionReader::Seek_End(qsizetype from) {
  for (qsizetype i = from; i < entry_.size(); ++i) {
    if (entry_[i] == u'"') quoted_ = !quoted_;
    if (quoted_ || entry_[i] != u';') continue;
    const QString rest = Trim(entry_.mid(i + 1));
    entry_.truncate(i + 1);
    Close_Entry();
    return rest;
  }
  return QString();
}

void TSectionReader::Line(const QString& line) {
  QString piece = Trim(Without_Comment(line));
  while (!piece.isEmpty()) piece = Piece(piece);
}

QString TSectionReader::Piece(const QString& piece) {
  if (!in_section_) {
    in_section_ = piece.contains(QStringLiteral("[Connection Manager]"));
    return QString();
  }
  if (piece.startsWith(u'[')) {
    Close_Entry();
    in_section_ = false;
    return QString();
  }
  QString rest;
  if (Entry_Start(piece, rest)) {
    Close_Entry();
    in_entry_ = true;
    entry_ = rest;
    return Seek_End(0);
  }
  if (!in_entry_) return QString();  // another key of the section
  const qsizetype from = entry_.size() + 1;
  entry_ += u' ' + piece;
  return Seek_End(from);
}

}  // namespace

std::optional<TConnData> Decode_Conn_Str(const QString& entry) {
  // 5. The path ends at the entry's ";": without one there is no path.
  if (Find_Unquoted(entry, u';') < 0) return std::nullopt;
  const QStringList fields = Entry_Fields(entry);
  TConnData conn;
  // 1. and 2. The connection parameters after the trigger and transport.
  const uint32_t parameters = uint32_t(StrToIntDef(Field(fields, 2), -1));
  conn.DimHeaderOT = uint8_t((parameters >> 8) & 7);
  conn.DimHeaderTO = uint8_t((parameters >> 12) & 7);
  // 3. and 4.
  conn.ConnName = Field(fields, 13);
  conn.HelpStr = Field(fields, 14);
  conn.NumClass = 0;
  // 5. to 10.
  const std::optional<std::vector<uint8_t>> bytes = Path_Bytes(Field(fields, 15));
  if (!bytes || !Decode_Path(*bytes, conn)) return std::nullopt;
  return conn;
}

QList<TConnData> Read_EDS_Connections(const QString& text) {
  TSectionReader reader;
  qsizetype start = 0;
  const qsizetype n = text.size();
  while (start < n) {
    qsizetype i = start;
    while (i < n && text[i] != u'\r' && text[i] != u'\n') ++i;
    reader.Line(text.mid(start, i - start));
    if (i < n && text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  reader.Close_Entry();
  return reader.Connections;
}

QList<TConnData> Read_EDS_Connections(const QByteArray& bytes) { return Read_EDS_Connections(DecodeTextFile(bytes)); }

QStringList EDS_Connection_Row(const TConnData& conn) {
  return {
      QStringLiteral("Connection") + IntToStr(conn.ConnIndex),
      conn.ConnName,
      conn.HelpStr,
      QString::number(conn.InstanceOT),
      IntToStr(conn.ConnPointOT),
      QString::number(conn.InstanceTO),
      IntToStr(conn.ConnPointTO),
      conn.DimHeaderOT == 4 ? QStringLiteral("Default") : IntToStr(conn.DimHeaderOT),
      conn.DimHeaderTO == 0 ? QStringLiteral("Default") : IntToStr(conn.DimHeaderTO),
  };
}
