// TExColumnGrid: the grid whose columns are described by column items
// (TGridColumnItem in a TGridColumnCollection): each carries its header, editor
// kind, combo items, check texts, colours, fonts, alignment, read-only and fixed
// flags, width limits, number format and filter list. The column grid answers the
// per-cell questions from the column first and then lets the grid's own rules
// and the events have their say.
//
// Columns[i] describes the real column i (hidden columns counted); the
// collection always holds ColCount + NumHiddenColumns items.
//
// Facets: column_items.cpp (items and collection), column_grid.cpp (the grid,
// keeping the collection in step, headers, moves, limits), column_grid_hooks.cpp
// (the column-first answers).
#pragma once

#include <QString>
#include <memory>

class QIODevice;

#include "grid/base/column_stream.h"  // TColumnPopupType
#include "grid/view/ex_string_grid.h"
#include "platform/rtl/collection.h"

class TExColumnGrid;
class TGridColumnCollection;
class TPopupMenu;

class TGridColumnItem : public TCollectionItem {
public:
  explicit TGridColumnItem(TCollection* Collection);
  ~TGridColumnItem() override;

  // From another column item: every setting listed for copying (the width as
  // the source reports it, stored in the item only); other sources ignored.
  void Assign(const TPersistent* Source) override;
  // As Assign without Header, HeaderFont, Name, Tag, DropDownCount and
  // ComboItems; Color and Font come from the grid, not from Source.
  void AssignVisuals(const TGridColumnItem* Source);
  QString GetDisplayName() const override;

  // The grid of the collection the item lives in (nullptr outside one).
  TExColumnGrid* Grid() const;

  // The grid's width of the column; an item outside a grid reports its own.
  int Width() const;
  void SetWidth(int Value);
  // Stores the width in the item only (the grid's width upkeep).
  void SetWidthStored(int Value) { FWidth = Value; }
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TAlignment HeaderAlignment() const { return FHeaderAlignment; }
  void SetHeaderAlignment(TAlignment Value);
  QString Header() const { return FHeader; }
  void SetHeader(const QString& Value);
  // Stores the header without writing the grid (the grid's header upkeep).
  void StoreHeader(const QString& Value) { FHeader = Value; }
  TFont* Font() const { return FFont.get(); }
  void SetFont(const TFont* Value);
  TFont* HeaderFont() const { return FHeaderFont.get(); }
  void SetHeaderFont(const TFont* Value);
  TFont* PrintFont() const { return FPrintFont.get(); }
  void SetPrintFont(const TFont* Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TEditorType Editor() const { return FEditor; }
  void SetEditor(TEditorType Value);
  TStringList* ComboItems() const { return FComboItems.get(); }
  void SetComboItems(const TStringList* Value);
  bool Fixed() const { return FFixed; }
  void SetFixed(bool Value);
  bool Password() const { return FPassword; }
  void SetPassword(bool Value);
  bool ShowBands() const { return FShowBands; }
  void SetShowBands(bool Value);
  TCellBorders Borders() const { return FBorders; }
  void SetBorders(TCellBorders Value);
  TPen* BorderPen() const { return FBorderPen.get(); }
  void SetBorderPen(const TPen* Value);
  TPen* PrintBorderPen() const { return FPrintBorderPen.get(); }
  void SetPrintBorderPen(const TPen* Value);
  TNotifyStringList* Filter() const { return FFilter.get(); }
  void SetFilter(const TStringList* Value);
  QString FloatFormat() const { return FFloatFormat; }
  void SetFloatFormat(const QString& Value);

  TColor PrintColor = clWhite;
  int DropDownCount = 8;
  QString CheckTrue = QStringLiteral("Y");
  QString CheckFalse = QStringLiteral("N");
  bool ReadOnly = false;
  TCellBorders PrintBorders{cbTop, cbLeft, cbRight, cbBottom};
  bool PrintBorderCustom = true;
  bool PrintFontCustom = true;
  int SpinMin = 0;
  int SpinMax = 0;
  int SpinStep = 1;
  int MinSize = 0;
  int MaxSize = 0;
  int AutoMinSize = 0;
  int AutoMaxSize = 0;
  QString EditMask;
  int EditLength = 0;
  TEditLink* EditLink = nullptr;
  bool FilterCaseSensitive = false;
  TSortStyle SortStyle = ssAutomatic;
  QString SortPrefix;
  QString SortSuffix;
  TPopupMenu* ColumnPopup = nullptr;
  TColumnPopupType ColumnPopupType = cpFixedCellsRClick;
  QString Name;
  int Tag = 0;
  int DefIdx = 0;

  // The column's cells by row (text, integer, float, date, time).
  QString Rows(int ARow) const;
  void SetRows(int ARow, const QString& Value);
  int Ints(int ARow) const;
  void SetInts(int ARow, int Value);
  double Floats(int ARow) const;
  void SetFloats(int ARow, double Value);
  TDateTime Dates(int ARow) const;
  void SetDates(int ARow, TDateTime Value);
  TDateTime Times(int ARow) const;
  void SetTimes(int ARow, TDateTime Value);

private:
  void UpdateCollection();
  void InvalidateGrid() const;
  void CopyVisuals(const TGridColumnItem& s);

  int FWidth = 50;
  TAlignment FAlignment = taLeftJustify;
  TAlignment FHeaderAlignment = taLeftJustify;
  QString FHeader;
  std::unique_ptr<TFont> FFont;
  std::unique_ptr<TFont> FHeaderFont;
  std::unique_ptr<TFont> FPrintFont;
  TColor FColor = clWindow;
  TEditorType FEditor = edNormal;
  std::unique_ptr<TStringList> FComboItems;
  bool FFixed = false;
  bool FPassword = false;
  bool FShowBands = false;
  TCellBorders FBorders;
  std::unique_ptr<TPen> FBorderPen;
  std::unique_ptr<TPen> FPrintBorderPen;
  std::unique_ptr<TNotifyStringList> FFilter;
  QString FFloatFormat;
};

class TGridColumnCollection : public TCollectionOf<TGridColumnItem> {
public:
  explicit TGridColumnCollection(TExColumnGrid* AGrid) : FGrid(AGrid) {}

