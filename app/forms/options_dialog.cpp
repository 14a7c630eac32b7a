#include "app/forms/options_dialog.h"

#include "app/forms/form_registry.h"
#include "app/forms/form_style.h"
#include "app/forms/main_window.h"
#include "app/forms/shell_artwork.h"
#include "app/language/language.h"
#include "app/shell/language_pages.h"
#include "app/shell/version_check.h"
#include "app/shell/web_links.h"
#include "app/state/comon.h"
#include "controls/button/fade_button.h"
#include "platform/os/process.h"
#include "platform/rtl/exceptions.h"
#include "platform/ui/check_box.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/labels.h"
#include "platform/ui/page_control.h"
#include "platform/ui/shapes.h"
#include "platform/ui/timer.h"

TFSoftOptions* FSoftOptions = nullptr;

namespace {

constexpr int kClient_Width = 470;
constexpr int kClient_Height = 340;
constexpr int kFlag_Width = 48;
constexpr int kFlag_Height = 32;

TLabel* sheetLabel(TForm* owner, TTabSheet* sheet, int left, int top) {
  auto* l = new TLabel(owner);
  l->SetParent(sheet);
  l->SetBounds(left, top, 0, 0);
  l->SetTransparent(true);
  return l;
}

TCheckBox* sheetCheckBox(TForm* owner, TTabSheet* sheet, int top) {
  auto* c = new TCheckBox(owner);
  c->SetParent(sheet);
  c->SetBounds(16, top, 420, 20);
  c->SetTabStop(true);
  return c;
}

TFadeButton* sheetButton(TForm* owner, TTabSheet* sheet, int left, int top, int width) {
  TFadeButton* b = Make_Button(owner, left, top, width, 30);
  b->SetParent(sheet);
  return b;
}

}  // namespace

TFSoftOptions::TFSoftOptions(TComponent* AOwner) : TForm(AOwner) {
  Style_Form(this, kClient_Width, kClient_Height);
  const TTitlePanel title = Make_Title_Panel(this, kClient_Width);
  P_Title = title.P_Title;
  L_SW_Code = title.L_SW_Code;
  L_SW_Desc = title.L_SW_Desc;

  PC_Options = new TPageControl(this);
  PC_Options->SetParent(this);
  PC_Options->SetBounds(8, 56, kClient_Width - 16, 232);
  PC_Options->SetTabStop(true);
  TS_Language = new TTabSheet(this);
  TS_Language->SetPageControl(PC_Options);
  TS_Con_Options = new TTabSheet(this);
  TS_Con_Options->SetPageControl(PC_Options);
  TS_Soft_Settings = new TTabSheet(this);
  TS_Soft_Settings->SetPageControl(PC_Options);
  Create_Language_Page();
  Create_Connection_Page();
  Create_Settings_Page();

  Btn_OK = Make_Button(this, kClient_Width - 210, kClient_Height - 42, 95, 30);
  Set_Button_Picture(Btn_OK, TShellPicture::Ok_Mark);
  Btn_OK->OnClick = [this](TObject* s) { Btn_OKClick(s); };
  Btn_Cancel = Make_Button(this, kClient_Width - 108, kClient_Height - 42, 95, 30, mrCancel);
  Set_Button_Picture(Btn_Cancel, TShellPicture::Cancel_Mark);

  OnShow = [this](TObject* s) { FormShow(s); };
  // FormCreate: the software code, the connection page in front, the texts.
  PC_Options->SetActivePage(TS_Con_Options);
  Set_Lang();
}

TFSoftOptions::~TFSoftOptions() {
  if (FSoftOptions == this) FSoftOptions = nullptr;
}

