#include "grid/dropdown/color_selector.h"

#include "platform/ui/canvas.h"

namespace {

// RRGGBB as a TColor ($00BBGGRR).
TColor FromRGB(unsigned rgb) { return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF); }

// The default palette, row by row: ten base colours, then five rows of shades.
constexpr unsigned kPalette[6][10] = {
    {0xFFFFFF, 0x000000, 0xEEECE1, 0x1F497D, 0x4F81BD, 0xC0504D, 0x9BBB59, 0x8064A2, 0x4BACC6, 0xF79646},
    {0xF2F2F2, 0x7F7F7F, 0xDDD9C3, 0xC2CEDA, 0xDBE5F1, 0xF2DCDB, 0xEBF1DD, 0xE5E0EC, 0xDBEEF3, 0xFDEADA},
    {0xD8D8D8, 0x595959, 0xC4BD97, 0x8DB3E2, 0xB8CCE4, 0xE5B9B7, 0xD7E3BC, 0xCCC1D9, 0xB7DDE8, 0xFBD5B5},
    {0xBFBFBF, 0x3F3F3F, 0x938953, 0x548DD4, 0x95B3D7, 0xD99694, 0xC3D69B, 0xB2A2C7, 0x92CDDC, 0xFAC08F},
    {0xA5A5A5, 0x262626, 0x494429, 0x17365D, 0x366092, 0x953734, 0x76923C, 0x5F497A, 0x31859B, 0xE36C09},
    {0x7F7F7F, 0x0C0C0C, 0x1D1B10, 0x0F243E, 0x244061, 0x632423, 0x4F6128, 0x3F3151, 0x205867, 0x974806},
};
constexpr TItemPos kRowPos[6] = {ipStandAlone, ipTop, ipMiddle, ipMiddle, ipMiddle, ipBottom};

}  // namespace

void TColorBoxItem::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  if (auto* items = dynamic_cast<TColorBoxItems*>(Collection())) items->DoChange();
}

void TColorBoxItem::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TColorBoxItem*>(Source);
  if (!s) return TCollectionItem::Assign(Source);
  SetColor(s->FColor);
  FEnabled = s->FEnabled;
}

void TColorBoxAppearance::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TColorBoxAppearance*>(Source);
  if (!s) return TPersistent::Assign(Source);
  BorderColor = s->BorderColor;
  OuterBorderColorHot = s->OuterBorderColorHot;
  InnerBorderColorHot = s->InnerBorderColorHot;
  OuterBorderColorSelected = s->OuterBorderColorSelected;
  InnerBorderColorSelected = s->InnerBorderColorSelected;
}

TCustomColorSelector::TCustomColorSelector(TComponent* AOwner)
    : TExCustomColorSelectorPanel(AOwner),
      FColorBoxAppearance(std::make_unique<TColorBoxAppearance>()),
      FItems(std::make_unique<TColorBoxItems>(this)) {
  SetParentColor(true);
}

TCustomColorSelector::~TCustomColorSelector() = default;

void TCustomColorSelector::SetColumns(int Value) {
  if (Value == FColumns) return;
  FColumns = Value;
  UpdateLayout();
}
void TCustomColorSelector::SetColumnGap(int Value) {
  if (Value == FColumnGap) return;
  FColumnGap = Value;
  UpdateLayout();
}
void TCustomColorSelector::SetColorBoxWidth(int Value) {
  if (Value == FColorBoxWidth) return;
  FColorBoxWidth = Value;
  UpdateLayout();
}
void TCustomColorSelector::SetColorBoxHeight(int Value) {
  if (Value == FColorBoxHeight) return;
  FColorBoxHeight = Value;
  UpdateLayout();
}

void TCustomColorSelector::SetItemColorStyle(TSelectionColorStyle Value) {
  if (Value == FItemColorStyle) return;
  FItemColorStyle = Value;
  if (Value == scCustom) return;
  const TColorBoxAppearance defaults;
  FColorBoxAppearance->Assign(&defaults);
}

