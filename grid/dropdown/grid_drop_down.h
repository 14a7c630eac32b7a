// A drop-down edit whose pop-up holds a whole suite grid as its list
// (grid_drop_down::TCustomExGridDropDown). In item mode (UseItems) the list is
// refilled from Items and Columns at every opening and each list row keeps the
// index of its item in the object of its column-0 cell, so sorting the list
// keeps the link; in grid mode the application fills the list itself.
// Typing is matched against the lookup column: lmLookup moves to the first
// entry that starts with the typed text, lmNarrowDown filters the list to the
// rows that contain it, lmNone does nothing. The drop-down hands its grid
// settings to the list at every opening and raises the list's events again
// under names beginning with OnGrid.
//
// The multi-column drop-down has classes of the same names; these live in
// their own namespace. Facets: grid_drop_down.cpp (construction, styles,
// opening, choosing and closing, the forwarded events), grid_drop_down_keys.cpp
// (item index, lookup, type-ahead and keys), grid_drop_down_list.cpp (the list).
#pragma once

#include <QString>
#include <memory>

#include "grid/dropdown/drop_down_list_grid.h"
#include "grid/dropdown/ex_drop_down.h"
#include "grid/dropdown/multi_column_drop_down.h"
#include "grid/view/ex_string_grid.h"

namespace grid_drop_down {

// Columns and items have exactly the multi-column drop-down's fields and rules.
using TDropDownColumn = ::TDropDownColumn;
using TDropDownColumns = ::TDropDownColumns;
using TDropDownItem = ::TDropDownItem;

// The items; a descendant collection supplies a richer item class through
// GetItemClass.
class TDropDownItems : public TNotifyingCollection<TDropDownItem> {
public:
  using TNotifyingCollection<TDropDownItem>::TNotifyingCollection;
  virtual TDropDownItem* GetItemClass() { return new TDropDownItem(this); }

protected:
  TCollectionItem* CreateItem() override { return GetItemClass(); }
};

enum TLookupMethod { lmLookup, lmNarrowDown, lmNone };
enum TDropDownStyle { dsDropDown, dsDropDownList };
enum TGridSorting { gsNone, gsSingleColumn, gsMultiColumn };

class TCustomExGridDropDown;

// The list of the pop-up: a suite grid with one header row. In item mode row
// r shows item r - 1, whose index is the object of cell (0, r); row 0 holds
// the captions with the object -1.
class TExColGrid : public TDropDownListGrid<TExStringGrid> {
public:
  explicit TExColGrid(TComponent* AOwner);
  ~TExColGrid() override;

  TCustomExGridDropDown* ExDropDown() const { return FExDropDown; }
  void SetExDropDown(TCustomExGridDropDown* Value) { FExDropDown = Value; }
  TDropDownColumns* Columns() const { return FColumns.get(); }
  void SetColumns(const TDropDownColumns* Value) { FColumns->Assign(Value); }
  TFont* HeaderFont() const { return FHeaderFont.get(); }
  void SetHeaderFont(const TFont* Value) { FHeaderFont->Assign(*Value); }
  int OwnGridLineWidth() const { return FGridLineWidth; }
  void SetOwnGridLineWidth(int Value);
  // (The drop-down's hover-row settings go into the grid's own HoverRow,
  // HoverRowColor and HoverRowColorTo, which its cell painting follows.)
  // The drop-down's images, for measuring image columns only.
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  TNotifyEvent OnSelect;
  TGetCellTextEvent OnGetCellText;   // not raised
  TGetCellPropEvent OnGetCellProp;   // not raised
  TMultiColumnDrawItemEvent OnDrawCell;  // not raised
  void SetConfirmSelection(bool Value) { FConfirmSelection = Value; }
  // Is a cell editor of the list open?
  bool CellEditorShown() const { return EditModeActive(); }
  void CloseCellEditor() { HideInplaceEdit(); }

