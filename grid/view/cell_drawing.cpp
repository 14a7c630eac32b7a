// The grid's own drawing of each cell's content (DrawGridCell): fixed-cell looks,
// row indicator and modified-row bar, always-visible editor buttons, the text,
// the cell borders, the graphic, the user's drawing events and the focus
// rectangle, in that order. The base painting has filled the background and
// drawn the grid lines before.
#include <algorithm>

#include "grid/base/draw_arithmetic.h"
#include "grid/base/draw_routines.h"
#include "grid/base/line_breaks.h"
#include "grid/base/text_kinds.h"
#include "grid/base/text_positions.h"
#include "grid/base/html_entities.h"
#include "grid/base/url_text.h"
#include "grid/dropdown/dropdown_drawing.h"
#include "grid/view/cell_paint.h"
#include "grid/view/glyph_artwork.h"
#include "platform/theme/visual_styles.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"

namespace {

bool IsGradientLook(TGridLook look) {
  return look == glVOD || look == glXP || look == glVista || look == glWin7 || look == glOffice2007;
}

void Line(TCanvas* c, TColor color, int x1, int y1, int x2, int y2) {
  c->Pen()->SetColor(color);
  c->MoveTo(x1, y1);
  c->LineTo(x2, y2);
}

// A gradient from `from` to `to` over the upper half and the mirror pair over the
// lower half (one gradient over the whole rectangle without a mirror).
void FillFixedGradient(TCanvas* c, const TRect& r, TColor from, TColor to, TColor mirrorFrom, TColor mirrorTo,
                       TColor sideLines) {
  if (mirrorFrom == clNone && mirrorTo == clNone && sideLines == clNone) {
    DrawGradientRect(c, from, to == clNone ? from : to, 128, r, false);
    return;
  }
  DrawCellBackground(c, r, from, to, mirrorFrom, mirrorTo, true, sideLines, true, true);
}

}  // namespace

