// Mini-HTML cell texts in the grid: drawn and measured by the mini-HTML renderer,
// laid out again for the mouse (links hovered and clicked, in-text check boxes,
// radio buttons and buttons pressed), and the anchor hints.
#include <algorithm>

#include "grid/base/cell_refs.h"
#include "grid/base/html_controls.h"
#include "grid/base/html_picture.h"
#include "grid/base/html_render.h"
#include "grid/base/text_kinds.h"
#include "grid/base/url_text.h"
#include "grid/view/cell_paint.h"
#include "grid/view/grid_unit.h"
#include "platform/os/process.h"
#include "platform/ui/application.h"
#include "platform/ui/canvas.h"
#include "platform/ui/mouse_position.h"

void TExStringGrid::FillHtmlInput(THtmlDrawInput& In) {
  In.Images = GetGridImages();
  In.PictureContainer = Container;
  In.PictureCache = FImageCache.get();
  In.UrlColor = URLColor;
  In.WordWrap = !EnhTextSize;
  In.WindowHandle = this;
}

// --- drawing (the text step's mini-HTML branch) ---

void TExStringGrid::DrawHtmlCell(TCellPaint& P, TRect r, const QString& Text) {
  r.Left -= 1;
  if (P.FilterGlyph) r.Right -= 18;
  const bool sortHeader = IsSortHeaderCell(P.RealCol, P.Row);
  if (sortHeader) r.Right -= 10;
  THtmlDrawInput in;
  FillHtmlInput(in);
  const bool hovered = FHoverCell.X == P.DisplayCol && FHoverCell.Y == P.Row;
  in.HoverLink = hovered ? FHoverLink : -1;
  in.FocusLink = -1;
  in.ShadowColor = 0x808080;
  in.ShadowOffset = 1;
  in.UrlColor = P.LinkColor;
  in.ControlDown = FCtrlDown && FCtrlXY.X == P.RealCol && FCtrlXY.Y == P.Row;
  in.HoverUnderlineOnly = URLUnderlineOnHover;
  in.BlinkOn = FGridBlink;
  if (hovered && Widget()) {
    const TPoint m = ScreenToClient(GetCursorPos());
    in.X = m.X;
    in.Y = m.Y;
  }
  THtmlDrawOutput out;
  DrawHtmlCellText(P.Canvas, Text, r, in, out);
  P.TextWidth = out.TextExtentX + 2;
  if (sortHeader && FixedRows() > 0 && (P.RealCol >= FixedCols() || FSortSettings->FixedCols)) {
    int y = r.Top + 8;
    if (P.VAlign == vtaCenter) y = (r.Top + r.Bottom) / 2;
    if (P.VAlign == vtaBottom) y = r.Bottom - 8;
    if (FSortIndexes->FindIndex(P.RealCol) < 1 || FSortSettings->IndexShow)
      DrawSortIndicator(P.Canvas, P.RealCol, y, r.Right + 2 + 4);
  }
}

// --- measuring (the measure's mini-HTML branch) ---

TPoint TExStringGrid::MeasureHtmlCell(int RCol, int ARow, TCanvas* Canvas, TRect r, bool SB, const QString& Text) {
  (void)RCol;
  (void)ARow;
  r.Bottom = 65535;
  if (!SB) r.Right = 65535;
  THtmlDrawInput in;
  FillHtmlInput(in);
  in.MeasureOnly = true;
  THtmlDrawOutput out;
  DrawHtmlCellText(Canvas, Text, r, in, out);
  return {out.TextExtentX + 2, out.TextExtentY + 2};
}

// --- laying out for the mouse ---

TRect TExStringGrid::HtmlTextRect(int C, int R, int RC) {
  TRect r = CellRect(C, R);
  r.Left += 1 + FXYOffset.X;
  r.Top += 1 + FXYOffset.Y;
  r.Right -= FXYOffset.X;
  if (HasScrollBar(RC, R)) {
    r.Right -= 17;
    r.Bottom += std::max(0, GetScrollPosition(RC, R));
  }
  if (HasCheckBox(RC, R)) r.Left += FControlLook->CheckSize;
  return r;
}

bool TExStringGrid::HtmlCellHitTest(int ACol, int ARow, int X, int Y, THtmlDrawOutput& Out) {
  if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount()) return false;
  const int rc = RealColIndex(ACol);
  const QString text = GetCellEx(rc, ARow);
  if (ClassifyCellText(text, EnableHTML) != ctkHtml) return false;
  TCanvas* canvas = MeasureCanvas();
  TGridDrawState state;
  TBrush brush;
  GetFontProperties(ACol, rc, ARow, state, canvas->Font(), &brush, true);
  THtmlDrawInput in;
  FillHtmlInput(in);
  in.HitTestOnly = true;
  in.X = X;
  in.Y = Y + (HasScrollBar(rc, ARow) ? std::max(0, GetScrollPosition(rc, ARow)) : 0);
  return DrawHtmlCellText(canvas, text, HtmlTextRect(ACol, ARow, rc), in, Out);
}

// --- a press (links and CONTROL tags) ---