  // Takes columns, counts, looks and options from the drop-down (each opening).
  void LoadFromDropDown(TCustomExGridDropDown* D);
  // Writes the captions and the items into the cells (item mode).
  void FillFromItems();
  // The width that shows every column (with a scroll bar when rows are hidden).
  int GetListWidth() const;
  void AutoSizeItemColumn(int Index);
  void AutoSizeItemColumns();
  void UpdateRowHeights();

protected:
  virtual void DoSelect();
  void KeyDown(int& Key, TShiftState Shift) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void WMKeyDown(TMessage& Message) override;
  void WMChar(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  // The text of a cell as the measuring reads it: the item's text in item
  // mode, else the cell's.
  QString MeasuredText(int Column, int Row);
  bool InPopup() const;

  TCustomExGridDropDown* FExDropDown = nullptr;
  std::unique_ptr<TDropDownColumns> FColumns;
  std::unique_ptr<TFont> FHeaderFont;
  TCustomImageList* FImages = nullptr;
  int FGridLineWidth = 1;
};

class TCustomExGridDropDown : public TExCustomDropDown {
public:
  explicit TCustomExGridDropDown(TComponent* AOwner);
  ~TCustomExGridDropDown() override;

  TExColGrid* GetExColGrid() const { return FExColGrid; }
  TDropDownItems* Items() const { return FItems.get(); }
  void SetItems(const TDropDownItems* Value) { FItems->Assign(Value); }
  TDropDownColumns* Columns() const { return FColumns.get(); }
  void SetColumns(const TDropDownColumns* Value) { FColumns->Assign(Value); }
  int RowCount() const { return FItems->Count(); }
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  TDropDownStyle Style() const { return FStyle; }
  void SetStyle(TDropDownStyle Value);
  TCustomImageList* GridImages() const { return FGridImages; }
  void SetGridImages(TCustomImageList* Value);
  TFont* HeaderFont() const { return FHeaderFont.get(); }
  void SetHeaderFont(const TFont* Value) { FHeaderFont->Assign(*Value); }
  TSearchFooter* SearchFooter() const { return FSearchFooter.get(); }
  void SetSearchFooter(const TSearchFooter* Value) { FSearchFooter->Assign(Value); }
  TBands* Bands() const { return FBands.get(); }
  void SetBands(const TBands* Value) { FBands->Assign(Value); }
  TNavigation* Navigation() const { return FNavigation.get(); }
  void SetNavigation(const TNavigation* Value) { FNavigation->Assign(Value); }
  TMouseActions* MouseActions() const { return FMouseActions.get(); }
  void SetMouseActions(const TMouseActions* Value) { FMouseActions->Assign(Value); }

  bool CaseSensitive = false;
  bool ColumnSizing = false;
  bool ColumnMoving = false;
  bool RowSizing = false;
  bool RowMoving = false;
  int LookupColumn = 0;
  TLookupMethod LookupMethod = lmLookup;
  TColor HeaderColor = 0xFFFFFF;
  TColor HeaderColorTo = 0x808080;
  TColor LineColor = 0xC0C0C0;
  TColor FixedLineColor = 0xD1BBA4;
  bool UseItems = true;
  int HeaderHeight = 25;
  bool RowSelect = true;
  bool ReturnIsTab = false;  // this control's own flag; the base's stays off
  bool MatchCase = false;
  bool MatchStart = true;  // stored only
  bool DropDownAutoWidth = true;
  bool ColumnSizeWithDropDown = true;
  TColor SelectionTextColor = 0x000000;
  int DropDownRowHeight = 22;
  bool HoverRow = false;
  TColor HoverRowColor = clInfoBk;
  TColor HoverRowColorTo = clNone;
  TGridSorting Sorting = gsNone;
  bool GridEditable = false;
  bool AutoShowDropDown = false;
  bool AutoSizeColumns = true;
  // The characters typed so far for the lookup.
  QString LookupEntry() const { return FLookupEntry; }

