#include "gateway/category_panel_group.h"

#include "platform/ui/shapes.h"

#include <algorithm>

// ---------------------------------------------------------------------------
// TCategoryPanelGroup

TCategoryPanelGroup::TCategoryPanelGroup(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle(ControlStyle() + csAcceptsControls + csOpaque);
  SetColor(clBtnFace);
}

std::vector<TCategoryPanel*> TCategoryPanelGroup::Panels() const {
  std::vector<TCategoryPanel*> panels;
  for (int i = 0; i < ControlCount(); ++i)
    if (auto* p = dynamic_cast<TCategoryPanel*>(Controls(i))) panels.push_back(p);
  std::stable_sort(panels.begin(), panels.end(),
                   [](const TCategoryPanel* a, const TCategoryPanel* b) { return a->Top() < b->Top(); });
  return panels;
}

int TCategoryPanelGroup::ContentHeight() const {
  int height = 0;
  for (TCategoryPanel* p : Panels())
    if (p->Visible()) height += p->Height();
  return height;
}

int TCategoryPanelGroup::MaxScroll() const { return std::max(0, ContentHeight() - ClientHeight()); }

void TCategoryPanelGroup::Realign() {
  if (realigning_) return;
  realigning_ = true;
  scroll_pos_ = std::clamp(scroll_pos_, 0, MaxScroll());
  const int width = ClientWidth() - (ScrollBarShown() ? kScroll_Bar_Width : 0);
  int y = -scroll_pos_;
  for (TCategoryPanel* p : Panels()) {
    if (!p->Visible()) continue;
    p->Place(0, y, width);
    y += p->Height();
  }
  realigning_ = false;
  Invalidate();
}

void TCategoryPanelGroup::SetVertScrollPos(int value) {
  value = std::clamp(value, 0, MaxScroll());
  if (value == scroll_pos_) return;
  scroll_pos_ = value;
  Realign();
}

void TCategoryPanelGroup::VScroll(int code) {
  switch (code) {
    case SB_LINEUP: return SetVertScrollPos(scroll_pos_ - kLine_Size);
    case SB_LINEDOWN: return SetVertScrollPos(scroll_pos_ + kLine_Size);
    case SB_PAGEUP: return SetVertScrollPos(scroll_pos_ - ClientHeight());
    case SB_PAGEDOWN: return SetVertScrollPos(scroll_pos_ + ClientHeight());
    case SB_TOP: return SetVertScrollPos(0);
    case SB_BOTTOM: return SetVertScrollPos(MaxScroll());
    default: return;  // SB_ENDSCROLL
  }
}

void TCategoryPanelGroup::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  Realign();
}

TRect TCategoryPanelGroup::ScrollBarRect() const {
  return Rect(ClientWidth() - kScroll_Bar_Width, 0, ClientWidth(), ClientHeight());
}

TRect TCategoryPanelGroup::ThumbRect() const {
  const TRect bar = ScrollBarRect();
  const int track = bar.Height();
  const int content = std::max(1, ContentHeight());
  const int thumb = std::clamp(track * track / content, kScroll_Bar_Width, track);
  const int max = MaxScroll();
  const int top = max ? (track - thumb) * scroll_pos_ / max : 0;
  return Rect(bar.Left, top, bar.Right, top + thumb);
}

void TCategoryPanelGroup::Paint() {
  TCanvas* c = Canvas();
  c->Brush()->SetColor(Color());
  c->FillRect(ClientRect());
  if (!ScrollBarShown()) return;
  c->Brush()->SetColor(clScrollBar);
  c->FillRect(ScrollBarRect());
  TRect thumb = ThumbRect();
  c->Brush()->SetColor(clBtnFace);
  c->FillRect(thumb);
  Frame3D(c, thumb, clBtnHighlight, clBtnShadow, 1);
}

void TCategoryPanelGroup::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !ScrollBarShown() || !PtInRect(ScrollBarRect(), Point(X, Y))) return;
  const TRect thumb = ThumbRect();
  if (Y < thumb.Top) return VScroll(SB_PAGEUP);
  if (Y >= thumb.Bottom) return VScroll(SB_PAGEDOWN);
  drag_from_ = Y;
  drag_pos_ = scroll_pos_;
}

void TCategoryPanelGroup::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  if (drag_from_ < 0) return;
  const TRect thumb = ThumbRect();
  const int travel = ScrollBarRect().Height() - thumb.Height();
  if (travel <= 0) return;
  SetVertScrollPos(drag_pos_ + (Y - drag_from_) * MaxScroll() / travel);
}

void TCategoryPanelGroup::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  drag_from_ = -1;
}

bool TCategoryPanelGroup::WheelTurned(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  return OnMouseWheel && OnMouseWheel(Shift, WheelDelta, MousePos);
}