bool TExStringGrid::ClickHtmlCell(int C, int R, int RC, int X, int Y) {
  QString T = GetGridCell(RC, R);
  const int kind = ClassifyCellText(T, EnableHTML);
  if (!URLShow && kind != ctkHtml) return false;
  QString anchor;
  THtmlDrawOutput hit;
  if (kind != ctkHtml) {
    if (IsUrl(T)) anchor = T;
  } else if (HtmlCellHitTest(C, R, X, Y, hit)) {
    anchor = hit.AnchorValue;
  }
  if (anchor.isEmpty()) {
    if (kind != ctkHtml || !T.toUpper().contains(QStringLiteral("<CONTROL"))) return false;
    // A cell of form controls pressed beside them: just this cell.
    if (OnClickCell) OnClickCell(this, R, C);
    HideInplaceEdit();
    TStringGrid::SetSelection({C, R, C, R});
    return true;
  }
  bool autoHandle = true;
  bool canEdit = (Options().Contains(goEditing) || EditDisable) && !ReadOnly(RC, R);
  if (!hit.ControlId.isEmpty()) CanEditCell(RC, R, canEdit);
  if (!hit.ControlId.isEmpty() && canEdit) {
    // An open control edit ends first; its value may have changed the text.
    if (FCtrlEditing) {
      ControlEditDone(nullptr);
      T = GetGridCell(RC, R);
    }
    if (hit.ControlType == QStringLiteral("BUTTON")) {
      FCtrlXY = {RC, R};
      FCtrlDown = true;
      RepaintCell(C, R);
    } else if (hit.ControlType == QStringLiteral("CHECK")) {
      const bool on = hit.ControlValue.compare(QStringLiteral("TRUE"), Qt::CaseInsensitive) == 0;
      if (SetHtmlControlValue(T, hit.ControlId, on ? QStringLiteral("FALSE") : QStringLiteral("TRUE")))
        SetCellEx(RC, R, T);
    } else if (hit.ControlType == QStringLiteral("RADIO")) {
      T = ClearHtmlRadioControls(T);
      if (SetHtmlControlValue(T, hit.ControlId, QStringLiteral("TRUE"))) SetCellEx(RC, R, T);
    }
    if (OnControlClick) OnControlClick(this, R, C, hit.ControlId, hit.ControlType, hit.ControlValue);
    ShowControlEditor(T, hit.ControlType, hit.ControlId, hit.ControlValue, hit.ControlRect, C, RC, R);
    return true;
  }
  if (OnAnchorClick) OnAnchorClick(this, R, C, anchor, autoHandle);
  if (!autoHandle) return true;
  if (anchor.toUpper().contains(QStringLiteral("CELL://"))) {
    const int at = static_cast<int>(anchor.toUpper().indexOf(QStringLiteral("CELL://")));
    int col = -1, row = -1;
    if (ParseRowColRef(anchor.mid(at + 7), col, row) && col >= 0 && row >= 0 && col < ColCount() &&
        row < RowCount()) {
      SetRow(row);
      SetCol(col);
      ClampInView({col, row});
    }
    return true;
  }
  // Only web and mail addresses are opened; anything else a cell text names is not run.
  ShellOpenUrl(anchor);
  return true;
}

// --- moving over links ---

bool TExStringGrid::HoverHtmlCell(int C, int R, int RC, int X, int Y) {
  const QString T = GetCellEx(RC, R);
  const int kind = ClassifyCellText(T, EnableHTML);
  if (kind != ctkHtml) {
    if (URLUnderlineOnHover && ((FHoverCell.X >= 0 && !(FHoverCell.X == C && FHoverCell.Y == R)) || FHoverLink != -1)) {
      const TGridCoord old = FHoverCell;
      FHoverLink = -1;
      FHoverCell = {-1, -1};
      if (old.X >= 0) RepaintCell(old.X, old.Y);
    }
    if (URLShow && IsUrl(T)) return true;
    LeaveHtmlLinks(C, R);
    return false;
  }
  THtmlDrawOutput out;
  const QString A = HtmlCellHitTest(C, R, X, Y, out) ? out.AnchorValue : QString();
  QString AH = out.AnchorTitle;
  const int K = A.isEmpty() ? -1 : out.MouseLink;
  if (URLUnderlineOnHover && !(FHoverCell.X == C && FHoverCell.Y == R && FHoverLink == K)) {
    const TGridCoord old = FHoverCell;
    FHoverCell = {C, R};
    FHoverLink = K;
    if (old.X >= 0 && !(old.X == C && old.Y == R)) RepaintCell(old.X, old.Y);
    RepaintCell(C, R);
  }
  if (A.isEmpty()) {
    LeaveHtmlLinks(C, R);
    return false;
  }
  if (AH.isEmpty() && OnAnchorHint) OnAnchorHint(this, R, C, AH);
  if (AH != FLastAnchorHint && A != FAnchor) {
    FLastAnchorHint = AH;
    Application->CancelHint();
  }
  if (A != FAnchor) {
    if (!FAnchor.isEmpty() && OnAnchorExit) OnAnchorExit(this, R, C, FAnchor);
    FAnchor = A;
    if (OnAnchorEnter) OnAnchorEnter(this, R, C, A);
  }
  return true;
}

void TExStringGrid::LeaveHtmlLinks(int C, int R) {
  if (FAnchor.isEmpty()) return;
  const QString left = FAnchor;
  FAnchor.clear();
  if (OnAnchorExit) OnAnchorExit(this, R, C, left);
}