  TPersistent* GetOwner() const override;
  TExColumnGrid* Grid() const { return FGrid; }

  // A new item; with more than one item it takes the visuals of the one before.
  TGridColumnItem* Add();
  TGridColumnItem* Insert(int Index) { return TCollectionOf<TGridColumnItem>::Insert(Index); }
  TGridColumnItem* Items(int Index) const { return TCollectionOf<TGridColumnItem>::Items(Index); }
  void SetItem(int Index, const TGridColumnItem* Value) { Items(Index)->Assign(Value); }

  // Brings the collection in step and records each item's position.
  void SetOrganization();
  // Moves the columns back to their recorded positions.
  void ResetOrganization();

  // Set while the grid changes the collection itself.
  bool NoRecursiveUpdate = false;

protected:
  void Update(TCollectionItem* Item) override;

private:
  TExColumnGrid* FGrid;
};

class TExColumnGrid : public TExStringGrid {
public:
  explicit TExColumnGrid(TComponent* AOwner);
  ~TExColumnGrid() override;

  TGridColumnCollection* Columns() const { return FColumns.get(); }
  void SetColumns(const TGridColumnCollection* Value);
  // The first column whose Name equals AValue exactly; nullptr when none.
  TGridColumnItem* GetColumnByName(const QString& AValue) const;
  void SetColCount(int Value) override;
  // Brings the collection to ColCount + NumHiddenColumns items.
  void SyncColumns();
  // Rebuilds ColumnHeaders from the columns' headers (and row 0).
  void RebuildHeaderList();
  // How many times RebuildHeaderList has rebuilt the list: a caller tells from it
  // whether a change it made has already been shown in the header row.
  unsigned HeaderListBuilds() const { return FHeaderListBuilds; }
  // Whether the real column has an item.
  bool HasColumn(int ACol) const { return ACol >= 0 && ACol < FColumns->Count(); }
  // A normal cell: a column from FixedCols below AllColCount - FixedRightCols, a
  // row from FixedRows below RowCount - FixedFooters.
  bool IsNormalCell(int ACol, int ARow) const;
  bool ColumnMoving() const { return FMoving; }
  // The items follow inserted and removed columns; a grouped column's item is
  // kept aside and comes back when the grouping is undone.
  void InsertCols(int ColIndex, int CCount) override;
  void RemoveCols(int ColIndex, int CCount) override;
  void Group(int Colindex) override;
  void UnGroup() override;

