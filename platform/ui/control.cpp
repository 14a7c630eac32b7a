// TControl: bounds, visibility, text, colour, font, hint and the mouse handlers.
#include "platform/ui/control.h"

#include <QApplication>
#include <QCursor>
#include <QWidget>

#include "platform/rtl/exceptions.h"
#include "platform/ui/art_cursors.h"
#include "platform/ui/form.h"
#include "platform/ui/menus.h"
#include "platform/ui/qt_graphics.h"
#include "platform/ui/widget_host.h"
#include "platform/ui/window_proc_hook.h"

Qt::CursorShape QtCursorShape(TCursor c) {
  switch (c) {
    case crCross: return Qt::CrossCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crSizeNESW: return Qt::SizeBDiagCursor;
    case crSizeNS: return Qt::SizeVerCursor;
    case crSizeNWSE: return Qt::SizeFDiagCursor;
    case crSizeWE: return Qt::SizeHorCursor;
    case crHourGlass: return Qt::WaitCursor;
    case crDrag: return Qt::DragCopyCursor;
    case crNoDrop:
    case crNo: return Qt::ForbiddenCursor;
    case crHSplit: return Qt::SplitHCursor;
    case crVSplit: return Qt::SplitVCursor;
    case crHandPoint: return Qt::PointingHandCursor;
    case crSizeAll: return Qt::SizeAllCursor;
    case crAppStart: return Qt::BusyCursor;
    default: return Qt::ArrowCursor;
  }
}

bool IsAccel(QChar ch, const QString& caption) {
  for (int i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != u'&') continue;
    if (caption[i + 1] == u'&') {
      ++i;
      continue;
    }
    return caption[i + 1].toUpper() == ch.toUpper();
  }
  return false;
}

QString GetShortHint(const QString& hint) {
  const int bar = hint.indexOf(u'|');
  return bar < 0 ? hint : hint.left(bar);
}

TControl::TControl(TComponent* AOwner, WidgetHost* host) : TComponent(AOwner), host_(host) {
  color_ = clWindow;
  host_->control = this;
  QWidget* w = host_->AsWidget();
  w->setMouseTracking(true);
  w->setAttribute(Qt::WA_Hover, false);
  font_.OnChange = [this](TObject*) { FontChanged(); };
}

TControl::~TControl() {
  Destroying();
  SetWindowProcHook(this, nullptr);
  if (parent_) parent_->RemoveControl(this);
  if (host_) {
    host_->control = nullptr;
    QWidget* w = host_->AsWidget();
    host_ = nullptr;
    delete w;
  }
}

QWidget* TControl::Widget() const { return host_ ? host_->AsWidget() : nullptr; }

TForm* TControl::ParentForm() const {
  const TControl* c = this;
  while (c->parent_) c = c->parent_;
  return dynamic_cast<TForm*>(const_cast<TControl*>(c));
}

void TControl::SetParent(TWinControl* AParent) {
  if (parent_ == AParent) return;
  if (AParent == this) throw EInvalidOperation(QStringLiteral("A control cannot have itself as its parent"));
  if (parent_) parent_->RemoveControl(this);
  parent_ = nullptr;
  QWidget* w = Widget();
  if (!AParent) {
    if (w) {
      w->hide();
      w->setParent(host_->topLevel ? nullptr : WidgetNursery());
    }
    return;
  }
  AParent->InsertControl(this);
  parent_ = AParent;
  AttachWidget(AParent);
  if (parent_font_) Perform(CM_PARENTFONTCHANGED);
  if (parent_color_) Perform(CM_PARENTCOLORCHANGED);
  ApplyHint();
}

void TControl::AttachWidget(TWinControl* AParent) {
  QWidget* w = Widget();
  if (!w) return;
  w->setParent(AParent->ClientWidget());
  w->setGeometry(left_, top_, width_, height_);
  w->setVisible(visible_);
}

