// Undo and redo of cell-text changes for one grid: a list of recorded changes
// (real column, row, text before, text after) and sequence markers that bracket
// changes belonging together (a paste, a cut). Level counts the items that are
// done; Undo walks back one change or one whole sequence, Redo forward. Undo and
// Redo write the cells through the grid's SetCellEx and move its cursor there.
#pragma once

#include <QString>
#include <functional>

#include "platform/rtl/collection.h"
#include "platform/ui/component.h"

class TBaseGrid;

// One recorded step: a change of one cell, or a sequence marker (column and row -1).
class TUndoRedoItem : public TCollectionItem {
public:
  using TCollectionItem::TCollectionItem;
  int Row = -1;
  int Col = -1;           // the real column (hidden columns counted)
  QString Value;          // the text after the change (written by Redo)
  QString OrigValue;      // the text before the change (written by Undo)
  bool SequenceStart = false;
  bool SequenceStop = false;

  bool IsMarker() const { return SequenceStart || SequenceStop; }
};

class TUndoRedoCollection : public TCollectionOf<TUndoRedoItem> {};

// Raised before each cell is written: OrigValue is the cell's text now, NewValue
// the text about to be written.
using TExGridUndoRedoEvent = std::function<void(TObject* Sender, TBaseGrid* Grid, int Col, int Row,
                                                const QString& OrigValue, const QString& NewValue)>;

class TExGridUndoRedo : public TComponent {
public:
  explicit TExGridUndoRedo(TComponent* AOwner);
  ~TExGridUndoRedo() override;

  TUndoRedoCollection* Items() { return &FItems; }
  int Count() const { return FItems.Count(); }
  TBaseGrid* Grid() const { return FGrid; }
  // Set by the grid's UndoRedo setter; forgotten when that grid is freed.
  void SetGrid(TBaseGrid* AGrid);
  // Items 0 .. Level - 1 are done, Level .. Count - 1 undone; always within 0..Count.
  int Level() const { return FLevel; }
  // The most items kept; 0 or less keeps every item. Trimming drops whole steps
  // (a change or a closed sequence) from the oldest end.
  int MaxLevel = 0;

  // One change of the cell at real column ACol, row ARow from OldValue to NewValue.
  virtual void RegisterChange(int ACol, int ARow, const QString& OldValue, const QString& NewValue);
  virtual void StartSequence();
  virtual void StopSequence();
  void Undo();
  void Redo();
  bool CanUndo() const { return FLevel > 0; }
  bool CanRedo() const { return FLevel < Count(); }
  // Removes every item; nothing is left to undo or redo.
  void Reset();

  TExGridUndoRedoEvent OnUndo;
  TExGridUndoRedoEvent OnRedo;

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  void Append(int ACol, int ARow, const QString& OldValue, const QString& NewValue, bool Start, bool Stop);
  void TrimOldestStep();
  void Restore(TUndoRedoItem* Item);
  void Reapply(TUndoRedoItem* Item);
  // Writes Text into the item's cell and moves the grid's cursor there.
  void WriteCell(TUndoRedoItem* Item, const QString& Text, const TExGridUndoRedoEvent& Event);
  TUndoRedoItem* At(int Index) const { return FItems.Items(Index); }

  TUndoRedoCollection FItems;
  TBaseGrid* FGrid = nullptr;
  int FLevel = 0;
};
