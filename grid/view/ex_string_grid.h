// TExStringGrid: the table control of every editor form. It stands on the cell
// store (TBaseGrid) and adds the settings objects it owns, the published events
// and the per-cell virtual hooks (base behaviour: the grid's own settings, then
// the matching event), hidden columns and rows with the mapping between display
// and real indexes, typed and real-row cell access, per-cell looks, the
// selection model and the property accessors with their upkeep.
//
// The class is one header with one .cpp per facet: grid_construction.cpp,
// grid_hooks.cpp, cell_graphics.cpp, typed_cell_access.cpp,
// cell_text_access.cpp, cell_look_access.cpp, hidden_columns.cpp,
// hidden_rows.cpp, selection.cpp, grid_properties.cpp (with
// the settings objects' requests).
// Its looks and cell graphics: cell_appearance.cpp, cell_drawing.cpp,
// cell_glyphs.cpp, grid_painting.cpp, check_boxes.cpp, cell_graphic_kinds.cpp,
// cell_hints.cpp, scrolling.cpp, column_sizing.cpp, key_press_advance.cpp,
// balloons_radio_groups.cpp, look_presets.cpp, zoom_view.cpp (zoom, focus
// frame, sizing hint); in
// grid/data auto_sizing.cpp and text_measures.cpp; in grid/input the keyboard,
// mouse and in-place editing. Its operations on data in grid/data:
// insert_remove.cpp and remove_by_selection.cpp (rows and columns),
// cell_ranges.cpp; the files and streams in bin_cells.cpp, text_cells.cpp,
// csv_io.cpp, fixed_ascii.cpp, html_export.cpp, xml_io.cpp, office_formats.cpp
// and persistence.cpp (their formats in files of their own beside them); the
// printing in print_frame.cpp (the page frame), print_pages.cpp and
// print_cells.cpp.
//
// Index kinds: a real column counts hidden columns (the cell store's column);
// a display column only the shown ones. Rows are the cell store's rows; hidden
// rows are moved out of the store into TGridItem records, and the `All...`
// operations take real rows (hidden rows counted).
#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "grid/base/base_grid.h"
#include "grid/base/bands.h"
#include "grid/base/control_list.h"
#include "grid/base/int_list.h"
#include "grid/base/mouse_actions.h"
#include "grid/base/navigation.h"
#include "grid/base/search_footer.h"
#include "grid/base/sort_index_list.h"
#include "grid/base/sync_grid.h"
#include "grid/data/column_size.h"
#include "grid/data/filter_settings.h"
#include "grid/data/floating_footer.h"
#include "grid/data/print_settings.h"
#include "grid/data/sort_settings.h"
#include "grid/view/background.h"
#include "grid/view/balloon_settings.h"
#include "grid/view/cell_graphic.h"
#include "grid/view/control_look.h"
#include "grid/view/drag_settings.h"
#include "grid/view/grid_item.h"
#include "grid/view/grid_types.h"
#include "grid/view/grouping_settings.h"
#include "grid/view/html_settings.h"
#include "grid/view/notify_strings.h"
#include "grid/view/progress_appearance.h"
#include "grid/view/settings_host.h"
#include "grid/view/show_modified.h"
#include "grid/view/size_while_typing.h"
#include "grid/view/tree_settings.h"
#include "grid/base/color_tones.h"
#include "grid/base/suite_style.h"
#include "grid/base/draw_routines.h"
#include "platform/ui/form.h"
#include "platform/ui/hint_info.h"
#include "platform/ui/messages.h"
#include "platform/ui/timer.h"

// A look's identifier ("glStandard" ...) and its display name ("Standard" ...);
// glCustom leaves S unchanged.
void GridLookToString(TGridLook Value, QString& S);
void GridLookDisplayName(TGridLook Value, QString& S);
// Where the column or row at Index lands when the one at From moves to To.
int FollowMove(int Index, int From, int To);

// The grid's colour presets (same order as the suite styles).
enum TExGridStyle {
  gsOffice2003Blue, gsOffice2003Silver, gsOffice2003Olive, gsOffice2003Classic, gsOffice2007Luna,
  gsOffice2007Obsidian, gsWindowsXP, gsWhidbey, gsCustom, gsOffice2007Silver, gsWindowsVista, gsWindows7,
  gsTerminal, gsOffice2010Blue, gsOffice2010Silver, gsOffice2010Black
};
enum TXPColorScheme { xpNone, xpBlue, xpGreen, xpGray, vistaAero };

// A scroll bar's proportional thumb (Apply false: the bar is left as it is).
struct TProportionalThumb {
  bool Apply = false;
  int Max = 0;
  int Page = 0;
  int Position = 0;
  bool operator==(const TProportionalThumb&) const = default;
};

class TExStringGrid;

// The one object that follows the grid's cell selection.
class ITExStringGridSelect {
public:
  virtual ~ITExStringGridSelect() = default;
  virtual void SelectionChanged(int ACol, int ARow) = 0;
};

// A component that is told which cells of a grid changed.
class TGridChangeNotifier : public TComponent {
public:
  using TComponent::TComponent;
  virtual void GridCellsChanged(TRect R) {}
};

class QIODevice;
class TExStringGridCheck;
class TPicture;
class TCustomImageList;
class TPictureContainer;
class THTMLPictureCache;
class TIcon;
class TFilePicture;
struct THtmlDrawInput;
struct THtmlDrawOutput;
class TFocusHelper;
class TGridFocusWindow;
class TScrollControl;
class TArrowWindow;
class THeaderDragButton;
class THintWindow;
class TPageCanvas;
struct TPrintJob;
class TGridDropTarget;
class TGridDropSource;
class TListBox;
class TPopupWindow;
class TSortKeys;
class TSearchPanel;
class TFooterPanel;
class TDropList;
class TDropCheckList;
// In-place editing: the editor controls (grid/input).
class TExInplaceEdit;
class TGridCombo;
class TGridSpin;
class TGridCheckBox;
class TGridButton;
class TGridDatePicker;
class TGridDateTimePicker;
class TGridEditBtn;
class TGridUnitEditBtn;
class TGridTransEdit;
class TGridTransCombo;
class TControlEdit;
class TControlCombo;
template <class TDropDown>
class TGridDropDownEditor;
class TExTrackBarDropDown;
class TExMemoDropDown;
class TExCalculatorDropdown;
class TExTimePickerDropDown;
class TExDetailDropDown;
class TExMultiColumnDropDown;
class TExColorPickerDropDown;
class TExImagePickerDropDown;
namespace grid_drop_down {
class TCustomExGridDropDown;
}
class TExRichEdit;
class TForm;

class TExStringGrid : public TBaseGrid, public TGridSettingsHost, public ISuiteStyle, public ISuiteTones {
public:
  explicit TExStringGrid(TComponent* AOwner);
  ~TExStringGrid() override;

  // ===================== construction and lifecycle =====================

