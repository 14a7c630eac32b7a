#include "grid/dropdown/header_footer_bars.h"

#include "grid/dropdown/drop_down_form.h"
#include "grid/dropdown/dropdown_drawing.h"
#include "grid/dropdown/ex_button.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/canvas.h"
#include "platform/ui/image_list.h"

namespace {
constexpr int kGripReserve = 14;
}  // namespace

// --- list ---

void* TDbgList::GetItemsEx(int Index) const {
  if (Index >= Count()) throw Exception(QStringLiteral("Index out of bounds in list read access"));
  if (Index < 0) throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
  return items_[static_cast<size_t>(Index)];
}

void TDbgList::SetItemsEx(int Index, void* Value) {
  if (Index >= Count()) throw Exception(QStringLiteral("Index out of bounds in list write access"));
  if (Index < 0) throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
  items_[static_cast<size_t>(Index)] = Value;
}

// --- the bar ---

TExBar::TExBar(TComponent* AOwner, bool footer) : TCustomControl(AOwner), FFooter(footer) {
  if (footer) SetControlStyle(TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks});
  else SetControlStyle(TControlStyle{csAcceptsControls, csClickEvents, csDoubleClicks});
}

TExBar::~TExBar() = default;

void TExBar::SetExDropDown(TExCustomDropDown* DropDown) {
  FExDropDown = DropDown;
  if (!DropDown) {
    Images = nullptr;
    return;
  }
  CopyAppearanceFrom(DropDown);
}

void TExBar::InitButtons() {
  if (FExDropDown) BuildButtons();
}

void TExBar::AppearanceChanged() {
  const Look look = GetLook();
  SetVisible(look.Visible);
  SetHeight(look.Height);
}

TRect TExBar::GetButtonArea() const { return Rect(2, 2, ClientWidth() - 2, ClientHeight() - 3); }

int TExBar::GetButtonAreaHeight() const {
  const TRect a = GetButtonArea();
  return a.Bottom - a.Top;
}

TRect TExBar::GetTextRect() const {
  if (FButtonList.Count() == 0) return Rect(-1, -1, -1, -1);
  TRect r = GetButtonArea();
  r.Right = Buttons(FButtonList.Count() - 1)->Left() - 2;
  return r;
}

void TExBar::ClearButtons() {
  for (int i = FButtonList.Count() - 1; i >= 0; --i) delete Buttons(i);
  FButtonList.Clear();
}

void TExBar::BuildButtons() {
  if (!FExDropDown) return;
  ClearButtons();
  const int h = GetButtonAreaHeight();
  const std::vector<Item> items = DropDownItems();
  for (size_t i = 0; i < items.size(); ++i) {
    const Item& item = items[i];
    auto* b = new TExButton(this);
    b->SetParent(this);
    if (FFooter) b->SetExDropDown(FExDropDown);
    b->FAppearance = FExDropDown->ButtonAppearance();
    b->SetCaption(item.Caption);
    b->SetImages(Images);
    b->FImageIndex = item.ImageIndex;
    b->SetEnabled(item.Enabled);
    if (FFooter) b->FModalResult = item.ModalResult;
    b->SizeToContent();
    if (item.Width > 0) b->SetWidth(item.Width);
    if (item.Height > 0) b->SetHeight(item.Height);
    if (b->Height() > h) b->SetHeight(h);
    b->SetTag(static_cast<int>(i));
    b->OnClick = [this](TObject* Sender) { ButtonClick(Sender); };
    FButtonList.Add(b);
  }
  ArrangeButtons();
}

void TExBar::ArrangeButtons() {
  if (FButtonList.Count() == 0) return;
  const TRect a = GetButtonArea();
  const bool right = GetLook().ButtonAlignment == baRight;
  int x = right ? a.Right : a.Left;
  for (int i = 0; i < FButtonList.Count(); ++i) {
    TExButton* b = Buttons(i);
    const int top = std::max(a.Top, (a.Bottom - b->Height()) / 2);
    if (right) {
      x -= b->Width();
      b->SetBounds(x, top, b->Width(), b->Height());
    } else {
      b->SetBounds(x, top, b->Width(), b->Height());
      x += b->Width();
    }
  }
}

void TExBar::UpdateButtons() {
  if (!FExDropDown) return;
  const std::vector<Item> items = DropDownItems();
  for (int i = 0; i < FButtonList.Count(); ++i) {
    TExButton* b = Buttons(i);
    b->FAppearance = FExDropDown->ButtonAppearance();
    b->SetImages(Images);
    if (i < static_cast<int>(items.size())) {
      b->SetCaption(items[static_cast<size_t>(i)].Caption);
      b->FImageIndex = items[static_cast<size_t>(i)].ImageIndex;
      b->SetEnabled(items[static_cast<size_t>(i)].Enabled);
    }
    b->SizeToContent();
  }
  ArrangeButtons();
}

