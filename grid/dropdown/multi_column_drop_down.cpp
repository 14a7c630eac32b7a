#include "grid/dropdown/multi_column_drop_down.h"

#include "grid/dropdown/drop_down_form.h"
#include "grid/dropdown/multi_column_rules.h"
#include "platform/ui/system_metrics.h"

// --- columns and items ---

TDropDownColumn::TDropDownColumn(TCollection* Collection)
    : TCollectionItem(Collection), FFont(std::make_unique<TFont>()) {}

TDropDownColumn::~TDropDownColumn() = default;

void TDropDownColumn::SetFont(const TFont* Value) { FFont->Assign(*Value); }

void TDropDownColumn::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TDropDownColumn*>(Source);
  if (!s) return TCollectionItem::Assign(Source);
  Wordwrap = s->Wordwrap;
  Width = s->Width;
  AutoSize = s->AutoSize;
  Header = s->Header;
  Alignment = s->Alignment;
  Color = s->Color;
  ColumnType = s->ColumnType;
  FFont->Assign(*s->FFont);
  Ellipsis = s->Ellipsis;
}

QString TDropDownItem::TextAt(int Column) const {
  return Column >= 0 && Column < FText.Count() ? FText[Column] : QString();
}

void TDropDownItem::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TDropDownItem*>(Source);
  if (!s) return TCollectionItem::Assign(Source);
  ImageIndex = s->ImageIndex;
  FText = s->FText;
}

int TDropDownItems::IndexInColumn(int Column, const QString& Value) const {
  for (int i = 0; i < Count(); ++i) {
    const TDropDownItem* item = Items(i);
    if (Column >= 0 && Column < item->Text().Count() && item->Text()[Column] == Value) return i;
  }
  return -1;
}

// --- the drop-down ---

TExMultiColumnDropDown::TExMultiColumnDropDown(TComponent* AOwner)
    : TExCustomDropDown(AOwner),
      FItems(std::make_unique<TDropDownItems>(this)),
      FColumns(std::make_unique<TDropDownColumns>(this)),
      FHeaderFont(std::make_unique<TFont>()) {
  CreateDropDownForm();
  // The base's construction applies the Luna style, which reaches this
  // class's presets; the defaults below then replace the header and line colours.
  SetComponentStyle(tsOffice2007Luna);
  HeaderColorTo = 0x808080;
  HeaderColor = 0xFFFFFF;
  LineColor = 0xC0C0C0;
  DropDownColor = 0xFFFFFF;
  SetDropDownHeight(200);
  FItemIndex = FOldItemIndex = -1;
  AutoSelect = true;
  SetSelectionColorStyle(scOffice2007);
  SelectionTextColor = 0x000000;
}

TExMultiColumnDropDown::~TExMultiColumnDropDown() = default;

void TExMultiColumnDropDown::Notification(TComponent* AComponent, TOperation Operation) {
  TExCustomDropDown::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FExColGrid) FExColGrid = nullptr;
}

void TExMultiColumnDropDown::SetHeaderFont(const TFont* Value) { FHeaderFont->Assign(*Value); }

void TExMultiColumnDropDown::Assign(const TPersistent* Source) {
  TExCustomDropDown::Assign(Source);
  auto* s = dynamic_cast<const TExMultiColumnDropDown*>(Source);
  if (!s) return;
  CaseSensitive = s->CaseSensitive;
  DropDownAutoWidth = s->DropDownAutoWidth;
  DropDownRowHeight = s->DropDownRowHeight;
  LineColor = s->LineColor;
  FixedLineColor = s->FixedLineColor;
  ColumnSizing = s->ColumnSizing;
  ColumnSizeWithDropDown = s->ColumnSizeWithDropDown;
  FColumns->Assign(s->FColumns.get());
  HeaderColor = s->HeaderColor;
  HeaderColorTo = s->HeaderColorTo;
  HeaderHeight = s->HeaderHeight;
  FHeaderFont->Assign(*s->FHeaderFont);
  LookupColumn = s->LookupColumn;
  SelectionTextColor = s->SelectionTextColor;
  FItems->Assign(s->FItems.get());
  FItemIndex = s->FItemIndex;
}

void TExMultiColumnDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
  if (Value == scOffice2007) LineColor = 0xF1EDEB, FixedLineColor = 0xD1BBA4;
  else if (Value == scWindowsVista || Value == scWindows7) LineColor = 0xECECF0, FixedLineColor = 0xD4D2D1;
  TExCustomDropDown::SetSelectionColorStyle(Value);
}

