#include "grid/dropdown/item_selector.h"

#include "grid/base/draw_routines.h"
#include "grid/base/html_entities.h"
#include "grid/dropdown/dropdown_drawing.h"
#include "grid/dropdown/entry_numbers.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/application.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/image_list.h"

namespace {

// Captions are mini-HTML texts: the size of their layout in R ((0, 0) when
// empty), and their drawing into T.
TSize CaptionSize(TCanvas* c, const QString& caption, TRect R, const void* window) {
  TSize size{0, 0};
  HtmlTextSize(c, caption, R, nullptr, false, window, size);
  return size;
}

void DrawCaption(TCanvas* c, TRect t, const QString& caption, const void* window) {
  c->Brush()->SetStyle(bsClear);
  TSize size{0, 0};
  HtmlTextSize(c, caption, t, nullptr, true, window, size);
  c->Brush()->SetStyle(bsSolid);
}

}  // namespace

// --- items ---

TSelectorItem::TSelectorItem(TCollection* Collection)
    : TCollectionItem(Collection), FImage(std::make_unique<TPicture>()) {}

TSelectorItem::~TSelectorItem() = default;

void TSelectorItem::Changed() {
  if (auto* items = dynamic_cast<TSelectorItems*>(Collection())) items->DoChange();
}

void TSelectorItem::SetCaption(const QString& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  Changed();
}

void TSelectorItem::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  Changed();
}

void TSelectorItem::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  Changed();
}

void TSelectorItem::SetImage(const TPicture* Value) { FImage->Assign(Value); }

void TSelectorItem::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TSelectorItem*>(Source);
  if (!s) return TCollectionItem::Assign(Source);
  SetCaption(s->FCaption);
  SetColor(s->FColor);
  SetImageIndex(s->FImageIndex);
  FImage->Assign(s->FImage.get());
  Enabled = s->Enabled;
  Hint = s->Hint;
}

// --- appearance ---

TItemAppearance::TItemAppearance(TPersistent* AOwner) : FOwner(AOwner), FFont(std::make_unique<TFont>()) {
  FFont->SetName(QStringLiteral("Tahoma"));
  SetColorStyle(scOffice2007);
}

TItemAppearance::~TItemAppearance() = default;

void TItemAppearance::SetFont(const TFont* Value) {
  if (Value) FFont->Assign(*Value);
}

void TItemAppearance::SetColorStyle(TSelectionColorStyle Style) {
  if (Style == FColorStyle) return;
  FColorStyle = Style;
  if (Style == scCustom) return;
  struct Row {
    TColor hot, hotTo, mirrorHot, mirrorHotTo, top, bottom, border, edge, sel, selTo, mirrorSel, mirrorSelTo;
  };
  static constexpr Row kRows[] = {
      {0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF, 0x8DD7D3, 0xC3D9DF, 0xA6FFFB, 0x04B9F4, 0x15C1FB,
       0x68E3F9},
      {0xFDF8F1, 0xFCEFD5, clNone, clNone, 0xFDFBF6, 0xFDF5E7, 0xFDDE99, 0xFCEDCB, 0xFAEEDE, 0xFAE3B4, clNone, clNone},
      {0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xFDF4EB, 0xFDEADB, 0xCEA27D, 0xE0C5AE, 0xF9D8B9, 0xFBCAA2, clNone, clNone},
  };
  const Row& r = kRows[Style - scOffice2007];
  ColorHot = r.hot, ColorHotTo = r.hotTo, ColorMirrorHot = r.mirrorHot, ColorMirrorHotTo = r.mirrorHotTo;
  BorderColorTop = r.top, BorderColorBottom = r.bottom, BorderColor = r.border, EdgeColor = r.edge;
  ColorSelected = r.sel, ColorSelectedTo = r.selTo, ColorMirrorSelected = r.mirrorSel;
  ColorMirrorSelectedTo = r.mirrorSelTo;
}

