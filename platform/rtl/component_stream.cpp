#include "platform/rtl/component_stream.h"

#include <QStringDecoder>

#include <cmath>
#include <cstring>

namespace {

const QString kInvalidFormat = QStringLiteral("Invalid stream format");
const QString kReadError = QStringLiteral("Stream read error");
const QString kInvalidValue = QStringLiteral("Invalid property value");

bool isAscii(const QByteArray& utf8) {
  for (char c : utf8)
    if (static_cast<uint8_t>(c) >= 0x80) return false;
  return true;
}

}  // namespace

void EncodeExtended(double Value, uint8_t Out[10]) {
  std::memset(Out, 0, 10);
  uint16_t signExp = std::signbit(Value) ? 0x8000 : 0;
  uint64_t mantissa = 0;
  if (std::isnan(Value)) {
    signExp |= 0x7FFF;
    mantissa = 0xC000000000000000ull;
  } else if (std::isinf(Value)) {
    signExp |= 0x7FFF;
    mantissa = 0x8000000000000000ull;
  } else if (Value != 0) {
    int e = 0;
    const double m = std::frexp(std::fabs(Value), &e);  // m in [0.5, 1)
    mantissa = static_cast<uint64_t>(std::ldexp(m, 64));
    signExp |= static_cast<uint16_t>(e - 1 + 16383);
  }
  for (int i = 0; i < 8; ++i) Out[i] = static_cast<uint8_t>(mantissa >> (8 * i));
  Out[8] = static_cast<uint8_t>(signExp);
  Out[9] = static_cast<uint8_t>(signExp >> 8);
}

double DecodeExtended(const uint8_t In[10]) {
  uint64_t mantissa = 0;
  for (int i = 0; i < 8; ++i) mantissa |= uint64_t(In[i]) << (8 * i);
  const int signExp = In[8] | (In[9] << 8);
  const bool negative = signExp & 0x8000;
  const int exponent = signExp & 0x7FFF;
  double v;
  if (exponent == 0x7FFF)
    v = (mantissa << 1) == 0 ? HUGE_VAL : std::nan("");
  else if (exponent == 0 && mantissa == 0)
    v = 0;
  else
    v = std::ldexp(static_cast<double>(mantissa), exponent - 16383 - 63);
  return negative ? -v : v;
}

// --- writing ---

void TComponentWriter::writeLE(uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) writeByte(static_cast<uint8_t>(v >> (8 * i)));
}

void TComponentWriter::WriteSignature() { out_.append("TPF0", 4); }

void TComponentWriter::WriteStr(const QString& S) {
  // At most 255 bytes, cut before a character's first byte so that what is
  // written stays whole UTF-8.
  QByteArray b = S.toUtf8();
  if (b.size() > 255) {
    qsizetype cut = 255;
    while (cut > 0 && (static_cast<uint8_t>(b[cut]) & 0xC0) == 0x80) --cut;
    b.truncate(cut);
  }
  writeByte(static_cast<uint8_t>(b.size()));
  out_.append(b);
}

void TComponentWriter::WriteInteger(int Value) {
  if (Value >= INT8_MIN && Value <= INT8_MAX) {
    writeByte(vaInt8);
    writeLE(static_cast<uint32_t>(Value), 1);
  } else if (Value >= INT16_MIN && Value <= INT16_MAX) {
    writeByte(vaInt16);
    writeLE(static_cast<uint32_t>(Value), 2);
  } else {
    writeByte(vaInt32);
    writeLE(static_cast<uint32_t>(Value), 4);
  }
}

void TComponentWriter::WriteBoolean(bool Value) { writeByte(Value ? vaTrue : vaFalse); }

void TComponentWriter::WriteString(const QString& S) {
  const QByteArray b = S.toUtf8();
  if (!S.isEmpty() && b.size() >= 2 * S.size()) {
    writeByte(vaWString);
    writeLE(static_cast<uint32_t>(S.size()), 4);
    for (QChar c : S) writeLE(c.unicode(), 2);
  } else if (isAscii(b) && b.size() <= 255) {
    writeByte(vaString);
    writeByte(static_cast<uint8_t>(b.size()));
    out_.append(b);
  } else {
    writeByte(isAscii(b) ? vaLString : vaUTF8String);
    writeLE(static_cast<uint32_t>(b.size()), 4);
    out_.append(b);
  }
}

void TComponentWriter::WriteFloat(double Value) {
  uint8_t bytes[10];
  EncodeExtended(Value, bytes);
  writeByte(vaExtended);
  out_.append(reinterpret_cast<const char*>(bytes), 10);
}

