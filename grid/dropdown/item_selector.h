// The item selector of the picker drop-downs: a scrolling host
// (TExCustomItemSelector) that owns the items, their look and the settings, and
// one inner panel (TCustomItemSelector) that lays the tiles out in rows of
// Columns with one common tile size, sizes itself to fit them, draws them and
// tracks the hot and the selected tile. Keys are the owning drop-down's: it
// calls the navigation operations. Captions are drawn as their plain text.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "grid/dropdown/ex_drop_down.h"
#include "grid/dropdown/header_footer_settings.h"
#include "platform/rtl/collection.h"
#include "platform/ui/scroll_box.h"
#include "platform/ui/shapes.h"

class TSelectorItem : public TCollectionItem {
public:
  explicit TSelectorItem(TCollection* Collection);
  ~TSelectorItem() override;

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TPicture* Image() const { return FImage.get(); }
  void SetImage(const TPicture* Value);
  bool Enabled = true;
  QString Hint;
  TRect Rect;  // the tile in panel coordinates, written by the layout

  void Assign(const TPersistent* Source) override;

private:
  void Changed();
  QString FCaption;
  int FImageIndex = -1;
  TColor FColor = clNone;
  std::unique_ptr<TPicture> FImage;
};

using TSelectorItems = TNotifyingCollection<TSelectorItem>;

class TItemAppearance : public TPersistent {
public:
  explicit TItemAppearance(TPersistent* AOwner);
  ~TItemAppearance() override;

  TColor BorderColor = clNone, BorderColorTop = clNone, BorderColorBottom = clNone;
  TColor BorderColorHot = clNone, BorderColorSelected = clNone, EdgeColor = clNone;
  TColor ColorHot = clNone, ColorHotTo = clNone, ColorMirrorHot = clNone, ColorMirrorHotTo = clNone;
  TColor ColorSelected = clNone, ColorSelectedTo = clNone, ColorMirrorSelected = clNone;
  TColor ColorMirrorSelectedTo = clNone, ColorHotText = 0, ColorSelectedText = 0;
  TFont* Font() const { return FFont.get(); }
  void SetFont(const TFont* Value);
  TSelectionColorStyle ColorStyle() const { return FColorStyle; }
  // Loads the twelve colours of a selection style (scCustom changes nothing else).
  void SetColorStyle(TSelectionColorStyle Style);
  void Assign(const TPersistent* Source) override;
  TNotifyEvent OnChange;

private:
  TPersistent* FOwner;
  std::unique_ptr<TFont> FFont;
  TSelectionColorStyle FColorStyle = scCustom;
};

enum TSelectorType { stImage, stColor };
enum TItemLayout { ilCaptionLeft, ilCaptionRight, ilCaptionTop, ilCaptionBottom };

using TDrawItemEvent = std::function<void(TObject* Sender, TCanvas* Canvas, TRect R, int Index)>;
using TItemSizeEvent = std::function<void(TObject* Sender, TSize& ASize)>;

class TExCustomItemSelector;
class TCustomImageList;

class TCustomItemSelector : public TCustomControl {
public:
  // Raises "Invalid parent" unless the owner is a TExCustomItemSelector.
  explicit TCustomItemSelector(TComponent* AOwner);

  TExCustomItemSelector* ExItemSelector() const { return FExItemSelector; }
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  int ItemHot() const { return FItemHot; }
  void SetItemHot(int Value);
  TRect GetItemRect(int Index) const;
  int ItemAtXY(int X, int Y) const;

  void SelectFirst();
  void SelectLast();
  void SelectNext();
  void SelectPrevious();
  void HotNext();
  void HotPrevious();
  bool LookupItem(const QString& S);

  virtual void DrawItem(int Index, TCanvas* Canvas);
  virtual void GetItemsArea(TRect& R) const;
  virtual void GetItemSize(TSize& ASize);
  virtual void InvalidateItem(int Index);
  virtual void UpdateLayout();

  TNotifyEvent OnItemSelect;

protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void CMMouseLeave(TMessage& Message) override;

private:
  bool ValidIndex(int i) const;
  bool ItemEnabled(int i) const;
  // Draws a tile at once on the panel (the canvas of a paint, or a repaint).
  void DrawNow(int Index);

  int FItemIndex = -1;
  int FItemHot = -1;
  int FOffSetX = 2, FOffSetY = 2;
  int FItemOffSetX = 4, FItemOffSetY = 4;
  int FCaptionGap = 4;
  TExCustomItemSelector* FExItemSelector = nullptr;
};

class TExCustomItemSelector : public TScrollingWinControl {
public:
  explicit TExCustomItemSelector(TComponent* AOwner);
  ~TExCustomItemSelector() override;

  TSelectorItems* Items() const { return FItems.get(); }
  TSelectorType SelectorType() const { return FSelectorType; }
  void SetSelectorType(TSelectorType Value);
  TItemLayout ItemLayout = ilCaptionRight;  // takes effect at the next UpdateSelectorPanel
  int Columns() const { return FColumns; }
  void SetColumns(int Value);
  int ColorBoxWidth() const { return FColorBoxWidth; }
  void SetColorBoxWidth(int Value);
  int ColorBoxHeight() const { return FColorBoxHeight; }
  void SetColorBoxHeight(int Value);
  TItemAppearance* ItemAppearance() const { return FItemAppearance.get(); }
  void SetItemAppearance(const TItemAppearance* Value) { FItemAppearance->Assign(Value); }
  // The shared image list of items without an own picture (a new list relays out).
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  TCustomItemSelector* Panel() const { return FItemSelectorPanel; }

  int ItemIndex() const;
  void SetItemIndex(int Value);
  int ItemHot() const;
  void SelectFirst();
  void SelectLast();
  void SelectNext();
  void SelectPrevious();
  void HotNext();
  void HotPrevious();
  bool LookupItem(const QString& S);
  void ScrollItemInView(int Index);
  int GetVisibleItemCount() const;
  void GetSelectorPanelSize(int& W, int& H) const;
  void UpdateSelectorPanel();

  TNotifyEvent OnItemSelect;
  TDrawItemEvent OnDrawItem;
  TItemSizeEvent OnItemSize;

protected:
  void WMGetDlgCode(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  void CreateSelectorPanel();

  std::unique_ptr<TSelectorItems> FItems;
  TSelectorType FSelectorType = stImage;
  int FColumns = 1;
  int FColorBoxWidth = 14, FColorBoxHeight = 14;
  TCustomItemSelector* FItemSelectorPanel = nullptr;
  std::unique_ptr<TItemAppearance> FItemAppearance;
  TCustomImageList* FImages = nullptr;
};
