#include "grid/dropdown/drop_down_form.h"

#include "grid/dropdown/dropdown_drawing.h"
#include "grid/dropdown/ex_drop_down.h"
#include "grid/dropdown/header_footer_bars.h"
#include "platform/os/clock.h"
#include "platform/ui/control_canvas.h"

namespace {
constexpr int kMinWidth = 80, kMinHeight = 50;
constexpr int kGripZone = 10;
}  // namespace

TDropDownForm::TDropDownForm(TComponent* AOwner) : TPopupForm(AOwner) {
  Shadow = true;
  CancelOnDeActivate = true;
}

TDropDownForm::~TDropDownForm() {
  // The bars are owned components of the form; forget them before they go.
  FHeader = nullptr;
  FFooter = nullptr;
}

void TDropDownForm::Notification(TComponent* AComponent, TOperation Operation) {
  TPopupForm::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FHeader) FHeader = nullptr;
  if (AComponent == FFooter) FFooter = nullptr;
}

TRect TDropDownForm::InnerRect() const {
  const int b = FExDropDown ? std::max(0, FExDropDown->DropDownBorderWidth) : 0;
  return Rect(b, b, std::max(b, Width() - b), std::max(b, Height() - b));
}

void TDropDownForm::InitializeAndUpdate() {
  if (!FExDropDown) return;
  THeaderAppearance* header = FExDropDown->DropDownHeader();
  if (FHeader) {
    FHeader->SetExDropDown(FExDropDown);
    FHeader->InitButtons();
    FHeader->SetVisible(header->Visible());
  } else if (header->Visible()) {
    FHeader = new TExHeader(this);
    FHeader->SetParent(this);
    FHeader->SetHeight(header->Height);
    FHeader->SetExDropDown(FExDropDown);
    FHeader->InitButtons();
  }
  if (FHeader) {
    FHeader->OnDrawBackGround = FExDropDown->OnDrawHeader;
    FHeader->OnGetText = FExDropDown->OnGetHeaderText;
  }
  TFooterAppearance* footer = FExDropDown->DropDownFooter();
  if (FFooter) {
    FFooter->SetExDropDown(FExDropDown);
    FFooter->InitButtons();
    FFooter->SetVisible(footer->Visible());
  } else if (footer->Visible()) {
    FFooter = new TExFooter(this);
    FFooter->SetParent(this);
    FFooter->SetHeight(footer->Height);
    FFooter->SetExDropDown(FExDropDown);
    FFooter->InitButtons();
  }
  if (FFooter) {
    FFooter->OnDrawBackGround = FExDropDown->OnDrawFooter;
    FFooter->OnGetText = FExDropDown->OnGetFooterText;
  }
  // Before an opening the size is not known yet: the opening arranges the parts.
  if (Visible()) ArrangeParts();
}

// The header along the top and the footer along the bottom inside the border;
// the inner control fills the rest, starting two pixels below the header.
void TDropDownForm::ArrangeParts() {
  const TRect r = InnerRect();
  int top = r.Top, bottom = r.Bottom;
  const bool header = FHeader && FHeader->Visible();
  if (header) {
    FHeader->SetBounds(r.Left, r.Top, r.Right - r.Left, FHeader->Height());
    top = r.Top + FHeader->Height();
  }
  if (FFooter && FFooter->Visible()) {
    FFooter->SetBounds(r.Left, r.Bottom - FFooter->Height(), r.Right - r.Left, FFooter->Height());
    bottom = r.Bottom - FFooter->Height();
  }
  TControl* control = FExDropDown ? FExDropDown->Control() : nullptr;
  if (control && control->Parent() == this) {
    const int controlTop = header ? FHeader->Height() + 2 : r.Top;
    control->SetBounds(r.Left, controlTop, r.Right - r.Left, std::max(0, bottom - controlTop));
  }
  (void)top;
}

void TDropDownForm::PaintBackground(TCanvas* Canvas) {
  if (!FExDropDown) return;
  const int bw = FExDropDown->DropDownBorderWidth;
  TRect r = ClientRect();
  InflateRect(r, -bw, -bw);
  const TColor color = FExDropDown->DropDownColor, colorTo = FExDropDown->DropDownColorTo;
  if (color != clNone && colorTo != clNone) {
    DrawGradientRect(Canvas, color, colorTo, 80, r, FExDropDown->DropDownGradient == gdHorizontal);
  } else if (color != clNone) {
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(color);
    Canvas->FillRect(r);
  }
  if (bw <= 0) return;
  Canvas->Pen()->SetWidth(bw);
  Canvas->Pen()->SetColor(FExDropDown->DropDownBorderColor);
  Canvas->Brush()->SetStyle(bsClear);
  Canvas->Rectangle(bw / 2, bw / 2, Width(), Height());
  Canvas->Pen()->SetWidth(1);
  Canvas->Brush()->SetStyle(bsSolid);
}

void TDropDownForm::Dispatch(TMessage& m) {
  TPopupForm::Dispatch(m);
  if (m.Msg != WM_PAINT) return;
  TControlCanvas canvas(this);
  if (canvas.Drawing()) PaintBackground(&canvas);
}

void TDropDownForm::Resize() {
  TPopupForm::Resize();
  ArrangeParts();
  Invalidate();
}

void TDropDownForm::WMActivate(bool active, bool toOwnWindow) {
  if (BlockActivate || active || !Visible()) return;
  FDeActivate = Clock().TickCount();
  FDeactivated = true;
  if (toOwnWindow) return;
  if (FExDropDown) FExDropDown->DoHideDropDown(CancelOnDeActivate);
  else Hide();
}

void TDropDownForm::SizeByUser(int AWidth, int AHeight) {
  SetBounds(Left(), Top(), std::max(kMinWidth, AWidth), std::max(kMinHeight, AHeight));
  if (OnSizing) OnSizing(this);
}

void TDropDownForm::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TPopupForm::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Sizeable || X <= Width() - kGripZone || Y <= Height() - kGripZone) return;
  sizing_ = true;
  size_origin_ = ClientToScreen({X, Y});
  size_w_ = Width();
  size_h_ = Height();
  SetMouseCapture(true);
}

void TDropDownForm::MouseMove(TShiftState Shift, int X, int Y) {
  TPopupForm::MouseMove(Shift, X, Y);
  if (!sizing_) return;
  const TPoint p = ClientToScreen({X, Y});
  SizeByUser(size_w_ + p.X - size_origin_.X, size_h_ + p.Y - size_origin_.Y);
}

void TDropDownForm::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TPopupForm::MouseUp(Button, Shift, X, Y);
  if (!sizing_) return;
  sizing_ = false;
  SetMouseCapture(false);
}

bool TDropDownForm::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  const bool handled = TPopupForm::DoMouseWheelDown(Shift, MousePos);
  if (FExDropDown) FExDropDown->PopupWheel(true);
  return handled;
}

bool TDropDownForm::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  const bool handled = TPopupForm::DoMouseWheelUp(Shift, MousePos);
  if (FExDropDown) FExDropDown->PopupWheel(false);
  return handled;
}

void TDropDownForm::WMGetDlgCode(TMessage& m) { m.Result = DLGC_WANTARROWS | DLGC_WANTALLKEYS; }