void TItemAppearance::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TItemAppearance*>(Source);
  if (!s) return TPersistent::Assign(Source);
  ColorHot = s->ColorHot, ColorHotTo = s->ColorHotTo, ColorMirrorHot = s->ColorMirrorHot;
  ColorMirrorHotTo = s->ColorMirrorHotTo, BorderColorTop = s->BorderColorTop;
  BorderColorBottom = s->BorderColorBottom, BorderColor = s->BorderColor, EdgeColor = s->EdgeColor;
  ColorSelected = s->ColorSelected, ColorSelectedTo = s->ColorSelectedTo;
  ColorMirrorSelected = s->ColorMirrorSelected, ColorMirrorSelectedTo = s->ColorMirrorSelectedTo;
  FFont->Assign(*s->FFont);
  SetColorStyle(s->FColorStyle);
  ColorSelectedText = s->ColorSelectedText;
  BorderColorHot = s->BorderColorHot;
  BorderColorSelected = s->BorderColorSelected;
}

// --- panel ---

TCustomItemSelector::TCustomItemSelector(TComponent* AOwner) : TCustomControl(AOwner) {
  FExItemSelector = dynamic_cast<TExCustomItemSelector*>(AOwner);
  if (!FExItemSelector) throw Exception(QStringLiteral("Invalid parent"));
  SetParentColor(true);
}

bool TCustomItemSelector::ValidIndex(int i) const { return i >= 0 && i < FExItemSelector->Items()->Count(); }

bool TCustomItemSelector::ItemEnabled(int i) const { return FExItemSelector->Items()->Items(i)->Enabled; }

TRect TCustomItemSelector::GetItemRect(int Index) const {
  return ValidIndex(Index) ? FExItemSelector->Items()->Items(Index)->Rect : Rect(-1, -1, -1, -1);
}

int TCustomItemSelector::ItemAtXY(int X, int Y) const {
  for (int i = 0; i < FExItemSelector->Items()->Count(); ++i)
    if (PtInRect(FExItemSelector->Items()->Items(i)->Rect, {X, Y})) return i;
  return -1;
}

void TCustomItemSelector::InvalidateItem(int Index) {
  if (!ValidIndex(Index)) return;
  Invalidate();
}

void TCustomItemSelector::DrawNow(int Index) { InvalidateItem(Index); }

void TCustomItemSelector::GetItemsArea(TRect& R) const {
  R = ClientRect();
  R.Left += FOffSetX, R.Right -= FOffSetX, R.Top += FOffSetY, R.Bottom -= FOffSetY;
}

void TCustomItemSelector::SetItemIndex(int Value) {
  // 1. to 4.; an index past the items is ignored, as the drop-downs do.
  if (Value >= FExItemSelector->Items()->Count()) return;
  if (ValidIndex(Value) && !ItemEnabled(Value)) return;
  if (FItemIndex >= 0 && Value != FItemIndex) {
    const int old = FItemIndex;
    FItemIndex = -1;
    InvalidateItem(old);
  }
  FItemIndex = Value;
  if (Value < 0) return;
  DrawNow(Value);
  if (OnItemSelect) OnItemSelect(this);
}

void TCustomItemSelector::SetItemHot(int Value) {
  if (Value == FItemHot || (ValidIndex(Value) && !ItemEnabled(Value))) return;
  if (FItemHot >= 0) {
    const int old = FItemHot;
    FItemHot = -1;
    InvalidateItem(old);
  }
  FItemHot = Value;
  if (Value >= 0) DrawNow(Value);
}

void TCustomItemSelector::SelectFirst() {
  if (FExItemSelector->Items()->Count() > 0) SetItemIndex(0);
}

void TCustomItemSelector::SelectLast() {
  if (FExItemSelector->Items()->Count() > 0) SetItemIndex(FExItemSelector->Items()->Count() - 1);
}

void TCustomItemSelector::SelectNext() {
  const int n = FExItemSelector->Items()->Count();
  if (n == 0) return;
  if (FItemIndex < 0) return SetItemIndex(0);
  if (FItemIndex + 1 < n) SetItemIndex(FItemIndex + 1);
}