void TComponentWriter::WriteBinary(const QByteArray& Data) {
  writeByte(vaBinary);
  writeLE(static_cast<uint32_t>(Data.size()), 4);
  out_.append(Data);
}

void TComponentWriter::WriteIdent(const QString& Ident) {
  writeByte(vaIdent);
  WriteStr(Ident);
}

void TComponentWriter::WriteSet(const QStringList& Members) {
  writeByte(vaSet);
  for (const QString& m : Members) WriteStr(m);
  WriteStr(QString());
}

// --- reading ---

void TComponentReader::need(qsizetype bytes) const {
  if (bytes < 0 || in_.size() - pos_ < bytes) throw EReadError(kReadError);
}

uint8_t TComponentReader::readByte() {
  need(1);
  return static_cast<uint8_t>(in_[pos_++]);
}

uint32_t TComponentReader::readLE(int bytes) {
  need(bytes);
  uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v |= uint32_t(static_cast<uint8_t>(in_[pos_++])) << (8 * i);
  return v;
}

void TComponentReader::ReadSignature() {
  if (in_.size() - pos_ < 4 || in_.mid(pos_, 4) != "TPF0") throw EReadError(kInvalidFormat);
  pos_ += 4;
}

QString TComponentReader::ReadStr() {
  const int n = readByte();
  need(n);
  // Names and identifiers are UTF-8; bytes that are not cannot name anything
  // and would not be written back as they were read.
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString s = utf8(QByteArrayView(in_.constData() + pos_, n));
  if (utf8.hasError()) throw EReadError(kInvalidFormat);
  pos_ += n;
  return s;
}

bool TComponentReader::EndOfList() {
  need(1);
  return in_[pos_] == vaNull;
}

TValueType TComponentReader::NextValue() {
  need(1);
  return static_cast<TValueType>(static_cast<uint8_t>(in_[pos_]));
}

void TComponentReader::expect(TValueType t) {
  if (readByte() != t) throw EReadError(kInvalidValue);
}

void TComponentReader::ReadListEnd() { expect(vaNull); }
void TComponentReader::ReadListBegin() { expect(vaList); }
void TComponentReader::ReadCollectionBegin() { expect(vaCollection); }

int TComponentReader::ReadInteger() {
  switch (readByte()) {
    case vaInt8: return static_cast<int8_t>(readLE(1));
    case vaInt16: return static_cast<int16_t>(readLE(2));
    case vaInt32: return static_cast<int32_t>(readLE(4));
    default: throw EReadError(kInvalidValue);
  }
}

bool TComponentReader::ReadBoolean() {
  switch (readByte()) {
    case vaTrue: return true;
    case vaFalse: return false;
    default: throw EReadError(kInvalidValue);
  }
}

QString TComponentReader::ReadString() {
  switch (readByte()) {
    case vaString: {
      const int n = readByte();
      need(n);
      const QString s = QString::fromLatin1(in_.constData() + pos_, n);
      pos_ += n;
      return s;
    }
    case vaLString:
    case vaUTF8String: {
      const bool utf8 = static_cast<uint8_t>(in_[pos_ - 1]) == vaUTF8String;
      const qsizetype n = readLE(4);
      need(n);
      const QString s = utf8 ? QString::fromUtf8(in_.constData() + pos_, n) : QString::fromLatin1(in_.constData() + pos_, n);
      pos_ += n;
      return s;
    }
    case vaWString: {
      const qsizetype n = readLE(4);
      need(n * 2);
      QString s(n, Qt::Uninitialized);
      for (qsizetype i = 0; i < n; ++i) s[i] = QChar(static_cast<char16_t>(readLE(2)));
      return s;
    }
    default: throw EReadError(kInvalidValue);
  }
}

double TComponentReader::ReadFloat() {
  switch (NextValue()) {
    case vaInt8:
    case vaInt16:
    case vaInt32: return ReadInteger();
    case vaExtended: {
      ++pos_;
      need(10);
      uint8_t bytes[10];
      std::memcpy(bytes, in_.constData() + pos_, 10);
      pos_ += 10;
      return DecodeExtended(bytes);
    }
    default: throw EReadError(kInvalidValue);
  }
}

QByteArray TComponentReader::ReadBinary() {
  expect(vaBinary);
  const qsizetype n = readLE(4);
  need(n);
  const QByteArray b = in_.mid(pos_, n);
  pos_ += n;
  return b;
}

QString TComponentReader::ReadIdent() {
  expect(vaIdent);
  return ReadStr();
}

QStringList TComponentReader::ReadSet() {
  expect(vaSet);
  QStringList members;
  for (QString m = ReadStr(); !m.isEmpty(); m = ReadStr()) members.append(m);
  return members;
}
