// A picture of a block of cells on a window of its own: the cells as the grid
// draws them, on a translucent, borderless window above the others that never
// takes the focus. A header drag shows the dragged column or row this way.
#include <algorithm>
#include <utility>

#include "grid/view/ex_string_grid.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/popup_window.h"

namespace {

// How opaque the picture is (of 255).
constexpr uint8_t kPictureAlpha = 192;

}  // namespace

std::unique_ptr<TPopupWindow> TExStringGrid::SelectionToForm(const TGridRect& ARect) {
  // 1. The grid's painting.
  TBitmap whole(std::max(Width(), 1), std::max(Height(), 1));
  PaintTo(whole.Canvas(), 0, 0);
  // 2. The block's corners, whichever way round it was given.
  TRect r1 = CalcCellRect(ARect.Left, ARect.Top), r2 = CalcCellRect(ARect.Right, ARect.Bottom);
  if (r2.Right < r1.Left) std::swap(r1, r2);
  if (r2.Bottom < r1.Bottom) {
    std::swap(r1.Top, r2.Top);
    std::swap(r1.Bottom, r2.Bottom);
  }
  // 3. The block, inside the cells' grid lines.
  const int w = std::max(r2.Right - r1.Left + 1, 1), h = std::max(r2.Bottom - r1.Top + 1, 1);
  TBitmap picture(w, h);
  picture.Canvas()->CopyRect(Rect(0, 0, w, h), whole.Canvas(),
                             Rect(r1.Left + 1, r1.Top + 1, r2.Right + 2, r2.Bottom + 2));
  // 4. The fixed cells' outer line where the block starts at the grid's edge.
  TCanvas* c = picture.Canvas();
  c->Pen()->SetColor(GridFixedLineColor());
  c->Pen()->SetWidth(1);
  if (std::min(ARect.Left, ARect.Right) == 0 && FixedCols() > 0 && Options().Contains(goFixedHorzLine)) {
    c->MoveTo(0, 0);
    c->LineTo(0, h);
  }
  if (std::min(ARect.Top, ARect.Bottom) == 0 && FixedRows() > 0 && Options().Contains(goFixedVertLine)) {
    c->MoveTo(0, 0);
    c->LineTo(w, 0);
  }
  // 5. The window that shows it.
  auto form = std::make_unique<TPopupWindow>(nullptr, pwLayeredTool);
  form->SetBounds(0, 0, w, h);
  form->UpdateLayered(&picture, kPictureAlpha);
  return form;
}