void TCustomItemSelector::SelectPrevious() {
  if (FExItemSelector->Items()->Count() == 0) return;
  if (FItemIndex < 0) return SetItemIndex(0);
  if (FItemIndex - 1 >= 0) SetItemIndex(FItemIndex - 1);
}

void TCustomItemSelector::HotNext() {
  const int n = FExItemSelector->Items()->Count();
  if (n == 0) return;
  if (FItemHot < 0) return SetItemHot(0);
  if (FItemHot + 1 < n) SetItemHot(FItemHot + 1);
}

void TCustomItemSelector::HotPrevious() {
  if (FExItemSelector->Items()->Count() == 0) return;
  if (FItemHot < 0) return SetItemHot(0);
  if (FItemHot - 1 >= 0) SetItemHot(FItemHot - 1);
}

bool TCustomItemSelector::LookupItem(const QString& S) {
  if (S.isEmpty()) return false;
  for (int i = 0; i < FExItemSelector->Items()->Count(); ++i) {
    const QString plain = CaseText(StripHtmlToText(FExItemSelector->Items()->Items(i)->Caption()).trimmed(), false);
    if (plain.startsWith(S)) {
      SetItemIndex(i);
      return true;
    }
  }
  return false;
}

void TCustomItemSelector::GetItemSize(TSize& ASize) {
  TExCustomItemSelector* host = FExItemSelector;
  // 1.
  if (host->OnItemSize) {
    host->OnItemSize(this, ASize);
    return;
  }
  // 2.
  const bool color = host->SelectorType() == stColor;
  int a = color ? host->ColorBoxWidth() : 0, b = color ? host->ColorBoxHeight() : 0, c = 0, d = 0;
  TCanvas* canvas = MeasureCanvas();
  canvas->SetFont(host->ItemAppearance()->Font());
  for (int i = 0; i < host->Items()->Count(); ++i) {
    TSelectorItem* item = host->Items()->Items(i);
    if (!color && item->Image()->Width() > 0) {
      a = std::max(a, item->Image()->Width());
      b = std::max(b, item->Image()->Height());
    } else if (!color && host->Images() && item->ImageIndex() >= 0) {
      a = std::max(a, host->Images()->Width());
      b = std::max(b, host->Images()->Height());
    }
    canvas->SetFont(host->ItemAppearance()->Font());
    const TSize s = CaptionSize(canvas, item->Caption(), Rect(0, 0, 1000, 500), this);
    c = std::max(c, static_cast<int>(s.cx));
    d = std::max(d, static_cast<int>(s.cy));
  }
  // 3. to 5.
  if (c > 0) c += 4;
  const TItemLayout layout = host->ItemLayout;
  if (layout == ilCaptionLeft || layout == ilCaptionRight) {
    ASize.cx = 2 * FItemOffSetX + (a > 0 ? a : 0) + (a > 0 && c > 0 ? FCaptionGap : 0) + c;
    ASize.cy = std::max(d, b) + 2 * FItemOffSetY;
  } else {
    ASize.cx = std::max(c, a) + 2 * FItemOffSetX;
    ASize.cy = 2 * FItemOffSetY + (b > 0 ? b : 0) + (b > 0 && d >= 1 ? FCaptionGap : 0) + (d >= 1 ? d : 0);
  }
}

void TCustomItemSelector::UpdateLayout() {
  TSelectorItems* items = FExItemSelector->Items();
  // 1.
  if (items->Count() == 0) {
    SetBounds(Left(), Top(), 100, 50);
    return;
  }
  // 2.
  FItemHot = -1;
  TSize size{0, 0};
  GetItemSize(size);
  const int cx = size.cx, cy = size.cy;
  TRect r;
  GetItemsArea(r);
  int x = r.Left, y = r.Top, column = 0, widest = 0;
  // 3. Tiles touch; a row ends after Columns tiles.
  const int n = items->Count();
  for (int i = 0; i < n; ++i) {
    items->Items(i)->Rect = Rect(x, y, x + cx, y + cy);
    ++column;
    if (i == n - 1) break;
    if (column >= FExItemSelector->Columns()) {
      widest = std::max(widest, x);
      x = r.Left;
      y += cy;
      column = 0;
    } else {
      x += cx;
    }
  }
  // 4.
  widest = std::max(widest, x);
  SetBounds(Left(), Top(), widest + cx + r.Left, y + cy + r.Top);
}

