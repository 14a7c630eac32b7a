// The Qt widgets that stand for the controls (for platform/ only). Each is a Qt
// widget class with its events routed through the control dispatcher first;
// `BaseEvent` is the widget's own processing, the native control's default.
#pragma once

#include <QEvent>
#include <QWidget>
#include <utility>

class TControl;
class QPainter;

class WidgetHost {
public:
  virtual ~WidgetHost() = default;
  virtual QWidget* AsWidget() = 0;
  virtual bool BaseEvent(QEvent* e) = 0;

  TControl* control = nullptr;
  // A native widget (edit, list, combo ...) does its own key and mouse work; a
  // painted one (custom controls, forms) leaves keys to the control.
  bool native = false;
  // Between the control's mouse enter and mouse leave messages.
  bool mouseInside = false;
  // A window of its own (forms, pop-up windows) rather than a control's widget.
  bool topLevel = false;
};

// The hidden window in which the widgets of controls without a parent wait. A
// widget made without any parent becomes a window and carries a window's extra
// data for the rest of its life; made here it stays a plain child widget, and
// it is never shown, just as a control without a parent is not.
QWidget* WidgetNursery();

// Marks the hosted widget that is a window of its own.
struct TopLevelWidget {};

namespace ControlDispatch {
// Routes a Qt event of `host` to its control; false when not handled.
bool Event(WidgetHost* host, QEvent* e);
void WidgetDestroyed(WidgetHost* host);
// The painter of the paint event `host` is handling (nullptr outside one).
QPainter* PaintPainter(WidgetHost* host);
}  // namespace ControlDispatch

template <class Base>
class Hosted : public Base, public WidgetHost {
public:
  // A control's widget, made in the nursery until the control gets its parent
  // (the widget's parent comes last among the arguments of every Qt widget).
  template <class... Args>
  explicit Hosted(bool isNative, Args&&... args) : Base(std::forward<Args>(args)..., WidgetNursery()) {
    native = isNative;
  }
  Hosted(TopLevelWidget, bool isNative) {
    native = isNative;
    topLevel = true;
  }
  ~Hosted() override { ControlDispatch::WidgetDestroyed(this); }
  QWidget* AsWidget() override { return this; }
  bool BaseEvent(QEvent* e) override { return Base::event(e); }

protected:
  bool event(QEvent* e) override { return ControlDispatch::Event(this, e); }
};

// A hosted scroll-area widget (multi-line and rich edits): mouse events arrive
// at its viewport and go through the control's dispatcher like those of any
// other widget; the viewport's margins stand for the formatting rectangle.
template <class Base>
class ViewportHosted : public Hosted<Base> {
public:
  ViewportHosted() : Hosted<Base>(true) {}
  bool BaseEvent(QEvent* e) override {
    if (IsViewportInput(e)) return Base::viewportEvent(e);
    return Base::event(e);
  }
  void SetMargins(int l, int t, int r, int b) { this->setViewportMargins(l, t, r, b); }

protected:
  bool viewportEvent(QEvent* e) override {
    if (IsViewportInput(e)) return ControlDispatch::Event(this, e);
    return Base::viewportEvent(e);
  }

private:
  static bool IsViewportInput(QEvent* e) {
    switch (e->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove:
      case QEvent::Wheel:
      case QEvent::ContextMenu: return true;
      default: return false;
    }
  }
};

// The type of the platform's posted-message events.
QEvent::Type PostedMessageEventType();
