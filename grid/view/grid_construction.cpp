// How a grid comes into being and goes away: the objects it owns, the values
// after construction, window creation, the steps after loading, copying from
// another grid, resizing, and the tri-state check box members.
#include "grid/base/cell_checker.h"
#include "grid/base/focus_window.h"
#include "grid/base/html_picture.h"
#include "grid/data/filter_lists.h"
#include "grid/data/footer_panel.h"
#include "grid/data/search_panel.h"
#include "grid/data/sort_keys.h"
#include "grid/input/edit_link.h"
#include "platform/ui/image_list.h"
#include "grid/view/ex_string_grid.h"
#include "grid/view/grid_error.h"
#include "grid/view/grid_unit.h"
#include "grid/view/scroll_control.h"
#include "grid/base/arrow_window.h"
#include "platform/ui/form.h"
#include "platform/ui/menus.h"
#include "platform/ui/window_timer.h"

TExStringGrid::TExStringGrid(TComponent* AOwner) : TBaseGrid(AOwner) {
  // 1. The footer and search panels are child controls aligned to the bottom.
  // The grid raises OnClick itself at the release of a fixed cell, at the end of a
  // range selection and for a check-box press, never by the control's own click.
  SetControlStyle(ControlStyle() + csAcceptsControls - csClickEvents);

  // 2. The search footer gets its English captions only when made in the designer.
  const bool initDesign = Designing() && !(AOwner && (AOwner->ComponentState().Contains(csReading) ||
                                                       AOwner->ComponentState().Contains(csLoading)));

  // 3. The owned objects in their order, with their wiring, then the defaults.
  FCellFont = std::make_unique<TFont>();
  FSearchFooter = std::make_unique<TSearchFooter>(this, initDesign);
  FSearchFooter->OnChange = [this](TObject*) { UpdateSearchPanel(); };
  FFloatingFooter = std::make_unique<TFloatingFooter>(this);
  FPrintSettings = std::make_unique<TPrintSettings>(this);
  FHTMLSettings = std::make_unique<THTMLSettings>();
  FSortSettings = std::make_unique<TSortSettings>(this);
  FDragDropSettings = std::make_unique<TDragDropSettings>(this);
  FDragScrollOptions = std::make_unique<TDragScrollOptions>();
  FControlLook = std::make_unique<TControlLook>(this);
  FNavigation = std::make_unique<TNavigation>();
  FNavigation->OnChange = [this](TObject*) { NavigationChanged(); };
  FColumnSize = std::make_unique<TColumnSize>(this);
  FCellNode = std::make_unique<TCellNode>(this);
  FBands = std::make_unique<TBands>();
  FBands->OnChange = [this](TObject*) { Invalidate(); };
  FMouseActions = std::make_unique<TMouseActions>(this);
  FMouseActions->OnChange = [this](TObject*) { MouseActionsChanged(); };
  FMouseActions->OnIsDesigning = [this](TObject*, bool& designing) { IsDesigningHook(designing); };
  FMouseActions->OnInvalidate = [this](TObject*) { InvalidateHook(); };
  FGrouping = std::make_unique<TGrouping>();
  FColumnHeaders = std::make_unique<TNotifyStringList>();
  FColumnHeaders->OnChange = [this](TObject*) {
    HeadersChangedHook();
    ShowColumnHeaders();
  };
  FOrigColSizes = std::make_unique<TIntList>(-1, -1);
  FFixedFont = std::make_unique<TFont>();
  FFixedFont->SetName(QStringLiteral("Tahoma"));
  FFixedFont->SetStyle({fsBold});
  FFixedFont->OnChange = [this](TObject*) { Invalidate(); };
  FActiveCellFont = std::make_unique<TFont>();
  FActiveCellFont->SetStyle({fsBold});
  if (Designing()) FActiveCellFont->SetName(QStringLiteral("Tahoma"));
  FActiveCellFont->OnChange = [this](TObject*) { Invalidate(); };
  FRowHeaders = std::make_unique<TNotifyStringList>();
  FRowHeaders->OnChange = [this](TObject*) { ShowRowHeaders(); };
  FSortList = std::make_unique<TStringList>();
  FLookupItems = std::make_unique<TStringList>();
  FSortIndexes = std::make_unique<TSortIndexList>(0, 0);
  FSortRowXRef = std::make_unique<TIntList>(0, 0);
  FUnSortRowXRef = std::make_unique<TIntList>(0, 0);
  FMergedColumns = std::make_unique<TIntList>(0, 0);
  FSelectedRows = std::make_unique<TIntList>(0, 0);
  FModifiedRows = std::make_unique<TIntList>(0, 0);
  FEnabledRows = std::make_unique<TIntList>(0, 0);
  FRowIndicator = std::make_unique<TBitmap>();
  FBackGround = std::make_unique<TBackGround>(this);
  FControlList = std::make_unique<TControlList>();
  FProgressAppearance = std::make_unique<TGridProgressAppearance>();
  FProgressAppearance->OnChange = [this](TObject*) { Invalidate(); };
  FSyncGrid = std::make_unique<TSyncGrid>(this);

  SetRowCount(10);
  SetWidth(400);
  SetHeight(250);
  FGridItems = std::make_unique<TGridItems>();
  FFilter = std::make_unique<TFilter>(this);
  SetAutoSize(false);

  FFocusHelper = std::make_unique<TFocusHelper>(this);
  FBalloon = std::make_unique<TBalloonSettings>();
  FBalloon->OnEnableChange = [this](TObject*) {
    if (Loading()) return;
    if (FBalloon->Enable())
      BalloonInit();
    else
      BalloonDone();
  };
  FShowModified = std::make_unique<TShowModified>();
  FShowModified->OnChange = [this](TObject*) { RepaintCol(0); };
  FColumnOrder = std::make_unique<TIntList>(0, 0);
  FSharedGraphic = std::make_unique<TCellGraphic>();
  FImageCache = std::make_unique<THTMLPictureCache>();
  FIgnoreColumns = std::make_unique<TIntList>(-1, -1);
  VODGradientTo = ColorToRGB(clBtnFace);

  // 4. Chain the owner form's resize.
  if (auto* form = dynamic_cast<TForm*>(Owner()); form && !Designing()) {
    FResizeForm = form;
    FKeptFormResize = form->OnResize;
    form->OnResize = [this](TObject* s) { FormResize(s); };
    FPrevFormWidth = form->Width();
    FPrevFormHeight = form->Height();
  }

  // 5. Every column visible, none hidden: the visibility arrays start empty and
  //    grow with the columns.
  FNumHidden = 0;

  // 6. Text defaults, row heights.
  SetDefaultRowHeight(22);
  FFixedRowHeight = DefaultRowHeight();

  // 7. The window system's facts: a themed system with current common controls.
  FBorderColor = 0xB99D7F;

  // 8. The filter drop-down look and the filter list (sorted, no duplicates).
  FFilterDropDown = std::make_unique<TFilterDropDown>();
  FFilterDropDown->OnChange = [this](TObject*) { Invalidate(); };
  FFilterList = std::make_unique<TStringList>();
  FFilterList->SetSorted(true);
  FFilterList->Duplicates = TStringList::dupIgnore;

  FOldRowSel = Row();

  // 9. The previous scroll position.
  FPrevLeftCol = LeftCol();
  FPrevTopRow = TopRow();

  // 10. At run time the grid takes the XP style.
  if (!Designing()) ComponentStyle = tsWindowsXP;

  // 11. The pointer over links.
  LinkCursor = crHandPoint;
}

