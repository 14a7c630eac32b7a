// The class library's controls (stand for TControl, TWinControl, TGraphicControl
// and TCustomControl). Every control is backed by a Qt widget that the platform
// makes; the widget's events reach the control through one dispatcher
// (control_dispatch.cpp) that turns them into the class library's messages, in its
// order, and hands them to `WndProc`. Message handlers and the `KeyDown`,
// `KeyPress`, `MouseDown` ... virtuals can be overridden like the class library's
// (call the base for the inherited step). Positions are client pixels of the
// parent, set in code.
#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "platform/ui/canvas.h"
#include "platform/ui/component.h"
#include "platform/ui/graphics.h"
#include "platform/ui/graphics_objects.h"
#include "platform/ui/messages.h"

class QWidget;
class QEvent;
class TWinControl;
class TForm;
class TPopupMenu;
class WidgetHost;

enum TControlStyleFlag {
  csAcceptsControls, csCaptureMouse, csDesignInteractive, csClickEvents, csFramed, csSetCaption, csOpaque,
  csDoubleClicks, csFixedWidth, csFixedHeight, csNoDesignVisible, csReplicatable, csNoStdEvents,
  csDisplayDragImage, csReflector, csActionClient, csMenuEvents
};
using TControlStyle = TSet<TControlStyleFlag>;

enum TControlStateFlag { csLButtonDown, csClicked, csPalette, csReadingState, csAlignmentNeeded, csFocusing,
                         csCreating, csPaintCopy, csCustomPaint, csDestroyingHandle, csDocking };
using TControlState = TSet<TControlStateFlag>;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TVerticalAlignment { taAlignTop, taAlignBottom, taVerticalCenter };
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

// Mouse pointer shapes.
using TCursor = int;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeNESW = -6;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeNWSE = -8;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crDrag = -12;
inline constexpr TCursor crNoDrop = -13;
inline constexpr TCursor crHSplit = -14;
inline constexpr TCursor crVSplit = -15;
inline constexpr TCursor crNo = -18;
inline constexpr TCursor crAppStart = -19;  // the arrow with a small hourglass: busy, still usable
inline constexpr TCursor crHandPoint = -21;
inline constexpr TCursor crSizeAll = -22;

using TKeyEvent = std::function<void(TObject* Sender, int& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, QChar& Key)>;
using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;

class TControl : public TComponent {
public:
  ~TControl() override;

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* AParent);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
  virtual int ClientWidth() const { return width_; }
  virtual int ClientHeight() const { return height_; }
  void SetClientWidth(int value);
  void SetClientHeight(int value);
  TRect ClientRect() const { return Rect(0, 0, ClientWidth(), ClientHeight()); }
  TPoint ClientToScreen(TPoint p) const;
  TPoint ScreenToClient(TPoint p) const;
  TAlign Align() const { return align_; }
  void SetAlign(TAlign value);

  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible, and every parent up to a showing window visible.
  bool Showing() const;
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool value);

  QString Caption() const { return GetText(); }
  void SetCaption(const QString& value) { SetText(value); }
  QString Text() const { return GetText(); }
  void SetText(const QString& value);

  TColor Color() const { return color_; }
  void SetColor(TColor value);
  bool ParentColor() const { return parent_color_; }
  void SetParentColor(bool value);
  TFont* Font() { return &font_; }
  const TFont* Font() const { return &font_; }
  void SetFont(const TFont* value) { font_.Assign(*value); }
  bool ParentFont() const { return parent_font_; }
  void SetParentFont(bool value);

  QString Hint() const { return hint_; }
  void SetHint(const QString& value);
  bool ShowHint() const;
  void SetShowHint(bool value);
  bool ParentShowHint() const { return parent_show_hint_; }
  void SetParentShowHint(bool value);

  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor value);
  TPopupMenu* PopupMenu() const { return popup_menu_; }
  void SetPopupMenu(TPopupMenu* value);

  TControlStyle ControlStyle() const { return control_style_; }
  void SetControlStyle(TControlStyle value) { control_style_ = value; }
  TControlState ControlState() const { return control_state_; }
  void SetControlState(TControlState value) { control_state_ = value; }

  bool MouseCapture() const;
  void SetMouseCapture(bool value);

  // Marks the control for painting when the event loop is idle.
  virtual void Invalidate();
  // Paints the pending parts now.
  void Update();
  // Paints the whole control now.
  virtual void Repaint();
  void BringToFront();

  // Sends a message to the control's WndProc and returns its result.
  intptr_t Perform(unsigned Msg, intptr_t WParam = 0, intptr_t LParam = 0);
  virtual void WndProc(TMessage& Message);

  virtual void Click();
  virtual void DblClick();

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

  // --- platform ---
  QWidget* Widget() const;
  // The form this control sits on (walking the parents), or nullptr.
  TForm* ParentForm() const;