void TExStringGrid::DrawGridCell(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) {
  TCellPaint P;
  P.Canvas = ACanvas;
  P.DisplayCol = ACol;
  P.Row = ARow;
  P.State = AState;
  P.Rect = ARect;
  // 1. The 3-D flag, the real column, the selection row and the filter glyph.
  P.ThreeD = !FFlat;
  P.RealCol = RealColIndex(ACol);
  const bool persistent = FMouseActions->DisjunctRowSelect() && FMouseActions->RowSelectPersistent;
  P.SelectionRow = persistent ? RealRowIndex(ARow) : ARow;
  P.FilterGlyph = ARow == FilterDropDownRow && GetColumnFilterHook(P.RealCol);
  // 2. (Cell scroll bars are not drawn: see the closing note of the grid.)
  // 3. The cell's look and its graphic's layout.
  P.WordWrap = WordWrap();
  GetVisualProperties(ACol, ARow, P.State, false, false, true, ACanvas->Brush(), P.ColorTo, P.MirrorColor,
                      P.MirrorColorTo, ACanvas->Font(), P.HAlign, P.VAlign, P.WordWrap, P.Gradient);
  P.Graphic = GetCellGraphicLayout(P.RealCol, ARow, P.GraphicVAlign, P.GraphicHAlign, P.DrawText, P.GraphicHeight,
                                   P.GraphicWidth);
  if (P.RealCol == 0 && IsNode(ARow)) P.GraphicWidth = GetNodeLevel(ARow) * 12 + 4;
  // 4. A selected cell that is not the focused one.
  if (P.State.Contains(gdSelected) && !P.State.Contains(gdFocused) && FSelectionColor == clNone)
    ACanvas->Brush()->SetColor(clHighlight);
  // 5. Zoom, saved colours, the fixed flag.
  if (ZoomFactor != 0) ACanvas->Font()->SetSize(ACanvas->Font()->Size() + ZoomFactor);
  P.SavedBrush = ACanvas->Brush()->Color();
  P.SavedFont = ACanvas->Font()->Color();
  P.Fixed = IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows();
  if (ARow == HoverRowIdx && HoverRowCells.Contains(hcFixed)) P.Fixed = false;
  // 6. (No class-library styles.)
  // 7. The gradient looks of fixed cells.
  if (P.Fixed && IsGradientLook(FLook)) DrawFixedCellLook(P);
  // 8. Row indicator.
  int indicatorOffset = 0;
  if (P.RealCol == 0 && ARow == Row() && FixedCols() > 0 && !FRowIndicator->Empty() &&
      !(RowCount() == FixedRows() && FixedRowAlways)) {
    TBitmap* b = FRowIndicator.get();
    int y = P.Rect.Top;
    if (FVAlignment == vtaCenter) y = P.Rect.Top + (P.Rect.Height() - b->Height()) / 2;
    if (FVAlignment == vtaBottom) y = P.Rect.Bottom - b->Height();
    b->SetTransparent(true);
    ACanvas->Draw(P.Rect.Left + 2, y, b);
    indicatorOffset = b->Width() + 2;
    P.Rect.Left += indicatorOffset;
  }
  // 9. The list-view look of fixed cells.
  if (P.Fixed && FLook == glListView && !FFlat) {
    TRect r = P.Rect;
    r.Bottom += 1;
    HTHEME theme = IsThemeActive() ? OpenThemeData(this, QStringLiteral("header")) : nullptr;
    if (theme && DrawThemeBackground(theme, ACanvas, HP_HEADERITEM, HIS_NORMAL, r)) {
      Line(ACanvas, clWhite, r.Left, r.Top, r.Right, r.Top);
    } else {
      ACanvas->Brush()->SetColor(clBtnFace);
      ACanvas->Pen()->SetColor(clWhite);
      ACanvas->Rectangle(r);
    }
    if (theme) CloseThemeData(theme);
  }
  // 10. The modified-row bar.
  if (ACol == 0 && FShowModified->Enabled && RowModified(RealRowIndex(ARow))) {
    ACanvas->Brush()->SetColor(FShowModified->Color());
    ACanvas->FillRect(Rect(P.Rect.Right - 4, P.Rect.Top, P.Rect.Right, P.Rect.Bottom));
  }
  // 11.
  if (OnCustomCellBkgDraw) OnCustomCellBkgDraw(this, ACanvas, P.RealCol, ARow, P.State, P.Rect, false);
  // 12. Always-visible drop-down and spin buttons.
  const int right = P.Rect.Right;
  if (!P.Fixed) DrawAlwaysVisibleButtons(P);
  // 13. (No interfaced cells draw before their text here.)
  // 14. The text.
  const bool userDraws = (OnDrawCell || OnCustomCellDraw) && NoDefaultDraw;
  if (!(P.Graphic && NoImageAndText) && !userDraws) DrawCellText(P);
  // 15. Colours back, then the borders.
  P.Rect.Right = right;
  ACanvas->Brush()->SetColor(P.SavedBrush);
  ACanvas->Font()->SetColor(P.SavedFont);
  InflateRect(P.Rect, 1, 1);
  DrawCellBorders(P);
  // 16.
  P.Rect.Left -= indicatorOffset;
  // 17. - 18. Fixed-cell edges.
  if (P.Fixed && !FFlat) DrawFixedCellEdges(P);
  if (P.RealCol >= AllColCount() - FFixedRightCols && FLook != glClassic && !P.ThreeD)
    DrawOutsideLines(P, FFlat ? clGray : clBlack, true, true);
  // 19. Tree lines.
  if (FNumNodes > 0 && P.RealCol == 0) DrawTreeLines(P);
  // 20. The graphic.
  if (P.Graphic) {
    TRect saved = P.Rect;
    if (P.Fixed) P.Rect.Top += 1;
    DrawCellGraphic(P);
    P.Rect = saved;
  }
  // 21. The user's drawing.
  if (OnDrawCell) {
    TRect r = P.Rect;
    r.Left += 1;
    r.Top += 1;
    r.Right -= GridLineWidth();
    r.Bottom -= GridLineWidth();
    OnDrawCell(this, ACol, ARow, r, P.State);
  }
  if (OnCustomCellDraw) OnCustomCellDraw(this, ACanvas, P.RealCol, ARow, P.State, P.Rect, false);
  // 22. The focus rectangle.
  const TPoint base = BaseCell(P.RealCol, ARow);
  if (!HideFocusRect && RealToDisplCol(base.X) == Col() && base.Y == Row() && Focused() &&
      !Options().Contains(goRowSelect) &&
      Row() >= FixedRows() && Col() >= FixedCols()) {
    TRect r = P.Rect;
    InflateRect(r, GridLineWidth() - 1, GridLineWidth() - 1);
    r.Right -= 1;
    r.Bottom -= 1;
    ACanvas->DrawFocusRect(r);
  }
}

