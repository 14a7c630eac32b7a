// The class library's binary component stream (the form-resource format): the
// signature "TPF0", a class name and a component name as short strings, then
// properties as a short-string name followed by a tagged value, lists closed by a
// 0 byte. TComponentWriter appends to a byte array; TComponentReader reads one
// with every length and tag checked, raising EReadError on anything it cannot
// read, so a broken stream never reads past its end.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>

#include "platform/rtl/exceptions.h"

// A stream that cannot be read as the expected component.
class EReadError : public Exception {
public:
  using Exception::Exception;
};

// The value tags of the component stream.
enum TValueType : uint8_t {
  vaNull = 0, vaList = 1, vaInt8 = 2, vaInt16 = 3, vaInt32 = 4, vaExtended = 5, vaString = 6, vaIdent = 7,
  vaFalse = 8, vaTrue = 9, vaBinary = 10, vaSet = 11, vaLString = 12, vaNil = 13, vaCollection = 14,
  vaSingle = 15, vaCurrency = 16, vaDate = 17, vaWString = 18, vaInt64 = 19, vaUTF8String = 20
};

// The 10 bytes of a number in 80-bit x87 extended precision (little-endian:
// 64-bit mantissa with its integer bit, then sign and 15-bit exponent), and back.
// A value beyond the range of a double reads as an infinity or 0.
void EncodeExtended(double Value, uint8_t Out[10]);
double DecodeExtended(const uint8_t In[10]);

class TComponentWriter {
public:
  explicit TComponentWriter(QByteArray& Out) : out_(Out) {}

  void WriteSignature();
  // A short string: a length byte and at most 255 bytes of UTF-8 (names); a longer
  // name is cut at a character boundary.
  void WriteStr(const QString& S);
  void WritePropName(const QString& Name) { WriteStr(Name); }
  // The shortest of vaInt8, vaInt16 and vaInt32 that holds Value.
  void WriteInteger(int Value);
  void WriteBoolean(bool Value);
  // A text by its UTF-8 form: vaWString (UTF-16LE) when the UTF-8 bytes are at
  // least twice the UTF-16 code units; else vaString for up to 255 ASCII bytes,
  // vaLString for more; else vaUTF8String.
  void WriteString(const QString& S);
  // vaExtended: the value as 80-bit x87 extended precision.
  void WriteFloat(double Value);
  // vaBinary: a 4-byte length, then the bytes.
  void WriteBinary(const QByteArray& Data);
  void WriteIdent(const QString& Ident);
  void WriteSet(const QStringList& Members);
  void WriteListBegin() { writeByte(vaList); }
  void WriteListEnd() { writeByte(vaNull); }
  void WriteCollectionBegin() { writeByte(vaCollection); }

private:
  void writeByte(uint8_t b) { out_.append(static_cast<char>(b)); }
  void writeLE(uint32_t v, int bytes);
  QByteArray& out_;
};

class TComponentReader {
public:
  explicit TComponentReader(const QByteArray& In) : in_(In) {}

  // Raises EReadError unless the stream starts with the signature.
  void ReadSignature();
  QString ReadStr();
  // True when the next byte closes a list (it is not consumed).
  bool EndOfList();
  void ReadListEnd();
  void ReadListBegin();
  void ReadCollectionBegin();
  TValueType NextValue();
  int ReadInteger();
  bool ReadBoolean();
  QString ReadString();
  QString ReadIdent();
  QStringList ReadSet();
  // vaExtended, or an integer.
  double ReadFloat();
  QByteArray ReadBinary();
  bool AtEnd() const { return pos_ >= in_.size(); }
  qsizetype Position() const { return pos_; }
  qsizetype Remaining() const { return in_.size() - pos_; }

private:
  uint8_t readByte();
  uint32_t readLE(int bytes);
  void need(qsizetype bytes) const;
  void expect(TValueType t);
  const QByteArray& in_;
  qsizetype pos_ = 0;
};