void TFSoftOptions::Create_Language_Page() {
  L_Sel_Lang = sheetLabel(this, TS_Language, 12, 10);
  L_Sel_Lang->SetParentFont(false);
  L_Sel_Lang->Font()->Assign(*Font());
  L_Sel_Lang->Font()->SetStyle({fsBold});
  // Six slots, three to a row: the flag and the language's name below it.
  for (int k = 0; k < kLang_Slots; ++k) {
    const int left = 24 + (k % 3) * 146;
    const int top = 36 + (k / 3) * 68;
    I_L[k] = new TImage(this);
    I_L[k]->SetParent(TS_Language);
    I_L[k]->SetBounds(left, top, kFlag_Width, kFlag_Height);
    I_L[k]->SetStretch(true);
    I_L[k]->SetCursor(crHandPoint);
    L_L[k] = sheetLabel(this, TS_Language, left, top + kFlag_Height + 4);
    L_L[k]->SetCursor(crHandPoint);
    const int slot = k + 1;
    I_L[k]->OnClick = [this, slot](TObject*) { LangClick(slot); };
    L_L[k]->OnClick = [this, slot](TObject*) { LangClick(slot); };
  }
  L_Page_Lang = sheetLabel(this, TS_Language, 12, 176);
  Btn_Prev = sheetButton(this, TS_Language, 214, 168, 110);
  Set_Button_Picture(Btn_Prev, TShellPicture::Previous);
  Btn_Next = sheetButton(this, TS_Language, 330, 168, 110);
  Set_Button_Picture(Btn_Next, TShellPicture::Next);
  Btn_Next->SetLayout(blGlyphRight);
  Btn_Prev->OnClick = [this](TObject* s) { Btn_NextClick(s); };
  Btn_Next->OnClick = [this](TObject* s) { Btn_NextClick(s); };
}

void TFSoftOptions::Create_Connection_Page() {
  CB_En_Con = sheetCheckBox(this, TS_Con_Options, 16);
  CB_Update = sheetCheckBox(this, TS_Con_Options, 44);
  Btn_Check_Update = sheetButton(this, TS_Con_Options, 16, 80, 220);
  Set_Button_Picture(Btn_Check_Update, TShellPicture::Web_Check);
  Btn_Check_Update->OnClick = [this](TObject* s) { Btn_Check_UpdateClick(s); };
  LL_Check_Update = new TLinkLabel(this);
  LL_Check_Update->SetParent(TS_Con_Options);
  LL_Check_Update->SetBounds(16, 126, 0, 0);
  LL_Check_Update->SetVisible(false);
  LL_Check_Update->OnLinkClick = [](TObject*, const QString& link, TSysLinkType) { ShellOpenUrl(link); };
}

void TFSoftOptions::Create_Settings_Page() {
  CB_Soft_Set_Jump_Table = sheetCheckBox(this, TS_Soft_Settings, 16);
  CB_DoubleClick_Auto_Size = sheetCheckBox(this, TS_Soft_Settings, 44);
  // The enabling rule runs again whenever any of the four boxes changes.
  for (TCheckBox* box : {CB_En_Con, CB_Update, CB_Soft_Set_Jump_Table, CB_DoubleClick_Auto_Size})
    box->OnClick = [this](TObject*) { Update_CheckBox(); };
}

void TFSoftOptions::Set_Lang() {
  SetCaption(Lang_Text(300));
  L_SW_Desc->SetCaption(Lang_Text(301));
  TS_Language->SetCaption(Lang_Text(302));
  TS_Con_Options->SetCaption(Lang_Text(303));
  Show_Selected_Language();
  L_Page_Lang->SetCaption(Lang_Page_Counter(1, 1));
  Btn_Prev->SetCaption(Lang_Text(307));
  Btn_Next->SetCaption(Lang_Text(308));
  CB_En_Con->SetCaption(Lang_Text(309));
  CB_Update->SetCaption(Lang_Text(310));
  Btn_Check_Update->SetCaption(Lang_Text(311));
  Btn_OK->SetCaption(Lang_Text(312));
  Btn_Cancel->SetCaption(Lang_Text(313));
  TS_Soft_Settings->SetCaption(Lang_Text(319));
  CB_Soft_Set_Jump_Table->SetCaption(Lang_Text(320));
  CB_DoubleClick_Auto_Size->SetCaption(Lang_Text(321));
}

void TFSoftOptions::Show_Selected_Language() { L_Sel_Lang->SetCaption(Lang_Text(304) + Language_In_Use); }

void TFSoftOptions::FormShow(TObject*) {
  // The language in use first, so the page shows it from the start.
  Language_In_Use = Language_Name;
  Create_Lang_List();
  Update_CheckBox();
  LL_Check_Update->SetVisible(false);
  PC_Options->SetActivePage(TS_Language);
  CB_En_Con->SetChecked(Opt_Enable_Internet);
  CB_Update->SetChecked(Opt_Enable_Update);
  CB_Soft_Set_Jump_Table->SetChecked(Opt_Jump_Field_Tables);
  CB_DoubleClick_Auto_Size->SetChecked(Opt_Double_Click_Auto_Size);
}