void TExStringGrid::DrawFixedCellLook(TCellPaint& P) {
  TCanvas* c = P.Canvas;
  const int cols = FixedCols(), rows = FixedRows();
  const bool hovered = HoverFixedCells != hfNone && FHoverFixedX == P.DisplayCol && FHoverFixedY == P.Row &&
                       !Designing();
  if (hovered) {
    TRect r = P.Rect;
    r.Bottom += 1;
    if (MouseButtonDown())
      FillFixedGradient(c, r, GradientDownFrom, GradientDownTo, GradientDownMirrorFrom, GradientDownMirrorTo,
                        clNone);
    else
      FillFixedGradient(c, r, GradientHoverFrom, GradientHoverTo, GradientHoverMirrorFrom, GradientHoverMirrorTo,
                        clNone);
    c->Brush()->SetColor(MouseButtonDown() ? GradientDownBorder : GradientHoverBorder);
    c->FrameRect(r);
    return;
  }
  const bool headsCurrent = (cols > 0 && P.DisplayCol == cols - 1 && P.Row == Row()) ||
                            (rows > 0 && P.Row == rows - 1 && P.DisplayCol == Col());
  if (FActiveCellShow && headsCurrent) {
    FillFixedGradient(c, P.Rect, FActiveCellColor, FActiveCellColorTo, clNone, clNone, clNone);
    return;
  }
  TSortSettings* s = FSortSettings.get();
  if (s->Column != -1 && s->HeaderColor() != clNone && P.RealCol == s->Column && P.Row == rows - 1 &&
      (P.DisplayCol >= cols || s->FixedCols)) {
    DrawCellBackground(c, P.Rect, s->HeaderColor(), s->HeaderColorTo(), s->HeaderMirrorColor(),
                       s->HeaderMirrorColorTo(), true, clNone, true, true);
    return;
  }
  if (FFlat) return;
  FillFixedGradient(c, P.Rect, c->Brush()->Color(), P.ColorTo, P.MirrorColor, P.MirrorColorTo,
                    FLook == glVista ? clWhite : clNone);
}

void TExStringGrid::DrawAlwaysVisibleButtons(TCellPaint& P) {
  if (!FControlLook->DropDownAlwaysVisible && !FControlLook->SpinButtonsAlwaysVisible) return;
  int kind = FControlLook->FlatButton ? blFlat : (IsThemeActive() ? blThemed : blClassic);
  if (FFlat && FTone1 != clNone) kind = blCustom;
  bool canEdit = true;
  CanEditCell(P.RealCol, P.Row, canEdit);
  const int state = canEdit ? bdsNormal : bdsDisabled;
  TColorTones tones;
  if (FControlLook->DropDownAlwaysVisible && HasComboBox(P.RealCol, P.Row)) {
    TRect r = P.Rect;
    r.Left -= 2;
    r.Top -= 1;
    r.Right += 1;
    DrawComboButton(P.Canvas, this, r, kind, state, tones);
    P.Rect.Right -= 16;
  } else if (FControlLook->SpinButtonsAlwaysVisible && HasSpinEdit(P.RealCol, P.Row)) {
    DrawSpinButtons(P.Canvas, this, P.Rect, kind, state, tones);
    P.Rect.Right -= 16;
  }
}