void TCustomColorSelector::SetItemIndex(int Index) {
  if (Index >= FItems->Count() || (IsBox(Index) && !BoxEnabled(Index))) return;
  if (FItemIndex >= 0 && FItemIndex != Index) {
    const int old = FItemIndex;
    FItemIndex = -1;
    InvalidateItem(old);
  }
  FItemIndex = Index;
  if (Index < 0) return;
  FSelectedColor = FItems->Items(Index)->Color();
  InvalidateItem(Index);
  if (OnItemSelect) OnItemSelect(this);
}

void TCustomColorSelector::SetSelectedColor(TColor Value) {
  if (Value == FSelectedColor) return;
  FSelectedColor = Value;
  if (Value == clNone) SetItemIndex(-1);
  int found = -1;
  for (int i = 0; i < FItems->Count() && found < 0; ++i)
    if (FItems->Items(i)->Color() == Value) found = i;
  SetItemIndex(found);
}

void TCustomColorSelector::SetItemHot(int Index) {
  if (Index == FItemHot || (IsBox(Index) && !BoxEnabled(Index))) return;
  if (FItemHot >= 0) {
    const int old = FItemHot;
    FItemHot = -1;
    InvalidateItem(old);
  }
  FItemHot = Index;
  if (Index >= 0) InvalidateItem(Index);
}

void TCustomColorSelector::SelectFirst() {
  if (FItems->Count() > 0) SetItemIndex(0);
}
void TCustomColorSelector::SelectLast() {
  if (FItems->Count() > 0) SetItemIndex(FItems->Count() - 1);
}
void TCustomColorSelector::SelectNext() {
  if (FItemIndex + 1 < FItems->Count()) SetItemIndex(FItemIndex + 1);
}
void TCustomColorSelector::SelectPrevious() {
  if (FItemIndex - 1 >= 0) SetItemIndex(FItemIndex - 1);
}
void TCustomColorSelector::HotNext() {
  if (FItemHot + 1 < FItems->Count()) SetItemHot(FItemHot + 1);
}
void TCustomColorSelector::HotPrevious() {
  if (FItemHot - 1 >= 0) SetItemHot(FItemHot - 1);
}

void TCustomColorSelector::HandleKey(int Key, bool EditorEnabled, bool DroppedDown) {
  if (!TControl::Enabled()) return;
  const bool arrowsToEdit = EditorEnabled && !DroppedDown;
  switch (Key) {
    case VK_PRIOR:
    case VK_HOME: SelectFirst(); break;
    case VK_NEXT:
    case VK_END: SelectLast(); break;
    case VK_LEFT:
      if (!arrowsToEdit) SelectPrevious();
      break;
    case VK_RIGHT:
      if (!arrowsToEdit) SelectNext();
      break;
    case VK_UP:
    case VK_DOWN: {
      if (!DroppedDown) {
        Key == VK_UP ? SelectPrevious() : SelectNext();
        break;
      }
      const int target = FItemIndex < 0 ? 0 : FItemIndex + (Key == VK_UP ? -FColumns : FColumns);
      if (IsBox(target)) SetItemIndex(target);
      break;
    }
    default: break;
  }
}

int TCustomColorSelector::ItemAtXY(int X, int Y) const {
  for (int i = 0; i < FItems->Count(); ++i)
    if (PtInRect(FItems->Items(i)->FRect, Point(X, Y))) return i;
  return -1;
}

TRect TCustomColorSelector::GetItemRect(int Index) const {
  return IsBox(Index) ? FItems->Items(Index)->FRect : Rect(-1, -1, -1, -1);
}

void TCustomColorSelector::InvalidateItem(int Index) {
  if (IsBox(Index)) Invalidate();
}

void TCustomColorSelector::GetItemsArea(TRect& R) const {
  R = ClientRect();
  R.Left += FOffSetX, R.Right -= FOffSetX, R.Top += FOffSetY, R.Bottom -= FOffSetY;
}

void TCustomColorSelector::GetItemSize(TSize& Size) const { Size = {FColorBoxWidth, FColorBoxHeight}; }

void TCustomColorSelector::LoadDefaultPalette() {
  FItems->Clear();
  for (int r = 0; r < 6; ++r)
    for (unsigned rgb : kPalette[r]) {
      TColorBoxItem* item = FItems->Add();
      item->SetColor(FromRGB(rgb));
      item->ColorBoxPos = kRowPos[r];
    }
}

