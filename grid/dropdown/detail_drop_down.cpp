#include "grid/dropdown/detail_drop_down.h"

#include "grid/base/html_entities.h"
#include "grid/base/html_render.h"
#include "grid/dropdown/drop_down_form.h"
#include "grid/dropdown/multi_column_rules.h"
#include "platform/ui/image_list.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/shapes.h"
#include "platform/ui/system_metrics.h"
#include "platform/ui/timer.h"

// --- items ---

void TDetailItem::Changed() {
  if (auto* items = dynamic_cast<TDetailItems*>(Collection())) items->DoChange();
}

void TDetailItem::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TDetailItem*>(Source);
  if (!s) return TCollectionItem::Assign(Source);
  AssignPicture(*s);
  Notes = s->Notes;
  Tag = s->Tag;
  ItemObject = s->ItemObject;
}

int TDetailItems::IndexOf(const QString& AValue) const {
  for (int i = 0; i < Count(); ++i)
    if (Items(i)->Caption() == AValue) return i;
  return -1;
}

// --- the drop-down ---

TExDetailDropDown::TExDetailDropDown(TComponent* AOwner)
    : TSelectorPickerDropDown(AOwner),
      FItems(std::make_unique<TDetailItems>(this)),
      FCaptionFont(std::make_unique<TFont>()),
      FNotesFont(std::make_unique<TFont>()) {
  FItems->OnChange = [](TObject*) {};
  SetEditorEnabled(true);
  SetCursor(crDefault);
  FCaptionFont->Assign(*Font());
  FNotesFont->Assign(*Font());
  CreateDropDownForm();
}

TExDetailDropDown::~TExDetailDropDown() = default;

void TExDetailDropDown::SetCaptionFont(const TFont* Value) { FCaptionFont->Assign(*Value); }
void TExDetailDropDown::SetNotesFont(const TFont* Value) { FNotesFont->Assign(*Value); }

void TExDetailDropDown::SetItemIndex(int Value) {
  if (Value == FItemIndex) return;
  if (Value >= 0 && Value < FItems->Count()) {
    FItemIndex = Value;
    FInChange = true;  // a text set in code completes nothing
    SetText(FItems->Items(Value)->Caption());
    FInChange = false;
    TEdit::SetSelStart(0);
    TEdit::SetSelLength(EditText().size());
    Invalidate();
    if (FItemSelector) FItemSelector->Invalidate();
    if (OnSelect) OnSelect(this);
  } else if (Value == -1) {
    FInChange = true;
    SetText(QString());
    FInChange = false;
    FItemIndex = -1;
  }
}

// --- pop-up ---

void TExDetailDropDown::CreateDropDownForm() {
  TSelectorPickerDropDown::CreateDropDownForm();
  CreateItemSelector(stImage);
  if (!FItemSelector) return;
  FItemSelector->OnDrawItem = [this](TObject*, TCanvas* C, TRect R, int Index) { DrawSelectorItem(C, R, Index); };
  FItemSelector->OnItemSize = [this](TObject*, TSize& S) {
    // (A pop-up not sized yet is as wide as the edit.)
    int w = DropDownWidth() > 0 ? DropDownWidth() : (FDropDownForm ? FDropDownForm->Width() : 0);
    if (w <= 0) w = Width();
    S.cx = w - (FItemSelector->VertScrollVisible() ? VerticalScrollBarWidth() : 0) - 2 - 4;
    S.cy = ItemHeight;
  };
  FItemSelector->UpdateSelectorPanel();
}

void TExDetailDropDown::PrepareItemSelector() {
  TExCustomItemSelector* s = FItemSelector;
  if (!s) return;
  s->OnItemSelect = nullptr;
  s->SetColumns(1);
  s->ItemLayout = Layout;
  s->SetImages(Images());
  s->SetColor(DropDownColor);
  s->SetItemAppearance(FItemAppearance.get());
  s->Items()->Clear();
  for (int i = 0; i < FItems->Count(); ++i) {
    const TDetailItem* from = FItems->Items(i);
    TSelectorItem* item = s->Items()->Add();
    item->SetCaption(from->Caption());
    item->SetImage(from->Image());
    item->SetImageIndex(from->ImageIndex());
  }
  s->UpdateSelectorPanel();
  HookSelector();
}

void TExDetailDropDown::BeforeDropDown() {
  TSelectorPickerDropDown::BeforeDropDown();
  PrepareItemSelector();
  FOldItemIndex = FItemIndex;
}

