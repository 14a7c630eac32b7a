#include "grid/dropdown/color_picker_drop_down.h"

#include "grid/dropdown/color_panels.h"
#include "grid/dropdown/color_selector.h"
#include "grid/dropdown/drop_down_form.h"
#include "platform/ui/canvas.h"
#include "platform/ui/control_canvas.h"

namespace {

struct NamedColor {
  const char* caption;
  unsigned rgb;  // RRGGBB
};
constexpr NamedColor kDefaultColors[] = {
    {"Black", 0x000000}, {"Maroon", 0x800000}, {"Green", 0x008000}, {"Olive", 0x808000},
    {"Navy", 0x000080},  {"Purple", 0x800080}, {"Teal", 0x008080},  {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0xFF0000},   {"Lime", 0x00FF00},  {"Yellow", 0xFFFF00},
    {"Blue", 0x0000FF},  {"Fuchsia", 0xFF00FF}, {"Aqua", 0x00FFFF}, {"White", 0xFFFFFF},
};

TColor FromRGB(unsigned rgb) { return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF); }

}  // namespace

// --- colour items ---

void TColorItem::Changed() {
  if (auto* items = dynamic_cast<TColorItems*>(Collection())) items->DoChange();
}

void TColorItem::SetCaption(const QString& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  Changed();
}

void TColorItem::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  Changed();
}

void TColorItem::Assign(const TPersistent* Source) {
  auto* s = dynamic_cast<const TColorItem*>(Source);
  if (!s) return TCollectionItem::Assign(Source);
  SetCaption(s->FCaption);
  SetColor(s->FColor);
  FEnabled = s->FEnabled;
  Hint = s->Hint;
}

// --- the picker ---

TExColorPickerDropDown::TExColorPickerDropDown(TComponent* AOwner)
    : TSelectorPickerDropDown(AOwner), FColors(std::make_unique<TColorItems>(this)) {
  FColors->OnChange = [](TObject*) {};
  SetDropDownHeight(200);
  DropDownHeader()->SetVisible(false);
  DropDownFooter()->SetVisible(false);
  CreateDropDownForm();
}

TExColorPickerDropDown::~TExColorPickerDropDown() { FDestroying = true; }

void TExColorPickerDropDown::Notification(TComponent* AComponent, TOperation Operation) {
  TSelectorPickerDropDown::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FColorCubePanel) FColorCubePanel = nullptr;
  if (AComponent == FSpectrumPanel) FSpectrumPanel = nullptr;
  if (AComponent == FColorSelector) FColorSelector = nullptr;
}

void TExColorPickerDropDown::AddDefaultColors() {
  for (const NamedColor& c : kDefaultColors) {
    TColorItem* item = FColors->Add();
    item->SetCaption(QString::fromLatin1(c.caption));
    item->SetColor(FromRGB(c.rgb));
  }
}

void TExColorPickerDropDown::SetItemIndex(int Value) {
  if (Value >= FColors->Count()) return;
  FItemIndex = Value;
  if (Value >= 0) FSelectedColor = FColors->Items(Value)->Color();
  Invalidate();
  if (OnSelect) OnSelect(this);
}

void TExColorPickerDropDown::SetSelectedColor(TColor Value) {
  if (Value == FSelectedColor) return;
  FSelectedColor = Value;
  for (int i = 0; i < FColors->Count(); ++i)
    if (FColors->Items(i)->Color() == Value) {
      SetItemIndex(i);
      break;
    }
  Invalidate();
}

void TExColorPickerDropDown::SetShowText(bool Value) {
  if (Value == FShowText) return;
  FShowText = Value;
  Invalidate();
}

void TExColorPickerDropDown::GetColorValueText(QString& Text) {
  if (FColorSelectionStyle == csList && FItemIndex >= 0 && FItemIndex < FColors->Count()) {
    Text = FColors->Items(FItemIndex)->Caption();
    return;
  }
  Text = ::ColorValueText(FSelectedColor, ColorValueText);
}

// --- pop-up controls ---

void TExColorPickerDropDown::CreateStyleControl() {
  if (!FDropDownForm) return;
  TControl* c = nullptr;
  switch (FColorSelectionStyle) {
    case csList: CreateItemSelector(stColor); return;
    case csDiscrete:
      if (!FColorSelector) {
        FColorSelector = new TCustomColorSelector(this);
        FColorSelector->SetParent(FDropDownForm);
        FColorSelector->LoadDefaultPalette();
      }
      FColorSelector->UpdateLayout();
      c = FColorSelector;
      break;
    case csColorCube:
      if (!FColorCubePanel) {
        FColorCubePanel = new TExColorCubePanel(this);
        FColorCubePanel->SetParent(FDropDownForm);
      }
      c = FColorCubePanel;
      break;
    case csSpectrum:
      if (!FSpectrumPanel) {
        FSpectrumPanel = new TExColorSpectrumPanel(this);
        FSpectrumPanel->SetParent(FDropDownForm);
      }
      c = FSpectrumPanel;
      break;
  }
  c->SetBounds(0, 0, c->Width(), c->Height());
  c->SetColor(DropDownColor);
  SetControl(c);
}