protected:
  // `host` is the widget the control stands for; the control owns it.
  TControl(TComponent* AOwner, WidgetHost* host);

  virtual QString GetText() const { return text_; }
  // Stores the text the control shows; controls over a Qt text widget override.
  virtual void StoreText(const QString& value) { text_ = value; }

  // Routes a message to its handler; unknown messages go to DefaultHandler.
  virtual void Dispatch(TMessage& Message);
  // The Qt widget's own processing of the event being dispatched (the native
  // control's default window procedure).
  virtual void DefaultHandler(TMessage& Message);

  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
  virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
  virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);

  // Message handlers.
  virtual void WMLButtonDown(TMessage& Message);
  virtual void WMLButtonUp(TMessage& Message);
  virtual void WMLButtonDblClk(TMessage& Message);
  virtual void WMRButtonDown(TMessage& Message);
  virtual void WMRButtonUp(TMessage& Message);
  virtual void WMMButtonDown(TMessage& Message);
  virtual void WMMButtonUp(TMessage& Message);
  virtual void WMMouseMove(TMessage& Message);
  virtual void WMMouseWheel(TMessage& Message);
  virtual void WMContextMenu(TMessage& Message);
  virtual void CMMouseEnter(TMessage& Message);
  virtual void CMMouseLeave(TMessage& Message);
  virtual void CMEnabledChanged(TMessage& Message);
  virtual void CMVisibleChanged(TMessage& Message);
  virtual void CMTextChanged(TMessage& Message);
  virtual void CMFontChanged(TMessage& Message);
  virtual void CMColorChanged(TMessage& Message);
  virtual void CMParentFontChanged(TMessage& Message);
  virtual void CMParentColorChanged(TMessage& Message);
  virtual void CMParentShowHintChanged(TMessage& Message);
  virtual void CMDialogChar(TMessage& Message) {}
  virtual void CMDialogKey(TMessage& Message) {}
  virtual void CMFocusChanged(TMessage& Message) {}
  virtual void CMHintShow(TMessage& Message) {}

  void Notification(TComponent* AComponent, TOperation Operation) override;

  // Places the widget on the parent's client widget (a tab sheet goes into its
  // page control's stack instead).
  virtual void AttachWidget(TWinControl* AParent);
  // Applies the font and colour to the Qt widget.
  virtual void ApplyFont();
  virtual void ApplyColor();
  void ApplyHint();

  WidgetHost* Host() const { return host_; }
  // Puts another widget in place of the control's (the class library's window
  // recreation): bounds, visibility, enabled state, font, colour, hint, cursor,
  // child controls and the focus move over; the old widget is destroyed.
  void ReplaceWidget(WidgetHost* host);

private:
  friend class TWinControl;
  friend class ControlDispatcher;
  void MouseButtonDown(TMessage& Message, TMouseButton Button);
  void MouseButtonUp(TMessage& Message, TMouseButton Button);
  void FontChanged();

  WidgetHost* host_ = nullptr;
  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TAlign align_ = alNone;
  bool visible_ = true;
  bool enabled_ = true;
  QString text_;
  TColor color_ = clBtnFace;
  bool parent_color_ = false;
  TFont font_;
  bool parent_font_ = true;
  bool font_from_parent_ = false;
  QString hint_;
  bool show_hint_ = false;
  bool parent_show_hint_ = true;
  TCursor cursor_ = crDefault;
  TPopupMenu* popup_menu_ = nullptr;
  TControlStyle control_style_{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  TControlState control_state_;
};

enum TTabOrderDirection { tdBackward, tdForward };

class TWinControl : public TControl {
public:
  ~TWinControl() override;

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const;

  bool TabStop() const { return tab_stop_; }
  void SetTabStop(bool value);
  int TabOrder() const;
  void SetTabOrder(int value);