void TExStringGrid::DrawFixedCellEdges(TCellPaint& P) {
  TCanvas* c = P.Canvas;
  TRect r = P.Rect;
  const TGridOptions o = Options();
  switch (FLook) {
    case glClassic:
      r.Top += 1;
      r.Bottom -= 1;
      r.Left += 1;
      Line(c, clBtnHighlight, r.Left, r.Bottom - 1, r.Left, r.Top);
      Line(c, clBtnHighlight, r.Left, r.Top, r.Right - 1, r.Top);
      Line(c, clBtnShadow, r.Right - 2, r.Top, r.Right - 2, r.Bottom - 1);
      Line(c, clBtnShadow, r.Left, r.Bottom - 2, r.Right - 1, r.Bottom - 2);
      Line(c, clBlack, r.Right - 1, r.Top, r.Right - 1, r.Bottom);
      Line(c, clBlack, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1);
      break;
    case glVOD:
    case glXP:
      r.Bottom += 1;
      if (o.Contains(goFixedHorzLine)) {
        Line(c, HalveColor(FixedColor()), r.Left, r.Bottom - 1, r.Right, r.Bottom - 1);
        Line(c, clWhite, r.Right - 2, r.Top + 1, r.Left + 1, r.Top + 1);
        Line(c, clWhite, r.Left + 1, r.Top + 1, r.Left + 1, r.Bottom - 1);
      }
      break;
    case glSoft:
      if (P.ThreeD) {
        r.Right += 1;
        r.Bottom += 1;
        if (o.Contains(goFixedHorzLine)) {
          Line(c, HalveColor(FixedColor()), r.Left, r.Bottom - 1, r.Right, r.Bottom - 1);
          Line(c, clWhite, r.Right - 2, r.Top + 1, r.Left + 1, r.Top + 1);
          Line(c, clWhite, r.Left + 1, r.Top + 1, r.Left + 1, r.Bottom - 1);
        }
        if (o.Contains(goFixedVertLine)) {
          Line(c, HalveColor(FixedColor()), r.Right - 2, r.Top, r.Right - 2, r.Bottom);
          Line(c, clWhite, r.Right - 1, r.Top, r.Right - 1, r.Bottom);
        }
      } else {
        DrawOutsideLines(P, clBlack, o.Contains(goFixedHorzLine), o.Contains(goFixedVertLine));
      }
      break;
    default:
      break;
  }
}

void TExStringGrid::DrawOutsideLines(TCellPaint& P, TColor color, bool horizontal, bool vertical) {
  const TRect& r = P.Rect;
  if (horizontal) {
    Line(P.Canvas, color, r.Left - 1, r.Top - 1, r.Right + 1, r.Top - 1);
    Line(P.Canvas, color, r.Left - 1, r.Bottom, r.Right + 1, r.Bottom);
  }
  if (vertical) {
    Line(P.Canvas, color, r.Left - 1, r.Top - 1, r.Left - 1, r.Bottom + 1);
    Line(P.Canvas, color, r.Right, r.Top - 1, r.Right, r.Bottom + 1);
  }
}

// --- the text step ---

