// Pasting from the clipboard: the grid's own cell format, then the rich text of
// one cell, then TAB / CR LF text, with the growth and insert options; and the
// smart fill of a larger selection: one value into every cell, a date, time,
// number or integer series from the first two values, the pasted block
// repeated. Column numbers given to events and to PasteCell are display columns.
#include <QBuffer>
#include <algorithm>
#include <optional>

#include "grid/base/drag_drop_objects.h"
#include "grid/base/text_kinds.h"
#include "grid/data/cell_stream.h"
#include "grid/data/clipboard_text.h"
#include "grid/data/clipboard_undo.h"
#include "grid/data/series_fill.h"
#include "grid/view/ex_string_grid.h"
#include "platform/rtl/component_stream.h"
#include "platform/ui/clipboard.h"

void TExStringGrid::MarkPastedCells(TPoint TopLeft, TRect Rect, TClipOperation Op) {
  (void)TopLeft, (void)Op;
  MarkPastedRows({Rect.Left, Rect.Top, Rect.Right, Rect.Bottom});
}

void TExStringGrid::MeasureTextBlock(const QString& Text, int& Cols, int& RowsMinusOne) {
  ::MeasureTextBlock(Text, Cols, RowsMinusOne);
}

void TExStringGrid::PasteFromClipboard() {
  ImportNotification(isImportStart, -1);
  FPasteAll = true;
  int rows = 0, cols = 0;
  PasteAt(SaveStartCol(), SaveStartRow(), rows, cols);
  ImportNotification(isImportDone, -1);
  RecalcAllFooters();
}

int TExStringGrid::PasteAt(int ACol, int ARow, int& Rows, int& Cols) {
  Rows = Cols = 0;
  TClipboard& clip = *Clipboard();
  // 1. The grid's own cells, checked whole before the grid grows or rows go in.
  if (UseCellsClipboardFormat() && clip.HasFormat(GridCellsMimeType())) {
    const std::optional<QByteArray> stream = DecodeGridCells(clip.Data(GridCellsMimeType()));
    if (!stream) return 0;
    const TCellStreamHeader h = CheckedCellsBlock(*stream, ACol, ARow);
    BeginPaste();
    struct TEnd {
      TExStringGrid& g;
      ~TEnd() { g.EndPaste(); }
    } end{*this};
    const TNavigation& nav = *FNavigation;
    const bool insert = nav.ClipboardPasteAction == paInsert;
    if (nav.AllowClipboardRowGrow || nav.AllowClipboardColGrow || insert) {
      if (h.ColCount + ACol >= ColCount() && nav.AllowClipboardColGrow) SetColCount(h.ColCount + ACol);
      if (h.RowCount + ARow >= RowCount() && nav.AllowClipboardRowGrow) SetRowCount(h.RowCount + ARow);
      Cols = ColCount();
      Rows = RowCount();
      if (insert) InsertRows(ARow, h.RowCount, true);
    }
    QByteArray bytes = PlacedCellsBlock(*stream);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    LoadAtPointFromBinStream({ACol, ARow}, buffer);
    const TRect rect{ACol, ARow, ACol + h.ColCount - 1, ARow + h.RowCount - 1};
    MarkPastedCells(h.ID == GridID() ? FClipTopLeft : TPoint{-1, -1}, rect, FClipLastOp);
    return h.ColCount * h.RowCount;
  }
  // 2. The rich text of one cell.
  if (FNavigation->AllowRTFClipboard && clip.HasFormat(RichTextMimeType())) {
    const QString text = RichTextFromClipboard(clip.Data(RichTextMimeType()));
    if (ACol >= 0 && ARow >= 0 && ACol < ColCount() && ARow < RowCount() && IsEditable(ACol, ARow)) {
      PasteCell(ACol, ARow, text);
    }
    Rows = Cols = 1;
    return 0;
  }
  // 3. Text.
  if (clip.HasText()) {
    const QString text = clip.AsText();
    int lines = 0, fields = 0;
    const int count = PasteText(ACol, ARow, lines, fields, text);
    int rowsMinusOne = 0;
    ::MeasureTextBlock(text, Cols, rowsMinusOne);
    Rows = rowsMinusOne + 1;
    return count;
  }
  return 0;
}

