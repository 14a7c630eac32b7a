#include "app/forms/shell_artwork.h"

#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"

#include <cmath>
#include <vector>

namespace {

constexpr TColor kKey = clFuchsia;  // the transparent key colour
constexpr TColor kOutline = RGB(64, 72, 84);
constexpr TColor kPaper = RGB(252, 252, 250);
constexpr TColor kBlue = RGB(38, 110, 190);
constexpr TColor kOrange = RGB(232, 128, 32);
constexpr TColor kGreen = RGB(46, 150, 70);
constexpr TColor kPurple = RGB(120, 80, 170);
constexpr TColor kAmber = RGB(240, 184, 64);
constexpr TColor kAmberDark = RGB(206, 146, 38);
constexpr TColor kRed = RGB(200, 48, 48);

void pen(TCanvas* c, TColor color, int width = 1) {
  c->Pen()->SetStyle(psSolid);
  c->Pen()->SetColor(color);
  c->Pen()->SetWidth(width);
}

void brush(TCanvas* c, TColor color) { c->Brush()->SetColor(color); }

void line(TCanvas* c, int x1, int y1, int x2, int y2) {
  c->MoveTo(x1, y1);
  c->LineTo(x2, y2);
}

void font(TCanvas* c, int pixelHeight, bool bold, TColor color) {
  c->Font()->SetName(QStringLiteral("DejaVu Sans"));
  c->Font()->SetHeight(-pixelHeight);
  c->Font()->SetStyle(bold ? TFontStyles{fsBold} : TFontStyles{});
  c->Font()->SetColor(color);
}

// Text centred on a point, drawn without background.
void centredText(TCanvas* c, int cx, int cy, const QString& text) {
  c->Brush()->SetStyle(bsClear);
  const TSize s = c->TextExtent(text);
  c->TextOut(cx - s.cx / 2, cy - s.cy / 2, text);
  c->Brush()->SetStyle(bsSolid);
}

// A sheet of paper with a folded corner.
void page(TCanvas* c, int left, int top, int right, int bottom) {
  const int fold = (right - left) / 3;
  pen(c, kOutline);
  brush(c, kPaper);
  c->Polygon({{left, top}, {right - fold, top}, {right, top + fold}, {right, bottom}, {left, bottom}});
  brush(c, RGB(220, 224, 230));
  c->Polygon({{right - fold, top}, {right - fold, top + fold}, {right, top + fold}});
}

// A small table with a coloured header row.
void table(TCanvas* c, int left, int top, int right, int bottom, TColor header) {
  pen(c, kOutline);
  brush(c, kPaper);
  c->Rectangle(left, top, right, bottom);
  brush(c, header);
  c->Rectangle(left, top, right, top + 7);
  pen(c, RGB(170, 178, 190));
  for (int y = top + 12; y < bottom - 1; y += 5) line(c, left + 1, y, right - 1, y);
  line(c, left + (right - left) / 3, top + 7, left + (right - left) / 3, bottom - 1);
}

void drawNew(TCanvas* c) {
  page(c, 4, 1, 21, 25);
  pen(c, kGreen);
  brush(c, kGreen);
  c->Ellipse(13, 13, 27, 27);
  pen(c, clWhite, 2);
  line(c, 20, 16, 20, 24);
  line(c, 16, 20, 24, 20);
}

void drawOpen(TCanvas* c) {
  pen(c, kAmberDark);
  brush(c, kAmberDark);
  c->Polygon({{2, 5}, {10, 5}, {12, 8}, {24, 8}, {24, 23}, {2, 23}});
  brush(c, kAmber);
  c->Polygon({{6, 12}, {27, 12}, {23, 23}, {2, 23}});
  pen(c, kPaper);
  line(c, 5, 4, 5, 4);
}

void drawCommunication(TCanvas* c) {
  const int rows[] = {6, 14, 22};
  const int knobs[] = {9, 18, 12};
  for (int i = 0; i < 3; ++i) {
    pen(c, RGB(150, 158, 170), 2);
    line(c, 3, rows[i], 25, rows[i]);
    pen(c, RGB(24, 80, 150));
    brush(c, kBlue);
    c->RoundRect(knobs[i] - 3, rows[i] - 4, knobs[i] + 4, rows[i] + 5, 3, 3);
  }
}

void drawTable(TCanvas* c, TColor header) {
  table(c, 2, 3, 26, 25, header);
  pen(c, clWhite, 2);
  line(c, 6, 6, 12, 6);
}

void drawESI(TCanvas* c) {
  page(c, 3, 1, 22, 26);
  brush(c, kPurple);
  pen(c, kPurple);
  c->Rectangle(7, 12, 27, 21);
  font(c, 7, true, clWhite);
  centredText(c, 17, 16, QStringLiteral("XML"));
}

void drawUpdateDevice(TCanvas* c) {
  pen(c, RGB(30, 36, 44));
  brush(c, RGB(70, 80, 94));
  c->RoundRect(2, 9, 26, 26, 5, 5);
  brush(c, RGB(120, 220, 120));
  pen(c, RGB(60, 160, 60));
  c->Rectangle(5, 20, 8, 23);
  brush(c, RGB(250, 200, 60));
  pen(c, RGB(200, 150, 30));
  c->Rectangle(10, 20, 13, 23);
  // The arrow into the device.
  pen(c, RGB(20, 110, 40));
  brush(c, kGreen);
  c->Polygon({{17, 1}, {23, 1}, {23, 9}, {26, 9}, {20, 16}, {14, 9}, {17, 9}});
}

void drawInformation(TCanvas* c) {
  pen(c, RGB(22, 80, 150));
  brush(c, kBlue);
  c->Ellipse(3, 3, 37, 37);
  pen(c, clWhite);
  brush(c, clWhite);
  c->Ellipse(18, 9, 23, 14);
  c->Rectangle(18, 17, 23, 30);
  c->Rectangle(15, 17, 18, 19);
  c->Rectangle(15, 29, 26, 31);
}

void drawOptions(TCanvas* c) {
  // A gear: eight teeth, their tips and roots alternating.
  std::vector<TPoint> gear;
  const double pi = 3.14159265358979;
  for (int i = 0; i < 32; ++i) {
    const double a = 2 * pi * i / 32 + pi / 32;
    const double r = (i / 2) % 2 == 0 ? 17.5 : 13.0;
    gear.push_back({static_cast<int>(std::lround(20 + r * std::cos(a))), static_cast<int>(std::lround(20 + r * std::sin(a)))});
  }
  pen(c, RGB(60, 66, 76));
  brush(c, RGB(128, 138, 152));
  c->Polygon(gear);
  brush(c, RGB(176, 184, 196));
  c->Ellipse(9, 9, 31, 31);
  brush(c, kKey);
  c->Ellipse(15, 15, 25, 25);
}

void drawClose(TCanvas* c) {
  pen(c, RGB(150, 30, 30));
  brush(c, kRed);
  c->Ellipse(3, 3, 37, 37);
  pen(c, clWhite, 4);
  line(c, 13, 13, 27, 27);
  line(c, 27, 13, 13, 27);
}

void drawLogo(TCanvas* c) {
  // A blue tile with a white "Z" and two connection dots: the maker's sign.
  for (int y = 0; y < kLogo_Size; ++y) {
    const int t = y * 255 / kLogo_Size;
    pen(c, RGB(30 + t / 8, 90 + t / 5, 170 + t / 6));
    line(c, 0, y, kLogo_Size, y);
  }
  pen(c, clWhite, 8);
  line(c, 18, 18, 54, 18);
  line(c, 54, 18, 18, 54);
  line(c, 18, 54, 54, 54);
  pen(c, clWhite);
  brush(c, kOrange);
  c->Ellipse(4, 30, 14, 40);
  c->Ellipse(58, 30, 68, 40);
}

void drawOk(TCanvas* c) {
  pen(c, kGreen, 3);
  line(c, 3, 9, 7, 13);
  line(c, 7, 13, 15, 4);
}

void drawCancel(TCanvas* c) {
  pen(c, kRed, 3);
  line(c, 4, 4, 14, 14);
  line(c, 14, 4, 4, 14);
}

void drawArrow(TCanvas* c, bool next) {
  pen(c, RGB(24, 80, 150));
  brush(c, kBlue);
  if (next) c->Polygon({{5, 3}, {14, 9}, {5, 15}});
  else c->Polygon({{13, 3}, {4, 9}, {13, 15}});
}

void drawWebCheck(TCanvas* c) {
  pen(c, RGB(22, 80, 150));
  brush(c, RGB(150, 200, 240));
  c->Ellipse(1, 1, 17, 17);
  brush(c, RGB(150, 200, 240));
  c->Ellipse(5, 1, 13, 17);
  line(c, 1, 9, 17, 9);
  line(c, 3, 5, 15, 5);
  line(c, 3, 13, 15, 13);
}

int sizeOf(TShellPicture picture) {
  switch (picture) {
    case TShellPicture::Information:
    case TShellPicture::Options:
    case TShellPicture::Close:
      return kButton_Picture_Size;
    case TShellPicture::Logo:
      return kLogo_Size;
    case TShellPicture::Ok_Mark:
    case TShellPicture::Cancel_Mark:
    case TShellPicture::Previous:
    case TShellPicture::Next:
    case TShellPicture::Web_Check:
      return kDialog_Picture_Size;
    default:
      return kStep_Picture_Size;
  }
}

}  // namespace