  // Copies another grid's settings in a fixed order, then its cells
  // (AssignCells); any other source is ignored.
  void Assign(const TPersistent* Source) override;
  // Copies the cells of another grid; any other source is ignored.
  virtual void AssignCells(const TPersistent* Source);
  void Invalidate() override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void SetParent(TWinControl* AParent) override;
  // Scroll-bar visibility by ScrollBarAlways.
  void ApplyScrollBarAlways(bool HideUnneeded);
  // The grid's single cell font filled from the cell's properties, or Font.
  TFont* GetCellFont(int ACol, int ARow);
  static TForm* FindOwnerForm(TControl* AControl);
  // Construction and lifecycle: the owner form's resize. With SizeWithForm the grid
  // grows and shrinks with its owner form; the handler the form had is kept and
  // still called.
  bool SizeWithForm = false;
  void FormResize(TObject* Sender);
  static TCheckBoxState BoolToCheckBoxState(bool Value) { return Value ? cbChecked : cbUnchecked; }
  // A tri-state check box in the cell (hidden columns and rows counted in the
  // range test; "Invalid cell" outside).
  void AddCheckBox(int ACol, int ARow, TCheckBoxState State);
  void AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State);
  // True when the cell carries a check box of any kind, with its state.
  bool GetCheckBoxState(int ACol, int ARow, TCheckBoxState& State);
  bool Loading() const { return ComponentState().Contains(csLoading); }
  bool Designing() const { return ComponentState().Contains(csDesigning); }
  bool Destroying() const { return ComponentState().Contains(csDestroying); }
  bool IsLoaded() const { return FLoaded; }
  // An update batch: painting waits until the outermost EndUpdate.
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  // One update batch for a scope, ended also when the scope is left by an exception.
  class TUpdateBatch {
  public:
    explicit TUpdateBatch(TExStringGrid& g) : g_(g) { g_.BeginUpdate(); }
    ~TUpdateBatch() { g_.EndUpdate(); }
    TUpdateBatch(const TUpdateBatch&) = delete;
    TUpdateBatch& operator=(const TUpdateBatch&) = delete;

  private:
    TExStringGrid& g_;
  };
  int UpdateCount() const { return FUpdateCount; }

  // ===================== settings objects =====================

  TSearchFooter* SearchFooter() const { return FSearchFooter.get(); }
  TFloatingFooter* FloatingFooter() const { return FFloatingFooter.get(); }
  TPrintSettings* PrintSettings() const { return FPrintSettings.get(); }
  THTMLSettings* HTMLSettings() const { return FHTMLSettings.get(); }
  TSortSettings* SortSettings() const { return FSortSettings.get(); }
  void SetSortSettings(const TSortSettings* Value) { FSortSettings->Assign(Value); }
  TDragDropSettings* DragDropSettings() const { return FDragDropSettings.get(); }
  TDragScrollOptions* DragScrollOptions() const { return FDragScrollOptions.get(); }
  void SetDragScrollOptions(const TDragScrollOptions* Value) { FDragScrollOptions->Assign(Value); }
  TControlLook* ControlLook() const { return FControlLook.get(); }
  TNavigation* Navigation() const { return FNavigation.get(); }
  TColumnSize* ColumnSize() const { return FColumnSize.get(); }
  TCellNode* CellNode() const { return FCellNode.get(); }
  TBands* Bands() const { return FBands.get(); }
  TSizeWhileTyping& SizeWhileTyping() { return FSizeWhileTyping; }
  TMouseActions* MouseActions() const { return FMouseActions.get(); }
  TGrouping* Grouping() const { return FGrouping.get(); }
  TFont* FixedFont() const { return FFixedFont.get(); }
  TFont* ActiveCellFont() const { return FActiveCellFont.get(); }
  void SetActiveCellFont(const TFont* Value);
  TBitmap* RowIndicator() const { return FRowIndicator.get(); }
  void SetRowIndicator(const TBitmap* Value);
  TBackGround* BackGround() const { return FBackGround.get(); }
  void SetBackGround(const TBackGround* Value);
  TGridProgressAppearance* ProgressAppearance() const { return FProgressAppearance.get(); }
  void SetProgressAppearance(const TGridProgressAppearance* Value) { FProgressAppearance->Assign(Value); }
  TSyncGrid* SyncGrid() const { return FSyncGrid.get(); }
  TFilter* Filter() const { return FFilter.get(); }
  TBalloonSettings* Balloon() const { return FBalloon.get(); }
  void SetBalloon(const TBalloonSettings* Value) { FBalloon->Assign(Value); }
  TShowModified* ShowModified() const { return FShowModified.get(); }
  void SetShowModified(const TShowModified* Value) { FShowModified->Assign(Value); }
  TFilterDropDown* FilterDropDown() const { return FFilterDropDown.get(); }
  TStringList* FilterList() const { return FFilterList.get(); }
  TIntList* IgnoreColumns() const { return FIgnoreColumns.get(); }
  TIntList* MergedColumns() const { return FMergedColumns.get(); }
  TSortIndexList* SortIndexes() const { return FSortIndexes.get(); }
  TIntList* ColumnOrder() const { return FColumnOrder.get(); }
  TGridItems* GridItems() const { return FGridItems.get(); }
  // The controls placed in cells.
  TControlList* ControlList() const { return FControlList.get(); }
  TExStringGridCheck* CellChecker() const { return FCellChecker; }
  bool FilterActive() const { return FFilterActive; }
  // Switches the row filter on (the failing rows go as one filter level) or off
  // (the last level comes back); either way the footers are recalculated.
  virtual void SetFilterActive(bool Value);
  void SetCellChecker(TExStringGridCheck* Value);

  // ===================== published values without upkeep =====================
  // (the defaults are those after construction)

  bool AutoNumAlign = false;
  bool AnchorHint = false;
  bool AutoFilterUpdate = true;
  bool FilterNormalCellsOnly = true;
  bool FilterDropDownAuto = false;
  bool FilterDropDownCheck = false;
  QString FilterDropDownClear = QStringLiteral("(All)");
  TFilterDropDownColumns FilterDropDownColumns = fdNormal;
  bool FilterIncremental = false;
  int FilterDropDownRow = 0;
  bool FixedColAlways = false;
  bool FixedRowAlways = false;
  int MinRowHeight = 0;
  int MaxRowHeight = 0;
  int MinColWidth = 0;
  int MaxColWidth = 0;
  bool SizeGrowOnly = false;
  bool IntegralHeight = false;
  TScrollType ScrollType = ssNormal;
  TColor ScrollColor = clNone;
  int ScrollWidth = 17;
  bool ScrollProportional = false;
  bool ScrollSynch = false;
  TScrollHintType ScrollHints = shNone;
  TScrollBarAlways ScrollBarAlways = saNone;
  TColor VODGradientFrom = clWhite;
  TColor VODGradientTo = clNone;  // the button face's RGB value, set by the constructor
  TColor VODGradientMirrorFrom = clNone;
  TColor VODGradientMirrorTo = clNone;
  bool UseDisabledFont = true;
  TColor DisabledFontColor = clSilver;
  TSuiteStyle ComponentStyle = tsCustom;
  TColor SelectionRectangleColor = clBlack;
  bool HideFocusRect = false;
  QString FloatFormat = QStringLiteral("%.2f");
  QString CheckTrue = QStringLiteral("Y");
  QString CheckFalse = QStringLiteral("N");
  QChar PasswordChar = u'*';
  QChar Delimiter = QChar(0);
  bool JavaCSV = false;
  bool QuoteEmptyCells = true;
  bool AlwaysQuotes = false;
  QString XMLEncoding = QStringLiteral("ISO-8859-1");
  bool ShowNullDates = true;
  TEditorType DefaultEditor = edNormal;
  bool EnableHTML = true;
  TColor URLColor = clBlue;
  bool SaveWithHTML = true;
  TColor HintColor = clInfoBk;
  THintShowLargeTextPos HintShowLargeTextPos = hpCell;
  bool UseInternalHintClass = true;
  TInvalidEntryIcon InvalidEntryIcon = ieWarning;
  QString InvalidEntryTitle;
  QString InvalidEntryText;
  bool EnableWheel = true;
  bool IntelliZoom = true;
  bool EnhRowColMove = true;
  bool FixedAsButtons = false;
  THoverFixedCells HoverFixedCells = hfNone;
  bool SaveFixedCells = true;
  bool SaveFixedRows = false;
  bool SaveFixedCols = false;
  bool SaveHiddenCells = false;
  bool SaveVirtCells = true;
  bool LoadFirstRow = true;
  bool ExcelClipboardFormat = false;
  bool ClearTextOnly = false;
  bool FitCellsInGrid = true;
  int ZoomFactor = 0;
  bool EditDisable = false;
  QString EditMask;
  TCustomImageList* GridImages = nullptr;  // pictures of image cells and of IMG SRC="IDX:n"
  TPictureContainer* Container = nullptr;  // named pictures of mini-HTML texts
  TPopupMenu* FixedDropDownMenu = nullptr;

  // ===================== events =====================
  // (the program's editors handle the first eleven)

  TClickCellEvent OnClickCell;
  TClickCellEvent OnDblClickCell;
  TGridHintEvent OnGridHint;
  TComboChangeEvent OnComboChange;
  TCheckBoxClickEvent OnCheckBoxClick;
  TCheckBoxClickEvent OnCheckBoxChange;
  TCellValidateEvent OnCellValidate;
  TGetEditorTypeEvent OnGetEditorType;
  TEditCellDoneEvent OnEditCellDone;
  // (OnKeyPress and OnSelectCell are the class library's)

  // cell appearance
  TGridColorEvent OnGetCellColor;
  TGridColorEvent OnGetCellPrintColor;
  TGridBorderEvent OnGetCellBorder;
  TGridBorderEvent OnGetCellPrintBorder;
  TGridBorderPropEvent OnGetCellBorderProp;
  TGridAlignEvent OnGetAlignment;
  TGridFormatEvent OnGetFormat;
  TFloatFormatEvent OnGetFloatFormat;
  TWordWrapEvent OnGetWordWrap;
  TGridGradientEvent OnGetCellGradient;
  TGetCellCursorEvent OnGetCellCursor;
  TCustomCellDrawEvent OnCustomCellDraw;
  TCustomCellDrawEvent OnCustomCellBkgDraw;
  TCustomCellSizeEvent OnCustomCellSize;
  TNotifyEvent OnPainted;
  // cell kinds and editors
  TGetEditorPropEvent OnGetEditorProp;
  TRowColEvent OnGetEditorPropInt;
  TBoolColRowEvent OnHasComboBox;
  TBoolColRowEvent OnHasSpinEdit;
  TBoolRowColEvent OnIsFixedCell;
  TBoolRowColEvent OnIsPasswordCell;
  TBoolRowColEvent OnCanEditCell;
  TGetCheckEvent OnGetCheckTrue;
  TGetCheckEvent OnGetCheckFalse;
  TFixedEditEvent OnFixedEdit;
  // editing
  TEditChangeEvent OnEditChange;
  TNotifyEvent OnEditingDone;
  TCellValidateWideEvent OnCellValidateWide;
  TEllipsClickEvent OnEllipsClick;
  TColRowEvent OnButtonClick;
  TUnitChangedEvent OnUnitChanged;
  TComboObjectChangeEvent OnComboObjectChange;
  TRowColEvent OnComboCloseUp;
  TRowColEvent OnComboDropDown;
  TRowColEvent OnDatePickerCloseUp;
  TRowColEvent OnDatePickerDropDown;
  TDateTimeChangeEvent OnDateTimeChange;
  TSpinClickEvent OnSpinClick;
  TFloatSpinClickEvent OnFloatSpinClick;
  TDateTimeSpinClickEvent OnTimeSpinClick;
  TDateTimeSpinClickEvent OnDateSpinClick;
  TNotifyEvent OnRichEditSelectionChange;
  // cell controls
  TCheckBoxClickEvent OnCheckBoxMouseUp;
  TRadioClickEvent OnRadioClick;
  TRadioClickEvent OnRadioMouseUp;
  TColRowEvent OnRadioButtonClick;
  TExpandClickEvent OnExpandClick;
  TRatingChangeEvent OnRatingChange;
  TColorSelectEvent OnColorSelect;
  TImageSelectEvent OnImageSelect;
  TScrollCellEvent OnScrollCell;
  TControlEvent OnControlClick;
  TControlEvent OnControlEditDone;
  TControlComboListEvent OnControlComboList;
  TControlComboSelectEvent OnControlComboSelect;
  TAnchorClickEvent OnAnchorClick;
  TAnchorEvent OnAnchorEnter;
  TAnchorEvent OnAnchorExit;
  TAnchorHintEvent OnAnchorHint;
  TCellBalloonEvent OnCellBalloon;
  // mouse, keys and navigation
  TClickCellEvent OnRightClickCell;
  TCanClickCellEvent OnCanClickCell;
  TChangingEvent OnRowChanging;
  TChangingEvent OnColChanging;
  TCellChangingEvent OnCellChanging;
  TRowChangedEvent OnRowUpdate;
  TAutoAdvanceEvent OnAutoAdvance;
  TCanAddRowEvent OnCanAddRow;
  TRowEvent OnAutoAddRow;
  TRowAllowEvent OnCanInsertRow;
  TRowEvent OnAutoInsertRow;
  TColEvent OnAutoInsertCol;
  TRowAllowEvent OnCanDeleteRow;
  TRowEvent OnAutoDeleteRow;
  TAllowEvent OnClipboardCopy;
  TAllowEvent OnClipboardCut;
  TAllowEvent OnClipboardPaste;
  TClipboardPasteCellEvent OnClipboardBeforePasteCell;
  TClipboardAfterPasteEvent OnClipboardAfterPasteCell;
  TClipboardPasteCellEvent OnClipboardBeforePasteWideCell;
  TClipboardAfterPasteEvent OnClipboardAfterPasteWideCell;
  TSelectionChangedEvent OnSelectionChanged;
  TSelectionResizeEvent OnSelectionResize;
  TSelectionResizeEvent OnSelectionResized;
  TRowDisjunctSelectEvent OnRowDisjunctSelect;
  TRowEvent OnRowDisjunctSelected;
  TDragScrollEvent OnDragScroll;
  TScrollHintEvent OnScrollHint;
  TNotifyEvent OnStartBlockFocus;
  TNotifyEvent OnEndBlockFocus;
  // sizing and moving
  TColAllowEvent OnColumnSize;
  TSizingEvent OnColumnSizing;
  TColEvent OnEndColumnSize;
  TUpdateColumnSizeEvent OnUpdateColumnSize;
  TRowAllowEvent OnRowSize;
  TSizingEvent OnRowSizing;
  TRowEvent OnEndRowSize;
  // While a column or row is dragged: OnColumnMove / OnRowMove may stop the drag;
  // OnColumnMoving / OnRowMoving refuse the target under the mouse.
  TColAllowEvent OnColumnMove;
  TColAllowEvent OnColumnMoving;
  TRowAllowEvent OnRowMove;
  TRowAllowEvent OnRowMoving;
  TNotifyEvent OnResize;
  // fixed cells and headers
  TColEvent OnClickSort;
  TColAllowEvent OnCanSort;
  TColAllowEvent OnCanShowFixedDropDown;
  TFixedDropDownClickEvent OnFixedDropDownClick;
  TDropDownButtonClickEvent OnDropDownHeaderButtonClick;
  TDropDownButtonClickEvent OnDropDownFooterButtonClick;
  // nodes and grouping
  TNodeEvent OnExpandNode;
  TNodeEvent OnContractNode;
  TNodeAllowEvent OnBeforeExpandNode;
  TNodeAllowEvent OnBeforeContractNode;
  TGroupCalcEvent OnGroupCalc;
  TGroupCalcEvent OnColumnCalc;
  // filtering and sorting
  TCustomFilterEvent OnCustomFilter;
  TGridProgressEvent OnFilterProgress;
  TNotifyEvent OnFilterDone;
  TGetColumnFilterEvent OnGetColumnFilter;
  TFilterSelectEvent OnFilterSelect;
  TFilterCheckEvent OnFilterCheck;
  TCustomCompareEvent OnCustomCompare;
  TRawCompareEvent OnRawCompare;
  // search footer and floating footer
  TSearchEditChangeEvent OnSearchEditChange;
  TSearchFooterActionEvent OnSearchFooterAction;
  TNotifyEvent OnSearchFooterClose;
  TNotifyEvent OnCreatedSearchFooter;
  TNotifyEvent OnCreatedFloatingFooter;
  TFooterPaintEvent OnFooterPaint;
  // files, printing, drag and drop
  TGridProgressEvent OnFileProgress;
  TCellValueEvent OnSaveCell;
  TCellValueEvent OnLoadCell;
  TPrintStartEvent OnPrintStart;
  TPrintCancelEvent OnPrintCancel;
  TPrintPageEvent OnPrintPage;
  TPrintPageDoneEvent OnPrintPageDone;
  TPrintNewPageEvent OnPrintNewPage;
  TPrintSizeEvent OnPrintSetColumnWidth;
  TPrintSizeEvent OnPrintSetRowHeight;
  TPrintGetPageNumEvent OnPrintGetPageNum;
  TFitToPageEvent OnFitToPage;
  TOleDragDropEvent OnOleDrag;
  TOleDragDropEvent OnOleDrop;
  TOleDragOverEvent OnOleDragOver;
  TRowColEvent OnOleDragStart;
  TOleDragStopEvent OnOleDragStop;
  TOleDropColEvent OnOleDropCol;
  TOleDropNameEvent OnOleDropFile;
  TOleDropNameEvent OnOleDropURL;
  TOleDroppedEvent OnOleDropped;
  TCellsChangedEvent OnCellsChanged;
  TGridHintEvent OnGridWideHint;
  TGetEditMaskEvent OnGetEditMask;
  // declared, never raised by the grid
  TColorSelectedEvent OnColorSelected;
  TImageSelectedEvent OnImageSelected;
  TCustomStrToDateEvent OnCustomStrToDate;
  TCellValueEvent OnFooterCalc;

  // ===================== virtual hooks, in slot order =====================
  // Empty ones do nothing here; the grid calls each at the point its Part names.

  virtual void DoCalcFooter(int ACol) {}
  virtual void DoClickSort(int ACol);
  virtual void DoEditKey() {}
  virtual void EditorValueToCell(int ACol, int ARow, const QString& Value);
  virtual void DoRowSelectKey() {}
  virtual void PasteCell(int ACol, int ARow, const QString& Value);
  virtual QString GetCurrentCell();
  virtual void SetCurrentCell(const QString& Value);
  virtual QString GetCurrentCellText();
  virtual void SetCurrentCellText(const QString& Value);
  virtual void CancelCellEdit();
  // A click (ByMouse) or a toggle in code on a check box; false when nothing toggled.
  virtual bool ToggleCheckBoxHook(int ACol, int ARow, bool ByMouse);
  virtual bool SetRadioButtonHook(int ACol, int ARow, bool ByMouse);
  virtual QString GetFormattedCell(int ACol, int ARow);
  virtual void GetFloatFormatHook(int ACol, int ARow, QString& AFormat);
  virtual TCellType GetCellType(int ACol, int ARow);
  virtual TCellGraphic* GetCellGraphic(int ACol, int ARow);
  virtual void PrintGetPageNumHook(int PageNum, int PageColNum, QString& Text);
  virtual void GetEditorPropHook(int ACol, int ARow, TEditLink* EditLink);
  virtual void CheckBoxClickHook(int ACol, int ARow, bool State);
  virtual void FixedEditHook(int ACol, int ARow, TGridFixedCellEditor& Editor, TStringList* Values);
  virtual void SelectionChangedHook(int ALeft, int ATop, int ARight, int ABottom);
  virtual void EditorKeyUpHook() {}
  virtual void InsertRowHook(int ARow);
  virtual void RemoveRowHook(int ARow);
  virtual void FilterDoneHook();
  virtual void UpdateColumnSizeHook(int ACol, int& Width);
  virtual void UpdateAutoColumnSizeHook(int ACol, int& Width);
  virtual void HeadersChangedHook() {}
  virtual void EllipsClickHook(const QString& Text, QString& Result);
  // Whether the display row passes the Filter conditions (and OnCustomFilter).
  virtual bool RowMatchesFilter(int ARow);
  virtual void BeforePasteHook() {}
  virtual void AfterPasteHook() {}
  virtual void MarkPastedRows(TGridRect Rect);
  virtual void GetRawCellText(int ACol, int ARow, QString& Text);
  virtual void LoadCellHook(int ACol, int ARow, const QString& Value);
  virtual void CalcFooterColumn(int ACol) { CalcFooter(ACol); }
  virtual void RememberEditedCell(int ACol, int ARow);
  virtual void CanEditCellHook(int ACol, int ARow, bool& CanEdit);
  virtual void SearchFooterActionHook(const QString& Value, int ACol, int ARow, TSearchAction Action);
  virtual void ButtonClickHook(int ACol, int ARow);
  virtual void ComboCloseUpHook(int ARow, int ACol);
  virtual void ComboDropDownHook(int ARow, int ACol);
  // The cursor to show over the cell (real column) at X, Y: OnGetCellCursor,
  // starting from Start (the grid's own cursor).
  virtual TCursor GetCellCursorHook(int ACol, int ARow, int X, int Y, TCursor Start);
  virtual void CellsChangedHook(TRect R);
  virtual void RecalcAllFooters() { CalcFooter(-1); }
  virtual void GridHintHook(int ACol, int ARow, QString& Hint, QString& WideHint);
  virtual void GetCellColorHook(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont);
  virtual void GetCellPrintColorHook(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont);
  virtual void GetCellBorderHook(int ACol, int ARow, TCellBorders& Borders, TPen* APen);
  virtual void GetCellPrintBorderHook(int ACol, int ARow, TCellBorders& Borders, TPen* APen);
  virtual void GetAlignmentHook(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign);
  virtual void GetFormatHook(int ACol, TSortStyle& Style, QString& Prefix, QString& Suffix);
  virtual void GetEditorTypeHook(int ACol, int ARow, TEditorType& AEditor);
  virtual void GetComboEditorTypeHook(int ACol, int ARow, TEditorType& AEditor);
  virtual bool IsEditorNone(int ACol, int ARow);
  virtual void IsFixedCellHook(int ACol, int ARow, bool& IsFixed);
  virtual void CanEditCell(int ACol, int ARow, bool& CanEdit);
  virtual void IsPasswordCellHook(int ACol, int ARow, bool& IsPassword);
  virtual void GetWordWrapHook(int ACol, int ARow, bool& WordWrap);
  virtual bool HasComboBox(int ACol, int ARow);
  virtual bool HasSpinEdit(int ACol, int ARow);
  virtual void GetCheckTrue(int ACol, int ARow, QString& Value);
  virtual void GetCheckFalse(int ACol, int ARow, QString& Value);
  virtual bool GetColumnFilterHook(int ACol);
  virtual TRect GetUsedCells();
  virtual void CanAddRowHook(bool& CanAdd);
  virtual void CanInsertRowHook(int ARow, bool& CanInsert);
  virtual void AppendRow() { SetRowCount(RowCount() + 1); }
  virtual void MouseActionsChanged() {}
  virtual void IsDesigningHook(bool& IsDesigning) { IsDesigning = Designing(); }
  virtual void InvalidateHook() { Invalidate(); }
  virtual void EditingOff();
  virtual void NavigationChanged() {}
  virtual void GotoFirstNormalRow() { SetRow(FixedRows()); }
  virtual bool AllowFormatClipboard() { return FNavigation->AllowFmtClipboard; }
  // The plain list's choice and the check list's ticks (grid/data/filter_lists.cpp).
  virtual void FilterSelectHook(int Index);
  virtual void FilterCheckHook();
  virtual void CheckBoxChangeHook(int ACol, int ARow, bool State);
  virtual bool RatingChangeHook(int ACol, int ARow, double& NewRate);
  virtual void CellChangingHook(int NewCol, int NewRow, bool& Allow);
  virtual void ScrollCellHook(int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax);
  virtual bool CanShowFixedDropDown(int ACol);
  virtual void StartBlockFocusHook();
  virtual void EndBlockFocusHook();
  virtual TCustomImageList* GetGridImages() { return GridImages; }
  // Exports, imports and row sizing report their start, each row and their end.
  virtual void ExportNotification(TGridExportState AState, int ARow) {}
  virtual void ImportNotification(TGridImportState AState, int ARow) {}
  virtual int GetVersionNr();
  virtual QString GetVersionString();
  // Removes RCount display rows at RowIndex (hidden columns included); the
  // rows below move up with their cells and objects, nothing is freed and the
  // per-row lists, heights, footers and controls stay as they are.
  virtual void RemoveRowsEx(int RowIndex, int RCount);
  // Empties the cells of the rectangle and frees their cell properties.
  virtual void ClearRect(int ACol1, int ARow1, int ACol2, int ARow2);
  // Fills the footer row's totals; nothing while the floating footer is not
  // in its totals style.
  virtual void CalcFooter(int ACol);

  // ===================== cell appearance and text measure =====================

  // The cell's brush, gradient, font, alignment, word wrap and draw state, in
  // the grid's order of priority. ACol is a display column; with Remap the
  // cell's real column answers for its contents.
  void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select, bool Remap,
                           TBrush* ABrush, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                           TFont* AFont, TAlignment& HA, TVAlignment& VA, bool& WW,
                           TCellGradientDirection& GD) override;
  // The text alignment of a cell (real column).
  void GetCellAlignment(int ACol, int ARow, TAlignment& HA, TVAlignment& VA);
  // The font and brush of a cell for measuring: ACol the display column, RCol
  // the real one.
  void GetFontProperties(int ACol, int RCol, int ARow, TGridDrawState& AState, TFont* AFont, TBrush* ABrush,
                         bool Remap);
  // Width and height of a cell's shown text (ACol real); VS leaves room for a
  // vertical scroll bar, SB measures word-wrapped at the cell's width.
  TPoint GetCellTextSize(int ACol, int ARow, bool VS, bool SB);
  TPoint MeasureCellText(int RCol, int DCol, int ARow, bool VS, bool SB);
  static TColor MixColors(TColor A, TColor B, int Percent);
  static TColor MixSelectionColor(TColor A, TColor B, bool Mixer, int Percent);

  // ===================== cell drawing, glyphs and painting =====================

  // The graphic of a cell (real column) with its size, placement and whether
  // the cell's text is drawn too.
  TCellGraphic* GetCellGraphicLayout(int ACol, int ARow, TCellVAlign& VAlign, TCellHAlign& HAlign, bool& DrawText,
                                     int& Height, int& Width);
  void DrawCheckBoxGlyph(TCanvas* Canvas, TRect R, bool Checked, TCheckBoxState State, bool TriState,
                         TGridControlStyle Style, bool Grayed, bool Enabled);
  // The items of a radio group (Count bare buttons without an item list).
  void DrawRadioItems(TCanvas* Canvas, TRect R, bool Upward, double Scale, TGridControlStyle Style, int ARow,
                      int ACol, bool Selected, TStringList* Items, bool Disabled, bool SideBySide, int ItemIndex,
                      int Count);
  void DrawSortIndicator(TCanvas* Canvas, int ACol, int Y, int X);
  // Where a text turned by Angle degrees starts so that it sits in R less 2 on
  // every side as aligned (measured in the canvas's font).
  TPoint PlaceRotatedText(TCanvas* Canvas, TRect R, int Angle, TAlignment HA, TVAlignment VA, const QString& Text);
  // The sort column's header cell (real column).
  bool IsSortHeaderCell(int RCol, int ARow);
  virtual void SetStyle(TExGridStyle AStyle);
  void SetComponentStyle(TSuiteStyle AStyle) override;
  void SetColorTones(const TColorTones& ATones) override;
  void SetTheme(TXPColorScheme Scheme);
  void ApplyOfficeTheme();
  // Whether the look draws the one-pixel window border.
  bool HasGridBorder() const;
  // The sizing line shown while a column (row) is sized by the mouse; drawing
  // the same line again removes it.
  void DrawColSizingLine(int X);
  void DrawRowSizingLine(int Y);
  TPoint SizingLine() const { return FSizingLineVisible ? FSizingLine : TPoint{-1, -1}; }

  // Published values of the drawing.
  bool EnhTextSize = false;
  bool URLShow = false;
  bool URLFull = false;
  bool URLShowInText = false;
  // Setters that repaint what they change (look_presets.cpp).
  void SetURLColor(TColor Value);
  void SetURLShow(bool Value);
  void SetURLShowInText(bool Value);
  void SetURLFull(bool Value);
  // The VOD look's own gradient colours, stored as plain RGB values.
  void SetVODGradientFrom(TColor Value);
  void SetVODGradientTo(TColor Value);
  void SetVODGradientMirrorFrom(TColor Value);
  void SetVODGradientMirrorTo(TColor Value);

  // ---- zoom and view operations (zoom_view.cpp) ----
  // Adds x to every column width and row height that stays above 0, while the
  // sum of the steps stays within -10..10 (ZoomFactor).
  void Zoom(int x);
  // Fits the height to whole rows again when switched on.
  void SetIntegralHeight(bool Value);
  TFocusHelper* FocusHelper() const { return FFocusHelper.get(); }
  void SetFocusHelper(const TFocusHelper* Value);
  void SetFixedFont(const TFont* Value);
  // Repaints the last fixed row's cell of both columns and the last fixed
  // column's cell of both rows (the active cell's headers).
  void RepaintHeaderCells(int OldCol, int OldRow, int NewCol, int NewRow);
  // The middle-button panning glyph at the pan position.
  void DrawWheelPanGlyph();
  void InvalidateWheelPanGlyph();
  TPoint WheelPanPosition() const { return wheelpanpos; }
  // The glowing frame around the edited cell (a translucent window): shown
  // around a rectangle of the grid's client, moved to the current cell, hidden.
  void ShowFocusFrame(TRect Rect);
  void MoveFocusFrame();
  void HideFocusFrame();
  TGridFocusWindow* FocusWindow() const { return FFocusWindow; }
  // The sizing hint shown while a column or row is sized by the mouse.
  bool HintShowSizing = false;
  THintWindow* SizingHintWindow() const { return FScrollHintWnd; }
  // The sizing hint's mini-HTML text ("cw=<b>64</b>"); the window shows it in bold.
  QString LastSizingHint;
  // The cell whose button is drawn hovered ((-1, -1): none).
  TGridCoord HoverButton() const { return FHoverButton; }
  bool URLUnderlineOnHover = false;
  bool NoImageAndText = false;
  bool NoDefaultDraw = false;
  bool XYOffsetTopLeftOnly = false;
  TFormBorderStyle BorderStyle = bsSingle;
  // The grid's hovered and pressed fixed-cell colours (the control look copies
  // its values into them).
  TColor GradientHoverFrom = clGray, GradientHoverTo = clWhite;
  TColor GradientHoverMirrorFrom = clNone, GradientHoverMirrorTo = clNone, GradientHoverBorder = clSilver;
  TColor GradientDownFrom = clGray, GradientDownTo = clSilver;
  TColor GradientDownMirrorFrom = clNone, GradientDownMirrorTo = clNone, GradientDownBorder = clGray;

  // ===================== check boxes and radio buttons =====================

  // A check box in the cell; Data makes its state the cell's text. Raises
  // "Invalid cell" for a cell outside the grid (negative indexes too).
  void AddCheckBox(int ACol, int ARow, bool State, bool Data);
  void AddCheckBoxColumn(int ACol, bool DefaultState = false, bool DataCheckBox = false);
  void RemoveCheckBoxColumn(int ACol);
  void RemoveCheckBox(int ACol, int ARow);
  bool HasCheckBox(int ACol, int ARow);
  bool HasDataCheckBox(int ACol, int ARow);
  bool IsInCheckBox(int ACol, int ARow, int XPos, int YPos);
  // True when the cell's kind has a Boolean state; State is then set.
  bool GetCheckBoxState(int ACol, int ARow, bool& State);
  bool IsChecked(int ACol, int ARow);
  // Set a state without any event; true when the cell's kind took it.
  bool SetCheckBoxState(int ACol, int ARow, bool State);
  bool SetCheckBoxState(int ACol, int ARow, TCheckBoxState State);
  // Sets a state and raises OnCheckBoxChange when it really changed.
  bool ChangeCheckBoxState(int ACol, int ARow, bool State);
  bool ToggleCheckBox(int ACol, int ARow);
  void CheckAll(int ACol);
  void UnCheckAll(int ACol);
  void AddRadioButton(int ACol, int ARow, bool State);
  void AddRadioButtonColumn(int ACol);
  void RemoveRadioButtonColumn(int ACol);
  void RemoveRadioButton(int ACol, int ARow);
  bool HasRadioButton(int ACol, int ARow);
  bool IsRadioButtonChecked(int ACol, int ARow);
  bool SetRadioButtonState(int ACol, int ARow, bool State);
  void SetRadioButtonColumnIndex(int ACol, int Index);
  int GetRadioButtonColumnIndex(int ACol);

  // ===================== cell graphic queries and other kinds =====================

  bool CellTypeInSet(int ACol, int ARow, TCellTypes Types);
  bool HasButton(int ACol, int ARow);
  bool IsRadio(int ACol, int ARow);
  bool HasRating(int ACol, int ARow);
  bool HasScrollBar(int ACol, int ARow);
  bool HasBalloon(int ACol, int ARow);
  // ---- balloons and radio groups (balloons_radio_groups.cpp) ----
  // A balloon (title, text, icon) on an empty cell, or attached to a check box or
  // radio button, which stays; any other graphic keeps its own.
  void AddBalloon(int ACol, int ARow, const QString& Title, const QString& Text, TBalloonIcon Icon);
  void RemoveBalloon(int ACol, int ARow);
  // The cell's own balloon (not its merge base cell's); outputs untouched when none.
  bool IsBalloon(int ACol, int ARow, QString& Title, QString& Text, TBalloonIcon& Icon);
  // A radio group with the caller's item list (not owned), or with a new owned
  // list returned to be filled. DirRadio 0 stacks the items, else side by side;
  // IdxRadio the selected item (-1 none, below -1: the item equal to the text).
  void AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, TStringList* sl);
  TStringList* CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio);
  bool GetRadioIdx(int ACol, int ARow, int& IdxRadio);
  bool SetRadioIdx(int ACol, int ARow, int IdxRadio);
  TStringList* GetRadioStrings(int ACol, int ARow);
  void RemoveRadio(int ACol, int ARow);
  // Selects the next item of the group (wrapping) and writes its text into the cell.
  void AdvanceRadioCell(int ACol, int ARow, bool ByKey = true);
  // The item of the group in the cell (real column) at an offset from the cell's
  // top-left corner, chosen as a press chooses it.
  void ClickRadioGroup(int ACol, int ARow, int XOffset, int YOffset);
  bool HasExpand(int ACol, int ARow);
  bool HasProgress(int ACol, int ARow);
  bool IsDataGraphicCell(int ACol, int ARow);
  bool IsSortIndicatorCell(int ACol, int ARow);
  virtual TPoint GetCellGraphicSize(int ACol, int ARow);
  virtual void CalcCellGraphicSize(int ACol, int ARow, int Extra, TPoint& Size);
  // The graphic's size for printing into X by Y at Scale.
  virtual void CalcCellGraphicPrintSize(int ACol, int ARow, int X, int Y, double Scale, TPoint& Size);
  TRect GetCellButtonRect(int ACol, int ARow);
  TRect GetExpandButtonRect(int ACol, int ARow);
  void AddBitmap(int ACol, int ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
  TBitmap* CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val);
  TBitmap* GetBitmap(int ACol, int ARow);
  bool HasBitmap(int ACol, int ARow);
  void RemoveBitmap(int ACol, int ARow);
  void AddPicture(int ACol, int ARow, TPicture* APicture, bool Transparent, TStretchMode StretchMode, int Padding,
                  TCellHAlign hal, TCellVAlign val);
  TPicture* CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                          TCellHAlign hal, TCellVAlign val);
  TPicture* GetPicture(int ACol, int ARow);
  bool HasPicture(int ACol, int ARow);
  void RemovePicture(int ACol, int ARow);
  void AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor);
  void AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor, TColor BKTextColor);
  void AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                            TColor BKTextColor, const QString& Fmt, int Min, int Max);
  void RemoveProgress(int ACol, int ARow);
  void AddExProgress(int ACol, int ARow, int Min, int Max);
  void RemoveExProgress(int ACol, int ARow);
  void AddProgressPie(int ACol, int ARow, TColor Color, int Value);
  void SetProgressPie(int ACol, int ARow, int Value);
  void RemoveProgressPie(int ACol, int ARow);
  void AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor, bool ShowValue);
  void RemoveRangeIndicator(int ACol, int ARow);
  void AddComment(int ACol, int ARow, const QString& Comment);
  void AddColorComment(int ACol, int ARow, const QString& Comment, TColor Color);
  QString CellComment(int ACol, int ARow);
  void SetCellComment(int ACol, int ARow, const QString& Value);
  bool IsComment(int ACol, int ARow, QString& Comment);
  void RemoveComment(int ACol, int ARow);
  void RemoveAllComments();
  void AddShape(int ACol, int ARow, TCellShape Shape, TColor FillColor, TColor LineColor, TCellHAlign hal,
                TCellVAlign val);
  void SetShapeColor(int ACol, int ARow, TColor FillColor);
  TColor GetShapeColor(int ACol, int ARow);
  void RemoveShape(int ACol, int ARow);
  void AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor);
  void RemoveRating(int ACol, int ARow);
  void AddMarker(int ACol, int ARow, int ErrPos, int ErrLen);
  void GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen);
  void RemoveMarker(int ACol, int ARow);
  void RemoveAllMarkers();
  void AddButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TCellHAlign hal, TCellVAlign val);
  void AddBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TBitmap* Glyph, TCellHAlign hal,
                    TCellVAlign val);
  TBitmap* CreateBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TCellHAlign hal,
                           TCellVAlign val);
  void SetButtonText(int ACol, int ARow, const QString& Caption);
  QString GetButtonText(int ACol, int ARow);
  void PushButton(int ACol, int ARow, bool Push);
  void RemoveButton(int ACol, int ARow);
  void RemoveBitButton(int ACol, int ARow);
  void RemoveAllButtons();
  void AddRotated(int ACol, int ARow, int16_t AAngle, const QString& s);
  void SetRotated(int ACol, int ARow, int16_t AAngle);
  bool IsRotated(int ACol, int ARow, int& aAngle);
  void RemoveRotated(int ACol, int ARow);
  void AddScrollBar(int ACol, int ARow, bool AutoRange);
  bool HasAutoRangeScrollBar(int ACol, int ARow);
  void RemoveScrollBar(int ACol, int ARow);
  void SetScrollPosition(int ACol, int ARow, int Pos);
  int GetScrollPosition(int ACol, int ARow);
  // Removes a data image; the cell's text (its image index) goes with it.
  void RemoveDataImage(int ACol, int ARow);
  bool HasDataImage(int ACol, int ARow);
  // The control placed over a cell (nullptr: none); setting one parents it to
  // the grid over the cell, nullptr takes it away.
  TControl* CellControls(int i, int j);
  void SetCellControls(int i, int j, TControl* AControl);
  int CellControlCount() const { return FCellControlCount; }

  // ===================== cell hints =====================

  // Decides the tool tip of the cell under HintInfo.CursorPos: its text and
  // position, the hint colour, width and window.
  void BuildCellHint(QString& HintStr, THintInfo& HintInfo);
  // The font name of the grid whose hint was built last.
  static QString HintFontName();
  bool HintShowCells = false;
  bool HintShowLargeText = false;
  bool HTMLHint = false;

  // ===================== scrolling =====================

  // The row or column a scroll hint names for a thumb position of 0..127.
  static int ScrollHintIndex(int Pos, int Count, int Visible, int Fixed);
  // A flat scroll bar's thumb position corrected for the visible part.
  static int FlatThumbPosition(int Pos, int Visible, int Count);
  // A proportional thumb from the sums of the fixed and normal cells.
  static TProportionalThumb ProportionalThumb(int FixedPart, int NormalPart, int Before, int Outer, int Current,
                                              bool Vertical);
  void UpdateProportionalThumbs();
  TProportionalThumb HorzThumb() const { return FHorzThumb; }
  TProportionalThumb VertThumb() const { return FVertThumb; }
  void SetScrollType(TScrollType Value);
  void SetScrollProportional(bool Value);
  void SetScrollBarAlways(TScrollBarAlways Value);
  bool IsFlatScrollBars() const { return FIsFlat; }
  // The thin scroll bars the grid draws itself (ScrollType ssMetro once the grid
  // is on a window), along its right and bottom edges; nullptr otherwise.
  TScrollControl* VertScrollControl() const { return FScrollControlV.get(); }
  TScrollControl* HorzScrollControl() const { return FScrollControlH.get(); }
  void CreateScrollControls();
  // The floating picture of a dragged header cell (made hidden with the window).
  THeaderDragButton* MoveButton() const { return FMoveButton.get(); }
  // The arrows that mark where a header drag or a drop lands: above and below a
  // column's place, left of a row's; nullptr until first shown.
  TArrowWindow* ArrowUp() const { return ArwU.get(); }
  TArrowWindow* ArrowDown() const { return ArwD.get(); }
  TArrowWindow* ArrowLeft() const { return ArwL.get(); }
  // The translucent picture of the dragged column or row (DragDropSettings
  // ShowCells), while a header drag shows it; nullptr otherwise.
  TPopupWindow* MoveForm() const { return FMoveForm.get(); }
  // A window showing a picture of the cells of ARect as the grid draws them,
  // translucent (alpha 192), borderless and above the other windows, not shown
  // yet; the caller owns it (grid/view/selection_picture.cpp).
  std::unique_ptr<TPopupWindow> SelectionToForm(const TGridRect& ARect);
  // The last scroll hint's text and whether it shows.
  QString LastScrollHint;
  bool ScrollHintShowing() const { return FScrollHintShow; }
  bool LastRowAboveSearchFooter();
  void ScrollAboveSearchFooter();
  void ScreenToCell(TPoint pt, int& ACol, int& ARow);
  bool IsOnSizingBorder(int X, int Y);
  // Something dragged at X, Y over the grid (Leaving: it left the grid).
  void DragScrollOver(int X, int Y, bool Leaving);
  void DragScrollTick();
  bool DragScrolling() const { return FDragScrollTimer != nullptr; }

  // ===================== column sizing, footer and registries =====================

  void StretchRightColumn();
  // Stretches column Index (-1: the last) to fill the client width; raises
  // "Stretch column index out of range" for a column outside the grid.
  void StretchToClientWidth(int Index);
  // The owner form whose resize the grid chains, the handler it found there, and
  // the form's size at the last resize.
  TForm* FResizeForm = nullptr;
  std::function<void(TObject*)> FKeptFormResize;
  int FPrevFormWidth = 0;
  int FPrevFormHeight = 0;
  // The end of a mouse sizing of column ACol from OldWidth.
  void EndMouseColumnSizing(int ACol, int OldWidth);
  void RegisterSelListener(ITExStringGridSelect* AListener);
  void UnRegisterSelListener(ITExStringGridSelect* AListener);
  ITExStringGridSelect* SelListener() const { return FISelect; }
  void RegisterNotifier(TGridChangeNotifier* ANotifier);
  void UnRegisterNotifier(TGridChangeNotifier* ANotifier);
  int NotifierCount() const { return static_cast<int>(FNotifierList.size()); }
  TCellValueEvent OnCalcFooter;
  // Lookups in the combo editor's item list (exact texts).
  bool RemoveComboString(const QString& s);
  int GetComboIndex(int ACol, int ARow);
  void SetComboIndex(int ACol, int ARow, int Value);

  // ===================== key press and cell advance =====================

  int FirstNavigableCol();
  int VisibleFixedRightCols() const;
  void AdvanceCell(int ACol, int ARow, bool Force, bool AutoEdit, bool Forward, bool Repeated, bool AllowEditor);
  QString SearchInc;
  int SearchTics = 0;

  // ===================== automatic sizing and text measures =====================

  int TotalXOffset() const;
  int TotalYOffset() const;
  int MaxLinesInRow(int ARow);
  void AutoSizeColWidth(int ACol, bool GrowOnly);
  // Sizes display column ACol to its widest cell within the width limits.
  void AutoSizeCol(int ACol, int Padding);
  void AutoSizeColumns(bool DoFixedCols, int Padding);
  void AutoSizeRowHeight(int ARow, bool GrowOnly, int Padding);
  void AutoSizeRow(int ARow, int Padding);
  void AutoSizeRows(bool DoFixedRows, int Padding);
  void SetRowHeightForLines(int ARow, int Lines, int Padding);
  void AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY);
  void AutoFitColumns(bool DoFixedCells);
  void SizeToCols();
  void SizeToRows();
  void SizeToCells();

  // ===================== cell graphics =====================

  // Attaches a new graphic to the cell (replacing and freeing its own one);
  // nullptr for a cell outside the store.
  TCellGraphic* CreateCellGraphic(int ACol, int ARow);
  bool RemoveCellGraphic(int ACol, int ARow);
  bool RemoveCellGraphicOfType(int ACol, int ARow, TCellType AType);

  // ===================== typed cell access =====================

  int Ints(int ACol, int ARow);
  void SetInts(int ACol, int ARow, int Value);
  int AllInts(int ACol, int ARow);
  void SetAllInts(int ACol, int ARow, int Value);
  double Floats(int ACol, int ARow);
  void SetFloats(int ACol, int ARow, double Value);
  double AllFloats(int ACol, int ARow);
  void SetAllFloats(int ACol, int ARow, double Value);
  TDateTime Dates(int ACol, int ARow);
  void SetDates(int ACol, int ARow, TDateTime Value);
  TDateTime Times(int ACol, int ARow);
  void SetTimes(int ACol, int ARow, TDateTime Value);
  QString ControlValues(int ACol, int ARow, const QString& ID);
  void SetControlValues(int ACol, int ARow, const QString& ID, const QString& Value);
  void TextFill(bool DoFixed, const QString& Txt);
  // Fmt takes two integer arguments (column, row); a format that does not fit
  // them raises EConvertError before a cell changes.
  void FormatFill(bool DoFixed, const QString& Fmt);
  void RandomFill(bool DoFixed, int Rnd);
  void LinearFill(bool DoFixed);
  QString HilightText(bool DoCase, const QString& S, const QString& Text);
  QString UnHilightText(const QString& S);
  QString MarkText(bool DoCase, const QString& S, const QString& Text);
  QString UnMarkText(const QString& S);
  void HilightInCell(bool DoCase, int Col, int Row, const QString& HiText);
  void HilightInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText);
  void HilightInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText);
  void HilightInGrid(bool DoFixed, bool DoCase, const QString& HiText);
  void UnHilightInCell(int Col, int Row);
  void UnHilightInCol(bool DoFixed, int Col);
  void UnHilightInRow(bool DoFixed, int Row);
  void UnHilightInGrid(bool DoFixed);
  void MarkInCell(bool DoCase, int Col, int Row, const QString& HiText);
  void MarkInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText);
  void MarkInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText);
  void MarkInGrid(bool DoFixed, bool DoCase, const QString& HiText);
  void UnMarkInCell(int Col, int Row);
  void UnMarkInCol(bool DoFixed, int Col);
  void UnMarkInRow(bool DoFixed, int Row);
  void UnMarkInGrid(bool DoFixed);
  bool CheckCells(int FromCol, int FromRow, int ToCol, int ToRow);
  bool CheckCell(int Col, int Row);
  bool CheckCol(bool DoFixed, int Col);
  bool CheckRow(bool DoFixed, int Row);
  bool CheckGrid(bool DoFixed);
  TNotifyStringList* ColumnHeaders() const { return FColumnHeaders.get(); }
  void SetColumnHeaders(const TStringList& Value);
  TNotifyStringList* RowHeaders() const { return FRowHeaders.get(); }
  void SetRowHeaders(const TStringList& Value);
  TStringList* LookupItems() const { return FLookupItems.get(); }
  void SetLookupItems(const TStringList* Value);
  void ShowColumnHeaders();
  void ClearColumnHeaders();
  void ShowRowHeaders();
  void ClearRowHeaders();
  // The widths and offsets of the last print layout, per column.
  int PrintColWidth(int ACol) const;
  int PrintColOffset(int ACol) const;
  void SetPrintColumn(int ACol, int Width, int Offset);
  // The version number as four dotted bytes (GetVersionString adds the date).
  QString Version();

  // ===================== real-row and other text views =====================

  QString GetCellsEx(int i, int j);
  void SetCellsEx(int i, int j, const QString& Value);
  QString AllCells(int i, int j) { return GetCellsEx(i, j); }
  void SetAllCells(int i, int j, const QString& Value) { SetCellsEx(i, j, Value); }
  QString GetGridCellsEx(int i, int j);
  void SetGridCellsEx(int i, int j, const QString& Value);
  QString AllWideCells(int i, int j) { return GetCellsEx(i, j); }
  void SetAllWideCells(int i, int j, const QString& Value) { SetCellsEx(i, j, Value); }
  uintptr_t GetObjectsEx(int i, int j);
  void SetObjectsEx(int i, int j, uintptr_t aObject);
  QString UnSortedCells(int i, int j);
  void SetUnSortedCells(int i, int j, const QString& Value);
  QString OriginalCells(int i, int j);
  void SetOriginalCells(int i, int j, const QString& Value);
  QString StrippedCells(int i, int j);
  int LinesInCell(int i, int j);
  int AllColWidths(int i) const;
  void SetAllColWidths(int i, int Value);
  int AllColCount() const { return ColCount() + FNumHidden; }
  int AllRowCount() const { return RowCount() + NumHiddenRows(); }
  QString CurrentCell() { return GetCurrentCell(); }
  TStringList* GetHiddenRowItems(int Idx) const;
  TObject* GetRealRowProperties(int ACol, int ARow);
  int SortedRowIndex(int ARow);
  int UnSortedRowIndex(int ARow);
  // --- column order and moving ---
  // Records the present order of the columns (0 .. ColCount - 1).
  void SetColumnOrder();
  // Shows every hidden column and moves the columns back into the recorded order.
  void ResetColumnOrder();
  // Where the recorded column ACol stands now (ACol before any recording).
  int ColumnPosition(int ACol) const;
  // The recorded column at position ACol; records the order first when there is
  // none. A position beyond the recording raises EListError.
  int ColumnAtPosition(int ACol);
  // The first real column whose header (row 0) text is AValue, hidden columns
  // included; -1 when none.
  int ColumnByHeader(const QString& AValue);
  QString GetWideCells(int i, int j) { return Cells(i, j); }
  void SetWideCells(int i, int j, const QString& Value) { SetCells(i, j, Value); }
  // Display indexes. The moves keep controls placed in cells in step; a row does
  // not take the place of a floating footer kept as the last row.
  void MoveColumn(int FromIndex, int ToIndex) override;
  void MoveRow(int FromIndex, int ToIndex) override;
  // Moves Count rows with their texts and cell objects (a block moved down past
  // itself lands Count rows higher). A block or target outside the rows moves nothing.
  void MoveRows(int FromIndex, int ToIndex, int Count);
  // Scrolls so that the cell is in view, making it current when it was not.
  void ScrollInView(int ColIndex, int RowIndex);
  // The column order kept under "Pos" keys in ColumnSize's key and section, in
  // an initialisation file or in the user's registry (grid/data/column_keys.cpp).
  // A stored order that does not name every column once changes nothing.
  virtual void SaveColPositions();
  virtual void LoadColPositions();
  TIntList* SortRowXRef() const { return FSortRowXRef.get(); }

  // ===================== per-cell looks =====================

  void SetCellFont(int i, int j, const TFont* Value);
  TColor Colors(int i, int j) const;
  void SetColors(int i, int j, TColor Value);
  TColor ColorsTo(int i, int j) const;
  void SetColorsTo(int i, int j, TColor Value);
  TCellGradientDirection Gradients(int i, int j) const;
  void SetGradients(int i, int j, TCellGradientDirection Value);
  TColor FontColors(int i, int j) const;
  void SetFontColors(int i, int j, TColor Value);
  TFontStyles FontStyles(int i, int j) const;
  void SetFontStyles(int i, int j, TFontStyles Value);
  int FontSizes(int i, int j) const;
  void SetFontSizes(int i, int j, int Value);
  QString FontNames(int i, int j) const;
  void SetFontNames(int i, int j, const QString& Value);
  TAlignment Alignments(int i, int j) const;
  void SetAlignments(int i, int j, TAlignment Value);
  bool WordWraps(int i, int j);
  void SetWordWraps(int i, int j, bool Value);
  bool ReadOnly(int i, int j) const;
  void SetReadOnly(int i, int j, bool Value);
  void SetRowColor(int i, TColor AColor);
  void SetRowColorTo(int i, TColor AColor);
  void SetRowFontColor(int i, TColor AColor);

  // ===================== hidden columns and rows =====================

  void HideColumn(int ColIndex) { HideColumns(ColIndex, ColIndex); }
  void HideColumns(int FromCol, int ToCol);
  void UnHideColumn(int ColIndex) { UnHideColumns(ColIndex, ColIndex); }
  void UnHideColumns(int FromCol, int ToCol);
  void UnHideColumnsAll() { UnHideColumns(0, ColCount() + FNumHidden); }
  bool IsHiddenColumn(int ColIndex) const;
  int NumHiddenColumns() const { return FNumHidden; }
  int RealColIndex(int ACol) const { return DisplToRealCol(ACol); }
  int DisplColIndex(int ACol) override { return RealToDisplCol(ACol); }
  int RealCol() const { return DisplToRealCol(Col()); }
  int DisplToRealCol(int ACol) const;
  int RealToDisplCol(int ACol) const;

  void HideRow(int Row) { HideRows(Row, Row); }
  void HideRows(int FromRow, int ToRow);
  void HideRowsEx(int FromRow, int ToRow);
  void HideRowList(const TIntList& RowList);
  void UnHideRow(int Row);
  void UnHideRows(int FromRow, int ToRow);
  void UnHideRowsAll();
  void UnHideRowList();
  bool IsHiddenRow(int Row) const;
  // Builds the list of hidden real rows on the first call (an empty pointer) and
  // answers from it afterwards; the caller owns the list.
  bool IsHiddenRow(int Row, std::unique_ptr<TIntList>& List) const;
  int NumHiddenRows() const { return FGridItems->Count(); }
  int RealRowIndex(int ARow) const { return DisplToRealRow(ARow); }
  int DisplRowIndex(int ARow) const { return RealToDisplRow(ARow); }
  int RealRow() const { return DisplToRealRow(Row()); }
  int DisplToRealRow(int ARow) const;
  int RealToDisplRow(int ARow) const;
  int FilterLevel() const { return FFilterLevel; }
  void SetFilterLevel(int Value) { FFilterLevel = Value; }

  // The current row, with OnRowUpdate and the synchronised grid.
  void SetRow(int Value);
  // Applied only for FixedRows <= Value <= RowCount - 1.
  void SetTopRow(int Value);
  // The accessor names of the current and top row.
  int GetRowEx() const { return Row(); }
  void SetRowEx(int Value) { SetRow(Value); }
  int GetTopRowEx() const { return TopRow(); }
  void SetTopRowEx(int Value) { SetTopRow(Value); }
  void HideSelection();
  void UnHideSelection();
  bool SelectionHidden() const { return FSelHidden; }
  void UpdateEditMode();
  bool IsIgnoredColumn(int ACol) const { return FIgnoreColumns->HasValue(ACol); }
  int SaveStartCol() const;
  int SaveEndCol() const;
  int SaveColCount() const;
  int SaveStartRow() const;
  int SaveEndRow() const;
  int SaveRowCount() const;
  int TotalRowCount() const { return AllRowCount(); }
  int TotalColCount() const override { return ColCount() + FNumHidden; }

  // ===================== grid data: rows and columns (grid/data/insert_remove.cpp) =====================
  // Display rows; columns are real columns as stored (hidden ones counted from
  // ColCount up). A start outside the grid is refused, a count beyond it is
  // clipped and a count <= 0 does nothing. Every side list follows: hidden
  // columns and rows, the per-row lists, the controls in cells, the footers.

  // Inserts RCount empty rows before RowIndex (RowIndex = RowCount appends).
  virtual void InsertRows(int RowIndex, int RCount, bool UpdateCellControls = true);
  // Removes RCount rows from RowIndex, freeing their cells.
  virtual void RemoveRows(int RowIndex, int RCount);
  // The removal used by the selection-based operations and the tree nodes:
  // frees the rows' cell properties, then RemoveRowsInternal.
  virtual void DeleteRows(int ARow, int ACount);
  // The workers behind them. UpdateCellControls false leaves the controls in
  // cells, the hidden-row indexes and the per-row lists alone (hiding and
  // showing rows take rows out and put them back without changing real rows).
  void InsertRowsInternal(int RowIndex, int RCount, bool UpdateCellControls);
  void RemoveRowsInternal(int ARow, int ACount, bool UpdateCellControls);
  virtual void InsertCols(int ColIndex, int CCount);
  virtual void RemoveCols(int ColIndex, int CCount);
  // One empty row at the end (before the floating footer's row).
  void AddRow();
  // Appends behind the last stored column (hidden ones too).
  void AddColumn() { InsertCols(AllColCount(), 1); }
  void RemoveSelectedRows();
  void RemoveUnSelectedRows();
  void HideSelectedRows();
  void HideUnSelectedRows();
  void RemoveSelectedCols();
  void RemoveUnSelectedCols();
  // Removes the normal rows whose check box in CheckBoxColumn is in that state.
  void RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked);
  // Removes every normal row whose text in ACol repeats an earlier row's text
  // (exactly with DoCase, else regardless of letter case).
  void RemoveDuplicates(int ACol, bool DoCase);

  // ===================== grid data: files and streams (grid/data/) =====================
  // Columns are display columns unless named real; the readers check what they
  // read before the grid changes, so bad input raises and leaves the grid as it was.

  // The export text of a cell (real column): the formatted or stored text, a
  // check box's check text, mini-HTML and rich text by SaveWithHTML and
  // SaveWithRTF, then OnSaveCell (export_text.cpp).
  virtual void SaveCellText(int ACol, int ARow, QString& Value);
  QString SaveCellText(int ACol, int ARow) {
    QString v;
    SaveCellText(ACol, ARow, v);
    return v;
  }
  // Stores an imported text after OnLoadCell (real column).
  void LoadCellText(int ACol, int ARow, const QString& Value) { LoadCellHook(ACol, ARow, Value); }
  bool SaveWithRTF = false;
  // A number that tells this grid from every other grid of every running program
  // (the header of its cell streams carries it).
  int GridID();
  // The binary cell stream (bin_cells.cpp): the grid's lossless cell format.
  // Rect: Left, Top, Right, Bottom inclusive. A stream is read whole at the
  // device's position; its cells land at Point.
  void SaveRectToBinStream(TRect Rect, QIODevice& Stream);
  void SaveToBinStream(QIODevice& Stream);
  void SaveToBinFile(const QString& FileName);
  void LoadAtPointFromBinStream(TPoint Point, QIODevice& Stream);
  void LoadFromBinStream(QIODevice& Stream);
  void LoadFromBinFile(const QString& FileName);
  // CSV (csv_io.cpp). Unicode writes UTF-8 with its byte-order mark, else the
  // ANSI code page; reading recognises a byte-order mark. MaxRows <= 0 reads
  // every line. An unset Delimiter is "," on writing and guessed on reading.
  void SaveToCSV(const QString& FileName, bool Unicode = false);
  void AppendToCSV(const QString& FileName, bool Unicode = false);
  void LoadFromCSV(const QString& FileName, int MaxRows = 0);
  void InsertFromCSV(const QString& FileName, int MaxRows = 0);
  void LoadFromCSVStream(QIODevice& AStream, int MaxRows = 0);
  void WriteCSV(const QString& FileName, bool Append, bool Unicode);
  void ReadCSVFile(const QString& FileName, bool Insert, int MaxRows);
  void ReadCSV(QIODevice& Stream, bool Insert, int MaxRows);
  // Write texts in the OEM code page and read them back from it.
  bool OemConvert = false;
  // The text cell file and stream (text_cells.cpp): the size, the column widths
  // and one line per non-empty cell. The file is UTF-16LE with its byte-order
  // mark when Unicode, else in the ANSI code page; the stream is UTF-16LE and its
  // reader stops before the first line that is not its own.
  void SaveToFile(const QString& FileName, bool Unicode = false);
  void LoadFromFile(const QString& FileName);
  void SaveToStream(QIODevice& Stream);
  void LoadFromStream(QIODevice& Stream);
  // The cell's number; a text that is no number raises EExGridError naming the
  // position where reading stopped.
  double CellToReal(int ACol, int ARow);
  // Fixed-width and aligned ASCII text (fixed_ascii.cpp). Positions: the widths
  // of the written columns (missing ones are appended), or the 1-based character
  // positions where the read fields start. MaxRows -1 reads every line.
  void SaveToFixed(const QString& FileName, TIntList* Positions);
  void LoadFromFixed(const QString& FileName, TIntList* Positions, bool DoTrim = true, int MaxRows = -1);
  void SaveToASCII(const QString& FileName, bool Unicode = false);
  void AppendToASCII(const QString& FileName, bool Unicode = false);
  void WriteASCII(const QString& FileName, bool Append, bool Unicode);
  // The longest line of the column's export texts (real column), in characters.
  int MaxExportLineLength(int ACol);
  // HTML export (html_export.cpp), always UTF-8; pictures of cells go as JPEG
  // files into the folder "images" beside the file.
  void SaveToHTML(const QString& FileName, bool Show = false, bool Unicode = true);
  void AppendToHTML(const QString& FileName, bool Show = false, bool Unicode = true);
  QString SaveToHTMLString(const QString& Dir);
  void WriteHTML(const QString& FileName, bool Append, bool Unicode, bool Show);
  // XML export and import (xml_io.cpp).
  void SaveToXML(const QString& FileName, const QString& ListDescr, const QString& RecordDescr,
                 const TStringList* FieldDescr, bool ExportEmptyCells);
  void LoadFromXML(const QString& FileName, bool LevelToRow = false, bool LoadFieldDescr = false);
  // Spreadsheet workbooks (.xlsx, reading .xls), word-processor documents
  // (.docx) and database queries (office_formats.cpp).
  std::unique_ptr<TStringList> GetXLSSheets(const QString& FileName);
  void LoadFromXLS(const QString& FileName);
  void LoadFromXLSSheet(const QString& FileName, const QString& SheetName);
  void SaveToXLS(const QString& FileName, bool CreateNewSheet = true);
  void SaveToXLSSheet(const QString& FileName, const QString& SheetName);
  void SaveToDOC(const QString& FileName, bool CreateNewDocument = true);
  void AppendToDoc(const QString& FileName, const QString& Bookmark);
  void LoadFromMDBTable(const QString& FileName, const QString& Table);
  void LoadFromMDBSQL(const QString& FileName, const QString& SQL);
  void ImportXLS(const QString& FileName, const QString& SheetName);
  void ExportXLS(const QString& FileName, const QString& SheetName, bool CreateNewSheet);
  void ExportDoc(const QString& FileName, const QString& Bookmark, bool Append, bool CreateNewDocument);
  // Persistence (persistence.cpp): the column states as one line of text, the
  // column widths ("Col<i>") and positions ("Pos<i>") under ColumnSize's key and
  // section, the visual properties file and the print settings section.
  QString ColumnStatesToString();
  // Checks the whole text first: a text that is not a complete column state
  // raises and changes nothing.
  void StringToColumnStates(const QString& Value);
  void SaveColSizes();
  void LoadColSizes();
  void SaveVisualProps(const QString& FileName);
  void LoadVisualProps(const QString& FileName);
  void SavePrintSettings(const QString& Key, const QString& Section);
  void LoadPrintSettings(const QString& Key, const QString& Section);

  // ===================== grid data: tree nodes in rows (grid/data/tree_nodes.cpp) =====================
  // A node row carries a ctNode graphic in column 0 (contracted flag, span of
  // rows counting the node row, 0 meaning up to the next node row, sub-node
  // count); its rows' column-0 properties hold their level. Rows are display
  // rows unless named real.

  void AddNode(int ARow, int Span);  // ARow real
  void RemoveNode(int ARow);         // real
  void RemoveAllNodes();
  void MarkSummaryRow(int ARow);  // real
  bool IsNode(int ARow);
  bool IsSummary(int ARow);
  bool GetNodeState(int ARow);  // true: contracted
  void SetNodeState(int ARow, bool Value);
  int GetNodeLevel(int ARow);
  int GetNodeSpan(int ARow);
  void SetNodeSpan(int ARow, int Span);
  void UpdateNodeSpan(int ARow, int Delta);
  int GetSubNodeCount(int ARow);
  void UpdateSubNodeCount(int ARow, int Delta);
  // The node row that heads the row's group; a top-level node answers itself,
  // a row in no node -1.
  int GetParentRow(int ARow);
  // For the tree lines: 0 a node row, 2 a child followed by one of the same or
  // a deeper level, 1 otherwise.
  int GetNodeSpanType(int ARow);
  void ExpandNode(int ARow);    // real
  void ContractNode(int ARow);  // real
  void ExpandAll();
  void ContractAll();
  void InsertChildRow(int ARow, int InsertAt);  // ARow real
  void RemoveChildRow(int ARow);                // real
  void InsertNormalRow(int ARow);               // real
  void RemoveNormalRow(int ARow);
  // Whether X lies on the node glyph of the row (always with an imprecise click).
  bool IsInNodeGlyph(int ARow, int X);
  int NumNodes() const { return FNumNodes; }
  bool HasNodes() override { return FNumNodes > 0; }
  // A row's indent in column 0: its level times CellNode.NodeIndent (0 without nodes).
  int GetRowIndent(int ARow) override;
  // Expand cells: a button that switches the row between two heights.
  void AddExpand(int ACol, int ARow, int ExpandedHeight);
  void RemoveExpand(int ACol, int ARow);
  bool ToggleExpand(int ACol, int ARow);
  bool GetExpandState(int ACol, int ARow);
  int GetExpandHeight(int ACol, int ARow, bool Expanded);

  // ===================== grid data: column calculations (grid/data/column_calculations.cpp) =====================
  // Over rows FromRow..ToRow (-1 either: the normal rows); beyond the shown
  // rows the hidden ones are reached by real row. Node and summary rows count
  // only while the grid is not grouped; covered merged cells and texts that
  // are no number are passed over.

  double ColumnSum(int ACol, int FromRow, int ToRow);
  double ColumnAvg(int ACol, int FromRow, int ToRow);
  double ColumnMin(int ACol, int FromRow, int ToRow);
  double ColumnMax(int ACol, int FromRow, int ToRow);
  double ColumnStdDev(int ACol, int FromRow, int ToRow);
  double ColumnDistinct(int ACol, int FromRow, int ToRow);
  // OnGroupCalc's result (0 without a handler).
  double CallGroupCalc(int ACol, int FromRow, int ToRow);
  // OnColumnCalc's result (0 without a handler).
  double ColumnCustomCalc(int ACol, int FromRow, int ToRow);

  // ===================== row calculations, numbering, selected text (grid/data/row_calculations.cpp) =====================
  // Over the real columns fromCol..toCol of a display row; covered merged cells
  // and texts that are no number are passed over (the average divides by every
  // column of the range).

  double RowSum(int ARow, int fromCol, int toCol);
  double RowAvg(int ARow, int fromCol, int toCol);
  double RowMin(int ARow, int fromCol, int toCol);
  double RowMax(int ARow, int fromCol, int toCol);
  // Numbers the normal rows of the column (the columns of the row), leaving the
  // first AutoNumberStart unnumbered, counting from 1 + AutoNumberOffset.
  void AutoNumberCol(int ACol);
  void AutoNumberRow(int ARow);
  int AutoNumberStart = 0;
  int AutoNumberOffset = 0;
  TSortDirection AutoNumberDirection = sdAscending;
  void SelectCells(int FromCol, int FromRow, int ToCol, int ToRow);
  // The selected cells' texts, joined by tabs, rows by line breaks.
  QString SelectedText();
  // False for fixed cells.
  bool IsSelected(int ACol, int ARow);

  // ===================== sorting (grid/data/sorting.cpp, sort_compare.cpp) =====================
  // Real columns throughout. The sorts move whole rows (hidden columns' cells
  // too); fixed rows, fixed footer rows and the floating footer's row stay.

  void Sort(int Column, TSortDirection Direction);
  void SortByColumn(int Col);  // nothing with one row or less
  // By SortSettings.Column in SortSettings.Direction, ties going on to the
  // columns to the right (Full).
  virtual void QSort();
  // By the sort index list; raises EExGridError when it is empty.
  virtual void QSortIndexed();
  // Only the child rows of the expanded nodes of the deepest level.
  virtual void QSortGroup();
  virtual void QSortGroupIndexed();
  // The rows back in the order they had before the first sort since the row
  // count last changed.
  virtual void QUnSort();
  // Exchanges two rows for the sort (descendants move their own per-row data too).
  virtual void SortSwapRows(int ARow1, int ARow2);
  // The rows Left..Right sorted without the bookkeeping of QSort.
  void QuickSort(int Col, int Left, int Right);
  void QuickSortIndexed(int Left, int Right);
  // One compare-and-exchange step in the direction of the last sort (nothing
  // before any sort).
  bool SortLine(int Col, int ARow1, int ARow2);
  void InitSortXRef();
  // Exchanges two rows (with heights and controls) or two real columns (with
  // widths, the sort column and controls), outside sorting.
  void SwapRows(int ARow1, int ARow2);
  void SwapColumns(int ACol1, int ACol2);
  // 1, 0 or -1: row 1 after, equal to or before row 2 in ascending order, by the
  // column's sort style; Direction places blanks (IgnoreBlanks).
  int CompareRows(int ACol, int ARow1, int ARow2, TSortDirection Direction);
  int CompareLine(int ACol, int ARow1, int ARow2);
  int CompareLineIndexed(int i, int ARow1, int ARow2);
  // Statistics: comparisons and exchanges (never reset), the last header-click
  // sort's milliseconds.
  int Compares = 0, Swaps = 0, SortTime = 0;
  // The comparison result the running sort treats as out of order (0 before any
  // sort), and the row that was current, followed through the exchanges.
  int SortDir = 0, SortRow = -1;
  // What a comparison reads of one cell (grid/data/sort_compare.cpp).
  class TSortCell;
  // The header click on the sort row (display cell C, R; X, Y in client
  // pixels), after the release's other steps (grid/data/header_sort.cpp).
  void HeaderClickSort(int C, int R, int X, int Y, bool MoveEnded);
  // Splits the merged cells of every column; merges the listed merged columns again.
  void SplitAllColumnCells();
  void MergeAllColumnCells();

  // ===================== filtering (grid/data/filtering.cpp, filter_lists.cpp) =====================
  // Display rows. Each ApplyFilter hides the failing normal rows as one more
  // filter level; RemoveLastFilter brings back the highest.

  void ApplyFilter();
  void FilterRow(int ARow);  // hides the row alone when it fails
  // False with no level; else true when more than one level remains.
  bool RemoveLastFilter();
  // Every level back (the conditions stay); with no level, the conditions go.
  void RemoveAllFilters();
  // Narrows by typed text in one column (-1: the whole row): a text one
  // character longer than the last adds a level over the rows still shown, one
  // shorter brings the last level back, anything else starts again.
  void NarrowDown(const QString& ACondition, int AColumn);
  // A choice in the plain filter list (its item index) and a tick in the check
  // list: the column's condition, or the conditions of the ticked entries.
  virtual void DoFilterSelect(int ItemIndex);
  virtual void DoFilterCheck();
  // The open filter list's column (-1 none) and the lists themselves (made with
  // the grid's window).
  int FilterColumnOpen() const { return FFilterCol; }
  TDropList* FilterDropList() const { return FDropList; }
  TDropCheckList* FilterDropCheckList() const { return FDropCheckList; }
  // Shows the filter list of the real column under the header cell's filter
  // button (display cell C, R); false when the column has no entries.
  bool ShowFilterList(int C, int R);
  void HideFilterLists();

  // ===================== find and replace (grid/data/find_replace.cpp) =====================
  // Cells are display cells unless fnIncludeHiddenColumns (real columns) or
  // fnIncludeHiddenRows (real rows) say otherwise; (-1, -1) means none.

  // The first matching cell after StartCell ((-1, -1): from the area's first
  // cell, which is examined too).
  TPoint Find(TPoint StartCell, const QString& s, TFindParams FindParams);
  TPoint FindWide(TPoint StartCell, const QString& s, TFindParams FindParams);
  TPoint FindFirst(const QString& s, TFindParams FindParams);
  TPoint FindNext();
  // Rewrites every found cell (OrigStr -> NewStr, by the search's case rule);
  // the number of cells changed. A cell found a second time ends it.
  int Replace(const QString& OrigStr, const QString& NewStr, TFindParams FindParams);
  // The type-ahead row: the first row whose sort-column text starts with s
  // (compared upper-cased); -1 when none.
  int Search(const QString& s);
  // The search footer's handlers (its edit changed, its buttons clicked).
  void SearchFooterEditChange();
  void SearchFooterFindNext();
  void SearchFooterFindPrevious();
  void SearchFooterClose();
  void SearchFooterHighlight();
  // Gives the search footer's box the focus (Ctrl+F); false without a shown footer.
  bool FocusSearchEdit();
  TSearchPanel* SearchPanel() const { return FSearchPanel; }
  TFooterPanel* FooterPanel() const { return FFooterPanel; }
  // A cell drawn whole (look and content, as a fixed cell) into a rectangle of
  // another canvas: the floating footer's strip shows the last row this way.
  void PaintCellInto(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState);
  TPoint SearchCell{-1, -1};
  QString SearchCache, SearchCacheWide;
  int FindCol = 0, FindRow = 0;
  bool FindBusy = false;
  TFindParams FindParams() const { return FFindParams; }

  // ===================== grouping (grid/view/grouping.cpp) =====================
  // Rows with equal consecutive values in the group column gather under a
  // header row that becomes a node (with a summary row each when
  // Grouping.Summary is on); the group column leaves the grid until UnGroup.

  virtual void Group(int Colindex);  // real column
  virtual void UnGroup();
  int GetGroupColumn() const { return FGroupColumn; }
  // -1 ungroups, a value above 0 groups on it, others do nothing.
  void SetGroupColumn(int Value);
  virtual void SubGroup(int Colindex);
  virtual void SubUnGroup(int Colindex);
  // Fills the header (or summary) row of every expanded group with a value:
  // 1 sum, 2 average, 3 minimum, 4 maximum, 5 count, 6 OnGroupCalc, 7 distinct,
  // 8 standard deviation.
  void GroupCalc(int ACol, int Method);
  void GroupSum(int ACol);
  void GroupAvg(int ACol);
  void GroupMin(int ACol);
  void GroupMax(int ACol);
  void GroupCount(int ACol);
  void GroupCustomCalc(int ACol) { GroupCalc(ACol, 6); }
  void GroupDistinct(int ACol) { GroupCalc(ACol, 7); }
  void GroupStdDev(int ACol) { GroupCalc(ACol, 8); }

  // ===================== grid data: cell ranges (grid/data/cell_ranges.cpp) =====================
  // Rectangles take display columns (mapped to real ones with SaveHiddenCells).

  void ClearRows(int RowIndex, int RCount);
  void ClearCols(int ColIndex, int CCount);
  void ClearNormalRows(int RowIndex, int RCount);
  void ClearNormalCols(int ColIndex, int CCount);
  void ClearNormalCells();
  void ClearSelection();
  void Clear();
  // Clear, then the texts of every hidden row.
  void ClearAll();
  // Removes blanks and control characters at both ends of each text.
  virtual void TrimRect(int ACol1, int ARow1, int ACol2, int ARow2);
  void TrimColumn(int ACol) { TrimRect(ACol, 0, ACol, RowCount() - 1); }
  void TrimRow(int ARow) { TrimRect(0, ARow, ColCount() - 1, ARow); }
  void TrimAll() { TrimRect(0, 0, ColCount() - 1, RowCount() - 1); }
  void ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor);
  // Runs of equal texts of a column (row) become merged blocks.
  void MergeColumnCells(int ColIndex, bool MainMerge);
  void MergeRowCells(int RowIndex, bool MainMerge);
  void SplitColumnCells(int ColIndex);
  void SplitRowCells(int RowIndex);
  void SplitAllCells();
  // Joins the texts of ColIndex2 into ColIndex1 (trimmed) and removes ColIndex2.
  void MergeCols(int ColIndex1, int ColIndex2, const QString& Separator);
  // The first cell whose stored text is SubStr, row by row.
  bool IsCell(const QString& SubStr, int& ACol, int& ARow);
  bool IsWideCell(int ACol, int ARow);
  // Set by operations that already handed a row's objects to another row:
  // clearing then only detaches a cell's properties.
  bool NilObjects = false;

  // ===================== printing and print preview (grid/data/print_*.cpp) =====================
  // Pages are laid out in 0.1 mm with y growing upward from the page's top edge
  // (negative below it). Printing goes to Printer() (a PDF file when it has an
  // output file name); previews and drawings go into a canvas, the page's top
  // left corner at the given rectangle's.

  void Print();
  void PrintRect(TGridRect Gridrect);
  void PrintSelection();
  void PrintSelectedRows();
  void PrintSelectedCols();
  void PrintPreview(TCanvas* Canvas, TRect Displayrect);
  void PrintPreviewRect(TCanvas* Canvas, TRect Displayrect, TGridRect Gridrect);
  void PrintPreviewSelection(TCanvas* Canvas, TRect Displayrect);
  void PrintPreviewSelectedRows(TCanvas* Canvas, TRect Displayrect);
  void PrintPreviewSelectedCols(TCanvas* Canvas, TRect Displayrect);
  // The whole grid (a rectangle of it) as one page into the canvas's rectangle.
  void PrintDraw(TCanvas* Canvas, TRect DrawRect);
  void PrintDrawRect(TCanvas* Canvas, TRect DrawRect, TGridRect Gridrect);
  // A print job and a preview of a rectangle, with the selection filter or not.
  void PrintRange(TGridRect Gridrect, bool SelectedOnly);
  void PreviewRange(TCanvas* Canvas, TRect Displayrect, bool SelectedOnly, TGridRect Gridrect);
  int PrintPageFrom() const { return FPrintPageFrom; }
  int PrintPageTo() const { return FPrintPageTo; }
  void SetPrintPageFrom(int Value) { FPrintPageFrom = Value; }
  void SetPrintPageTo(int Value) { FPrintPageTo = Value; }
  int PrintNrOfPages() const { return FPrintNrOfPages; }
  // Only this page is drawn by the next preview.
  void SetPreviewPage(int Value) { FPrintPageFrom = FPrintPageTo = Value; }
  bool FastPrint = false;
  bool IsPrintPreview() const { return FIsPrintPreview; }
  // Kept for the settings' sake: the page canvas keeps turned text upright itself.
  bool PrinterDriverFix = false;
  TRect PrintPageRect() const { return FPrintPageRect; }
  int PrintPageWidth() const { return FPrintPageWidth; }
  int PrintColStart() const { return FPrintColStart; }
  int PrintColEnd() const { return FPrintColEnd; }
  // The fit-to-page scale while a page is laid out, else 1.
  double Fontscalefactor = 1.0;
  // A point size as a font height in 0.1 mm (negative: the character height) and back.
  int MapFontHeight(int pointsize) const;
  static int MapFontSize(int Height);
  // The page loop (modes 0 preview page, 1 printed pages, 2 and 3 counting for
  // them); the number of pages.
  int PrintPages(TPageCanvas* Canvas, int Mode, int PageCount, bool SelectedOnly);
  // The values of the job laid out now or last (a fresh one when there was none).
  TPrintJob& PrintJob();
  // Page frame of the current page: its header and footer texts (the height of
  // a mini-HTML title is the result), its page-number text, its frame lines.
  int PrintPageFrame();
  QString PrintPageNumberText();
  void PrintPageBorders(int FromCol, int ToCol, int Y);
  // One row of the current column band with its top at Y; the row's advance.
  int PrintCellRange(int Y, int FromCol, int ToCol, int ARow);
  int PrintRowHeight(int ARow);
  // A cell's printed width and height (real column), 0.1 mm.
  TPoint PrintCellSize(int ACol, int ARow);
  void PrintColumnWidths();
  void PrintNextPage();


  // ===================== clipboard (grid/data/clipboard_copy.cpp, clipboard_paste.cpp) =====================
  // Copies place TAB / CR LF text, the rich text of a rich-text cell and, with
  // Navigation.AllowFmtClipboard, the grid's own cell format side by side;
  // pastes take the first of cells, rich text, text. Rectangles are display
  // columns and rows.

  void CopySelectionToClipboard();
  void CopyToClipBoard();
  void CutToClipboard();
  void CutSelectionToClipboard();
  void CopyToClipBoardAsHTML();
  QString GetSelectionAsText() { return GetRectAsText(Selection(), false); }
  // Writes a TAB / CR LF text from the selection's top-left cell on, as raw
  // text, without events; the grid grows to hold it.
  void SetSelectionAsText(const QString& Value);
  QString GetRectAsText(TGridRect Rect, bool Disjunct);
  void CopyRectToClipboard(TGridRect Rect, bool Disjunct);
  void CopyRTFToClipboard(int ACol, int ARow);
  void CopyCellsToClipboard(TGridRect Rect);
  // Grows the selection to the whole merged blocks at its corners.
  void WidenSelectionOverMerges();
  void PasteFromClipboard();
  void PasteSelectionFromClipboard();
  // Pastes the clipboard at a cell; the number of fields or cells pasted, and
  // the pasted block's rows and columns.
  int PasteAt(int ACol, int ARow, int& Rows, int& Cols);
  int PasteText(int ACol, int ARow, int& Lines, int& Fields, const QString& Text);
  void MeasureTextBlock(const QString& Text, int& Cols, int& RowsMinusOne);
  virtual void MarkPastedCells(TPoint TopLeft, TRect Rect, TClipOperation Op);
  virtual void BeginPaste() { BeforePasteHook(); }
  virtual void EndPaste() { AfterPasteHook(); }
  virtual bool UseCellsClipboardFormat() { return AllowFormatClipboard(); }
  TPoint ClipTopLeft() const { return FClipTopLeft; }
  TClipOperation ClipLastOp() const { return FClipLastOp; }

  // ===================== drag and drop (grid/data/drag_drop.cpp, selected_text.cpp) =====================
  // With DragDropSettings.OleDropTarget the grid takes dropped text, rich text,
  // links, files, columns and cells; with OleDropSource a press on the selection
  // followed by a move of more than 3 pixels drags it out.

  // A column dragged from a list box of column names (the list item goes when
  // the column is dropped).
  void OleColumnDragStart(int ACol, int AIndex, TListBox* AList);
  // The drag a press on the selection prepared, started by the mouse at X, Y
  // over the cell (C, R).
  void StartOleDrag(int C, int R, int X, int Y);
  // After a drag of this grid's cells ended with Effect: a move (unless
  // OleCopyAlways) takes the dragged rows out (OleRemoveRows with row select)
  // or clears the dragged cells.
  void CleanUpAfterDrag(int Effect);
  TGridDropTarget* DropTarget() const { return FDropTarget.get(); }

  // ===================== selection =====================

  void SetSelection(TGridRect Value);
  void FocusCell(int ACol, int ARow);
  void SelectRange(int FromCol, int ToCol, int FromRow, int ToRow);
  void GotoCell(int ACol, int ARow);
  void EditCell(int ACol, int ARow);
  void MoveCurrentCell(int ACol, int ARow);
  void SelectRows(int RowIndex, int RCount);
  void UnSelectRows(int RowIndex, int RCount);
  void SelectCols(int ColIndex, int CCount);
  void UnSelectCols(int ColIndex, int CCount);
  void ClearRowSelect();
  void ClearColSelect();
  bool RowSelect(int ARow);
  bool GetRowSelect(int ARow) { return RowSelect(ARow); }
  void SetRowSelect(int ARow, bool Value);
  bool ColSelect(int ACol);
  bool GetColSelect(int ACol) { return ColSelect(ACol); }
  void SetColSelect(int ACol, bool Value);
  int RowSelectCount() const;
  int ColSelectCount() const;
  int SelectedRowCount() const;
  int SelectedRow(int i) const;
  int SelectedColCount() const;
  void RowSelectFromSelection(bool ClearOutside);
  void ColSelectFromSelection(bool ClearOutside);
  int SelectedCellsCount();
  TGridCoord SelectedCell(int i) const;
  bool SelectedCells(int i, int j) const;
  void SetSelectedCells(int i, int j, bool Value);
  void ClearSelectedCells();
  void SwapCells(TGridCoord FromCell, TGridCoord ToCell);
  bool RowModified(int ARow) const;
  void SetRowModified(int ARow, bool Value);
  int ModifiedRowCount() const;
  void ClearModifiedRows();
  bool RowEnabled(int ARow) const;
  bool GetRowEnabled(int ARow) const { return RowEnabled(ARow); }
  void SetRowEnabled(int ARow, bool Value);
  bool UseEnabledRows() const { return FUseEnabledRows; }
  bool SelectionChangePending() const { return FSelChange; }
  void SetSelectionChangePending(bool Value) { FSelChange = Value; }
  void RepaintCell(int c, int r) { TBaseGrid::RepaintCell(c, r); }
  void RepaintRow(int ARow);
  void RepaintCol(int ACol);
  void RepaintRect(TRect r);
  void InvalidateCellRange(TGridRect r);

  // ===================== grid properties =====================

  void SetRowCount(int Value);
  // The column grid keeps its columns in step after every count change.
  virtual void SetColCount(int Value);
  void SetCol(int Value);
  int FixedRows() const;
  void SetFixedRows(int Value);
  int FixedCols() const;
  void SetFixedCols(int Value);
  int FixedColWidth() const { return ColWidths(0); }
  void SetFixedColWidth(int Value);
  int FixedRowHeight() const { return FFixedRowHeight; }
  void SetFixedRowHeight(int Value);
  void SetDefaultRowHeight(int Value);
  int FixedFooters() const { return FFixedFooters; }
  void SetFixedFooters(int Value);
  int FixedRightCols() const { return FFixedRightCols; }
  void SetFixedRightCols(int Value);
  bool WordWrap() const { return FWordWrapEx; }
  void SetWordWrap(bool Value);
  TVAlignment VAlignment() const { return FVAlignment; }
  void SetVAlignment(TVAlignment Value);
  int VAlignFlag() const { return FVAlign; }
  TAlignment DefaultAlignment() const { return FDefaultAlignment; }
  void SetDefaultAlignment(TAlignment Value);
  bool ShowDesignHelper() const { return FShowDesignHelper; }
  void SetShowDesignHelper(bool Value);
  TColor HighlightColor() const { return FHighlightColor; }
  void SetHighlightColor(TColor Value);
  TColor HighlightTextColor() const { return FHighlightTextColor; }
  void SetHighlightTextColor(TColor Value);
  bool Hovering() const { return FHovering; }
  void SetHovering(bool Value) { FHovering = Value; }
  bool ActiveCellShow() const { return FActiveCellShow; }
  void SetActiveCellShow(bool Value);
  TColor ActiveCellColor() const { return FActiveCellColor; }
  void SetActiveCellColor(TColor Value);
  TColor ActiveCellColorTo() const { return FActiveCellColorTo; }
  void SetActiveCellColorTo(TColor Value);
  TPoint XYOffset() const { return FXYOffset; }
  void SetXYOffset(TPoint Value);
  void UpdateXYOffset(int X, int Y) { FXYOffset = {X, Y}; }
  TColor ArrowColor() const { return FArrowColor; }
  void SetArrowColor(TColor Value) { FArrowColor = Value; }
  TColor SelectionColor() const { return FSelectionColor; }
  void SetSelectionColor(TColor Value);
  TColor SelectionColorTo() const { return FSelectionColorTo; }
  void SetSelectionColorTo(TColor Value);
  TColor SelectionMirrorColor() const { return FSelectionMirrorColor; }
  void SetSelectionMirrorColor(TColor Value);
  TColor SelectionMirrorColorTo() const { return FSelectionMirrorColorTo; }
  void SetSelectionMirrorColorTo(TColor Value);
  TColor SelectionTextColor() const { return FSelectionTextColor; }
  void SetSelectionTextColor(TColor Value);
  bool SelectionColorMixer() const { return FSelectionColorMixer; }
  void SetSelectionColorMixer(bool Value);
  int SelectionColorMixerFactor() const { return FSelectionColorMixerFactor; }
  void SetSelectionColorMixerFactor(int Value);
  bool SelectionRectangle() const { return FSelectionRectangle; }
  void SetSelectionRectangle(bool Value);
  bool SelectionResizer() const { return FSelectionResizer; }
  void SetSelectionResizer(bool Value);
  int MaxEditLength() const { return FMaxEditLength; }
  void SetMaxEditLength(int Value) { FMaxEditLength = Value; }
  bool ShowSelection() const { return FShowSelection; }
  void SetShowSelection(bool Value);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
  void SetAutoThemeAdapt(bool Value);
  bool SpreadSheet() const { return FSpreadSheet; }
  void SetSpreadSheet(bool Value);
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor Value);
  TGridLook Look() const { return FLook; }
  // Applies the look's preset of colours and styles (look_presets.cpp); the
  // colours only outside loading, the border always.
  void SetLook(TGridLook Value);
  bool IsPasswordCell(int ACol, int ARow);
  bool UsesVCLStyles() override { return false; }
  bool HasCellBorderEvent() override { return OnGetCellBorder || OnGetCellBorderProp; }
  int MaxRowCount() const { return FMaxRowCount; }
  int MaxColCount() const { return FMaxColCount; }
  void SetMaxRowCount(int Value) { FMaxRowCount = Value; }
  int FixedRowsMin() const { return FFixedRowsMin; }
  int FixedColsMin() const { return FFixedColsMin; }

  // ===================== keyboard, mouse and window messages =====================
  // Key navigation (grid/input/keyboard_navigation.cpp), typed characters
  // (char_input.cpp), the Tab advance (tab_advance.cpp), the window procedure's
  // timer, wheel and update lock (window_proc.cpp), scrolling notifications
  // (scroll_notifications.cpp), mouse presses (mouse_press.cpp), movement
  // (mouse_move.cpp), releases, double clicks and the right button
  // (mouse_release.cpp).

  enum TMouseSelectMode { msNormal, msColumn, msRow, msAll, msResize };

  bool AdvanceAfterEdit(bool Backward);
  bool IsSelectableCell(int ACol, int ARow);
  int FirstSelectableCol(int ARow);
  int LastSelectableCol(int ARow);
  bool IsLastNormalRow();
  void AutoAddRow();
  virtual void MoveToFirstRow();
  // Quiet update lock: a level without holding or releasing painting.
  void StartUpdate() { ++FUpdateCount; }
  void ResetUpdate() { FUpdateCount = 0; }
  bool LockUpdate() const { return FUpdateCount != 0; }
  void SetLockUpdate(bool Value);
  // Raises OnSelectionChanged with the rectangle.
  void SelectionChanged(const TGridRect& R);
  // The grid timer's identifier and one tick of it (tests drive ticks directly).
  static constexpr unsigned kGridTimerID = 111;
  void GridTimerTick();
  int TimerTicks() const { return FTimerTicks; }
  TMouseSelectMode MouseSelectMode() const { return FMouseSelectMode; }
  // Records the column widths and the grid's width as the base of proportional
  // column sizing (ColumnSize.SynchWithGrid).
  void InitOrigColSizes();
  // Middle-button panning: the directions it may move in (ipNone: no panning).
  enum TIntelliPan { ipVertical, ipHorizontal, ipBoth, ipNone };
  TIntelliPan IntelliPan = ipVertical;
  static constexpr unsigned kPanTimerID = 999;
  bool Panning() const { return wheelpan; }
  // Ends any fixed-cell hover highlight.
  void ResetFixedCellHighlight();
  // Does the fixed cell show hover effects (HoverFixedCells)?
  bool IsHoverFixedCell(int ACol, int ARow);
  TGridCoord HoverFixedCell() const { return {FHoverFixedX, FHoverFixedY}; }
  // The wheel turned with a wheel increment or disjunct row selection set.
  std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)> OnMouseWheelDown,
      OnMouseWheelUp;

