// Drag and drop with the grid: registering its window as a drop target, what
// lands where (text inserted as rows or pasted at the cell under the mouse, rich
// text and links into one cell, one CSV or spreadsheet file, a column moved or
// reordered, the grid's own cells), the view scrolling and the arrows marking
// the target while something is dragged over the grid, and as a source the drag
// of the selection with the dragged rows or cells taken out after a move.
#include <QBuffer>
#include <algorithm>

#include "grid/base/arrow_window.h"
#include "grid/base/int_list.h"
#include "grid/data/cell_stream.h"
#include "grid/data/clipboard_text.h"
#include "grid/data/grid_drag_drop.h"
#include "grid/view/ex_string_grid.h"
#include "grid/view/scroll_control.h"
#include "platform/ui/drag_drop.h"
#include "platform/ui/list_controls.h"
#include "platform/ui/mouse_position.h"
#include "platform/ui/popup_window.h"

// ---------------------------------------------------------------- registration

bool TExStringGrid::HostRegisterDropTarget() {
  if (!FDropTarget) FDropTarget = std::make_shared<TGridDropTarget>(this);
  return RegisterDragDrop(this, FDropTarget.get());
}

void TExStringGrid::HostRevokeDropTarget() { RevokeDragDrop(this); }

void TExStringGrid::OleColumnDragStart(int ACol, int AIndex, TListBox* AList) {
  FOleDragCol = ACol;
  FOleDragIndex = AIndex;
  FOleDragList = AList;
}

// ---------------------------------------------------------------- the source

void TGridDropSource::CurrentEffect(int dwEffect) {
  if (dwEffect == DROPEFFECT_COPY || dwEffect == DROPEFFECT_MOVE) FLastEffect = dwEffect;
}

void TGridDropSource::QueryDrag() {
  // The picture of the dragged cells, or the drag button, follows the pointer.
  const TPoint p = GetCursorPos();
  if (FGrid->FDragDropSettings->ShowCells) {
    if (TPopupWindow* f = FGrid->MoveForm()) f->SetBounds(p.X + 4, p.Y + 4, f->Width(), f->Height());
    return;
  }
  THeaderDragButton* b = FGrid->MoveButton();
  if (!b) return;
  b->SetBounds(p.X, p.Y - b->Height(), b->Width(), b->Height());
}

void TGridDropSource::DragDropStop() {
  TESGDropSource::DragDropStop();
  if (FGrid->FDragDropSettings->ShowCells) FGrid->FMoveForm.reset();
}