void TCustomColorSelector::UpdateLayout() {
  if (FItems->Count() == 0) {
    SetBounds(Left(), Top(), 100, 50);
    return;
  }
  FItemHot = -1;
  TSize s;
  GetItemSize(s);
  TRect a;
  GetItemsArea(a);
  int x = a.Left, y = a.Top, widest = 0, column = 0;
  bool gap = false;
  for (int i = 0; i < FItems->Count(); ++i) {
    TColorBoxItem* item = FItems->Items(i);
    item->FRect = Rect(x, y, x + s.cx, y + s.cy);
    ++column;
    if (i == FItems->Count() - 1) break;
    if (item->ColorBoxPos == ipStandAlone) gap = true;
    if (column < FColumns) {
      x += s.cx + FColumnGap;
    } else {
      if (gap) y += FColumnGap;
      gap = false;
      y += s.cy;
      widest = std::max(widest, x);
      x = a.Left;
      column = 0;
    }
  }
  SetBounds(Left(), Top(), std::max(x, widest) + s.cx + a.Left + 1, y + s.cy + a.Top);
}

void TCustomColorSelector::DrawItem(int Index, TCanvas* c) {
  if (!IsBox(Index) || !c) return;
  const TColorBoxItem* item = FItems->Items(Index);
  TRect r = item->FRect;
  if (r.Left < 0 && r.Right < 0) return;
  const TColorBoxAppearance* a = FColorBoxAppearance.get();
  TColor outer = a->BorderColor, inner = clNone;
  bool framed = false;
  if (Index == FItemHot) outer = a->OuterBorderColorHot, inner = a->InnerBorderColorHot, framed = true;
  if (Index == FItemIndex) outer = a->OuterBorderColorSelected, inner = a->InnerBorderColorSelected, framed = true;
  c->Pen()->SetWidth(1);
  if (item->Color() != clNone) {
    c->Pen()->SetColor(item->Color());
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(item->Color());
    c->FillRect(r);
  }
  if (framed) {
    c->Brush()->SetStyle(bsClear);
    if (outer != clNone) {
      c->Pen()->SetColor(outer);
      c->Rectangle(r);
      InflateRect(r, -1, -1);
    }
    if (inner != clNone) {
      c->Pen()->SetColor(inner);
      c->Rectangle(r);
    }
    c->Brush()->SetStyle(bsSolid);
    return;
  }
  const int L = r.Left, T = r.Top, R = r.Right - 1, B = r.Bottom - 1;
  c->Pen()->SetColor(outer);
  switch (item->ColorBoxPos) {
    case ipStandAlone: c->Polyline({{L, B}, {L, T}, {R, T}, {R, B}, {L, B}}); break;
    case ipTop: c->Polyline({{L, B}, {L, T}, {R, T}, {R, B}}); break;
    case ipMiddle:
      c->Polyline({{L, T}, {L, B}});
      c->Polyline({{R, T}, {R, B}});
      break;
    case ipBottom:
      c->Polyline({{L, T}, {L, B}, {R, B}});
      c->Polyline({{R, T}, {R, B + 1}});
      break;
  }
}

void TCustomColorSelector::Paint() {
  TExCustomColorSelectorPanel::Paint();
  for (int i = 0; i < FItems->Count(); ++i) DrawItem(i, Canvas());
}

void TCustomColorSelector::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TExCustomColorSelectorPanel::MouseDown(Button, Shift, X, Y);
  const int i = ItemAtXY(X, Y);
  if (BoxEnabled(i)) SetItemIndex(i);
}

void TCustomColorSelector::MouseMove(TShiftState Shift, int X, int Y) {
  TExCustomColorSelectorPanel::MouseMove(Shift, X, Y);
  const int i = ItemAtXY(X, Y);
  if (i < 0) {
    if (FItemHot >= 0) SetItemHot(-1);
  } else if (i != FItemHot) {
    if (BoxEnabled(i)) SetItemHot(i);
    else SetItemHot(-1);
  }
}

void TCustomColorSelector::CMMouseLeave(TMessage& Message) {
  TExCustomColorSelectorPanel::CMMouseLeave(Message);
  SetItemHot(-1);
}