protected:
  void WMKeyDown(TMessage& Message) override;
  void KeyDown(int& Key, TShiftState Shift) override;
  void KeyUp(int& Key, TShiftState Shift) override;
  void WMChar(TMessage& Message) override;
  void CMDialogChar(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void WMTimer(TMessage& Message);
  void WMMouseWheel(TMessage& Message) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  void TopLeftChanged() override;
  void WMLButtonDown(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void CMMouseLeave(TMessage& Message) override;
  void WMLButtonUp(TMessage& Message) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void WMLButtonDblClk(TMessage& Message) override;
  void WMRButtonDown(TMessage& Message) override;
  void WMRButtonUp(TMessage& Message) override;
  // Opens the editor and hands it the character that started the edit.
  void ShowEditorChar(QChar Ch);
  // A click on a normal row's node glyph; a released expand button.
  void ClickNodeGlyph(int R, TShiftState Shift, int X, int Y);
  void ExpandClick(int ACol, int ARow);
  // Insert and Delete by key (grid/input/row_keys.cpp); false: the insertion was refused.
  bool InsertRowByKey();
  void DeleteRowByKey();

  TGridRect FMoveSelection;
  TGridCoord FLastKeyCell;
  int FTimerTicks = 0;
  bool FGridBlink = false;
  bool FDblClk = false, ColMoveFlg = false, ColSizeFlg = false;
  bool FDoOnClick = false, FMouseDownMove = false, FMouseKeepDown = false;
  bool FSelectionClick = false, FMouseDown = false, FDeselectState = false;
  TMouseSelectMode FMouseSelectMode = msNormal;
  int FMouseSelectStart = -1;
  TGridCoord FPushedCellButton{-1, -1};
  int Colclicked = -1, Rowclicked = -1, Colclickedsize = 0, Rowclickedsize = 0;
  int Clickposx = 0, Clickposy = 0, Clickposdx = 0, Clickposdy = 0;
  int FOldKeepLeftCol = 0, FOldTopRow = 0, FOldLeftCol = 0;
  TGridRect FPressSelection;  // the selection when the left button went down
  int FOldSize = 0;  // the grid's width when the column widths were recorded
  // The columns follow the grid's width from the recorded widths.
  void SynchColumnsWithWidth();
  // Panning: one step towards the mouse position P (client coordinates), and its end.
  void PanStep(TPoint P);
  void EndPanning();
  bool wheelpan = false;
  TPoint wheelpanpos{0, 0};
  TCursor prevcurs = crDefault;
  bool FNoMouseLeave = false;  // the fixed-cell hover stays while a fixed drop-down menu is open
  // Resizing the selection by its handle: the selection when it began (its cells
  // are on the clipboard until the release pastes them).
  bool FMouseResize = false;
  TGridRect FDropSelection;
  // The 6 by 6 pixel handle at the bottom right of the selection's last cell.
  bool OnSelectionHandle(int X, int Y);
  // The select mode's cursor over header cells and the selection handle, the
  // cell's own cursor (OnGetCellCursor) over other cells; the grid's own cursor
  // comes back elsewhere.
  void ShowSelectModeCursor(int C, int R, int X, int Y);
  bool FSelectCursorShown = false;
  TCursor FOwnCursor = crDefault;
  // Sizing fixed columns and rows by their borders (MouseActions.SizeFixedCol,
  // SizeFixedRow; grid/input/fixed_sizing.cpp): the mouse is on such a border,
  // sizing runs, the column or row sized and the sizing line's position.
  bool FSizeFixed = false, FSizingFixed = false, FSizeFixedR = false, FSizingFixedR = false;
  int FSizingFixedCol = -1, FSizingFixedRow = -1, FSizeFixedX = 0, FSizeFixedY = 0;
  // The fixed column (row) whose right (bottom) border lies within 2 pixels of X (Y); -1 when none.
  int FixedColBorderAt(int X);
  int FixedRowBorderAt(int Y);
  void TrackFixedSizing(int X, int Y, bool ValidCell);
  bool StartFixedSizing(int X, int Y, bool ValidCell);
  void EndFixedSizing(int X, int Y);

public:
  // ===================== the settings objects' host =====================

  void HostInvalidate() override { Invalidate(); }
  void HostRepaintRow(int ARow) override { RepaintRow(ARow); }
  void HostRepaintCell(int ACol, int ARow) override { RepaintCell(ACol, ARow); }
  int HostFixedRows() const override { return FixedRows(); }
  bool HostHasParent() const override { return Parent() != nullptr; }
  bool HostDesigning() const override { return Designing(); }
  bool HostLoading() const override { return Loading(); }
  // The stretch column fills the client width.
  void HostStretchColumn() override;
  bool HostRegisterDropTarget() override;
  void HostRevokeDropTarget() override;
  void HostFloatingFooterLayout() override;
  void HostRepaintFooterPanel() override { UpdateFooter(); }
  TColumnCalcType HostColumnCalc(int ACol) override;
  void HostSetColumnCalc(int ACol, TColumnCalcType Value) override;

protected:
  void Loaded() override;

  // --- painting, drawing and the other facets of this grid's looks ---
  void Paint() override;
  // One cell of the paint pass; a fault while painting it leaves the cell blank
  // and is reported once, after the paint (never from inside it).
  void DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) override;
  void DrawGridCell(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) override;
  // The edit frame, the background outside the cells, the border, the sizing
  // line and OnPainted.
  void PaintAroundCells();
  void PaintFault(const QString& Message);
  bool HandlePaintFaultMessage(const TMessage& Message);
  QStringList FPaintFaultsShown, FPaintFaultsPending;
  void CellChanged(int ACol, int ARow) override;
  void SizeChanged(int OldColCount, int OldRowCount) override;
  void ColWidthsChanged() override;
  void RowHeightsChanged() override;
  void CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs) override;
  void WMHScroll(TMessage& Message) override;
  void WMVScroll(TMessage& Message) override;
  void WMGetDlgCode(TMessage& Message) override;
  void KeyPress(QChar& Key) override;
  // The tool tip of the cell under the mouse (BuildCellHint).
  void CMHintShow(TMessage& Message) override;

  struct TCellPaint;
  void DrawFixedCellLook(TCellPaint& P);
  void DrawAlwaysVisibleButtons(TCellPaint& P);
  void DrawFixedCellEdges(TCellPaint& P);
  void DrawOutsideLines(TCellPaint& P, TColor color, bool horizontal, bool vertical);
  void DrawCellText(TCellPaint& P);
  void DrawPlainCellText(TCellPaint& P, TRect r, QString text, int errFrom, int errLen);
  void DrawBackgroundGradient(TCellPaint& P, const TRect& r);
  void DrawSelectionRectangle(TCellPaint& P);
  void DrawCellBorders(TCellPaint& P);
  void DrawCellGraphic(TCellPaint& P);
  void DrawCheckLikeGraphic(TCellPaint& P, const TRect& r, TRect at, int tw);
  void DrawOtherGraphic(TCellPaint& P, const TRect& r, const TRect& at);
  // The tree in column 0 and expand buttons (grid/view/node_drawing.cpp).
  void DrawTreeLines(TCellPaint& P);
  void DrawNodeGlyph(TCellPaint& P);
  void DrawExpandButton(TCellPaint& P);
  void PaintBackgroundOutsideCells();
  void PaintBackgroundBitmapFixed(TRect Rect);
  void PaintBackgroundBitmapTiled(TRect Rect);
  void PaintBackgroundTiles(TCanvas* ACanvas, TRect R, int PhaseX, int PhaseY);
  bool BackGroundCovers(bool Fixed) const;
  void DrawBackgroundPicture(TCellPaint& P);
  void PaintGridBorder();
  double CellNumberOr0(int ACol, int ARow);
  bool MouseButtonDown() const;
  void ApplySelectionColors(TFont* AFont, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo) const;
  void CheckCellInGrid(int ACol, int ARow) const;
  QString CheckText(int ACol, int ARow, bool State);
  TCellGraphic* StateGraphic(int ACol, int ARow, QString* Text, bool* Own);
  TCellGraphic* NewGraphic(int ACol, int ARow, TCellType AType);
  TCellGraphic* GraphicOfType(int ACol, int ARow, TCellType AType);
  void ShowScrollHint(bool Vertical, int Index);
  int SearchPanelHeight() const;
  void TypeAhead(QChar Key);
  int ContentWidth(int ACol, int ARow);

  // --- state of those facets ---
  TColorTones FTones;
  TPoint FSizingLine{-1, -1};
  bool FSizingLineVisible = false;
  bool FIsColChanging = false;
  bool ColchgFlg = false;
  bool ColSized = false, RowSized = false;
  bool FPendingColSizing = false, FPendingRowSizing = false;
  bool FSizingAll = false;
  int FCellControlCount = 0;
  ITExStringGridSelect* FISelect = nullptr;
  std::vector<TGridChangeNotifier*> FNotifierList;
  int FAECol = -1, FAERow = -1;
  bool FDisableChange = false;
  int FAdvanceDepth = 0;
  bool FIsFlat = false;
  bool FScrollLock = false;
  bool FScrollHintShow = false;
  TProportionalThumb FHorzThumb, FVertThumb;
  std::unique_ptr<TTimer> FDragScrollTimer;
  TDragScrollDirection FDragScrollDirection;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // The display text: addresses in texts as links (URLShowInText).
  void DoGetDisplText(int ACol, int ARow, QString& Value) override;
  std::unique_ptr<TFocusHelper> FFocusHelper;
  TGridFocusWindow* FFocusWindow = nullptr;  // owned as a component
  THintWindow* FScrollHintWnd = nullptr;     // owned as a component
  TGridCoord FHoverButton{-1, -1};
  // The sizing hint at the cell's top-left corner with the size as mini-HTML.
  void ShowSizingHint(bool Column, int Value, int HintCol, int HintRow);
  void HideSizingHint();
  // Window creation: run when the grid gets its parent.
  virtual void CreateWnd();
  // The grid's size changed.
  virtual void Resize();
  QString GetEditMask(int ACol, int ARow) override;
  // A moved display column or row: the grid's per-column and per-row data follow
  // (grid/input/column_row_moving.cpp).
  void ColumnMoved(int FromIndex, int ToIndex) override;
  void RowMoved(int FromIndex, int ToIndex) override;
  bool FSyncedMove = false;  // being moved by the synchronised grid
  // A header drag (grid/input/column_row_moving.cpp): the column or row picked
  // up, the press point inside its cell, the target shown by the arrows.
  int Movecell = -1, MoveOfsX = 0, MoveOfsY = 0, FMoveColInd = -1, FMoveRowInd = -1;
  bool FMoveAllowed = true, FMoveShown = false;
  TCursor FMoveOwnCursor = crDefault;
  std::unique_ptr<TArrowWindow> ArwU, ArwD, ArwL, ArwR;
  // The drag button, arrows and target while the mouse moves; the end of the
  // drag at the left release (true: the grid ended it and moved what it moves).
  void TrackEnhancedMove(int X, int Y, int C, int R);
  bool EndEnhancedMove(int C, int R);
  void ShowMoveForm(TGridRect Cells);
  void MoveSyncedTwin(void (TExStringGrid::*Move)(int, int), int FromIndex, int ToIndex);
  bool SelectCell(int ACol, int ARow) override;
  bool IsFixed(int ACol, int ARow) override;
  void GetCellColors(int ACol, int ARow, TFont* AFont, TBrush* ABrush, TColor& ColorTo, TColor& MirrorColor,
                     TColor& MirrorColorTo, TAlignment& HA, TVAlignment& VA, bool& WW,
                     TCellGradientDirection& GD) override;
  // Hooks of other facets that this one calls at the Parts' points.
  virtual void BalloonInit() {}
  virtual void BalloonDone() {}
  virtual void HideInplaceEdit();
  // Places the controls of cells over their cells (grid/input/scroll_notifications.cpp).
  virtual void CellControlsUpdate(bool RebuildList);
  // The floating footer's panel repainted (grid/data/footer_panel.cpp) and the
  // search panel made and laid out from SearchFooter
  // (grid/data/search_footer_actions.cpp).
  virtual void UpdateFooter();
  virtual void UpdateSearchPanel();
  // The search and footer panels along the bottom edge.
  void PlaceBottomPanels();
  void PlaceFooterPanel(int Bottom);
  // The search footer's handlers and the options of its searches.
  TFindParams SearchFooterParams(TSearchAction Action);
  void SetSearchEditColor(TColor Color);
  void SearchFooterHighlightText(bool On);
  void SearchFooterFind(TSearchAction Action);
  TSearchPanel* FSearchPanel = nullptr;  // owned as a component
  TFooterPanel* FFooterPanel = nullptr;  // owned as a component
  virtual void ShowInplaceEdit();  // in-place editing: grid/input/edit_cycle.cpp

  // Raises ColCount by the hidden columns for the guard's life, so that whole
  // rows carry the cells of hidden columns.
  class TAllColumnsGuard {
  public:
    explicit TAllColumnsGuard(TExStringGrid& g);
    ~TAllColumnsGuard();
    TAllColumnsGuard(const TAllColumnsGuard&) = delete;
    TAllColumnsGuard& operator=(const TAllColumnsGuard&) = delete;

  private:
    TExStringGrid& g_;
    int raised_ = 0;
  };
  int FAllColumnsDepth = 0;  // guards alive; only the outermost raises
  bool FBlockCellChange = false;  // clearing reports no cell change
  // Row and column upkeep of the insertion and removal workers.
  void ShiftRowLists(int RowIndex, int Count);
  void DropRowControls(int ARow, int ACount);
  std::vector<int> RealRowsOf(int ARow, int ACount) const;
  void FollowRemovedRows(const std::vector<int>& Removed, bool Controls, bool HiddenRows);
  void ShiftHiddenRowItems(int Real, int Delta);
  void SetWidthsByRealColumn(const std::vector<int>& Widths);
  int FNumNodes = 0;  // node rows in the grid
  // Grouping: the real column grouped on (-1 none), its width, and the texts
  // of its header and last row kept while it is out of the grid.
  int FGroupColumn = -1;
  int FGroupWidth = 0;
  QString FGroupCaption, FGroupFooter;
  int LastNormalRowIndex() const;
  bool IsRowFlagged(int ARow);
  void RemoveDisplayCols(int From, int To);
  void InsertGroupSummary(int H);
  void RemoveGroupRow(int ARow, bool Merged);
  void GroupCalcWithFooter(int ACol, int Method, TColumnCalcType Footer);
  // Rows of the node in display row d: its end row (exclusive) in display rows.
  int NodeEndRow(int d);
  // Frees the cell properties of the rows (every column) and counts the node
  // rows that go with them.
  void FreeRowsForRemoval(int ARow, int ACount);

  // Sorting's frame, scope and workers (grid/data/sorting.cpp).
  class TSortFrame;
  class TSortScope;
  std::unique_ptr<TSortKeys> FSortKeys;  // while a sort runs
  void RangeSort(int Col, int Left, int Right, bool Indexed);
  void CopyPivotRow(int Pivot, int Slot);
  void SortGroups(bool Indexed);
  void RepaintSortPanels(bool SearchPanel);
  void SwapTableRows(int ARow1, int ARow2);

  // Copies the texts and objects of store row `from` into row `to` over every
  // column of the store.
  void CopyRowCells(int from, int to);
  void CopyRowToItems(int row, TStringList& items);
  // The CSV reader behind the file and stream variants.
  void ReadCSVText(const QString& Text, bool Insert, int MaxRows);
  void CopyItemsToRow(const TStringList& items, int row);
  void ClearRowCells(int row);
  void GrowColumnArrays(int count) const;

  // --- fields ---
  bool FLoaded = false;
  int FUpdateCount = 0;
  bool FSkipRepaint = false;  // set by SelectCell, consumed by Invalidate
  bool FTimerRunning = false;
  TCursor FRestoreCursor = crDefault;
  std::unique_ptr<TFont> FCellFont;

  std::unique_ptr<TSearchFooter> FSearchFooter;
  std::unique_ptr<TScrollControl> FScrollControlV, FScrollControlH;
  std::unique_ptr<THeaderDragButton> FMoveButton;
  std::unique_ptr<TPopupWindow> FMoveForm;
  void RemoveScrollControls();
  void PlaceScrollControls();
  std::unique_ptr<TFloatingFooter> FFloatingFooter;
  std::unique_ptr<TPrintSettings> FPrintSettings;
  std::unique_ptr<THTMLSettings> FHTMLSettings;
  std::unique_ptr<TSortSettings> FSortSettings;
  std::unique_ptr<TDragDropSettings> FDragDropSettings;
  std::unique_ptr<TDragScrollOptions> FDragScrollOptions;
  std::unique_ptr<TControlLook> FControlLook;
  std::unique_ptr<TNavigation> FNavigation;
  std::unique_ptr<TColumnSize> FColumnSize;
  std::unique_ptr<TCellNode> FCellNode;
  std::unique_ptr<TBands> FBands;
  TSizeWhileTyping FSizeWhileTyping;
  std::unique_ptr<TMouseActions> FMouseActions;
  std::unique_ptr<TGrouping> FGrouping;
  std::unique_ptr<TNotifyStringList> FColumnHeaders;
  std::unique_ptr<TIntList> FOrigColSizes;
  std::unique_ptr<TFont> FFixedFont;
  std::unique_ptr<TFont> FActiveCellFont;
  std::unique_ptr<TNotifyStringList> FRowHeaders;
  std::unique_ptr<TStringList> FSortList;
  std::unique_ptr<TStringList> FLookupItems;
  std::unique_ptr<TSortIndexList> FSortIndexes;
  std::unique_ptr<TIntList> FSortRowXRef;
  std::unique_ptr<TIntList> FUnSortRowXRef;
  std::unique_ptr<TIntList> FMergedColumns;
  std::unique_ptr<TIntList> FSelectedRows;
  std::unique_ptr<TIntList> FModifiedRows;
  std::unique_ptr<TIntList> FEnabledRows;
  std::unique_ptr<TBitmap> FRowIndicator;
  std::unique_ptr<TBackGround> FBackGround;
  std::unique_ptr<TControlList> FControlList;
  std::unique_ptr<TGridProgressAppearance> FProgressAppearance;
  std::unique_ptr<TSyncGrid> FSyncGrid;
  std::unique_ptr<TGridItems> FGridItems;
  std::unique_ptr<TFilter> FFilter;
  std::unique_ptr<TBalloonSettings> FBalloon;
  std::unique_ptr<TShowModified> FShowModified;
  std::vector<TObject*> FNotifiers;
  std::unique_ptr<TIntList> FColumnOrder;
  std::unique_ptr<TCellGraphic> FSharedGraphic;
  std::unique_ptr<TIntList> FIgnoreColumns;
  std::unique_ptr<TFilterDropDown> FFilterDropDown;
  std::unique_ptr<TStringList> FFilterList;
  TExStringGridCheck* FCellChecker = nullptr;
  bool FFilterActive = false;
  TFindParams FFindParams;
  TPoint FindCore(TPoint StartCell, const QString& s, TFindParams FindParams, bool Wide);
  bool MatchCell(int ACol, int ARow, bool Wide);
  int FFilterFixedRows = -1;  // FixedRows at the last ApplyFilter (-1 before any)
  QString FLastFilter;       // the last NarrowDown text
  TDropList* FDropList = nullptr;            // owned as components
  TDropCheckList* FDropCheckList = nullptr;

  // internal state (-1: none)
  int FLastTabCol = -1, FLastTabRow = -1;
  int FHoverLink = -1;
  int FHoverFixedX = -1, FHoverFixedY = -1;
  int FOleDragCol = -1;
  int FFilterCol = -1;
  int FComboIdx = -1;
  int FClickedCol = -1, FClickedRow = -1;
  int FLastHintX = -1, FLastHintY = -1;
  int FPrevWidth = -1, FPrevHeight = -1;
  int FPrevLeftCol = 0, FPrevTopRow = 0;
  bool FValidation = true;
  int FPrintPageFrom = 1, FPrintPageTo = 1;
  int FGridID = 0;
  int FPrintNrOfPages = 0;
  bool FIsPrintPreview = false;
  TRect FPrintPageRect;
  int FPrintPageWidth = 0, FPrintColStart = 0, FPrintColEnd = 0;
  std::shared_ptr<TPrintJob> FPrintJob;  // the page loop's values while a job runs
  // drag and drop
  std::shared_ptr<TGridDropTarget> FDropTarget;
  int FOleDragIndex = -1;
  TListBox* FOleDragList = nullptr;
  friend class TGridDropTarget;
  friend class TGridDropSource;
  // clipboard
  TPoint FClipTopLeft{0, 0};
  TClipOperation FClipLastOp = coCopy;
  bool FPasteAll = false;
  // The text of a cell as it goes onto the clipboard (real column).
  QString ClipboardCellText(int ACol, int ARow);
  TColor FTone1 = clNone, FTone2 = clNone;

  // hidden columns: per real column its visibility and its width when hidden;
  // both grow with the columns (a column beyond them is visible)
  mutable std::vector<bool> FVisibleCol;
  mutable std::vector<int> FAllColWidths;
  int FNumHidden = 0;
  int FFilterLevel = 0;
  bool FHidingRows = false;  // RemoveRowsEx takes rows out for hiding, not for good
  TGridRect FOldSelection;
  bool FSelHidden = false;
  int FOldRowSel = -1;

  // selection
  mutable std::vector<bool> FRowSelect;
  mutable std::vector<bool> FColSelect;
  std::vector<TGridCoord> FSelectedCells;
  bool FUseEnabledRows = false;
  bool FSelChange = false;

  // edited cell (for CancelCellEdit and validation)
  int FEditCol = -1, FEditRow = -1;
  QString OriginalCellValue;
  bool FOriginalModified = false;

  // print layout
  std::vector<int> FPrintColWidths;
  std::vector<int> FPrintColOffsets;

  // properties with upkeep
  bool FFixedColsMinSet = false;
  int FFixedRowsMin = 1, FFixedColsMin = 1;
  int FMaxRowCount = 0, FMaxColCount = 0;
  int FFixedFooters = 0, FFixedRightCols = 0;
  int FFixedRowHeight = 0;
  bool FWordWrapEx = true;
  TVAlignment FVAlignment = vtaTop;
  int FVAlign = 0;
  TAlignment FDefaultAlignment = taLeftJustify;
  bool FShowDesignHelper = true;
  TColor FHighlightColor = clHighlight;
  TColor FHighlightTextColor = clHighlightText;
  bool FHovering = false;
  bool FActiveCellShow = false;
  TColor FActiveCellColor = clGray;
  TColor FActiveCellColorTo = clNone;
  TPoint FXYOffset{2, 2};
  TColor FArrowColor = clBlack;
  TColor FSelectionColor = 0xEACAB6;
  TColor FSelectionColorTo = clNone;
  TColor FSelectionMirrorColor = clNone;
  TColor FSelectionMirrorColorTo = clNone;
  TColor FSelectionTextColor = clBlack;
  bool FSelectionColorMixer = false;
  int FSelectionColorMixerFactor = 50;
  bool FSelectionRectangle = false;
  bool FSelectionResizer = false;
  int FMaxEditLength = 0;
  bool FShowSelection = true;
  bool FAutoSize = false;
  bool FFlat = false;
  bool FAutoThemeAdapt = false;
  bool FSpreadSheet = false;
  TColor FBorderColor = 0xB99D7F;
  TGridLook FLook = glXP;

  // ===================== in-place editing =====================
  // Editability and editor choice (grid/input/editability.cpp), placing and
  // storing the grid's own editor controls (grid/input/special_editors.cpp) and
  // the edit cycle with validation (grid/input/edit_cycle.cpp).
  friend class TExInplaceEdit;
  friend class TGridCombo;
  friend class TGridSpin;
  friend class TGridCheckBox;
  friend class TGridButton;

