#include "editors/network/iec61850_client_pictures.h"

#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"

namespace {

constexpr TColor kBack = 0xFF00FF;  // the key colour, left transparent

void Fill(TCanvas* c, TColor pen, TColor brush) {
  c->Pen()->SetColor(pen);
  c->Brush()->SetColor(brush);
}

}  // namespace

std::unique_ptr<TBitmap> IEC_Tree_Picture(int index) {
  auto bmp = std::make_unique<TBitmap>(16, 16);
  TCanvas* c = bmp->Canvas();
  c->Brush()->SetColor(kBack);
  c->FillRect(Rect(0, 0, 16, 16));
  switch (index) {
    case 0:  // device: a grey box with a green lamp
      Fill(c, 0x404040, 0xC0C0C0);
      c->Rectangle(1, 3, 15, 13);
      Fill(c, 0x006000, 0x00C000);
      c->Rectangle(3, 5, 6, 8);
      break;
    case 1:  // logical device: a folder
      Fill(c, 0x0080A0, 0x40D0F0);
      c->Rectangle(1, 4, 15, 14);
      c->Rectangle(1, 2, 7, 5);
      break;
    case 2:  // logical node: a rounded block
      Fill(c, 0x804000, 0xF0B060);
      c->RoundRect(2, 2, 14, 14, 5, 5);
      break;
    case 3:  // data object: a blue square
      Fill(c, 0x800000, 0xFF4040);
      c->Rectangle(3, 3, 13, 13);
      break;
    case 4:  // data attribute: a small dot
      Fill(c, 0x404040, 0x808080);
      c->Ellipse(5, 5, 11, 11);
      break;
    default:  // data set: a green list
      Fill(c, 0x004000, 0x00A000);
      for (int y : {3, 7, 11}) c->Rectangle(2, y, 14, y + 3);
      break;
  }
  bmp->SetTransparent(true);
  return bmp;
}