TControl* TExColorPickerDropDown::StyleControl() const {
  switch (FColorSelectionStyle) {
    case csList: return FItemSelector;
    case csDiscrete: return FColorSelector;
    case csColorCube: return FColorCubePanel;
    case csSpectrum: return FSpectrumPanel;
  }
  return nullptr;
}

void TExColorPickerDropDown::HideOthers(TControl* Shown) {
  for (TControl* c : {static_cast<TControl*>(FItemSelector), static_cast<TControl*>(FColorSelector),
                      static_cast<TControl*>(FColorCubePanel), static_cast<TControl*>(FSpectrumPanel)})
    if (c) c->SetVisible(c == Shown);
}

void TExColorPickerDropDown::CreateDropDownForm() {
  TSelectorPickerDropDown::CreateDropDownForm();
  CreateStyleControl();
}

void TExColorPickerDropDown::PrepareItemSelector() {
  TExCustomItemSelector* s = FItemSelector;
  s->OnItemSelect = nullptr;
  s->SetColumns(Columns);
  s->ItemLayout = Layout;
  s->SetImages(Images());
  s->SetColor(DropDownColor);
  s->Items()->Clear();
  for (int i = 0; i < FColors->Count(); ++i) {
    TSelectorItem* item = s->Items()->Add();
    item->SetCaption(FColors->Items(i)->Caption());
    item->SetColor(FColors->Items(i)->Color());
    item->Hint = FColors->Items(i)->Hint;
  }
  s->SetColorBoxHeight(ColorBoxHeight);
  s->SetColorBoxWidth(ColorBoxWidth);
  s->SetItemAppearance(FItemAppearance.get());
  s->UpdateSelectorPanel();
  HookSelector();
  if (OnDrawColor) s->OnDrawItem = [this](TObject*, TCanvas* C, TRect R, int Index) { OnDrawColor(this, C, R, Index); };
  else s->OnDrawItem = nullptr;
}

// The steps of an opening (and of a style change) for the current style.
void TExColorPickerDropDown::PrepareStyle() {
  CreateStyleControl();
  HideOthers(StyleControl());
  switch (FColorSelectionStyle) {
    case csList: PrepareItemSelector(); break;
    case csDiscrete:
      FColorSelector->SetSelectedColor(FSelectedColor);
      FColorSelector->UpdateLayout();
      FColorSelector->OnItemSelect = [this](TObject*) { DiscreteSelect(); };
      FColorSelector->SetItemColorStyle(SelectionColorStyle());
      break;
    case csColorCube:
      FColorCubePanel->SetSelectedColor(FSelectedColor);
      FColorCubePanel->InitCubeCells();
      FColorCubePanel->ResetHotIndex();
      FColorCubePanel->OnSelect = [this](TObject*) { PanelSelect(FColorCubePanel->SelectedColor()); };
      break;
    case csSpectrum:
      FSpectrumPanel->SetSelectedColor(FSelectedColor);
      FSpectrumPanel->ArrangePanel();
      FSpectrumPanel->OnSelect = [this](TObject*) { PanelSelect(FSpectrumPanel->SelectedColor()); };
      break;
  }
  FOldSelectedColor = FSelectedColor;
}

void TExColorPickerDropDown::BeforeDropDown() {
  TSelectorPickerDropDown::BeforeDropDown();
  PrepareStyle();
}

void TExColorPickerDropDown::SetColorSelectionStyle(TColorSelectionStyle Value) {
  if (Value == FColorSelectionStyle) return;
  FColorSelectionStyle = Value;
  if (ComponentState().Contains(csDesigning)) return;
  // The size the user gave the pop-up of another style does not fit this one.
  const int w = DropDownWidth(), h = DropDownHeight();
  SetDropDownWidth(w + 1);
  SetDropDownWidth(w);
  SetDropDownHeight(h + 1);
  SetDropDownHeight(h);
  PrepareStyle();
  SizeForm();
  if (FDropDownForm) FDropDownForm->Invalidate();
}

void TExColorPickerDropDown::UpdateDropDownControl() {
  TSelectorPickerDropDown::UpdateDropDownControl();
  if (FDropDownForm && FColorSelectionStyle != csList) FDropDownForm->Sizeable = false;
}

// The list's pop-up fits the list's content unless a size is set; the other
// styles take their control's size.
void TExColorPickerDropDown::SizeForm() {
  if (!FDropDownForm) return;
  const int b = DropDownBorderWidth;
  int hf = 0;
  if (DropDownHeader()->Visible()) hf += DropDownHeader()->Height;
  if (DropDownFooter()->Visible()) hf += DropDownFooter()->Height;
  if (FColorSelectionStyle == csList) return SizeSelectorForm();
  TControl* c = StyleControl();
  const bool shown = c && c->Visible();
  const int w = shown ? c->Width() + 2 * b : Width();
  const int h = 2 * b + hf + (shown ? c->Height() : 0);
  FDropDownForm->SetBounds(FDropDownForm->Left(), FDropDownForm->Top(), w, h);
}