TExStringGrid::~TExStringGrid() {
  TComponent::Destroying();  // the state, not the accessor of the same name
  // The grid-drawn scroll bars go first; a drop target registered for the
  // window goes with it.
  RemoveScrollControls();
  if (FDropTarget) HostRevokeDropTarget();
  FMoveButton.reset();
  FMoveForm.reset();
  // The filter lists call back into the grid: they go before it does.
  delete FDropList;
  FDropList = nullptr;
  delete FDropCheckList;
  FDropCheckList = nullptr;
  delete FSearchPanel;
  FSearchPanel = nullptr;
  delete FFooterPanel;
  FFooterPanel = nullptr;
  ArwU.reset();
  ArwD.reset();
  ArwL.reset();
  ArwR.reset();
  // 1. Balloons end with the grid; so does its focus frame.
  if (!Designing()) BalloonDone();
  if (FocusFrameGrid == this) FocusFrameGrid = nullptr;
  if (FResizeForm) FResizeForm->OnResize = FKeptFormResize;
  // 2. The kept column widths are written (a store that cannot be written loses
  // only them, not the end of the grid).
  if (FColumnSize->Save) {
    try {
      SaveColSizes();
    } catch (const std::exception&) {
    }
  }
  // 3. Free every cell's properties, hidden rows and columns included.
  ClearTextOnly = false;
  SaveHiddenCells = false;
  for (int i = 0; i < FGridItems->Count(); ++i) {
    TStringList* items = FGridItems->Items(i)->Items();
    for (int c = 0; c < items->Count(); ++c) {
      FreeCellObject(static_cast<TObject*>(items->Objects(c)));
      items->PutObject(c, nullptr);
    }
  }
  UnHideColumnsAll();
  int cols = ColCount(), rows = RowCount();
  if (NumHiddenRows() == 0) {
    cols = std::max(cols, FMaxColCount);
    rows = std::max(rows, FMaxRowCount);
  }
  if (cols > 0 && rows > 0 && HasCellProps) ClearRect(0, 0, cols - 1, rows - 1);
  // 4. The owned objects go with their unique pointers; their events first, so
  //    that none reaches a half-destroyed grid.
  FColumnHeaders->OnChange = nullptr;
  FRowHeaders->OnChange = nullptr;
  FFixedFont->OnChange = nullptr;
  FActiveCellFont->OnChange = nullptr;
  FBalloon->OnEnableChange = nullptr;
  FShowModified->OnChange = nullptr;
  FFilterDropDown->OnChange = nullptr;
  FProgressAppearance->OnChange = nullptr;
  FBands->OnChange = nullptr;
  FSearchFooter->OnChange = nullptr;
  FNavigation->OnChange = nullptr;
  FMouseActions->OnChange = nullptr;
  FMouseActions->OnInvalidate = nullptr;
  FMouseActions->OnIsDesigning = nullptr;
  // 5. Restore the cursor remembered by Loaded.
  if (FLoaded) SetCursor(FRestoreCursor);
}