void TExStringGrid::DrawCellText(TCellPaint& P) {
  TCanvas* c = P.Canvas;
  // 1. Selection colours.
  P.LinkColor = URLColor;
  const bool rowSelected = RowSelect(P.SelectionRow) && Options().Contains(goRowSelect) &&
                           P.RealCol >= FixedCols() && P.RealCol < ColCount() - FFixedRightCols;
  if ((P.State.Contains(gdSelected) || rowSelected) && !IsFixed(P.DisplayCol, P.SelectionRow)) {
    if (FShowSelection) {
      if (FSelectionColor != clNone) c->Brush()->SetColor(FSelectionColor);
      if (FSelectionTextColor != clNone && Enabled()) c->Font()->SetColor(FSelectionTextColor);
      P.LinkColor = FSelectionTextColor;
    }
    if ((!Focused() || HasCheckBox(P.RealCol, P.Row)) && !FShowSelection) {
      c->Brush()->SetColor(P.SavedBrush);
      c->Font()->SetColor(P.SavedFont);
      P.LinkColor = URLColor;
    }
  }
  // 2. The text, its kind, the error marker and the password mask.
  QString text = GetFormattedCell(P.RealCol, P.Row);
  int kind = ClassifyCellText(text, EnableHTML);
  if (kind == ctkFormula) {
    GetRawCellText(P.RealCol, P.Row, text);
    kind = ClassifyCellText(text, EnableHTML);
  }
  if (kind == ctkPackedWide) text = DecodeWideCellText(text);
  int errFrom = 0, errLen = 0;
  if (TCellGraphic* g = GetCellGraphic(P.RealCol, P.Row)) {
    errFrom = g->CellErrFrom;
    errLen = g->CellErrLen;
  }
  bool password = false;
  IsPasswordCellHook(P.RealCol, P.Row, password);
  if (password) FillWithChar(text, PasswordChar);
  // 3. The working rectangle.
  TRect r = P.Rect;
  if (IsFixed(P.RealCol, P.Row)) {
    r.Left += GridLineWidth();
    r.Top += GridLineWidth();
  }
  // 4. The filter glyph.
  if (P.FilterGlyph) {
    TBitmap* glyph = FFilter->HasFilter(P.RealCol) ? FFilterDropDown->GlyphActive() : FFilterDropDown->Glyph();
    const TRect at = Rect(r.Right - 16, r.Top, r.Right, r.Top + 16);
    if (!glyph || glyph->Empty())
      DrawBitmapTransparent(c, GridGlyph(QStringLiteral("ESGFILT")), FixedColor(), at);
    else
      DrawBitmapTransparent(c, glyph, c->Brush()->Color(), at);
  }
  // 5. Disjunct selections: unselected rows and columns keep the grid's colours.
  const bool normal = P.DisplayCol >= FixedCols() && P.Row >= FixedRows();
  if (normal && !MouseButtonDown() &&
      ((FMouseActions->DisjunctRowSelect() && !RowSelect(P.SelectionRow)) ||
       (FMouseActions->DisjunctColSelect() && !ColSelect(P.DisplayCol)))) {
    c->Brush()->SetColor(Color());
    c->Font()->SetColor(Font()->Color());
    GetCellColorHook(P.RealCol, P.Row, P.State, c->Brush(), c->Font());
    if (ZoomFactor != 0) c->Font()->SetSize(c->Font()->Size() + ZoomFactor);
    P.LinkColor = URLColor;
  }
  // 6. The background picture.
  DrawBackgroundPicture(P);
  // 7. The background gradient across the cells.
  DrawBackgroundGradient(P, r);
  // 8. The selection rectangle.
  if (FSelectionRectangle && !P.Fixed) DrawSelectionRectangle(P);
  // 9.
  if (!P.DrawText) return;
  // 10. Margins.
  r.Left += FXYOffset.X;
  r.Top += FXYOffset.Y;
  if (!XYOffsetTopLeftOnly) r.Right -= FXYOffset.X;
  // 11. Room for the graphic.
  if (P.Graphic) {
    if (P.GraphicHAlign == haBeforeText) r.Left += P.GraphicWidth;
    if (P.GraphicHAlign == haAfterText) r.Right -= P.GraphicWidth;
    if (P.GraphicVAlign == vaAboveText) r.Top += P.GraphicHeight;
    if (P.GraphicVAlign == vaUnderText) r.Bottom -= P.GraphicHeight;
    if (P.GraphicHAlign == haLeft || (P.GraphicHAlign == haBeforeText && P.HAlign == taLeftJustify))
      P.SortIndicatorOffset = P.GraphicWidth;
  }
  if (P.RealCol == 0 && FNumNodes > 0 && !IsNode(P.Row)) r.Left += GetRowIndent(P.Row);
  // 12. Mini-HTML text.
  if (kind == ctkHtml) return DrawHtmlCell(P, r, text);
  // 13. Rich text, rendered by the hidden rich edit on a cleared brush.
  if (kind == ctkRichText) {
    const bool selected = P.State.Contains(gdSelected) || rowSelected;
    if (!(selected && !Focused() && FSelectionColor == clNone)) c->FillRect(r);
    c->Brush()->SetStyle(bsClear);
    DrawRichTextCell(P.RealCol, P.Row, r, c, selected && !P.State.Contains(gdFocused));
    c->Brush()->SetStyle(bsSolid);
    c->Font()->SetColor(clBlack);
    return;
  }
  // 14. Plain text.
  DrawPlainCellText(P, r, text, errFrom, errLen);
}