public:
  bool IsEditable(int ACol, int ARow);
  bool IsCellEditable(int ACol, int ARow);
  // Runs SelectCell for the current cell (validation and editing mode settle).
  void Select();
  // The main editor-kind lookup (column settings first in a column grid).
  void DoGetEditorType(int ACol, int ARow, TEditorType& AEditor) { GetComboEditorTypeHook(ACol, ARow, AEditor); }
  void ReQueryEditorType(int ACol, int ARow, TEditorType& AEditor) { GetEditorTypeHook(ACol, ARow, AEditor); }
  virtual bool ValidateCell(const QString& NewValue);
  // Validation of a cell that holds packed wide text (OnCellValidateWide).
  virtual bool ValidateCellWide(const QString& NewValue);
  // After a refused value: the editor opens again on the edited cell (column
  // FOldCol, row ARow) with the modified flag it had when the edit began.
  void ReopenRefusedEditor(int ARow);
  bool EditorHandlesTab();
  void DoneInplaceEdit(int Key, TShiftState Shift);
  void PostEditDone(int ACol, int ARow);
  virtual void RestoreCellFromCache();
  void PlaceSpecialEditor(int ACol, int ARow);
  void StoreSpecialEditor(int ACol, int ARow);
  void HideCellEdit() { StoreSpecialEditor(Col(), Row()); }
  // Opens the current cell's editor as the F2 key does.
  void ShowCellEdit() { SendMessage(this, WM_KEYDOWN, VK_F2, 0); }
  // A left click into the cell (R.Left + 2, R.Top + 2) without the form's mouse
  // events; the cursor goes there whatever the vetoes say.
  void ClickCell(int ACol, int ARow);
  TEditorType CurrentEditor() const { return EditControl; }
  bool EditModeActive() const { return EditMode; }
  bool Modified() const { return FGridModified; }
  void SetModified(bool Value) { FGridModified = Value; }
  TExInplaceEdit* NormalEdit() const;
  // The editor controls, made on first use.
  TGridCombo* Combobox();
  TGridSpin* SpinEdit();
  TGridCheckBox* CheckEditor();
  TGridButton* ButtonEditor();
  // The combo editor's list, filled by OnGetEditorType handlers.
  void ClearComboString();
  void AddComboString(const QString& S);
  void AddComboStringObject(const QString& S, TObject* AObject);
  void SetComboSelection(int Idx) { FComboIdx = Idx; }
  void SetComboSelectionString(const QString& S);
  int ComboCount() const;
  // Loads a column's proposals into the combo editor (column grids).
  void LoadComboItems(const TStringList& Items);
  int MaxComboLength() const { return FMaxComboLength; }
  void SetMaxComboLength(int Value) { FMaxComboLength = Value; }
  bool AlwaysValidate = false;
  bool ExcelStyleDecimalSeparator = false;
  bool Multilinecells = false;
  QString ValidChars;
  QString ValidCharSet;
  bool Lookup = false;
  bool LookupCaseSensitive = false;
  bool LookupHistory = false;

