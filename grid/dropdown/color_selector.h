// A panel of small colour boxes in rows of a fixed number of columns
// (TCustomColorSelector): boxes stand alone, with a gap below their row, or are
// joined into vertical strips of shades that share their borders. It selects
// by mouse or by the keys its owner passes on and tracks a hot box.
#pragma once

#include <memory>

#include "grid/dropdown/color_panels.h"
#include "grid/dropdown/ex_drop_down.h"
#include "grid/dropdown/header_footer_settings.h"
#include "platform/rtl/collection.h"

enum TItemPos { ipStandAlone, ipTop, ipMiddle, ipBottom };

class TColorBoxItem : public TCollectionItem {
public:
  explicit TColorBoxItem(TCollection* Collection) : TCollectionItem(Collection) {}
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  bool FEnabled = true;
  TRect FRect;  // written by the layout
  TItemPos ColorBoxPos = ipStandAlone;
  void Assign(const TPersistent* Source) override;

private:
  TColor FColor = clNone;
};

using TColorBoxItems = TNotifyingCollection<TColorBoxItem>;

class TColorBoxAppearance : public TPersistent {
public:
  TColor BorderColor = 0xC5C5C5;
  TColor OuterBorderColorHot = 0x3694F2;
  TColor InnerBorderColorHot = 0x94E2FF;
  TColor OuterBorderColorSelected = 0x0000FF;
  TColor InnerBorderColorSelected = 0x94E2FF;
  void Assign(const TPersistent* Source) override;
  TNotifyEvent OnChange;  // never raised
};

class TCustomColorSelector : public TExCustomColorSelectorPanel {
public:
  explicit TCustomColorSelector(TComponent* AOwner);
  ~TCustomColorSelector() override;

  TColorBoxItems* Items() const { return FItems.get(); }
  TColorBoxAppearance* ColorBoxAppearance() const { return FColorBoxAppearance.get(); }
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Index);
  int ItemHot() const { return FItemHot; }
  void SetItemHot(int Index);
  TColor SelectedColor() const { return FSelectedColor; }
  void SetSelectedColor(TColor Value);
  int Columns() const { return FColumns; }
  void SetColumns(int Value);
  int ColumnGap() const { return FColumnGap; }
  void SetColumnGap(int Value);
  int ColorBoxWidth() const { return FColorBoxWidth; }
  void SetColorBoxWidth(int Value);
  int ColorBoxHeight() const { return FColorBoxHeight; }
  void SetColorBoxHeight(int Value);
  TSelectionColorStyle ItemColorStyle() const { return FItemColorStyle; }
  void SetItemColorStyle(TSelectionColorStyle Value);
  TNotifyEvent OnItemSelect;

  void SelectFirst();
  void SelectLast();
  void SelectNext();
  void SelectPrevious();
  void HotNext();
  void HotPrevious();
  // Page Up/Down, Home, End, the arrows; Up and Down move by a row while open.
  void HandleKey(int Key, bool EditorEnabled, bool DroppedDown);
  int ItemAtXY(int X, int Y) const;
  TRect GetItemRect(int Index) const;
  // The 60 boxes: ten base colours over ten strips of five shades.
  void LoadDefaultPalette();

  virtual void DrawItem(int Index, TCanvas* Canvas);
  virtual void GetItemsArea(TRect& R) const;
  virtual void GetItemSize(TSize& Size) const;
  virtual void UpdateLayout();
  virtual void InvalidateItem(int Index);

protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void CMMouseLeave(TMessage& Message) override;

private:
  bool IsBox(int Index) const { return Index >= 0 && Index < FItems->Count(); }
  bool BoxEnabled(int Index) const { return IsBox(Index) && FItems->Items(Index)->FEnabled; }

  int FItemIndex = -1;
  int FItemHot = -1;
  int FOffSetX = 4, FOffSetY = 4;
  int FColumns = 10;
  int FColumnGap = 4;
  int FColorBoxHeight = 12, FColorBoxWidth = 12;
  std::unique_ptr<TColorBoxAppearance> FColorBoxAppearance;
  std::unique_ptr<TColorBoxItems> FItems;
  TSelectionColorStyle FItemColorStyle = scOffice2007;
  TColor FSelectedColor = clNone;
};
