#include "app/forms/open_conf_dialog.h"

#include "app/forms/form_style.h"
#include "app/forms/shell_artwork.h"
#include "app/language/language.h"
#include "app/shell/projects.h"
#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "platform/ui/labels.h"
#include "platform/ui/list_controls.h"

TFOpenConf* FOpenConf = nullptr;

TFOpenConf::TFOpenConf(TComponent* AOwner) : TForm(AOwner) {
  Style_Form(this, 377, 351);
  const TTitlePanel title = Make_Title_Panel(this, 377);
  P_Title = title.P_Title;
  L_SW_Code = title.L_SW_Code;
  L_SW_Desc = title.L_SW_Desc;
  Label1 = Make_Label(this, 16, 60);
  ListBox1 = new TListBox(this);
  ListBox1->SetParent(this);
  ListBox1->SetBounds(16, 78, 345, 218);
  ListBox1->SetTabStop(true);
  ListBox1->OnClick = [this](TObject* s) { ListBox1Click(s); };
  Btn_OK = Make_Button(this, 164, 308, 95, 30, mrOk);
  Set_Button_Picture(Btn_OK, TShellPicture::Ok_Mark);
  Btn_Cancel = Make_Button(this, 266, 308, 95, 30, mrCancel);
  Set_Button_Picture(Btn_Cancel, TShellPicture::Cancel_Mark);
  OnShow = [this](TObject* s) { FormShow(s); };
  Set_Lang();
}

TFOpenConf::~TFOpenConf() {
  if (FOpenConf == this) FOpenConf = nullptr;
}

void TFOpenConf::Set_Lang() {
  SetCaption(Lang_Text(200));
  L_SW_Desc->SetCaption(Lang_Text(201));
  Label1->SetCaption(Lang_Text(202));
  Btn_OK->SetCaption(Lang_Text(203));
  Btn_Cancel->SetCaption(Lang_Text(204));
  ListBox1->SetHint(Lang_Text(205));
  Btn_OK->SetHint(Lang_Text(206));
  Btn_Cancel->SetHint(Lang_Text(207));
}

void TFOpenConf::Load_Existing_Configuration() { SL = ::Load_Existing_Configuration(); }

int TFOpenConf::Search_Open_Conf(const QString& name) const { return ::Search_Open_Conf(SL, name); }

void TFOpenConf::FormShow(TObject*) {
  // 1./2. The project folders, listed.
  Load_Existing_Configuration();
  ListBox1->Clear();
  for (const QString& name : SL) ListBox1->Items()->Add(name);
  // 3.-5. The active project, else the first; with nothing to select no name.
  const TOpenPreselection pre = Open_Preselection(SL, Project_Folder, Projects_Folder);
  ListBox1->SetItemIndex(pre.ItemIndex);
  Name_Conf = pre.Name_Conf;
}

void TFOpenConf::ListBox1Click(TObject*) {
  const int index = ListBox1->ItemIndex();
  if (index < 0) return;
  Name_Conf = ListBox1->Items()->Strings(index);
}
