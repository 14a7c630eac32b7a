#include "app/forms/new_project_dialog.h"

#include "app/forms/shell_artwork.h"
#include "app/language/language.h"
#include "app/shell/projects.h"
#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/edit.h"
#include "platform/ui/labels.h"

TFNew_Project* FNew_Project = nullptr;

TFNew_Project::TFNew_Project(TComponent* AOwner) : TForm(AOwner) {
  Style_Form(this, 331, 162);
  const TTitlePanel title = Make_Title_Panel(this, 331);
  P_Title = title.P_Title;
  L_SW_Code = title.L_SW_Code;
  L_SW_Desc = title.L_SW_Desc;
  Label1 = Make_Label(this, 16, 62);
  E_New_Proj = new TEdit(this);
  E_New_Proj->SetParent(this);
  E_New_Proj->SetBounds(16, 80, 299, 22);
  E_New_Proj->SetTabStop(true);
  E_New_Proj->OnKeyPress = [this](TObject* s, QChar& k) { E_New_ProjKeyPress(s, k); };
  Btn_OK = Make_Button(this, 120, 120, 95, 30);
  Set_Button_Picture(Btn_OK, TShellPicture::Ok_Mark);
  Btn_OK->OnClick = [this](TObject* s) { Btn_OKClick(s); };
  Btn_Cancel = Make_Button(this, 222, 120, 95, 30, mrCancel);
  Set_Button_Picture(Btn_Cancel, TShellPicture::Cancel_Mark);
  OnShow = [this](TObject* s) { FormShow(s); };
  Set_Lang();
}

TFNew_Project::~TFNew_Project() {
  if (FNew_Project == this) FNew_Project = nullptr;
}

void TFNew_Project::Set_Lang() {
  SetCaption(Lang_Text(100));
  L_SW_Desc->SetCaption(Lang_Text(101));
  Label1->SetCaption(Lang_Text(102));
  Btn_OK->SetCaption(Lang_Text(103));
  Btn_Cancel->SetCaption(Lang_Text(104));
  E_New_Proj->SetHint(Lang_Text(108));
  Btn_OK->SetHint(Lang_Text(109));
  Btn_Cancel->SetHint(Lang_Text(110));
}

void TFNew_Project::FormShow(TObject*) {
  E_New_Proj->SetText(QString());
  if (E_New_Proj->CanFocus()) E_New_Proj->SetFocus();
}

void TFNew_Project::E_New_ProjKeyPress(TObject* Sender, QChar& Key) {
  if (Key != QChar(13)) return;
  Btn_OKClick(Sender);
}

void TFNew_Project::Btn_OKClick(TObject*) {
  const int refusal = Create_Project(E_New_Proj->Text());
  if (refusal != 0) {
    MessageDlg(Lang_Text(refusal), mtError, {mbOK});
    return;
  }
  SetModalResult(mrOk);
}