void TExBar::ButtonClick(TObject* Sender) {
  auto* b = dynamic_cast<TExButton*>(Sender);
  if (!b || !FExDropDown) return;
  const TDropDownButtonItemClick& handler =
      FFooter ? FExDropDown->OnDropDownFooterButtonClick : FExDropDown->OnDropDownHeaderButtonClick;
  if (handler) handler(FExDropDown, b->Tag());
}

void TExBar::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  ArrangeButtons();
}

void TExBar::Paint() {
  TCanvas* c = Canvas();
  const TRect r = ClientRect();
  // 1.
  if (OnDrawBackGround) {
    OnDrawBackGround(this, c, r);
    return;
  }
  const Look look = GetLook();
  // 2.
  if (look.ColorTo == clNone) {
    if (look.Color != clNone) {
      c->Brush()->SetStyle(bsSolid);
      c->Brush()->SetColor(look.Color);
      c->FillRect(r);
    }
  } else {
    DrawGradientRect(c, look.Color, look.ColorTo, 80, r, look.GradientDirection == gdHorizontal);
  }
  // 3.
  if (look.BorderColor != clNone && look.BorderWidth > 0) {
    c->Pen()->SetWidth(look.BorderWidth);
    c->Pen()->SetColor(look.BorderColor);
    const bool alone = !FExDropDown || FExDropDown->DropDownBorderWidth <= 0 ||
                       FExDropDown->DropDownBorderColor == clNone;
    if (!FFooter) {
      c->MoveTo(r.Left, r.Bottom - 1);
      c->LineTo(r.Right, r.Bottom - 1);
      if (alone) c->Polyline({{r.Left, r.Bottom - 1}, {r.Left, r.Top}, {r.Right, r.Top}, {r.Right, r.Bottom - 1}});
    } else {
      c->MoveTo(r.Left, r.Top);
      c->LineTo(r.Right, r.Top);
      if (alone) c->Polyline({{r.Left, r.Top}, {r.Left, r.Bottom}, {r.Right, r.Bottom}, {r.Right, r.Top}});
    }
    c->Pen()->SetWidth(1);
    c->Brush()->SetStyle(bsClear);
    c->Pen()->SetColor(BlendColor(look.BorderColor, clWhite, 20));
    TRect o = r;
    if (!FFooter) o.Bottom -= look.BorderWidth;
    else o.Top += look.BorderWidth;
    c->Rectangle(o);
    c->Brush()->SetStyle(bsSolid);
  }
  // 4.
  TRect t = r;
  InflateRect(t, -look.BorderWidth, -look.BorderWidth);
  // 5. The image, left of the caption.
  if (look.ImageIndex >= 0 && Images) {
    Images->Draw(c, t.Left + 4, t.Top + (t.Height() - Images->Height()) / 2, look.ImageIndex);
    t.Left += Images->Width() + 8;
  }
  // 6. The caption, a mini-HTML text: measured, centred vertically, drawn.
  QString s = look.Caption;
  if (OnGetText) OnGetText(this, s);
  if (!s.isEmpty()) {
    if (FButtonList.Count() > 0) t.Right = GetTextRect().Right;
    c->SetFont(look.Font);
    c->Brush()->SetStyle(bsClear);
    TSize size{0, 0};
    HtmlTextSize(c, s, t, Images, false, this, size);
    if (size.cy < t.Bottom - t.Top) t.Top += (t.Bottom - t.Top - size.cy) / 2;
    HtmlTextSize(c, s, t, Images, true, this, size);
    c->Brush()->SetStyle(bsSolid);
  }
  // 7.
  PaintGrip(r);
}

// --- header ---

TExHeader::TExHeader(TComponent* AOwner)
    : TExBar(AOwner, false), FAppearance(std::make_unique<THeaderAppearance>(this)) {
  FAppearance->OnChange = [this](TObject*) { AppearanceChanged(); };
  FAppearance->OnButtonsChanged = [](TObject*) {};
}

TExBar::Look TExHeader::GetLook() const {
  const THeaderAppearance* a = FAppearance.get();
  return {a->Color, a->ColorTo, a->BorderColor, a->BorderWidth, a->ImageIndex, a->Height, a->Caption,
          a->Font(), a->GradientDirection, a->ButtonAlignment, a->Visible()};
}

std::vector<TExBar::Item> TExHeader::DropDownItems() const {
  std::vector<Item> out;
  if (!FExDropDown) return out;
  const THeaderButtons* buttons = FExDropDown->DropDownHeader()->Buttons();
  for (int i = 0; i < buttons->Count(); ++i) {
    const THeaderButton* b = buttons->Items(i);
    out.push_back({b->Caption(), b->ImageIndex, b->Width(), b->Height, 0, b->Enabled()});
  }
  return out;
}

