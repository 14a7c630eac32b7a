// A drop-down edit whose pop-up lists items in several columns under a header
// row (TExMultiColumnDropDown). Every item has one text per column; the edit
// shows the chosen item's text of the lookup column. Typing in the edit
// completes the text from the lookup column (type-ahead); typing in the open
// list searches the lookup column incrementally. The list (TExColGrid) is a
// string grid that paints the items straight from the drop-down's Items.
//
// Facets: multi_column_drop_down.cpp (the drop-down), multi_column_list.cpp
// (the list), multi_column_rules.cpp (the window-free rules).
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "grid/dropdown/drop_down_list_grid.h"
#include "grid/dropdown/ex_drop_down.h"
#include "grid/dropdown/header_footer_settings.h"
#include "platform/grids/string_grid.h"
#include "platform/rtl/collection.h"
#include "platform/rtl/string_list.h"

class TExMultiColumnDropDown;

// One row of the multi-column drop-down's style table: header colours and
// font colour (clNone: keep), the selection style, the line colours, the
// selection text colour and the selection colours (clNone: from the selection
// style).
struct TMultiColumnStylePreset {
  TSuiteStyle style;
  TColor header, headerTo, headerFont;
  int selStyle;
  TColor line, fixedLine, selText, selection;
};
// The row of a style; nullptr for styles without one.
const TMultiColumnStylePreset* FindMultiColumnStyle(TSuiteStyle AStyle);

enum TColumnType { ctText, ctImage };

class TDropDownColumn : public TCollectionItem {
public:
  explicit TDropDownColumn(TCollection* Collection);
  ~TDropDownColumn() override;
  bool Wordwrap = false;
  int Width = 80;
  bool AutoSize = false;
  QString Header;
  TAlignment Alignment = taLeftJustify;
  TColor Color = 0xFFFFFF;
  TColumnType ColumnType = ctText;
  TFont* Font() const { return FFont.get(); }
  void SetFont(const TFont* Value);
  bool Ellipsis = false;
  void Assign(const TPersistent* Source) override;

private:
  std::unique_ptr<TFont> FFont;
};

// The columns; OnChange is declared for the owner and never raised.
using TDropDownColumns = TNotifyingCollection<TDropDownColumn>;

class TDropDownItem : public TCollectionItem {
public:
  explicit TDropDownItem(TCollection* Collection) : TCollectionItem(Collection) {}
  int ImageIndex = -1;
  // The texts, one per column in column order.
  TStringList& Text() { return FText; }
  const TStringList& Text() const { return FText; }
  void SetText(const TStringList& Value) { FText = Value; }
  // The text at a column; empty when the item has none there.
  QString TextAt(int Column) const;
  void Assign(const TPersistent* Source) override;

private:
  TStringList FText;
};

class TDropDownItems : public TNotifyingCollection<TDropDownItem> {
public:
  using TNotifyingCollection<TDropDownItem>::TNotifyingCollection;
  // The first item whose text at Column equals Value (with case); -1 when none.
  int IndexInColumn(int Column, const QString& Value) const;
};

using TMultiColumnDrawItemEvent =
    std::function<void(TObject* Sender, int Column, int Row, TCanvas* ACanvas, TRect ARect)>;
using TGetCellTextEvent = std::function<void(TObject* Sender, int Column, int Row, QString& Text)>;
using TGetCellPropEvent =
    std::function<void(TObject* Sender, int Column, int Row, TFont* Font, TColor& AColor, TColor& AColorTo)>;

// The list of the pop-up: one fixed header row, then one row per item.
class TExColGrid : public TDropDownListGrid<TStringGrid> {
public:
  explicit TExColGrid(TComponent* AOwner);
  ~TExColGrid() override;

  TExMultiColumnDropDown* ExDropDown() const { return FExDropDown; }
  void SetExDropDown(TExMultiColumnDropDown* Value) { FExDropDown = Value; }
  TDropDownColumns* Columns() const { return FColumns.get(); }
  TFont* HeaderFont() const { return FHeaderFont.get(); }
  int OwnGridLineWidth() const { return FGridLineWidth; }
  // The lines the list draws itself; the grid's own lines stay at 0.
  void SetOwnGridLineWidth(int Value);
  TNotifyEvent OnSelect;

  // Takes columns, rows and looks from the drop-down (each opening).
  void LoadFromDropDown(TExMultiColumnDropDown* ADropDown);
  // The width that shows every column (with a scroll bar when rows are hidden).
  int GetListWidth() const;
  TRect GetCellRect(int ACol, int ARow) const;
  void AutoSizeItemColumn(int Index);
  void AutoSizeItemColumns();
  void UpdateRowHeights();

protected:
  virtual void DoSelect();
  void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) override;
  void KeyDown(int& Key, TShiftState Shift) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void WMKeyDown(TMessage& Message) override;

