// A vertical group of collapsible category panels (stands for the class library's
// TCategoryPanelGroup and TCategoryPanel), built over our class library. The group
// stacks its visible panels from the top, in the order of their Top values and
// without gaps, and scrolls vertically when they are taller than the group. Each
// panel paints a 24-pixel header with its caption and a chevron; a click on the
// header collapses or expands it. A panel's controls go on its Surface, the client
// area below the header.
#pragma once

#include "platform/ui/control.h"

#include <functional>
#include <vector>

class TCategoryPanel;
class TPanel;

class TCategoryPanelGroup : public TCustomControl {
public:
  explicit TCategoryPanelGroup(TComponent* AOwner);

  // Scroll requests, as the window system's vertical scroll codes.
  static constexpr int SB_LINEUP = 0;
  static constexpr int SB_LINEDOWN = 1;
  static constexpr int SB_PAGEUP = 2;
  static constexpr int SB_PAGEDOWN = 3;
  static constexpr int SB_TOP = 6;
  static constexpr int SB_BOTTOM = 7;
  static constexpr int SB_ENDSCROLL = 8;
  static constexpr int kLine_Size = 8;         // pixels per scroll line
  static constexpr int kScroll_Bar_Width = 17;

  int HeaderHeight() const { return header_height_; }

  // The panels in stacking order (visible or not).
  std::vector<TCategoryPanel*> Panels() const;
  // Puts the visible panels one below the other, from the scroll position on.
  void Realign();

  // Total height of the visible panels.
  int ContentHeight() const;
  // Pixels scrolled, 0 .. ContentHeight - ClientHeight.
  int VertScrollPos() const { return scroll_pos_; }
  void SetVertScrollPos(int value);
  bool ScrollBarShown() const { return ContentHeight() > ClientHeight(); }
  // One scroll request (SB_...); SB_ENDSCROLL ends a run of requests and moves nothing.
  void VScroll(int code);

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  // Asked first about a wheel turn over the group, its panels and their client
  // areas (screen point); true = handled.
  std::function<bool(TShiftState Shift, int WheelDelta, TPoint MousePos)> OnMouseWheel;
  // A wheel turn over the group or one of its panels.
  bool WheelTurned(TShiftState Shift, int WheelDelta, TPoint MousePos);

protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;

private:
  TRect ScrollBarRect() const;
  TRect ThumbRect() const;
  int MaxScroll() const;

  int header_height_ = 24;
  int scroll_pos_ = 0;
  bool realigning_ = false;
  int drag_from_ = -1;  // mouse y where a thumb drag began, -1 when none
  int drag_pos_ = 0;
};

class TCategoryPanel : public TCustomControl {
public:
  explicit TCategoryPanel(TComponent* AOwner);

  TCategoryPanelGroup* PanelGroup() const;
  void SetPanelGroup(TCategoryPanelGroup* group);

  // The client area below the header: the parent of the panel's controls.
  TPanel* Surface() const { return surface_; }

  bool Collapsed() const { return collapsed_; }
  void SetCollapsed(bool value);
  void Collapse() { SetCollapsed(true); }
  void Expand() { SetCollapsed(false); }
  // The height the panel has when expanded (the height set in code).
  int ExpandedHeight() const { return expanded_height_; }

  // While collapsed, a height set in code is kept for the next expansion.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  // The rectangle of the header, in the panel's client pixels.
  TRect HeaderRect() const;

protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;
  void CMVisibleChanged(TMessage& Message) override;
  void CMTextChanged(TMessage& Message) override;

private:
  friend class TCategoryPanelGroup;
  void PlaceSurface();
  // Sets the bounds the group gives the panel, without touching the expanded height.
  void Place(int ALeft, int ATop, int AWidth);
  void Changed();

  TPanel* surface_ = nullptr;
  bool collapsed_ = false;
  int expanded_height_ = 200;
  bool placing_ = false;
};
