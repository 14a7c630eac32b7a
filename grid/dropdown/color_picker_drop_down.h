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
#include "grid/dropdown/selector_picker.h"
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

class TExColorPickerDropDown : public TSelectorPickerDropDown {
public:
  explicit TExColorPickerDropDown(TComponent* AOwner);
  ~TExColorPickerDropDown() override;

  TColorItems* Colors() const { return FColors.get(); }
  void SetColors(const TColorItems* Value) { FColors->Assign(Value); }
  // Every setting raises OnSelect, also when the index stays.
  void SetItemIndex(int Value) override;
  int ItemCount() const override { return FColors->Count(); }
  TColor SelectedColor() const { return FSelectedColor; }
  void SetSelectedColor(TColor Value);
  int ColorBoxWidth = 14, ColorBoxHeight = 14;
  TColorSelectionStyle ColorSelectionStyle() const { return FColorSelectionStyle; }
  void SetColorSelectionStyle(TColorSelectionStyle Value);
  bool ShowText() const { return FShowText; }
  void SetShowText(bool Value);
  TColorValueText ColorValueText = cvtNone;
  TOnDrawSelectedItem OnDrawSelectedColor;
  TDrawItemEvent OnDrawColor;

  // Appends the 16 basic colours (Black ... White).
  void AddDefaultColors();
  // The text the edit area shows for the colour.
  virtual void GetColorValueText(QString& Text);

  // The pop-up controls (created when their style is first used).
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
  void PrepareItemSelector() override;
  void PrepareStyle();
  void SizeForm();
  void DiscreteSelect();
  void PanelSelect(TColor Color);

  TExColorCubePanel* FColorCubePanel = nullptr;
  TExColorSpectrumPanel* FSpectrumPanel = nullptr;
  TCustomColorSelector* FColorSelector = nullptr;
  std::unique_ptr<TColorItems> FColors;
  TColorSelectionStyle FColorSelectionStyle = csList;
  TColor FSelectedColor = clNone;
  bool FShowText = true;
  TColor FOldSelectedColor = clNone;
  bool FDestroying = false;
};
