#include "app/forms/form_style.h"

#include "app/forms/shell_artwork.h"
#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/form.h"
#include "platform/ui/labels.h"
#include "platform/ui/shapes.h"

void Style_Form(TForm* form, int clientWidth, int clientHeight) {
  form->SetBorderStyle(bsSingle);
  form->SetPosition(poScreenCenter);
  form->SetColor(kForm_Color);
  form->Font()->SetName(QStringLiteral("Verdana"));
  form->Font()->SetSize(8);
  form->SetShowHint(true);
  form->SetClientSize(clientWidth, clientHeight);
}

TFadeButton* Make_Button(TForm* form, int left, int top, int width, int height, int modalResult) {
  auto* b = new TFadeButton(form);
  b->SetParent(form);
  b->SetBounds(left, top, width, height);
  b->SetColor(kForm_Color);
  b->SetLightColor(clGray);
  b->SetStyle(bsEncarta);
  b->SetColorWhenDown(0x0080FF);
  b->SetHotTrackColor(clYellow);
  b->SetNumGlyphs(1);
  b->SetModalResult(modalResult);
  return b;
}

void Set_Button_Picture(TFadeButton* button, TShellPicture picture) {
  TBitmap glyph;
  Draw_Shell_Picture(picture, glyph);
  button->SetGlyph(&glyph);
  button->SetNumGlyphs(1);
}

TTitlePanel Make_Title_Panel(TForm* form, int width) {
  TTitlePanel t;
  t.P_Title = new TPanel(form);
  t.P_Title->SetParent(form);
  t.P_Title->SetBounds(0, 0, width, kTitle_Height);
  t.P_Title->SetBevelOuter(bvNone);
  t.P_Title->SetColor(kTitle_Color);
  t.P_Title->SetCaption(QString());

  t.L_SW_Code = new TLabel(form);
  t.L_SW_Code->SetParent(t.P_Title);
  t.L_SW_Code->SetBounds(10, 4, 0, 0);
  t.L_SW_Code->SetParentFont(false);
  t.L_SW_Code->Font()->Assign(*form->Font());
  t.L_SW_Code->Font()->SetSize(12);
  t.L_SW_Code->Font()->SetStyle({fsBold});
  t.L_SW_Code->Font()->SetColor(0x8A4A1E);
  t.L_SW_Code->SetCaption(SW_Code);

  t.L_SW_Desc = new TLabel(form);
  t.L_SW_Desc->SetParent(t.P_Title);
  t.L_SW_Desc->SetBounds(10, 28, 0, 0);

  // A thin line under the panel.
  auto* line = new TShape(form);
  line->SetParent(form);
  line->SetBounds(0, kTitle_Height, width, 1);
  line->Pen()->SetColor(0xD0C8C0);
  return t;
}

TLabel* Make_Label(TForm* owner, int left, int top) {
  auto* l = new TLabel(owner);
  l->SetParent(owner);
  l->SetBounds(left, top, 0, 0);
  l->SetTransparent(true);
  return l;
}