void TExDetailDropDown::DoShowDropDown() {
  TSelectorPickerDropDown::DoShowDropDown();
  if (!FItemSelector || !FDropDownForm || !FDropDownForm->Visible()) return;
  FItemSelector->UpdateSelectorPanel();  // the rows fit the pop-up's width now known
  if (FItemSelector->CanFocus()) FItemSelector->SetFocus();
}

void TExDetailDropDown::UpdateDropDownSize() {
  if (FItemSelector) {
    if (DropDownWidth() <= 0) FItemSelector->SetWidth(Width());
    if (DropDownHeight() <= 0) FItemSelector->SetHeight(100);
  }
  TSelectorPickerDropDown::UpdateDropDownSize();
}

void TExDetailDropDown::DropDownSizing() {
  TSelectorPickerDropDown::DropDownSizing();
  if (FItemSelector) FItemSelector->UpdateSelectorPanel();
}

void TExDetailDropDown::DoHideDropDown(bool Cancelled) {
  const int old = FOldItemIndex;
  TSelectorPickerDropDown::DoHideDropDown(Cancelled);
  if (Cancelled && FItemSelector && old != -1) SetItemIndex(old);
}

void TExDetailDropDown::DrawSelectorItem(TCanvas* c, TRect R, int Index) {
  // 1.
  if (OnDrawSelectedImage) {
    OnDrawSelectedImage(this, c, R);
    return;
  }
  if (Index < 0 || Index >= FItems->Count()) return;
  const TDetailItem* item = FItems->Items(Index);
  // 2.
  TPicture* p = item->Image();
  TCustomImageList* list = Images();
  auto pictureX = [&](int w) { return item->Caption().isEmpty() ? R.Left + (R.Right - R.Left - w) / 2 : R.Left + 2; };
  if (p->Width() > 0) {
    const int y = R.Top + (R.Bottom - R.Top - p->Height()) / 2;
    p->Bitmap()->SetTransparent(true);
    c->Draw(pictureX(p->Width()), y, p->Bitmap());
    R.Left += p->Width() + 4;
  } else if (list && item->ImageIndex() >= 0) {
    list->Draw(c, pictureX(list->Width()), R.Top + (R.Bottom - R.Top - list->Height()) / 2, item->ImageIndex(), true);
    R.Left += list->Width() + 4;
  }
  // 3.
  c->SetFont(FCaptionFont.get());
  const TItemAppearance* a = FItemAppearance.get();
  auto stateColour = [&](TFont* f) {
    if (FItemSelector && Index == FItemSelector->ItemHot()) f->SetColor(a->ColorHotText);
    if (Index == FItemIndex) f->SetColor(a->ColorSelectedText);
  };
  stateColour(c->Font());
  c->Brush()->SetStyle(bsClear);
  R.Left += 4, R.Top += 2, R.Right -= 4;
  TRect t = R;
  c->DrawText(item->Caption(), t, DT_END_ELLIPSIS);
  // 4.
  if (!item->Notes.isEmpty()) {
    R.Top += c->TextHeight(QStringLiteral("gh"));
    c->SetFont(FNotesFont.get());
    stateColour(c->Font());
    // The notes are a mini-HTML text.
    THtmlDrawInput in;
    in.Images = list;
    in.WindowHandle = this;
    THtmlDrawOutput out;
    DrawHtmlCellText(c, item->Notes, R, in, out);
  }
  c->Brush()->SetStyle(bsSolid);
}

// --- type-ahead ---

void TExDetailDropDown::Change() {
  FItemChange = false;
  TSelectorPickerDropDown::Change();
  if (!FWorkMode || FInChange) return;
  // 1.
  SetModified(!Text().isEmpty());
  // A text set in code leaves the caret at the start: nothing typed to complete.
  if (!FTyping) return;
  // 2. to 4.
  QStringList captions;
  for (int i = 0; i < FItems->Count(); ++i) captions << FItems->Items(i)->Caption();
  const TTypeAhead t = TypeAheadComplete(captions, Text(), TEdit::SelStart() - Prefix().size(), MatchCase);
  if (!t.Changed) return;
  FInChange = true;
  SetText(t.Text);
  FInChange = false;
  if (t.Matched) {
    FItemIndex = FItemIdx = t.Index;
    FItemSel = t.SelStart;
    FItemChange = true;
  }
  FSelStart = Prefix().size() + t.SelStart;
  FSelLength = t.SelEnd - t.SelStart;
  FSelPending = true;
  TEdit::SetSelStart(FSelStart);
  TEdit::SetSelLength(FSelLength);
}

