#include "grid/dropdown/color_panels.h"

#include <QString>
#include <cmath>

#include "platform/ui/application.h"
#include "platform/ui/art_cursors.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/shapes.h"

namespace {

// The cube's colours row by row, left to right, as RRGGBB.
constexpr unsigned kCubeColors[TExColorCubePanel::kCells] = {
    0x003366, 0x336699, 0x3366CC, 0x003399, 0x000099, 0x0000CC, 0x000066,                                //
    0x006666, 0x006699, 0x0099CC, 0x0066CC, 0x0033CC, 0x0000FF, 0x3333FF, 0x333399,                      //
    0x008080, 0x009999, 0x33CCCC, 0x00CCFF, 0x0099FF, 0x0066FF, 0x3366FF, 0x3333CC, 0x666699,            //
    0x339966, 0x00CC99, 0x00FFCC, 0x00FFFF, 0x33CCFF, 0x3399FF, 0x6699FF, 0x6666FF, 0x6600FF, 0x6600CC,  //
    0x339933, 0x00CC66, 0x00FF99, 0x66FFCC, 0x66FFFF, 0x66CCFF, 0x99CCFF, 0x9999FF, 0x9966FF, 0x9933FF,
    0x9900FF,  //
    0x006600, 0x00CC00, 0x00FF00, 0x66FF99, 0x99FFCC, 0xCCFFFF, 0xCCECFF, 0xCCCCFF, 0xCC99FF, 0xCC66FF,
    0xCC00FF, 0x9900CC,  //
    0x003300, 0x008000, 0x33CC33, 0x66FF66, 0x99FF99, 0xCCFFCC, 0xFFFFFF, 0xFFCCFF, 0xFF99FF, 0xFF66FF,
    0xFF00FF, 0xCC00CC, 0x660066,  //
    0x336600, 0x009900, 0x66FF33, 0x99FF66, 0xCCFF99, 0xFFFFCC, 0xFFCCCC, 0xFF99CC, 0xFF66CC, 0xFF33CC,
    0xCC0099, 0x800080,  //
    0x333300, 0x669900, 0x99FF33, 0xCCFF66, 0xFFFF99, 0xFFCC99, 0xFF9999, 0xFF6699, 0xFF3399, 0xCC3399,
    0x990099,  //
    0x666633, 0x99CC00, 0xCCFF33, 0xFFFF66, 0xFFCC66, 0xFF9966, 0xFF7C80, 0xFF0066, 0xD60093, 0x993366,  //
    0x808000, 0xCCCC00, 0xFFFF00, 0xFFCC00, 0xFF9933, 0xFF6600, 0xFF5050, 0xCC0066, 0x660033,            //
    0x996633, 0xCC9900, 0xFF9900, 0xCC6600, 0xFF3300, 0xFF0000, 0xCC0000, 0x990033,                      //
    0x663300, 0x996600, 0xCC3300, 0x993300, 0x990000, 0x800000, 0xA50021,
};

// RRGGBB as a TColor ($00BBGGRR).
TColor FromRGB(unsigned rgb) { return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF); }

void Hexagon(TCanvas* c, TPoint p, int A, int B) {
  c->Polygon({{p.X - A, p.Y - B}, {p.X, p.Y - 2 * B}, {p.X + A, p.Y - B}, {p.X + A, p.Y + B}, {p.X, p.Y + 2 * B},
              {p.X - A, p.Y + B}});
}

// One colour channel of a hue (0..6) at lightness l.
int Channel(double h, double l) {
  h = std::fmod(h + 6, 6);
  double v = h < 1 ? h : h < 3 ? 1 : h < 4 ? 4 - h : 0;  // the pure hue's channel, 0..1
  v = l <= 0.5 ? v * 2 * l : v + (1 - v) * (2 * l - 1);
  return std::clamp(static_cast<int>(std::lround(v * 255)), 0, 255);
}

}  // namespace

void DrawSpectrum(TBitmap* Bitmap) {
  constexpr int n = 128;
  Bitmap->SetSize(n, n);
  TCanvas* c = Bitmap->Canvas();
  for (int y = 0; y < n; ++y) {
    const double l = 1 - (y + 0.5) / n;
    for (int x = 0; x < n; ++x) {
      const double h = 6.0 * x / n;  // 0 red, 1 yellow, 2 green, 3 cyan, 4 blue, 5 magenta
      const int r = Channel(h + 2, l), g = Channel(h, l), b = Channel(h - 2, l);
      c->SetPixel(x, y, static_cast<TColor>(r | (g << 8) | (b << 16)));
    }
  }
  c->ReleasePainter();
}