namespace {

using MultiColumnStyle = TMultiColumnStylePreset;
constexpr TColor kKeep = clNone;
constexpr TColor kNoColor = 0x1FFFFFFF;
const MultiColumnStyle kStyles[] = {
    {tsOffice2003Blue, 0xD68759, 0x933803, 0xFFFFFF, scOffice2007, 0x962D00, 0x962D00, 0, kKeep},
    {tsOffice2003Silver, 0xBDA4A5, 0x957475, kKeep, scOffice2007, 0x947C7C, 0x947C7C, 0, kKeep},
    {tsOffice2003Olive, 0x82C0AF, 0x447A63, kKeep, scOffice2007, 0x588060, 0x588060, 0, kKeep},
    {tsOffice2003Classic, 0x808080, 0x808080, kKeep, scOffice2007, 0x808080, 0x808080, 0, kKeep},
    {tsOffice2007Luna, 0xFFEFE3, 0xFFD2AF, 0x723708, scOffice2007, 0xFFD2AF, 0xFFD2AF, 0, kKeep},
    {tsOffice2007Obsidian, 0xF2F1F0, 0xC9C2BD, 0x433C37, scOffice2007, 0x5C534C, 0x5C534C, 0, kKeep},
    {tsWindowsXP, clBtnFace, clBtnFace, 0, scCustom, 0xC0C0C0, 0x000000, clHighlightText, clHighlight},
    {tsWhidbey, 0xEBEEEF, 0x7E9898, 0xFFFFFF, scOffice2007, 0x962D00, 0x962D00, 0, kKeep},
    {tsOffice2007Silver, 0xF8F7F6, 0xE8E0DB, 0x8B4215, scOffice2007, 0x74706F, 0x74706F, 0, kKeep},
    {tsWindowsVista, 0xFFFDF9, 0xFFFAF0, 0, scWindowsVista, 0xFCF2DA, 0xFCF2DA, 0, kKeep},
    {tsWindows7, 0xFDFBFA, 0xFDF3EB, 0, scWindows7, 0xFBD6B8, 0xFBD6B8, 0, kKeep},
    {tsTerminal, clBtnFace, clBtnFace, 0, scCustom, 0x808080, 0x808080, clHighlightText, clHighlight},
    {tsOffice2010Blue, 0xEDDBCD, kNoColor, 0x5B391E, scCustom, 0xEEDDCF, 0xEEDDCF, 0, 0x6CD0FF},
    {tsOffice2010Silver, 0xEDE9E5, kNoColor, 0x5B391E, scCustom, 0xEEDDCF, 0xEEDDCF, 0, 0x6CD0FF},
    {tsOffice2010Black, 0x828282, kNoColor, 0xD7D7D6, scCustom, 0xEEDDCF, 0xEEDDCF, 0, 0x6CD0FF},
};

}  // namespace

const TMultiColumnStylePreset* FindMultiColumnStyle(TSuiteStyle AStyle) {
  for (const MultiColumnStyle& s : kStyles)
    if (s.style == AStyle) return &s;
  return nullptr;
}

void TExMultiColumnDropDown::SetComponentStyle(TSuiteStyle AStyle) {
  TExCustomDropDown::SetComponentStyle(AStyle);
  if (!FHeaderFont) return;  // the base constructor's call
  const TMultiColumnStylePreset* s = FindMultiColumnStyle(AStyle);
  if (!s) return;
  SetSelectionColorStyle(static_cast<TSelectionColorStyle>(s->selStyle));
  HeaderColor = s->header;
  HeaderColorTo = s->headerTo;
  if (s->headerFont != clNone) FHeaderFont->SetColor(s->headerFont);
  LineColor = s->line;
  FixedLineColor = s->fixedLine;
  SelectionTextColor = s->selText;
  if (s->selection != clNone) SelectionColor = SelectionColorTo = s->selection;
}

// --- lookup ---

void TExMultiColumnDropDown::UpdateLookupItems() {
  if (LookupColumn < 0 || FItems->Count() == 0) return;
  FLookupItems.Clear();
  for (int i = 0; i < FItems->Count(); ++i) FLookupItems.Add(FItems->Items(i)->TextAt(LookupColumn));
}