// The typed character's own caret placement comes after the change
// notification; the completion's selection is put back over it.
void TExDetailDropDown::WMChar(TMessage& Message) {
  FSelPending = false;
  FTyping = true;
  TSelectorPickerDropDown::WMChar(Message);
  FTyping = false;
  if (!FSelPending) return;
  FSelPending = false;
  TEdit::SetSelStart(FSelStart);
  TEdit::SetSelLength(FSelLength);
}

void TExDetailDropDown::WMPaste(TMessage& Message) {
  FTyping = true;
  TSelectorPickerDropDown::WMPaste(Message);
  FTyping = false;
}

void TExDetailDropDown::KeyDown(int& Key, TShiftState Shift) {
  if (FItems->Count() == 0) return TSelectorPickerDropDown::KeyDown(Key, Shift);
  if (Key == VK_BACK || Key == VK_ESCAPE || Key == VK_DELETE) {
    FWorkMode = false;
  } else if (Key == VK_RETURN) {
    const int i = FItems->IndexOf(Text());
    if (i != -1) {
      SetItemIndex(i);
      Change();
    }
  } else {
    FWorkMode = true;
  }
  TSelectorPickerDropDown::KeyDown(Key, Shift);
  if (Key == VK_ESCAPE) {
    const int i = FItems->IndexOf(Text());
    if (i >= 0) SetItemIndex(i);
  }
}

void TExDetailDropDown::KeyUp(int& Key, TShiftState Shift) {
  TSelectorPickerDropDown::KeyUp(Key, Shift);
  if (!FItemChange) return;
  SetItemIndex(FItemIdx);
  TEdit::SetSelStart(Prefix().size() + FItemSel);
  TEdit::SetSelLength(Text().size() - FItemSel);
  FItemChange = false;
}

void TExDetailDropDown::MoveList(int N) {
  if (!FItemSelector || N < 0 || N >= FItemSelector->Items()->Count()) return;
  FInternalCall = true;
  FItemSelector->SetItemIndex(N);
  FItemSelector->ScrollItemInView(FItemSelector->ItemIndex());
  FInternalCall = false;
}

void TExDetailDropDown::Wheel(int Step) {
  if (!DroppedDown() || !FItemSelector) {
    Step > 0 ? SelectNext() : SelectPrevious();
    return;
  }
  const int cur = FItemSelector->ItemIndex();
  MoveList(cur < 0 ? 0 : cur + Step);
  Invalidate();
}

void TExDetailDropDown::WMKeyDown(TMessage& Message) {
  const int key = Message.CharCode();
  const bool open = DroppedDown();
  if (Enabled() && GetKeyState(VK_MENU) >= 0) {
    TExCustomItemSelector* s = FItemSelector;
    const int v = s ? s->GetVisibleItemCount() : 0;
    switch (key) {
      case VK_PRIOR:
      case VK_NEXT:
        if (!s) break;
        if (s->Items()->Count() != FItems->Count()) PrepareItemSelector();
        if (v >= 1)
          MoveList(key == VK_PRIOR ? std::max(s->ItemIndex() - v, 0) : std::min(s->ItemIndex() + v, FItems->Count() - 1));
        break;
      case VK_END:
      case VK_HOME:
        if (open && s) {
          FInternalCall = true;
          key == VK_END ? s->SelectLast() : s->SelectFirst();
          FInternalCall = false;
        } else if (!EditorEnabled()) {
          key == VK_END ? SelectLast() : SelectFirst();
        }
        break;
      case VK_LEFT:
      case VK_RIGHT:
        if (open && s && !EditorEnabled()) {
          FInternalCall = true;
          key == VK_LEFT ? s->SelectPrevious() : s->SelectNext();
          FInternalCall = false;
        }
        break;
      case VK_UP:
      case VK_DOWN:
        if (open && s) {
          MoveList(s->ItemIndex() < 0 ? 0 : s->ItemIndex() + (key == VK_UP ? -1 : 1));
          Invalidate();
        } else {
          key == VK_UP ? SelectPrevious() : SelectNext();
        }
        break;
      default:
        if (GetKeyState(VK_CONTROL) >= 0 && s) {
          FCurSearch += QChar(key);
          FInternalCall = true;
          s->LookupItem(FCurSearch);
          FInternalCall = false;
          FKeyTimer->SetEnabled(true);
        }
        break;
    }
  }
  const bool listKey =
      key == VK_PRIOR || key == VK_NEXT || key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
  if (open && listKey) {
    Message.SetCharCode(0);
    Message.Result = 1;
    return;
  }
  FTyping = true;
  TSelectorPickerDropDown::WMKeyDown(Message);
  FTyping = false;
}