void TExColorPickerDropDown::UpdateDropDownSize() { SizeForm(); }

void TExColorPickerDropDown::DiscreteSelect() {
  SetSelectedColor(FColorSelector->SelectedColor());
  SetItemIndex(-1);
  if (!FInternalCall) DoHideDropDown(false);
}

void TExColorPickerDropDown::PanelSelect(TColor Color) {
  SetSelectedColor(Color);
  SetItemIndex(-1);
  DoHideDropDown(false);
}

void TExColorPickerDropDown::DoHideDropDown(bool Cancelled) {
  TSelectorPickerDropDown::DoHideDropDown(Cancelled);
  if (!Cancelled) return;
  if (FColorSelectionStyle == csList) RestoreOnCancel(Cancelled);
  if (FColorSelectionStyle == csDiscrete && FColorSelector) FColorSelector->SetSelectedColor(FOldSelectedColor);
}

void TExColorPickerDropDown::DropDownFormDestroy() {
  TSelectorPickerDropDown::DropDownFormDestroy();
  if (FDestroying) return;
  FItemSelector = nullptr;
  FColorCubePanel = nullptr;
  FSpectrumPanel = nullptr;
  FColorSelector = nullptr;
}

// --- wheel and keys ---

void TExColorPickerDropDown::HandleMouseWheelDown() {
  TSelectorPickerDropDown::HandleMouseWheelDown();
  if (FColorSelectionStyle == csList) ListWheel(true);
  if (FColorSelectionStyle != csDiscrete || !FColorSelector || !Enabled() || ReadOnly()) return;
  FInternalCall = true;
  DroppedDown() ? FColorSelector->HotNext() : FColorSelector->SelectNext();
  FInternalCall = false;
}

void TExColorPickerDropDown::HandleMouseWheelUp() {
  TSelectorPickerDropDown::HandleMouseWheelUp();
  if (FColorSelectionStyle == csList) ListWheel(false);
  if (FColorSelectionStyle != csDiscrete || !FColorSelector || !Enabled() || ReadOnly()) return;
  FInternalCall = true;
  DroppedDown() ? FColorSelector->HotPrevious() : FColorSelector->SelectPrevious();
  FInternalCall = false;
}

void TExColorPickerDropDown::WMKeyDown(TMessage& Message) {
  const int key = Message.CharCode();
  bool handled = false;
  // 1.
  if (FColorSelectionStyle == csList) {
    handled = PickHotOnEnter(key);
  } else if (Enabled() && DroppedDown() && key == VK_RETURN && FColorSelectionStyle == csDiscrete && FColorSelector &&
             FColorSelector->ItemHot() >= 0) {
    FColorSelector->SetItemIndex(FColorSelector->ItemHot());
    handled = true;
  }
  // 2.
  TSelectorPickerDropDown::WMKeyDown(Message);
  if (!Enabled() || GetKeyState(VK_MENU) < 0) return;
  // 3.
  if (FColorSelectionStyle == csList) ListKeys(key, handled);
  // 4.
  if (FColorSelectionStyle == csDiscrete && FColorSelector) {
    FInternalCall = true;
    FColorSelector->HandleKey(key, EditorEnabled(), DroppedDown());
    FInternalCall = false;
    if (key == VK_RETURN && !handled && OnSelect) OnSelect(this);
  }
}

// --- the edit area ---

void TExColorPickerDropDown::PaintSelectedColor(TCanvas* c) {
  const TRect R = Rect(1, 1, Width() - DropDownButtonWidth() - 2, Height() - 2);
  if (OnDrawSelectedColor) {
    OnDrawSelectedColor(this, c, R);
    return;
  }
  if (FSelectedColor == clNone) return;
  const int top = (Height() - ColorBoxHeight) / 2 + R.Top;
  const TRect box = Rect(R.Left + 4, top, R.Left + 4 + ColorBoxWidth, top + ColorBoxHeight);
  c->Pen()->SetColor(clBlack);
  c->Pen()->SetWidth(1);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(FSelectedColor);
  c->Rectangle(box);
  if (!FShowText) return;
  const bool focused = Focused();
  c->SetFont(Font());
  if (!EditorEnabled() && focused) c->Font()->SetColor(clHighlightText);
  QString text;
  GetColorValueText(text);
  TRect t = Rect(box.Right + 4, R.Top, R.Right, R.Bottom);
  c->Brush()->SetColor(focused ? clHighlight : Color());
  c->FillRect(t);
  c->Brush()->SetStyle(bsClear);
  c->DrawText(text, t, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
  c->Brush()->SetStyle(bsSolid);
}

void TExColorPickerDropDown::PaintFocusedText() { TSelectorPickerDropDown::PaintFocusedText(); }

void TExColorPickerDropDown::Dispatch(TMessage& Message) {
  TSelectorPickerDropDown::Dispatch(Message);
  if (Message.Msg != WM_PAINT) return;
  TControlCanvas c(this);
  if (c.Drawing()) PaintSelectedColor(&c);
}