void TExStringGrid::StartOleDrag(int C, int R, int X, int Y) {
  // 1.
  FSelectionClick = false;
  bool allow = true;
  const int RC = RealColIndex(C);
  TDragDropSettings& dd = *FDragDropSettings;
  // 2.
  if (dd.OleColumnsOnly && R >= FixedRows()) allow = false;
  else if (OnOleDrag) OnOleDrag(this, R, RC, GetCellEx(RC, R), allow);
  // 3. A refused drag goes on as a range selection.
  if (!allow) {
    if (GridState() == gsNormal) SetGridState(gsSelecting);
    return;
  }
  // 4.
  TGridDropSource source(this);
  if (OnOleDragStart) OnOleDragStart(this, R, RC);
  const TPoint P = ClientToScreen({X, Y});
  StartBlockFocusHook();
  int effect = DROPEFFECT_NONE;
  // 5. The picture of the dragged cells: the column's visible cells for a
  // column drag, else the selection cut to the visible cells.
  if (dd.ShowCells && !FMoveForm) {
    const TGridRect s = Selection();
    if (dd.OleColumnDragDrop)
      ShowMoveForm({C, 0, C, VisibleRowCount()});
    else
      ShowMoveForm({std::max(LeftCol(), s.Left), std::max(TopRow(), s.Top),
                    std::min(s.Right, LeftCol() + VisibleColCount() - 1),
                    std::min(s.Bottom, TopRow() + VisibleRowCount() - 1)});
    FMoveForm->SetBounds(P.X, P.Y, FMoveForm->Width(), FMoveForm->Height());
  }
  // The picture goes with the drag, however it ends.
  struct TDropPicture {
    TExStringGrid& g;
    ~TDropPicture() {
      if (g.FDragDropSettings->ShowCells) g.FMoveForm.reset();
    }
  } picture{*this};
  // 6. A column from its header.
  if (R < FixedRows() && RC >= 0 && dd.OleColumnDragDrop) {
    if (!dd.ShowCells) {
      if (!FMoveButton) FMoveButton = std::make_unique<THeaderDragButton>(this);
      FMoveButton->SetCaption(GetCellEx(RC, R));
      FMoveButton->SetBounds(P.X, P.Y, ColWidths(C), RowHeights(0));
      FMoveButton->SetVisible(true);
    }
    const int result = StartColumnDrag(&source, RC, DROPEFFECT_COPY | DROPEFFECT_MOVE, effect);
    if (result != DRAGDROP_S_CANCEL && OnOleDragStop) OnOleDragStop(this, effect);
    if (FMoveButton) FMoveButton->SetVisible(false);
    if (ArwU) ArwU->SetVisible(false);
    if (ArwD) ArwD->SetVisible(false);
    return;
  }
  // 7. The selected cells.
  FDropSelection = Selection();
  // With the grid's own cells format the selection's cells travel too.
  QByteArray cells;
  if (FNavigation->AllowFmtClipboard) {
    QBuffer buffer(&cells);
    buffer.open(QIODevice::WriteOnly);
    const TGridRect s = Selection();
    SaveRectToBinStream(Rect(s.Left, s.Top, s.Right, s.Bottom), buffer);
  }
  const int result = StartTextDrag(&source, SelectedText(), GetCellEx(RC, R), effect,
                                   DROPEFFECT_COPY | DROPEFFECT_MOVE,
                                   FNavigation->AllowFmtClipboard ? &cells : nullptr);
  if (result == DRAGDROP_S_CANCEL) return;
  CleanUpAfterDrag(effect);
  if (OnOleDragStop) OnOleDragStop(this, effect);
}

void TExStringGrid::CleanUpAfterDrag(int Effect) {
  if (Effect != DROPEFFECT_MOVE || FDragDropSettings->OleCopyAlways) return;
  const bool disjunctRows = FMouseActions->DisjunctRowSelect();
  const TGridRect d = FDropSelection;
  if (FDragDropSettings->OleRemoveRows && Options().Contains(goRowSelect)) {
    if (disjunctRows) RemoveSelectedRows();
    else if (d.Top >= FixedRows() && d.Top <= d.Bottom) RemoveRows(d.Top, d.Bottom - d.Top + 1);
  } else if (disjunctRows) {
    ClearSelection();
  } else {
    ClearRect(d.Left, d.Top, d.Right, d.Bottom);
  }
}

// ---------------------------------------------------------------- the target

void TGridDropTarget::TargetCell(TPoint pt, bool ColumnDragged, int& ACol, int& ARow, bool& AppendBelow) {
  TExStringGrid& g = *FGrid;
  g.ScreenToCell(pt, ACol, ARow);
  AppendBelow = false;
  const TDragDropSettings& dd = *g.FDragDropSettings;
  if (ARow == -1 && !ColumnDragged && dd.OleEntireRows && dd.OleAppendRows && g.RowCount() > 0) {
    const TPoint cp = g.ScreenToClient(pt);
    int lastBottom = -1;
    for (int c = 0; c < g.ColCount() && lastBottom < 0; ++c) {
      const TRect r = g.CellRect(c, g.RowCount() - 1);
      if (r.Bottom > r.Top) lastBottom = r.Bottom;
    }
    if (lastBottom >= 0 && cp.Y >= lastBottom) {
      ACol = g.FixedCols();
      ARow = g.RowCount() - 1;
      AppendBelow = true;
    }
  }
}

