// Small windows that float above the other windows without taking the focus
// (stand for windows made with the pop-up style, WS_EX_TOOLWINDOW / WS_EX_TOPMOST,
// a window region from SetWindowRgn and the layered-window update). The control's
// position is in screen pixels; its parent, when it has one, is only the window it
// stays above. It is shown without being activated.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/ui/control.h"

class QImage;

enum TPopupWindowKind {
  pwPopup,        // a plain pop-up: painted by the control, takes the mouse
  pwLayeredTool,  // a top-most tool window that shows an image with alpha and lets the mouse through
};

class TPopupWindow : public TCustomControl {
public:
  TPopupWindow(TComponent* AOwner, TPopupWindowKind Kind);
  ~TPopupWindow() override;

  TPopupWindowKind Kind() const { return kind_; }
  // The window's shape: a polygon (winding fill), the outer rectangle less the
  // inner one (a frame), or none (the whole rectangle).
  void SetWindowRegion(const std::vector<TPoint>& Polygon);
  void SetWindowRegion(const TRect& Outer, const TRect& Inner);
  void ClearWindowRegion();
  // Whether the window's shape covers the client point.
  bool RegionContains(TPoint P) const;
  bool HasWindowRegion() const { return has_region_; }
  // Layered windows: the picture shown, premultiplied alpha (a 32-bit bitmap whose
  // fourth byte is the alpha), and the constant opacity applied over it.
  void UpdateLayered(const TBitmap* Image, uint8_t Opacity);
  uint8_t LayeredOpacity() const { return opacity_; }
  // The picture UpdateLayered was given (a null image when none).
  QImage LayeredImage() const;
  // The window is shown above the others without being activated.
  bool TopMost() const;
  bool TakesMouse() const;

protected:
  void Paint() override;
  void AttachWidget(TWinControl* AParent) override;

private:
  void ApplyRegion();

  TPopupWindowKind kind_;
  bool has_region_ = false;
  std::vector<TPoint> polygon_;
  TRect outer_, inner_;
  bool frame_region_ = false;
  std::unique_ptr<QImage> layered_;
  uint8_t opacity_ = 255;
};

// The class library's hint window (THintWindow): a pop-up in the hint colour that
// shows a short text at a screen position.
class THintWindow : public TPopupWindow {
public:
  explicit THintWindow(TComponent* AOwner);
  // The window's size for the text within MaxWidth pixels (a rectangle at 0, 0).
  virtual TRect CalcHintRect(int MaxWidth, const QString& AHint);
  virtual TRect CalcHintRectData(int MaxWidth, const QString& AHint, TObject* AData) {
    return CalcHintRect(MaxWidth, AHint);
  }
  // Shows the text in the screen rectangle.
  virtual void ActivateHint(const TRect& ScreenRect, const QString& AHint);
  // As ActivateHint, with the object the control handed over with its hint.
  virtual void ActivateHintData(const TRect& ScreenRect, const QString& AHint, TObject* AData) {
    ActivateHint(ScreenRect, AHint);
  }
  void ReleaseHandle() { Hide(); }
  QString HintText() const { return Caption(); }

protected:
  void Paint() override;
};

// Hint windows of the other classes a control can ask for (HintInfo's window
// class): a maker registered for the class makes the window the class library
// shows such hints in; classes without a maker use the plain tool tip.
void RegisterHintWindowClass(int WindowClass, std::function<THintWindow*()> Maker);
// Shows the hint in the window of that class; false when the class has no maker.
bool ShowClassHint(int WindowClass, TPoint ScreenPos, int MaxWidth, const QString& Hint, TObject* Data);
// The class hint window showing now (nullptr: none), and hiding it.
THintWindow* ShownClassHint();
void HideClassHint();

// The balloon tip of an edit control (EM_SHOWBALLOONTIP): a title, a text and an
// icon (0 none, 1 information, 2 warning, 3 error) pointing at the control.
struct TEditBalloonTip {
  QString Title;
  QString Text;
  int Icon = 0;
};
// Shows the balloon under the control; a control without a window shows none.
bool ShowEditBalloonTip(TWinControl* Target, const TEditBalloonTip& Tip);
void HideEditBalloonTip();
// The balloon shown last and the control it points at (nullptr: none showing).
TWinControl* EditBalloonTarget();
TEditBalloonTip EditBalloonShown();

// Calls the hook whenever another window of the program moves or changes its
// size (stands for a call-window-procedure hook watching window positions);
// an empty function removes it.
void SetWindowPosHook(std::function<void()> Hook);