  // The first entry of the lookup column that starts with Value: an item
  // index in item mode, a list row in grid mode.
  bool FindLookupMatch(const QString& Value, QString& Text, int& Row) const;
  void BeginUpdate() {}
  void EndUpdate() { UpdateLookupItems(); }
  void Loaded();
  void SetComponentStyle(TSuiteStyle AStyle) override;
  void SetSelectionColorStyle(TSelectionColorStyle Value) override;
  // A text set in code is no typing: it completes nothing.
  void SetText(const QString& Value) override;

  // Navigation through ItemIndex, over GetItemCount items.
  void SelectFirst();
  void SelectLast();
  void SelectNext();
  void SelectPrevious();
  void SelectNextPage();
  void SelectPreviousPage();

  TNotifyEvent OnSelect;
  TAnchorClickEvent OnGridAnchorClick;
  TAnchorEvent OnGridAnchorEnter;
  TAnchorEvent OnGridAnchorExit;
  TAnchorHintEvent OnGridAnchorHint;
  TColRowEvent OnGridButtonClick;
  TCheckBoxClickEvent OnGridCheckBoxClick;
  TCellBalloonEvent OnGridCellBalloon;
  TBoolRowColEvent OnGridCanEditCell;
  TEllipsClickEvent OnGridEllipsClick;
  TGetEditorTypeEvent OnGridGetEditorType;
  TGetEditorPropEvent OnGridGetEditorProp;
  TGridAlignEvent OnGridGetAlignment;
  TGridColorEvent OnGridGetCellColor;
  TGridGradientEvent OnGridGetCellGradient;
  TFloatFormatEvent OnGridGetFloatFormat;
  TGetDisplTextEvent OnGridGetDiplText;
  TGridFormatEvent OnGridGetFormat;
  TGridHintEvent OnGridHint;
  TClickCellEvent OnGridRightClickCell;
  TScrollHintEvent OnGridScrollHint;
  TMouseEvent OnGridMouseDown;
  TMouseEvent OnGridMouseUp;
  TMouseMoveEvent OnGridMouseMove;
  TColAllowEvent OnGridColumnSize;
  TSizingEvent OnGridColumnSizing;
  TColEvent OnGridEndColumnSize;
  TRowAllowEvent OnGridRowSize;
  TSizingEvent OnGridRowSizing;
  TRowEvent OnGridEndRowSize;
  TRowAllowEvent OnGridRowMove;
  TRowAllowEvent OnGridRowMoving;
  TMovedEvent OnGridRowMoved;
  TColAllowEvent OnGridColumnMove;
  TColAllowEvent OnGridColumnMoving;
  TMovedEvent OnGridColumnMoved;
  TNotifyEvent OnGridTopLeftChanged;
  TSearchEditChangeEvent OnGridSearchEditChange;
  TRowEvent OnGridAutoAddRow;
  TRowEvent OnGridInsertRow;
  TRowEvent OnGridDeleteRow;
  TColEvent OnGridInsertCol;
  TCanAddRowEvent OnGridCanAddRow;
  TRowAllowEvent OnGridCanInsertRow;
  TRowAllowEvent OnGridCanDeleteRow;
  TCustomCellDrawEvent OnGridCustomCellDraw;
  TCustomCellDrawEvent OnGridCustomCellBkgDraw;
  TKeyEvent OnGridKeyDown;
  TKeyEvent OnGridKeyUp;
  TKeyPressEvent OnGridKeyPress;
  // Published, never raised: the list's sort events go to the drop-down's
  // own handlers.
  TColAllowEvent OnGridCanSort;
  TColEvent OnGridClickSort;
  TCustomCompareEvent OnGridCustomCompare;
  TRawCompareEvent OnGridRawCompare;
  TSpinClickEvent OnGridSpinClick;