QStringList TExMultiColumnDropDown::LookupEntries() const {
  QStringList entries;
  for (int i = 0; i < FLookupItems.Count(); ++i) entries << FLookupItems[i];
  return entries;
}

int TExMultiColumnDropDown::GetItemIndex(const QString& Value) const {
  return FItems->IndexInColumn(LookupColumn, Value);
}

void TExMultiColumnDropDown::SetItemIndex(int Value) {
  if (Value >= FItems->Count()) return;
  FItemIndex = Value;
  if (Value >= 0 && LookupColumn >= 0) SetText(FItems->Items(Value)->TextAt(LookupColumn));
  else if (Value < 0) SetText(QString());
}

void TExMultiColumnDropDown::SelectFirst() {
  if (FItems->Count() > 0) SetItemIndex(0);
}
void TExMultiColumnDropDown::SelectLast() {
  if (FItems->Count() > 0) SetItemIndex(FItems->Count() - 1);
}
void TExMultiColumnDropDown::SelectNext() {
  if (FItems->Count() == 0) return;
  if (FItemIndex < 0) SetItemIndex(0);
  else if (FItemIndex + 1 < FItems->Count()) SetItemIndex(FItemIndex + 1);
}
void TExMultiColumnDropDown::SelectPrevious() {
  if (FItems->Count() == 0) return;
  if (FItemIndex < 0) SetItemIndex(0);
  else if (FItemIndex - 1 >= 0) SetItemIndex(FItemIndex - 1);
}
void TExMultiColumnDropDown::SelectNextPage() {
  if (FItems->Count() == 0) return;
  if (FItemIndex < 0) SetItemIndex(0);
  else SetItemIndex(std::min(FItemIndex + 10, FItems->Count() - 1));
}
void TExMultiColumnDropDown::SelectPreviousPage() {
  if (FItems->Count() == 0) return;
  SetItemIndex(FItemIndex - 10 >= 0 ? FItemIndex - 10 : 0);
}

// --- type-ahead in the edit ---