// --- cube ---

TExColorCubePanel::TExColorCubePanel(TComponent* AOwner) : TExCustomColorSelectorPanel(AOwner) {
  SetSelectedColor(clNone);
  FHotIndex = FSelectedIndex = -1;
  InitCubeCells();
  SetShowRGBHint(true);
}

void TExColorCubePanel::InitCubeCells() {
  FCubeSize = {6, 3};
  int i = 1;
  for (int r = 1; r <= 13; ++r) {
    const int count = r <= 7 ? r + 6 : 20 - r;
    const int x0 = r <= 7 ? 55 - 6 * (r - 1) : 19 + 6 * (r - 7);
    for (int k = 0; k < count; ++k, ++i) {
      FCubeCells[i].Pt = {x0 + 2 * FCubeSize.X * k, 20 + 10 * (r - 1)};
      FCubeCells[i].Color = FromRGB(kCubeColors[i - 1]);
    }
  }
}

void TExColorCubePanel::SetSelected(TColor Color, int Index) {
  FSelectedColor = Color;
  if (Index >= 1 && Index <= kCells) {
    FSelectedIndex = Index;
    return;
  }
  FSelectedIndex = -1;
  for (int i = 1; i <= kCells; ++i)
    if (FCubeCells[i].Color == Color) {
      FSelectedIndex = i;
      return;
    }
}

void TExColorCubePanel::SetShowRGBHint(bool Value) {
  FShowRGBHint = Value;
  SetShowHint(Value);
}

void TExColorCubePanel::ResetHotIndex() {
  FHotIndex = -1;
  SetPanelSize(182, 160);
}

int TExColorCubePanel::CellAtXY(int X, int Y) const {
  for (int i = 1; i <= kCells; ++i) {
    const int dx = FCubeCells[i].Pt.X - X, dy = FCubeCells[i].Pt.Y - Y;
    if (dx * dx + dy * dy <= FCubeSize.X * FCubeSize.X) return i;
  }
  return -1;
}

void TExColorCubePanel::DrawCell(TCanvas* c, int i) {
  if (i < 1 || i > kCells) return;
  const TColorCubeCell& cell = FCubeCells[i];
  c->Pen()->SetColor(cell.Color);
  c->Pen()->SetWidth(1);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(cell.Color);
  Hexagon(c, cell.Pt, FCubeSize.X, FCubeSize.Y);
  auto mark = [&](TColor outer) {
    c->Brush()->SetStyle(bsClear);
    c->Pen()->SetColor(outer);
    Hexagon(c, cell.Pt, FCubeSize.X - 1, FCubeSize.Y);
    c->Pen()->SetColor(0xFFFFFF);
    Hexagon(c, cell.Pt, FCubeSize.X - 2, FCubeSize.Y - 1);
    c->Brush()->SetStyle(bsSolid);
  };
  if (i == FHotIndex) mark(0x0000FF);  // red
  if (i == FSelectedIndex) mark(0x000000);
}

void TExColorCubePanel::Paint() {
  TExCustomColorSelectorPanel::Paint();
  TCanvas* c = Canvas();
  c->Brush()->SetColor(Color());
  c->FillRect(ClientRect());
  for (int i = 1; i <= kCells; ++i) DrawCell(c, i);
}

void TExColorCubePanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TExCustomColorSelectorPanel::MouseDown(Button, Shift, X, Y);
  const int i = CellAtXY(X, Y);
  if (i < 1) return;
  if (FSelectedIndex > 0) {
    const int old = FSelectedIndex;
    FSelectedIndex = -1;
    RedrawCell(old);
  }
  SetSelected(FCubeCells[i].Color, i);
  RedrawCell(i);
  if (OnSelect) OnSelect(this);
}