  // --- used by the list ---
  int ItemOfRow(int R) const;
  int RowOfItem(int I) const;
  int GetItemCount() const;

protected:
  unsigned GetVersionNr() const override { return 0x06000101; }
  virtual TDropDownItems* CreateItems(TComponent* AOwner);
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void AdjustDropDownHeight(int& AHeight) override;
  void DoShowDropDown() override;
  void UpdateDropDownControl() override;
  void UpdateDropDownSize() override;
  void DoHideDropDown(bool Cancelled) override;
  void ControlKeyDown(int& Key, TShiftState Shift) override;
  void ControlKeyUp(int& Key, TShiftState Shift) override;
  void ControlKeyPress(QChar& Key) override;
  void DropDownSizing() override { SizeColumnsToDropDown(); }
  void HandleMouseWheelDown() override { SelectNext(); }
  void HandleMouseWheelUp() override { SelectPrevious(); }
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void DoEnter() override;
  void KeyDown(int& Key, TShiftState Shift) override;
  void KeyPress(QChar& Key) override;
  void KeyUp(int& Key, TShiftState Shift) override;
  void Change() override;
  void WMChar(TMessage& Message) override;
  void WMKeyDown(TMessage& Message) override;

  // The list's events raised again with the list's arguments (Sender: the list).
  virtual void DoGridAnchorClick(TObject* Sender, int ARow, int ACol, const QString& Anchor, bool& AutoHandle);
  virtual void DoGridAnchorEnter(TObject* Sender, int ARow, int ACol, const QString& Anchor);
  virtual void DoGridAnchorExit(TObject* Sender, int ARow, int ACol, const QString& Anchor);
  virtual void DoGridAnchorHint(TObject* Sender, int ARow, int ACol, QString& Anchor);
  virtual void DoGridButtonClick(TObject* Sender, int ACol, int ARow);
  virtual void DoGridCanSort(TObject* Sender, int ACol, bool& Allow);
  virtual void DoGridClickSort(TObject* Sender, int ACol);
  virtual void DoGridCustomCompare(TObject* Sender, const QString& str1, const QString& str2, int& Res);
  virtual void DoGridRawCompare(TObject* Sender, int ACol, int Row1, int Row2, int& Res);
  virtual void DoGridColumnSize(TObject* Sender, int ACol, bool& Allow);
  virtual void DoGridColumnSizing(TObject* Sender, int AIndex, int ASize);
  virtual void DoGridEndColumnSize(TObject* Sender, int ACol);
  virtual void DoGridRowSize(TObject* Sender, int ARow, bool& Allow);
  virtual void DoGridRowSizing(TObject* Sender, int AIndex, int ASize);
  virtual void DoGridEndRowSize(TObject* Sender, int ARow);
  virtual void DoGridRowMove(TObject* Sender, int ARow, bool& Allow);
  virtual void DoGridRowMoving(TObject* Sender, int ARow, bool& Allow);
  virtual void DoGridRowMoved(TObject* Sender, int FromIndex, int ToIndex);
  virtual void DoGridColumnMove(TObject* Sender, int ACol, bool& Allow);
  virtual void DoGridColumnMoving(TObject* Sender, int ACol, bool& Allow);
  virtual void DoGridColumnMoved(TObject* Sender, int FromIndex, int ToIndex);
  virtual void DoGridCustomCellDraw(TObject* Sender, TCanvas* Canvas, int ACol, int ARow, TGridDrawState AState,
                                    TRect ARect, bool Printing);
  virtual void DoGridCustomCellBkgDraw(TObject* Sender, TCanvas* Canvas, int ACol, int ARow, TGridDrawState AState,
                                       TRect ARect, bool Printing);
  virtual void DoGridCellBalloon(TObject* Sender, int ACol, int ARow, QString& ATitle, QString& AText, int& AIcon);
  virtual void DoGridGetAlignment(TObject* Sender, int ARow, int ACol, TAlignment& HAlign, TVAlignment& VAlign);
  virtual void DoGridGetCellColor(TObject* Sender, int ARow, int ACol, TGridDrawState AState, TBrush* ABrush,
                                  TFont* AFont);
  virtual void DoGridGetCellGradient(TObject* Sender, int ARow, int ACol, TColor& Color, TColor& ColorTo,
                                     TColor& ColorMirror, TColor& ColorMirrorTo, TCellGradientDirection& GD);
  virtual void DoGridGetFloatFormat(TObject* Sender, int ACol, int ARow, bool& IsFloat, QString& FloatFormat);
  virtual void DoGridGetEditorType(TObject* Sender, int ACol, int ARow, TEditorType& AEditor);
  virtual void DoGridGetEditorProp(TObject* Sender, int ACol, int ARow, TEditLink* AEditLink);
  virtual void DoGridCanEditCell(TObject* Sender, int ARow, int ACol, bool& Value);
  virtual void DoGridEllipsClick(TObject* Sender, int ACol, int ARow, QString& S);
  virtual void DoGridGetDisplText(TObject* Sender, int ACol, int ARow, QString& Value);
  virtual void DoGridGetFormat(TObject* Sender, int ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix);
  virtual void DoGridHint(TObject* Sender, int ARow, int ACol, QString& hintstr);
  virtual void DoGridMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
  virtual void DoGridMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void DoGridMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void DoGridKeyDown(TObject* Sender, int& Key, TShiftState Shift);
  virtual void DoGridKeyUp(TObject* Sender, int& Key, TShiftState Shift);
  virtual void DoGridKeyPress(TObject* Sender, QChar& Key);
  virtual void DoGridRightClickCell(TObject* Sender, int ARow, int ACol);
  virtual void DoGridScrollHint(TObject* Sender, int ARow, QString& hintstr);
  virtual void DoGridTopLeftChanged(TObject* Sender);
  virtual void DoGridSearchEditChange(TObject* Sender, const QString& Value, bool& DefaultSearch);
  virtual void DoGridSpinClick(TObject* Sender, int ACol, int ARow, int AValue, bool UpDown);
  virtual void DoGridAutoAddRow(TObject* Sender, int ARow);
  virtual void DoGridAutoInsertRow(TObject* Sender, int ARow);
  virtual void DoGridAutoInsertCol(TObject* Sender, int ACol);
  virtual void DoGridAutoDeleteRow(TObject* Sender, int ARow);
  virtual void DoGridCanAddRow(TObject* Sender, bool& CanAdd);
  virtual void DoGridCanInsertRow(TObject* Sender, int ARow, bool& Allow);
  virtual void DoGridCanDeleteRow(TObject* Sender, int ARow, bool& Allow);

private:
  void UpdateLookupItems();
  int LookupByKey(QChar Key);
  // Puts the first normal row's lookup text into the edit after narrowing.
  int NarrowByEntry(const QString& Entry);
  void SizeColumnsToDropDown();
  // Wires the list's events to the handlers and the forwarders.
  void WireListEvents();
  void HandOverSettings();
  void ListSelectCell(int ACol, int ARow, bool& CanSelect);
  void ListSelect();
  void ListCanSort(int ACol, bool& Allow);
  void ListClickSort(int ACol);
  void ListEndBlockFocus();
  void SetEditSelection(int Start, int Length);

