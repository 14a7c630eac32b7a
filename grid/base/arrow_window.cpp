#include "grid/base/arrow_window.h"

namespace {

// The corners of each arrow, in order. arrLeft stands left of its target and so
// points right; arrRight points left.
const std::vector<TPoint> kArrows[] = {
    /* arrUp */ {{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}},
    /* arrDown */ {{3, 0}, {7, 0}, {7, 4}, {9, 4}, {5, 8}, {1, 4}, {3, 4}},
    /* arrLeft */ {{0, 3}, {0, 7}, {4, 7}, {4, 10}, {8, 5}, {4, 0}, {4, 3}},
    /* arrRight */ {{0, 5}, {4, 10}, {4, 7}, {8, 7}, {8, 3}, {4, 3}, {4, 0}},
};

}  // namespace

TArrowWindow::TArrowWindow(TComponent* AOwner) : TPopupWindow(AOwner, pwPopup) {}

std::vector<TPoint> TArrowWindow::ArrowPolygon(TArrowDirection Direction) { return kArrows[Direction]; }

void TArrowWindow::Init(TWinControl* AOwner, TArrowDirection Direction) {
  FDir = Direction;
  FArrow = ArrowPolygon(Direction);
  SetColor(clLime);
  Hide();
  if (AOwner) SetParent(AOwner);
  SetBounds(Left(), Top(), 11, 11);
  SetWindowRegion(FArrow);
}
