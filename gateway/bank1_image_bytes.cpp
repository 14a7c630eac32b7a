#include "gateway/bank1_image_bytes.h"

#include <cstring>

void TImage_Writer::Overflow() const {
  throw EDevice_Image_Error(QStringLiteral("The device image does not fit in its %1 bytes.").arg(limit_));
}

void TImage_Writer::Zeros(qsizetype count) {
  Require(count);
  std::memset(buffer_.data() + size_, 0, static_cast<size_t>(count));
  size_ += count;
}

void TImage_Writer::Bytes(const char* bytes, qsizetype count) {
  Require(count);
  if (count > 0) std::memcpy(buffer_.data() + size_, bytes, static_cast<size_t>(count));
  size_ += count;
}
