// Copying and cutting cells to the clipboard: the TAB / CR LF text of a
// rectangle (disjunct row and column selections leave out what is not
// selected), the rich text of a rich-text cell, the grid's own cell format, and
// the whole grid as HTML; a cut clears what it copied where the cells may be
// edited, so that read-only cells keep their texts and their properties.
#include <QBuffer>
#include <algorithm>

#include "grid/base/clipboard_html.h"
#include "grid/base/drag_drop_objects.h"
#include "grid/base/html_entities.h"
#include "grid/base/rtf_text.h"
#include "grid/data/clipboard_text.h"
#include "grid/data/clipboard_undo.h"
#include "grid/view/ex_string_grid.h"
#include "platform/ui/clipboard.h"

namespace {

bool HoldsHtmlTags(const QString& t) {
  return t.contains(QStringLiteral("</")) || t.contains(QStringLiteral("<B")) || t.contains(QStringLiteral("<I"));
}

}  // namespace

QString TExStringGrid::ClipboardCellText(int ACol, int ARow) {
  QString t;
  SaveCellText(ACol, ARow, t);
  // The text without its tags or as its plain text is chosen first, so that
  // its line breaks are treated as every other text's.
  if (!FNavigation->CopyHTMLTagsToClipboard && HoldsHtmlTags(t)) t = StripHtmlToText(GetCellEx(ACol, ARow));
  else if (t.contains(QStringLiteral("{\\"))) t = RtfToPlainText(t);
  return ClipboardFieldText(t, ExcelClipboardFormat, Multilinecells);
}

QString TExStringGrid::GetRectAsText(TGridRect Rect, bool Disjunct) {
  // 1.
  FClipTopLeft = {Rect.Left, Rect.Top};
  ExportNotification(esExportStart, -1);
  struct TDone {
    TExStringGrid& g;
    ~TDone() { g.ExportNotification(esExportDone, -1); }
  } done{*this};
  // 2.
  const bool allRows = Rect.Top <= FixedRows() && Rect.Bottom >= RowCount() - FFixedFooters - 1;
  const TGridExportState state = allRows ? esExportNewRow : esExportSelRow;
  // 3.
  TMouseActions& ma = *FMouseActions;
  const auto rowIncluded = [&](int r) {
    if (!ma.DisjunctRowSelect() || !Disjunct || ma.DisjunctColSelect()) return true;
    return RowSelect(ma.RowSelectPersistent ? DisplToRealRow(r) : r);
  };
  const auto colIncluded = [&](int c) { return !ma.DisjunctColSelect() || !Disjunct || ColSelect(c); };
  // 5. The rows as a sizing pass sees them.
  for (int r = Rect.Top; r <= Rect.Bottom; ++r) ExportNotification(state, r);
  // 4., 6.
  QString text;
  for (int r = Rect.Top; r <= Rect.Bottom; ++r) {
    ExportNotification(esExportNewRow, r);
    if (!rowIncluded(r)) continue;
    for (int c = Rect.Left; c <= Rect.Right; ++c) {
      if (!colIncluded(c)) continue;
      text += ClipboardCellText(DisplToRealCol(c), r);
      if (c != Rect.Right) text += u'\t';
    }
    if (Rect.Top < Rect.Bottom) text += QStringLiteral("\r\n");
  }
  return text;
}

void TExStringGrid::CopyRectToClipboard(TGridRect Rect, bool Disjunct) {
  Clipboard()->SetAsText(GetRectAsText(Rect, Disjunct));
  if (FNavigation->AllowRTFClipboard) CopyRTFToClipboard(Rect.Left, Rect.Top);
  if (FNavigation->AllowFmtClipboard) CopyCellsToClipboard(Rect);
}

void TExStringGrid::CopyRTFToClipboard(int ACol, int ARow) {
  const int rc = DisplToRealCol(ACol);
  if (rc < 0 || ARow < 0 || ARow >= RowCount()) return;
  const QString t = GetCellEx(rc, ARow);
  if (!t.contains(QStringLiteral("{\\"))) return;
  Clipboard()->SetData(RichTextMimeType(), RichTextToClipboard(t));
}

void TExStringGrid::CopyCellsToClipboard(TGridRect Rect) {
  // The binary cell stream of the rectangle, in the block the grid's own cells
  // format carries (its length first), beside the formats already placed.
  QByteArray stream;
  QBuffer buffer(&stream);
  buffer.open(QIODevice::WriteOnly);
  SaveRectToBinStream(::Rect(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom), buffer);
  Clipboard()->SetData(GridCellsMimeType(), EncodeGridCells(stream));
}

