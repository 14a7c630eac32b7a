// Painting of every cell: the background (solid, gradient or mirrored), the hover
// and active rows, the styled selection frame, the grid's own lines, merged blocks
// once per paint pass, then the content through DrawGridCell.
#include <algorithm>

#include "grid/base/base_grid.h"
#include "grid/base/draw_routines.h"

namespace {

// The colour arguments of DrawRoundFrame for one selection look.
struct TSelectionColors {
  TColor Color, ColorTo, ColorMirror, ColorMirrorTo, InnerTopColor, InnerBottomColor, BorderColor, CornerColor;
};

constexpr TSelectionColors kVistaFocused{0xFDF8F1, 0xFCEFD5, clNone, clNone, 0xFDFBF6, 0xFDF5E7, 0xFDDE99, 0xFCEDCB};
constexpr TSelectionColors kWin7Focused{0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xFDF4EB, 0xFDEADB, 0xCEA27D, 0xE0C5AE};
constexpr TSelectionColors kOffice2007Focused{0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC,
                                              0xF4FEFF, 0xCAF8FF, 0x8DD7D3, 0xC3D9DF};
constexpr TSelectionColors kUnfocused{0xF8F8F8, 0xE5E5E5, clNone, clNone, 0xFBFAFA, 0xF0F0F0, 0xD9D9D9, 0xEFEFEF};

const TSelectionColors& SelectionColors(TGridSelectionStyle style, bool focused) {
  if (!focused) return kUnfocused;
  switch (style) {
    case ssWin7: return kWin7Focused;
    case ssOffice2007: return kOffice2007Focused;
    default: return kVistaFocused;
  }
}

}  // namespace

void TBaseGrid::Paint() {
  TObjStringGrid::Paint();
  ++PaintID;
}

