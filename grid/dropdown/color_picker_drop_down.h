// A drop-down whose value is a colour (TExColorPickerDropDown): the edit area
// shows a colour box and, optionally, a text of the colour; the pop-up offers
// colours as a list of named colours (csList), a palette of boxes in shade
// strips (csDiscrete), a honeycomb of colour cells (csColorCube) or a spectrum
// picture (csSpectrum).
#pragma once

#include <memory>

#include "grid/dropdown/color_value_text.h"
#include "grid/dropdown/ex_drop_down.h"
#include "grid/dropdown/header_footer_settings.h"
#include "grid/dropdown/item_selector.h"
#include "platform/rtl/collection.h"

class TExColorCubePanel;
class TExColorSpectrumPanel;
class TCustomColorSelector;
class TTimer;

enum TColorSelectionStyle { csList, csDiscrete, csColorCube, csSpectrum };

class TColorItem : public TCollectionItem {
public:
  explicit TColorItem(TCollection* Collection) : TCollectionItem(Collection) {}
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  bool FEnabled = true;
  QString Hint;
  void Assign(const TPersistent* Source) override;

private:
  void Changed();
  QString FCaption;
  TColor FColor = clNone;
};

using TColorItems = TNotifyingCollection<TColorItem>;

using TOnDrawSelectedItem = std::function<void(TObject* Sender, TCanvas* Canvas, TRect R)>;

class TExColorPickerDropDown : public TExCustomDropDown {
public:
  explicit TExColorPickerDropDown(TComponent* AOwner);
  ~TExColorPickerDropDown() override;

  TColorItems* Colors() const { return FColors.get(); }
  void SetColors(const TColorItems* Value) { FColors->Assign(Value); }
  int Columns = 1;
  TItemLayout Layout = ilCaptionRight;
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  TColor SelectedColor() const { return FSelectedColor; }
  void SetSelectedColor(TColor Value);
  int ColorBoxWidth = 14, ColorBoxHeight = 14;
  TColorSelectionStyle ColorSelectionStyle() const { return FColorSelectionStyle; }
  void SetColorSelectionStyle(TColorSelectionStyle Value);
  bool ShowText() const { return FShowText; }
  void SetShowText(bool Value);
  TItemAppearance* ItemAppearance() const { return FItemAppearance.get(); }
  void SetItemAppearance(const TItemAppearance* Value) { FItemAppearance->Assign(Value); }
  TColorValueText ColorValueText = cvtNone;
  TNotifyEvent OnSelect;
  TOnDrawSelectedItem OnDrawSelectedColor;
  TDrawItemEvent OnDrawColor;

  // Appends the 16 basic colours (Black ... White).
  void AddDefaultColors();
  void SelectFirst();
  void SelectLast();
  void SelectNext();
  void SelectPrevious();
  // The text the edit area shows for the colour.
  virtual void GetColorValueText(QString& Text);
  void SetComponentStyle(TSuiteStyle AStyle) override;
  void SetSelectionColorStyle(TSelectionColorStyle Value) override;

  // The pop-up controls (created when their style is first used).
  TExCustomItemSelector* ItemSelector() const { return FItemSelector; }
  TCustomColorSelector* ColorSelector() const { return FColorSelector; }
  TExColorCubePanel* ColorCubePanel() const { return FColorCubePanel; }
  TExColorSpectrumPanel* SpectrumPanel() const { return FSpectrumPanel; }
  // Paints the colour box and text of the edit area.
  void PaintSelectedColor(TCanvas* Canvas);

protected:
  void CreateDropDownForm() override;
  void BeforeDropDown() override;
  void UpdateDropDownControl() override;
  void UpdateDropDownSize() override;
  void DoHideDropDown(bool Cancelled) override;
  void DropDownFormDestroy() override;
  void HandleMouseWheelDown() override;
  void HandleMouseWheelUp() override;
  void PaintFocusedText() override;
  void WMKeyDown(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  void CreateStyleControl();
  TControl* StyleControl() const;
  void HideOthers(TControl* Shown);
  void PrepareItemSelector();
  void PrepareStyle();
  void SizeForm();
  void SelectorItemSelect();
  void DiscreteSelect();
  void PanelSelect(TColor Color);
  void KeyTimerTick();

  TExCustomItemSelector* FItemSelector = nullptr;
  TExColorCubePanel* FColorCubePanel = nullptr;
  TExColorSpectrumPanel* FSpectrumPanel = nullptr;
  TCustomColorSelector* FColorSelector = nullptr;
  std::unique_ptr<TColorItems> FColors;
  int FItemIndex = -1;
  TColorSelectionStyle FColorSelectionStyle = csList;
  TColor FSelectedColor = clNone;
  bool FShowText = true;
  std::unique_ptr<TItemAppearance> FItemAppearance;
  bool FInternalCall = false;
  TTimer* FKeyTimer = nullptr;
  QString FCurSearch;
  int FOldItemIndex = -1;
  TColor FOldSelectedColor = clNone;
  bool FDestroying = false;
};