void TExStringGrid::SetParent(TWinControl* AParent) {
  TBaseGrid::SetParent(AParent);
  if (AParent) CreateWnd();
}

void TExStringGrid::CreateWnd() {
  // 1. Nothing while being destroyed or without a parent.
  if (Destroying() || !Parent()) return;
  // 2. At run time: the grid-drawn scroll bars for ssMetro, the header drag
  // button (hidden), balloons.
  if (!Designing()) {
    if (ScrollType == ssMetro) {
      CreateScrollControls();
      SetScrollBars(ssNone);
    }
    if (!FMoveButton) FMoveButton = std::make_unique<THeaderDragButton>(this);
    if (FBalloon->Enable()) BalloonInit();
  }
  // 3. The footer and search panels follow their settings (laid out on demand).
  HostFloatingFooterLayout();
  // 5. The grid timer (identifier 111, 500 ms) is on while the window exists.
  FTimerRunning = SetTimer(this, kGridTimerID, 500) != 0;
  // 6. A grid made in the designer takes "Tahoma" before its first loading.
  if (Designing() && !FLoaded && !Loading()) Font()->SetName(QStringLiteral("Tahoma"));
  // 7. The kept column widths come back.
  if (FColumnSize->Save) LoadColSizes();
}

void TExStringGrid::Loaded() {
  // 1.
  TBaseGrid::Loaded();
  FRestoreCursor = Cursor();
  // 2.
  ShowColumnHeaders();
  ShowRowHeaders();
  // 4. The VOD look applies its colours through its setter.
  if (FLook == glVOD) {
    FLook = glCustom;
    SetLook(glVOD);
  }
  // 6. The streamed fixed counts are the minimum ones.
  FFixedRowsMin = TStringGrid::FixedRows();
  FFixedColsMin = TStringGrid::FixedCols();
  MinRowHeight = DefaultRowHeight();
  MinColWidth = 10;
  FMaxRowCount = RowCount();
  FLoaded = true;
  if (FColumnSize->Save) LoadColSizes();
  // 7. An always-shown editor is the navigation's AlwaysEdit.
  if (Options().Contains(goAlwaysShowEditor)) {
    FNavigation->AlwaysEdit = true;
    SetOptions(Options() - goAlwaysShowEditor);
  }
  // 9.
  FSearchFooter->SetAutoThemeAdapt(FAutoThemeAdapt);
  UpdateSearchPanel();
  ApplyScrollBarAlways(false);
  // 10. Follow the office theme.
  if (FAutoThemeAdapt && !Designing()) {
    ApplyOfficeTheme();
    GetThemeNotifier(this)->RegisterWindow(reinterpret_cast<intptr_t>(this));
  }
  // 11. The base column sizes for stretching and the column order.
  FOrigColSizes->Clear();
  for (int c = 0; c < ColCount(); ++c) FOrigColSizes->Add(ColWidths(c));
  FColumnOrder->Clear();
  for (int c = 0; c < AllColCount(); ++c) FColumnOrder->Add(c);
  if (FBalloon->Enable()) BalloonInit();
}

