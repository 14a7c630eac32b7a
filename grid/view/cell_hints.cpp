// The tool tip of the cell under the mouse: a comment, the cell's own text for
// normal cells, a text too large for its cell, and the application's own text
// from OnGridHint, each later one replacing an earlier one; where the hint shows
// and in which hint window.
#include "grid/base/html_render.h"
#include "grid/base/text_kinds.h"
#include "grid/view/html_hint_window.h"
#include "grid/view/ex_string_grid.h"

namespace {
// The font name of the grid whose hint was built last (the mini-HTML hint window
// shows packed wide texts in it).
QString LastHintFontName;
}  // namespace

QString TExStringGrid::HintFontName() { return LastHintFontName; }

void TExStringGrid::BuildCellHint(QString& HintStr, THintInfo& HintInfo) {
  // 1. The cell under the mouse; the hint width; the font name.
  int col = -1, row = -1;
  MouseToCell(HintInfo.CursorPos.X, HintInfo.CursorPos.Y, col, row);
  if (FControlLook->HintMaxWidth > 0) HintInfo.HintMaxWidth = FControlLook->HintMaxWidth;
  LastHintFontName = Font()->Name();
  // 2. Over a cell.
  if (col >= 0 && row >= 0) {
    // 2.1 The merge base (found by real column), its rectangle and display column.
    const TPoint base = BaseCell(RealColIndex(col), row);
    const int rc = base.X;
    col = RealToDisplCol(rc);
    row = base.Y;
    FLastHintX = col;
    FLastHintY = row;
    const TRect r = CellRect(col, row);
    // 2.2 A comment shows at the top-right corner; else below the cell.
    QString comment;
    if (IsComment(rc, row, comment)) {
      HintStr = comment;
      HintInfo.HintPos = {r.Right, r.Top};
    } else {
      HintInfo.HintPos = {HintInfo.CursorPos.X, r.Bottom + 6};
    }
    // 2.3 The anchor under the mouse: its title, or its reference.
    if (AnchorHint && ClassifyCellText(GetCellEx(rc, row), EnableHTML) == ctkHtml) {
      THtmlDrawOutput hit;
      if (HtmlCellHitTest(col, row, HintInfo.CursorPos.X, HintInfo.CursorPos.Y, hit) &&
          !hit.AnchorValue.isEmpty() && hit.ControlType.isEmpty()) {
        QString anchor = hit.AnchorTitle.isEmpty() ? hit.AnchorValue : hit.AnchorTitle;
        if (OnAnchorHint) OnAnchorHint(this, row, rc, anchor);
        HintStr = anchor;
        FLastAnchorHint = anchor;
        HintInfo.HintPos = {HintInfo.CursorPos.X + 8, HintInfo.CursorPos.Y - 16};
      }
    }
    // 2.4 The text of a normal cell.
    const bool normal = col >= FixedCols() && col < ColCount() - FFixedRightCols && row >= FixedRows() &&
                        row < RowCount() - FFixedFooters;
    const QString text = GetCellEx(rc, row);
    if (HintShowCells && normal) {
      HintInfo.HintPos.Y = r.Top;
      if (ClassifyCellText(text, true) == ctkPackedWide)
        HintStr = DecodeWideCellText(text);
      else
        HintStr = HTMLHint ? text : StrippedCells(rc, row);
    }
    // 2.5 A text larger than its cell.
    const bool enh = EnhTextSize;
    EnhTextSize = false;
    const TPoint size = GetCellTextSize(rc, row, false, true);
    EnhTextSize = enh;
    if (HintShowLargeText && (size.X > r.Width() || size.Y > r.Height())) {
      const int kind = ClassifyCellText(text, EnableHTML);
      HintStr = kind == ctkPackedWide || HTMLHint || kind != ctkHtml ? text : StrippedCells(rc, row);
      if (HintShowLargeTextPos == hpCell) HintInfo.HintPos = {r.Left, r.Top};
    }
    // 2.6 The application's own text.
    if (!(row == RowCount() - 1 && FFloatingFooter->Visible())) {
      QString wide;
      GridHintHook(col, row, HintStr, wide);
    }
    // 2.7 Mini-HTML and packed wide hints show in the mini-HTML window.
    const int kind = ClassifyCellText(HintStr, true);
    if ((kind == ctkHtml || kind == ctkPackedWide) && UseInternalHintClass) {
      THTMLHintWindow::RegisterClass();
      HintInfo.HintWindowClass = hwcHTML;
      HintInfo.HintData = this;
    }
    // 2.8
    HintInfo.HintPos = ClientToScreen(HintInfo.HintPos);
  }
  // 3.
  HintInfo.HintColor = HintColor;
}

void TExStringGrid::CMHintShow(TMessage& Message) {
  auto* request = reinterpret_cast<THintShowRequest*>(Message.LParam);
  if (request && request->HintStr && request->HintInfo) BuildCellHint(*request->HintStr, *request->HintInfo);
}