int TGridDropTarget::DragEnter(const QMimeData* Data, int KeyState, TPoint Pt, int& Effect) {
  const TDragDropSettings& dd = *FGrid->FDragDropSettings;
  AcceptText = dd.OleAcceptText;
  AcceptFiles = dd.OleAcceptFiles;
  AcceptURLs = dd.OleAcceptURLs;
  AcceptCols = dd.OleColumnDragDrop;
  return TESGDropTarget::DragEnter(Data, KeyState, Pt, Effect);
}

void TGridDropTarget::HideArrows() {
  TExStringGrid& g = *FGrid;
  for (TArrowWindow* a : {g.ArwL.get(), g.ArwD.get(), g.ArwU.get()})
    if (a) a->SetVisible(false);
}

void TGridDropTarget::DragMouseLeave() { HideArrows(); }

void TGridDropTarget::DragMouseMove(TPoint& pt, bool& Allow, TDropFormats DropFormats) {
  TExStringGrid& g = *FGrid;
  const TDragDropSettings& dd = *g.FDragDropSettings;
  const bool colDrag = DropFormats.Contains(dfCol);
  // 1. - 2.
  int ACol = -1, ARow = -1;
  bool append = false;
  TargetCell(pt, colDrag, ACol, ARow, append);
  const TPoint cp = g.ScreenToClient(pt);
  // 3.
  Allow = ACol >= 0 && ARow >= 0;
  // 4. The view follows the pointer at its edges.
  if (Allow && !colDrag) {
    if ((ARow == 0 && g.TopRow() > g.FixedRows()) || (cp.Y < 8 && g.FixedRows() == 0 && g.TopRow() > 0))
      g.SetTopRow(g.TopRow() - 1);
    else if (ARow == g.TopRow() + g.VisibleRowCount())
      g.SetTopRow(g.TopRow() + 1);
    if (g.FTimerTicks % 2 == 0) {
      if (ACol == 0 && g.LeftCol() > g.FixedCols()) g.SetLeftCol(g.LeftCol() - 1);
      else if (ACol == g.LeftCol() + g.VisibleColCount()) g.SetLeftCol(g.LeftCol() + 1);
    }
    ++g.FTimerTicks;
  }
  // 5.
  if (!colDrag) {
    if (ARow < g.FixedRows() && !(g.RowCount() == 1 && g.FixedRowAlways)) Allow = false;
  } else if (ACol < 0) {
    ACol = g.ColCount();
    ARow = 0;
    Allow = true;
  } else {
    Allow = Allow && ARow < g.FixedRows() && ACol >= g.FixedCols();
  }
  // 6.
  Allow = Allow || DropFormats.Contains(dfFile) || DropFormats.Contains(dfGridCells);
  if (g.OnOleDragOver) g.OnOleDragOver(&g, ARow, ACol, Allow);
  Allow = Allow && ((ARow >= 0 && ACol >= 0) || DropFormats.Contains(dfFile));
  // 7. The arrows.
  const auto arrowAt = [&g](std::unique_ptr<TArrowWindow>& a, TArrowDirection d, TPoint client) {
    if (!a) {
      a = std::make_unique<TArrowWindow>(nullptr);
      a->Init(&g, d);
    }
    const TPoint s = g.ClientToScreen(client);
    a->SetBounds(s.X, s.Y, a->Width(), a->Height());
    a->SetVisible(true);
  };
  if (Allow && colDrag) {
    TRect r = g.CellRect(std::min(ACol, g.ColCount() - 1), ARow);
    if (ACol >= g.ColCount()) r.Left = r.Right;  // after the last column
    arrowAt(g.ArwD, arrDown, {r.Left, r.Top - 8});
    arrowAt(g.ArwU, arrUp, {r.Left, r.Bottom});
  } else if (Allow && ACol >= 0 && ARow >= 0) {
    if (ARow == 0 && g.FixedRowAlways) {
      ARow = 1;
      append = false;
    }
    const TRect r = g.CellRect(dd.OleEntireRows ? g.FixedCols() : ACol, ARow);
    arrowAt(g.ArwL, arrLeft, {r.Left - 10, append ? r.Bottom : r.Top});
  } else {
    HideArrows();
  }
}