  std::unique_ptr<TFont> FHeaderFont;
  std::unique_ptr<TDropDownItems> FItems;
  std::unique_ptr<TDropDownColumns> FColumns;
  std::unique_ptr<TSearchFooter> FSearchFooter;
  std::unique_ptr<TBands> FBands;
  std::unique_ptr<TNavigation> FNavigation;
  std::unique_ptr<TMouseActions> FMouseActions;
  TExColGrid* FExColGrid = nullptr;
  TCustomImageList* FGridImages = nullptr;
  TDropDownStyle FStyle = dsDropDown;
  int FItemIndex = -1;
  int FSelRow = 0;
  bool FBalloonInit = false;
  bool workmode = true;
  QString FOldValue;
  TStringList FLookupItems;
  bool FItemChange = false;
  int FItemIdx = 0;
  int FItemSel = 0;
  int FOldItemIndex = -1;
  int FTempItemIndex = 0;
  QString FLookupEntry;
  bool FRefilling = false;       // the opening refills and places the list
  bool FBlockTypeAhead = false;  // the completion's own text change
  bool FTextInCode = false;      // SetText is running
  // The selection a completion asks for (the edit's typing would reset it).
  bool FSelPending = false;
  int FSelStart = 0, FSelLength = 0;
};

}  // namespace grid_drop_down
