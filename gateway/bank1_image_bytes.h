// Little-endian byte writing shared by the two device images: the error both image
// builders raise, and an append-only writer that never passes its buffer limit.
#pragma once

#include "platform/rtl/exceptions.h"

#include <QByteArray>
#include <cstdint>
#include <vector>

// A device image cannot be built or written; Message says why, for an error box.
class EDevice_Image_Error : public Exception {
public:
  using Exception::Exception;
};

// Stores the low `width` bytes of `value` at `p`, lowest byte first.
inline void Put_LE(uint8_t* p, uint64_t value, int width) {
  for (int i = 0; i < width; ++i) p[i] = static_cast<uint8_t>(value >> (8 * i));
}

// Appends to a byte buffer that may grow up to `limit` bytes; an append that would
// pass the limit raises EDevice_Image_Error and leaves the buffer as it was. The
// buffer is taken whole at once: an image is built by many small appends.
class TImage_Writer {
public:
  explicit TImage_Writer(qsizetype limit) : buffer_(static_cast<size_t>(limit)), limit_(limit) {}

  qsizetype Position() const { return size_; }
  // The bytes written so far.
  QByteArray Data() const { return QByteArray(reinterpret_cast<const char*>(buffer_.data()), size_); }

  void U8(uint64_t value) { Append_LE(value, 1); }
  void U16(uint64_t value) { Append_LE(value, 2); }
  void U32(uint64_t value) { Append_LE(value, 4); }
  void Zeros(qsizetype count);
  void Bytes(const QByteArray& bytes) { Bytes(bytes.constData(), bytes.size()); }
  void Bytes(const char* bytes, qsizetype count);

private:
  void Append_LE(uint64_t value, int width) {
    Require(width);
    Put_LE(buffer_.data() + size_, value, width);
    size_ += width;
  }
  void Require(qsizetype count) const {
    if (count < 0 || count > limit_ - size_) Overflow();
  }
  [[noreturn]] void Overflow() const;

  std::vector<uint8_t> buffer_;
  qsizetype size_ = 0;
  qsizetype limit_;
};
