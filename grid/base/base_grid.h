// The cell store under the grid control: cell texts in the string grid's Cells,
// an optional TCellProperties per cell in its Objects (made on first use), merged
// cells encoded in those properties, the accessors through which the grid control
// and every table editor read and write cells, two display-text hooks, keys and
// wheel that never leave the cursor on a covered cell, the painting of every cell
// (background, hover and active row, styled selection, the grid's own lines,
// merged blocks once per pass) and neutral virtual hooks that the grid control
// overrides.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "grid/base/cell_properties.h"
#include "platform/grids/string_grid.h"

class TBaseGrid;

// The class library's string grid with object slots (no members of its own).
class TObjStringGrid : public TStringGrid {
public:
  using TStringGrid::TStringGrid;
};

class TExGridUndoRedo;  // grid/base/undo_redo.h

enum TGridSelectionStyle { ssDefault, ssVista, ssWin7, ssOffice2007 };
enum THoverRowCell { hcNormal, hcFixed, hcSelected };
using THoverRowCells = TSet<THoverRowCell>;

using TGetDisplTextEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)>;
// The wide text is a QString too; the hook receives it unpacked.
using TGetDisplWideTextEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)>;

class TBaseGrid : public TObjStringGrid {
  friend class TExGridUndoRedo;  // moves the cursor to a real column's display column

public:
  explicit TBaseGrid(TComponent* AOwner);
  ~TBaseGrid() override;

  // --- cell text and objects (real columns) ---
  QString GetCellEx(int c, int r);
  void SetCellEx(int c, int r, const QString& Value);
  QString GetGridCell(int c, int r) const { return Cells(c, r); }
  void SetGridCell(int c, int r, const QString& Value) { SetCells(c, r, Value); }
  TObject* GetGridObject(int c, int r) const { return Objects(c, r); }
  void SetGridObject(int c, int r, TObject* Value) { SetObjects(c, r, Value); }
  // The cell's properties, made on first use. A cell outside the grid gets a
  // scratch object that belongs to no cell (what is written to it is lost).
  TCellProperties* GetCellProperties(int c, int r);
  // Frees the present properties and stores Value (owned from now on); outside
  // the grid Value is freed and nothing is stored.
  void SetCellProperties(int c, int r, TCellProperties* Value);
  bool CellHasProperties(int c, int r) const;
  // The cell's properties when it has some, else null (nothing is made).
  TCellProperties* ExistingCellProperties(int c, int r) const { return Props(c, r); }
  uintptr_t GetObjectEx(int c, int r) const;
  void SetObjectEx(int c, int r, uintptr_t Value);
  TObject* GetGraphicObjectEx(int c, int r) const;
  void SetGraphicObjectEx(int c, int r, TObject* Value);
  static TObject* CellGraphicOf(const TCellProperties* props) { return props ? props->GraphicObject : nullptr; }
  void FreeCellProperties(int c, int r);
  // Frees an object taken out of a cell's slot: cell properties with the
  // graphic they own, any other object as it is.
  static void FreeCellObject(TObject* Object);
  void FreeCellPropertiesRect(int ACol1, int ARow1, int ACol2, int ARow2);
  void FreeAllCellProperties();
  void ResetCell(int c, int r);
  void ResetRowCells(int r);
  void ResetColumnCells(int c);

  // --- merged cells ---
  virtual void MergeCells(int c, int r, int spanx, int spany);
  virtual void SplitCells(int c, int r);
  bool IsBaseCell(int ACol, int ARow) const;
  bool IsMergedCell(int ACol, int ARow) const;
  bool IsMergedNonBaseCell(int ACol, int ARow) const;
  bool IsXMergedCell(int ACol, int ARow) const;
  bool IsYMergedCell(int ACol, int ARow) const;
  TPoint BaseCell(int ACol, int ARow) const;
  bool FindBaseCell(int ACol, int ARow, int& BaseCol, int& BaseRow) const;
  TPoint CellSpan(int ACol, int ARow) const;
  TPoint CellExt(int ACol, int ARow) const;
  TRect FullCell(int c, int r) const;
  int MinRowSpan(int ARow) const;
  int MaxRowSpan(int ARow) const;
  bool RowSpanIdentical(int ARow1, int ARow2) const;
  bool ColSpanIdentical(int ACol1, int ACol2) const;
  void MoveToBaseCell();

  // --- geometry and repainting ---
  TRect CalcCellRect(int c, int r) const;
  // The whole block for a merged cell; see the store's rules for other cells.
  TRect CellRect(int c, int r) const;
  TPoint CellSize(int c, int r) const;
  void RepaintCell(int c, int r);

  // --- painting entry points ---
  void PaintCell(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState);
  // The cell's look (background and lines) into exactly ARect, without content.
  void PaintCellExt(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState);