void TCustomItemSelector::Paint() {
  TCustomControl::Paint();
  for (int i = 0; i < FExItemSelector->Items()->Count(); ++i) DrawItem(i, Canvas());
}

void TCustomItemSelector::DrawItem(int Index, TCanvas* Canvas) {
  // 1.
  if (!ValidIndex(Index) || !Canvas) return;
  TExCustomItemSelector* host = FExItemSelector;
  TSelectorItem* item = host->Items()->Items(Index);
  const TRect ir = item->Rect;
  if (ir.Left < 0 && ir.Right < 0) return;
  const TItemAppearance* a = host->ItemAppearance();
  // 2. and 3.
  TColor border = a->BorderColor, top = a->BorderColorTop, bottom = a->BorderColorBottom, edge = a->EdgeColor;
  TColor c1 = clNone, c2 = clNone, m1 = clNone, m2 = clNone;
  const bool hot = Index == FItemHot, selected = Index == FItemIndex;
  auto state = [&](TColor a1, TColor a2, TColor b1, TColor b2, TColor stateBorder) {
    c1 = a1, c2 = a2, m1 = b1, m2 = b2;
    if (stateBorder != clNone) border = stateBorder, top = bottom = edge = clNone;
  };
  if (hot) state(a->ColorHot, a->ColorHotTo, a->ColorMirrorHot, a->ColorMirrorHotTo, a->BorderColorHot);
  if (selected)
    state(a->ColorSelected, a->ColorSelectedTo, a->ColorMirrorSelected, a->ColorMirrorSelectedTo,
          a->BorderColorSelected);
  // 4.
  if (!hot && !selected) {
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(Color());
    Canvas->FillRect(ir);
  } else if (top == clNone) {
    DrawRectBackground(Canvas, ir, c1, c2, border, 1, gdVertical);
  } else {
    DrawRoundFrame(Canvas, c1, c2, m1, m2, top, bottom, border, edge, Color(), ir, 0);
  }
  // 5.
  if (host->OnDrawItem) {
    host->OnDrawItem(this, Canvas, ir, Index);
    return;
  }
  // 6.
  int W = 0, H = 0;
  const bool color = host->SelectorType() == stColor;
  const bool picture = !color && item->Image()->Width() > 0;
  const bool listImage = !color && !picture && host->Images() && item->ImageIndex() >= 0;
  if (color) W = host->ColorBoxWidth(), H = host->ColorBoxHeight();
  else if (picture) W = item->Image()->Width(), H = item->Image()->Height();
  else if (listImage) W = host->Images()->Width(), H = host->Images()->Height();
  // 7.
  TRect t = ir;
  t.Left += FItemOffSetX, t.Right -= FItemOffSetX, t.Top += FItemOffSetY, t.Bottom -= FItemOffSetY;
  TRect c = t;
  Canvas->SetFont(a->Font());
  if (hot) Canvas->Font()->SetColor(a->ColorHotText);
  if (selected) Canvas->Font()->SetColor(a->ColorSelectedText);
  auto content = [&](int x, int y) {
    if (color) {
      Canvas->Pen()->SetColor(clBlack);
      Canvas->Brush()->SetStyle(bsSolid);
      Canvas->Brush()->SetColor(item->Color());
      Canvas->Rectangle(x, y, x + W, y + H);
    } else if (picture) {
      Canvas->Draw(x, y, item->Image()->Bitmap());
    } else if (listImage) {
      host->Images()->Draw(Canvas, x, y, item->ImageIndex(), item->Enabled);
    }
  };
  const QString caption = item->Caption();
  const TSize cs = CaptionSize(Canvas, caption, t, this);
  auto centre = [&](TRect& r) {
    if (cs.cy < r.Bottom - r.Top) r.Top += (r.Bottom - r.Top - cs.cy) / 2;
  };
  switch (host->ItemLayout) {
    case ilCaptionLeft:
      if (!caption.isEmpty()) {
        t.Right -= W;
        centre(t);
        DrawCaption(Canvas, t, caption, this);
        c.Left = t.Left + cs.cx + FCaptionGap;
      }
      content(c.Left, color ? c.Top : c.Top + (c.Bottom - c.Top - H) / 2);
      break;
    case ilCaptionRight:
      if (W > 0 || color) {
        content(c.Left, color ? c.Top : c.Top + (c.Bottom - c.Top - H) / 2);
        t.Left = c.Left + W + FCaptionGap;
      }
      if (!caption.isEmpty()) {
        centre(t);
        DrawCaption(Canvas, t, caption, this);
      }
      break;
    case ilCaptionTop:
      if (!caption.isEmpty()) {
        t.Bottom -= H;
        DrawCaption(Canvas, t, caption, this);
        c.Top = t.Top + cs.cy + FCaptionGap;
      } else {
        c.Top += (c.Bottom - c.Top - H) / 2;
      }
      c.Left += (c.Right - c.Left - W) / 2;
      content(c.Left, c.Top);
      break;
    case ilCaptionBottom:
      if (caption.isEmpty()) c.Top += (c.Bottom - c.Top - H) / 2;
      c.Left += (c.Right - c.Left - W) / 2;
      content(c.Left, c.Top);
      if (W > 0 || H > 0) t.Top = c.Top + H + FCaptionGap;
      if (!caption.isEmpty()) DrawCaption(Canvas, t, caption, this);
      break;
  }
}