protected:
  bool CanEditShow() override;
  TInplaceEdit* CreateEditor() override;
  QString GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const QString& Value) override;
  int GetEditLimit() override;
  void WndProc(TMessage& Message) override;
  void WMSetFocus(TMessage& Message) override;
  void WMKillFocus(TMessage& Message) override;
  void DoEnter() override;
  void DoExit() override;
  void Click() override;
  bool IsClickableCell(int ACol, int ARow);
  // The grid's own key steps, for the editors that hand keys back.
  void GridKeyDown(int& Key, TShiftState Shift) { KeyDown(Key, Shift); }
  void GridKeyPress(QChar& Key) { KeyPress(Key); }
  void GridKeyUp(int& Key, TShiftState Shift) { KeyUp(Key, Shift); }
  void ShowInvalidEntryBalloon();

  bool FForceSel = false;
  bool FLastValidation = true;
  bool FModified = false;
  QString FOldCellText, FNewCellText;
  QString FOldCellTextWide;
  QChar FStartEditChar;
  int FOldCol = -1, FOldRow = -1;
  bool FOldModifiedValue = false;
  bool FBlockFocus = false, FBlockKill = false;
  bool FEntered = false;
  bool FEditing = false;
  bool FSpecialEditor = false;
  bool FEditActive = false;
  bool FValidating = false;
  bool FRefusing = false;  // a refused validation hides and reopens the editor
  bool FEditorLostFocus = false;  // the text editor gave the focus to the grid
  int FMaxComboLength = 0;
  TWinControl* EditCtrl = nullptr;
  TEditorType EditControl = edNormal;
  bool FShowEditProcess = false;
  QString FEditText;
  bool FNoEditChange = false;
  bool FGridModified = false;
  QString FCellCache;
  bool EditMode = false;
  bool FNoAutoAdvance = false;
  bool LButFlg = false;
  TGridCombo* EditCombo = nullptr;
  TGridSpin* FEditSpin = nullptr;
  TGridCheckBox* EditCheck = nullptr;
  TGridButton* GridButton = nullptr;

  // ===================== more in-place editors (grid/input) =====================
  // The date editors (date_editors.cpp), the edit-button and unit editors
  // (button_editors.cpp).
  friend class TGridDatePicker;
  friend class TGridDateTimePicker;
  friend class TGridEditBtn;
  friend class TGridUnitEditBtn;