void TFSoftOptions::Create_Lang_List() {
  SL_Languages.Clear();
  for (const QString& name : ::Create_Lang_List(Shipped_Folders(QStringLiteral("LANGUAGE")))) SL_Languages.Add(name);
  Show_Page = 1;
  Update_Lang_Page(1);
}

void TFSoftOptions::Update_Lang_Page(int Num_Page) {
  const TLangPageView view = Lang_Page_View(SL_Languages.Count(), Num_Page);
  // 1. The chosen language and the page counter.
  Show_Selected_Language();
  L_Page_Lang->SetCaption(Lang_Page_Counter(Num_Page, view.Pages));
  // 2. The page buttons.
  Btn_Prev->SetVisible(view.PrevVisible);
  Btn_Next->SetVisible(view.NextVisible);
  // 3./4. The slots with their names and flags.
  for (int k = 0; k < kLang_Slots; ++k) {
    const bool shown = k < view.SlotsVisible;
    L_L[k]->SetVisible(shown);
    I_L[k]->SetVisible(shown);
    if (k >= view.Count) continue;
    const QString name = Lang_Name_Of(SL_Languages[view.First + k]);
    L_L[k]->SetCaption(name);
    const QString flag = Lang_Flag_Picture(Shipped_Folders(QStringLiteral("LANGUAGE")), name);
    bool loaded = false;
    if (!flag.isEmpty()) {
      try {
        I_L[k]->Picture()->LoadFromFile(flag);
        loaded = true;
      } catch (const EFileError&) {
        // An unreadable picture shows no flag.
      }
    }
    I_L[k]->SetVisible(loaded);
  }
}

void TFSoftOptions::Btn_NextClick(TObject* Sender) {
  const int pages = Lang_Page_Count(SL_Languages.Count());
  Show_Page = Lang_Page_Step(Show_Page, pages, Sender == Btn_Next);
  Update_Lang_Page(Show_Page);
}

void TFSoftOptions::LangClick(int slot) {
  // 1. The language of the slot; a slot without one does nothing.
  const int index = kLang_Slots * (Show_Page - 1) + slot - 1;
  if (slot < 1 || slot > kLang_Slots || index < 0 || index >= SL_Languages.Count()) return;
  const QString newLanguage = Lang_Name_Of(SL_Languages[index]);
  // 2. Confirmation.
  const QString question = Lang_Text(316) + Language_In_Use + Lang_Text(317) + newLanguage + Lang_Text(318);
  if (MessageDlg(question, mtConfirmation, {mbYes, mbNo}) != mrYes) return;
  // 3. The new texts, loaded at once; the saved language stays until OK.
  Language_In_Use = newLanguage;
  const QString saved = Language_Name;
  Language_Name = newLanguage;
  Load_Language();
  Language_Name = saved;
  // 4. Every form takes the new texts.
  if (FFabricoreFirmWare) FFabricoreFirmWare->Change_Language();
  else ::Change_Language();
  // 5. The chosen language; the page counter shows the page that is shown.
  Show_Selected_Language();
  Update_Lang_Page(Show_Page);
}

void TFSoftOptions::Update_CheckBox() {
  CB_Update->SetEnabled(CB_En_Con->Checked());
  Btn_Check_Update->SetEnabled(CB_Update->Enabled() && CB_Update->Checked());
}

void TFSoftOptions::Btn_Check_UpdateClick(TObject*) {
  if (Check_Version()) {
    LL_Check_Update->SetCaption(Download_Link_Caption(Lang_Text(314)));
  } else {
    LL_Check_Update->SetCaption(Lang_Text(315));
  }
  LL_Check_Update->SetVisible(true);
}

void TFSoftOptions::Btn_OKClick(TObject*) {
  Language_Name = Language_In_Use;
  Opt_Enable_Internet = CB_En_Con->Checked();
  Opt_Enable_Update = CB_Update->Checked();
  if (FFabricoreFirmWare)
    FFabricoreFirmWare->Timer_Update->SetEnabled(Version_Timer_Wanted(Opt_Enable_Internet, Opt_Enable_Update));
  Opt_Jump_Field_Tables = CB_Soft_Set_Jump_Table->Checked();
  Opt_Double_Click_Auto_Size = CB_DoubleClick_Auto_Size->Checked();
  SetModalResult(mrOk);
}