void TExMultiColumnDropDown::Change() {
  // 1.
  FItemChange = false;
  TExCustomDropDown::Change();
  // 2. (A text set in code leaves the caret at the start: nothing typed.)
  if (!workmode || FBlockTypeAhead || FTextInCode) return;
  // 3.
  SetModified(Text() != FOldValue);
  // 4. and 5.
  const int selStart = TEdit::SelStart() - Prefix().size();
  const TTypeAhead t = TypeAheadComplete(LookupEntries(), Text(), selStart, MatchCase);
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

void TExMultiColumnDropDown::SetText(const QString& Value) {
  FTextInCode = true;
  TExCustomDropDown::SetText(Value);
  FTextInCode = false;
}

// The typed character's own caret placement comes after the change
// notification; the completion's selection is put back over it.
void TExMultiColumnDropDown::WMChar(TMessage& Message) {
  FSelPending = false;
  TExCustomDropDown::WMChar(Message);
  if (!FSelPending) return;
  FSelPending = false;
  TEdit::SetSelStart(FSelStart);
  TEdit::SetSelLength(FSelLength);
}

void TExMultiColumnDropDown::KeyDown(int& Key, TShiftState Shift) {
  // 1.
  if (LookupColumn < 0 || FItems->Count() == 0) return TExCustomDropDown::KeyDown(Key, Shift);
  // 2.
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
  // 3.
  TExCustomDropDown::KeyDown(Key, Shift);
  // 4.
  if (key == VK_ESCAPE) SetItemIndex(FLookupItems.IndexOf(Text()));
}

void TExMultiColumnDropDown::KeyPress(QChar& Key) {
  if (Key == QChar(13) && ReturnIsTab) {
    Key = QChar(0);
    return;
  }
  TExCustomDropDown::KeyPress(Key);
}

void TExMultiColumnDropDown::KeyUp(int& Key, TShiftState Shift) {
  if (!(Key == VK_RETURN && ReturnIsTab)) TExCustomDropDown::KeyUp(Key, Shift);
  if (!FItemChange) return;
  SetItemIndex(FItemIdx);
  const int start = Prefix().size() + FItemSel;
  TEdit::SetSelStart(start);
  TEdit::SetSelLength(Prefix().size() + Text().size() - start);
  FItemChange = false;
}

void TExMultiColumnDropDown::WMKeyDown(TMessage& Message) {
  const int key = Message.CharCode();
  TExCustomDropDown::WMKeyDown(Message);
  if (!Enabled() || GetKeyState(VK_MENU) < 0) return;
  switch (key) {
    case VK_PRIOR: SelectPreviousPage(); break;
    case VK_NEXT: SelectNextPage(); break;
    case VK_END:
      if (!EditorEnabled()) SelectLast();
      break;
    case VK_HOME:
      if (!EditorEnabled()) SelectFirst();
      break;
    case VK_UP: SelectPrevious(); break;
    case VK_DOWN: SelectNext(); break;
    default: break;
  }
}

// --- incremental search in the list ---

bool TExMultiColumnDropDown::FindLookupMatch(const QString& Value, QString& Text, int& Index) const {
  Index = -1;
  Text.clear();
  if (!FExColGrid) return false;
  QStringList entries;
  for (int i = 0; i < FItems->Count(); ++i) entries << FItems->Items(i)->TextAt(LookupColumn);
  Index = FindEntryStartingWith(entries, Value, CaseSensitive);
  if (Index < 0) return false;
  Text = entries[Index];
  return true;
}

int TExMultiColumnDropDown::LookupByKey(QChar Key) {
  // 1.
  if (Key != QChar(8) && Key != QChar(9)) FLookupEntry += Key;
  // 2.
  if (Key == QChar(8)) {
    if (TEdit::SelLength() == 0) {
      FLookupEntry.chop(1);
      SetText(FLookupEntry);
    } else {
      // The selection goes; the search starts afresh.
      SetText(EditText().left(std::min(TEdit::SelStart(), TEdit::SelStart() + TEdit::SelLength())));
      FLookupEntry.clear();
    }
    TEdit::SetSelStart(EditText().size());
    return -1;
  }
  // 4.
  QString text;
  int index = -1;
  if (FindLookupMatch(FLookupEntry, text, index)) {
    FItemIndex = index;
    SetText(text);
    TEdit::SetSelStart(Prefix().size() + FLookupEntry.size());
    TEdit::SetSelLength(text.size() - FLookupEntry.size());
    return index;
  }
  // 5.
  if (FindLookupMatch(QString(Key), text, index)) {
    FItemIndex = index;
    SetText(text);
    FLookupEntry = QString(Key);
    return index;
  }
  FLookupEntry.clear();
  return -1;
}

void TExMultiColumnDropDown::ControlKeyPress(QChar& Key) {
  const bool alt = GetKeyState(VK_MENU) < 0;
  if (FExColGrid && (!(Key == QChar(13) || Key == QChar(27)) || alt) &&
      !FExColGrid->Options().Contains(goEditing)) {
    const int r = LookupByKey(Key);
    if (r != -1) {
      const int row = r + FExColGrid->FixedRows();
      if (row >= FExColGrid->TopRow() + FExColGrid->VisibleRowCount() || row < FExColGrid->TopRow())
        FExColGrid->SetTopRow(row);
      FExColGrid->SetCol(0);
      FExColGrid->SetRow(row);
    }
  } else {
    FLookupEntry.clear();
  }
}

void TExMultiColumnDropDown::ControlKeyDown(int& Key, TShiftState Shift) {
  const bool listKey = Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
  if (listKey && !Shift.Contains(ssAlt)) return;
  TExCustomDropDown::ControlKeyDown(Key, Shift);
}

void TExMultiColumnDropDown::ControlKeyUp(int& Key, TShiftState Shift) {
  const bool listKey = Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
  if (listKey && !Shift.Contains(ssAlt)) return;
  TExCustomDropDown::ControlKeyUp(Key, Shift);
}

// --- opening and closing ---

void TExMultiColumnDropDown::CreateDropDownForm() {
  TExCustomDropDown::CreateDropDownForm();
  if (!FDropDownForm) return;
  if (!FExColGrid) {
    FExColGrid = new TExColGrid(this);
    FExColGrid->SetParent(FDropDownForm);
  }
  FExColGrid->SetExDropDown(this);
  FExColGrid->SetBounds(0, 0, FExColGrid->Width(), 180);
  FExColGrid->SetColor(DropDownColor);
}

void TExMultiColumnDropDown::BeforeDropDown() {
  TExCustomDropDown::BeforeDropDown();
  FDropDownForm->CancelOnDeActivate = false;
  FShowing = true;
  if (FExColGrid) {
    FExColGrid->LoadFromDropDown(this);
    FExColGrid->SetOptions(FExColGrid->Options() + goThumbTracking);
    FExColGrid->SetColor(DropDownColor);
    FExColGrid->OnSelectCell = [this](TObject*, int ACol, int ARow, bool& CanSelect) {
      ListSelectCell(ACol, ARow, CanSelect);
    };
    FExColGrid->OnSelect = [this](TObject*) { ListSelect(); };
    const int row = FItemIndex + 1 < FExColGrid->FixedRows() ? 1 : FItemIndex + 1;
    if (row < FExColGrid->RowCount()) FExColGrid->SetRow(row);
  }
  FOldItemIndex = FItemIndex;
}

void TExMultiColumnDropDown::UpdateDropDownSize() {
  TExCustomDropDown::UpdateDropDownSize();
  if (!DropDownAutoWidth || !FDropDownForm || !FExColGrid) return;
  const int w = FExColGrid->GetListWidth();
  FExColGrid->SetWidth(w);
  FDropDownForm->SetWidth(w + 2 * DropDownBorderWidth);
}

void TExMultiColumnDropDown::UpdateDropDownControl() {
  SetControl(FExColGrid);
  TExCustomDropDown::UpdateDropDownControl();
}

void TExMultiColumnDropDown::AdjustDropDownHeight(int& AHeight) {
  int hf = 0;
  if (DropDownHeader()->Visible()) hf += DropDownHeader()->Height;
  if (DropDownFooter()->Visible()) hf += DropDownFooter()->Height;
  AHeight = SnapDropDownHeight(AHeight, hf, HeaderHeight, DropDownRowHeight);
}

void TExMultiColumnDropDown::DoShowDropDown() {
  TExCustomDropDown::DoShowDropDown();
  SizeColumnsToDropDown();
  if (FExColGrid && FExColGrid->RowCount() > 1) {
    const int row = FItemIndex < 0 ? 1 : FItemIndex + 1;
    if (row < FExColGrid->RowCount()) {
      FExColGrid->SetRow(row);
      const TRect r = FExColGrid->CellRect(0, row);
      if (r.Right <= r.Left || r.Bottom <= r.Top)
        FExColGrid->SetTopRow(std::max(FExColGrid->FixedRows(), row - FExColGrid->VisibleRowCount() + 1));
    }
  }
  FShowing = false;
}

void TExMultiColumnDropDown::SizeColumnsToDropDown() {
  if (!ColumnSizeWithDropDown || !FExColGrid || !FDropDownForm) return;
  FExColGrid->SetScrollBars(ssVertical);
  if (FColumns->Count() == 0) return;
  int avail = FDropDownForm->Width();
  if (FExColGrid->VisibleRowCount() < FExColGrid->RowCount() - FExColGrid->FixedRows())
    avail -= VerticalScrollBarWidth();
  std::vector<int> widths;
  for (int i = 0; i < FColumns->Count(); ++i) widths.push_back(FColumns->Items(i)->Width);
  const std::vector<int> scaled = ScaleColumnWidths(widths, avail);
  for (int i = 0; i < static_cast<int>(scaled.size()) && i < FExColGrid->ColCount(); ++i)
    FExColGrid->SetColWidths(i, scaled[i]);
}

void TExMultiColumnDropDown::ListSelectCell(int, int ARow, bool&) {
  if (FExColGrid && !FExColGrid->MouseWheelSelection() && !FShowing) SetItemIndex(ARow - 1);
}

void TExMultiColumnDropDown::ListSelect() {
  if (FExColGrid && FExColGrid->ConfirmSelection()) SetItemIndex(FExColGrid->Row() - 1);
  DoHideDropDown(false);
  if (OnSelect) OnSelect(this);
}

void TExMultiColumnDropDown::DoHideDropDown(bool Cancelled) {
  if (!FDropDownForm || !FDropDownForm->Visible()) return TExCustomDropDown::DoHideDropDown(Cancelled);
  TExCustomDropDown::DoHideDropDown(Cancelled);
  if (Cancelled) {
    SetItemIndex(FOldItemIndex);
  } else {
    if (FExColGrid && FExColGrid->ConfirmSelection()) SetItemIndex(FExColGrid->Row() - 1);
    FOldItemIndex = FItemIndex;
  }
}