void TControl::ReplaceWidget(WidgetHost* host) {
  if (!host || host == host_) return;
  WidgetHost* old = host_;
  QWidget* oldWidget = old ? old->AsWidget() : nullptr;
  const bool hadFocus = oldWidget && oldWidget->hasFocus();
  host_ = host;
  host->control = this;
  QWidget* w = host->AsWidget();
  w->setMouseTracking(true);
  w->setAttribute(Qt::WA_Hover, false);
  if (auto* wc = dynamic_cast<TWinControl*>(this)) {
    if (!host->native) w->setFocusPolicy(Qt::TabFocus);
    for (TControl* child : wc->controls_)
      if (QWidget* cw = child->Widget()) {
        cw->setParent(wc->ClientWidget());
        cw->setGeometry(child->left_, child->top_, child->width_, child->height_);
        cw->setVisible(child->visible_);
      }
  }
  if (parent_) {
    AttachWidget(parent_);
  } else if (oldWidget) {
    w->setGeometry(left_, top_, width_, height_);
  }
  w->setEnabled(enabled_);
  ApplyFont();
  ApplyColor();
  ApplyHint();
  SetCursor(cursor_);
  if (old) {
    old->control = nullptr;
    delete oldWidget;
  }
  if (hadFocus) w->setFocus(Qt::OtherFocusReason);
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  AWidth = std::max(0, AWidth);
  AHeight = std::max(0, AHeight);
  if (ALeft == left_ && ATop == top_ && AWidth == width_ && AHeight == height_) return;
  left_ = ALeft;
  top_ = ATop;
  width_ = AWidth;
  height_ = AHeight;
  if (QWidget* w = Widget()) w->setGeometry(left_, top_, width_, height_);
}

void TControl::SetClientWidth(int value) { SetWidth(width_ - ClientWidth() + value); }

void TControl::SetClientHeight(int value) { SetHeight(height_ - ClientHeight() + value); }

TPoint TControl::ClientToScreen(TPoint p) const {
  QWidget* w = Widget();
  return w ? FromQPoint(w->mapToGlobal(ToQPoint(p))) : p;
}

TPoint TControl::ScreenToClient(TPoint p) const {
  QWidget* w = Widget();
  return w ? FromQPoint(w->mapFromGlobal(ToQPoint(p))) : p;
}

void TControl::SetVisible(bool value) {
  if (visible_ == value) return;
  visible_ = value;
  if (QWidget* w = Widget(); w && parent_) w->setVisible(value);
  Perform(CM_VISIBLECHANGED, value);
}

bool TControl::Showing() const {
  if (!visible_) return false;
  if (parent_) return parent_->Showing();
  QWidget* w = Widget();
  return w && w->isVisible();
}

