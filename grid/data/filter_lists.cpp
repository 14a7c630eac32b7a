// The filter lists of the header cells: the column's list of values, the plain
// list or check list shown under the filter button, and what a choice or a tick
// does to the column's conditions.
#include "grid/data/filter_lists.h"

#include <algorithm>

#include "grid/view/ex_string_grid.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/messages.h"

namespace {

// The window system's edge around a list (SM_CXEDGE, SM_CYEDGE).
constexpr int kEdge = 2;

// The part of a filter list entry before its first "=" (the whole entry without one).
QString FriendlyName(const QString& Entry) {
  const qsizetype eq = Entry.indexOf(u'=');
  return eq >= 0 ? Entry.left(eq) : Entry;
}

// The part after the first "=" (the whole entry without one).
QString ConditionOf(const QString& Entry) {
  const qsizetype eq = Entry.indexOf(u'=');
  return eq >= 0 ? Entry.mid(eq + 1) : Entry;
}

}  // namespace

// --- the lists ---

void TDropList::Choose() {
  Hide();
  if (OnSelect) OnSelect(this, ItemIndex());
}

void TDropList::KeyDown(int& Key, TShiftState Shift) {
  if (Key == VK_RETURN) {
    Key = 0;
    Choose();
    return;
  }
  TListBox::KeyDown(Key, Shift);
}

void TDropList::ItemClicked(int) { Choose(); }

void TDropList::DoExit() {
  TListBox::DoExit();
  if (!Visible()) return;
  Hide();
  if (OnCancel) OnCancel(this);
}

void TDropCheckList::ClickCheck() {
  TCheckListBox::ClickCheck();
  if (OnSelect) OnSelect(this, -1);
}

void TDropCheckList::DoExit() {
  TCheckListBox::DoExit();
  if (!Visible()) return;
  Hide();
  if (OnCancel) OnCancel(this);
}

// --- the grid's side ---

bool TExStringGrid::ShowFilterList(int C, int R) {
  const int RC = RealColIndex(C);
  if (!GetColumnFilterHook(RC)) return false;
  if (!FDropList) {
    FDropList = new TDropList(this);
    FDropList->SetVisible(false);
    FDropList->OnSelect = [this](TObject*, int index) { DoFilterSelect(index); };
    FDropList->OnCancel = [this](TObject*) { FFilterCol = -1; };
    FDropCheckList = new TDropCheckList(this);
    FDropCheckList->SetVisible(false);
    FDropCheckList->OnSelect = [this](TObject*, int) { DoFilterCheck(); };
    FDropCheckList->OnCancel = [this](TObject*) { FFilterCol = -1; };
  }
  FFilterCol = RC;
  TListBox* list = FilterDropDownCheck ? static_cast<TListBox*>(FDropCheckList) : FDropList;
  list->SetColor(FFilterDropDown->Color);
  list->Font()->Assign(*FFilterDropDown->Font());
  list->Clear();
  TBitmap measure(1, 1);
  measure.Canvas()->SetFont(FFilterDropDown->Font());
  int widest = 0;
  for (int i = 0; i < FFilterList->Count(); ++i) {
    const QString text = FriendlyName(FFilterList->Strings(i));
    list->Items()->Add(text);
    widest = std::max(widest, measure.Canvas()->TextWidth(text) + 8);
  }
  if (FilterDropDownCheck) {
    for (int i = 0; i < list->Items()->Count(); ++i) {
      const QString text = list->Items()->Strings(i);
      const QString wanted = text.contains(u' ') ? u'"' + text + u'"' : text;
      bool ticked = false;
      for (int f = 0; f < FFilter->Count() && !ticked; ++f)
        ticked = FFilter->Items(f)->Column == RC && FFilter->Items(f)->Condition == wanted;
      FDropCheckList->SetChecked(i, ticked);
    }
  } else {
    FDropList->SetItemIndex(0);
  }
  // Size and place: under the button, inside the grid.
  const TRect CR = CellRect(C, R);
  int w = FFilterDropDown->Width, h = FFilterDropDown->Height;
  if (FFilterDropDown->AutoSize) {
    h = list->Items()->Count() * list->ItemHeight() + 2 * kEdge;
    w = 2 * kEdge + widest;
  }
  int left = CR.Right - 16;
  if (FFilterDropDown->ColumnWidth) {
    left = CR.Left;
    w = CR.Width();
  }
  if (left + w > Width()) left = std::max(0, CellRect(C, 0).Right - w);
  list->SetParent(this);
  list->SetBounds(left, CR.Top + 16, w, h);
  list->Show();
  list->SetFocus();
  return true;
}

void TExStringGrid::HideFilterLists() {
  if (FDropList && FDropList->Visible()) FDropList->Hide();
  FFilterCol = -1;
}

void TExStringGrid::DoFilterSelect(int ItemIndex) { FilterSelectHook(ItemIndex); }

void TExStringGrid::FilterSelectHook(int Index) {
  // 9.1 (The open column is read first: the list gives up the focus.)
  const int col = FFilterCol;
  SetFocus();
  if (col >= 0 && col < AllColCount() && FDropList && Index >= 0 && Index < FDropList->Items()->Count()) {
    // 9.2
    GetColumnFilterHook(col);
    if (Index < FFilterList->Count()) {
      const QString entry = FFilterList->Strings(Index);
      const QString friendly = FriendlyName(entry);
      if (AutoFilterUpdate) SetFilterActive(false);
      QString condition = ConditionOf(entry);
      if (condition == FilterDropDownClear) condition.clear();
      // 9.3
      if (OnFilterSelect) OnFilterSelect(this, col, Index, friendly, condition);
      // 9.4
      if (!condition.isEmpty()) FFilter->GetColFilter(col)->Condition = condition;
      else FFilter->RemoveColumnFilter(col);
      // 9.5
      if (AutoFilterUpdate) {
        FixedRowAlways = true;
        SetFilterActive(true);
        if (RowCount() > FixedRows() && RowCount() != 1) SetRow(FixedRows());
        FilterDoneHook();
      }
    }
  }
  // 9.6
  FFilterCol = -1;
}

void TExStringGrid::DoFilterCheck() { FilterCheckHook(); }

void TExStringGrid::FilterCheckHook() {
  // 10.
  const int col = FFilterCol;
  if (col < 0 || !FDropCheckList) return;
  GetColumnFilterHook(col);
  if (AutoFilterUpdate) SetFilterActive(false);
  FFilter->Clear();
  for (int i = 0; i < FDropCheckList->Items()->Count() && i < FFilterList->Count(); ++i) {
    if (!FDropCheckList->Checked(i)) continue;
    const QString entry = FFilterList->Strings(i);
    const QString friendly = FriendlyName(entry);
    QString condition = ConditionOf(entry);
    if (condition == FilterDropDownClear) condition.clear();
    if (OnFilterCheck) OnFilterCheck(this, col, i, friendly, condition, FDropCheckList);
    TFilterData* f = FFilter->Add();
    f->Condition = condition;
    f->Column = static_cast<int16_t>(col);
    f->Operation = FFilter->Count() == 1 ? foNONE : foOR;
  }
  SetFilterActive(true);
  FDropCheckList->Invalidate();
}