int TExStringGrid::PasteText(int ACol, int ARow, int& Lines, int& Fields, const QString& Text) {
  Lines = Fields = 0;
  // 1. (A grid whose editing is only switched off for the cell counts as editing.)
  const bool editing = Options().Contains(goEditing) || EditDisable;
  if (ACol < 0 || ARow < 0 ||
      (!editing && !FNavigation->AllowClipboardAlways && !FMouseActions->RangeSelectAndEdit))
    return 0;
  TClipboardUndo undo(*this);
  int count = 0;
  int row = ARow, col = ACol;
  int maxCol = -1, maxRow = -1;
  const bool colGrow = FNavigation->AllowClipboardColGrow, rowGrow = FNavigation->AllowClipboardRowGrow;
  const int lastUsable = [&] {
    return FFloatingFooter->Visible() && FFloatingFooter->FooterStyle() == fsFixedLastRow ? RowCount() - 1
                                                                                           : RowCount();
  }();
  // 4. One field at (col, row): grown into first with the growth option, so that
  // no field falls beside the grid.
  const auto write = [&](QString field, bool wideAfterEvent) {
    if (colGrow && col >= ColCount()) SetColCount(col + 1);
    if (col >= ColCount() || row >= RowCount()) return false;
    if (!IsEditable(col, row) && !FNavigation->AllowClipboardAlways) return false;
    bool allow = true;
    const bool packed = field.startsWith(QStringLiteral("|\\"));
    if (packed) {
      QString wide = DecodeWideCellText(field);
      if (OnClipboardBeforePasteWideCell) OnClipboardBeforePasteWideCell(this, col, row, wide, allow);
      field = EncodeWideCellText(wide);
    } else if (OnClipboardBeforePasteCell) {
      OnClipboardBeforePasteCell(this, col, row, field, allow);
    }
    if (!allow) return false;
    PasteCell(col, row, field);
    maxCol = std::max(maxCol, col);
    maxRow = std::max(maxRow, row);
    if (packed && wideAfterEvent) {
      if (OnClipboardAfterPasteWideCell) OnClipboardAfterPasteWideCell(this, col, row, DecodeWideCellText(field));
    } else if (OnClipboardAfterPasteCell) {
      OnClipboardAfterPasteCell(this, col, row, field);
    }
    return true;
  };
  // 2.
  const std::vector<TPasteLine> lines = SplitPasteText(Text);
  for (size_t li = 0; li < lines.size(); ++li) {
    const TPasteLine& line = lines[li];
    // 1.
    ++Lines;
    ImportNotification(FPasteAll ? isImportNewRow : isImportSelRow, row);
    // 2.
    const bool emptyLine = line.Fields.size() == 1 && line.Fields[0].isEmpty();
    if (!emptyLine && FNavigation->ClipboardPasteAction == paInsert) InsertRows(row, 1, true);
    // 3.
    Fields = 1;
    const int n = static_cast<int>(line.Fields.size());
    for (int f = 0; f + 1 < n; ++f) {
      ++Fields;
      write(PreparePastedField(line.Fields[f]), true);
      ++count;
      if (ColCount() < col + 1 && colGrow) SetColCount(col + 1);
      ++col;
    }
    // 4.
    const QString last = PreparePastedField(line.Fields[n - 1]);
    if (line.EndsWithBreak || !last.isEmpty()) {
      write(last, false);
      ++col;
    }
    ++count;
    if (ColCount() < col && colGrow) SetColCount(col);
    // 5.
    col = ACol;
    const bool more = li + 1 < lines.size() && !(li + 2 == lines.size() && !lines[li + 1].EndsWithBreak &&
                                                  lines[li + 1].Fields.size() == 1 && lines[li + 1].Fields[0].isEmpty());
    if (li + 1 < lines.size()) {
      ++row;
      if (row == lastUsable && more && rowGrow) SetRowCount(RowCount() + 1);
    }
  }
  // 5.
  if (maxCol >= 0) {
    MarkPastedCells(FClipTopLeft, {ACol, ARow, maxCol, maxRow}, FClipLastOp);
    CellsChangedHook({DisplToRealCol(ACol), ARow, DisplToRealCol(maxCol), maxRow});
  }
  return count;
}

void TExStringGrid::SetSelectionAsText(const QString& Value) {
  const TGridRect s = Selection();
  int row = s.Top, col = s.Left;
  int maxCol = -1, maxRow = -1;
  const int lastUsable = FFloatingFooter->Visible() && FFloatingFooter->FooterStyle() == fsFixedLastRow
                             ? RowCount() - 1
                             : RowCount();
  const std::vector<TPasteLine> lines = SplitPasteText(Value);
  const auto put = [&](const QString& raw) {
    QString field = raw.contains(u'\n') ? PreparePastedField(raw) : raw;
    if (col < ColCount() && row < RowCount()) {
      SetGridCell(DisplToRealCol(col), row, field);
      maxCol = std::max(maxCol, col);
      maxRow = std::max(maxRow, row);
    }
  };
  for (size_t li = 0; li < lines.size(); ++li) {
    const TPasteLine& line = lines[li];
    const int n = static_cast<int>(line.Fields.size());
    for (int f = 0; f < n; ++f) {
      const bool lastField = f == n - 1;
      if (lastField && !line.EndsWithBreak && line.Fields[f].isEmpty()) break;
      if (col >= ColCount()) SetColCount(col + 1);
      put(line.Fields[f]);
      ++col;
    }
    col = s.Left;
    if (li + 1 < lines.size()) {
      ++row;
      const bool more = !(li + 2 == lines.size() && lines[li + 1].Fields.size() == 1 &&
                          lines[li + 1].Fields[0].isEmpty() && !lines[li + 1].EndsWithBreak);
      if (row >= lastUsable && more) SetRowCount(RowCount() + 1);
    }
  }
  if (maxCol >= 0) CellsChangedHook({DisplToRealCol(s.Left), s.Top, DisplToRealCol(maxCol), maxRow});
}