private:
  // The item text the list shows at a column of a list row.
  QString ItemText(int Column, int Row) const;
  bool InPopup() const;

  TExMultiColumnDropDown* FExDropDown = nullptr;
  std::unique_ptr<TDropDownColumns> FColumns;
  std::unique_ptr<TFont> FHeaderFont;
  int FGridLineWidth = 1;
};

class TExMultiColumnDropDown : public TExCustomDropDown {
public:
  explicit TExMultiColumnDropDown(TComponent* AOwner);
  ~TExMultiColumnDropDown() override;

  TDropDownItems* Items() const { return FItems.get(); }
  void SetItems(const TDropDownItems* Value) { FItems->Assign(Value); }
  TDropDownColumns* Columns() const { return FColumns.get(); }
  void SetColumns(const TDropDownColumns* Value) { FColumns->Assign(Value); }
  int RowCount() const { return FItems->Count(); }
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  // The first item whose lookup text equals Value (with case); -1 when none.
  int GetItemIndex(const QString& Value) const;
  int LookupColumn = 0;  // takes effect in the lookup list at the next EndUpdate
  bool ColumnSizing = false;
  TColor HeaderColor = 0xFFFFFF;
  TColor HeaderColorTo = 0x808080;
  TColor LineColor = 0xC0C0C0;
  TColor FixedLineColor = 0xD1BBA4;
  int HeaderHeight = 25;
  TFont* HeaderFont() const { return FHeaderFont.get(); }
  void SetHeaderFont(const TFont* Value);
  bool DropDownAutoWidth = true;
  bool ColumnSizeWithDropDown = true;
  TColor SelectionTextColor = 0x000000;
  int DropDownRowHeight = 22;
  bool CaseSensitive = false;
  bool ReturnIsTab = false;
  bool MatchCase = false;
  bool MatchStart = true;  // stored only: matching is always from the start
  TExColGrid* List() const { return FExColGrid; }
  // The incremental search text of the open list.
  QString LookupEntry() const { return FLookupEntry; }

  void BeginUpdate() {}
  // Rebuilds the lookup list from the items.
  void EndUpdate() { UpdateLookupItems(); }
  void Loaded() { UpdateLookupItems(); }
  void Assign(const TPersistent* Source) override;
  void SetSelectionColorStyle(TSelectionColorStyle Value) override;
  void SetComponentStyle(TSuiteStyle AStyle) override;

  TNotifyEvent OnSelect;
  TMultiColumnDrawItemEvent OnDropDownDrawItem;
  TGetCellPropEvent OnDropDownGetItemProp;  // not raised
  TGetCellTextEvent OnDropDownGetItemText;

  // --- used by the list ---
  void ListDrawSelection(TCanvas* Canvas, TRect R, TColor Color, int Run) {
    DrawSelectionBackground(Canvas, R, static_cast<int>(Color), Run);
  }
  void ListDrawGradient(TCanvas* Canvas, TColor From, TColor To, TRect R) {
    DrawGradient(Canvas, From, To, 80, R, gdVertical);
  }

  // Navigation through ItemIndex.
  void SelectFirst();
  void SelectLast();
  void SelectNext();
  void SelectPrevious();
  void SelectNextPage();
  void SelectPreviousPage();

protected:
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
  void KeyDown(int& Key, TShiftState Shift) override;
  void KeyPress(QChar& Key) override;
  void KeyUp(int& Key, TShiftState Shift) override;
  void Change() override;
  void WMKeyDown(TMessage& Message) override;
  void WMChar(TMessage& Message) override;

public:
  // A text set in code is no typing: it completes nothing.
  void SetText(const QString& Value) override;

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  void UpdateLookupItems();
  QStringList LookupEntries() const;
  bool FindLookupMatch(const QString& Value, QString& Text, int& Index) const;
  int LookupByKey(QChar Key);
  void SizeColumnsToDropDown();
  void ListSelectCell(int ACol, int ARow, bool& CanSelect);
  void ListSelect();

  bool FShowing = false;
  std::unique_ptr<TDropDownItems> FItems;
  std::unique_ptr<TDropDownColumns> FColumns;
  int FItemIndex = -1;
  std::unique_ptr<TFont> FHeaderFont;
  TExColGrid* FExColGrid = nullptr;
  bool workmode = true;
  QString FOldValue;
  TStringList FLookupItems;
  bool FItemChange = false;
  int FItemIdx = 0;
  int FItemSel = 0;
  int FOldItemIndex = -1;
  QString FLookupEntry;
  bool FBlockTypeAhead = false;  // the completion's own text change
  bool FTextInCode = false;      // SetText is running
  // The selection a completion asks for (the edit's typing would reset it).
  bool FSelPending = false;
  int FSelStart = 0, FSelLength = 0;
};
