#include "editors/fieldbus/bacnet_unit_form.h"

#include "app/language/language.h"
#include "app/state/comon.h"
#include "app/table_editor/form_frame.h"
#include "app/table_editor/table_editor.h"
#include "controls/button/fade_button.h"
#include "editors/fieldbus/bacnet_units.h"
#include "platform/rtl/strings.h"
#include "platform/ui/edit.h"
#include "platform/ui/items.h"
#include "platform/ui/labels.h"
#include "platform/ui/list_controls.h"
#include "platform/ui/shapes.h"

#include <algorithm>

TFBACnet_Eng_Unit* FBACnet_Eng_Unit = nullptr;

namespace {

TComboBox* New_List(TForm* form, const QString& name, int left, int top, int width) {
  auto* combo = new TComboBox(form, csDropDownList);
  combo->SetName(name);
  combo->SetParent(form);
  combo->SetBounds(left, top, width, 21);
  combo->SetDropDownCount(16);
  return combo;
}

}  // namespace

TFBACnet_Eng_Unit::TFBACnet_Eng_Unit(TComponent* AOwner) : TForm(AOwner) {
  const TFormTitle title = Make_Dialog_Frame(this, QStringLiteral("FBACnet_Eng_Unit"), 500);
  P_Title = title.Panel;
  L_SW_Code = title.Code;
  L_SW_Desc = title.Desc;

  Label1 = Make_Named_Label(this, QStringLiteral("Label1"), 16, 80);
  E_Selected_EU = new TEdit(this);
  E_Selected_EU->SetName(QStringLiteral("E_Selected_EU"));
  E_Selected_EU->SetParent(this);
  E_Selected_EU->SetBounds(16, 98, 80, 21);
  Label5 = Make_Named_Label(this, QStringLiteral("Label5"), 106, 101);
  Label5->SetCaption(QStringLiteral("-> unknown"));
  Label2 = Make_Named_Label(this, QStringLiteral("Label2"), 16, 134);
  Label2->Font()->SetStyle({fsBold});
  Label3 = Make_Named_Label(this, QStringLiteral("Label3"), 16, 156);
  CB_Select_Type = New_List(this, QStringLiteral("CB_Select_Type"), 16, 174, 190);
  CB_Select_Type->Items()->Assign(Unit_Category_Names());
  CB_Select_Type->SetItemIndex(0);
  CB_Select_Type->OnSelect = [this](TObject* s) { CB_Select_TypeSelect(s); };
  Label4 = Make_Named_Label(this, QStringLiteral("Label4"), 222, 156);
  CB_Select_Unit = New_List(this, QStringLiteral("CB_Select_Unit"), 222, 174, 310);
  P_Button = Make_Button_Panel(this, TTableEditor::kForm_Color);
  Btn_Select_Eng_Unit = new TFadeButton(this);
  Btn_Select_Eng_Unit->SetName(QStringLiteral("Btn_Select_Eng_Unit"));
  Btn_Select_Eng_Unit->SetParent(this);
  Btn_Select_Eng_Unit->SetBounds(16, 210, 190, 28);
  Btn_Select_Eng_Unit->OnClick = [this](TObject* s) { Btn_Select_Eng_UnitClick(s); };
  Btn_OK = Make_Panel_Button(this, P_Button, QStringLiteral("Btn_OK"), 16, 110);
  Btn_Cancel = Make_Panel_Button(this, P_Button, QStringLiteral("Btn_Cancel"), 134, 110);
  Btn_OK->SetModalResult(mrOk);
  Btn_Cancel->SetModalResult(mrCancel);

  SetClientSize(kClient_Width, kClient_Height);
  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnShow = [this](TObject* s) { FormShow(s); };
  Place_Areas();
}

void TFBACnet_Eng_Unit::FormCreate(TObject*) {
  L_SW_Code->SetCaption(SW_Code);
  SetClientSize(kClient_Width, kClient_Height);
  Set_Lang();
}

void TFBACnet_Eng_Unit::Set_Lang() {
  SetCaption(Lang_Text(2300));
  L_SW_Desc->SetCaption(Lang_Text(2301));
  Btn_OK->SetCaption(Lang_Text(2302));
  Btn_Cancel->SetCaption(Lang_Text(2303));
  Label1->SetCaption(Lang_Text(2304));
  Label2->SetCaption(Lang_Text(2305));
  Label3->SetCaption(Lang_Text(2306));
  Label4->SetCaption(Lang_Text(2307));
  Btn_Select_Eng_Unit->SetCaption(Lang_Text(2308));
}

void TFBACnet_Eng_Unit::FormShow(TObject* Sender) { CB_Select_TypeSelect(Sender); }

void TFBACnet_Eng_Unit::CB_Select_TypeSelect(TObject*) {
  CB_Select_Unit->Items()->Assign(Unit_Names(CB_Select_Type->ItemIndex()));
  CB_Select_Unit->SetItemIndex(0);
}

void TFBACnet_Eng_Unit::Btn_Select_Eng_UnitClick(TObject*) {
  const int number = Unit_Number(CB_Select_Type->ItemIndex(), CB_Select_Unit->ItemIndex());
  if (number < 0) return;
  E_Selected_EU->SetText(IntToStr(number));
  Label5->SetCaption(QStringLiteral("-> ") + Desc_Unit(number));
}

void TFBACnet_Eng_Unit::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TForm::SetBounds(ALeft, ATop, AWidth, AHeight);
  Place_Areas();
}

void TFBACnet_Eng_Unit::Place_Areas() {
  if (!P_Title || !P_Button) return;
  const int w = ClientWidth();
  const int h = ClientHeight();
  P_Title->SetBounds(0, 0, w, TTableEditor::kTitle_Height);
  P_Button->SetBounds(0, std::max(TTableEditor::kTitle_Height, h - TTableEditor::kButtons_Height), w,
                      TTableEditor::kButtons_Height);
}