void TExStringGrid::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove) {
    if (AComponent == static_cast<TComponent*>(FCellChecker)) FCellChecker = nullptr;
    if (AComponent == static_cast<TComponent*>(FixedDropDownMenu)) FixedDropDownMenu = nullptr;
    if (GridImages == AComponent) GridImages = nullptr;
    if (Container == AComponent) Container = nullptr;
    if (static_cast<TComponent*>(EditLink) == AComponent) EditLink = nullptr;
    if (!Destroying() && FSyncGrid && static_cast<TComponent*>(FSyncGrid->Grid()) == AComponent)
      FSyncGrid->SetGrid(nullptr);
  }
  TBaseGrid::Notification(AComponent, Operation);
}

void TExStringGrid::SetCellChecker(TExStringGridCheck* Value) {
  FCellChecker = Value;
  if (Value) Value->FreeNotification(this);
}

void TExStringGrid::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TExStringGrid*>(Source);
  if (!s || s == this) return;
  Font()->Assign(*s->Font());
  FActiveCellColor = s->FActiveCellColor;
  FActiveCellColorTo = s->FActiveCellColorTo;
  FActiveCellFont->Assign(*s->FActiveCellFont);
  FActiveCellShow = s->FActiveCellShow;
  SetActiveRowShow(s->ActiveRowShow());
  FFilterDropDown->Assign(s->FFilterDropDown.get());
  AnchorHint = s->AnchorHint;
  AutoNumAlign = s->AutoNumAlign;
  FAutoSize = s->FAutoSize;
  FAutoThemeAdapt = s->FAutoThemeAdapt;
  AutoFilterUpdate = s->AutoFilterUpdate;
  FMouseActions->Assign(s->FMouseActions.get());
  FNavigation->Assign(s->FNavigation.get());
  FGrouping->Assign(s->FGrouping.get());
  FSearchFooter->Assign(s->FSearchFooter.get());
  FPrintSettings->Assign(s->FPrintSettings.get());
  FFilter->Assign(s->FFilter.get());
  FHTMLSettings->Assign(s->FHTMLSettings.get());
  FBands->Assign(s->FBands.get());
  FCellNode->Assign(s->FCellNode.get());
  FSortSettings->Assign(s->FSortSettings.get());
  FDragScrollOptions->Assign(s->FDragScrollOptions.get());
  FDragDropSettings->Assign(s->FDragDropSettings.get());
  FProgressAppearance->Assign(s->FProgressAppearance.get());
  FColumnSize->Assign(s->FColumnSize.get());
  FSyncGrid->Assign(s->FSyncGrid.get());
  FFocusHelper->Assign(s->FFocusHelper.get());
  FixedRowAlways = s->FixedRowAlways;
  SetColCount(s->ColCount());
  SetRowCount(s->RowCount());
  SetFixedRows(s->TStringGrid::FixedRows());
  SetFixedCols(s->TStringGrid::FixedCols());
  SetDefaultColWidth(s->DefaultColWidth());
  SetDefaultRowHeight(s->DefaultRowHeight());
  FFixedRowHeight = s->FFixedRowHeight;
  SetFixedColWidth(s->FixedColWidth());
  InvalidEntryTitle = s->InvalidEntryTitle;
  InvalidEntryIcon = s->InvalidEntryIcon;
  InvalidEntryText = s->InvalidEntryText;
  SetOptions(s->Options());
  for (int c = 0; c < ColCount(); ++c) SetColWidths(c, s->ColWidths(c));
  FColumnHeaders->Assign(s->FColumnHeaders->List());
  for (int r = 0; r < RowCount(); ++r) SetRowHeights(r, s->RowHeights(r));
  ScrollProportional = s->ScrollProportional;
  ScrollSynch = s->ScrollSynch;
  ScrollWidth = s->ScrollWidth;
  ScrollHints = s->ScrollHints;
  ScrollBarAlways = s->ScrollBarAlways;
  SetScrollBars(s->ScrollBars());
  ScrollColor = s->ScrollColor;
  ScrollType = s->ScrollType;
  AssignCells(s);
}

