#include "gateway/bank1_image_bytes.h"

void TImage_Writer::Require(qsizetype count) const {
  if (count < 0 || data_.size() + count > limit_)
    throw EDevice_Image_Error(
        QStringLiteral("The device image does not fit in its %1 bytes.").arg(limit_));
}

void TImage_Writer::Append_LE(uint64_t value, int width) {
  Require(width);
  uint8_t bytes[8];
  Put_LE(bytes, value, width);
  data_.append(reinterpret_cast<const char*>(bytes), width);
}

void TImage_Writer::Zeros(qsizetype count) {
  Require(count);
  data_.append(count, '\0');
}

void TImage_Writer::Bytes(const char* bytes, qsizetype count) {
  Require(count);
  data_.append(bytes, count);
}
