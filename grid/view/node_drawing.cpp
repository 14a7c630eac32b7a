// The tree in column 0: the node glyph of a node row with its connectors, the
// tree lines of the rows under nodes, and the expand button of an expand cell.
// Positions are relative to the cell: a row's indent is its level times
// CellNode.NodeIndent.
#include "grid/base/draw_routines.h"
#include "grid/view/cell_paint.h"
#include "grid/view/glyph_artwork.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"

namespace {

// A one-pixel line from (x1, y1) to (x2, y2), both ends included.
void TreeLine(TCanvas* c, int x1, int y1, int x2, int y2) {
  c->MoveTo(x1, y1);
  c->LineTo(x2, y2);
  c->SetPixel(x2, y2, c->Pen()->Color());
}

// An 8 by 8 box with a soft raised (contracted) or sunken (expanded) edge.
void DrawSoftBox(TCanvas* c, const TRect& box, TColor fill, bool raised) {
  c->Brush()->SetColor(fill);
  c->FillRect(box);
  const TColor light = raised ? clWhite : 0x808080, dark = raised ? 0x808080 : clWhite;
  c->Pen()->SetColor(light);
  TreeLine(c, box.Left, box.Bottom - 1, box.Left, box.Top);
  TreeLine(c, box.Left, box.Top, box.Right - 1, box.Top);
  c->Pen()->SetColor(dark);
  TreeLine(c, box.Right - 1, box.Top, box.Right - 1, box.Bottom - 1);
  TreeLine(c, box.Left, box.Bottom - 1, box.Right - 1, box.Bottom - 1);
}

}  // namespace

void TExStringGrid::DrawTreeLines(TCellPaint& P) {
  if (!FCellNode->ShowTree() || P.Row < FixedRows() || IsNode(P.Row)) return;
  TCanvas* c = P.Canvas;
  const TRect& r = P.Rect;
  const int indent = FCellNode->NodeIndent();
  const int level = CellHasProperties(0, P.Row) ? GetCellProperties(0, P.Row)->NodeLevel : 0;
  if (level <= 0) return;
  const int rowIndent = GetRowIndent(P.Row);
  const int x = r.Left + rowIndent - indent / 2 + 2;
  const int mid = r.Top + r.Height() / 2;
  c->Pen()->SetColor(FCellNode->TreeColor());
  c->Pen()->SetWidth(1);
  TreeLine(c, x, mid, FCellNode->ShowTreeFull() ? r.Right - 1 : r.Left + rowIndent + 4, mid);
  const int spanType = GetNodeSpanType(P.Row);
  if (spanType == 1) TreeLine(c, x, r.Top, x, mid);
  if (spanType == 2) TreeLine(c, x, r.Top, x, r.Bottom + 4);
  // The lines of the enclosing levels, one indent further left each.
  const bool lastRow = P.Row >= RowCount() - 1;
  const int nextLevel = !lastRow && CellHasProperties(0, P.Row + 1) ? GetCellProperties(0, P.Row + 1)->NodeLevel : 0;
  for (int i = 1; i <= level; ++i) {
    const int xi = x - indent * i;
    if (nextLevel > 0 && !lastRow) {
      TreeLine(c, xi, r.Top, xi, r.Bottom + 4);
    } else {
      TreeLine(c, xi, r.Top, xi, mid);
      if (i < level) TreeLine(c, xi, mid, x + indent - indent * i, mid);
    }
  }
}

void TExStringGrid::DrawNodeGlyph(TCellPaint& P) {
  TCanvas* c = P.Canvas;
  const TRect& r = P.Rect;
  const TCellNode& node = *FCellNode;
  const int indent = node.NodeIndent();
  const int rowIndent = GetRowIndent(P.Row);
  const bool contracted = P.Graphic->CellBoolean;
  const int mid = r.Top + r.Height() / 2;
  // 1. Connectors to the rows above and below.
  if (node.ShowTree() && P.Row >= FixedRows()) {
    const int x = r.Left + rowIndent - indent + indent / 2 + 2;
    c->Pen()->SetColor(node.TreeColor());
    c->Pen()->SetWidth(1);
    const int below = P.Row + 1 < RowCount() ? GetRowIndent(P.Row + 1) : 0;
    if (below > 0 && !(contracted && below < rowIndent)) TreeLine(c, x, mid, x, r.Bottom);
    if (P.Row > 0 && GetRowIndent(P.Row - 1) >= rowIndent) TreeLine(c, x, r.Top, x, r.Top + 6);
  }
  // 2.
  int left = r.Left + rowIndent - indent / 2 - 4;
  if (P.DisplayCol < FixedCols() && (FLook == glSoft || FLook == glVOD || FLook == glXP || FLook == glListView))
    ++left;
  // 3. By the node kind.
  switch (node.NodeType()) {
    case cnLeaf: {
      TBitmap* b = GridGlyph(contracted ? QStringLiteral("ESGLEAFCLOSE") : QStringLiteral("ESGLEAFOPEN"));
      c->Draw(left, r.Top + (r.Height() - 12) / 2, b);
      return;
    }
    case cnXP: {
      TBitmap* b = GridGlyph(contracted ? QStringLiteral("XPNODEC") : QStringLiteral("XPNODEO"));
      c->Draw(left + 4, r.Top + (r.Height() - 10) / 2, b);
      return;
    }
    case cnGlyph: {
      TBitmap* expand = node.ExpandGlyph();
      TBitmap* contract = node.ContractGlyph();
      if (expand && contract && !expand->Empty() && !contract->Empty()) {
        TBitmap* b = contracted ? contract : expand;
        b->SetTransparent(true);
        c->Draw(left, r.Top + (r.Height() - b->Height()) / 2, b);
        return;
      }
      break;
    }
    default: break;
  }
  const TRect box = Bounds(left + 4, mid - 4, 8, 8);
  if (node.NodeType() != cnFlat) {
    DrawSoftBox(c, box, node.Color, contracted);
    return;
  }
  // A framed 9 by 9 box with a plus (contracted) or a minus (expanded).
  const TRect frame = Bounds(box.Left, box.Top, 9, 9);
  c->Brush()->SetColor(node.Color);
  c->FillRect(frame);
  c->Brush()->SetColor(node.NodeColor);
  c->FrameRect(frame);
  c->Pen()->SetColor(node.NodeColor);
  const int cx = frame.Left + 4, cy = frame.Top + 4;
  TreeLine(c, cx - 2, cy, cx + 2, cy);
  if (contracted) TreeLine(c, cx, cy - 2, cx, cy + 2);
}

void TExStringGrid::DrawExpandButton(TCellPaint& P) {
  TCanvas* c = P.Canvas;
  const TRect& r = P.Rect;
  const TRect at = Bounds(r.Right - 14, r.Top + 1, 13, 13);
  P.Graphic->CellValue = ((at.Top - r.Top) << 16) | ((at.Left - r.Left) & 0xFFFF);
  const int kind = FControlLook->FlatButton ? blFlat : blClassic;
  DrawButtonFace(c, this, at, kind, P.Graphic->CellBoolean ? bdsDown : bdsNormal, TColorTones());
  // A chevron: up while the row is expanded, down while it is not.
  const bool up = P.Graphic->CellVar != 0;
  const int cx = at.Left + 6, cy = at.Top + 6 + (P.Graphic->CellBoolean ? 1 : 0);
  c->Pen()->SetColor(clBlack);
  for (int i = 0; i < 3; ++i) {
    const int y = up ? cy + 1 - i : cy - 1 + i;
    TreeLine(c, cx - 3 + i, y, cx + 3 - i, y);
  }
}
