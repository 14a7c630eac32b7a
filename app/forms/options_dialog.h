// The options dialog (TFSoftOptions): the language, chosen from the language files
// six to a page; the two internet options with the on-demand version check; the
// two table options. OK stores the choices; a language confirmed here is in use
// for every form at once, but becomes the saved language only with OK.
#pragma once

#include "platform/rtl/string_list.h"
#include "platform/ui/form.h"

class TCheckBox;
class TFadeButton;
class TImage;
class TLabel;
class TLinkLabel;
class TPageControl;
class TPanel;
class TTabSheet;

class TFSoftOptions : public TForm {
public:
  explicit TFSoftOptions(TComponent* AOwner);
  ~TFSoftOptions() override;

  void Set_Lang();
  void Create_Lang_List();
  void Update_Lang_Page(int Num_Page);
  void Btn_NextClick(TObject* Sender);
  // A click on slot `slot` (1 to 6) of the page shown.
  void LangClick(int slot);
  void Update_CheckBox();
  void Btn_Check_UpdateClick(TObject* Sender);
  void Btn_OKClick(TObject* Sender);

  TPanel* P_Title;
  TLabel* L_SW_Code;
  TLabel* L_SW_Desc;
  TPageControl* PC_Options;
  TTabSheet* TS_Language;
  TTabSheet* TS_Con_Options;
  TTabSheet* TS_Soft_Settings;
  TLabel* L_Sel_Lang;
  TLabel* L_Page_Lang;
  TImage* I_L[6];  // I_L1 .. I_L6
  TLabel* L_L[6];  // L_L1 .. L_L6
  TFadeButton* Btn_Prev;
  TFadeButton* Btn_Next;
  TCheckBox* CB_En_Con;
  TCheckBox* CB_Update;
  TFadeButton* Btn_Check_Update;
  TLinkLabel* LL_Check_Update;
  TCheckBox* CB_Soft_Set_Jump_Table;
  TCheckBox* CB_DoubleClick_Auto_Size;
  TFadeButton* Btn_OK;
  TFadeButton* Btn_Cancel;

  int Show_Page = 1;
  TStringList SL_Languages;
  QString Language_In_Use;

private:
  void Create_Language_Page();
  void Create_Connection_Page();
  void Create_Settings_Page();
  void FormShow(TObject* Sender);
  void Show_Selected_Language();
};

extern TFSoftOptions* FSoftOptions;
