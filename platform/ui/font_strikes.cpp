#include "platform/ui/font_strikes.h"

#include <algorithm>
#include <cstdint>

namespace {

uint32_t Read32(const QByteArray& b, int64_t at) {
  const auto* p = reinterpret_cast<const unsigned char*>(b.constData()) + at;
  return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

uint16_t Read16(const QByteArray& b, int64_t at) {
  const auto* p = reinterpret_cast<const unsigned char*>(b.constData()) + at;
  return uint16_t(p[0] << 8 | p[1]);
}

// The sfnt layout: a 12-byte header whose bytes 4-5 count the tables, then one
// 16-byte record per table (tag, checksum, offset, length). The strike table
// "EBLC" starts with its version and the number of strikes, then one 48-byte size
// record per strike whose byte 45 is the strike's vertical size in pixels.
constexpr int64_t kHeader = 12, kRecord = 16, kStrikeHeader = 8, kStrike = 48, kPpemY = 45;

}  // namespace

std::vector<int> EmbeddedBitmapSizes(const QByteArray& fontFile) {
  std::vector<int> sizes;
  const int64_t size = fontFile.size();
  if (size < kHeader) return sizes;
  const int64_t tables = Read16(fontFile, 4);
  for (int64_t i = 0; i < tables; ++i) {
    const int64_t record = kHeader + i * kRecord;
    if (record + kRecord > size) break;
    if (fontFile.mid(record, 4) != "EBLC") continue;
    const int64_t offset = Read32(fontFile, record + 8), length = Read32(fontFile, record + 12);
    if (offset > size || length > size - offset || length < kStrikeHeader) return sizes;
    const int64_t strikes = std::min<int64_t>(Read32(fontFile, offset + 4), (length - kStrikeHeader) / kStrike);
    for (int64_t s = 0; s < strikes; ++s)
      sizes.push_back(static_cast<unsigned char>(fontFile.at(static_cast<qsizetype>(offset + kStrikeHeader + s * kStrike + kPpemY))));
    break;
  }
  std::sort(sizes.begin(), sizes.end());
  sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
  sizes.erase(std::remove(sizes.begin(), sizes.end(), 0), sizes.end());
  return sizes;
}