public:
  // The edit-button editor of edEditBtn, edNumericEditBtn, edFloatEditBtn and
  // edMaskEditBtn, and the unit editor of the unit kinds.
  TGridEditBtn* EditBtnEditor();
  TGridUnitEditBtn* UnitEditor();
  // The date or time picker of edDateEdit, edDateEditUpDown and edTimeEdit and
  // the date-and-time picker of edDateTimeEdit, made on first use.
  TGridDatePicker* DateTimePicker();
  TGridDateTimePicker* DateAndTimePicker();

protected:
  // Where a special editor lies over its cell and the cell's colour.
  struct TEditorPlace {
    TRect R;
    int W = 0, H = 0, RC = 0;
    TColor Colour = clWindow;
  };
  // Place and store one family of editor kinds; false: not of that family.
  bool PlaceDateEditor(int ACol, int ARow, const TEditorPlace& P);
  bool StoreDateEditor(int ACol, int ARow);
  bool PlaceButtonEditor(int ACol, int ARow, const TEditorPlace& P);
  bool StoreButtonEditor(int ACol, int ARow);
  TGridEditBtn* EditBtn = nullptr;
  TGridUnitEditBtn* UnitEditBtn = nullptr;
  TGridDatePicker* FEditDate = nullptr;
  TGridDateTimePicker* FEditDateTime = nullptr;
  TDateTime FOriginalDateTime = 0;
  // Set by Escape in an editor: its value is not written, the cell stays as it was.
  bool FEditCancelled = false;

  // ===================== drop-down, fixed-cell, control-cell and custom editors =====================
  // The drop-down editors (dropdown_editors.cpp), the header-cell and
  // CONTROL-tag editors (fixed_cell_editors.cpp, control_cell_editors.cpp), the
  // custom editor link (edit_link.cpp).
  template <class>
  friend class TGridDropDownEditor;
  friend class TGridTransEdit;
  friend class TGridTransCombo;
  friend class TControlEdit;
  friend class TControlCombo;
  friend class TEditLink;

