#include "gateway/esi_identity.h"

#include "gateway/bank1_image_bytes.h"

namespace {

constexpr int kWidth = 16;
constexpr int kHeight = 14;

// Our device picture, top row first: a blue plate with a white "Z" over an orange
// bar (the two sides of the converter).
constexpr const char* kPicture[kHeight] = {
    "................",
    ".BBBBBBBBBBBBBB.",
    ".BWWWWWWWWWWWWB.",
    ".BBBBBBBBBWWWBB.",
    ".BBBBBBBBWWWBBB.",
    ".BBBBBBBWWWBBBB.",
    ".BBBBBBWWWBBBBB.",
    ".BBBBBWWWBBBBBB.",
    ".BBBBWWWBBBBBBB.",
    ".BBBWWWBBBBBBBB.",
    ".BBWWWWWWWWWWBB.",
    ".BBBBBBBBBBBBBB.",
    ".OOOOOOOOOOOOOO.",
    "................",
};

struct TPicture_Colour {
  char Key;
  uint32_t Rgb;
};
constexpr TPicture_Colour kColours[] = {
    {'.', 0xFFFFFF},
    {'B', 0x1F3A93},
    {'W', 0xFFFFFF},
    {'O', 0xF28C28},
};

uint32_t Colour_Of(char key) {
  for (const TPicture_Colour& c : kColours)
    if (c.Key == key) return c.Rgb;
  return 0;
}

}  // namespace

QByteArray ESI_Image_Bitmap() {
  constexpr int kRow_Bytes = kWidth * 3;  // already a multiple of 4
  constexpr int kPixel_Bytes = kRow_Bytes * kHeight;
  constexpr int kHeaders = 14 + 40;
  TImage_Writer out(kHeaders + kPixel_Bytes);
  // File header.
  out.Bytes("BM", 2);
  out.U32(kHeaders + kPixel_Bytes);
  out.U32(0);
  out.U32(kHeaders);
  // Info header: bottom-up rows, 24 bits, no compression.
  out.U32(40);
  out.U32(kWidth);
  out.U32(kHeight);
  out.U16(1);
  out.U16(24);
  out.U32(0);
  out.U32(kPixel_Bytes);
  out.U32(2835);  // 72 dpi
  out.U32(2835);
  out.U32(0);
  out.U32(0);
  // Pixels, bottom row first, blue green red.
  for (int y = kHeight - 1; y >= 0; --y) {
    for (int x = 0; x < kWidth; ++x) {
      const uint32_t rgb = Colour_Of(kPicture[y][x]);
      out.U8(rgb & 0xFF);
      out.U8(rgb >> 8 & 0xFF);
      out.U8(rgb >> 16 & 0xFF);
    }
  }
  return out.Data();
}

QString ESI_Image_Data16x14() {
  static const QString text = QString::fromLatin1(ESI_Image_Bitmap().toHex().toUpper());
  return text;
}