void TCustomItemSelector::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  const int i = ItemAtXY(X, Y);
  if (i >= 0 && ItemEnabled(i)) SetItemIndex(i);
}

void TCustomItemSelector::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  const int i = ItemAtXY(X, Y);
  if (i < 0) {
    if (FItemHot >= 0) SetItemHot(-1);
    return;
  }
  if (i == FItemHot) return;
  SetItemHot(ItemEnabled(i) ? i : -1);
  SetHint(FExItemSelector->Items()->Items(i)->Hint);
  Application->CancelHint();
}

void TCustomItemSelector::CMMouseLeave(TMessage& m) {
  TCustomControl::CMMouseLeave(m);
  SetItemHot(-1);
}

// --- host ---

TExCustomItemSelector::TExCustomItemSelector(TComponent* AOwner)
    : TScrollingWinControl(AOwner),
      FItems(std::make_unique<TSelectorItems>(this)),
      FItemAppearance(std::make_unique<TItemAppearance>(this)) {
  FItems->OnChange = [this](TObject*) { UpdateSelectorPanel(); };
  FItemAppearance->OnChange = [](TObject*) {};
  CreateSelectorPanel();
  UpdateSelectorPanel();
}

TExCustomItemSelector::~TExCustomItemSelector() {
  FItems->OnChange = nullptr;
  delete FItemSelectorPanel;
  FItemSelectorPanel = nullptr;
}

void TExCustomItemSelector::CreateSelectorPanel() {
  if (FItemSelectorPanel) return;
  FItemSelectorPanel = new TCustomItemSelector(this);
  FItemSelectorPanel->SetParent(this);
  FItemSelectorPanel->SetBounds(0, 0, FItemSelectorPanel->Width(), FItemSelectorPanel->Height());
  FItemSelectorPanel->OnItemSelect = [this](TObject*) {
    if (OnItemSelect) OnItemSelect(this);
  };
}

void TExCustomItemSelector::UpdateSelectorPanel() {
  if (!FItemSelectorPanel) return;
  FItemSelectorPanel->UpdateLayout();
  UpdateScrollRange();
}

void TExCustomItemSelector::SetSelectorType(TSelectorType Value) {
  if (FSelectorType == Value) return;
  FSelectorType = Value;
  UpdateSelectorPanel();
}

void TExCustomItemSelector::SetColumns(int Value) {
  if (Value <= 0 || Value == FColumns) return;
  FColumns = Value;
  UpdateSelectorPanel();
}