void TBaseGrid::DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) {
  PaintCellCore(Canvas(), ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCell(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) {
  PaintCellCore(ACanvas, ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCellExt(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) {
  PaintCellCore(ACanvas, ACol, ARow, ARect, AState, false);
}

void TBaseGrid::DrawGridCell(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) {
  ACanvas->Brush()->SetStyle(bsClear);
  ACanvas->DrawText(GetCellEx(ACol, ARow), ARect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  ACanvas->Brush()->SetStyle(bsSolid);
}

void TBaseGrid::PaintCellCore(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState, bool Full) {
  if (!ACanvas) return;
  // 1. Hidden last row.
  if (ARow == RowCount() - 1 && HideLastRow) {
    ACanvas->Brush()->SetColor(Color());
    ACanvas->Pen()->SetColor(Color());
    ACanvas->Rectangle(ARect);
    return;
  }
  // 2. A covered cell paints its whole block, once per pass.
  int bc = ACol, br = ARow;
  if (!FindBaseCell(ACol, ARow, bc, br)) {
    TCellProperties* base = GetCellProperties(bc, br);
    if (base->PaintID != PaintID) {
      base->PaintID = PaintID;
      PaintCell(ACanvas, bc, br, ARect, AState);
    }
    return;
  }
  // 3. Fixed state.
  if (Full && IsFixed(ACol, ARow)) {
    AState -= gdSelected;
    AState += gdFixed;
  }
  // 4. The cell rectangle (the whole block for a base cell).
  const TRect R = Full ? CellRect(ACol, ARow) : ARect;
  // 5. A scrolled block never paints over the fixed cells. Only a cell painted
  // at its place in the grid is clipped; PaintCellExt draws into a rectangle of
  // the caller's own canvas, where the grid's fixed area means nothing.
  const int FW = ACol >= FixedCols() ? Horz().FixedExtent() : 0;
  const int FH = ARow >= FixedRows() ? Vert().FixedExtent() : 0;
  const bool clipped = Full && ((ACol >= FixedCols() && FixedCols() > 0 && R.Left < FW) ||
                                (ARow >= FixedRows() && FixedRows() > 0 && R.Top < FH));
  if (clipped) ACanvas->IntersectClipRect(Rect(FW, FH, ClientWidth(), ClientHeight()));
  // 6. Starting look.
  ACanvas->Pen()->SetWidth(1);
  ACanvas->Font()->Assign(*Font());
  TColor colorTo = clNone, mirrorColor = clNone, mirrorColorTo = clNone;
  TCellGradientDirection gd = GradientVertical;
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  bool ww = WordWrap();
  // 7. The grid control's look of the cell.
  GetVisualProperties(ACol, ARow, AState, false, true, true, ACanvas->Brush(), colorTo, mirrorColor, mirrorColorTo,
                      ACanvas->Font(), ha, va, ww, gd);
  ACanvas->Pen()->SetColor(ACanvas->Brush()->Color());
  // 8. Hover row.
  const bool fixed = AState.Contains(gdFixed);
  if (ARow == HoverRowIdx && HoverRow && !(AState.Contains(gdSelected) && !HoverRowCells.Contains(hcSelected)) &&
      !(fixed && !HoverRowCells.Contains(hcFixed))) {
    ACanvas->Brush()->SetColor(HoverRowColor);
    colorTo = HoverRowColorTo;
    mirrorColor = mirrorColorTo = clNone;
    gd = GradientVertical;
  }
  // 9. Active row.
  if ((ActiveRowShow() && ARow == Row() && ACol >= FixedCols() && (ACol != Col() || !ShowSel)) ||
      (!Full && AState.Contains(gdSelected))) {
    ACanvas->Brush()->SetColor(ActiveRowColor());
    colorTo = ActiveRowColorTo();
    mirrorColor = ActiveRowMirrorColor();
    mirrorColorTo = ActiveRowMirrorColorTo();
  }
  const TColor background = ACanvas->Brush()->Color();
  ACanvas->Pen()->SetColor(background);
  // 10. Styled selection, or 11. the background.
  if (AState.Contains(gdSelected) && SelectionStyle() != ssDefault && ShowSel) {
    DrawSelectionFrame(ACanvas, ACol, R);
  } else if (!(UsesVCLStyles() && (fixed || AState.Contains(gdSelected)))) {
    if (mirrorColorTo == clNone) {
      DrawGradient(ACanvas, background, colorTo, 64, R, gd == GradientHorizontal);
    } else {
      DrawCellBackground(ACanvas, R, background, colorTo, mirrorColor, mirrorColorTo, true, clNone, false, true);
    }
  }
  // 12-14. Lines.
  DrawCellLines(ACanvas, ACol, R, fixed, background);
  // 15. Content.
  TRect content = R;
  if (fixed) {
    content.Right -= 1;
    content.Bottom -= 2;
  } else {
    InflateRect(content, -GridLineWidth(), -GridLineWidth());
  }
  if (Full) DrawGridCell(ACanvas, ACol, ARow, content, AState);
  // 16. Leave the canvas as found.
  if (clipped) ACanvas->RemoveClip();
  ACanvas->Brush()->SetStyle(bsSolid);
  ACanvas->Pen()->SetStyle(psSolid);
}

void TBaseGrid::DrawSelectionFrame(TCanvas* ACanvas, int ACol, const TRect& R) {
  // 10.1 Frame kind from where the cell lies in the selected columns.
  TGridRect sel = Selection();
  int left = sel.Left, right = sel.Right;
  if (right < left) std::swap(left, right);
  int kind = 0;
  if (ACol == left && right > left) kind = 1;
  else if (ACol == right && left < right) kind = 2;
  else if (ACol > left && ACol < right) kind = 3;
  // 10.2 The frame rectangle.
  TRect F = R;
  if (!Options().Contains(goHorzLine)) F.Bottom += 1;
  if (!Options().Contains(goVertLine)) F.Right += 1;
  // 10.3 Colours by focus.
  const TSelectionColors& s = SelectionColors(SelectionStyle(), Focused() || Options().Contains(goDrawFocusSelected));
  DrawRoundFrame(ACanvas, s.Color, s.ColorTo, s.ColorMirror, s.ColorMirrorTo, s.InnerTopColor, s.InnerBottomColor,
                 s.BorderColor, s.CornerColor, Color(), F, kind);
}

void TBaseGrid::DrawCellLines(TCanvas* ACanvas, int ACol, const TRect& R, bool fixed, TColor background) {
  // 12. The pen.
  int h;
  if (fixed) {
    ACanvas->Pen()->SetColor(GridFixedLineColor());
    ACanvas->Pen()->SetWidth(1);
    h = 1;
  } else {
    ACanvas->Pen()->SetColor(GridLineWidth() > 0 ? GridLineColor() : background);
    ACanvas->Pen()->SetWidth(std::max(1, GridLineWidth()));
    h = (GridLineWidth() + 1) / 2;
  }
  // 13. Bottom line.
  if (!(ACol == 0 && HasNodes()) && Options().Contains(fixed ? goFixedHorzLine : goHorzLine)) {
    ACanvas->MoveTo(R.Left - h + 1, R.Bottom - h);
    ACanvas->LineTo(R.Right - h + 1, R.Bottom - h);
  }
  // 14. Right line.
  if (Options().Contains(fixed ? goFixedVertLine : goVertLine)) {
    ACanvas->MoveTo(R.Right - h, R.Bottom - h);
    ACanvas->LineTo(R.Right - h, R.Top - h);
  }
  ACanvas->Pen()->SetWidth(1);
}