void TControl::SetEnabled(bool value) {
  if (enabled_ == value) return;
  enabled_ = value;
  if (QWidget* w = Widget()) w->setEnabled(value);
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetText(const QString& value) {
  if (GetText() == value) return;
  StoreText(value);
  Perform(CM_TEXTCHANGED);
}

void TControl::SetColor(TColor value) {
  parent_color_ = false;
  if (color_ == value) return;
  color_ = value;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool value) {
  parent_color_ = value;
  if (value && parent_) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetParentFont(bool value) {
  parent_font_ = value;
  if (value && parent_) Perform(CM_PARENTFONTCHANGED);
}

void TControl::FontChanged() {
  if (!font_from_parent_) parent_font_ = false;
  Perform(CM_FONTCHANGED);
}

void TControl::SetHint(const QString& value) {
  hint_ = value;
  ApplyHint();
}

bool TControl::ShowHint() const {
  if (parent_show_hint_ && parent_) return parent_->ShowHint();
  return show_hint_;
}

void TControl::SetShowHint(bool value) {
  show_hint_ = value;
  parent_show_hint_ = false;
  ApplyHint();
  if (auto* wc = dynamic_cast<TWinControl*>(this)) {
    TMessage m{CM_PARENTSHOWHINTCHANGED, 0, 0, 0};
    for (int i = 0; i < wc->ControlCount(); ++i) wc->Controls(i)->WndProc(m);
  }
}

void TControl::SetParentShowHint(bool value) {
  parent_show_hint_ = value;
  ApplyHint();
}

void TControl::ApplyHint() {
  if (QWidget* w = Widget()) w->setToolTip(ShowHint() ? GetShortHint(hint_) : QString());
}

void TControl::SetCursor(TCursor value) {
  cursor_ = value;
  if (QWidget* w = Widget()) {
    if (value == crDefault) w->unsetCursor();
    else if (IsArtCursor(value)) w->setCursor(ArtCursor(value));
    else w->setCursor(QtCursorShape(value));
  }
}

void TControl::SetPopupMenu(TPopupMenu* value) {
  if (popup_menu_ == value) return;
  if (popup_menu_) popup_menu_->RemoveFreeNotification(this);
  popup_menu_ = value;
  if (value) value->FreeNotification(this);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == popup_menu_) popup_menu_ = nullptr;
}

bool TControl::MouseCapture() const {
  QWidget* w = Widget();
  return w && (control_state_.Contains(csLButtonDown) || QWidget::mouseGrabber() == w);
}

void TControl::SetMouseCapture(bool value) {
  QWidget* w = Widget();
  if (!w) return;
  if (value) {
    control_state_ += csLButtonDown;
    if (w->isVisible()) w->grabMouse();
    return;
  }
  control_state_ -= csLButtonDown;
  if (QWidget::mouseGrabber() == w) w->releaseMouse();
}

void TControl::Invalidate() {
  if (QWidget* w = Widget()) w->update();
}

void TControl::Update() {
  if (QWidget* w = Widget(); w && w->isVisible()) w->repaint();
}

void TControl::Repaint() {
  if (QWidget* w = Widget(); w && w->isVisible()) w->repaint();
}

void TControl::BringToFront() {
  if (QWidget* w = Widget()) w->raise();
}

intptr_t TControl::Perform(unsigned Msg, intptr_t WParam, intptr_t LParam) {
  TMessage m{Msg, WParam, LParam, 0};
  DeliverMessage(this, m);
  return m.Result;
}

void TControl::WndProc(TMessage& Message) { Dispatch(Message); }

void TControl::Dispatch(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN: return WMLButtonDown(m);
    case WM_LBUTTONUP: return WMLButtonUp(m);
    case WM_LBUTTONDBLCLK: return WMLButtonDblClk(m);
    case WM_RBUTTONDOWN: return WMRButtonDown(m);
    case WM_RBUTTONUP: return WMRButtonUp(m);
    case WM_MBUTTONDOWN: return WMMButtonDown(m);
    case WM_MBUTTONUP: return WMMButtonUp(m);
    case WM_MOUSEMOVE: return WMMouseMove(m);
    case WM_MOUSEWHEEL: return WMMouseWheel(m);
    case WM_CONTEXTMENU: return WMContextMenu(m);
    case CM_MOUSEENTER: return CMMouseEnter(m);
    case CM_MOUSELEAVE: return CMMouseLeave(m);
    case CM_ENABLEDCHANGED: return CMEnabledChanged(m);
    case CM_VISIBLECHANGED: return CMVisibleChanged(m);
    case CM_TEXTCHANGED: return CMTextChanged(m);
    case CM_FONTCHANGED: return CMFontChanged(m);
    case CM_COLORCHANGED: return CMColorChanged(m);
    case CM_PARENTFONTCHANGED: return CMParentFontChanged(m);
    case CM_PARENTCOLORCHANGED: return CMParentColorChanged(m);
    case CM_PARENTSHOWHINTCHANGED: return CMParentShowHintChanged(m);
    case CM_DIALOGCHAR: return CMDialogChar(m);
    case CM_DIALOGKEY: return CMDialogKey(m);
    case CM_FOCUSCHANGED: return CMFocusChanged(m);
    case CM_HINTSHOW: return CMHintShow(m);
    default: return DefaultHandler(m);
  }
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  if (WheelDelta < 0) return DoMouseWheelDown(Shift, MousePos);
  if (WheelDelta > 0) return DoMouseWheelUp(Shift, MousePos);
  return false;
}

bool TControl::DoMouseWheelDown(TShiftState, TPoint) { return false; }

bool TControl::DoMouseWheelUp(TShiftState, TPoint) { return false; }

void TControl::MouseButtonDown(TMessage& m, TMouseButton Button) {
  MouseDown(Button, KeysToShiftState(m.Keys()), m.XPos(), m.YPos());
}

void TControl::MouseButtonUp(TMessage& m, TMouseButton Button) {
  MouseUp(Button, KeysToShiftState(m.Keys()), m.XPos(), m.YPos());
}

void TControl::WMLButtonDown(TMessage& m) {
  DefaultHandler(m);
  if (control_style_.Contains(csCaptureMouse)) control_state_ += csLButtonDown;
  if (control_style_.Contains(csClickEvents)) control_state_ += csClicked;
  MouseButtonDown(m, mbLeft);
}

void TControl::WMLButtonDblClk(TMessage& m) {
  DefaultHandler(m);
  if (control_style_.Contains(csCaptureMouse)) control_state_ += csLButtonDown;
  if (control_style_.Contains(csClickEvents)) DblClick();
  MouseDown(mbLeft, KeysToShiftState(m.Keys()) + ssDouble, m.XPos(), m.YPos());
}

void TControl::WMLButtonUp(TMessage& m) {
  DefaultHandler(m);
  if (control_style_.Contains(csCaptureMouse)) SetMouseCapture(false);
  if (control_state_.Contains(csClicked)) {
    control_state_ -= csClicked;
    if (PtInRect(ClientRect(), Point(m.XPos(), m.YPos()))) Click();
  }
  MouseButtonUp(m, mbLeft);
}

void TControl::WMRButtonDown(TMessage& m) {
  DefaultHandler(m);
  MouseButtonDown(m, mbRight);
}

void TControl::WMRButtonUp(TMessage& m) {
  DefaultHandler(m);
  MouseButtonUp(m, mbRight);
}