  bool Focused() const;
  virtual bool CanFocus() const;
  virtual void SetFocus();
  // The next control after `CurControl` in tab order (wrapping), among this
  // control's children and their children; nullptr when there is none.
  TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop, bool CheckParent);
  void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);

  // Sends the message to every child control until one answers with a result.
  void Broadcast(TMessage& Message);
  // Sends a notification code to the parent as WM_COMMAND (the parent reflects it
  // back as CN_COMMAND); without a parent the control gets the CN_COMMAND directly.
  void NotifyParent(int Code);

  // Renders the control and its children onto the canvas at x, y.
  void PaintTo(TCanvas* Canvas, int X, int Y);

  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyUp;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

  // --- platform ---
  // The widget children are placed on (the client area).
  virtual QWidget* ClientWidget() const;
  // A control's tab-ordered list of focusable children.
  std::vector<TWinControl*> TabList() const { return tab_list_; }

protected:
  TWinControl(TComponent* AOwner, WidgetHost* host);

  void Dispatch(TMessage& Message) override;

  // The class library's key steps: KeyDown raises OnKeyDown, KeyPress OnKeyPress
  // (setting the key to 0 or #0 stops the default action), KeyUp OnKeyUp.
  virtual void KeyDown(int& Key, TShiftState Shift);
  virtual void KeyPress(QChar& Key);
  virtual void KeyUp(int& Key, TShiftState Shift);
  // True when the key was consumed (the form's preview or the handler set it to 0).
  bool DoKeyDown(TMessage& Message);
  bool DoKeyPress(TMessage& Message);
  bool DoKeyUp(TMessage& Message);
  virtual void DoEnter();
  virtual void DoExit();

  virtual void CNKeyDown(TMessage& Message);
  virtual void CNKeyUp(TMessage& Message);
  virtual void CNChar(TMessage& Message);
  virtual void CNSysChar(TMessage& Message);
  virtual void WMKeyDown(TMessage& Message);
  virtual void WMKeyUp(TMessage& Message);
  virtual void WMChar(TMessage& Message);
  virtual void WMSysKeyDown(TMessage& Message);
  virtual void WMSysKeyUp(TMessage& Message);
  virtual void WMSysChar(TMessage& Message);
  virtual void WMSetFocus(TMessage& Message);
  virtual void WMKillFocus(TMessage& Message);
  virtual void WMGetDlgCode(TMessage& Message);
  // A child's notification (LParam = the child): reflected to it as CN_COMMAND.
  virtual void WMCommand(TMessage& Message);
  virtual void CMWantSpecialKey(TMessage& Message) {}
  virtual void CMEnter(TMessage& Message);
  virtual void CMExit(TMessage& Message);
  void CMDialogKey(TMessage& Message) override;
  void CMDialogChar(TMessage& Message) override;
  void CMFocusChanged(TMessage& Message) override;
  void CMParentFontChanged(TMessage& Message) override;
  void CMParentColorChanged(TMessage& Message) override;
  void CMParentShowHintChanged(TMessage& Message) override;
  void CMFontChanged(TMessage& Message) override;
  void CMColorChanged(TMessage& Message) override;

private:
  friend class TControl;
  friend class ControlDispatcher;
  void InsertControl(TControl* c);
  void RemoveControl(TControl* c);

  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tab_list_;
  bool tab_stop_ = false;
};

// A windowed control that paints itself on its canvas (TCustomControl).
class TCustomControl : public TWinControl {
public:
  explicit TCustomControl(TComponent* AOwner);
  TCanvas* Canvas() { return canvas_.Get(); }

  TNotifyEvent OnPaint;

protected:
  TCustomControl(TComponent* AOwner, WidgetHost* host);
  // Draws the control; the canvas is bound while it runs. The base raises OnPaint.
  virtual void Paint();
  virtual void WMPaint(TMessage& Message);
  void Dispatch(TMessage& Message) override;

private:
  friend class ControlDispatcher;
  TLazyCanvas canvas_;
};

// A control without focus that paints itself (TGraphicControl).
class TGraphicControl : public TControl {
public:
  TCanvas* Canvas() { return canvas_.Get(); }

protected:
  explicit TGraphicControl(TComponent* AOwner);
  virtual void Paint() {}
  void Dispatch(TMessage& Message) override;

private:
  TLazyCanvas canvas_;
};

// Is `ch` the accelerator of `caption` ("&x" marks x; "&&" is a plain "&")?
bool IsAccel(QChar ch, const QString& caption);
// The part of a hint before "|" (the whole hint without one).
QString GetShortHint(const QString& hint);
