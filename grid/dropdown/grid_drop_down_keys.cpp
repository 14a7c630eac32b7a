// The grid drop-down's item index, lookup, type-ahead and keys: typing in the
// edit completes from the items and looks the text up in the list (moving to
// the first match, or narrowing the list to the rows that contain it); keys
// pressed in the open list search it incrementally; the navigation keys step
// the item index.
#include <QLocale>

#include "grid/dropdown/drop_down_form.h"
#include "grid/dropdown/grid_drop_down.h"
#include "grid/dropdown/multi_column_rules.h"

namespace grid_drop_down {

// --- items, rows and the item index ---

int TCustomExGridDropDown::GetItemCount() const {
  if (UseItems) return FItems->Count();
  return FExColGrid ? FExColGrid->RowCount() - FExColGrid->FixedRows() : 0;
}

int TCustomExGridDropDown::ItemOfRow(int R) const {
  if (FExColGrid && R >= 0 && R < FExColGrid->RowCount())
    return static_cast<int>(static_cast<intptr_t>(FExColGrid->GetObjectEx(0, R)));
  return R;
}

int TCustomExGridDropDown::RowOfItem(int I) const {
  if (!FExColGrid || I < 0) return FItemIndex;
  for (int r = FExColGrid->FixedRows(); r < FExColGrid->RowCount(); ++r)
    if (ItemOfRow(r) == I) return r;
  return FItemIndex;
}

void TCustomExGridDropDown::SetItemIndex(int Value) {
  if (UseItems) {
    if (Value >= FItems->Count()) return;
    FItemIndex = Value;
    if (Value >= 0 && LookupColumn >= 0) SetText(FItems->Items(Value)->TextAt(LookupColumn));
    else if (Value < 0) SetText(QString());
    return;
  }
  if (!FExColGrid) {
    FItemIndex = Value;
    return;
  }
  if (Value == FItemIndex || Value >= FExColGrid->RowCount()) return;
  FItemIndex = Value;
  SetText(Value < 0 ? QString() : FExColGrid->Cells(LookupColumn, Value + 1));
}

void TCustomExGridDropDown::SelectFirst() {
  if (GetItemCount() > 0) SetItemIndex(0);
}
void TCustomExGridDropDown::SelectLast() {
  if (GetItemCount() > 0) SetItemIndex(GetItemCount() - 1);
}
void TCustomExGridDropDown::SelectNext() {
  if (GetItemCount() == 0) return;
  if (FItemIndex < 0) SetItemIndex(0);
  else if (FItemIndex + 1 < GetItemCount()) SetItemIndex(FItemIndex + 1);
}
void TCustomExGridDropDown::SelectPrevious() {
  if (GetItemCount() == 0) return;
  if (FItemIndex < 0) SetItemIndex(0);
  else if (FItemIndex - 1 >= 0) SetItemIndex(FItemIndex - 1);
}
void TCustomExGridDropDown::SelectNextPage() {
  if (GetItemCount() == 0) return;
  if (FItemIndex < 0) SetItemIndex(0);
  else SetItemIndex(std::min(FItemIndex + 10, GetItemCount() - 1));
}
void TCustomExGridDropDown::SelectPreviousPage() {
  if (GetItemCount() == 0) return;
  SetItemIndex(FItemIndex - 10 >= 0 ? FItemIndex - 10 : 0);
}

// --- lookup ---

void TCustomExGridDropDown::UpdateLookupItems() {
  if (LookupColumn < 0 || FItems->Count() == 0) return;
  FLookupItems.Clear();
  for (int i = 0; i < FItems->Count(); ++i) FLookupItems.Add(FItems->Items(i)->TextAt(LookupColumn));
}

bool TCustomExGridDropDown::FindLookupMatch(const QString& Value, QString& Text, int& Row) const {
  Row = -1;
  Text.clear();
  QStringList entries;
  int first = 0;
  if (UseItems) {
    for (int i = 0; i < FItems->Count(); ++i) entries << FItems->Items(i)->TextAt(LookupColumn);
  } else {
    if (!FExColGrid) return false;
    first = FExColGrid->FixedRows();
    for (int r = first; r < FExColGrid->RowCount(); ++r) entries << FExColGrid->Cells(LookupColumn, r);
  }
  const int i = FindEntryStartingWith(entries, Value, CaseSensitive);
  if (i < 0) return false;
  Text = entries[i];
  Row = i + first;
  return true;
}

void TCustomExGridDropDown::SetEditSelection(int Start, int Length) {
  TEdit::SetSelStart(Prefix().size() + Start);
  TEdit::SetSelLength(Length);
}

int TCustomExGridDropDown::NarrowByEntry(const QString& Entry) {
  TExColGrid* L = FExColGrid;
  if (Entry.isEmpty()) {
    L->RemoveAllFilters();
    return L->FixedRows();
  }
  L->FixedRowAlways = true;
  L->NarrowDown(Entry, LookupColumn);
  if (FStyle == dsDropDown && L->RowCount() > L->FixedRows()) {
    const QString text = L->Cells(LookupColumn, L->FixedRows());
    SetText(text);
    SetEditSelection(FLookupEntry.size(), text.size() - FLookupEntry.size());
  }
  return L->FixedRows();
}

int TCustomExGridDropDown::LookupByKey(QChar Key) {
  // 1.
  if (LookupMethod == lmNone) return -1;
  // 2.
  if (Key == QChar(8)) {
    if (TEdit::SelLength() == 0) {
      FLookupEntry.chop(1);
      SetText(FLookupEntry);
    } else {
      // The selection goes; the search starts afresh.
      SetText(EditText().left(TEdit::SelStart()).mid(Prefix().size()));
      FLookupEntry.clear();
    }
    TEdit::SetSelStart(EditText().size());
    return -1;
  }
  if (Key != QChar(9)) FLookupEntry += Key;
  // 3.
  const QString entry = FLookupEntry.trimmed();
  // 4.
  if (LookupMethod == lmNarrowDown) return FExColGrid ? NarrowByEntry(entry) : -1;
  // 5.
  QString text;
  int found = -1;
  const int fixed = UseItems || !FExColGrid ? 0 : FExColGrid->FixedRows();
  if (FindLookupMatch(entry, text, found)) {
    FItemIndex = found - fixed;
    SetText(text);
    if (FStyle == dsDropDown) SetEditSelection(FLookupEntry.size(), text.size() - FLookupEntry.size());
    return found;
  }
  if (FStyle == dsDropDown) return -1;
  if (FindLookupMatch(QString(Key), text, found)) {
    FItemIndex = found - fixed;
    SetText(text);
    FLookupEntry = QString(Key);
    return found;
  }
  FLookupEntry.clear();
  return -1;
}

// --- type-ahead in the edit ---

void TCustomExGridDropDown::Change() {
  FItemChange = false;
  TExCustomDropDown::Change();
  // A text set in code leaves the caret at the start: nothing typed.
  if (!workmode || FBlockTypeAhead || FTextInCode) return;
  SetModified(Text() != FOldValue);
  QStringList entries;
  for (int i = 0; i < FLookupItems.Count(); ++i) entries << FLookupItems[i];
  const int selStart = TEdit::SelStart() - Prefix().size();
  const TTypeAhead t = TypeAheadComplete(entries, Text(), selStart, MatchCase);
  if (!t.Changed) return;
  FBlockTypeAhead = true;
  SetTextUnformatted(Prefix() + t.Text + Suffix());
  FBlockTypeAhead = false;
  if (t.Matched) {
    FItemIndex = FItemIdx = t.Index;
    FItemSel = t.SelStart;
    FItemChange = true;
  }
  // The completed tail selected after the typed characters.
  FSelStart = Prefix().size() + t.SelStart;
  FSelLength = t.SelEnd - t.SelStart;
  FSelPending = true;
  TEdit::SetSelStart(FSelStart);
  TEdit::SetSelLength(FSelLength);
}

void TCustomExGridDropDown::SetText(const QString& Value) {
  FTextInCode = true;
  TExCustomDropDown::SetText(Value);
  FTextInCode = false;
}

// The typed character's own caret placement comes after the change
// notification: the completion's selection is put back over it. Then the
// character extends the lookup (control characters other than Backspace
// are no part of a lookup text).
void TCustomExGridDropDown::WMChar(TMessage& Message) {
  FSelPending = false;
  TExCustomDropDown::WMChar(Message);
  if (FSelPending) {
    FSelPending = false;
    TEdit::SetSelStart(FSelStart);
    TEdit::SetSelLength(FSelLength);
  }
  const QChar key(static_cast<char16_t>(Message.CharCode()));
  if (key.unicode() >= 32 || key == QChar(8)) LookupByKey(key);
  if (AutoShowDropDown) ShowDropDown();
}

void TCustomExGridDropDown::KeyDown(int& Key, TShiftState Shift) {
  // 1.
  TExColGrid* L = FExColGrid;
  if (L && L->Options().Contains(goEditing) && L->CellEditorShown() && Key == VK_RETURN && !Shift.Contains(ssShift)) {
    L->CloseCellEditor();
    SetText(L->Cells(LookupColumn, L->Row()));
    SetItemIndex(L->Row() - L->FixedRows());
    Key = 0;
    return;
  }
  // 2.
  if (LookupColumn < 0 || FItems->Count() == 0) return TExCustomDropDown::KeyDown(Key, Shift);
  const int key = Key;
  if (Key == VK_BACK || Key == VK_ESCAPE || Key == VK_DELETE) {
    workmode = false;
  } else if (Key == VK_RETURN) {
    const int i = FLookupItems.IndexOf(Text());
    if (i >= 0) {
      SetItemIndex(i);
      Change();
    }
    if (ReturnIsTab) {
      PostMessage(this, WM_KEYDOWN, VK_TAB, 0);
      Key = 0;
    }
  } else {
    workmode = true;
  }
  if (key == VK_ESCAPE || (key >= VK_PRIOR && key <= VK_DOWN)) FLookupEntry.clear();
  TExCustomDropDown::KeyDown(Key, Shift);
  if (key == VK_ESCAPE) SetItemIndex(FLookupItems.IndexOf(Text()));
}

void TCustomExGridDropDown::KeyPress(QChar& Key) {
  if (Key == QChar(13) && ReturnIsTab) {
    Key = QChar(0);
    return;
  }
  TExCustomDropDown::KeyPress(Key);
}

void TCustomExGridDropDown::KeyUp(int& Key, TShiftState Shift) {
  if (!(Key == VK_RETURN && ReturnIsTab)) TExCustomDropDown::KeyUp(Key, Shift);
  TExColGrid* L = FExColGrid;
  if (L && L->Options().Contains(goEditing) && L->CellEditorShown() && Key == VK_RETURN && !Shift.Contains(ssShift)) {
    if (L->Col() == LookupColumn) HideDropDown(false);
    else L->CloseCellEditor();
  }
  if (!FItemChange) return;
  SetItemIndex(FItemIdx);
  const int start = Prefix().size() + FItemSel;
  TEdit::SetSelStart(start);
  TEdit::SetSelLength(Prefix().size() + Text().size() - start);
  FItemChange = false;
}

void TCustomExGridDropDown::WMKeyDown(TMessage& Message) {
  const int key = Message.CharCode();
  if (key == VK_RETURN && FExColGrid) FExColGrid->SetConfirmSelection(true);
  TExCustomDropDown::WMKeyDown(Message);
  if (!Enabled() || GetKeyState(VK_MENU) < 0) return;
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  switch (key) {
    case VK_PRIOR: SelectPreviousPage(); break;
    case VK_NEXT: SelectNextPage(); break;
    case VK_END:
      if (!shift && FStyle == dsDropDownList) SelectLast();
      break;
    case VK_HOME:
      if (!shift && FStyle == dsDropDownList) SelectFirst();
      break;
    case VK_UP: SelectPrevious(); break;
    case VK_DOWN: SelectNext(); break;
    default: return;
  }
  FLookupEntry.clear();
}

void TCustomExGridDropDown::DoEnter() {
  TExCustomDropDown::DoEnter();
  if (FExColGrid) FExColGrid->RemoveAllFilters();
  FLookupEntry.clear();
}

// --- keys of the list ---

void TCustomExGridDropDown::ControlKeyPress(QChar& Key) {
  TExColGrid* L = FExColGrid;
  const bool alt = GetKeyState(VK_MENU) < 0;
  const bool searching = (!(Key == QChar(13) || Key == QChar(27)) || alt) && L && !L->Options().Contains(goEditing);
  if (searching) {
    int r = LookupByKey(Key);
    if (r >= 0 && UseItems && LookupMethod == lmLookup) r += L->FixedRows();
    if (r >= L->FixedRows() && r < L->RowCount()) {
      if (L->VisibleRowCount() + L->FixedRows() < L->RowCount()) L->SetTopRow(r);
      L->SetCol(0);
      L->SetRow(r);
      L->RepaintRow(r);
    } else {
      FLookupEntry.clear();
    }
  } else {
    FLookupEntry.clear();
  }
  DoGridKeyPress(this, Key);
}

namespace {

bool IsListKey(int Key) {
  return Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || Key == VK_HOME || Key == VK_UP || Key == VK_DOWN;
}

}  // namespace

void TCustomExGridDropDown::ControlKeyDown(int& Key, TShiftState Shift) {
  if (!(IsListKey(Key) && !Shift.Contains(ssAlt))) TExCustomDropDown::ControlKeyDown(Key, Shift);
  DoGridKeyDown(this, Key, Shift);
}

void TCustomExGridDropDown::ControlKeyUp(int& Key, TShiftState Shift) {
  if (IsListKey(Key) && !Shift.Contains(ssAlt)) FLookupEntry.clear();
  else TExCustomDropDown::ControlKeyUp(Key, Shift);
  DoGridKeyUp(this, Key, Shift);
}

}  // namespace grid_drop_down