void TExStringGrid::DrawPlainCellText(TCellPaint& P, TRect r, QString text, int errFrom, int errLen) {
  TCanvas* c = P.Canvas;
  const bool sortHeader = IsSortHeaderCell(P.RealCol, P.Row);
  if (sortHeader && P.HAlign == taCenter) r.Left += 10;
  const bool link = URLShow && IsUrl(GetCellEx(P.RealCol, P.Row));
  if (link) {
    if (!URLFull) text = StripUrlScheme(text);
    c->Font()->SetStyle(c->Font()->Style() + fsUnderline);
    c->Font()->SetColor(P.LinkColor);
  }
  unsigned flags = DT_EDITCONTROL;
  if (CountLines(text, Multilinecells) == 1 && !P.WordWrap) {
    QString rest = text;
    text = CutFirstLine(rest, false);
    flags = DT_SINGLELINE;
    if (EnhTextSize) flags |= DT_END_ELLIPSIS;
  }
  if (P.WordWrap && !Multilinecells && EnhTextSize) flags |= DT_END_ELLIPSIS;
  switch (P.VAlign) {
    case vtaCenter: flags |= DT_VCENTER; FVAlign = DT_VCENTER; break;
    case vtaBottom: flags |= DT_BOTTOM; FVAlign = DT_BOTTOM; break;
    default: FVAlign = 0; break;
  }
  if (P.HAlign == taRightJustify) flags |= DT_RIGHT;
  if (P.HAlign == taCenter) flags |= DT_CENTER;
  flags |= DT_EXPANDTABS | DT_NOPREFIX;
  if (P.WordWrap || Multilinecells)
    flags |= DT_WORDBREAK | DT_EDITCONTROL;
  else
    flags |= DT_SINGLELINE;
  const TBrushStyle style = c->Brush()->Style();
  c->Brush()->SetStyle(bsClear);
  if (P.FilterGlyph) r.Right -= 16;
  // The text is measured beside a graphic, and in the sort column's header,
  // whose sort glyph stands right of the text (unmeasured, it would stand over
  // the text).
  if ((P.Graphic || sortHeader) && !text.isEmpty()) {
    TRect calc = r;
    c->DrawText(text, calc, flags | DT_CALCRECT);
    P.TextWidth = calc.Width() + 2;
  }
  c->DrawText(text, r, flags);
  if (errLen > 0 && P.Graphic && (P.Graphic->CellType == ctEmpty || P.Graphic->CellType == ctValue))
    DrawErrorUnderline(this, c, text, r, c->TextHeight(QStringLiteral("hg")), errFrom, errLen);
  if (sortHeader && FixedRows() > 0 && (P.RealCol >= FixedCols() || FSortSettings->FixedCols)) {
    const int shift = std::max(0, std::min({r.Width() - 16, P.TextWidth})) + P.SortIndicatorOffset + 10;
    int x = r.Left + shift;
    if (P.HAlign == taRightJustify) x = r.Right - shift - 10;
    if (P.HAlign == taCenter) x = r.Left + 8;
    int y = r.Top + 8;
    if (P.VAlign == vtaCenter) y = (r.Top + r.Bottom) / 2;
    if (P.VAlign == vtaBottom) y = r.Bottom - 8;
    if (FSortIndexes->FindIndex(P.RealCol) < 1 || FSortSettings->IndexShow) DrawSortIndicator(c, P.RealCol, y, x);
  }
  c->Brush()->SetStyle(style);
  if (link) c->Font()->SetStyle(c->Font()->Style() - fsUnderline);
}

bool TExStringGrid::IsSortHeaderCell(int RCol, int ARow) {
  if (!IsSortIndicatorCell(RCol, ARow)) return false;
  return RCol == FSortSettings->Column || FSortIndexes->FindIndex(RCol) >= 0;
}