  // --- streaming (grid/view/column_streaming.cpp) ---
  // Writes every column item's settings as a component stream of one
  // TExColumnGridIO object.
  void SaveColumnsToStream(QIODevice& Stream);
  // Reads such a stream and gives the grid its columns. A stream that holds no
  // such object, or any broken part of it, raises EReadError and changes nothing.
  void LoadColumnsFromStream(QIODevice& Stream);
  // With ColumnSize.Location clIniFile, the column positions in the file
  // ColumnSize.Key, section ColumnSize.Section.
  void SaveColPositions() override;
  void LoadColPositions() override;
  // Writes "CP" + i = the recorded position (DefIdx) of every column item i;
  // raises EFileError when the file cannot be written.
  void SaveColumnPositions(const QString& Key, const QString& Section);
  // Moves the columns to the positions recorded in the file; a file whose keys
  // do not name every column's position exactly once changes nothing.
  void LoadColumnPositions(const QString& Key, const QString& Section);

  bool AutoFilterDisplay = false;
  TColumnPopupEvent OnColumnPopup;
  TColumnMovedEvent OnAfterColumnMoved;

  // --- the column-first answers ---
  QString GetFormattedCell(int ACol, int ARow) override;
  void GetFloatFormatHook(int ACol, int ARow, QString& AFormat) override;
  TCellType GetCellType(int ACol, int ARow) override;
  TCellGraphic* GetCellGraphic(int ACol, int ARow) override;
  void UpdateColumnSizeHook(int ACol, int& Width) override;
  void UpdateAutoColumnSizeHook(int ACol, int& Width) override;
  void HeadersChangedHook() override;
  void RecalcAllFooters() override;
  void GetCellColorHook(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) override;
  void GetCellPrintColorHook(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) override;
  void GetCellBorderHook(int ACol, int ARow, TCellBorders& Borders, TPen* APen) override;
  void GetCellPrintBorderHook(int ACol, int ARow, TCellBorders& Borders, TPen* APen) override;
  void GetAlignmentHook(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) override;
  void GetFormatHook(int ACol, TSortStyle& Style, QString& Prefix, QString& Suffix) override;
  void GetComboEditorTypeHook(int ACol, int ARow, TEditorType& AEditor) override;
  void IsFixedCellHook(int ACol, int ARow, bool& IsFixed) override;
  void CanEditCell(int ACol, int ARow, bool& CanEdit) override;
  void IsPasswordCellHook(int ACol, int ARow, bool& IsPassword) override;
  bool HasComboBox(int ACol, int ARow) override;
  void GetCheckTrue(int ACol, int ARow, QString& Value) override;
  void GetCheckFalse(int ACol, int ARow, QString& Value) override;
  bool GetColumnFilterHook(int ACol) override;
  void FilterSelectHook(int Index) override;
  int GetVersionNr() override;
  QString GetVersionString() override;

  // The combo items, drop-down count and spin limits the column's editor gets
  // when its editor kind is asked (the editors read them from here).
  TStringList* EditorComboItems() const { return FEditorComboItems.get(); }
  int EditorDropDownCount() const { return FEditorDropDownCount; }
  int SpinMinValue = 0, SpinMaxValue = 0, SpinIncrement = 1;

protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // A new collection for the grid.
  virtual std::unique_ptr<TGridColumnCollection> CreateColumns();
  void ColumnMoved(int FromIndex, int ToIndex) override;
  void ColWidthsChanged() override;
  int GetEditLimit() override;
  // After the grid's mouse handling: the column pop-up menus.
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  QString GetEditMask(int ACol, int ARow) override;
  void GetCellColors(int ACol, int ARow, TFont* AFont, TBrush* ABrush, TColor& ColorTo, TColor& MirrorColor,
                     TColor& MirrorColorTo, TAlignment& HA, TVAlignment& VA, bool& WW,
                     TCellGradientDirection& GD) override;

private:
  std::unique_ptr<TGridColumnCollection> FColumns;
  std::unique_ptr<TGridColumnItem> FSpareItem;  // keeps a grouped column's settings
  std::unique_ptr<TCellGraphic> FDataCheckGraphic;
  std::unique_ptr<TStringList> FEditorComboItems;
  int FEditorDropDownCount = 8;
  bool FMoving = false;
  unsigned FHeaderListBuilds = 0;
  bool FHoldColumns = false;  // the column count changes without touching the items
};