void TGridDropTarget::DropText(TPoint pt, const QString& s) {
  TExStringGrid& g = *FGrid;
  const TDragDropSettings& dd = *g.FDragDropSettings;
  // 1.
  int ACol = -1, ARow = -1;
  bool append = false;
  TargetCell(pt, false, ACol, ARow, append);
  // 2.
  bool allow = true;
  int cols = 0, rowsMinusOne = 0;
  g.MeasureTextBlock(s, cols, rowsMinusOne);
  if (g.Options().Contains(goRowSelect)) ACol = dd.OleEntireRows ? 0 : g.FixedCols();
  // 3.
  if (g.OnOleDrop) g.OnOleDrop(&g, ARow, ACol, s, allow);
  if (allow && ACol >= 0 && ARow >= 0) {
    // 1. Rows dragged from below the drop point are found further down after
    // the insertion (the row flags move with the inserted rows themselves).
    TGridRect R = g.FDropSelection;
    if (R.Top >= ARow && dd.OleRemoveRows) {
      R.Top += rowsMinusOne + 1;
      R.Bottom += rowsMinusOne + 1;
    }
    g.FDropSelection = R;
    // 2.
    if (ARow == 0 && g.FixedRowAlways && g.RowCount() == 1) ARow = 1;
    // 3.
    if (dd.OleInsertRows) {
      const int top = g.TopRow();
      if (append) {
        g.SetRowCount(g.RowCount() + rowsMinusOne + 1);
        ++ARow;
      } else {
        g.InsertRows(ARow, rowsMinusOne + 1, true);
      }
      const int newTop = top + (top > g.FixedRows() ? 1 : 0);
      if (newTop > 0) g.SetTopRow(newTop);
    }
    // 4.
    int lines = 0, fields = 0;
    g.PasteText(ACol, ARow, lines, fields, s);
    // 5.
    ACol = std::max(ACol, g.FixedCols());
    const int right = g.Options().Contains(goRowSelect) ? ACol + cols - g.FixedCols() : ACol + cols - 1;
    g.SetSelection({ACol, ARow, std::min(right, g.ColCount() - 1), std::min(ARow + rowsMinusOne, g.RowCount() - 1)});
  }
  // 4.
  if (g.ArwL) g.ArwL->SetVisible(false);
  if (g.ArwD) g.ArwD->SetVisible(false);
  if (g.MoveButton()) g.MoveButton()->SetVisible(false);
  if (g.OnOleDropped) g.OnOleDropped(&g, g.Selection());
}

void TGridDropTarget::DropStream(TPoint pt, const QByteArray& Stream) {
  TExStringGrid& g = *FGrid;
  // The feedback goes also when the block is refused.
  struct THide {
    TExStringGrid& g;
    ~THide() {
      if (g.ArwL) g.ArwL->SetVisible(false);
      if (g.ArwD) g.ArwD->SetVisible(false);
      if (g.MoveButton()) g.MoveButton()->SetVisible(false);
    }
  } hide{g};
  int ACol = -1, ARow = -1;
  g.ScreenToCell(pt, ACol, ARow);
  if (ACol >= 0 && ARow >= 0) {
    // Checked whole first: a broken block raises and changes nothing.
    CheckedCellsBlock(Stream, ACol, ARow);
    QByteArray bytes = PlacedCellsBlock(Stream);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    g.LoadAtPointFromBinStream({ACol, ARow}, buffer);
  }
  if (g.OnOleDropped) g.OnOleDropped(&g, g.Selection());
}