void TExStringGrid::DrawBackgroundGradient(TCellPaint& P, const TRect& r) {
  TBackGround* b = FBackGround.get();
  const bool horizontal = b->Display() == bdGradientHorz;
  if (!horizontal && b->Display() != bdGradientVert) return;
  const bool covered = b->Cells() == bcAll || (b->Cells() == bcFixed) == P.Fixed;
  if (!covered) return;
  const bool ownColor = CellHasProperties(P.RealCol, P.Row) &&
                        GetCellProperties(P.RealCol, P.Row)->BrushColor() != clNone;
  if (ownColor && !HasCheckBox(P.RealCol, P.Row) && !HasButton(P.RealCol, P.Row) &&
      !HasRadioButton(P.RealCol, P.Row) && !IsRadio(P.RealCol, P.Row))
    return;
  const bool selected = P.State.Contains(gdSelected);
  const bool focusedCell = P.State.Contains(gdFocused) && !Options().Contains(goDrawFocusSelected);
  if (selected && !focusedCell && FShowSelection) return;
  const TRect g = Rect(r.Left - 1, r.Top - GridLineWidth(), r.Right, r.Bottom + GridLineWidth() - 1);
  const int size = horizontal ? Width() : Height();
  const TColor from = GradientColorAt(ColorToRGB(b->Color()), ColorToRGB(b->ColorTo()), 0, size,
                                      horizontal ? g.Left : g.Top);
  const TColor to = GradientColorAt(ColorToRGB(b->Color()), ColorToRGB(b->ColorTo()), 0, size,
                                    horizontal ? g.Right : g.Bottom);
  DrawGradientRect(P.Canvas, from, to, 128, g, horizontal);
}

bool TExStringGrid::BackGroundCovers(bool Fixed) const {
  switch (FBackGround->Cells()) {
    case bcNormal: return !Fixed;
    case bcFixed: return Fixed;
    default: return true;
  }
}

void TExStringGrid::DrawBackgroundPicture(TCellPaint& P) {
  TBitmap* b = FBackGround->Bitmap();
  if (b->Empty() || !BackGroundCovers(P.Fixed)) return;
  if (CellHasProperties(P.RealCol, P.Row) && GetCellProperties(P.RealCol, P.Row)->BrushColor() != clNone) return;
  if (P.State.Contains(gdSelected) && FShowSelection) return;
  const int lw = GridLineWidth();
  const TRect r = Rect(P.Rect.Left - lw + 1, P.Rect.Top - lw + 1, P.Rect.Right, P.Rect.Bottom);
  if (FBackGround->Display() == bdTile) {
    // The tiles' phase runs on across the cells.
    const int fromCol = FBackGround->Cells() == bcNormal ? FixedCols() : 0;
    const int fromRow = FBackGround->Cells() == bcNormal ? FixedRows() : 0;
    int dx = 0, dy = 0;
    for (int c = fromCol; c < P.DisplayCol; ++c) dx += ColWidths(c);
    for (int row = fromRow; row < P.Row; ++row) dy += RowHeights(row);
    PaintBackgroundTiles(P.Canvas, r, dx % b->Width(), dy % b->Height());
    return;
  }
  if (FBackGround->Display() == bdFixed) PaintBackgroundBitmapFixed(r);
}

void TExStringGrid::PaintBackgroundBitmapFixed(TRect Rect) {
  TBitmap* b = FBackGround->Bitmap();
  const TRect at = Bounds(FBackGround->Left(), FBackGround->Top(), b->Width(), b->Height());
  TRect part;
  if (!IntersectRect(part, Rect, at)) return;
  TRect source = part;
  OffsetRect(source, -at.Left, -at.Top);
  Canvas()->CopyRect(part, b->Canvas(), source);
}

void TExStringGrid::PaintBackgroundBitmapTiled(TRect Rect) {
  PaintBackgroundTiles(Canvas(), ::Rect(Rect.Left - 1, Rect.Top - 1, Rect.Right, Rect.Bottom), 0, 0);
}