void TExColorCubePanel::MouseMove(TShiftState Shift, int X, int Y) {
  TExCustomColorSelectorPanel::MouseMove(Shift, X, Y);
  const int i = CellAtXY(X, Y);
  if (i > 0 && i != FHotIndex) {
    if (FHotIndex > 0) {
      const int old = FHotIndex;
      FHotIndex = -1;
      RedrawCell(old);
    }
    FHotIndex = i;
    RedrawCell(i);
    if (FShowRGBHint) {
      const TColor c = FCubeCells[i].Color;
      SetHint(QStringLiteral("Red: %1,  Green: %2,  Blue: %3").arg(c & 0xFF).arg((c >> 8) & 0xFF).arg((c >> 16) & 0xFF));
      Application->CancelHint();
    }
  } else if (i < 0 && FShowRGBHint) {
    SetHint(QString());
    Application->CancelHint();
  }
}

void TExColorCubePanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TExCustomColorSelectorPanel::MouseUp(Button, Shift, X, Y);
  if (OnShouldHide) OnShouldHide(this);
}

// --- spectrum ---

TExColorSpectrumPanel::TExColorSpectrumPanel(TComponent* AOwner) : TExCustomColorSelectorPanel(AOwner) {
  FSpectrumImage = new TImage(this);
  FSpectrumImage->SetParent(this);
  FSpectrumImage->SetBounds(0, 0, 128, 128);
  DrawSpectrum(FSpectrumImage->Picture()->Bitmap());
  FSpectrumImage->OnMouseMove = [this](TObject*, TShiftState, int X, int Y) { ImageMouseMove(X, Y); };
  FSpectrumImage->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { ImageMouseDown(); };
  FSpectrumImage->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) { ImageMouseUp(); };
  FHotColor = clNone;
  FSelectedColor = 0xFFFFFF;
  FSpectrumImage->SetCursor(crEyedropper);
}

TExColorSpectrumPanel::~TExColorSpectrumPanel() = default;

void TExColorSpectrumPanel::ArrangePanel() {
  SetPanelSize(150, 174);
  TImage* im = FSpectrumImage;
  im->SetBounds((Width() - im->Width()) / 2, 10, im->Width(), im->Height());
  const int b = im->Top() + im->Height();
  FSelectedRect = Rect(im->Left() - 1, b + 8, im->Left() + im->Width() / 2 - 2, b + 28);
  FHotRect = Rect(FSelectedRect.Right + 4, FSelectedRect.Top, im->Left() + im->Width() + 1, FSelectedRect.Bottom);
  FHotColor = clNone;
  Invalidate();
}

void TExColorSpectrumPanel::DrawColorBox(TCanvas* c, const TRect& R, TColor Color) {
  c->Pen()->SetColor(0x808080);
  c->Brush()->SetStyle(bsClear);
  c->Rectangle(R.Left - 1, R.Top - 1, R.Right + 1, R.Bottom + 1);
  c->Pen()->SetColor(0xFFFFFF);
  c->Brush()->SetStyle(Color == clNone ? bsClear : bsSolid);
  if (Color != clNone) c->Brush()->SetColor(Color);
  c->Rectangle(R);
  c->Brush()->SetStyle(bsSolid);
}

void TExColorSpectrumPanel::Paint() {
  TExCustomColorSelectorPanel::Paint();
  TCanvas* c = Canvas();
  const TRect im = FSpectrumImage->BoundsRect();
  c->Brush()->SetStyle(bsClear);
  c->Pen()->SetColor(0xFFFFFF);
  c->Rectangle(im.Left - 1, im.Top - 1, im.Right + 1, im.Bottom + 1);
  c->Pen()->SetColor(0x808080);
  c->Rectangle(im.Left - 2, im.Top - 2, im.Right + 2, im.Bottom + 2);
  DrawColorBox(c, FSelectedRect, FSelectedColor);
  DrawColorBox(c, FHotRect, FHotColor);
}

void TExColorSpectrumPanel::ImageMouseMove(int X, int Y) {
  TBitmap* b = FSpectrumImage->Picture()->Bitmap();
  if (X < 0 || Y < 0 || X >= b->Width() || Y >= b->Height()) return;
  FHotColor = b->Canvas()->Pixel(X, Y);
  b->Canvas()->ReleasePainter();
  Invalidate();
}

void TExColorSpectrumPanel::ImageMouseDown() {
  SetSelectedColor(FHotColor);
  Invalidate();
  if (OnSelect) OnSelect(this);
}

void TExColorSpectrumPanel::ImageMouseUp() {
  if (OnShouldHide) OnShouldHide(this);
}

void TExColorSpectrumPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TExCustomColorSelectorPanel::MouseUp(Button, Shift, X, Y);
  if (OnShouldHide) OnShouldHide(this);
}