void TControl::WMMButtonDown(TMessage& m) {
  DefaultHandler(m);
  MouseButtonDown(m, mbMiddle);
}

void TControl::WMMButtonUp(TMessage& m) {
  DefaultHandler(m);
  MouseButtonUp(m, mbMiddle);
}

void TControl::WMMouseMove(TMessage& m) {
  DefaultHandler(m);
  MouseMove(KeysToShiftState(m.Keys()), m.XPos(), m.YPos());
}

void TControl::WMMouseWheel(TMessage& m) {
  const int delta = static_cast<int16_t>((m.WParam >> 16) & 0xFFFF);
  const TPoint screen{m.XPos(), m.YPos()};
  if (DoMouseWheel(KeysToShiftState(static_cast<int>(m.WParam & 0xFFFF)), delta, screen)) {
    m.Result = 1;
    return;
  }
  DefaultHandler(m);
}

void TControl::WMContextMenu(TMessage& m) {
  if (popup_menu_ && popup_menu_->AutoPopup()) {
    TPoint at{m.XPos(), m.YPos()};
    popup_menu_->SetPopupComponent(this);
    popup_menu_->Popup(at.X, at.Y);
    m.Result = 1;
    return;
  }
  DefaultHandler(m);
}

void TControl::CMMouseEnter(TMessage&) {
  if (OnMouseEnter) OnMouseEnter(this);
}

void TControl::CMMouseLeave(TMessage&) {
  if (OnMouseLeave) OnMouseLeave(this);
}

void TControl::CMEnabledChanged(TMessage&) { Invalidate(); }

void TControl::CMVisibleChanged(TMessage&) {}

void TControl::CMTextChanged(TMessage&) { Invalidate(); }

void TControl::CMFontChanged(TMessage&) {
  ApplyFont();
  Invalidate();
}

void TControl::CMColorChanged(TMessage&) {
  ApplyColor();
  Invalidate();
}

void TControl::CMParentFontChanged(TMessage&) {
  if (!parent_font_ || !parent_) return;
  font_from_parent_ = true;
  font_.Assign(*parent_->Font());
  font_from_parent_ = false;
}

void TControl::CMParentColorChanged(TMessage&) {
  if (!parent_color_ || !parent_) return;
  const TColor c = parent_->Color();
  if (color_ == c) return;
  color_ = c;
  Perform(CM_COLORCHANGED);
}

void TControl::CMParentShowHintChanged(TMessage&) { ApplyHint(); }

void TControl::ApplyFont() {
  QWidget* w = Widget();
  if (!w) return;
  // A control that follows its parent's font gets it from its parent's widget, as
  // Qt passes fonts and palettes down to child widgets that set none of their
  // own; setting them again on each of hundreds of controls is work for nothing.
  // A control with a font of its own always sets it, so that a later change of
  // the parent's font does not reach it.
  const bool inherits = parent_font_ && parent_;
  const QFont qfont = ToQFont(font_);
  if (!inherits || w->font() != qfont) w->setFont(qfont);
  // The font colour is the text of an enabled control; a disabled one shows its
  // text in the system's grey, as the window system draws disabled controls.
  const QColor text = ToQColor(font_.Color());
  const QColor grey = ToQColor(clGrayText);
  constexpr QPalette::ColorRole kTextRoles[] = {QPalette::WindowText, QPalette::Text, QPalette::ButtonText};
  QPalette pal = w->palette();
  bool same = inherits;
  for (QPalette::ColorRole role : kTextRoles)
    same = same && pal.color(QPalette::Active, role) == text && pal.color(QPalette::Inactive, role) == text &&
           pal.color(QPalette::Disabled, role) == grey;
  if (same) return;
  for (QPalette::ColorRole role : kTextRoles) {
    pal.setColor(QPalette::Active, role, text);
    pal.setColor(QPalette::Inactive, role, text);
    pal.setColor(QPalette::Disabled, role, grey);
  }
  w->setPalette(pal);
}

void TControl::ApplyColor() {}

TGraphicControl::TGraphicControl(TComponent* AOwner)
    : TControl(AOwner, new Hosted<QWidget>(false)) {
  Widget()->setFocusPolicy(Qt::NoFocus);
}

void TGraphicControl::Dispatch(TMessage& m) {
  if (m.Msg != WM_PAINT) return TControl::Dispatch(m);
  QPainter* painter = ControlDispatch::PaintPainter(Host());
  if (!painter) return;
  TCanvas* canvas = Canvas();
  canvas->BindPainter(painter);
  canvas->Font()->Assign(*Font());
  Paint();
  canvas->BindPainter(nullptr);
}