void TGridDropTarget::DropCol(TPoint pt, int Col) {
  TExStringGrid& g = *FGrid;
  // 1.
  int ACol = -1, ARow = -1;
  g.ScreenToCell(pt, ACol, ARow);
  if (ACol < 0) ACol = g.ColCount();
  // 2.
  if (DropFormats().Contains(dfCol)) {
    if (g.ArwD) g.ArwD->SetVisible(false);
    if (g.ArwU) g.ArwU->SetVisible(false);
    if (g.MoveButton()) g.MoveButton()->SetVisible(false);
  }
  const auto moveWithEnhanced = [&g](int From, int To) {
    const bool kept = g.EnhRowColMove;
    g.EnhRowColMove = true;
    try {
      g.MoveColumn(From, To);
    } catch (...) {
      g.EnhRowColMove = kept;
      throw;
    }
    g.EnhRowColMove = kept;
  };
  if (g.FOleDragCol != -1) {
    // 3. A column from a list of column names.
    if (g.FOleDragList && g.FOleDragIndex >= 0 && g.FOleDragIndex < g.FOleDragList->Items()->Count())
      g.FOleDragList->Items()->Delete(g.FOleDragIndex);
    const int i = std::max(0, g.FColumnOrder->IndexOf(g.FOleDragCol));
    g.UnHideColumn(i);
    if (ACol >= 0) moveWithEnhanced(g.DisplColIndex(i), std::min(ACol, g.ColCount() - 1));
    g.FOleDragCol = -1;
  } else if (g.FDragDropSettings->OleColumnReorder) {
    // 4.
    ACol = std::min(ACol, g.ColCount() - 1);
    if (Col >= 0 && Col < g.AllColCount() && g.DisplColIndex(Col) != ACol) moveWithEnhanced(g.DisplColIndex(Col), ACol);
  }
  // 5.
  if (g.OnOleDropCol) g.OnOleDropCol(&g, ARow, Col, ACol);
}

void TGridDropTarget::DropRTF(TPoint pt, const QString& s) {
  TExStringGrid& g = *FGrid;
  int ACol = -1, ARow = -1;
  g.ScreenToCell(pt, ACol, ARow);
  bool allow = true;
  if (g.OnOleDrop) g.OnOleDrop(&g, ARow, ACol, s, allow);
  if (allow && ACol >= 0 && ARow >= 0) g.SetCellEx(g.RealColIndex(ACol), ARow, s);
  HideArrows();
}

void TGridDropTarget::DropURL(TPoint pt, const QString& s) {
  TExStringGrid& g = *FGrid;
  int ACol = -1, ARow = -1;
  g.ScreenToCell(pt, ACol, ARow);
  bool allow = true;
  if (g.OnOleDropURL) g.OnOleDropURL(&g, ARow, ACol, s, allow);
  if (allow && ACol >= 0 && ARow >= 0) g.SetCellEx(g.RealColIndex(ACol), ARow, s);
  HideArrows();
}

void TGridDropTarget::DropFiles(TPoint pt, const QStringList& Files) {
  TExStringGrid& g = *FGrid;
  if (Files.size() == 1) {
    int ACol = -1, ARow = -1;
    g.ScreenToCell(pt, ACol, ARow);
    const QString& name = Files.front();
    bool allow = true;
    if (g.OnOleDropFile) g.OnOleDropFile(&g, ARow, ACol, name, allow);
    // The file's kind is its extension.
    const TDroppedFileKind kind = DroppedFileKind(name);
    if (allow && kind == dfkCsv) {
      if (g.OnOleDrop) g.OnOleDrop(&g, -1, -1, name, allow);
      if (allow) g.LoadFromCSV(name, -1);
    } else if (allow && kind == dfkSpreadsheet) {
      if (g.OnOleDrop) g.OnOleDrop(&g, -1, -1, name, allow);
      if (allow) g.LoadFromXLS(name);
    }
  }
  HideArrows();
}
