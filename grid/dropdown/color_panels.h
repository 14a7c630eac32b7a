// The colour panels of the colour picker's pop-up: a honeycomb of 127
// hexagonal colour cells with white in the middle (TExColorCubePanel), and a
// 128 x 128 spectrum picture from which the colour under the pointer is taken,
// with a box for the colour under the pointer and one for the chosen colour
// (TExColorSpectrumPanel). Both raise OnShouldHide on a mouse-up, so that an
// owner may close its pop-up.
#pragma once

#include <memory>

#include "platform/ui/control.h"

class TImage;

// The spectrum picture: hue from left to right (red, yellow, green, cyan, blue,
// magenta, red), near white at the top, the pure hues in the middle rows and
// near black at the bottom. Made in code (128 x 128).
void DrawSpectrum(TBitmap* Bitmap);

class TExCustomColorSelectorPanel : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  TNotifyEvent OnShouldHide;

protected:
  void SetPanelSize(int W, int H) { SetBounds(Left(), Top(), W, H); }
};

struct TColorCubeCell {
  TPoint Pt;
  TColor Color = 0;
};

class TExColorCubePanel : public TExCustomColorSelectorPanel {
public:
  static constexpr int kCells = 127;

  explicit TExColorCubePanel(TComponent* AOwner);

  TColor SelectedColor() const { return FSelectedColor; }
  void SetSelectedColor(TColor Value) { SetSelected(Value, -1); }
  // The colour, and the cell: Index when it is 1..127, else the first cell of
  // that colour (or none).
  void SetSelected(TColor Color, int Index);
  int SelectedIndex() const { return FSelectedIndex; }
  int HotIndex() const { return FHotIndex; }
  bool ShowRGBHint() const { return FShowRGBHint; }
  void SetShowRGBHint(bool Value);
  // Clears the hot cell and gives the panel its size (182 x 160).
  void ResetHotIndex();
  void InitCubeCells();
  const TColorCubeCell& Cell(int Index) const { return FCubeCells[Index]; }
  // The lowest cell whose centre is at most 6 px from the point; -1 when none.
  int CellAtXY(int X, int Y) const;
  TNotifyEvent OnSelect;

protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
  void DrawCell(TCanvas* Canvas, int Index);
  void RedrawCell(int Index) { Invalidate(); (void)Index; }

  TColorCubeCell FCubeCells[kCells + 1];
  TPoint FCubeSize{6, 3};
  TColor FSelectedColor = clNone;
  int FSelectedIndex = -1;
  int FHotIndex = -1;
  bool FShowRGBHint = true;
};

class TExColorSpectrumPanel : public TExCustomColorSelectorPanel {
public:
  explicit TExColorSpectrumPanel(TComponent* AOwner);
  ~TExColorSpectrumPanel() override;

  TColor SelectedColor() const { return FSelectedColor; }
  void SetSelectedColor(TColor Value) { FSelectedColor = Value; }
  TColor HotColor() const { return FHotColor; }
  TImage* SpectrumImage() const { return FSpectrumImage; }
  TRect HotRect() const { return FHotRect; }
  TRect SelectedRect() const { return FSelectedRect; }
  // Sizes the panel (150 x 174) and places the picture and the two boxes.
  void ArrangePanel();
  TNotifyEvent OnSelect;

  // The image's mouse events (image coordinates).
  void ImageMouseMove(int X, int Y);
  void ImageMouseDown();
  void ImageMouseUp();

protected:
  void Paint() override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
  void DrawColorBox(TCanvas* Canvas, const TRect& R, TColor Color);

  TImage* FSpectrumImage = nullptr;
  TColor FHotColor = clNone;
  TColor FSelectedColor = 0xFFFFFF;
  TRect FHotRect;
  TRect FSelectedRect;
};
