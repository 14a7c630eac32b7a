// Painting: every visible cell through DrawCell, area by area (the fixed corner,
// the fixed rows, the fixed columns, the scrolled cells), each area clipped so
// that scrolled cells never paint over the fixed ones; then the background beyond
// the last cells.
#include "platform/grids/string_grid.h"

#include <algorithm>

void TStringGrid::Paint() {
  TCanvas* c = Canvas();
  const int gw = ClientWidth(), gh = ClientHeight();
  const int fw = std::min(horz_.FixedExtent(), gw), fh = std::min(vert_.FixedExtent(), gh);
  const int lastCol = horz_.LastVisible(gw), lastRow = vert_.LastVisible(gh);

  PaintArea(0, 0, FixedCols() - 1, FixedRows() - 1, true, Rect(0, 0, fw, fh));
  PaintArea(LeftCol(), 0, lastCol, FixedRows() - 1, true, Rect(fw, 0, gw, fh));
  PaintArea(0, TopRow(), FixedCols() - 1, lastRow, true, Rect(0, fh, fw, gh));
  PaintArea(LeftCol(), TopRow(), lastCol, lastRow, false, Rect(fw, fh, gw, gh));

  // Background right of the last column and below the last row.
  c->RemoveClip();
  const int right = lastCol >= LeftCol() ? horz_.CellStart(lastCol, gw) + horz_.Step(lastCol) : fw;
  const int bottom = lastRow >= TopRow() ? vert_.CellStart(lastRow, gh) + vert_.Step(lastRow) : fh;
  c->Brush()->SetColor(Color());
  if (right < gw) c->FillRect(Rect(right, 0, gw, gh));
  if (bottom < gh) c->FillRect(Rect(0, bottom, std::min(right, gw), gh));
  TCustomControl::Paint();
}

void TStringGrid::PaintArea(int firstCol, int firstRow, int lastCol, int lastRow, bool fixedArea, const TRect& clip) {
  if (IsRectEmpty(clip)) return;
  TCanvas* c = Canvas();
  const TGridRect sel = Selection();
  const bool focused = Focused();
  for (int row = firstRow; row <= lastRow; ++row) {
    for (int col = firstCol; col <= lastCol; ++col) {
      const int x = horz_.CellStart(col, ClientWidth()), y = vert_.CellStart(row, ClientHeight());
      if (x < 0 || y < 0) continue;  // hidden or out of view
      const TRect r = Bounds(x, y, horz_.Extent(col), vert_.Extent(row));
      TGridDrawState state;
      if (fixedArea) {
        state += gdFixed;
      } else {
        if (col == current_.X && row == current_.Y && focused) state += gdFocused;
        if (col >= sel.Left && col <= sel.Right && row >= sel.Top && row <= sel.Bottom) state += gdSelected;
      }
      c->SetClipRect(clip);
      DrawCell(col, row, r, state);
      if (GridLineWidth() > 0) {
        c->SetClipRect(clip);
        DrawLibraryLines(r, fixedArea);
      }
    }
  }
}

// The library's own lines in the gap right of and below a cell.
void TStringGrid::DrawLibraryLines(const TRect& cell, bool fixed) {
  TCanvas* c = Canvas();
  const int lw = GridLineWidth();
  c->Brush()->SetColor(fixed ? clBlack : clSilver);
  if (options_.Contains(fixed ? goFixedVertLine : goVertLine))
    c->FillRect(Rect(cell.Right, cell.Top, cell.Right + lw, cell.Bottom + lw));
  if (options_.Contains(fixed ? goFixedHorzLine : goHorzLine))
    c->FillRect(Rect(cell.Left, cell.Bottom, cell.Right + lw, cell.Bottom + lw));
}

void TStringGrid::DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) {
  if (defaultDrawing_) {
    TCanvas* c = Canvas();
    const bool highlight = AState.Contains(gdSelected) &&
                           (!AState.Contains(gdFocused) || options_.Contains(goDrawFocusSelected) ||
                            options_.Contains(goRowSelect));
    c->Font()->Assign(*Font());
    if (AState.Contains(gdFixed)) {
      c->Brush()->SetColor(fixedColor_);
    } else if (highlight) {
      c->Brush()->SetColor(clHighlight);
      c->Font()->SetColor(clHighlightText);
    } else {
      c->Brush()->SetColor(Color());
    }
    c->FillRect(ARect);
    c->TextRect(ARect, ARect.Left + 2, ARect.Top + 2, Cells(ACol, ARow));
    if (AState.Contains(gdFocused) && !options_.Contains(goDrawFocusSelected) && !options_.Contains(goRowSelect))
      c->DrawFocusRect(ARect);
  }
  if (OnDrawCell) OnDrawCell(this, ACol, ARow, ARect, AState);
}
