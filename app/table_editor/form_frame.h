// The frame the program's editor forms share: a title panel with the model's code
// and description above, a panel of push buttons along the bottom, and for the
// table editors their six row buttons and a page control with two sheets.
#pragma once

#include "controls/button/fade_button.h"
#include "platform/ui/form.h"
#include "platform/ui/graphics.h"

#include <QString>
#include <array>

class TLabel;
class TPageControl;
class TPanel;
class TTabSheet;

struct TFormTitle {
  TPanel* Panel = nullptr;
  TLabel* Code = nullptr;  // L_SW_Code, 14 pt bold
  TLabel* Desc = nullptr;  // L_SW_Desc
};

// The title panel P_Title with L_SW_Code (`codeWidth` wide, grey when `greyCode`)
// and L_SW_Desc (`descWidth` wide).
TFormTitle Make_Form_Title(TForm* form, TColor color, int codeWidth, int descWidth, bool greyCode);
// The title as the sibling models' editors show it: L_SW_Code in plain grey of 32
// pixels, L_SW_Desc in grey bold.
void Set_Editor_Title_Look(const TFormTitle& title);
// A small dialog of the sibling models' editors: named `name`, in the editors'
// colour, centred on the screen, in 8-point Verdana, with the title panel as
// those editors show it (code 300 wide, description `descWidth` wide).
TFormTitle Make_Dialog_Frame(TForm* form, const QString& name, int descWidth);
// A label named `name` on the form at (left, top).
TLabel* Make_Named_Label(TForm* form, const QString& name, int left, int top);
// The button panel P_Button.
TPanel* Make_Button_Panel(TForm* form, TColor color);
// A push button named `name` on the button panel, 28 pixels high at top 6.
TFadeButton* Make_Panel_Button(TForm* form, TPanel* panel, const QString& name, int left, int width);

// A form framed as the program's editors are: the title panel P_Title (L_SW_Code,
// L_SW_Desc) along the top, the button panel P_Button with OK and Cancel along the
// bottom, the form's own controls in between. A derived form builds the title with
// Make_Title and its buttons with Make_OK_Cancel (or its own), and lays the two
// panels out with Place_Frame.
class TFramedForm : public TForm {
public:
  static constexpr int kTitle_Height = 69;
  static constexpr int kButtons_Height = 40;
  static constexpr TColor kForm_Color = 0xEDF7F8;

  TPanel* P_Title = nullptr;
  TLabel* L_SW_Code = nullptr;
  TLabel* L_SW_Desc = nullptr;
  TPanel* P_Button = nullptr;
  TFadeButton* Btn_OK = nullptr;
  TFadeButton* Btn_Cancel = nullptr;

protected:
  using TForm::TForm;
  // The title panel (Make_Form_Title; `editorLook`: as the sibling models' editors
  // show it, Set_Editor_Title_Look).
  void Make_Title(int codeWidth, int descWidth, bool greyCode, bool editorLook);
  // The button panel, when there is none yet, with OK at `okLeft`, its click running
  // `onOK`, and Cancel (modal result Cancel) at `cancelLeft`, both `width` wide.
  void Make_OK_Cancel(int okLeft, int cancelLeft, int width, TNotifyEvent onOK);
  // The title panel across the top and the button panel across the bottom of the
  // client area; answers the height left between them.
  int Place_Frame();
};

struct TTwoSheets {
  TPageControl* Pages = nullptr;  // PageControl1
  TTabSheet* First = nullptr;
  TTabSheet* Second = nullptr;
};

// The page control PageControl1 filling the form's middle, with two sheets named
// `first` and `second`.
TTwoSheets Make_Two_Sheets(TForm* form, const QString& first, const QString& second);

// The six buttons of a table editor form on its button panel: OK, Cancel (modal
// result Cancel), Delete, Insert, Copy and Paste Row, each wired to the form's
// handler of the same name.
template <typename F>
void Make_Row_Buttons(F* form, TPanel* panel) {
  struct TPlace {
    TFadeButton* F::*Button;
    const char16_t* Name;
    int Left;
  };
  static constexpr TPlace places[] = {
      {&F::Btn_OK, u"Btn_OK", 16},           {&F::Btn_Cancel, u"Btn_Cancel", 134},
      {&F::Btn_DelRow, u"Btn_DelRow", 252},   {&F::Btn_InsRow, u"Btn_InsRow", 370},
      {&F::Btn_CopyRow, u"Btn_CopyRow", 488}, {&F::Btn_PasteRow, u"Btn_PasteRow", 606},
  };
  for (const TPlace& place : places)
    form->*place.Button = Make_Panel_Button(form, panel, QString::fromUtf16(place.Name), place.Left, 110);
  form->Btn_Cancel->SetModalResult(mrCancel);
  form->Btn_OK->OnClick = [form](TObject* s) { form->Btn_OKClick(s); };
  form->Btn_DelRow->OnClick = [form](TObject* s) { form->Btn_DelRowClick(s); };
  form->Btn_InsRow->OnClick = [form](TObject* s) { form->Btn_InsRowClick(s); };
  form->Btn_CopyRow->OnClick = [form](TObject* s) { form->Btn_CopyRowClick(s); };
  form->Btn_PasteRow->OnClick = [form](TObject* s) { form->Btn_PasteRowClick(s); };
}

// The six row buttons of a table editor form in their order on the panel.
template <typename F>
std::array<TFadeButton*, 6> Row_Buttons(F* form) {
  return {form->Btn_OK, form->Btn_Cancel, form->Btn_DelRow, form->Btn_InsRow, form->Btn_CopyRow, form->Btn_PasteRow};
}