void TExStringGrid::PasteSelectionFromClipboard() {
  // The paste and the fill that follows it are one undo step.
  TClipboardUndo undo(*this);
  // 1.
  ImportNotification(isImportStart, -1);
  FPasteAll = false;
  WidenSelectionOverMerges();
  TGridRect s = Selection();
  // 2.
  int rows = 0, cols = 0;
  const int n = Options().Contains(goRowSelect) ? PasteAt(FixedCols(), s.Top, rows, cols)
                                                : PasteAt(s.Left, s.Top, rows, cols);
  const auto finish = [&] {
    // 7.
    ImportNotification(isImportDone, -1);
    CellsChangedHook({DisplToRealCol(s.Left), s.Top, DisplToRealCol(s.Right), s.Bottom});
    RecalcAllFooters();
  };
  // 3.
  const int cells = (s.Right - s.Left + 1) * (s.Bottom - s.Top + 1);
  if (!FNavigation->AllowSmartClipboard || n == cells + 1) return finish();
  const bool always = FNavigation->AllowClipboardAlways;
  const auto writable = [&](int c, int r) { return always || IsEditable(c, r); };
  // One filled cell: the before-event (not for the top-left cell), the paste,
  // the mark, the after-event.
  const auto fill = [&](int c, int r, QString value) {
    const bool first = c == s.Left && r == s.Top;
    bool allow = true;
    if (!first && OnClipboardBeforePasteCell) OnClipboardBeforePasteCell(this, c, r, value, allow);
    if (!allow) return;
    PasteCell(c, r, value);
    MarkPastedCells(FClipTopLeft, {c, r, c, r}, coCopy);
    if (!first && OnClipboardAfterPasteCell) OnClipboardAfterPasteCell(this, c, r, value);
  };
  const int topLeft = DisplToRealCol(s.Left);
  // 4. One value into every cell.
  if (n == 1 && cells > 1) {
    BeginPaste();
    QString value = GetCellEx(topLeft, s.Top);
    bool state = false;
    if (HasCheckBox(topLeft, s.Top) && GetCheckBoxState(topLeft, s.Top, state)) value = state ? CheckTrue : CheckFalse;
    for (int r = s.Top; r <= s.Bottom; ++r)
      for (int c = s.Left; c <= s.Right; ++c)
        if (writable(c, r)) fill(c, r, value);
    EndPaste();
  }
  // 5. A series down a single column or across a single row.
  const bool singleCol = s.Left == s.Right, singleRow = s.Top == s.Bottom;
  if (n > 1 && (singleCol || singleRow) && cells > 1) {
    const QString first = GetCellEx(topLeft, s.Top);
    const QString second = singleCol ? GetCellEx(topLeft, s.Top + 1) : GetCellEx(DisplToRealCol(s.Left + 1), s.Top);
    TSeriesFill series(first, second, FloatFormat);
    if (series.Kind() != skText) {
      bool going = true;
      for (int c = s.Left; c <= s.Right && going; ++c)
        for (int r = s.Top; r <= s.Bottom && going; ++r) {
          QString value;
          if (!series.Next(value)) going = false;
          else if (writable(c, r)) fill(c, r, value);
        }
      ImportNotification(isImportDone, -1);
      CellsChangedHook({DisplToRealCol(s.Left), s.Top, DisplToRealCol(s.Right), s.Bottom});
      return;
    }
    // 4. Texts: the pasted block repeated, each further cell taking the text one
    // block's length earlier.
    const int period = std::max(1, singleCol ? rows : cols);
    if (singleCol) {
      for (int r = s.Top + period; r <= s.Bottom; ++r)
        if (writable(s.Left, r)) fill(s.Left, r, GetCellEx(topLeft, r - period));
      if (s.Top + period <= s.Bottom) MarkPastedCells({s.Left, s.Top}, {s.Left, s.Top + period, s.Left, s.Bottom}, coCopy);
    } else {
      for (int c = s.Left + period; c <= s.Right; ++c)
        if (writable(c, s.Top)) fill(c, s.Top, GetCellEx(DisplToRealCol(c - period), s.Top));
      if (s.Left + period <= s.Right) MarkPastedCells({s.Left, s.Top}, {s.Left + period, s.Top, s.Right, s.Top}, coCopy);
    }
  }
  // 6. A row or a column pasted again over the rest of a larger selection.
  if (!singleCol && !singleRow) {
    if (rows == 1) {
      for (int r = s.Top + 1; r <= s.Bottom; ++r) PasteAt(s.Left, r, rows, cols);
      SetSelection(s);
    }
    if (cols == 1) {
      for (int c = s.Left + 1; c <= s.Right; ++c) PasteAt(c, s.Top, rows, cols);
      SetSelection(s);
    }
  }
  finish();
}