public:
  // The drop-down editors of the kinds edTrackbarDropDown to edImagePickerDropDown,
  // made on first use.
  TGridDropDownEditor<TExTrackBarDropDown>* TrackbarDropDown();
  TGridDropDownEditor<TExMemoDropDown>* MemoDropDown();
  TGridDropDownEditor<TExCalculatorDropdown>* CalculatorDropDown();
  TGridDropDownEditor<TExTimePickerDropDown>* TimePickerDropDown();
  TGridDropDownEditor<TExDetailDropDown>* DetailPickerDropDown();
  TGridDropDownEditor<TExMultiColumnDropDown>* GridDropDown();
  TGridDropDownEditor<TExColorPickerDropDown>* ColorPickerDropDown();
  TGridDropDownEditor<TExImagePickerDropDown>* ImagePickerDropDown();
  // The editor of edExGridDropDown: a drop-down whose list is a suite grid.
  TGridDropDownEditor<grid_drop_down::TCustomExGridDropDown>* ExGridDropDown();
  // The fixed-cell editors over header cells.
  TGridTransEdit* FixedCellEdit();
  TGridTransCombo* FixedCellCombo();
  void ShowFixedCellEditor(int ACol, int ARow);
  // The editors of mini-HTML CONTROL tags.
  TControlEdit* ControlEdit();
  TControlCombo* ControlCombo();
  void ShowControlEditor(const QString& Text, const QString& CtrlType, const QString& CtrlID,
                         const QString& CtrlValue, TRect R, int ACol, int RealCol, int ARow);
  void ControlEditDone(TObject* Sender);
  void ControlComboSelect(TObject* Sender);
  // Opens the control editor of the next editable control of a cell after
  // CtrlID; focuses the grid when none follows.
  void FocusHTMLControl(int ACol, int ARow, const QString& CtrlID);
  bool ControlEditing() const { return FCtrlEditing; }
  // The custom editor link of edCustom cells (a column's link is taken when
  // the cell's editor kind is looked up).
  TEditLink* EditLink = nullptr;
  // Set while the focus moves because a pop-up editor link's form lost the
  // activation; cleared once the grid has the focus again.
  bool InvokedFocusChange = false;