void Draw_Shell_Picture(TShellPicture picture, TBitmap& bitmap) {
  const int size = sizeOf(picture);
  bitmap.SetSize(size, size);
  TCanvas* c = bitmap.Canvas();
  c->Brush()->SetStyle(bsSolid);
  brush(c, kKey);
  c->FillRect(Rect(0, 0, size, size));
  switch (picture) {
    case TShellPicture::New_Project: drawNew(c); break;
    case TShellPicture::Open_Project: drawOpen(c); break;
    case TShellPicture::Communication: drawCommunication(c); break;
    case TShellPicture::EtherCAT_Table: drawTable(c, kOrange); break;
    case TShellPicture::Modbus_Table: drawTable(c, kGreen); break;
    case TShellPicture::ESI_File: drawESI(c); break;
    case TShellPicture::Update_Device: drawUpdateDevice(c); break;
    case TShellPicture::Editor_Table: drawTable(c, RGB(120, 130, 145)); break;
    case TShellPicture::Information: drawInformation(c); break;
    case TShellPicture::Options: drawOptions(c); break;
    case TShellPicture::Close: drawClose(c); break;
    case TShellPicture::Logo: drawLogo(c); break;
    case TShellPicture::Ok_Mark: drawOk(c); break;
    case TShellPicture::Cancel_Mark: drawCancel(c); break;
    case TShellPicture::Previous: drawArrow(c, false); break;
    case TShellPicture::Next: drawArrow(c, true); break;
    case TShellPicture::Web_Check: drawWebCheck(c); break;
  }
  if (picture != TShellPicture::Logo) c->SetPixel(0, size - 1, kKey);  // the key colour stays the corner's
  bitmap.SetTransparent(picture != TShellPicture::Logo);
}
