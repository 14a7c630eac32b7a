// The header and footer bars of a drop-down's pop-up (TExHeader, TExFooter):
// a gradient or solid background with border lines, an image, a caption and a
// row of push buttons built from the drop-down's button collection; clicks on
// them are reported through the drop-down's header and footer button events
// with the button's index. The footer reserves room for a size grip at its
// right end and sizes the pop-up when the grip is dragged. Captions are
// mini-HTML texts, drawn by the grid's renderer with the bar's image list.
#pragma once

#include <memory>
#include <vector>

#include "grid/dropdown/ex_drop_down.h"
#include "platform/ui/control.h"

class TExButton;
class TCustomImageList;

// A list of untyped references with checked indexed access.
class TDbgList {
public:
  int Count() const { return static_cast<int>(items_.size()); }
  void Add(void* p) { items_.push_back(p); }
  void Clear() { items_.clear(); }
  // Raise "Index out of bounds in list read access" / "... write access" for an
  // index at or past the count (negative indexes: the list's own range error).
  void* GetItemsEx(int Index) const;
  void SetItemsEx(int Index, void* Value);
  void AssignList(const TDbgList& List) { items_ = List.items_; }

private:
  std::vector<void*> items_;
};

// What the header and the footer share; the footer adds the size grip.
class TExBar : public TCustomControl {
public:
  ~TExBar() override;

  TCustomImageList* Images = nullptr;
  TExCustomDropDown* ExDropDown() const { return FExDropDown; }
  void SetExDropDown(TExCustomDropDown* DropDown);
  void InitButtons();
  void AppearanceChanged();
  int ButtonCount() const { return FButtonList.Count(); }
  TExButton* Buttons(int i) const { return static_cast<TExButton*>(FButtonList.GetItemsEx(i)); }

  virtual TRect GetButtonArea() const;
  int GetButtonAreaHeight() const;
  TRect GetTextRect() const;
  virtual void BuildButtons();
  virtual void ClearButtons();
  virtual void ArrangeButtons();
  virtual void UpdateButtons();
  void ButtonClick(TObject* Sender);

  TDrawBackGroundEvent OnDrawBackGround;
  TGetTextEvent OnGetText;

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
  TExBar(TComponent* AOwner, bool footer);
  void Paint() override;
  virtual void PaintGrip(TRect R) { (void)R; }

  // The appearance values the painting and layout read.
  struct Look {
    TColor Color, ColorTo, BorderColor;
    int BorderWidth, ImageIndex, Height;
    QString Caption;
    const TFont* Font;
    TGradientDirection GradientDirection;
    TButtonAlignment ButtonAlignment;
    bool Visible;
  };
  virtual Look GetLook() const = 0;
  // The drop-down's button items: caption, image, enabled, width, height, modal result.
  struct Item {
    QString Caption;
    int ImageIndex, Width, Height, ModalResult;
    bool Enabled;
  };
  virtual std::vector<Item> DropDownItems() const = 0;
  virtual void CopyAppearanceFrom(TExCustomDropDown* DropDown) = 0;

  TExCustomDropDown* FExDropDown = nullptr;
  TDbgList FButtonList;
  bool FFooter;
};

class TExHeader : public TExBar {
public:
  explicit TExHeader(TComponent* AOwner);
  THeaderAppearance* Appearance() const { return FAppearance.get(); }

protected:
  Look GetLook() const override;
  std::vector<Item> DropDownItems() const override;
  void CopyAppearanceFrom(TExCustomDropDown* DropDown) override;

private:
  std::unique_ptr<THeaderAppearance> FAppearance;
};

class TExFooter : public TExBar {
public:
  explicit TExFooter(TComponent* AOwner);
  TFooterAppearance* Appearance() const { return FAppearance.get(); }
  // The grip shows: the appearance asks for it and the linked drop-down is sizeable.
  bool ShowSizeGrip() const;
  TRect GetButtonArea() const override;
  void DrawSizeGrip(TCanvas* Canvas, TRect G);

protected:
  Look GetLook() const override;
  std::vector<Item> DropDownItems() const override;
  void CopyAppearanceFrom(TExCustomDropDown* DropDown) override;
  void PaintGrip(TRect R) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void CMMouseEnter(TMessage& Message) override;
  void CMMouseLeave(TMessage& Message) override;

private:
  bool InGrip(int X, int Y) const;
  std::unique_ptr<TFooterAppearance> FAppearance;
  TCursor FOldCursor = crDefault;
  bool sizing_ = false;
  TPoint size_origin_;
  int size_w_ = 0, size_h_ = 0;
};