void TExStringGrid::PaintBackgroundTiles(TCanvas* ACanvas, TRect R, int PhaseX, int PhaseY) {
  TBitmap* b = FBackGround->Bitmap();
  const int w = b->Width(), h = b->Height();
  if (w <= 0 || h <= 0) return;
  for (int y = R.Top - PhaseY; y < R.Bottom; y += h)
    for (int x = R.Left - PhaseX; x < R.Right; x += w) {
      TRect tile = Bounds(x, y, w, h), part;
      if (!IntersectRect(part, tile, R)) continue;
      TRect source = part;
      OffsetRect(source, -x, -y);
      ACanvas->CopyRect(part, b->Canvas(), source);
    }
}

void TExStringGrid::DrawSelectionRectangle(TCellPaint& P) {
  const TGridRect s = Selection();
  if (P.DisplayCol < s.Left || P.DisplayCol > s.Right || P.Row < s.Top || P.Row > s.Bottom) return;
  TCanvas* c = P.Canvas;
  const TRect& r = P.Rect;
  c->Pen()->SetWidth(2);
  c->Pen()->SetColor(SelectionRectangleColor);
  const int lastShort = P.DisplayCol == s.Right ? 1 : 0;
  if (P.DisplayCol == s.Left) Line(c, SelectionRectangleColor, r.Left, r.Top, r.Left, r.Bottom);
  if (P.DisplayCol == s.Right) Line(c, SelectionRectangleColor, r.Right - 1, r.Top, r.Right - 1, r.Bottom);
  if (P.Row == s.Top) Line(c, SelectionRectangleColor, r.Left, r.Top, r.Right - lastShort, r.Top);
  if (P.Row == s.Bottom) Line(c, SelectionRectangleColor, r.Left, r.Bottom - 1, r.Right - lastShort, r.Bottom - 1);
  c->Pen()->SetWidth(1);
  if (FSelectionResizer && P.DisplayCol == s.Right && P.Row == s.Bottom) {
    c->Brush()->SetColor(SelectionRectangleColor);
    c->FillRect(Rect(r.Right - 4, r.Bottom - 4, r.Right, r.Bottom));
  }
}

// --- the border step ---

void TExStringGrid::DrawCellBorders(TCellPaint& P) {
  TCanvas* c = P.Canvas;
  TPen saved;
  saved.Assign(*c->Pen());
  TCellBorders borders;
  TPen pen;
  pen.Assign(*c->Pen());
  GetCellBorderHook(P.RealCol, P.Row, borders, &pen);
  TPen left, top, rightPen, bottom;
  left.Assign(pen);
  top.Assign(pen);
  rightPen.Assign(pen);
  bottom.Assign(pen);
  if (OnGetCellBorderProp) OnGetCellBorderProp(this, P.Row, P.RealCol, &left, &top, &rightPen, &bottom);
  if (borders.Empty()) return;
  TRect r = P.Rect;
  const int e = (pen.Width() + 1) / 2;
  if (Options().Contains(goVertLine)) r.Left += e;
  if (Options().Contains(goHorzLine)) {
    r.Bottom -= e;
    r.Right -= e;
  }
  auto draw = [c](const TPen& p, int x1, int y1, int x2, int y2) {
    c->SetPen(&p);
    c->MoveTo(x1, y1);
    c->LineTo(x2, y2);
  };
  const int lw = GridLineWidth();
  if (borders.Contains(cbLeft)) draw(left, std::max(0, r.Left), r.Top, std::max(0, r.Left), r.Bottom);
  if (borders.Contains(cbRight)) draw(rightPen, r.Right - 1, r.Top, r.Right - 1, r.Bottom);
  if (borders.Contains(cbTop)) {
    const int y = lw == 0 ? r.Top + e + 1 : std::max(0, r.Top + e - lw);
    draw(top, r.Left, y, r.Right, y);
  }
  if (borders.Contains(cbBottom)) draw(bottom, r.Left - lw - 1, r.Bottom - 1, r.Right, r.Bottom - 1);
  c->SetPen(&saved);
}