bool TCategoryPanelGroup::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (WheelTurned(Shift, WheelDelta, MousePos)) return true;
  return TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos);
}

// ---------------------------------------------------------------------------
// TCategoryPanel

namespace {

// The client area of a panel: a plain panel that passes wheel turns to the group.
class TCategorySurface : public TPanel {
public:
  explicit TCategorySurface(TComponent* AOwner) : TPanel(AOwner) {}

protected:
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override {
    auto* panel = dynamic_cast<TCategoryPanel*>(Parent());
    TCategoryPanelGroup* group = panel ? panel->PanelGroup() : nullptr;
    if (group && group->WheelTurned(Shift, WheelDelta, MousePos)) return true;
    return TPanel::DoMouseWheel(Shift, WheelDelta, MousePos);
  }
};

}  // namespace

TCategoryPanel::TCategoryPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  SetControlStyle(ControlStyle() + csAcceptsControls + csOpaque);
  SetColor(clBtnFace);
  surface_ = new TCategorySurface(this);
  surface_->SetBevelOuter(bvNone);
  surface_->SetParent(this);
  TCustomControl::SetBounds(0, 0, 200, expanded_height_);
  PlaceSurface();
}

TCategoryPanelGroup* TCategoryPanel::PanelGroup() const { return dynamic_cast<TCategoryPanelGroup*>(Parent()); }

void TCategoryPanel::SetPanelGroup(TCategoryPanelGroup* group) {
  SetParent(group);
  Changed();
}

TRect TCategoryPanel::HeaderRect() const {
  const TCategoryPanelGroup* group = PanelGroup();
  return Rect(0, 0, Width(), group ? group->HeaderHeight() : 24);
}

void TCategoryPanel::PlaceSurface() {
  const int header = HeaderRect().Height();
  surface_->SetBounds(0, header, Width(), std::max(0, Height() - header));
  surface_->SetVisible(!collapsed_);
}

void TCategoryPanel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (!placing_) {
    expanded_height_ = AHeight;
    if (collapsed_) AHeight = HeaderRect().Height();
  }
  TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  PlaceSurface();
  if (!placing_) Changed();
}

void TCategoryPanel::Place(int ALeft, int ATop, int AWidth) {
  placing_ = true;
  TCustomControl::SetBounds(ALeft, ATop, AWidth, Height());
  PlaceSurface();
  placing_ = false;
}

void TCategoryPanel::SetCollapsed(bool value) {
  if (collapsed_ == value) return;
  collapsed_ = value;
  placing_ = true;
  TCustomControl::SetBounds(Left(), Top(), Width(), collapsed_ ? HeaderRect().Height() : expanded_height_);
  PlaceSurface();
  placing_ = false;
  Changed();
}

void TCategoryPanel::Changed() {
  if (TCategoryPanelGroup* group = PanelGroup()) group->Realign();
}

bool TCategoryPanel::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  TCategoryPanelGroup* group = PanelGroup();
  if (group && group->WheelTurned(Shift, WheelDelta, MousePos)) return true;
  return TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos);
}

void TCategoryPanel::CMVisibleChanged(TMessage& Message) {
  TCustomControl::CMVisibleChanged(Message);
  Changed();
}

void TCategoryPanel::CMTextChanged(TMessage& Message) {
  TCustomControl::CMTextChanged(Message);
  Invalidate();
}

void TCategoryPanel::Paint() {
  TCanvas* c = Canvas();
  TRect header = HeaderRect();
  c->Brush()->SetColor(clBtnFace);
  c->FillRect(ClientRect());
  c->Brush()->SetColor(clGradientInactiveCaption);
  c->FillRect(header);
  TRect frame = header;
  Frame3D(c, frame, clBtnHighlight, clBtnShadow, 1);
  // Caption at the left, vertically centred.
  c->Brush()->SetStyle(bsClear);
  c->Font()->Assign(*Font());
  c->Font()->SetStyle({fsBold});
  TRect text = Rect(header.Left + 8, header.Top, header.Right - 24, header.Bottom);
  c->DrawText(Caption(), text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
  // A double chevron at the right: its tips point up while expanded, down while collapsed.
  const int cx = header.Right - 14;
  const int cy = (header.Top + header.Bottom) / 2;
  const int dir = collapsed_ ? 1 : -1;
  c->Pen()->SetColor(clBtnText);
  for (const int offset : {-2, 2}) {
    const int tip = cy + offset + 2 * dir;
    const int arm = cy + offset - 2 * dir;
    c->Polyline({Point(cx - 4, arm), Point(cx, tip), Point(cx + 4, arm)});
  }
}

void TCategoryPanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button == mbLeft && PtInRect(HeaderRect(), Point(X, Y))) SetCollapsed(!collapsed_);
}