void TExHeader::CopyAppearanceFrom(TExCustomDropDown* DropDown) { FAppearance->Assign(DropDown->DropDownHeader()); }

// --- footer ---

TExFooter::TExFooter(TComponent* AOwner)
    : TExBar(AOwner, true), FAppearance(std::make_unique<TFooterAppearance>(this)) {
  FAppearance->OnChange = [this](TObject*) { AppearanceChanged(); };
}

TExBar::Look TExFooter::GetLook() const {
  const TFooterAppearance* a = FAppearance.get();
  return {a->Color, a->ColorTo, a->BorderColor, a->BorderWidth, a->ImageIndex, a->Height, a->Caption,
          a->Font(), a->GradientDirection, a->ButtonAlignment, a->Visible()};
}

std::vector<TExBar::Item> TExFooter::DropDownItems() const {
  std::vector<Item> out;
  if (!FExDropDown) return out;
  const TFooterButtons* buttons = FExDropDown->DropDownFooter()->Buttons();
  for (int i = 0; i < buttons->Count(); ++i) {
    const TFooterButton* b = buttons->Items(i);
    out.push_back({b->Caption(), b->ImageIndex, b->Width(), b->Height, b->ModalResult, b->Enabled()});
  }
  return out;
}

void TExFooter::CopyAppearanceFrom(TExCustomDropDown* DropDown) { FAppearance->Assign(DropDown->DropDownFooter()); }

bool TExFooter::ShowSizeGrip() const { return FAppearance->SizeGrip && FExDropDown && FExDropDown->DropDownSizeable; }

TRect TExFooter::GetButtonArea() const {
  return Rect(2, 2, ClientWidth() - (ShowSizeGrip() ? kGripReserve : 2), ClientHeight() - 2);
}

void TExFooter::PaintGrip(TRect R) {
  if (!ShowSizeGrip()) return;
  const int bw = FAppearance->BorderWidth;
  DrawSizeGrip(Canvas(), Rect(R.Right - bw - 16, 1, R.Right - bw - 1, R.Bottom));
}

// Three, two and one light dots with dark shadows, pointing to the corner.
void TExFooter::DrawSizeGrip(TCanvas* Canvas, TRect G) {
  static constexpr int kDots[6][2] = {{5, 2}, {9, 2}, {13, 2}, {13, 6}, {13, 10}, {9, 6}};
  const int L = G.Left, B = G.Bottom;
  auto dots = [&](TColor color, int shift) {
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(color);
    Canvas->Pen()->SetColor(color);
    for (const auto& d : kDots) {
      const int x = L + d[0] - shift, y = B - d[1] - shift;
      Canvas->Rectangle(x, y - 2, x + 2, y);
    }
  };
  dots(BlendColor(clWhite, clWhite, 50), 0);
  dots(BlendColor(FAppearance->BorderColor, clWhite, 100), 1);
}

bool TExFooter::InGrip(int X, int Y) const {
  return ShowSizeGrip() && Parent() && X > Width() - 12 && Y > Height() - 15;
}

void TExFooter::CMMouseEnter(TMessage& m) {
  if (Cursor() != crSizeNWSE) FOldCursor = Cursor();
  TExBar::CMMouseEnter(m);
}

void TExFooter::CMMouseLeave(TMessage& m) {
  TExBar::CMMouseLeave(m);
  if (!sizing_ && Cursor() != FOldCursor) SetCursor(FOldCursor);
}

void TExFooter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TExBar::MouseDown(Button, Shift, X, Y);
  auto* form = dynamic_cast<TDropDownForm*>(Parent());
  if (Button != mbLeft || !InGrip(X, Y) || !form) return;
  // The pop-up is sized from its bottom-right corner while the button is held.
  sizing_ = true;
  size_origin_ = ClientToScreen({X, Y});
  size_w_ = form->Width();
  size_h_ = form->Height();
  SetMouseCapture(true);
}

void TExFooter::MouseMove(TShiftState Shift, int X, int Y) {
  TExBar::MouseMove(Shift, X, Y);
  if (sizing_) {
    auto* form = dynamic_cast<TDropDownForm*>(Parent());
    if (!form) return;
    const TPoint p = ClientToScreen({X, Y});
    form->SizeByUser(size_w_ + p.X - size_origin_.X, size_h_ + p.Y - size_origin_.Y);
    return;
  }
  const TCursor want = InGrip(X, Y) ? crSizeNWSE : FOldCursor;
  if (Cursor() != want) SetCursor(want);
}

void TExFooter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TExBar::MouseUp(Button, Shift, X, Y);
  if (sizing_) {
    sizing_ = false;
    SetMouseCapture(false);
  }
  if (Cursor() != FOldCursor) SetCursor(FOldCursor);
}