void TExStringGrid::AssignCells(const TPersistent* Source) {
  auto* s = dynamic_cast<const TExStringGrid*>(Source);
  if (!s || s == this) return;
  // The cell texts of every column of the store, hidden ones included.
  auto* src = const_cast<TExStringGrid*>(s);
  const int cols = std::min(src->AllColCount(), AllColCount());
  const int rows = std::min(src->RowCount(), RowCount());
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) SetGridCell(c, r, src->GetGridCell(c, r));
}

void TExStringGrid::Invalidate() {
  if (FSkipRepaint) {
    FSkipRepaint = false;
    return;
  }
  if (FUpdateCount > 0) return;
  TBaseGrid::Invalidate();
}

void TExStringGrid::EndUpdate() {
  if (FUpdateCount > 0) --FUpdateCount;
  if (FUpdateCount == 0) Invalidate();
}

void TExStringGrid::Resize() {
  if (Destroying()) return;
  PlaceScrollControls();
  PlaceBottomPanels();
  SynchColumnsWithWidth();
  if (OnResize) OnResize(this);
  if ((FBackGround->Display() == bdGradientHorz || FBackGround->Display() == bdGradientVert) &&
      FBackGround->ColorTo() != clNone)
    Invalidate();
  ApplyScrollBarAlways(false);
  CellControlsUpdate(false);
  if (Designing()) Invalidate();
}

void TExStringGrid::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (IntegralHeight && FUpdateCount == 0 && DefaultRowHeight() > 0) {
    const int s = VisibleColCount() + TStringGrid::FixedCols() < ColCount() ? 17 : 0;
    const int b = 2;  // a single border
    const int x = AHeight - s - b;
    AHeight = s + (x - x % DefaultRowHeight()) + 2 * b;
  }
  const bool resized = AWidth != Width() || AHeight != Height();
  TBaseGrid::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (resized && FCellFont) Resize();
}

void TExStringGrid::ApplyScrollBarAlways(bool HideUnneeded) {
  // The base grid shows a bar exactly when its cells do not fit; the forced
  // bars of ScrollBarAlways come with the grid's own scroll handling.
  (void)HideUnneeded;
}