  // --- settings with setters ---
  bool DefaultDrawing() const { return defaultDrawing_; }
  void SetDefaultDrawing(bool value);
  int GridLineWidth() const { return gridLineWidth_; }
  void SetGridLineWidth(int value);
  TColor GridLineColor() const { return gridLineColor_; }
  void SetGridLineColor(TColor value);
  TColor GridFixedLineColor() const { return gridFixedLineColor_; }
  void SetGridFixedLineColor(TColor value);
  TGridSelectionStyle SelectionStyle() const { return selectionStyle_; }
  void SetSelectionStyle(TGridSelectionStyle value);
  bool ActiveRowShow() const { return activeRowShow_; }
  void SetActiveRowShow(bool value);
  TColor ActiveRowColor() const { return activeRowColor_; }
  void SetActiveRowColor(TColor value);
  TColor ActiveRowColorTo() const { return activeRowColorTo_; }
  void SetActiveRowColorTo(TColor value);
  TColor ActiveRowMirrorColor() const { return activeRowMirrorColor_; }
  void SetActiveRowMirrorColor(TColor value);
  TColor ActiveRowMirrorColorTo() const { return activeRowMirrorColorTo_; }
  void SetActiveRowMirrorColorTo(TColor value);
  TExGridUndoRedo* UndoRedo() const { return undoRedo_; }
  void SetUndoRedo(TExGridUndoRedo* value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value) { wordWrap_ = value; }

  // --- plain fields (read and written by the grid control) ---
  int PaintID = 1;
  bool HideLastRow = false;
  int NormalRowCount = 0;
  int HoverRowIdx = -1;
  bool HoverRow = false;
  THoverRowCells HoverRowCells{hcNormal, hcSelected};
  TColor HoverRowColor = clInfoBk;
  TColor HoverRowColorTo = clNone;
  bool ShowSel = true;
  bool HasCellProps = false;
  int MergeCount = 0;

  TGetDisplTextEvent OnGetDisplText;
  TGetDisplWideTextEvent OnGetDisplWideText;

protected:
  // --- neutral hooks the grid control overrides ---
  virtual bool IsFixed(int ACol, int ARow) { return false; }
  virtual int GetRowIndent(int ARow) { return 0; }
  virtual bool HasNodes() { return false; }
  virtual void DrawGridCell(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState);
  virtual void LastRowChanged() {}
  virtual void DoGetDisplText(int ACol, int ARow, QString& Value);
  virtual void DoGetDisplWideText(int ACol, int ARow, QString& Value);
  virtual void GetCellColors(int ACol, int ARow, TFont* AFont, TBrush* ABrush, TColor& ColorTo, TColor& MirrorColor,
                             TColor& MirrorColorTo, TAlignment& HA, TVAlignment& VA, bool& WW,
                             TCellGradientDirection& GD);
  virtual void CellChanged(int ACol, int ARow) {}
  virtual bool HasCellBorderEvent() { return false; }
  virtual bool UsesVCLStyles() { return false; }
  virtual void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select, bool Remap,
                                   TBrush* ABrush, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                                   TFont* AFont, TAlignment& HA, TVAlignment& VA, bool& WW,
                                   TCellGradientDirection& GD) {}
  virtual int DisplColIndex(int ACol) { return ACol; }
  virtual int TotalColCount() const { return ColCount(); }

  // --- overrides of the string grid ---
  void Paint() override;
  void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) override;
  bool SelectCell(int ACol, int ARow) override;
  void KeyDown(int& Key, TShiftState Shift) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  void TopLeftChanged() override;
  QString GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const QString& Value) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  void PaintCellCore(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState, bool Full);

private:
  // The cell's properties when it has some (nothing is made).
  TCellProperties* Props(int c, int r) const;
  bool InStore(int c, int r) const;
  void DrawSelectionFrame(TCanvas* ACanvas, int ACol, const TRect& R);
  void DrawCellLines(TCanvas* ACanvas, int ACol, const TRect& R, bool fixed, TColor background);

  bool defaultDrawing_ = false;
  int gridLineWidth_ = 1;
  TColor gridLineColor_ = clSilver;
  TColor gridFixedLineColor_ = clGray;
  TGridSelectionStyle selectionStyle_ = ssDefault;
  bool activeRowShow_ = false;
  TColor activeRowColor_ = clInfoBk;
  TColor activeRowColorTo_ = clNone;
  TColor activeRowMirrorColor_ = clNone;
  TColor activeRowMirrorColorTo_ = clNone;
  TExGridUndoRedo* undoRedo_ = nullptr;
  bool wordWrap_ = true;
  std::unique_ptr<TCellProperties> scratch_;
};