void TExStringGrid::WidenSelectionOverMerges() {
  TGridRect s = Selection();
  bool merged = false;
  const int tl = DisplToRealCol(s.Left), br = DisplToRealCol(s.Right);
  if (IsMergedCell(tl, s.Top)) {
    const TPoint b = BaseCell(tl, s.Top);
    s.Left = std::min(s.Left, RealToDisplCol(b.X));
    s.Top = std::min(s.Top, b.Y);
    merged = true;
  }
  if (IsMergedCell(br, s.Bottom)) {
    const TPoint b = BaseCell(br, s.Bottom);
    const TPoint span = CellSpan(b.X, b.Y);
    s.Right = std::max(s.Right, RealToDisplCol(b.X) + span.X);
    s.Bottom = std::max(s.Bottom, b.Y + span.Y);
    merged = true;
  }
  if (merged) SetSelection(s);
}

void TExStringGrid::CopySelectionToClipboard() {
  // 1.
  WidenSelectionOverMerges();
  TMouseActions& ma = *FMouseActions;
  TGridRect rect = Selection();
  bool disjunct = false;
  // 2. - 4.
  if (ma.DisjunctRowSelect() && !FNavigation->AllowFmtClipboard) {
    rect = {FixedCols(), SaveStartRow(), ColCount() - FFixedRightCols - 1, SaveEndRow()};
    disjunct = true;
  } else if (ma.DisjunctColSelect() && !FNavigation->AllowFmtClipboard) {
    rect = {SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()};
    disjunct = true;
  }
  // 5.
  CopyRectToClipboard(rect, disjunct);
  FClipLastOp = coCopy;
}

void TExStringGrid::CopyToClipBoard() {
  CopyRectToClipboard({SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, false);
  FClipLastOp = coCopy;
}

void TExStringGrid::CutToClipboard() {
  const TGridRect rect{SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()};
  CopyRectToClipboard(rect, false);
  for (int r = rect.Top; r <= rect.Bottom; ++r)
    for (int c = rect.Left; c <= rect.Right; ++c)
      if (IsEditable(c, r) || FNavigation->AllowClipboardAlways) SetCellEx(DisplToRealCol(c), r, QString());
  if (FShowModified->Enabled)
    for (int r = rect.Top; r <= rect.Bottom; ++r) SetRowModified(r, true);
  FClipLastOp = coCut;
}

void TExStringGrid::CutSelectionToClipboard() {
  // 1.
  const TGridRect kept = Selection();
  CopySelectionToClipboard();
  TMouseActions& ma = *FMouseActions;
  if (ma.DisjunctRowSelect()) {
    // 2.
    for (int r = FixedRows(); r < RowCount(); ++r) {
      if (!RowSelect(ma.RowSelectPersistent ? DisplToRealRow(r) : r)) continue;
      ClearRows(r, 1);
      if (FShowModified->Enabled) SetRowModified(r, true);
    }
  } else if (ma.DisjunctColSelect()) {
    // 3.
    for (int c = FixedCols(); c < ColCount(); ++c)
      if (ColSelect(c)) ClearCols(c, 1);
  } else {
    // 4. Cleared cells leave with their properties; read-only ones keep theirs.
    const TGridRect s = Selection();
    TClipboardUndo undo(*this);
    for (int c = s.Left; c <= s.Right; ++c) {
      const int rc = DisplToRealCol(c);
      for (int r = s.Top; r <= s.Bottom; ++r) {
        if (!IsEditable(c, r) && !FNavigation->AllowClipboardAlways) continue;
        undo.Register(rc, r, GetCellEx(rc, r), QString());
        SetCellEx(rc, r, QString());
        if (FNavigation->AllowFmtClipboard) FreeCellPropertiesRect(rc, r, rc, r);
      }
    }
    if (FShowModified->Enabled)
      for (int r = s.Top; r <= s.Bottom; ++r) SetRowModified(r, true);
  }
  // 5.
  FClipLastOp = coCut;
  CellsChangedHook({kept.Left, kept.Top, kept.Right, kept.Bottom});
  if (FNumHidden > 0) Invalidate();
}

void TExStringGrid::CopyToClipBoardAsHTML() {
  // The clipboard's HTML text (its header of offsets, then the document) as
  // text; the HTML format of this platform's clipboard holds the document
  // alone, in the ISO-8859-1 its head declares.
  QString html = SaveToHTMLString(QString());
  BuildClipboardHtml(html);
  const qsizetype start = html.indexOf(QStringLiteral("<!DOCTYPE"));
  TClipboard& clip = *Clipboard();
  clip.SetAsText(html);
  clip.SetData(HtmlMimeType(), html.mid(std::max<qsizetype>(start, 0)).toLatin1());
}