QString TExStringGrid::GetEditMask(int ACol, int ARow) {
  QString value = EditMask;
  if (OnGetEditMask) OnGetEditMask(this, ACol, ARow, value);
  return value;
}

TFont* TExStringGrid::GetCellFont(int ACol, int ARow) {
  if (!CellHasProperties(ACol, ARow)) return Font();
  TCellProperties* p = GetCellProperties(ACol, ARow);
  FCellFont->SetName(p->FontName);
  FCellFont->SetSize(p->FontSize);
  FCellFont->SetStyle(p->FontStyle);
  FCellFont->SetColor(p->FontColor);
  return FCellFont.get();
}

void TExStringGrid::FormResize(TObject* Sender) {
  // 1. Nothing at design time or while the grid goes away.
  if (Designing() || Destroying()) return;
  // 2. Follow the form's change of size.
  if (auto* form = dynamic_cast<TForm*>(Sender); form && SizeWithForm) {
    const int w = form->Width() + Width() - FPrevFormWidth;
    const int h = form->Height() + Height() - FPrevFormHeight;
    if (w > 0 && h > 0) {
      SetBounds(Left(), Top(), w, h);
      FPrevFormWidth = form->Width();
      FPrevFormHeight = form->Height();
    }
  }
  // 3. The handler the form had before; what it raises goes no further.
  if (FKeptFormResize) {
    try {
      FKeptFormResize(Sender);
    } catch (...) {
    }
  }
  // 4. The stretch column takes the client width.
  StretchToClientWidth(FColumnSize->StretchColumn);
}

TForm* TExStringGrid::FindOwnerForm(TControl* AControl) {
  for (TControl* c = AControl; c; c = c->Parent())
    if (auto* form = dynamic_cast<TForm*>(c)) return form;
  return nullptr;
}

void TExStringGrid::AddCheckBox(int ACol, int ARow, TCheckBoxState State) {
  if (ACol < 0 || ARow < 0 || ACol >= AllColCount() || ARow >= AllRowCount()) throw Exception(QStringLiteral("Invalid cell"));
  TCellGraphic* g = CreateCellGraphic(ACol, ARow);
  if (g) g->SetCheckBox(State, true, haBeforeText, CellVAlignOf(FVAlignment));
}

void TExStringGrid::AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State) {
  const int from = FMouseActions->CheckAllCheck ? 0 : TStringGrid::FixedRows();
  for (int r = from; r < RowCount(); ++r) AddCheckBox(ACol, r, State);
}

bool TExStringGrid::GetCheckBoxState(int ACol, int ARow, TCheckBoxState& State) {
  TCellGraphic* g = nullptr;
  QString text;
  if (NumHiddenRows() == 0) {
    g = GetCellGraphic(ACol, ARow);
    text = GetGridCell(ACol, ARow);
  } else {
    auto* props = dynamic_cast<TCellProperties*>(GetRealRowProperties(ACol, ARow));
    g = props ? dynamic_cast<TCellGraphic*>(CellGraphicOf(props)) : GetCellGraphic(ACol, ARow);
    text = GetCellsEx(ACol, ARow);
  }
  if (!g) return false;
  switch (g->CellType) {
    case ctCheckBox:
      State = BoolToCheckBoxState(g->CellBoolean);
      return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
      QString checkTrue;
      GetCheckTrue(ACol, ARow, checkTrue);
      State = text == checkTrue ? cbChecked : cbUnchecked;
      return true;
    }
    case ctTriStateCheckBox:
      State = g->CellCheckBoxState;
      return true;
    case ctRowCheckBox:
      if (ACol != 0) return false;
      if (NumHiddenRows() > 0 && g == FSharedGraphic.get()) {
        State = BoolToCheckBoxState(g->CellBoolean);
        return true;
      }
      State = RowSelect(ARow) ? cbChecked : cbUnchecked;
      return true;
    default:
      return false;
  }
}