void TExCustomItemSelector::SetColorBoxWidth(int Value) {
  if (FColorBoxWidth == Value) return;
  FColorBoxWidth = Value;
  UpdateSelectorPanel();
}

void TExCustomItemSelector::SetColorBoxHeight(int Value) {
  if (FColorBoxHeight == Value) return;
  FColorBoxHeight = Value;
  UpdateSelectorPanel();
}

int TExCustomItemSelector::ItemIndex() const { return FItemSelectorPanel ? FItemSelectorPanel->ItemIndex() : -1; }

void TExCustomItemSelector::SetItemIndex(int Value) {
  if (!FItemSelectorPanel) return;
  FItemSelectorPanel->SetItemIndex(Value);
  ScrollItemInView(FItemSelectorPanel->ItemIndex());
}

int TExCustomItemSelector::ItemHot() const { return FItemSelectorPanel ? FItemSelectorPanel->ItemHot() : -1; }

#define SELECT_AND_SCROLL(name, index)    \
  void TExCustomItemSelector::name() {    \
    if (!FItemSelectorPanel) return;      \
    FItemSelectorPanel->name();           \
    ScrollItemInView(index());            \
  }
SELECT_AND_SCROLL(SelectFirst, ItemIndex)
SELECT_AND_SCROLL(SelectLast, ItemIndex)
SELECT_AND_SCROLL(SelectNext, ItemIndex)
SELECT_AND_SCROLL(SelectPrevious, ItemIndex)
SELECT_AND_SCROLL(HotNext, ItemHot)
SELECT_AND_SCROLL(HotPrevious, ItemHot)
#undef SELECT_AND_SCROLL

bool TExCustomItemSelector::LookupItem(const QString& S) {
  return FItemSelectorPanel ? FItemSelectorPanel->LookupItem(S) : false;
}

void TExCustomItemSelector::ScrollItemInView(int Index) {
  if (!FItemSelectorPanel || Index < 0 || Index >= FItems->Count() || !VertScrollVisible()) return;
  TRect r = FItemSelectorPanel->GetItemRect(Index);
  r.Top -= VertScrollMargin;
  r.Bottom += VertScrollMargin;
  const int pos = VertScrollPosition();
  r.Top += FItemSelectorPanel->Top() - pos;
  r.Bottom += FItemSelectorPanel->Top() - pos;
  const int h = ClientHeight();
  if (r.Top < 0) {
    SetVertScrollPosition(pos + r.Top);
  } else if (r.Bottom > h) {
    if (r.Bottom - r.Top > h) r.Bottom = r.Top + h;
    SetVertScrollPosition(pos + r.Bottom - h);
  }
}

int TExCustomItemSelector::GetVisibleItemCount() const {
  if (!FItemSelectorPanel || FItems->Count() == 0) return 0;
  const TRect r = FItems->Items(0)->Rect;
  const int tile = r.Bottom - r.Top;
  if (tile <= 0) return 0;
  const int h = Height() - (HorzScrollVisible() ? 20 : 0);
  return h / tile * FColumns;
}

void TExCustomItemSelector::GetSelectorPanelSize(int& W, int& H) const {
  if (!FItemSelectorPanel) {
    W = 100, H = 50;
    return;
  }
  W = FItemSelectorPanel->Width();
  H = FItemSelectorPanel->Height();
}

void TExCustomItemSelector::WMGetDlgCode(TMessage& m) { m.Result = DLGC_WANTARROWS | DLGC_WANTALLKEYS; }

void TExCustomItemSelector::Notification(TComponent* AComponent, TOperation Operation) {
  TScrollingWinControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FItemSelectorPanel) FItemSelectorPanel = nullptr;
  if (FImages && AComponent == static_cast<TComponent*>(FImages) && !ComponentState().Contains(csDestroying)) {
    FImages = nullptr;
    UpdateSelectorPanel();
  }
}

void TExCustomItemSelector::SetImages(TCustomImageList* Value) {
  if (Value == FImages) return;
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (FImages) FImages->FreeNotification(this);
  UpdateSelectorPanel();
}