protected:
  bool PlaceDropDownEditor(int ACol, int ARow, const TEditorPlace& P);
  bool StoreDropDownEditor(int ACol, int ARow);
  bool PlaceLinkEditor(int ACol, int ARow, const TEditorPlace& P);
  bool StoreLinkEditor(int ACol, int ARow);
  // The change notice of the fixed-cell editors.
  void FixedEditChange(const QString& Text);
  TGridDropDownEditor<TExTrackBarDropDown>* FEditTrackBar = nullptr;
  TGridDropDownEditor<TExMemoDropDown>* FEditMemo = nullptr;
  TGridDropDownEditor<TExCalculatorDropdown>* FEditCalculator = nullptr;
  TGridDropDownEditor<TExTimePickerDropDown>* FEditTimePicker = nullptr;
  TGridDropDownEditor<TExDetailDropDown>* FEditDetailPicker = nullptr;
  TGridDropDownEditor<TExMultiColumnDropDown>* FEditGridPicker = nullptr;
  TGridDropDownEditor<TExColorPickerDropDown>* FEditColorPicker = nullptr;
  TGridDropDownEditor<TExImagePickerDropDown>* FEditImagePicker = nullptr;
  TGridDropDownEditor<grid_drop_down::TCustomExGridDropDown>* FEditExGridPicker = nullptr;
  TGridTransEdit* EditTrans = nullptr;
  TGridTransCombo* ComboTrans = nullptr;
  int FFixedColEdit = -1, FFixedRowEdit = -1;
  TControlEdit* FEditControl = nullptr;
  TControlCombo* FComboControl = nullptr;
  QString FCtrlID, FCtrlType;
  bool FCtrlEditing = false;

  // ===================== rich-text cells (grid/input/rich_edit_cells.cpp) =====================
  friend class TExRichEdit;

public:
  // The in-place editor of edRichEdit cells, and the hidden rich edit that
  // measures rich-text cells; both made on first use.
  TExRichEdit* InplaceRichEdit();
  TExRichEdit* RichEdit();
  // A rich-text cell holds the rich edit's saved RTF, one character per byte
  // (Latin-1 both ways).
  void CellToRich(int ACol, int ARow, TExRichEdit* ARichEdit);
  void RichToCell(int ACol, int ARow, TExRichEdit* ARichEdit);
  QString RichToString(TExRichEdit* ARichEdit);
  // A rich-text cell (real column) rendered by the hidden rich edit into R;
  // a selected cell's text takes SelectionTextColor unless SelectionRTFKeep.
  void DrawRichTextCell(int ACol, int ARow, TRect R, TCanvas* Canvas, bool Selected = false);
  bool SelectionRTFKeep = false;

protected:
  bool PlaceRichEditor(int ACol, int ARow, const TEditorPlace& P);
  bool StoreRichEditor(int ACol, int ARow);
  TExRichEdit* FInplaceRichEdit = nullptr;
  TExRichEdit* FRichEdit = nullptr;

  // ===================== mini-HTML cells, image cells (grid/view/html_cells.cpp, image_cells.cpp) =====================
public:
  // Pictures of mini-HTML texts loaded by address.
  THTMLPictureCache* ImageCache() const { return FImageCache.get(); }
  // The in-place editor shows a mini-HTML cell's text with its tags.
  bool EditWithTags = false;
  // Image-index, data-image and multi-image cells (only with GridImages), icons
  // and pictures named by file.
  void AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
  bool GetImageIdx(int ACol, int ARow, int& idx);
  void SetImageIdx(int ACol, int ARow, int Idx);
  void RemoveImageIdx(int ACol, int ARow);
  void AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
  void AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val);
  void RemoveMultiImage(int ACol, int ARow);
  // The index list of a multi-image cell; nullptr for other cells.
  TIntList* GetCellImages(int ACol, int ARow);
  // The sort key of a picture cell: bitmap or icon reference, image index; -1 otherwise.
  intptr_t GetCellImageKey(int ACol, int ARow);
  void AddIcon(int ACol, int ARow, TIcon* AIcon, TCellHAlign hal, TCellVAlign val);
  TIcon* CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val);
  void RemoveIcon(int ACol, int ARow);
  void AddFilePicture(int ACol, int ARow, TFilePicture* AFilePicture, bool Transparent, TStretchMode StretchMode,
                      int Padding, TCellHAlign hal, TCellVAlign val);
  TFilePicture* CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                                  TCellHAlign hal, TCellVAlign val);
  TFilePicture* GetFilePicture(int ACol, int ARow);
  void RemoveFilePicture(int ACol, int ARow);
  // Lays out the mini-HTML text of display cell (ACol, ARow) for the point
  // (X, Y) in client coordinates, as the mouse and the hints see it; true on an
  // anchor, a picture inside one or an in-text control.
  bool HtmlCellHitTest(int ACol, int ARow, int X, int Y, THtmlDrawOutput& Out);
  // The anchor under the mouse (numbered from 1; -1 none) and its cell.
  int HoverLinkNumber() const { return FHoverLink; }
  TGridCoord HoverLinkCell() const { return FHoverCell; }
  QString MouseAnchor() const { return FAnchor; }
  TOfficeTheme OfficeTheme() const { return FOfficeTheme; }

protected:
  // What every use of the mini-HTML renderer by this grid shares.
  void FillHtmlInput(THtmlDrawInput& In);
  // The text step's mini-HTML branch (step 12) and the measure's (step 5).
  void DrawHtmlCell(TCellPaint& P, TRect r, const QString& Text);
  TPoint MeasureHtmlCell(int RCol, int ARow, TCanvas* Canvas, TRect r, bool SB, const QString& Text);
  // The press on a mini-HTML cell's anchor or control (true: handled).
  bool ClickHtmlCell(int C, int R, int RC, int X, int Y);
  // The move over a mini-HTML cell's links (true: over a link).
  bool HoverHtmlCell(int C, int R, int RC, int X, int Y);
  // Leaving mini-HTML links and hover cells.
  void LeaveHtmlLinks(int C, int R);
  // The text rectangle a mini-HTML cell is laid out in for the mouse.
  TRect HtmlTextRect(int C, int R, int RC);
  // Draws an image-list, icon, multi-image or file-picture graphic (true: it was one).
  bool DrawImageGraphic(TCellPaint& P, const TRect& at);
  void MultiImageChanged(int ACol, int ARow);
  std::unique_ptr<THTMLPictureCache> FImageCache;
  QString FAnchor, FLastAnchorHint;
  TGridCoord FHoverCell{-1, -1};
  bool FCtrlDown = false;
  TGridCoord FCtrlXY{-1, -1};
  bool FOverLink = false;
  TOfficeTheme FOfficeTheme = otUnknown;
};
