#include "app/table_editor/form_frame.h"

#include "controls/button/fade_button.h"
#include "platform/ui/form.h"
#include "platform/ui/labels.h"
#include "platform/ui/page_control.h"
#include "platform/ui/shapes.h"

#include <algorithm>

namespace {

TLabel* makeLabel(TForm* form, TPanel* parent, const QString& name, int top, int width, int height) {
  auto* label = new TLabel(form);
  label->SetName(name);
  label->SetParent(parent);
  label->SetBounds(16, top, width, height);
  return label;
}

}  // namespace

TFormTitle Make_Form_Title(TForm* form, TColor color, int codeWidth, int descWidth, bool greyCode) {
  TFormTitle title;
  title.Panel = new TPanel(form);
  title.Panel->SetName(QStringLiteral("P_Title"));
  title.Panel->SetParent(form);
  title.Panel->SetBevelOuter(bvNone);
  title.Panel->SetColor(color);
  title.Code = makeLabel(form, title.Panel, QStringLiteral("L_SW_Code"), 8, codeWidth, 24);
  // The code's font in one step (each step would size the label again).
  TFont code;
  code.Assign(*title.Code->Font());
  code.SetSize(14);
  code.SetStyle({fsBold});
  if (greyCode) code.SetColor(clGray);
  title.Code->Font()->Assign(code);
  title.Desc = makeLabel(form, title.Panel, QStringLiteral("L_SW_Desc"), 42, descWidth, 16);
  return title;
}

void Set_Editor_Title_Look(const TFormTitle& title) {
  title.Code->SetBounds(16, 8, title.Code->Width(), 34);
  TFont code;
  code.Assign(*title.Code->Font());
  code.SetHeight(-32);
  code.SetStyle({});
  code.SetColor(clGray);
  title.Code->Font()->Assign(code);
  TFont desc;
  desc.Assign(*title.Desc->Font());
  desc.SetColor(clGray);
  desc.SetStyle({fsBold});
  title.Desc->Font()->Assign(desc);
}

TPanel* Make_Button_Panel(TForm* form, TColor color) {
  auto* panel = new TPanel(form);
  panel->SetName(QStringLiteral("P_Button"));
  panel->SetParent(form);
  panel->SetBevelOuter(bvNone);
  panel->SetColor(color);
  return panel;
}

TFadeButton* Make_Panel_Button(TForm* form, TPanel* panel, const QString& name, int left, int width) {
  auto* button = new TFadeButton(form);
  button->SetName(name);
  button->SetParent(panel);
  button->SetBounds(left, 6, width, 28);
  return button;
}

TTwoSheets Make_Two_Sheets(TForm* form, const QString& first, const QString& second) {
  TTwoSheets sheets;
  sheets.Pages = new TPageControl(form);
  sheets.Pages->SetName(QStringLiteral("PageControl1"));
  sheets.Pages->SetParent(form);
  sheets.First = new TTabSheet(form);
  sheets.First->SetName(first);
  sheets.First->SetPageControl(sheets.Pages);
  sheets.Second = new TTabSheet(form);
  sheets.Second->SetName(second);
  sheets.Second->SetPageControl(sheets.Pages);
  return sheets;
}

void TFramedForm::Make_Title(int codeWidth, int descWidth, bool greyCode, bool editorLook) {
  const TFormTitle title = Make_Form_Title(this, kForm_Color, codeWidth, descWidth, greyCode);
  if (editorLook) Set_Editor_Title_Look(title);
  P_Title = title.Panel;
  L_SW_Code = title.Code;
  L_SW_Desc = title.Desc;
}

void TFramedForm::Make_OK_Cancel(int okLeft, int cancelLeft, int width, TNotifyEvent onOK) {
  if (!P_Button) P_Button = Make_Button_Panel(this, kForm_Color);
  Btn_OK = Make_Panel_Button(this, P_Button, QStringLiteral("Btn_OK"), okLeft, width);
  Btn_OK->OnClick = std::move(onOK);
  Btn_Cancel = Make_Panel_Button(this, P_Button, QStringLiteral("Btn_Cancel"), cancelLeft, width);
  Btn_Cancel->SetModalResult(mrCancel);
}

int TFramedForm::Place_Frame() {
  const int w = ClientWidth();
  const int h = ClientHeight();
  P_Title->SetBounds(0, 0, w, kTitle_Height);
  P_Button->SetBounds(0, std::max(kTitle_Height, h - kButtons_Height), w, kButtons_Height);
  return std::max(0, h - kTitle_Height - kButtons_Height);
}

TFormTitle Make_Dialog_Frame(TForm* form, const QString& name, int descWidth) {
  form->SetName(name);
  form->SetColor(TFramedForm::kForm_Color);
  form->SetPosition(poScreenCenter);
  form->Font()->SetName(QStringLiteral("Verdana"));
  form->Font()->SetSize(8);
  const TFormTitle title = Make_Form_Title(form, TFramedForm::kForm_Color, 300, descWidth, true);
  Set_Editor_Title_Look(title);
  return title;
}

TLabel* Make_Named_Label(TForm* form, const QString& name, int left, int top) {
  auto* label = new TLabel(form);
  label->SetName(name);
  label->SetParent(form);
  label->SetLeft(left);
  label->SetTop(top);
  return label;
}
