#include "app/routines/ip_address.h"

#include "platform/rtl/numbers.h"
#include "platform/rtl/strings.h"

namespace {

// The text as a number in [0, max]; false when it is none.
bool readInRange(const QString& text, int32_t max, int32_t& value) {
  return TryStrToInt(text, value) && value >= 0 && value <= max;
}

bool isByte(const QString& text) {
  int32_t v = 0;
  return readInRange(text, 255, v);
}

// Cuts `rest` at its first dot: `part` gets the trimmed text before it, `rest` the
// trimmed text after it. False when `rest` holds no dot.
bool cutAtDot(QString& rest, QString& part) {
  const int dot = Pos(QStringLiteral("."), rest);
  if (dot == 0) return false;
  part = Trim(Copy(rest, 1, dot - 1));
  rest = Trim(Copy(rest, dot + 1, rest.size()));
  return true;
}

}  // namespace

bool Split_IP_Address(const QString& text, QString& part1, QString& part2, QString& part3, QString& part4) {
  part1.clear();
  part2.clear();
  part3.clear();
  part4.clear();
  QString rest = Trim(text);
  if (!cutAtDot(rest, part1)) return false;
  if (!cutAtDot(rest, part2)) return false;
  if (!cutAtDot(rest, part3)) return false;
  part4 = rest;
  return isByte(part1) && isByte(part2) && isByte(part3) && isByte(part4);
}

bool IP_Text_To_Bytes(const QString& text, uint8_t& b1, uint8_t& b2, uint8_t& b3, uint8_t& b4) {
  if (text.isEmpty()) return true;
  uint8_t* bytes[4] = {&b1, &b2, &b3, &b4};
  bool error = false;
  QString rest = text;
  for (int i = 0; i < 4; ++i) {
    const int dot = Pos(QStringLiteral("."), rest);
    const QString part = i == 3 ? rest : Copy(rest, 1, dot - 1);
    int32_t v = 0;
    if (readInRange(part, 255, v)) {
      *bytes[i] = static_cast<uint8_t>(v);
    } else {
      *bytes[i] = 0;
      error = true;
    }
    if (dot > 0) rest = Copy(rest, dot + 1, rest.size());
  }
  return error;
}

bool IP_Port_Text_To_Bytes(const QString& text, uint8_t& b1, uint8_t& b2, uint8_t& b3, uint8_t& b4, uint16_t& port) {
  b1 = b2 = b3 = b4 = 0;
  port = 0;
  QString parts[4];
  QString rest = text;
  for (int i = 0; i < 3; ++i)
    if (!cutAtDot(rest, parts[i])) return false;
  const int colon = Pos(QStringLiteral(":"), rest);
  if (colon == 0) return false;
  parts[3] = Trim(Copy(rest, 1, colon - 1));
  const QString portText = Trim(Copy(rest, colon + 1, rest.size()));

  int32_t values[4] = {};
  for (int i = 0; i < 4; ++i)
    if (!readInRange(parts[i], 255, values[i])) return false;
  int32_t portValue = 0;
  if (!readInRange(portText, 65535, portValue)) return false;

  b1 = static_cast<uint8_t>(values[0]);
  b2 = static_cast<uint8_t>(values[1]);
  b3 = static_cast<uint8_t>(values[2]);
  b4 = static_cast<uint8_t>(values[3]);
  port = static_cast<uint16_t>(portValue);
  return true;
}
